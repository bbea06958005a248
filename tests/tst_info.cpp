// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The opening, interlude and closing pages: the button that has the focus
// when a page first appears, and what Space does there.

#include "support.h"
#include "shell/start.h"

#include <QPushButton>

using support::Harness;

class TestInfo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { shell::prepareApplication(); }

    void spaceOnArrival_data();
    void spaceOnArrival();
};

void TestInfo::spaceOnArrival_data()
{
    QTest::addColumn<int>("from");  // the page whose button leads here
    QTest::addColumn<QString>("via");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("spaceLeadsTo");  // 0: the program ends
    QTest::newRow("opening") << 1 << "Command1" << 24 << "متابعة " << 2;
    QTest::newRow("first interlude") << 6 << "Command2" << 25 << "عودة " << 6;
    QTest::newRow("second interlude") << 14 << "Command2" << 26 << "عودة " << 14;
    QTest::newRow("closing") << 22 << "Command2" << 23 << "خروج" << 0;
}

void TestInfo::spaceOnArrival()
{
    QFETCH(int, from);
    QFETCH(QString, via);
    QFETCH(int, page);
    QFETCH(QString, focused);
    QFETCH(int, spaceLeadsTo);

    Harness h;
    pages::PageWindow* start = h.showPage(from);
    QVERIFY(QTest::qWaitForWindowActive(start));
    support::click(start, qPrintable(via));
    pages::PageWindow* arrived = h.app.existing(page);
    QVERIFY(arrived && arrived->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(arrived));
    auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
    QVERIFY(button);
    QCOMPARE(button->window(), arrived);
    QCOMPARE(button->text(), focused);

    QTest::keyClick(button, Qt::Key_Space);
    if (spaceLeadsTo == 0) {
        QCOMPARE(h.end.statuses, QList<int>{0});
        QVERIFY(!arrived->isVisible());
    } else {
        QCOMPARE(h.visiblePage(), h.app.existing(spaceLeadsTo));
    }
}

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
