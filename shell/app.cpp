// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/app.h"

#include "pages/build.h"
#include "pages/widgets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>

#include <exception>

namespace shell {

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
    windows_.show(lookUp(to));
    windows_.hide(from);
    cache_.pageShown(pages_, pageNumber(to), from);
}

void App::endProgram()
{
    if (ended_)
        return;
    ended_ = true;
    for (auto& page : pages_)
        if (page)
            page->hide();
    end_.end(0);
}

void App::showMessage(QWidget* over, const QString& prompt, const QString& title)
{
    box_.show(over, prompt, title);
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
    try {
        handler();
    } catch (const std::exception& failure) {
        if (ended_)
            return;
        ended_ = true;
        try {
            box_.showFatal(QString::fromLocal8Bit(failure.what()));
        } catch (...) {
            // Nothing more can be told: the window system is gone.
        }
        end_.end(1);
    }
}

void App::onClick(pages::PageWindow* page, std::string_view handlerName, std::function<void()> handler)
{
    const auto underscore = handlerName.rfind('_');
    const std::string_view control = handlerName.substr(0, underscore);
    auto* button = qobject_cast<QAbstractButton*>(pages::findControl(page, control));
    if (!button)
        throw std::logic_error("no control for handler " + std::string(handlerName));
    auto run = [this, handler = std::move(handler)] { guarded(handler); };
    if (qobject_cast<QCheckBox*>(button))
        QObject::connect(button, &QAbstractButton::toggled, page, run);
    else
        QObject::connect(button, &QAbstractButton::clicked, page, run);
}

}  // namespace shell
