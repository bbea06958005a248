// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The shell: the page registry, navigate, end program, closing a page
// through the window system, and failures of the window system.

#include "support.h"
#include "shell/start.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <stdexcept>
#include <vector>

using support::Harness;

namespace {

enum class Action { Navigate, End, About };

// Records the order in which pages are shown and hidden.
class VisibilityLog : public QObject {
    Q_OBJECT
public:
    QStringList events;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            events << QStringLiteral("show ") + watched->objectName();
        else if (event->type() == QEvent::Hide)
            events << QStringLiteral("hide ") + watched->objectName();
        return false;
    }
};

// Windows that fail to show (or to hide) one page, as a broken window system
// would; `afterShow` fails once the page is shown.
class FailingWindows final : public shell::Windows {
public:
    explicit FailingWindows(QString failing, bool onHide = false, bool afterShow = false)
        : failing_(std::move(failing)), onHide_(onHide), afterShow_(afterShow)
    {
    }
    void show(QWidget* page) override
    {
        if (!onHide_ && page->objectName() == failing_) {
            if (afterShow_)
                shell::platformWindows().show(page);
            throw shell::WindowSystemError("cannot map the window");
        }
        shell::platformWindows().show(page);
    }
    void hide(QWidget* page) override
    {
        if (onHide_ && page->objectName() == failing_)
            throw shell::WindowSystemError("cannot unmap the window");
        shell::platformWindows().hide(page);
    }

private:
    QString failing_;
    bool onHide_;
    bool afterShow_;
};

}  // namespace

Q_DECLARE_METATYPE(Action)

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { shell::prepareApplication(); }

    void navigationTable_data();
    void navigationTable();
    void showsTargetBeforeHidingSource();
    void pageKeepsItsStateWhileHidden_data();
    void pageKeepsItsStateWhileHidden();
    void pageVisitedTenTimesHasOneWindow();
    void quickMovesKeepFewSurfaces();
    void enteringMidTourBuildsThePageBefore();
    void exitClosesEveryPage();
    void closingTheVisiblePageEndsTheProgram();
    void closedPageIsBuiltAfresh();
    void failedShowIsFatalAndKeepsTheCurrentPage_data();
    void failedShowIsFatalAndKeepsTheCurrentPage();
    void failedShowEndsTheProcessWithStatus1_data();
    void failedShowEndsTheProcessWithStatus1();
    void failedCreationIsFatal_data();
    void failedCreationIsFatal();
    void pageNames_data();
    void pageNames();
};

