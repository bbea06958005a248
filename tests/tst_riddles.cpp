// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Shape checks of the riddles table: slot titles, the fixed riddles, text
// lengths, the counted rules and the code page 1256 repertoire.

#include <QtTest>

#include "quiz/section.h"

using quiz::kRiddles;

namespace {

QString str(std::u16string_view v)
{
    return QString::fromUtf16(v.data(), qsizetype(v.size()));
}

// Plain Arabic letters, Arabic comma, semicolon and question mark, kashida and
// printable ASCII: all of it maps to code page 1256.
bool inRepertoire(char16_t c)
{
    return (c >= 0x20 && c < 0x7F) || c == 0x060C || c == 0x061B || c == 0x061F
        || (c >= 0x0621 && c <= 0x063A) || (c >= 0x0640 && c <= 0x064A);
}

// Slot titles as the frames show them, seven a page (Form2 to Form6);
// 16, 20 and 24 end in a blank.
const char16_t *const kTitles[35] = {
    u"اللغز الأول", u"اللغز الثاني", u"اللغز الثالث", u"اللغز الرابع",
    u"اللغز الخامس", u"اللغز السادس", u"اللغز السابع",
    u"اللغز الثامن", u"اللغز التاسع", u"اللغز العاشر", u"اللغز الحادي عشر",
    u"اللغز الثاني عشر", u"اللغز الثالث عشر", u"اللغز الرابع عشر",
    u"اللغز الخامس عشر", u"اللغز السادس عشر ", u"اللغز السابع عشر", u"اللغز الثامن عشر",
    u"اللغز التاسع عشر", u"اللغز العشرون ", u"اللغز الحادي والعشرون",
    u"اللغز الثاني والعشرون", u"اللغز الثالث والعشرون", u"اللغز الرابع والعشرون ", u"اللغز الخامس والعشرون",
    u"اللغز السادس والعشرون", u"اللغز السابع والعشرون", u"اللغز الثامن والعشرون",
    u"اللغز التاسع والعشرون", u"اللغز الثلاثون", u"اللغز الحادي والثلاثون", u"اللغز الثاني والثلاثون",
    u"اللغز الثالث والثلاثون", u"اللغز الرابع والثلاثون", u"اللغز الخامس والثلاثون",
};

void riddleRows()
{
    QTest::addColumn<int>("riddle");
    for (int n = 1; n <= 35; ++n)
        QTest::addRow("riddle %d", n) << n;
}

}  // namespace

class TestRiddles : public QObject
{
    Q_OBJECT

private slots:
    void titles_data() { riddleRows(); }
    void titles()
    {
        QFETCH(int, riddle);
        QCOMPARE(str(kRiddles[riddle - 1].title), QString::fromUtf16(kTitles[riddle - 1]));
    }

    void fixedRiddles_data()
    {
        QTest::addColumn<int>("riddle");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("boxTitle");
    QTest::addRow("riddle 1") << 1
        << QStringLiteral("ماهو الشيء الموجود في كل شيء؟")
        << QStringLiteral(" الإسم ") << QStringLiteral("");
    QTest::addRow("riddle 12") << 12
        << QStringLiteral("عندك 5 برتقالت تريد أن تقسمها على  3 أشخاص ، بشرط أن لا يزيد أحدهم عن الثاني فكيف يمكنك ذلك ؟؟")
        << QStringLiteral(" تعطي الأول والثالث برتقالة أما الثاني فتعطيه ثلاث برتقالات بحيث لا يزيد أحدهما عليه ") << QStringLiteral("");
    QTest::addRow("riddle 19") << 19
        << QStringLiteral(" عمتك أخت أبوك ماهي صلة القرابة بينك وبين خال ولدها ؟")
        << QStringLiteral(" أبوك") << QStringLiteral("");
    QTest::addRow("riddle 27") << 27
        << QStringLiteral("ومسرعة في سيرها طول دهرها تراها مدى الأيام تمشي ولا تتعب و تقطع الأكل كل ساعة وتمشي على طول الدهر ولا تشرب ، فما هي ؟")
        << QStringLiteral(" الطاحونة الضخمة ") << QStringLiteral("");
    QTest::addRow("riddle 34") << 34
        << QStringLiteral("ما هو الشيء الذي يكتب ولا يقـــــــــــرأ  ؟؟")
        << QStringLiteral("القلم ") << QStringLiteral("'");
    }
    void fixedRiddles()
    {
        QFETCH(int, riddle);
        QFETCH(QString, question);
        QFETCH(QString, answer);
        QFETCH(QString, boxTitle);
        const auto &r = kRiddles[riddle - 1];
        QCOMPARE(str(r.question), question);
        QCOMPARE(str(r.answer), answer);
        QCOMPARE(str(r.boxTitle), boxTitle);
    }

    // Riddle 1 alone has the shortest question (29) and riddle 27 alone the
    // longest (117); answers run from 5 to 85 characters.
    void lengths_data() { riddleRows(); }
    void lengths()
    {
        QFETCH(int, riddle);
        const auto q = kRiddles[riddle - 1].question.size();
        const auto a = kRiddles[riddle - 1].answer.size();
        QCOMPARE_GE(q, riddle == 1 ? 29u : 30u);
        QCOMPARE_LE(q, riddle == 27 ? 117u : 116u);
        QCOMPARE_GE(a, 5u);
        QCOMPARE_LE(a, 85u);
    }

    void repertoire_data() { riddleRows(); }
    void repertoire()
    {
        QFETCH(int, riddle);
        const auto &r = kRiddles[riddle - 1];
        for (std::u16string_view text : {r.title, r.question, r.answer, r.boxTitle})
            for (char16_t c : text)
                QVERIFY2(inRepertoire(c), qPrintable(QStringLiteral("U+%1 in \"%2\"")
                    .arg(uint(c), 4, 16, QLatin1Char('0')).arg(str(text))));
    }

    void counts_data()
    {
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("counted");
        int single = 0, doubled = 0, blankBefore = 0, bareAnswers = 0, boxTitles = 0;
        QSet<QString> titles, questions, answers;
        for (const auto &r : kRiddles) {
            const QString q = str(r.question), a = str(r.answer);
            single += q.endsWith(u'؟');
            doubled += q.endsWith(u"؟؟");
            blankBefore += q.chopped(q.endsWith(u"؟؟") ? 2 : 1).endsWith(u' ');
            bareAnswers += !a.startsWith(u' ') && !a.endsWith(u' ');
            boxTitles += !r.boxTitle.empty();
            titles << str(r.title);
            questions << q;
            answers << a;
        }
        QTest::newRow("questions ending in a question mark") << 35 << single;
        QTest::newRow("questions ending in two (12 and 34)") << 2 << doubled;
        QTest::newRow("most questions: blank before the mark") << 1 << int(2 * blankBefore > 35);
        QTest::newRow("answers without a blank at either end") << 1 << bareAnswers;
        QTest::newRow("non-empty box titles (34)") << 1 << boxTitles;
        QTest::newRow("distinct titles") << 35 << int(titles.size());
        QTest::newRow("distinct questions") << 35 << int(questions.size());
        QTest::newRow("distinct answers") << 35 << int(answers.size());
    }
    void counts()
    {
        QFETCH(int, expected);
        QFETCH(int, counted);
        QCOMPARE(counted, expected);
    }
};

QTEST_APPLESS_MAIN(TestRiddles)

#include "tst_riddles.moc"
