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

}  // namespace

class TestAccess : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { shell::prepareApplication(); }
    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void checkStateIsReported();
    void messageBoxesAreAlerts_data();
    void messageBoxesAreAlerts();
};

void TestAccess::everyControlIsNamed_data()
{
    QTest::addColumn<int>("page");
    for (int number = 1; number <= shell::kPageCount; ++number)
        QTest::addRow("Form%d", number) << number;
}

void TestAccess::everyControlIsNamed()
{
    QFETCH(int, page);
    Harness h;
    pages::PageWindow* window = h.page(page);
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
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        QCOMPARE(name(label), prompt);
        QCOMPARE(name(box->button(QMessageBox::Ok)), box->button(QMessageBox::Ok)->text());
        box->close();
    });
    support::click(window, control.toLatin1().constData());
    QTRY_VERIFY(inspected);
    // Closed, the box gives the keyboard back to the page.
    QTRY_COMPARE(QApplication::activeWindow(), window);
}

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
