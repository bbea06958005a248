// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole tour, from the main menu through the three sections to the
// closing page and back, ticking a box on every quiz page and finding every
// tick again on the way back.

#include "support.h"
#include "shell/start.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using support::Harness;

class TestTour : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { shell::prepareApplication(); }
    void wholeTour();
};

void TestTour::wholeTour()
{
    Harness h;
    pages::PageWindow* menu = h.showPage(1);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::mouseMove(menu->windowHandle(), QPoint(4, 4));
    const QString hint = support::control<QLabel>(menu, "Label2")->text();
    QVERIFY(!hint.isEmpty());

    // Forward: the "next" button of each page, in tour order.
    const QList<std::pair<int, const char*>> forward = {
        {1, "Command1"}, {24, "Command1"}, {2, "Command2"}, {3, "Command2"}, {4, "Command2"},
        {5, "Command2"}, {6, "Command2"}, {25, "Command3"}, {7, "Command2"}, {8, "Command2"},
        {9, "Command2"}, {10, "Command2"}, {11, "Command2"}, {12, "Command2"}, {13, "Command2"},
        {14, "Command2"}, {26, "Command2"}, {15, "Command2"}, {16, "Command2"}, {17, "Command2"},
        {18, "Command2"}, {19, "Command2"}, {20, "Command2"}, {21, "Command2"},
    };
    QList<int> visited{1};
    for (const auto& [number, button] : forward) {
        pages::PageWindow* page = h.visiblePage();
        QVERIFY(page);
        QCOMPARE(page->objectName(), QStringLiteral("Form%1").arg(number));
        if (number >= 2 && number <= 22)
            support::click(page, number % 2 ? "Check2" : "CHECK1");
        support::click(page, button);
        visited << support::pageNumber(h.visiblePage()->objectName());
    }
    QCOMPARE(h.visiblePage()->objectName(), QStringLiteral("Form22"));
    support::click(h.visiblePage(), "CHECK1");
    QCOMPARE(h.box.shown.size(), 21);

    // Back through every "previous" button to the opening page.
    const QList<std::pair<int, const char*>> backward = {
        {22, "Command1"}, {21, "Command1"}, {20, "Command1"}, {19, "Command1"}, {18, "Command1"},
        {17, "Command1"}, {16, "Command1"}, {15, "Command1"}, {26, "Command1"}, {14, "Command1"},
        {13, "Command1"}, {12, "Command1"}, {11, "Command1"}, {10, "Command1"}, {9, "Command1"},
        {8, "Command1"}, {7, "Command1"}, {25, "Command1"}, {6, "Command1"}, {5, "Command1"},
        {4, "Command1"}, {3, "Command1"}, {2, "Command1"},
    };
    for (const auto& [number, button] : backward) {
        pages::PageWindow* page = h.visiblePage();
        QCOMPARE(page->objectName(), QStringLiteral("Form%1").arg(number));
        if (number >= 2 && number <= 22) {
            const char* ticked = number % 2 ? "Check2" : "CHECK1";
            for (QCheckBox* box : page->findChildren<QCheckBox*>())
                QCOMPARE(box->isChecked(), box->objectName().compare(QLatin1String(ticked), Qt::CaseInsensitive) == 0);
        }
        support::click(page, button);
    }
    QCOMPARE(h.visiblePage()->objectName(), QStringLiteral("Form24"));

    // Forward again to the closing page, and from there to the same main menu,
    // which gave back its window long ago and keeps its hint.
    QTRY_VERIFY(!shell::PageCache::holdsSurface(menu));
    support::click(h.visiblePage(), "Command2");  // "عودة " to the main menu
    QCOMPARE(h.visiblePage(), menu);
    support::click(menu, "Command5");  // into the general questions
    for (int number = 15; number <= 22; ++number)
        support::click(h.visiblePage(), "Command2");
    QCOMPARE(h.visiblePage()->objectName(), QStringLiteral("Form23"));
    support::click(h.visiblePage(), "Command2");  // "عودة"
    QCOMPARE(h.visiblePage(), menu);
    QCOMPARE(support::control<QLabel>(menu, "Label2")->text(), hint);

    // Once more round by the forward buttons, at a reader's pace: when a
    // forward button is pressed, the page it leads to holds its window,
    // ready; besides it only the shown page and the page one came from do.
    auto onward = forward;
    onward << std::pair{22, "Command2"} << std::pair{23, "Command2"};
    for (qsizetype k = 0; k < onward.size(); ++k) {
        const auto& [number, button] = onward[k];
        pages::PageWindow* page = h.visiblePage();
        QCOMPARE(page, h.app.existing(number));
        pages::PageWindow* target = h.app.existing(k + 1 < onward.size() ? onward[k + 1].first : 1);
        const auto holding = [&h] {
            int count = 0;
            for (int n = 1; n <= shell::kPageCount; ++n)  // every page is built by now
                count += shell::PageCache::holdsSurface(h.app.existing(n)) ? 1 : 0;
            return count;
        };
        QTRY_VERIFY2(shell::PageCache::holdsSurface(target), qPrintable(target->objectName()));
        QTRY_VERIFY(holding() <= 3);
        support::click(page, button);
        QCOMPARE(h.visiblePage(), target);
    }

    int windows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        windows += qobject_cast<pages::PageWindow*>(widget) ? 1 : 0;
    QCOMPARE(windows, shell::kPageCount);
    QVERIFY(h.end.statuses.isEmpty());
}

QTEST_MAIN(TestTour)
#include "tst_tour.moc"
