// What a screen reader reads: every caption, every question with its answer
// box, and the window titles.

#include "support.h"
#include "shell/start.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

using support::Harness;

class TestAccess : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { shell::prepareApplication(); }
    void everyControlIsNamed_data();
    void everyControlIsNamed();
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
    auto name = [](QObject* object) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
        return face ? face->text(QAccessible::Name) : QString();
    };
    QCOMPARE(name(window), window->windowTitle());
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;  // the main menu's hint line before the first hint
        QCOMPARE(name(label), label->text());
    }
    for (QGroupBox* frame : window->findChildren<QGroupBox*>())
        QCOMPARE(name(frame), frame->title());
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        QCOMPARE(name(button), button->text());
    // An answer box is read together with its question.
    for (QCheckBox* box : window->findChildren<QCheckBox*>()) {
        QLabel* question = box->parentWidget()->findChild<QLabel*>();
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
        QCOMPARE(face->text(QAccessible::Description), question->text());
    }
}

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
