// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader reads: window titles, every caption, every answer box
// with its slot, check states, and the message boxes as alerts.

#include "support.h"
#include "shell/main_menu.h"
#include "shell/start.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QScopeGuard>
#include <QSet>

using support::Harness;

namespace {

QAccessibleInterface* face(QObject* object)
{
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
    if (!found)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return found;
}

QString name(QObject* object)
{
    return face(object)->text(QAccessible::Name);
}

// The OK button's word in Qt's Arabic catalogue, drawn and read.
const QString kOk = QStringLiteral("حسنًا");

}  // namespace

class TestAccess : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { shell::prepareApplication(); }
    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void pagesAreToldApart();
    void checkStateIsReported();
    void messageBoxesAreAlerts_data();
    void messageBoxesAreAlerts();
    void toolkitWordsAreArabic();
};

void TestAccess::everyControlIsNamed_data()
{
    support::addPageRows("page");
}

void TestAccess::everyControlIsNamed()
{
    QFETCH(int, page);
    Harness h;
    // Shown, as a screen reader meets it: from Qt 6.11 on, a window is named
    // by its native window's title, which a hidden page need not have.
    pages::PageWindow* window = h.showPage(page);
    // A page is a window to assistive technology, named by its title.
    QCOMPARE(face(window)->role(), QAccessible::Window);
    QCOMPARE(name(window), window->windowTitle());
    for (QLabel* label : window->findChildren<QLabel*>()) {
        QCOMPARE(face(label)->role(), QAccessible::StaticText);
        if (!label->text().isEmpty())  // the main menu's hint line starts empty
            QCOMPARE(name(label), label->text());
    }
    for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        QCOMPARE(face(frame)->role(), QAccessible::Grouping);
        QCOMPARE(name(frame), frame->title());
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const bool isBox = qobject_cast<QCheckBox*>(button);
        QCOMPARE(face(button)->role(), isBox ? QAccessible::CheckBox : QAccessible::Button);
        QCOMPARE(name(button), button->text());
        QVERIFY(face(button)->state().focusable);
    }
    // Every box is called "الجواب": its description names its slot.
    for (QCheckBox* box : window->findChildren<QCheckBox*>()) {
        auto* frame = qobject_cast<QGroupBox*>(box->parentWidget());
        QVERIFY(frame);
        const QLabel* question = frame->findChild<QLabel*>();
        QCOMPARE(face(box)->text(QAccessible::Description), frame->title() + QStringLiteral(": ") + question->text());
    }
}

// Many pages share one title, which stays their name; a screen reader tells
// them apart by the description it reads on arrival: the section and the
// page's number within it.
void TestAccess::pagesAreToldApart()
{
    Harness h;
    QSet<QString> places;
    for (int number = 1; number <= shell::kPageCount; ++number) {
        pages::PageWindow* window = h.showPage(number);  // shown, as above
        auto hide = qScopeGuard([window] { window->hide(); });
        QCOMPARE(name(window), window->windowTitle());
        const QString place = face(window)->text(QAccessible::Description);
        QVERIFY2(!place.isEmpty() && !places.contains(place), qPrintable(window->objectName() + u' ' + place));
        places.insert(place);
    }
    QCOMPARE(face(h.page(2))->text(QAccessible::Description), QStringLiteral("الألغاز، الصفحة 1 من 5"));
    QCOMPARE(face(h.page(14))->text(QAccessible::Description), QStringLiteral("الأوائل، الصفحة 8 من 8"));
    QCOMPARE(face(h.page(15))->text(QAccessible::Description), QStringLiteral("الأسئلة العامة، الصفحة 1 من 8"));
}

void TestAccess::checkStateIsReported()
{
    Harness h;
    pages::PageWindow* window = h.showPage(9);
    auto* box = support::control<QCheckBox>(window, "Check4");
    QVERIFY(face(box)->state().checkable);
    QVERIFY(!face(box)->state().checked);
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(face(box)->state().checked);
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!face(box)->state().checked);
}

// The answer box and the About box are alerts whose text is their prompt; a
// box without a title is named by its prompt. Closed, it hands the keyboard
// back to its page.
void TestAccess::messageBoxesAreAlerts_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("About") << 1 << "a" << shell::aboutTitle() << shell::aboutText();
    QTest::newRow("answer, no title") << 2 << "CHECK1" << QString() << QStringLiteral(" الإسم ");
    QTest::newRow("answer with a title") << 6 << "Check6" << QStringLiteral("'") << QStringLiteral("القلم ");
    QTest::newRow("general question 1") << 15 << "CHECK1" << QStringLiteral("في عهد الخليفة أبي بكر")
                                        << QStringLiteral("زيد بن ثابت ");
}

void TestAccess::messageBoxesAreAlerts()
{
    QFETCH(int, page);
    QFETCH(QString, control);
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    support::RealBoxHarness h;
    pages::PageWindow* window = h.showPage(page);
    bool inspected = false;
    support::inspectNextModalBox(this, inspected, [&](QMessageBox* box) {
        QCOMPARE(face(box)->role(), QAccessible::AlertMessage);
        QCOMPARE(name(box), title.isEmpty() ? prompt : title);
        // The title bar shows Arabic also where the box has no title.
        QCOMPARE(box->windowTitle(), title.isEmpty() ? QStringLiteral("فيلورا") : title);
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        QCOMPARE(name(label), prompt);
        QCOMPARE(box->button(QMessageBox::Ok)->text(), kOk);
        QCOMPARE(name(box->button(QMessageBox::Ok)), kOk);
        box->close();
    });
    support::click(window, control.toLatin1().constData());
    QTRY_VERIFY(inspected);
    // Closed, the box gives the keyboard back to the page.
    QTRY_COMPARE(QApplication::activeWindow(), window);
}

// Also the box that tells of a failure before the program ends speaks
// Arabic, while the pages keep their left-to-right layout (Qt's Arabic
// catalogue asks for right to left: a button caption with a trailing blank
// would move).
void TestAccess::toolkitWordsAreArabic()
{
    bool inspected = false;
    QString ok;
    support::inspectNextModalBox(this, inspected, [&](QMessageBox* box) {
        ok = name(box->button(QMessageBox::Ok));
        box->close();
    });
    shell::platformMessageBox().showFatal(QStringLiteral("cannot map the window"));
    QTRY_VERIFY(inspected);
    QCOMPARE(ok, kOk);
    Harness h;
    QVERIFY(h.page(24)->isLeftToRight());
}

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
