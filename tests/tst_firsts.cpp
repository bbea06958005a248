// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Shape checks of the firsts section table: the exact slot titles and fixed rows,
// the counts of blanks, kashida and question marks over all 62 slots, the length
// ranges, and the character repertoire of code page 1256.

#include <QtTest>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>

#include "quiz/section.h"

using quiz::kFirsts;
using quiz::SlotText;

namespace {

constexpr char16_t kBlank = u' ';
constexpr char16_t kKashida = u'\u0640';
constexpr char16_t kQuestionMark = u'\u061F';

enum Field { Title, Question, Answer, BoxTitle };

std::u16string_view field(const SlotText &s, int f)
{
    switch (f) {
    case Title: return s.title;
    case Question: return s.question;
    case Answer: return s.answer;
    default: return s.boxTitle;
    }
}

QString str(std::u16string_view v) { return QString::fromUtf16(v.data(), qsizetype(v.size())); }

size_t leadingBlanks(std::u16string_view v)
{
    const size_t i = v.find_first_not_of(kBlank);
    return i == v.npos ? v.size() : i;
}

size_t trailingBlanks(std::u16string_view v)
{
    const size_t i = v.find_last_not_of(kBlank);
    return i == v.npos ? v.size() : v.size() - 1 - i;
}

bool contains(std::u16string_view v, std::u16string_view part) { return v.find(part) != v.npos; }

bool isHaraka(char16_t c) { return c >= 0x064B && c <= 0x0652; }

// Printable ASCII, the Arabic comma, semicolon and question mark, the Arabic
// letters, kashida and the harakat: all of them have a place in code page 1256.
bool inRepertoire(char16_t c)
{
    return (c >= 0x20 && c <= 0x7E) || c == 0x060C || c == 0x061B || c == 0x061F
        || (c >= 0x0621 && c <= 0x063A) || (c >= 0x0640 && c <= 0x0652);
}

// Letters that join the letter after them, so a kashida may follow them.
bool joinsForward(char16_t c)
{
    return c == 0x0626 || c == 0x0628 || (c >= 0x062A && c <= 0x062E) || (c >= 0x0633 && c <= 0x063A)
        || (c >= 0x0641 && c <= 0x0647) || c == 0x0649 || c == 0x064A;
}

bool isLetter(char16_t c) { return (c >= 0x0621 && c <= 0x063A) || (c >= 0x0641 && c <= 0x064A); }

// A question with kashida and runs of blanks removed: two questions that differ
// only in those are the same question.
std::u16string bare(std::u16string_view q)
{
    std::u16string out;
    for (char16_t c : q) {
        if (c == kKashida || (c == kBlank && (out.empty() || out.back() == kBlank)))
            continue;
        out += c;
    }
    while (!out.empty() && out.back() == kBlank)
        out.pop_back();
    return out;
}

template <typename Pred> int count(Pred pred) { return int(std::count_if(kFirsts.begin(), kFirsts.end(), pred)); }

int distinctQuestions()
{
    std::set<std::u16string> seen;
    for (const SlotText &s : kFirsts)
        seen.insert(bare(s.question));
    return int(seen.size());
}

}  // namespace

class TestFirsts : public QObject
{
    Q_OBJECT

private slots:
    void counts_data();
    void counts();
    void lengths_data();
    void lengths();
    void twoQuestionSlots();
    void titles_data();
    void titles();
    void fixedRows_data();
    void fixedRows();
    void boxTitles();
    void repertoire_data();
    void repertoire();
    void kashidaJoins();
};

