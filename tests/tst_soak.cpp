// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A random-event soak. Thousands of user actions, chosen at random from a
// seed, go through the window system to the real pages: clicks on every
// button and check box of the visible page, pointer moves over controls and
// bare areas, Tab, Shift+Tab and Space, and closing the visible page. After
// every event the program is compared with a small model of its rules, kept
// here and not taken from the program:
//   - exactly one page is visible, until the program ends; it ends (status 0,
//     once) exactly when an exit button is pressed or the visible page is
//     closed, and then no page is visible;
//   - each page has at most one instance, the same one from its first
//     look-up on, and only the pages navigated to exist;
//   - every tick is the parity of the clicks (mouse or Space) on its box
//     since its page was built, on visible and hidden pages alike;
//   - the main menu's hint line holds the last hover hint;
//   - a message box was shown for every answer box and About click, over the
//     page clicked; no fatal error;
//   - a page is shown with all of its controls, and the focus stays on them.
// The message box and the process end only record. When the program has
// ended, the soak starts it anew with a fresh registry, as a new process
// would, and goes on.
//
//   FILORA_SOAK_SEED    the seed, a number or "random" (default 1)
//   FILORA_SOAK_EVENTS  how many events (default 3000)
// Runs longer than five minutes need QTEST_FUNCTION_TIMEOUT (milliseconds)
// raised above QtTest's default.

#include "support.h"
#include "shell/start.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <memory>

namespace {

constexpr int kEnd = 0;     // the button ends the program
constexpr int kAbout = -1;  // the button shows the About box

// The push buttons of the main menu and of the information pages, and where
// they lead.
struct ButtonRow {
    int page;
    const char* button;
    int action;  // a page number, kEnd or kAbout
};
constexpr ButtonRow kButtons[] = {
    {1, "Command1", 24}, {1, "Command2", kEnd}, {1, "Command5", 15},
    {1, "Command6", 7},  {1, "a", kAbout},      {1, "w", 2},
    {24, "Command1", 2}, {24, "Command2", 1},   {24, "Command3", kEnd},
    {25, "Command1", 6}, {25, "Command2", kEnd}, {25, "Command3", 7},
    {26, "Command1", 14}, {26, "Command2", 15}, {26, "Command3", kEnd},
    {23, "Command1", kEnd}, {23, "Command2", 1},
};

bool isQuizPage(int page) { return page >= 2 && page <= 22; }
int previousOf(int page) { return page == 2 ? 24 : page == 7 ? 25 : page == 15 ? 26 : page - 1; }
int nextOf(int page) { return page == 6 ? 25 : page == 14 ? 26 : page == 22 ? 23 : page + 1; }
int slotCount(int page)
{
    if (!isQuizPage(page))
        return 0;
    return page <= 6 ? 7 : (page == 7 || page == 15) ? 6 : 8;
}

int actionOf(int page, const QString& button)
{
    if (isQuizPage(page)) {
        if (button == QLatin1String("Command1"))
            return previousOf(page);
        if (button == QLatin1String("Command2"))
            return nextOf(page);
    }
    for (const ButtonRow& row : kButtons)
        if (row.page == page && button == QLatin1String(row.button))
            return row.action;
    qFatal("no button %s on Form%d", qPrintable(button), page);
}

QStringList buttonsOf(int page)
{
    QStringList names;
    if (isQuizPage(page))
        return {QStringLiteral("Command1"), QStringLiteral("Command2")};
    for (const ButtonRow& row : kButtons)
        if (row.page == page)
            names << QLatin1String(row.button);
    return names;
}

// The main menu's controls in twips, with their hover hints; a label has none.
struct Area {
    const char* control;
    int left, top, width, height;
    const char16_t* hint;
};
constexpr Area kMenuAreas[] = {
    {"Label1", 240, 240, 6255, 2415, nullptr},
    {"Command1", 1200, 5280, 1935, 495, u"بسم الله وعلى بركة الله "},
    {"Command2", 3360, 5280, 1935, 495, u"الله يوفقك في الدنيا والآخرة ومع السلامة"},
    {"w", 4680, 4320, 1575, 495, u"اذهب الى صفحات الألغاز حيث يوجد 35 لغزا "},
    {"Command5", 480, 4320, 1575, 495, u"اذهب الى صفحات الأسئلة واستفد من 62 معلومة وسؤال"},
    {"Command6", 2520, 4320, 1575, 495, u"اذهب الى صفحات الأوائل واستفد من 62 معلومة"},
    {"a", 1920, 2760, 2655, 615, u"لا تنسى أن تدعو لنا "},
    {"Label2", 1200, 5880, 4095, 375, nullptr},
};
constexpr char16_t kWindowHint[] = u"إختبر معلوماتك واستمتع مع برنامج فيلورا";

int pixels(int twips)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInchX()) : 96;
    return qRound(twips * dpi / 1440.0);
}

