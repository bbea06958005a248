// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Captions, answers and titles are plain text everywhere: a text that looks
// like markup, an access key, a placeholder or an argument is shown as it
// stands, on a page built from a description and in the real message box.

#include "support.h"
#include "shell/start.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QWindow>

#include <string>

namespace {

// What a button shows of its text: "&&" is one ampersand, a single "&" marks
// the next character as the access key and is not shown.
QString shownOnButton(const QString& text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// The letter after the first single "&": with Alt, the key that would reach
// a control whose caption were read as having an access key. (Alt+Space
// would only press the focused button.)
int accessKeyOf(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].isLetterOrNumber() ? text[i + 1].toUpper().unicode() : 0;
        ++i;
    }
    return 0;
}

QString accessibleName(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QStringLiteral("(no interface)");
}

}  // namespace

class TestPlainText : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { shell::prepareApplication(); }
    void pageShowsTextsAsTheyStand_data();
    void pageShowsTextsAsTheyStand();
    void messageBoxShowsTextsAsTheyStand_data() { pageShowsTextsAsTheyStand_data(); }
    void messageBoxShowsTextsAsTheyStand();
};

void TestPlainText::pageShowsTextsAsTheyStand_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("markup") << "<b>x</b>";
    QTest::newRow("markup around Arabic") << QStringLiteral("<b>الجواب</b>");
    QTest::newRow("entity") << "&amp;";
    QTest::newRow("ampersand") << "A & B";
    QTest::newRow("access key") << "&Save";
    QTest::newRow("Arabic access key") << QStringLiteral("&الجواب");
    QTest::newRow("two ampersands") << "A && B";
    QTest::newRow("trailing ampersand") << "A &";
    QTest::newRow("argument") << "%1";
    QTest::newRow("arguments") << "%1 %2 %L1";
    QTest::newRow("title placeholder") << "x [*] y";
    QTest::newRow("two title placeholders") << "[*][*]";
    QTest::newRow("everything") << QStringLiteral("<i>&Save</i> %1 & [*] السؤال ");
}

void TestPlainText::pageShowsTextsAsTheyStand()
{
    QFETCH(QString, text);
    const std::u16string caption(reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size()));
    using pages::Align;
    using pages::Kind;
    using pages::kNoIndex;
    using pages::kOnPage;
    const pages::Control controls[] = {
        {Kind::Button, "Command1", kNoIndex, kOnPage, 120, 120, 2400, 495, caption, pages::kNoColour,
         pages::kNoColour, nullptr, Align::Centre, false, false, 0},
        {Kind::Frame, "Frame1", kNoIndex, kOnPage, 120, 840, 6000, 1455, caption, 0x00800080, 0x00FFFFFF, nullptr,
         Align::Left, false, true, 1},
        {Kind::Label, "Label1", kNoIndex, 1, 120, 300, 5700, 375, caption, 0x00800080, 0x0000FFFF, nullptr,
         Align::Right, false, false, 2},
        {Kind::CheckBox, "Check1", kNoIndex, 1, 120, 840, 2400, 255, caption, 0x00800080, 0x0000FFFF, nullptr,
         Align::Left, false, false, 3},
        {Kind::Label, "Label2", kNoIndex, kOnPage, 120, 2520, 6000, 375, caption, 0x00C0C0C0, 0x00000000, nullptr,
         Align::Left, true, false, 4},
    };
    const pages::Page description{"Plain", caption, 0x00C0C0C0, 6690, 3400, controls};
    std::unique_ptr<pages::PageWindow> page(pages::buildPage(description));

    auto* button = support::control<QPushButton>(page.get(), "Command1");
    auto* box = support::control<QCheckBox>(page.get(), "Check1");
    auto* frame = support::control<pages::Frame>(page.get(), "Frame1");
    QCOMPARE(shownOnButton(button->text()), text);
    QCOMPARE(shownOnButton(box->text()), text);
    QVERIFY(QKeySequence::mnemonic(button->text()).isEmpty());
    QVERIFY(QKeySequence::mnemonic(box->text()).isEmpty());
    QCOMPARE(frame->caption(), text);
    QVERIFY(QKeySequence::mnemonic(frame->title()).isEmpty());
    for (const char* name : {"Label1", "Label2"}) {
        auto* label = support::control<QLabel>(page.get(), name);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    page->show();
    QVERIFY(QTest::qWaitForWindowActive(page.get()));
    QCOMPARE(page->windowHandle()->title(), text);

    // A screen reader reads each text as it stands too, on the shown page
    // (from Qt 6.11 on, a window is named by its native window's title).
    for (QObject* named : std::initializer_list<QObject*>{page.get(), button, box, frame,
                                                           pages::findControl(page.get(), "Label1")})
        QCOMPARE(accessibleName(named), text);

    // The key that an access key would take does nothing: no press, and the
    // focus stays on the button.
    if (const int key = accessKeyOf(text)) {
        QCOMPARE(page->focusWidget(), button);
        QSignalSpy buttonPressed(button, &QAbstractButton::pressed);
        QSignalSpy boxPressed(box, &QAbstractButton::pressed);
        QTest::sendKeyEvent(QTest::Click, page->windowHandle(), Qt::Key(key), QString(QChar(key)).toLower(),
                            Qt::AltModifier);
        QCOMPARE(buttonPressed.size(), 0);
        QCOMPARE(boxPressed.size(), 0);
        QCOMPARE(page->focusWidget(), button);
        QVERIFY(!box->isChecked());
    }
}

// The answer box and the About box: prompt and title as they stand.
void TestPlainText::messageBoxShowsTextsAsTheyStand()
{
    QFETCH(QString, text);
    bool inspected = false;
    support::inspectNextModalBox(this, inspected, [&text](QMessageBox* box) {
        QCOMPARE(box->text(), text);
        QCOMPARE(box->textFormat(), Qt::PlainText);
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(box->windowHandle());
        QCOMPARE(box->windowHandle()->title(), text);
        QCOMPARE(accessibleName(box), text);
        QCOMPARE(accessibleName(label), text);
    });
    shell::platformMessageBox().show(nullptr, text, text);
    QTRY_VERIFY(inspected);
}

QTEST_MAIN(TestPlainText)
#include "tst_plaintext.moc"