void TestShell::navigationTable_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("target");
    auto addRow = [](const char* page, const char* button, const char16_t* caption, Action action, const char* target) {
        QTest::addRow("%s %s", page, button) << QString::fromLatin1(page) << QString::fromLatin1(button)
                                             << QString::fromUtf16(caption) << action << QString::fromLatin1(target);
    };
        addRow("Form1", "Command1", u"التالي", Action::Navigate, "Form24");
        addRow("Form1", "Command2", u"خروج", Action::End, "");
        addRow("Form1", "Command5", u"صفحة الأسئلة", Action::Navigate, "Form15");
        addRow("Form1", "Command6", u"صفحة الأوائل", Action::Navigate, "Form7");
        addRow("Form1", "a", u"حول البرنامج", Action::About, "");
        addRow("Form1", "w", u"صفحة الألغاز", Action::Navigate, "Form2");
        addRow("Form24", "Command1", u"متابعة ", Action::Navigate, "Form2");
        addRow("Form24", "Command2", u"عودة ", Action::Navigate, "Form1");
        addRow("Form24", "Command3", u"خروج", Action::End, "");
        addRow("Form2", "Command1", u"السابق", Action::Navigate, "Form24");
        addRow("Form2", "Command2", u"التالي", Action::Navigate, "Form3");
        addRow("Form3", "Command1", u"السابق", Action::Navigate, "Form2");
        addRow("Form3", "Command2", u"التالي", Action::Navigate, "Form4");
        addRow("Form4", "Command1", u"السابق", Action::Navigate, "Form3");
        addRow("Form4", "Command2", u"التالي", Action::Navigate, "Form5");
        addRow("Form5", "Command1", u"السابق", Action::Navigate, "Form4");
        addRow("Form5", "Command2", u"التالي", Action::Navigate, "Form6");
        addRow("Form6", "Command1", u"السابق", Action::Navigate, "Form5");
        addRow("Form6", "Command2", u"التالي", Action::Navigate, "Form25");
        addRow("Form25", "Command1", u"عودة ", Action::Navigate, "Form6");
        addRow("Form25", "Command2", u"خروج ", Action::End, "");
        addRow("Form25", "Command3", u"متابعة ", Action::Navigate, "Form7");
        addRow("Form7", "Command1", u"السابق", Action::Navigate, "Form25");
        addRow("Form7", "Command2", u"التالي", Action::Navigate, "Form8");
        addRow("Form8", "Command1", u"السابق ", Action::Navigate, "Form7");
        addRow("Form8", "Command2", u"التالي", Action::Navigate, "Form9");
        addRow("Form9", "Command1", u"السابق", Action::Navigate, "Form8");
        addRow("Form9", "Command2", u"التالي", Action::Navigate, "Form10");
        addRow("Form10", "Command1", u"السابق", Action::Navigate, "Form9");
        addRow("Form10", "Command2", u"التالي", Action::Navigate, "Form11");
        addRow("Form11", "Command1", u"السابق", Action::Navigate, "Form10");
        addRow("Form11", "Command2", u"التالي", Action::Navigate, "Form12");
        addRow("Form12", "Command1", u"السابق", Action::Navigate, "Form11");
        addRow("Form12", "Command2", u"التالي", Action::Navigate, "Form13");
        addRow("Form13", "Command1", u"السابق", Action::Navigate, "Form12");
        addRow("Form13", "Command2", u"التالي", Action::Navigate, "Form14");
        addRow("Form14", "Command1", u"السابق", Action::Navigate, "Form13");
        addRow("Form14", "Command2", u"التالي", Action::Navigate, "Form26");
        addRow("Form26", "Command1", u"عودة ", Action::Navigate, "Form14");
        addRow("Form26", "Command2", u"متابعة", Action::Navigate, "Form15");
        addRow("Form26", "Command3", u"خروج", Action::End, "");
        addRow("Form15", "Command1", u"السابق", Action::Navigate, "Form26");
        addRow("Form15", "Command2", u"التالي", Action::Navigate, "Form16");
        addRow("Form16", "Command1", u"السابق", Action::Navigate, "Form15");
        addRow("Form16", "Command2", u"التالي", Action::Navigate, "Form17");
        addRow("Form17", "Command1", u"السابق", Action::Navigate, "Form16");
        addRow("Form17", "Command2", u"التالي", Action::Navigate, "Form18");
        addRow("Form18", "Command1", u"السابق", Action::Navigate, "Form17");
        addRow("Form18", "Command2", u"التالي", Action::Navigate, "Form19");
        addRow("Form19", "Command1", u"السابق", Action::Navigate, "Form18");
        addRow("Form19", "Command2", u"التالي", Action::Navigate, "Form20");
        addRow("Form20", "Command1", u"السابق", Action::Navigate, "Form19");
        addRow("Form20", "Command2", u"التالي", Action::Navigate, "Form21");
        addRow("Form21", "Command1", u"السابق", Action::Navigate, "Form20");
        addRow("Form21", "Command2", u"التالي", Action::Navigate, "Form22");
        addRow("Form22", "Command1", u"السابق", Action::Navigate, "Form21");
        addRow("Form22", "Command2", u"التالي", Action::Navigate, "Form23");
        addRow("Form23", "Command1", u"خروج", Action::End, "");
        addRow("Form23", "Command2", u"عودة", Action::Navigate, "Form1");
}