// The slot of a check box: CHECK1 is slot 1, Check2 slot 2, and so on.
int slotOf(const QWidget* box)
{
    return box->objectName().mid(5).toInt();
}

QString pageName(int number) { return QStringLiteral("Form%1").arg(number); }

// What the program must look like.
struct Model {
    int visible = 1;
    bool ended = false;
    std::array<bool, shell::kPageCount + 1> built{};
    std::array<std::array<bool, 9>, shell::kPageCount + 1> ticks{};  // [page][slot]
    QString hint;                                                     // the main menu's hint line
    int boxes = 0;                                                    // message boxes shown

    void start()
    {
        *this = Model();
        built[1] = true;
    }
    void navigate(int target)
    {
        if (!built[std::size_t(target)]) {
            built[std::size_t(target)] = true;
            ticks[std::size_t(target)] = {};
        }
        visible = target;
    }
    void press(int page, const QString& button)
    {
        const int action = actionOf(page, button);
        if (action == kEnd)
            ended = true;
        else if (action == kAbout)
            ++boxes;
        else
            navigate(action);
    }
    void tick(int page, int slot)
    {
        bool& ticked = ticks[std::size_t(page)][std::size_t(slot)];
        ticked = !ticked;
        ++boxes;
    }
    void pointerAt(int page, QPoint at)
    {
        if (page != 1)
            return;
        for (const Area& area : kMenuAreas) {
            const QRect rect(pixels(area.left), pixels(area.top), pixels(area.width), pixels(area.height));
            if (rect.contains(at)) {
                if (area.hint)
                    hint = QString::fromUtf16(area.hint);
                return;  // over a label the hint stays
            }
        }
        hint = QString::fromUtf16(kWindowHint);
    }
};

// Watches every page as it is shown: its buttons and check boxes must be
// there and shown with it at that very moment.
class ShowWatch : public QObject {
    Q_OBJECT
public:
    ShowWatch() { qApp->installEventFilter(this); }
    ~ShowWatch() override { qApp->removeEventFilter(this); }
    QString problem;
    int shows = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show || !problem.isEmpty())
            return false;
        auto* page = qobject_cast<pages::PageWindow*>(watched);
        if (!page)
            return false;
        ++shows;
        const int number = support::pageNumber(page->objectName());
        QStringList buttons;
        for (QPushButton* button : page->findChildren<QPushButton*>())
            buttons << button->objectName();
        buttons.sort();
        QStringList expected = buttonsOf(number);
        expected.sort();
        if (buttons != expected || page->findChildren<QCheckBox*>().size() != slotCount(number))
            problem = page->objectName() + QStringLiteral(" shown without all of its buttons and check boxes");
        for (QWidget* control : page->findChildren<QWidget*>())
            if (problem.isEmpty() && !control->isVisibleTo(page))
                problem = page->objectName() + QStringLiteral(" shown with ") + control->objectName() + QStringLiteral(" hidden");
        return false;
    }
};

