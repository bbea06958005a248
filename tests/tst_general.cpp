// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Shape checks of the general-questions table: the counts over the section,
// the per-slot lengths, blanks and characters, the slot titles and the rows
// whose texts are fixed word for word.

#include <QtTest>

#include <algorithm>
#include <functional>
#include <set>

#include "quiz/section.h"

namespace {

using Text = std::u16string_view;
using quiz::kGeneral;

constexpr char16_t kKashida = u'\u0640';
constexpr char16_t kQuestionMark = u'\u061F';

QString qs(Text t) { return QString::fromUtf16(t.data(), qsizetype(t.size())); }

bool contains(Text t, char16_t c) { return t.find(c) != Text::npos; }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool hasDigit(Text t) { return std::any_of(t.begin(), t.end(), isDigit); }

int leadingBlanks(Text t)
{
    return int(std::min(t.find_first_not_of(u' '), t.size()));
}

int trailingBlanks(Text t)
{
    const auto last = t.find_last_not_of(u' ');
    return int(last == Text::npos ? t.size() : t.size() - 1 - last);
}

Text trimmed(Text t)
{
    t.remove_prefix(leadingBlanks(t));
    t.remove_suffix(trailingBlanks(t));
    return t;
}

// "...word؟" or "...word؟ ": the mark sits directly on the last word.
bool endsWithBareMark(Text q)
{
    if (q.ends_with(u' '))
        q.remove_suffix(1);
    return q.size() >= 2 && q.back() == kQuestionMark && q[q.size() - 2] != u' ';
}

bool endsWithSpacedMark(Text q) { return q.ends_with(u" \u061F"); }

// Code page 1256 subset the texts keep to: printable ASCII, the Arabic comma,
// semicolon and question mark, the letters and the kashida.
bool inRepertoire(char16_t c)
{
    return (c >= 0x20 && c <= 0x7E) || c == 0x060C || c == 0x061B || c == 0x061F
        || (c >= 0x0621 && c <= 0x063A) || (c >= 0x0640 && c <= 0x064A);
}

// Letters that join the following letter, so a kashida may come after them.
bool joinsNext(char16_t c)
{
    return c == 0x0626 || c == 0x0628 || (c >= 0x062A && c <= 0x062E)
        || (c >= 0x0633 && c <= 0x063A) || (c >= 0x0640 && c <= 0x0647) || c == 0x064A;
}

// Letters that join the preceding one, so a kashida may come before them.
bool joinsPrevious(char16_t c)
{
    return (c >= 0x0622 && c <= 0x063A) || (c >= 0x0640 && c <= 0x064A);
}

// Empty when the text is fine, else a description of the first fault.
QString charFault(Text t)
{
    for (size_t i = 0; i < t.size(); ++i) {
        const char16_t c = t[i];
        if (!inRepertoire(c))
            return QStringLiteral("U+%1 at %2").arg(int(c), 4, 16, QLatin1Char('0')).arg(i);
        if (c == kKashida && (i == 0 || !joinsNext(t[i - 1]) || i + 1 == t.size()
                              || !joinsPrevious(t[i + 1])))
            return QStringLiteral("kashida between non-joining letters at %1").arg(i);
        if (isDigit(c) && i + 1 < t.size() && !isDigit(t[i + 1])
            && !(t[i + 1] >= 0x0621 && t[i + 1] <= 0x064A))
            return QStringLiteral("digits not followed by a letter at %1").arg(i);
        if (isDigit(c) && i + 1 == t.size())
            return QStringLiteral("digits at the end");
    }
    return {};
}

int countSlots(const std::function<bool(const quiz::SlotText &)> &pred)
{
    return int(std::count_if(kGeneral.begin(), kGeneral.end(), pred));
}

QString expectedTitle(int n)
{
    static const QString units[] = {qs(u""), qs(u"الأول"), qs(u"الثاني"), qs(u"الثالث"),
                                    qs(u"الرابع"), qs(u"الخامس"), qs(u"السادس"),
                                    qs(u"السابع"), qs(u"الثامن"), qs(u"التاسع")};
    static const QString tens[] = {qs(u""), qs(u"العاشر"), qs(u"العشرون"), qs(u"الثلاثون"),
                                   qs(u"الأربعون"), qs(u"الخمسون"), qs(u"الستون")};
    // Titles that are shown with their own spelling, blanks or elongation.
    static const QMap<int, QString> asShown = {
        {1, qs(u"السؤال  الأول")},
        {7, qs(u"السؤال السايع")},
        {20, qs(u"السؤال العشــــــــرون")},
        {30, qs(u"السؤال الثلاثـــــــــــون")},
        {31, qs(u"السؤال الحادي والثلاثون ")},
        {40, qs(u"السؤال الأربعــــــــــــون")},
        {50, qs(u"السؤال الخمســـــــــــون")},
        {60, qs(u"السؤال الستـــــــــــــون")},
        {62, qs(u"السؤال الثاني والستون ")},
    };
    if (asShown.contains(n))
        return asShown.value(n);
    const int unit = n % 10, ten = n / 10;
    const QString unitWord = (unit == 1 && n > 1) ? qs(u"الحادي") : units[unit];
    QString ordinal;
    if (unit == 0)
        ordinal = tens[ten];
    else if (ten == 0)
        ordinal = unitWord;
    else if (ten == 1)
        ordinal = unitWord + qs(u" عشر");
    else
        ordinal = unitWord + qs(u" و") + tens[ten];
    return qs(u"السؤال ") + ordinal;
}

}  // namespace