void TestFirsts::counts_data()
{
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("counted");

    const auto q = [](auto pred) { return count([&](const SlotText &s) { return pred(s.question); }); };
    const auto a = [](auto pred) { return count([&](const SlotText &s) { return pred(s.answer); }); };
    const auto anyOf = [](auto pred) {
        return [=](std::u16string_view v) { return std::any_of(v.begin(), v.end(), pred); };
    };
    const auto hasKashida = anyOf([](char16_t c) { return c == kKashida; });

    QTest::newRow("questions with the word first") << 61 << q([](auto v) { return contains(v, u"أول"); });
    QTest::newRow("questions ending in blank and question mark")
        << 62 << q([](auto v) { return v.ends_with(u" ؟") && !v.ends_with(u"  ؟"); });
    QTest::newRow("questions beginning with blanks") << 8 << q([](auto v) { return leadingBlanks(v) > 0; });
    QTest::newRow("questions beginning with more than three blanks")
        << 0 << q([](auto v) { return leadingBlanks(v) > 3; });
    QTest::newRow("questions with a doubled inner blank")
        << 6 << q([](auto v) { return contains(v.substr(leadingBlanks(v)), u"  "); });
    QTest::newRow("questions with kashida") << 17 << q(hasKashida);
    QTest::newRow("distinct questions") << 62 << distinctQuestions();

    QTest::newRow("answers ending with blanks") << 40 << a([](auto v) { return trailingBlanks(v) > 0; });
    QTest::newRow("answers ending with more than two blanks") << 0 << a([](auto v) { return trailingBlanks(v) > 2; });
    QTest::newRow("answers beginning with a blank") << 8 << a([](auto v) { return leadingBlanks(v) == 1; });
    QTest::newRow("answers beginning with two blanks") << 0 << a([](auto v) { return leadingBlanks(v) > 1; });
    QTest::newRow("answers with kashida") << 1 << a(hasKashida);
    QTest::newRow("answers with a question mark")
        << 0 << a(anyOf([](char16_t c) { return c == u'?' || c == kQuestionMark; }));
    QTest::newRow("answers with a digit") << 0 << a(anyOf([](char16_t c) {
        return (c >= u'0' && c <= u'9') || (c >= 0x0660 && c <= 0x0669) || (c >= 0x06F0 && c <= 0x06F9);
    }));

    // Only the fixed answer of slot 61 carries a haraka (its tanween).
    QTest::newRow("slots with harakat") << 1 << count([&](const SlotText &s) {
        return anyOf(isHaraka)(s.title) || anyOf(isHaraka)(s.question) || anyOf(isHaraka)(s.answer)
            || anyOf(isHaraka)(s.boxTitle);
    });
}

void TestFirsts::counts()
{
    QFETCH(int, expected);
    QFETCH(int, counted);
    QCOMPARE(counted, expected);
}

void TestFirsts::lengths_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("shortest");
    QTest::addColumn<int>("longest");
    QTest::newRow("questions") << int(Question) << 24 << 63;
    QTest::newRow("answers") << int(Answer) << 5 << 59;
}

void TestFirsts::lengths()
{
    QFETCH(int, which);
    QFETCH(int, shortest);
    QFETCH(int, longest);
    for (size_t i = 0; i < kFirsts.size(); ++i) {
        const int n = int(field(kFirsts[i], which).size());
        if (n < shortest || n > longest)
            QFAIL(qPrintable(QString("slot %1 has %2 characters").arg(i + 1).arg(n)));
    }
}

// Slots 56 and 62 hold two questions in one label, every other slot one; each
// question ends with a blank and the question mark.
void TestFirsts::twoQuestionSlots()
{
    for (size_t i = 0; i < kFirsts.size(); ++i) {
        const std::u16string_view q = kFirsts[i].question;
        const int slot = int(i) + 1;
        int marks = 0;
        for (size_t p = q.find(kQuestionMark); p != q.npos; p = q.find(kQuestionMark, p + 1)) {
            ++marks;
            QVERIFY2(p > 0 && q[p - 1] == kBlank, qPrintable(QString("slot %1").arg(slot)));
        }
        QCOMPARE(marks, slot == 56 || slot == 62 ? 2 : 1);
    }
}

void TestFirsts::titles_data()
{
    static const char16_t *const titles[62] = {
        u"السؤال الأول", u"السؤال الثاني ", u"السؤال الثالث", u"السؤال الرابع",
        u"السؤال الخامس", u"السؤال السادس", u"السؤال السابع", u"السؤال الثامن",
        u"السؤال التاسع", u"السؤال العاشر", u"السؤال الحادي عشر", u"السؤال الثاني عشر",
        u"السؤال الثالث عشر", u"السؤال الرابع عشر", u"السؤال الخامس عشر", u"السؤال السادس عشر",
        u"السؤال السابع عشر", u"السؤال الثامن عشر", u"السؤال التاسع عشر", u"السؤال العشـــــــرون",
        u"السؤال الحادي والعشرون", u"السؤال الثاني والعشرون", u"السؤال الثالث والعشرون", u"السؤال الرابع والعشرون",
        u"السؤال الخامس والعشرون", u"السؤال السادس والعشرون", u"السؤال السابع والعشرون ", u"السؤال الثامن والعشرون",
        u"السؤال التاسع والعشرون", u"السؤال الثلاثـــــــــــــــون", u"السؤال الواحد والثلاثون", u"السؤال الثاني والثلاثون",
        u"السؤال الثالث والثلاثون", u"السؤال الرابع والثلاثون", u"السؤال الخامس والثلاثون", u"السؤال السادس والثلاثون",
        u"السؤال السابع والثلاثون", u"السؤال الثامن والثلاثون", u"السؤال التاسع والثلاثون", u"السؤال الأربعــــــــــــون",
        u"السؤال الحادي والأربعون", u"السؤال الثاني والأربعون", u"السؤال الثالث والأربعون", u"السؤال الرابع والأربعون",
        u"السؤال الخامس والأربعون", u"السؤال السادس والأربعون", u"السؤال السابع والأربعون", u"السؤال الثامن والأربعون",
        u"السؤال التاسع والأربعون", u"السؤال الخمســـــــــــــون", u"السؤال الحادي والخمسون", u"السؤال الثاني والخمسون",
        u"السؤال الثالث والخمسون", u"السؤال الرابع والخمسون", u" السؤال الخامس والخمسون", u"السؤال السادس والخمسون",
        u"السؤال السابع والخمسون", u"السؤال الثامن والخمسون", u"السؤال التاسع والخمسون", u"السؤال الستــــــــــــــــــون",
        u"السؤال الحادي والستون", u"السؤال الثاني والستون",
    };
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("title");
    for (int i = 0; i < 62; ++i)
        QTest::addRow("slot %d", i + 1) << i + 1 << QString::fromUtf16(titles[i]);
}