void TestShell::navigationTable()
{
    QFETCH(QString, page);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(Action, action);
    QFETCH(QString, target);

    Harness h;
    pages::PageWindow* source = h.showPage(support::pageNumber(page));
    QVERIFY(QTest::qWaitForWindowExposed(source));
    auto* pushButton = support::control<QPushButton>(source, qPrintable(button));
    QCOMPARE(pushButton->text(), caption);
    QTest::mouseClick(pushButton, Qt::LeftButton);

    switch (action) {
    case Action::Navigate: {
        const int number = support::pageNumber(target);
        pages::PageWindow* shown = h.app.existing(number);
        QVERIFY(shown);
        QVERIFY(shown->isVisible());
        QVERIFY(!source->isVisible());
        QCOMPARE(h.visiblePage(), shown);
        QCOMPARE(h.app.lookUp(number), shown);  // one instance
        QVERIFY(h.end.statuses.isEmpty());
        break;
    }
    case Action::End:
        QCOMPARE(h.end.statuses, QList<int>{0});
        QVERIFY(!source->isVisible());
        break;
    case Action::About:
        QCOMPARE(h.box.shown.size(), 1);
        QVERIFY(source->isVisible());
        QVERIFY(h.end.statuses.isEmpty());
        break;
    }
}

void TestShell::showsTargetBeforeHidingSource()
{
    Harness h;
    pages::PageWindow* menu = h.showPage(1);
    pages::PageWindow* riddles = h.page(2);
    VisibilityLog log;
    menu->installEventFilter(&log);
    riddles->installEventFilter(&log);
    support::click(menu, "w");
    QCOMPARE(log.events, (QStringList{QStringLiteral("show Form2"), QStringLiteral("hide Form1")}));
}

// A page comes back with its ticks, position and focus, whether it kept its
// window while hidden or gave it back and is shown in a new one.
void TestShell::pageKeepsItsStateWhileHidden_data()
{
    QTest::addColumn<QList<int>>("awayTo");  // the pages visited before coming back
    QTest::addColumn<bool>("released");     // whether Form3 gave its window back meanwhile
    QTest::newRow("back from the next page") << QList<int>{4} << false;
    QTest::newRow("back from further on") << QList<int>{4, 5, 6} << true;
}