enum class Kind { ClickButton, ClickBox, MoveOverControl, MoveBare, Tab, BackTab, Space, Close };
constexpr std::pair<Kind, int> kWeights[] = {
    {Kind::ClickButton, 20}, {Kind::ClickBox, 26}, {Kind::MoveOverControl, 18}, {Kind::MoveBare, 10},
    {Kind::Tab, 9},          {Kind::BackTab, 7},   {Kind::Space, 9},            {Kind::Close, 1},
};
const char* kKindNames[] = {"click button", "click box", "move over control", "move over bare area",
                            "Tab", "Shift+Tab", "Space", "close"};

class Soak {
public:
    Soak(quint32 seed, int events) : random_(seed), seed_(seed), events_(events) {}

    // Runs every event; returns an empty string, or the failure report.
    QString run();
    QString summary() const;
    int pagesSeen() const { return int(seen_.size()); }
    int kindsUsed() const { return int(kinds_.size()); }

private:
    void startProgram();
    QString step();
    QString check() const;
    QString restart();
    void settle();
    void note(const QString& what);

    Kind chooseKind(bool hasBoxes);
    void moveTo(pages::PageWindow* page, QPoint at);
    QPoint randomPointIn(pages::PageWindow* page, QWidget* control);
    void clickControl(pages::PageWindow* page, QAbstractButton* control);

    QRandomGenerator random_;
    quint32 seed_;
    int events_;
    int index_ = 0;
    std::unique_ptr<support::Harness> h_;
    Model model_;
    std::array<QPointer<pages::PageWindow>, shell::kPageCount + 1> instances_{};
    QPoint lastPointer_{-1, -1};  // global
    std::deque<QString> recent_;
    ShowWatch showWatch_;

    // What the run went through.
    std::map<Kind, int> kinds_;
    std::map<int, int> seen_;  // page -> events on it
    int starts_ = 0;
    int endsByButton_ = 0;
    int endsByClose_ = 0;
    int mostTicks_ = 0;
};

