// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Shape checks for the texts of the opening, interlude and closing pages.

#include <QtTest>

#include "info/texts.h"

namespace {

QString str(std::u16string_view v) { return QStringView(v.data(), qsizetype(v.size())).toString(); }

int count(const QString &t, const char *pattern) { return int(t.count(QRegularExpression(QString::fromUtf8(pattern)))); }

int edgeBlanks(const QString &t, const char *pattern) {
    const auto m = QRegularExpression(QString::fromUtf8(pattern)).match(t);
    return m.hasMatch() ? int(m.capturedLength()) : 0;
}

// Lengths of the runs of two or more blanks between the first and the last word.
QList<int> innerRuns(const QString &t) {
    QList<int> runs;
    for (auto it = QRegularExpression(" {2,}").globalMatch(t.trimmed()); it.hasNext();)
        runs << int(it.next().capturedLength());
    return runs;
}

// What is left once blanks, letters, kashida and harakat are taken out, in order.
QString marks(const QString &t) {
    return QString(t).remove(QRegularExpression(QString::fromUtf8("[ \\x{0621}-\\x{063A}\\x{0640}-\\x{0652}]")));
}

}  // namespace

class TestInfoTexts : public QObject {
    Q_OBJECT

private slots:
    void shape_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("chars");
        QTest::addColumn<int>("kashida");
        QTest::addColumn<int>("leading");
        QTest::addColumn<int>("trailing");
        QTest::addColumn<QList<int>>("runs");
        QTest::addColumn<QString>("punctuation");  // every mark, in order of appearance
        QTest::addColumn<int>("harakat");
        const QList<int> none;
        QTest::newRow("opening saying") << str(info::kOpeningSaying) << 522 << 6 << 3 << 1
            << QList<int>{2, 2} << QStringLiteral(":،،،،،،،،،.") << 0;
        QTest::newRow("interlude saying") << str(info::kInterludeSaying) << 492 << 369 << 0 << 1
            << QList<int>{3, 3, 3, 3} << QString() << 0;
        QTest::newRow("proverb") << str(info::kProverb) << 53 << 0 << 0 << 1 << none << QString() << 0;
        QTest::newRow("anecdote 1") << str(info::kAnecdote1) << 155 << 14 << 0 << 1 << none
            << QStringLiteral("::") << 0;
        QTest::newRow("anecdote 2") << str(info::kAnecdote2) << 125 << 26 << 0 << 1 << none
            << QStringLiteral(":؟،") << 0;
        QTest::newRow("anecdote 3") << str(info::kAnecdote3) << 81 << 11 << 0 << 1 << none
            << QStringLiteral(":؟!!") << 0;
        QTest::newRow("closing 1") << str(info::kClosing1) << 150 << 17 << 0 << 21 << none << QString() << 0;
        QTest::newRow("closing 2") << str(info::kClosing2) << 130 << 12 << 1 << 18 << QList<int>{2}
            << QString() << 1;
    }

    void shape() {
        QFETCH(QString, text);
        QFETCH(int, chars);
        QFETCH(int, kashida);
        QFETCH(int, leading);
        QFETCH(int, trailing);
        QFETCH(QList<int>, runs);
        QFETCH(QString, punctuation);
        QFETCH(int, harakat);
        QCOMPARE(text.size(), chars);
        QCOMPARE(count(text, "\u0640"), kashida);
        QCOMPARE(edgeBlanks(text, "^ +"), leading);
        QCOMPARE(edgeBlanks(text, " +$"), trailing);
        QCOMPARE(innerRuns(text), runs);
        QCOMPARE(marks(text), punctuation);
        QCOMPARE(count(text, "[\\x{064B}-\\x{0652}]"), harakat);
        // A kashida stretches the join between two letters: it follows a letter
        // that joins forward and comes before a letter, never a blank or a mark.
        const auto loose = QRegularExpression(QString::fromUtf8(
            "(^|[^بتثجحخسشصضطظعغفقكلمنهيئـ])ـ|ـ($|[^\\x{0621}-\\x{064A}ـ])")).match(text);
        QVERIFY2(!loose.hasMatch(), qPrintable(text.mid(loose.capturedStart() - 3, 8)));
    }

    void quotedTextsExact_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("proverb") << str(info::kProverb)
            << QStringLiteral("الأيام صحائف الأعمار والسعيد من يخلدها بأحسن الأعمال ");
        QTest::newRow("closing 1") << str(info::kClosing1)
            << QStringLiteral("نرجو الله أن ينفع بهذه المعلومات الجميع وأن يوفقنا لما فيه الخير "
                              "والســـــــداد إنه على ذلك قــــــــــدير والله على ما نقول شهيد"
                              "                     ");
        QTest::newRow("closing 2") << str(info::kClosing2)
            << QStringLiteral(" وختاماً نشكركم على إقتنائكم برنامج فيلـــورا ونقول لكم ترقبوا "
                              "المزيـــــــــد  والسلام عليكم ورحمة الله وبركاته"
                              "                  ");
    }

    void quotedTextsExact() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }
};

QTEST_APPLESS_MAIN(TestInfoTexts)
#include "tst_infotexts.moc"