void TestShell::pageKeepsItsStateWhileHidden()
{
    QFETCH(QList<int>, awayTo);
    QFETCH(bool, released);
    Harness h;
    pages::PageWindow* page3 = h.showPage(3);
    QVERIFY(QTest::qWaitForWindowExposed(page3));
    page3->move(page3->pos() + QPoint(37, 21));
    const QPoint moved = page3->pos();
    support::click(page3, "Check2");
    support::click(page3, "Check5");
    support::click(page3, "Command2");  // on to Form4, "التالي" taking the focus
    for (int number : awayTo.mid(1)) {
        support::click(h.visiblePage(), "Command2");
        QCOMPARE(h.visiblePage(), h.app.existing(number));
    }
    // Windows are given back soon after the shown page is drawn.
    QTest::qWait(100);
    QCOMPARE(shell::PageCache::holdsSurface(page3), !released);
    h.app.navigate(h.visiblePage(), "Form3");

    QVERIFY(page3->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(page3));
    QTRY_VERIFY(shell::PageCache::holdsSurface(page3));
    QCOMPARE(h.app.existing(3), page3);
    QCOMPARE(page3->pos(), moved);
    for (int k = 1; k <= 7; ++k) {
        const QByteArray name = k == 1 ? QByteArray("CHECK1") : "Check" + QByteArray::number(k);
        QCOMPARE(support::control(page3, name.constData())->isChecked(), k == 2 || k == 5);
    }
    QCOMPARE(page3->focusWidget(), support::control(page3, "Command2"));
    // Form4, where the forward button leads, had given its window back and
    // gets one ready again.
    QTRY_VERIFY(shell::PageCache::holdsSurface(h.app.existing(4)));
    // What the window shows (its surface) is the whole page, at its size,
    // drawn anew: not blank, not what it showed before the ticks.
    QCOMPARE(page3->windowHandle()->size(), page3->size());
    const auto shown = [page3] {
        return page3->screen()->grabWindow(page3->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    };
    QTRY_COMPARE(shown(), page3->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

// Moves quicker than the pages left behind give their windows back: only
// the shown page, the page one came from and the page the last move left
// behind hold one.
void TestShell::quickMovesKeepFewSurfaces()
{
    Harness h;
    QVERIFY(QTest::qWaitForWindowExposed(h.showPage(3)));
    for (int number = 4; number <= 12; ++number) {
        h.app.navigate(h.visiblePage(), "Form" + std::to_string(number));
        QCoreApplication::processEvents();  // drawn, before any timer is due
        QVERIFY(shell::PageCache::holdsSurface(h.visiblePage()));
        int holding = 0;
        for (int n = 1; n <= shell::kPageCount; ++n) {
            QWidget* page = h.app.existing(n);
            if (!page)
                continue;
            holding += shell::PageCache::holdsSurface(page) ? 1 : 0;
        }
        QVERIFY2(holding <= 3, qPrintable(QStringLiteral("%1 surfaces at Form%2").arg(holding).arg(number)));
    }
}

void TestShell::pageVisitedTenTimesHasOneWindow()
{
    Harness h;
    pages::PageWindow* first = h.showPage(16);
    pages::PageWindow* second = nullptr;
    for (int visit = 0; visit < 10; ++visit) {
        support::click(first, "Command2");
        second = h.app.existing(17);
        support::click(second, "Command1");
    }
    int windows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        windows += widget->objectName() == QLatin1String("Form17") ? 1 : 0;
    QCOMPARE(windows, 1);
    QVERIFY(first->isVisible());
}

void TestShell::enteringMidTourBuildsThePageBefore()
{
    Harness h;
    pages::PageWindow* menu = h.showPage(1);
    support::click(menu, "Command6");
    pages::PageWindow* firsts = h.app.existing(7);
    QVERIFY(firsts && firsts->isVisible());
    QVERIFY(!h.app.existing(25));
    support::click(firsts, "Command1");
    QVERIFY(h.app.existing(25));
    QCOMPARE(h.visiblePage(), h.app.existing(25));
}

void TestShell::exitClosesEveryPage()
{
    Harness h;
    pages::PageWindow* page = h.showPage(1);
    for (const char* button : {"Command6", "Command2", "Command2", "Command2"})
        support::click(page, button), page = h.visiblePage();
    for (int number : {2, 15, 24, 26})
        h.page(number);
    QCOMPARE(page->objectName(), QStringLiteral("Form10"));
    h.showPage(26);
    support::click(h.app.existing(26), "Command3");  // "خروج"
    QCOMPARE(h.end.statuses, QList<int>{0});
    for (int number = 1; number <= shell::kPageCount; ++number)
        QVERIFY(!h.app.existing(number) || !h.app.existing(number)->isVisible());
}

void TestShell::closingTheVisiblePageEndsTheProgram()
{
    Harness h;
    pages::PageWindow* menu = h.showPage(1);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QVERIFY(menu->close());
    QCOMPARE(h.end.statuses, QList<int>{0});
    QVERIFY(!h.app.existing(1));
}

void TestShell::closedPageIsBuiltAfresh()
{
    Harness h;
    pages::PageWindow* page5 = h.showPage(5);
    support::click(page5, "Check4");
    QVERIFY(support::control(page5, "Check4")->isChecked());
    h.showPage(1);  // another page stays visible
    QPointer<pages::PageWindow> closed = page5;
    QVERIFY(page5->close());
    QTRY_VERIFY(closed.isNull());  // the window and its state are gone
    QVERIFY(h.end.statuses.isEmpty());

    pages::PageWindow* rebuilt = h.page(5);
    QVERIFY(rebuilt);
    QVERIFY(!support::control(rebuilt, "Check4")->isChecked());
}

void TestShell::failedShowIsFatalAndKeepsTheCurrentPage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("targetBuilt");  // the target page exists already
    QTest::addColumn<bool>("onHide");       // the hide fails, not the show
    QTest::newRow("main menu") << 1 << "Command1" << 24 << false << false;
    QTest::newRow("quiz page") << 3 << "Command2" << 4 << false << false;
    QTest::newRow("interlude") << 25 << "Command3" << 7 << false << false;
    QTest::newRow("back to a built page") << 23 << "Command2" << 1 << true << false;
    QTest::newRow("failed hide") << 9 << "Command1" << 8 << false << true;
}

void TestShell::failedShowIsFatalAndKeepsTheCurrentPage()
{
    QFETCH(int, page);
    QFETCH(QString, button);
    QFETCH(int, target);
    QFETCH(bool, targetBuilt);
    QFETCH(bool, onHide);
    support::RecordingBox box;
    support::RecordingEnd end;
    FailingWindows windows(QStringLiteral("Form%1").arg(onHide ? page : target), onHide);
    shell::App app(box, end, windows);
    if (targetBuilt)
        app.lookUp(target);
    pages::PageWindow* current = app.lookUp(page);
    shell::platformWindows().show(current);
    support::click(current, qPrintable(button));
    QCOMPARE(box.fatal.size(), 1);
    QCOMPARE(end.statuses, QList<int>{1});
    QVERIFY(current->isVisible());  // after a failed show the hide is not done
    QCOMPARE(app.existing(target) && app.existing(target)->isVisible(), onHide);
}

// The real fatal box and the real end: the box names the failure while the
// page stays visible beneath it, and the program ends with status 1, also
// when start-up fails after the main menu is shown (before the event loop).
void TestShell::failedShowEndsTheProcessWithStatus1_data()
{
    QTest::addColumn<bool>("atStart");
    QTest::newRow("navigating") << false;
    QTest::newRow("starting, after the main menu is shown") << true;
}

void TestShell::failedShowEndsTheProcessWithStatus1()
{
    QFETCH(bool, atStart);
    FailingWindows windows(QStringLiteral("Form%1").arg(atStart ? 1 : 2), false, atStart);
    shell::App app(shell::platformMessageBox(), shell::platformProcessEnd(), windows);

    bool inspected = false;
    bool menuVisibleBeneath = false;
    QString told;
    auto inspect = [&] {
        support::inspectNextModalBox(this, inspected, [&](QMessageBox* box) {
            told = box->text();
            menuVisibleBeneath = app.existing(1) && app.existing(1)->isVisible();
            box->accept();
        });
    };
    int status = 0;
    if (atStart) {
        QObject watchdog;  // an event loop that never ends fails, not hangs
        QTimer::singleShot(20000, &watchdog, [] { QCoreApplication::exit(99); });
        inspect();
        status = shell::startAndRun(app);
    } else {
        pages::PageWindow* menu = app.lookUp(1);
        shell::platformWindows().show(menu);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTimer::singleShot(0, menu, [&] {
            inspect();
            support::click(menu, "w");
        });
        status = QApplication::exec();
    }
    QCOMPARE(status, 1);
    QVERIFY(inspected);
    QCOMPARE(told, QStringLiteral("cannot map the window"));
    QVERIFY(menuVisibleBeneath);
    QVERIFY(app.existing(1)->isVisible());
    QVERIFY(app.fatalReported());
}

void TestShell::failedCreationIsFatal_data()
{
    QTest::addColumn<bool>("standard");  // the failure is a std::exception
    QTest::newRow("window-system error") << true;
    QTest::newRow("failure of another type") << false;
}

void TestShell::failedCreationIsFatal()
{
    QFETCH(bool, standard);
    support::RecordingBox box;
    support::RecordingEnd end;
    shell::App app(box, end, shell::platformWindows(), [standard](shell::App& owner, int number) -> pages::PageWindow* {
        if (number == 2 && standard)
            throw shell::WindowSystemError("cannot create the window");
        if (number == 2)
            throw 2;
        return shell::buildAndBind(owner, number);
    });
    pages::PageWindow* menu = app.lookUp(1);
    shell::platformWindows().show(menu);
    support::click(menu, "w");
    QCOMPARE(box.fatal.size(), 1);
    QCOMPARE(end.statuses, QList<int>{1});
    QVERIFY(menu->isVisible());
    QVERIFY(!app.existing(2));
}

void TestShell::pageNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::newRow("first") << "Form1" << 1;
    QTest::newRow("last") << "Form26" << 26;
    QTest::newRow("past the last") << "Form27" << 0;
    QTest::newRow("zero") << "Form0" << 0;
    QTest::newRow("no number") << "Form" << 0;
    QTest::newRow("other word") << "Page3" << 0;
    QTest::newRow("sign") << "Form-1" << 0;
}

void TestShell::pageNames()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    const QByteArray bytes = name.toLatin1();
    QCOMPARE(shell::App::pageNumber(std::string_view(bytes.constData(), std::size_t(bytes.size()))), number);
}

// The font configuration is read on another core at once unless a display
// server is expected to want the only other one.
QTEST_MAIN(TestShell)
#include "tst_shell.moc"