void Soak::settle()
{
    // What the event loop does between two events of the user.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Soak::note(const QString& what)
{
    recent_.push_back(QStringLiteral("#%1 %2").arg(index_).arg(what));
    if (recent_.size() > 12)
        recent_.pop_front();
}

void Soak::startProgram()
{
    h_ = std::make_unique<support::Harness>();
    model_.start();
    instances_ = {};
    h_->app.start();
    instances_[1] = h_->app.existing(1);
    ++starts_;
    settle();
}

Kind Soak::chooseKind(bool hasBoxes)
{
    int total = 0;
    for (const auto& [kind, weight] : kWeights)
        total += kind == Kind::ClickBox && !hasBoxes ? 0 : weight;
    int pick = int(random_.bounded(total));
    for (const auto& [kind, weight] : kWeights) {
        if (kind == Kind::ClickBox && !hasBoxes)
            continue;
        if (pick < weight)
            return kind;
        pick -= weight;
    }
    return Kind::MoveBare;
}

// A point inside the control (or anywhere on the page), never the point the
// pointer is already at, so that every move is a movement.
QPoint Soak::randomPointIn(pages::PageWindow* page, QWidget* control)
{
    const QRect area = control ? QRect(control->mapTo(page, QPoint(0, 0)), control->size()) : page->rect();
    for (;;) {
        const QPoint at(area.left() + int(random_.bounded(area.width())),
                        area.top() + int(random_.bounded(area.height())));
        // (QTest reads the point 0,0 as the middle of the window.)
        if (!at.isNull() && page->mapToGlobal(at) != lastPointer_)
            return at;
    }
}

void Soak::moveTo(pages::PageWindow* page, QPoint at)
{
    QTest::mouseMove(page->windowHandle(), at);
    lastPointer_ = page->mapToGlobal(at);
    model_.pointerAt(support::pageNumber(page->objectName()), at);
}

// The pointer goes to the control, then clicks there.
void Soak::clickControl(pages::PageWindow* page, QAbstractButton* control)
{
    const QPoint centre = control->mapTo(page, control->rect().center());
    if (page->mapToGlobal(centre) != lastPointer_)
        moveTo(page, centre);
    QTest::mouseClick(page->windowHandle(), Qt::LeftButton, {}, centre);
}

QString Soak::step()
{
    pages::PageWindow* page = h_->visiblePage();
    const int number = support::pageNumber(page->objectName());
    const QList<QPushButton*> buttons = page->findChildren<QPushButton*>();
    const QList<QCheckBox*> boxes = page->findChildren<QCheckBox*>();
    const Kind kind = chooseKind(!boxes.isEmpty());
    ++kinds_[kind];
    ++seen_[number];
    const QString where = pageName(number) + u' ' + QLatin1String(kKindNames[int(kind)]);
    const qsizetype boxesBefore = h_->box.shown.size();

    switch (kind) {
    case Kind::ClickButton: {
        QPushButton* button = buttons.at(random_.bounded(int(buttons.size())));
        note(where + u' ' + button->objectName());
        clickControl(page, button);
        model_.press(number, button->objectName());
        if (model_.ended)
            ++endsByButton_;
        break;
    }
    case Kind::ClickBox: {
        QCheckBox* box = boxes.at(random_.bounded(int(boxes.size())));
        note(where + u' ' + box->objectName());
        clickControl(page, box);
        model_.tick(number, slotOf(box));
        break;
    }
    case Kind::MoveOverControl: {
        const QList<QWidget*> controls = page->findChildren<QWidget*>();
        QWidget* control = controls.at(random_.bounded(int(controls.size())));
        const QPoint at = randomPointIn(page, control);
        note(where + QStringLiteral(" %1 at (%2,%3)").arg(control->objectName()).arg(at.x()).arg(at.y()));
        moveTo(page, at);
        break;
    }
    case Kind::MoveBare: {
        const QPoint at = randomPointIn(page, nullptr);
        note(where + QStringLiteral(" at (%1,%2)").arg(at.x()).arg(at.y()));
        moveTo(page, at);
        break;
    }
    case Kind::Tab:
    case Kind::BackTab:
        note(where + QStringLiteral(" from ") + (page->focusWidget() ? page->focusWidget()->objectName() : QString()));
        QTest::keyClick(page->windowHandle(), Qt::Key_Tab, kind == Kind::BackTab ? Qt::ShiftModifier : Qt::NoModifier);
        break;
    case Kind::Space: {
        // Space acts on the control that has the focus, as a click does.
        QWidget* focused = page->focusWidget();
        note(where + QStringLiteral(" on ") + (focused ? focused->objectName() : QStringLiteral("nothing")));
        QTest::keyClick(page->windowHandle(), Qt::Key_Space);
        if (qobject_cast<QCheckBox*>(focused)) {
            model_.tick(number, slotOf(focused));
        } else if (qobject_cast<QPushButton*>(focused)) {
            model_.press(number, focused->objectName());
            if (model_.ended)
                ++endsByButton_;
        }
        break;
    }
    case Kind::Close:
        // The close box: the window system asks the page to close.
        note(where);
        page->windowHandle()->close();
        model_.ended = true;
        model_.built[std::size_t(number)] = false;
        ++endsByClose_;
        break;
    }
    settle();

    if (kind != Kind::Close && h_->box.shown.size() > boxesBefore && h_->box.shown.last().over != page)
        return QStringLiteral("a message box over another window than %1").arg(pageName(number));
    if (!model_.ended)
        for (int n = 1; n <= shell::kPageCount; ++n)
            if (model_.built[std::size_t(n)] && !instances_[std::size_t(n)])
                instances_[std::size_t(n)] = h_->app.existing(n);
    int ticks = 0;
    for (int n = 2; n <= 22; ++n)
        for (bool t : model_.ticks[std::size_t(n)])
            ticks += t && model_.built[std::size_t(n)] ? 1 : 0;
    mostTicks_ = std::max(mostTicks_, ticks);
    return check();
}

QString Soak::check() const
{
    const support::Harness& h = *h_;
    if (!showWatch_.problem.isEmpty())
        return showWatch_.problem;
    if (!h.box.fatal.isEmpty())
        return QStringLiteral("fatal error reported: ") + h.box.fatal.join(u'|');

    // Pages that exist: each at most once, and only those the model built.
    std::map<QString, int> windows;
    QList<QWidget*> visible;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            visible << widget;
        if (qobject_cast<pages::PageWindow*>(widget))
            ++windows[widget->objectName()];
    }
    for (const auto& [name, count] : windows)
        if (count > 1)
            return QStringLiteral("%1 instances of %2").arg(count).arg(name);

    if (model_.ended) {
        if (h.end.statuses != QList<int>{0})
            return QStringLiteral("the program should have ended once with status 0; ends: %1")
                .arg(h.end.statuses.size());
        if (!visible.isEmpty())
            return QStringLiteral("ended, but %1 is visible").arg(visible.first()->objectName());
        return {};
    }
    if (!h.end.statuses.isEmpty())
        return QStringLiteral("the program ended (status %1) where it should go on").arg(h.end.statuses.first());
    if (visible.size() != 1)
        return QStringLiteral("%1 windows visible instead of one").arg(visible.size());
    if (visible.first() != h.app.existing(model_.visible))
        return QStringLiteral("%1 is visible instead of %2").arg(visible.first()->objectName(), pageName(model_.visible));

    for (int n = 1; n <= shell::kPageCount; ++n) {
        pages::PageWindow* page = h.app.existing(n);
        if (bool(page) != model_.built[std::size_t(n)])
            return QStringLiteral("%1 %2").arg(pageName(n), page ? QStringLiteral("exists but was never looked up")
                                                                 : QStringLiteral("is missing"));
        if (page && page != instances_[std::size_t(n)])
            return QStringLiteral("%1 is a new instance").arg(pageName(n));
        if (page && windows[pageName(n)] != 1)
            return QStringLiteral("%1 is not a window of its own").arg(pageName(n));
        if (!page || !isQuizPage(n))
            continue;
        for (QCheckBox* box : page->findChildren<QCheckBox*>())
            if (box->isChecked() != model_.ticks[std::size_t(n)][std::size_t(slotOf(box))])
                return QStringLiteral("%1 %2 is %3 after an %4 number of clicks")
                    .arg(pageName(n), box->objectName(),
                         box->isChecked() ? QStringLiteral("ticked") : QStringLiteral("unticked"),
                         box->isChecked() ? QStringLiteral("even") : QStringLiteral("odd"));
    }
    if (int(windows.size()) != int(std::count(model_.built.begin(), model_.built.end(), true)))
        return QStringLiteral("%1 page windows for %2 pages").arg(windows.size()).arg(
            std::count(model_.built.begin(), model_.built.end(), true));

    if (pages::PageWindow* menu = h.app.existing(1)) {
        const QString line = support::control<QLabel>(menu, "Label2")->text();
        if (line != model_.hint)
            return QStringLiteral("hint line \"%1\" instead of \"%2\"").arg(line, model_.hint);
    }

    if (h.box.shown.size() != model_.boxes)
        return QStringLiteral("%1 message boxes shown instead of %2").arg(h.box.shown.size()).arg(model_.boxes);

    // The visible page with all of its controls, and the focus on one of them.
    pages::PageWindow* page = h.app.existing(model_.visible);
    if (!page->windowHandle() || page->size().isEmpty())
        return QStringLiteral("%1 is visible without a window").arg(page->objectName());
    QStringList names;
    for (QPushButton* button : page->findChildren<QPushButton*>())
        names << button->objectName();
    names.sort();
    QStringList expected = buttonsOf(model_.visible);
    expected.sort();
    if (names != expected)
        return QStringLiteral("%1 shows the buttons %2").arg(page->objectName(), names.join(u' '));
    const auto boxes = page->findChildren<QCheckBox*>();
    if (boxes.size() != slotCount(model_.visible))
        return QStringLiteral("%1 shows %2 check boxes").arg(page->objectName()).arg(boxes.size());
    for (QWidget* control : page->findChildren<QWidget*>())
        if (!control->isVisible() || control->size().isEmpty())
            return QStringLiteral("%1 is shown without %2").arg(page->objectName(), control->objectName());
    if (QWidget* focused = page->focusWidget())
        if (!qobject_cast<QAbstractButton*>(focused) || focused->window() != page)
            return QStringLiteral("focus on %1").arg(focused->objectName());
    return {};
}