class TestGeneral : public QObject
{
    Q_OBJECT

private slots:
    void counts_data();
    void counts();
    void slotShape_data();
    void slotShape();
    void titles_data();
    void titles();
    void fixedRows_data();
    void fixedRows();
    void splitAnswer();
};

void TestGeneral::counts_data()
{
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("counted");
    const auto row = [](const char *name, int expected, auto pred) {
        QTest::newRow(name) << expected << countSlots(pred);
    };
    row("questions ending in blank and question mark", 50,
        [](auto &s) { return endsWithSpacedMark(s.question); });
    row("questions with the mark on the last word", 10,
        [](auto &s) { return endsWithBareMark(s.question); });
    row("... and one blank after it", 1,
        [](auto &s) { return endsWithBareMark(s.question) && s.question.ends_with(u' '); });
    row("questions going on after the mark", 2, [](auto &s) {
        return contains(s.question, kQuestionMark) && !endsWithSpacedMark(s.question)
            && !endsWithBareMark(s.question);
    });
    row("questions beginning with blanks", 14,
        [](auto &s) { return leadingBlanks(s.question) > 0; });
    row("questions with a doubled inner blank", 2,
        [](auto &s) { return trimmed(s.question).find(u"  ") != Text::npos; });
    row("questions with kashida", 22, [](auto &s) { return contains(s.question, kKashida); });
    row("answers ending with blanks", 55, [](auto &s) { return trailingBlanks(s.answer) > 0; });
    row("answers beginning with a blank", 11,
        [](auto &s) { return leadingBlanks(s.answer) > 0; });
    row("answers with kashida", 4, [](auto &s) { return contains(s.answer, kKashida); });
    row("answers with digits", 3, [](auto &s) { return hasDigit(s.answer); });
    row("box titles not empty", 2, [](auto &s) { return !s.boxTitle.empty(); });

    // Questions differing only in blanks or elongation count as alike.
    std::set<QString> distinct;
    for (const auto &s : kGeneral)
        distinct.insert(qs(s.question).remove(u' ').remove(QChar(kKashida)));
    QTest::newRow("distinct questions") << 62 << int(distinct.size());
}

void TestGeneral::counts()
{
    QFETCH(int, expected);
    QFETCH(int, counted);
    QCOMPARE(counted, expected);
}

void TestGeneral::slotShape_data()
{
    QTest::addColumn<int>("slot");
    for (int n = 1; n <= 62; ++n)
        QTest::addRow("slot %d", n) << n;
}

