// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program without a mouse: the whole tour, every answer and the exit with
// Tab, Shift+Tab and Space alone, and a focus mark that shows on every page.

#include "support.h"
#include "quiz/quiz_page.h"
#include "shell/start.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QImage>

using support::Harness;

namespace {

QString focusedName()
{
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
}

// Moves the focus with Tab (or Shift+Tab) until `name` has it, going round
// the page at most once.
bool tabTo(pages::PageWindow* page, const QString& name, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (qsizetype step = 0; step <= page->focusOrder().size(); ++step) {
        if (focusedName() == name && QApplication::focusWidget()->window() == page)
            return true;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
    }
    return false;
}

// The slot whose answer box is called CHECK1 (slot 1) .. Check8.
int slotOfBox(const QString& name)
{
    return name.mid(5).toInt();
}

// WCAG contrast ratio of two colours.
double contrast(QColor a, QColor b)
{
    auto luminance = [](QColor c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { shell::prepareApplication(); }
    void tourByKeys();
    void focusMarkStandsOut_data();
    void focusMarkStandsOut();
    void returnPressesTheFocusedButton_data();
    void returnPressesTheFocusedButton();
};

void TestKeyboard::tourByKeys()
{
    Harness h;
    pages::PageWindow* menu = h.showPage(1);
    QVERIFY(QTest::qWaitForWindowActive(menu));

    // Space on a control, then the page it leads to must be the active one.
    auto press = [&](pages::PageWindow* page, const char* control, int expected,
                     Qt::KeyboardModifiers direction) -> pages::PageWindow* {
        if (!tabTo(page, QString::fromLatin1(control), direction))
            return nullptr;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        pages::PageWindow* now = h.visiblePage();
        if (!now || now->objectName() != QStringLiteral("Form%1").arg(expected) || !QTest::qWaitForWindowActive(now))
            return nullptr;
        return now;
    };

    // Forward with Tab, revealing every answer on the way.
    const QList<std::pair<const char*, int>> forward = {
        {"Command1", 24}, {"Command1", 2},  {"Command2", 3},  {"Command2", 4},  {"Command2", 5},
        {"Command2", 6},  {"Command2", 25}, {"Command3", 7},  {"Command2", 8},  {"Command2", 9},
        {"Command2", 10}, {"Command2", 11}, {"Command2", 12}, {"Command2", 13}, {"Command2", 14},
        {"Command2", 26}, {"Command2", 15}, {"Command2", 16}, {"Command2", 17}, {"Command2", 18},
        {"Command2", 19}, {"Command2", 20}, {"Command2", 21}, {"Command2", 22}, {"Command2", 23},
    };
    pages::PageWindow* page = menu;
    int revealed = 0;
    for (const auto& [control, target] : forward) {
        const int number = support::pageNumber(page->objectName());
        if (number >= 2 && number <= 22) {
            const auto texts = quiz::slotsOf(quiz::quizPage(number));
            const QList<QCheckBox*> boxes = page->findChildren<QCheckBox*>();
            QCOMPARE(qsizetype(texts.size()), boxes.size());
            for (QCheckBox* box : boxes) {
                QVERIFY2(tabTo(page, box->objectName()), qPrintable(page->objectName() + u' ' + box->objectName()));
                QTest::keyClick(box, Qt::Key_Space);
                QVERIFY(box->isChecked());
                QCOMPARE(h.box.shown.size(), ++revealed);
                const quiz::SlotText& slot = texts[std::size_t(slotOfBox(box->objectName()) - 1)];
                QCOMPARE(h.box.shown.last().prompt, pages::text(slot.answer));
                QCOMPARE(h.box.shown.last().title, pages::text(slot.boxTitle));
                QCOMPARE(h.box.shown.last().over, page);
            }
        }
        page = press(page, control, target, Qt::NoModifier);
        QVERIFY2(page, qPrintable(QStringLiteral("%1 to Form%2").arg(QString::fromLatin1(control)).arg(target)));
    }
    QCOMPARE(revealed, 159);

    // The closing page returns to the same main menu; from there into the
    // general questions, and back to the menu with Shift+Tab, finding every
    // tick where it was left.
    page = press(page, "Command2", 1, Qt::NoModifier);
    QCOMPARE(page, menu);
    page = press(page, "Command5", 15, Qt::ShiftModifier);
    QVERIFY(page);
    const QList<std::pair<const char*, int>> back = {
        {"Command1", 26}, {"Command1", 14}, {"Command1", 13}, {"Command1", 12}, {"Command1", 11},
        {"Command1", 10}, {"Command1", 9},  {"Command1", 8},  {"Command1", 7},  {"Command1", 25},
        {"Command1", 6},  {"Command1", 5},  {"Command1", 4},  {"Command1", 3},  {"Command1", 2},
        {"Command1", 24}, {"Command2", 1},
    };
    for (const auto& [control, target] : back) {
        for (QCheckBox* box : page->findChildren<QCheckBox*>())
            QVERIFY2(box->isChecked(), qPrintable(page->objectName() + u' ' + box->objectName()));
        page = press(page, control, target, Qt::ShiftModifier);
        QVERIFY2(page, qPrintable(QStringLiteral("back to Form%1").arg(target)));
    }
    QCOMPARE(page, menu);

    // "خروج" ends the program.
    QVERIFY(tabTo(menu, QStringLiteral("Command2"), Qt::ShiftModifier));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(h.end.statuses, QList<int>{0});
}

void TestKeyboard::focusMarkStandsOut_data()
{
    support::addPageRows("page");
}

// The focus mark shows as soon as a control has the focus, also when the
// page was reached without Tab, in a colour that stands out against what it
// is drawn on (at least 3:1).
void TestKeyboard::focusMarkStandsOut()
{
    QFETCH(int, page);
    Harness h;
    pages::PageWindow* window = h.showPage(page);
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (QWidget* control : window->focusOrder()) {
        window->setFocus(Qt::OtherFocusReason);
        const QImage plain = control->grab().toImage();
        control->setFocus(Qt::OtherFocusReason);
        QVERIFY(control->hasFocus());
        const QImage focused = control->grab().toImage();
        QCOMPARE(focused.size(), plain.size());
        int changed = 0, standingOut = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                const QColor before = plain.pixelColor(x, y), after = focused.pixelColor(x, y);
                if (before == after)
                    continue;
                ++changed;
                standingOut += contrast(before, after) >= 3.0;
            }
        }
        const QString where = window->objectName() + u' ' + control->objectName();
        // At least the outline of a box around the caption.
        QVERIFY2(standingOut >= 40, qPrintable(where + QStringLiteral(": %1 of %2").arg(standingOut).arg(changed)));
    }
}

void TestKeyboard::returnPressesTheFocusedButton_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

// Return and Enter press a focused push button, as Space does, on every page.
void TestKeyboard::returnPressesTheFocusedButton()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    int buttons = 0;
    for (int number = 1; number <= shell::kPageCount; ++number) {
        Harness h;
        pages::PageWindow* page = h.showPage(number);
        QVERIFY(QTest::qWaitForWindowActive(page));
        for (QWidget* control : page->focusOrder()) {
            auto* button = qobject_cast<QPushButton*>(control);
            if (!button)
                continue;
            ++buttons;
            button->setFocus(Qt::TabFocusReason);
            QSignalSpy pressed(button, &QAbstractButton::clicked);
            QTest::keyClick(button, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QVERIFY2(pressed.size() == 1, qPrintable(page->objectName() + u' ' + button->objectName()));
        }
    }
    QCOMPARE(buttons, 2 * 21 + 6 + 3 + 3 + 3 + 2);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