// The program has ended: it starts anew, as a new process would, once every
// window of the old one is gone.
QString Soak::restart()
{
    h_.reset();
    settle();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<pages::PageWindow*>(widget))
            return QStringLiteral("%1 outlives its program").arg(widget->objectName());
    startProgram();
    return check();
}

QString Soak::run()
{
    startProgram();
    QString failure = check();  // event 0: the start
    while (failure.isEmpty() && index_ < events_) {
        ++index_;
        failure = step();
        if (failure.isEmpty() && model_.ended)
            failure = restart();
    }
    if (failure.isEmpty()) {
        h_.reset();
        settle();
        return {};
    }
    QString report = QStringLiteral("event %1 of %2, seed %3: %4\nreplay: FILORA_SOAK_SEED=%3 "
                                     "FILORA_SOAK_EVENTS=%1 tst_soak\nlast events:")
                         .arg(index_).arg(events_).arg(seed_).arg(failure);
    for (const QString& event : recent_)
        report += QStringLiteral("\n  ") + event;
    return report;
}

QString Soak::summary() const
{
    QStringList kinds;
    for (const auto& [kind, count] : kinds_)
        kinds << QStringLiteral("%1 %2").arg(count).arg(QLatin1String(kKindNames[int(kind)]));
    return QStringLiteral("%1 events on %2 pages in %3 runs (ended %4 times by a button, %5 by closing); "
                          "%6 pages shown; at most %7 boxes ticked at once; %8")
        .arg(events_).arg(seen_.size()).arg(starts_).arg(endsByButton_).arg(endsByClose_).arg(showWatch_.shows)
        .arg(mostTicks_).arg(kinds.join(QStringLiteral(", ")));
}

