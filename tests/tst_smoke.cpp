// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's library starts, builds the main menu and shows it.

#include "pages/widgets.h"
#include "shell/app.h"
#include "shell/start.h"

#include <QtTest>

class TestSmoke : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { shell::prepareApplication(); }

    void startShowsTheMainMenu()
    {
        shell::App app;
        app.start();
        pages::PageWindow* menu = app.existing(1);
        QVERIFY(menu);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QCOMPARE(menu->objectName(), QStringLiteral("Form1"));
        QCOMPARE(menu->windowTitle(), QStringLiteral("فيلورا "));
        for (int number = 2; number <= shell::kPageCount; ++number)
            QVERIFY2(!app.existing(number), "nothing but the main menu is built at start-up");
    }
};

QTEST_MAIN(TestSmoke)
#include "tst_smoke.moc"