void TestFirsts::titles()
{
    QFETCH(int, slot);
    QFETCH(QString, title);
    QCOMPARE(str(kFirsts[slot - 1].title), title);
}

void TestFirsts::fixedRows_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("boxTitle");
    const auto row = [](int slot, const char16_t *q, const char16_t *a, const char16_t *box) {
        QTest::addRow("slot %d", slot) << slot << QString::fromUtf16(q) << QString::fromUtf16(a)
                                       << QString::fromUtf16(box);
    };
    row(18, u"ما أول ما خلق الله من الحــــــــــــــــــــواس ؟", u"العـــــــقــــــل ", u"");
    row(19, u"ما أول شجرة استقرت في الأرض ؟", u" النخلة ", u"");
    row(23, u"   ما أول منازل الأخـــــــــــــــــــــــــرة ؟", u"القبر", u"");
    row(37, u"ما أول طعام يأكله أهل الجنة ؟", u"زيادة كبد الحوت", u"'");
    row(61, u"من خلق أولا ،الجن أم الأنس ؟", u"الجن أولاً", u"");
}

void TestFirsts::fixedRows()
{
    QFETCH(int, slot);
    QFETCH(QString, question);
    QFETCH(QString, answer);
    QFETCH(QString, boxTitle);
    const SlotText &s = kFirsts[slot - 1];
    QCOMPARE(str(s.question), question);
    QCOMPARE(str(s.answer), answer);
    QCOMPARE(str(s.boxTitle), boxTitle);
}

void TestFirsts::boxTitles()
{
    for (size_t i = 0; i < kFirsts.size(); ++i) {
        const int slot = int(i) + 1;
        const QString expected = slot == 37 || slot == 39 ? QStringLiteral("'") : QString();
        QVERIFY2(str(kFirsts[i].boxTitle) == expected, qPrintable(QString("slot %1").arg(slot)));
    }
}

void TestFirsts::repertoire_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("titles") << int(Title);
    QTest::newRow("questions") << int(Question);
    QTest::newRow("answers") << int(Answer);
    QTest::newRow("box titles") << int(BoxTitle);
}

void TestFirsts::repertoire()
{
    QFETCH(int, which);
    for (size_t i = 0; i < kFirsts.size(); ++i) {
        for (char16_t c : field(kFirsts[i], which)) {
            if (!inRepertoire(c))
                QFAIL(qPrintable(QString("slot %1 has U+%2").arg(i + 1).arg(int(c), 4, 16, QChar('0'))));
        }
    }
}

// A kashida stretches the joint between two letters: it must follow a letter
// that joins forward (or another kashida) and lead into a letter.
void TestFirsts::kashidaJoins()
{
    for (size_t i = 0; i < kFirsts.size(); ++i) {
        for (int f : {Title, Question, Answer, BoxTitle}) {
            const std::u16string_view v = field(kFirsts[i], f);
            for (size_t p = 0; p < v.size(); ++p) {
                if (v[p] != kKashida)
                    continue;
                const bool before = p > 0 && (v[p - 1] == kKashida || joinsForward(v[p - 1]));
                const bool after = p + 1 < v.size() && (v[p + 1] == kKashida || isLetter(v[p + 1]));
                QVERIFY2(before && after, qPrintable(QString("slot %1: %2").arg(i + 1).arg(str(v))));
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestFirsts)
#include "tst_firsts.moc"