// The resident memory of this process in MiB, from Linux's /proc.
double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

}  // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { shell::prepareApplication(); }
    void randomEvents();
};

void TestSoak::randomEvents()
{
    const QByteArray seedText = qgetenv("FILORA_SOAK_SEED");
    quint32 seed = 1;
    if (seedText == "random")
        seed = QRandomGenerator::global()->generate();
    else if (!seedText.isEmpty())
        seed = seedText.toUInt();
    bool given = false;
    int events = qEnvironmentVariableIntValue("FILORA_SOAK_EVENTS", &given);
    if (!given)
        events = 3000;
    qInfo("soak: seed %u, %d events", seed, events);

    QElapsedTimer clock;
    clock.start();
    const double memoryBefore = residentMiB();
    Soak soak(seed, events);
    const QString failure = soak.run();
    qInfo("soak: %s; %.1f s; resident memory %.1f MiB before, %.1f MiB after", qPrintable(soak.summary()),
          double(clock.elapsed()) / 1000, memoryBefore, residentMiB());
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    if (events >= 3000) {
        // A run this long reaches every page and every kind of event.
        QCOMPARE(soak.pagesSeen(), shell::kPageCount);
        QCOMPARE(soak.kindsUsed(), int(std::size(kWeights)));
    }
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
