// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The quiz page template: every slot's answer box, the check boxes and the
// real message box.

#include "support.h"
#include "quiz/quiz_page.h"
#include "shell/start.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>

using support::Harness;

namespace {

// The frames of a quiz page, top to bottom.
QList<pages::Frame*> framesTopDown(QWidget* page)
{
    QList<pages::Frame*> frames = page->findChildren<pages::Frame*>();
    std::sort(frames.begin(), frames.end(), [](auto* a, auto* b) { return a->y() < b->y(); });
    return frames;
}

QString text(std::u16string_view s)
{
    return pages::text(s);
}

}  // namespace

class TestQuiz : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { shell::prepareApplication(); }

    void everySlot_data();
    void everySlot();
    void quotedAnswers_data();
    void quotedAnswers();
    void clicksAlternateTheTickAndAlwaysShowTheAnswer();
    void spaceOnAFocusedCheckBoxActsAsAClick();
    void ticksSurviveNextAndPrevious();
    void framesAndLabelsIgnoreClicks();
    void theRealAnswerBox();
    void anOpenBoxBlocksEveryPage_data();
    void anOpenBoxBlocksEveryPage();
};

void TestQuiz::everySlot_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("slot");
    for (const quiz::QuizPage& page : quiz::kQuizPages)
        for (int slot = 1; slot <= page.slotCount; ++slot)
            QTest::addRow("%s slot %d", page.name.data(), slot) << Harness::numberOf(page.name) << slot;
}

// The k-th frame from the top holds slot k: its title, its question, and a
// check box named after the slot whose click shows slot k's answer box.
void TestQuiz::everySlot()
{
    QFETCH(int, page);
    QFETCH(int, slot);
    const quiz::QuizPage& data = quiz::quizPage(page);
    const quiz::SlotText& expected = quiz::slotsOf(data)[std::size_t(slot - 1)];

    Harness h;
    pages::PageWindow* window = h.showPage(page);
    const auto frames = framesTopDown(window);
    QCOMPARE(frames.size(), data.slotCount);
    pages::Frame* frame = frames[slot - 1];
    QCOMPARE(frame->title(), text(expected.title));
    const auto labels = frame->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first()->text(), text(expected.question));
    // The whole question shows inside its label (one line in the lowest
    // frames), and its question mark never stands alone on the last line.
    auto* label = qobject_cast<pages::Label*>(labels.first());
    const QList<QRectF> lines = label->lineRects();
    QVERIFY2(lines.last().bottom() <= label->height() + 0.5 && label->geometry().bottom() < frame->height(),
             qPrintable(QStringLiteral("%1 lines in %2 px").arg(lines.size()).arg(label->height())));
    const QFontMetricsF metrics(label->font());
    QVERIFY2(lines.size() == 1 || lines.last().width() > metrics.horizontalAdvance(QStringLiteral(" ؟ ")),
             qPrintable(QStringLiteral("the last of %1 lines is %2 px").arg(lines.size()).arg(lines.last().width())));
    const auto boxes = frame->findChildren<QCheckBox*>();
    QCOMPARE(boxes.size(), 1);
    QCheckBox* box = boxes.first();
    const QString name = slot == 1 ? QStringLiteral("CHECK1") : QStringLiteral("Check%1").arg(slot);
    QCOMPARE(box->objectName().compare(name, Qt::CaseInsensitive), 0);
    QCOMPARE(box->text(), QStringLiteral("الجواب"));
    QVERIFY(!box->isChecked());

    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(box->isChecked());
    QCOMPARE(h.box.shown.size(), 1);
    QCOMPARE(h.box.shown.first().prompt, text(expected.answer));
    QCOMPARE(h.box.shown.first().title, text(expected.boxTitle));
    QCOMPARE(h.box.shown.first().over, window);
    QVERIFY(window->isVisible());
}

void TestQuiz::quotedAnswers_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("title");
    QTest::newRow("riddle 1") << 2 << "CHECK1" << " الإسم " << "";
    QTest::newRow("riddle 12") << 3 << "Check5"
                               << " تعطي الأول والثالث برتقالة أما الثاني فتعطيه ثلاث برتقالات بحيث لا يزيد أحدهما عليه " << "";
    QTest::newRow("riddle 19") << 4 << "Check5" << " أبوك" << "";
    QTest::newRow("riddle 27") << 5 << "Check6" << " الطاحونة الضخمة " << "";
    QTest::newRow("riddle 34") << 6 << "Check6" << "القلم " << "'";
    QTest::newRow("first 18") << 9 << "Check4" << "العـــــــقــــــل " << "";
    QTest::newRow("first 19") << 9 << "Check5" << " النخلة " << "";
    QTest::newRow("first 23") << 10 << "CHECK1" << "القبر" << "";
    QTest::newRow("first 37") << 11 << "Check7" << "زيادة كبد الحوت" << "'";
    QTest::newRow("first 61") << 14 << "Check7" << "الجن أولاً" << "";
    QTest::newRow("general 8") << 16 << "Check2" << "33سنة" << "";
    QTest::newRow("general 49") << 21 << "Check3" << " تايلاند " << "";
    QTest::newRow("general 50") << 21 << "Check4" << " عام 1945م في اليابان (هيروشيما و نجازاكي )" << "";
    QTest::newRow("general 51") << 21 << "Check5" << "في روسيــــــــا" << "اللهم سخر عليهم ما صنعت أيديهم";
    QTest::newRow("general 54") << 21 << "Check8" << "جمع عندليب هو عنادل وجمع كلمة دلو هو دلاء " << "";
}

