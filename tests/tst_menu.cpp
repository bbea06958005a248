// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The main menu: hover hints, the About box, focus and Space.

#include "support.h"
#include "shell/main_menu.h"
#include "shell/start.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using support::Harness;

namespace {

QLabel* hintLine(QWidget* menu)
{
    return support::control<QLabel>(menu, "Label2");
}

// A bare pointer move (no button held) to a point of the page, delivered
// through the window as the window system delivers it.
void movePointer(QWidget* page, QPoint to)
{
    QTest::mouseMove(page->windowHandle(), to);
}

QPoint centreOf(QWidget* control)
{
    return control->mapTo(control->window(), control->rect().center());
}

const QString kWindowHint = QStringLiteral("إختبر معلوماتك واستمتع مع برنامج فيلورا");

}  // namespace

class TestMenu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { shell::prepareApplication(); }

    void hintLineStartsEmpty();
    void hints_data();
    void hints();
    void windowHintOnlyWhereNoControlLies();
    void labelsLeaveTheHint();
    void hintSurvivesATripAway();
    void aboutBox();
    void theRealAboutBox();
    void focusOrderAndSpace();
};

void TestMenu::hintLineStartsEmpty()
{
    Harness h;
    pages::PageWindow* menu = h.showPage(1);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QLabel* line = hintLine(menu);
    QVERIFY(line->text().isEmpty());
    const QImage image = line->grab().toImage();
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            QCOMPARE(image.pixelColor(x, y), QColor(0, 128, 128));  // only the window's own colour
}

void TestMenu::hints_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    QTest::newRow("a") << "a" << "لا تنسى أن تدعو لنا ";
    QTest::newRow("Command1") << "Command1" << "بسم الله وعلى بركة الله ";
    QTest::newRow("Command2") << "Command2" << "الله يوفقك في الدنيا والآخرة ومع السلامة";
    QTest::newRow("Command5") << "Command5" << "اذهب الى صفحات الأسئلة واستفد من 62 معلومة وسؤال";
    QTest::newRow("Command6") << "Command6" << "اذهب الى صفحات الأوائل واستفد من 62 معلومة";
    QTest::newRow("w") << "w" << "اذهب الى صفحات الألغاز حيث يوجد 35 لغزا ";
}

void TestMenu::hints()
{
    QFETCH(QString, control);
    QFETCH(QString, hint);
    Harness h;
    pages::PageWindow* menu = h.showPage(1);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QWidget* button = support::control(menu, qPrintable(control));
    movePointer(menu, QPoint(5, 5));
    QCOMPARE(hintLine(menu)->text(), kWindowHint);
    movePointer(menu, centreOf(button));
    QCOMPARE(hintLine(menu)->text(), hint);
    // Every move replaces the whole text, also a second move over the same control.
    hintLine(menu)->setText(QStringLiteral("x"));
    movePointer(menu, centreOf(button) + QPoint(2, 1));
    QCOMPARE(hintLine(menu)->text(), hint);
}

void TestMenu::windowHintOnlyWhereNoControlLies()
{
    Harness h;
    pages::PageWindow* menu = h.showPage(1);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    movePointer(menu, centreOf(support::control(menu, "w")));
    movePointer(menu, QPoint(menu->width() - 4, menu->height() / 2));  // bare area at the right
    QCOMPARE(hintLine(menu)->text(), kWindowHint);
}

void TestMenu::labelsLeaveTheHint()
{
    Harness h;
    pages::PageWindow* menu = h.showPage(1);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    movePointer(menu, centreOf(support::control(menu, "Command6")));
    const QString hint = hintLine(menu)->text();
    movePointer(menu, centreOf(support::control<QLabel>(menu, "Label1")));
    QCOMPARE(hintLine(menu)->text(), hint);
    movePointer(menu, centreOf(hintLine(menu)));
    QCOMPARE(hintLine(menu)->text(), hint);
}

void TestMenu::hintSurvivesATripAway()
{
    Harness h;
    pages::PageWindow* menu = h.showPage(1);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QPushButton* next = support::control<QPushButton>(menu, "Command1");
    movePointer(menu, centreOf(next));
    QTest::mouseClick(next, Qt::LeftButton);
    pages::PageWindow* opening = h.app.existing(24);
    QVERIFY(opening->isVisible());
    support::click(opening, "Command2");  // "عودة "
    QCOMPARE(h.visiblePage(), menu);
    QCOMPARE(hintLine(menu)->text(), QStringLiteral("بسم الله وعلى بركة الله "));
}

void TestMenu::aboutBox()
{
    Harness h;
    pages::PageWindow* menu = h.showPage(1);
    support::click(menu, "a");
    QCOMPARE(h.box.shown.size(), 1);
    const auto& shown = h.box.shown.first();
    QCOMPARE(shown.title, QStringLiteral("أهلا ومرحبا بكم في فيلورا"));
    QVERIFY(shown.prompt.startsWith(QStringLiteral("السلام عليكم ورحمة الله وبركاته يسر أخيكم في الله برنوان أن يقدم")));
    QVERIFY(shown.prompt.endsWith(QStringLiteral(" والله ولي التوفيق")));
    const QString before = QStringLiteral("على بريدي التالي ");
    const qsizetype at = shown.prompt.indexOf(before) + before.size();
    const QString address = shown.prompt.mid(at, shown.prompt.size() - at - QStringLiteral(" والله ولي التوفيق").size());
    QVERIFY2(address.endsWith(QLatin1String("@example.com")) && !address.contains(QLatin1Char(' ')), qPrintable(address));
    QCOMPARE(h.visiblePage(), menu);
    QVERIFY(h.end.statuses.isEmpty());
}

void TestMenu::theRealAboutBox()
{
    support::RealBoxHarness h;
    pages::PageWindow* menu = h.showPage(1);
    bool inspected = false;
    support::inspectNextModalBox(this, inspected, [](QMessageBox* box) {
        QCOMPARE(box->windowTitle(), shell::aboutTitle());
        QCOMPARE(box->text(), shell::aboutText());
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignAbsolute | Qt::AlignRight);
        box->close();  // the close box, not OK
    });
    support::click(menu, "a");
    QTRY_VERIFY(inspected);
    QVERIFY(menu->isVisible());
    QVERIFY(h.end.statuses.isEmpty());
}

void TestMenu::focusOrderAndSpace()
{
    Harness h;
    pages::PageWindow* menu = h.showPage(1);
    QVERIFY(QTest::qWaitForWindowActive(menu));
    QWidget* first = support::control(menu, "Command1");
    QCOMPARE(QApplication::focusWidget(), first);
    QStringList visited;
    for (int i = 0; i < 6; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, (QStringList{"Command1", "Command2", "w", "Command5", "Command6", "a"}));
    QCOMPARE(QApplication::focusWidget(), first);  // round again

    QTest::keyClick(first, Qt::Key_Space);
    QCOMPARE(h.visiblePage(), h.app.existing(24));
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
