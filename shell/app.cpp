// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/app.h"

#include "pages/build.h"
#include "pages/widgets.h"
#include "shell/buttons.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QSignalBlocker>

#include <exception>

namespace shell {

namespace {

// Keeps a page open while a message box blocks the pages: a close that does
// not come from the user's input (a posted or sent close event) would
// otherwise destroy it beneath the box.
class CloseGate final : public QObject {
    Q_OBJECT
public:
    CloseGate(const App& app, QObject* page) : QObject(page), app_(app) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Close || !app_.blocked())
            return false;
        event->ignore();
        return true;
    }

private:
    const App& app_;
};

}  // namespace

App::App(MessageBox& box, ProcessEnd& end, Windows& windows, PageFactory factory)
    : box_(box), end_(end), windows_(windows), factory_(std::move(factory))
{
}

App::~App()
{
    for (auto& page : pages_)
        delete page.data();
}

int App::pageNumber(std::string_view name)
{
    if (name.size() < 5 || name.size() > 6 || name.substr(0, 4) != "Form")
        return 0;
    int number = 0;
    for (char c : name.substr(4)) {
        if (c < '0' || c > '9')
            return 0;
        number = number * 10 + (c - '0');
    }
    return number >= 1 && number <= kPageCount ? number : 0;
}

pages::PageWindow* App::existing(int number) const
{
    return pages_.at(std::size_t(number - 1)).data();
}

pages::PageWindow* App::lookUp(int number)
{
    auto& entry = pages_.at(std::size_t(number - 1));
    if (!entry) {
        pages::PageWindow* page = factory_(*this, number);
        if (!page)
            throw WindowSystemError("the window of page Form" + std::to_string(number) + " could not be created");
        // Closing a page through the window system destroys it with its
        // state; the next look-up builds it afresh.
        page->setAttribute(Qt::WA_DeleteOnClose);
        page->installEventFilter(new CloseGate(*this, page));
        QObject::connect(page, &pages::PageWindow::closedByUser, page, [this, number] { pageClosed(number); });
        entry = page;
    }
    return entry.data();
}

pages::PageWindow* App::lookUp(std::string_view name)
{
    const int number = pageNumber(name);
    if (number == 0)
        throw std::invalid_argument("no page is named " + std::string(name));
    return lookUp(number);
}

void App::start()
{
    guarded([this] { windows_.show(lookUp(1)); });
}

void App::navigate(QWidget* from, std::string_view to)
{
    if (blocked())
        return;
    pages::PageWindow* target = lookUp(to);
    windows_.show(target);
    windows_.hide(from);
    const int onward = pageNumber(target->onward());
    cache_.pageShown(pages_, target, {from, onward ? existing(onward) : nullptr});
}

void App::endProgram()
{
    if (exitRequested_ || blocked())
        return;
    for (auto& page : pages_)
        if (page)
            page->hide();
    requestExit(0);
}

void App::requestExit(int status)
{
    if (exitRequested_)
        return;
    exitRequested_ = status;
    end_.end(status);
}

void App::showMessage(QWidget* over, const QString& prompt, const QString& title)
{
    if (!blocked())
        box_.show(over, prompt, title);
}

bool App::blocked() const
{
    return showingFatal_ || box_.isOpen();
}

void App::pageClosed(int number)
{
    pages_.at(std::size_t(number - 1)) = nullptr;
    // Exactly one page is visible at a time: once it is closed, no page can
    // be reached any more, so the program ends as its exit buttons end it.
    for (const auto& page : pages_)
        if (page && page->isVisible())
            return;
    endProgram();
}

void App::guarded(const std::function<void()>& handler)
{
    if (blocked() || fatalReported_ || exitRequested_)
        return;
    try {
        handler();
    } catch (const std::exception& failure) {
        reportFatal(QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        reportFatal(QStringLiteral("an unknown failure"));
    }
}

void App::reportFatal(const QString& what)
{
    if (fatalReported_ || exitRequested_)
        return;
    fatalReported_ = true;
    showingFatal_ = true;
    try {
        box_.showFatal(what);
    } catch (...) {
        // Nothing more can be told: the window system is gone.
    }
    showingFatal_ = false;
    requestExit(1);
}

void App::onClick(pages::PageWindow* page, std::string_view handlerName, std::function<void()> handler)
{
    const auto underscore = handlerName.rfind('_');
    const std::string_view control = handlerName.substr(0, underscore);
    auto* button = qobject_cast<QAbstractButton*>(pages::findControl(page, control));
    if (!button)
        throw std::logic_error("no control for handler " + std::string(handlerName));
    auto run = [this, handler = std::move(handler)] { guarded(handler); };
    if (qobject_cast<QCheckBox*>(button)) {
        // An assistive technology toggles a box directly, past the modality
        // that holds back the user's input: while a box blocks the pages,
        // the tick is put back before anything else sees the change.
        QObject::connect(button, &QAbstractButton::toggled, page, [this, button, run](bool checked) {
            if (blocked()) {
                const QSignalBlocker quiet(button);
                button->setChecked(!checked);
                return;
            }
            run();
        });
    } else {
        QObject::connect(button, &QAbstractButton::clicked, page, run);
        pressOnReturn(button);
    }
}

}  // namespace shell

#include "app.moc"