void TestQuiz::quotedAnswers()
{
    QFETCH(int, page);
    QFETCH(QString, box);
    QFETCH(QString, answer);
    QFETCH(QString, title);
    Harness h;
    pages::PageWindow* window = h.showPage(page);
    support::click(window, qPrintable(box));
    QCOMPARE(h.box.shown.size(), 1);
    QCOMPARE(h.box.shown.first().prompt, answer);
    QCOMPARE(h.box.shown.first().title, title);
}

void TestQuiz::clicksAlternateTheTickAndAlwaysShowTheAnswer()
{
    Harness h;
    pages::PageWindow* window = h.showPage(8);
    auto* box = support::control<QCheckBox>(window, "Check3");
    for (int clicks = 1; clicks <= 4; ++clicks) {
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->isChecked(), clicks % 2 == 1);
        QCOMPARE(h.box.shown.size(), clicks);
        QCOMPARE(h.box.shown.last().prompt, h.box.shown.first().prompt);
    }
}

void TestQuiz::spaceOnAFocusedCheckBoxActsAsAClick()
{
    Harness h;
    pages::PageWindow* window = h.showPage(12);
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* box = support::control<QCheckBox>(window, "Check6");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY(box->isChecked());
    QCOMPARE(h.box.shown.size(), 1);
    QCOMPARE(h.box.shown.first().prompt, text(quiz::kFirsts[39 + 5 - 1].answer));
}

void TestQuiz::ticksSurviveNextAndPrevious()
{
    Harness h;
    pages::PageWindow* page19 = h.showPage(19);
    support::click(page19, "CHECK1");
    support::click(page19, "Check8");
    support::click(page19, "Command2");
    pages::PageWindow* page20 = h.app.existing(20);
    support::click(page20, "Check4");
    support::click(page20, "Command1");
    QVERIFY(page19->isVisible());
    for (int k = 1; k <= 8; ++k) {
        const QByteArray name = "Check" + QByteArray::number(k);
        QCOMPARE(support::control(page19, name.constData())->isChecked(), k == 1 || k == 8);
    }
    support::click(page19, "Command2");
    QCOMPARE(h.app.existing(20), page20);
    QVERIFY(support::control(page20, "Check4")->isChecked());
    QVERIFY(!support::control(page20, "Check3")->isChecked());
}

void TestQuiz::framesAndLabelsIgnoreClicks()
{
    Harness h;
    pages::PageWindow* window = h.showPage(17);
    pages::Frame* frame = framesTopDown(window).at(2);
    QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(frame->width() / 2, 3));
    QLabel* question = frame->findChildren<QLabel*>().first();
    QTest::mouseClick(question, Qt::LeftButton);
    QTest::mouseClick(support::control<QLabel>(window, "Label1"), Qt::LeftButton);  // page number
    QVERIFY(h.box.shown.isEmpty());
    for (QCheckBox* box : window->findChildren<QCheckBox*>())
        QVERIFY(!box->isChecked());
    QVERIFY(window->isVisible());
}

// The platform's box: modal, plain text aligned right without mirroring, one
// OK button and no icon anywhere.
void TestQuiz::theRealAnswerBox()
{
    support::RealBoxHarness h;
    pages::PageWindow* window = h.showPage(6);
    bool inspected = false;
    support::inspectNextModalBox(this, inspected, [](QMessageBox* box) {
        QCOMPARE(box->windowTitle(), QStringLiteral("'"));
        QCOMPARE(box->text(), QStringLiteral("القلم "));
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QVERIFY(box->iconPixmap().isNull());
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
        QCOMPARE(box->layoutDirection(), Qt::LeftToRight);
        QCOMPARE(box->buttons().size(), 1);
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        QVERIFY(ok);
        QVERIFY(ok->icon().isNull());
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignAbsolute | Qt::AlignRight);
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    support::click(window, "Check6");
    QTRY_VERIFY(inspected);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(support::control(window, "Check6")->isChecked());
    QVERIFY(window->isVisible());
}

void TestQuiz::anOpenBoxBlocksEveryPage_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("action");  // an accessible action, or "close" for a posted close event
    QTest::newRow("Toggle on another answer box") << "Check2" << QAccessibleActionInterface::toggleAction();
    QTest::newRow("Press on the next button") << "Command2" << QAccessibleActionInterface::pressAction();
    QTest::newRow("posted close of the page") << QString() << "close";
}

// While an answer box is open nothing reaches the pages beneath it, whatever
// the source: a screen reader's action, a timer or a posted event. Closed,
// it gives the keyboard back to the page.
void TestQuiz::anOpenBoxBlocksEveryPage()
{
    QFETCH(QString, control);
    QFETCH(QString, action);
    support::RealBoxHarness h;
    QPointer<pages::PageWindow> window = h.showPage(6);
    QVERIFY(QTest::qWaitForWindowActive(window));
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
    support::click(window, "Check1");
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box);

    if (action == QLatin1String("close")) {
        QCoreApplication::postEvent(window, new QCloseEvent);
    } else {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(support::control(window, qPrintable(control)));
        QVERIFY(face && face->actionInterface());
        face->actionInterface()->doAction(action);
    }
    QTest::qWait(300);  // a press clicks after 100 ms
    QVERIFY(window && window->isVisible());
    QVERIFY(!h.app.existing(25));
    QVERIFY(!support::control(window, "Check2")->isChecked());
    QCOMPARE(QApplication::activeModalWidget(), box);
    QCOMPARE(window->findChildren<QMessageBox*>().size(), 1);
    QVERIFY(h.end.statuses.isEmpty());

    box->close();
    QTRY_COMPARE(QApplication::activeWindow(), window.data());
}

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