void TestGeneral::slotShape()
{
    QFETCH(int, slot);
    const quiz::SlotText &s = kGeneral[slot - 1];

    QVERIFY2(s.question.size() >= 28 && s.question.size() <= 54, qPrintable(qs(s.question)));
    QVERIFY2(s.answer.size() >= 5 && s.answer.size() <= 70, qPrintable(qs(s.answer)));
    QVERIFY(leadingBlanks(s.question) <= 2);
    QVERIFY(leadingBlanks(s.answer) <= 1);
    QVERIFY(trailingBlanks(s.answer) <= 2);
    QVERIFY(!contains(s.answer, kQuestionMark));

    const Text core = trimmed(s.question);
    if (slot == 7 || slot == 49) {
        // A second clause or a reason follows the question.
        const auto mark = core.find(kQuestionMark);
        QVERIFY(mark != Text::npos && mark + 2 < core.size());
        QCOMPARE(slot == 49, core.ends_with(u" ."));
    } else {
        QVERIFY2(core.back() == kQuestionMark && trailingBlanks(s.question) <= 1,
                 qPrintable(qs(s.question)));
    }

    QCOMPARE(s.boxTitle.empty(), slot != 1 && slot != 51);

    const Text fields[] = {s.title, s.question, s.answer, s.boxTitle};
    for (const Text field : fields) {
        const QString fault = charFault(field);
        QVERIFY2(fault.isEmpty(), qPrintable(fault + qs(u": ") + qs(field)));
    }
}

void TestGeneral::titles_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("expected");
    for (int n = 1; n <= 62; ++n)
        QTest::addRow("slot %d", n) << n << expectedTitle(n);
}

void TestGeneral::titles()
{
    QFETCH(int, slot);
    QFETCH(QString, expected);
    QCOMPARE(qs(kGeneral[slot - 1].title), expected);
    QCOMPARE(countSlots([&](auto &s) { return qs(s.title) == expected; }), 1);
}

void TestGeneral::fixedRows_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("boxTitle");
    QTest::newRow("slot 8") << 8 << qs(u"هل تعلــــــــــــــم الجيل كم سنـــــــــــة ؟")
                            << qs(u"33سنة") << QString();
    QTest::newRow("slot 49") << 49
                             << qs(u"ما هي الدولة التي تسمى بلاد الحرية ؟ لأنها لم تستعمر .")
                             << qs(u" تايلاند ") << QString();
    QTest::newRow("slot 50") << 50 << qs(u"متى استخدمت أول قنبلة نووية في العالم ؟")
                             << qs(u" عام 1945م في اليابان (هيروشيما و نجازاكي )") << QString();
    QTest::newRow("slot 51") << 51 << qs(u" أين توجد أضخم قنبلة نووية في العالم ؟")
                             << qs(u"في روسيــــــــا")
                             << qs(u"اللهم سخر عليهم ما صنعت أيديهم");
    QTest::newRow("slot 54") << 54 << qs(u"ما هو جمع كلمة عندليب ؟ وماهو جمع كلمة  دلو ؟")
                             << qs(u"جمع عندليب هو عنادل وجمع كلمة دلو هو دلاء ") << QString();
}

void TestGeneral::fixedRows()
{
    QFETCH(int, slot);
    QFETCH(QString, question);
    QFETCH(QString, answer);
    QFETCH(QString, boxTitle);
    const quiz::SlotText &s = kGeneral[slot - 1];
    QCOMPARE(qs(s.question), question);
    QCOMPARE(qs(s.answer), answer);
    QCOMPARE(qs(s.boxTitle), boxTitle);
}

// Slot 1's answer box shows the era as its title and the person as its prompt.
void TestGeneral::splitAnswer()
{
    const quiz::SlotText &s = kGeneral[0];
    QCOMPARE(s.boxTitle.size(), size_t(22));
    QCOMPARE(trimmed(s.boxTitle).size(), s.boxTitle.size());
    QCOMPARE(leadingBlanks(s.answer), 0);
    QCOMPARE(trailingBlanks(s.answer), 1);
    QVERIFY(!hasDigit(s.boxTitle) && !hasDigit(s.answer));
}

QTEST_APPLESS_MAIN(TestGeneral)
#include "tst_general.moc"
