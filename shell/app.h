// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The running program: the page registry, navigate and end program, and the
// binding of event handlers to the controls of a page.

#include "shell/page_cache.h"

#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string_view>

class QWidget;

namespace pages {
class PageWindow;
}

namespace shell {

inline constexpr int kPageCount = 26;

// The window system failed (a page could not be created, shown or hidden, or
// a message box could not be shown).
class WindowSystemError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The platform's modal message box with one OK button and no icon, its text
// aligned right (not right-to-left reading order). Its result is never used.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Opens the box and returns at once; the box stays open until the user
    // closes it, and then gives the keyboard back to `over`.
    virtual void show(QWidget* over, const QString& prompt, const QString& title) = 0;
    // Whether a box opened by show() is still open (never, for a box that
    // is closed before show() returns).
    virtual bool isOpen() const { return false; }
    // Tells the user that the program must end because of a failure, and
    // returns when the user has closed the box.
    virtual void showFatal(const QString& what) = 0;
};

// Ends the process with the given status.
class ProcessEnd {
public:
    virtual ~ProcessEnd() = default;
    virtual void end(int status) = 0;
};

// Shows (modeless, no owner, activated) and hides page windows.
class Windows {
public:
    virtual ~Windows() = default;
    virtual void show(QWidget* page) = 0;
    virtual void hide(QWidget* page) = 0;
};

// The real implementations.
MessageBox& platformMessageBox();
ProcessEnd& platformProcessEnd();
Windows& platformWindows();

class App;
// Builds page number n (1 .. 26) hidden, with its handlers bound.
using PageFactory = std::function<pages::PageWindow*(App& app, int number)>;
pages::PageWindow* buildAndBind(App& app, int number);

class App {
public:
    explicit App(MessageBox& box = platformMessageBox(), ProcessEnd& end = platformProcessEnd(),
                 Windows& windows = platformWindows(), PageFactory factory = buildAndBind);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Start-up: looks up Form1 and shows it.
    void start();

    // The single instance of a page, created hidden on the first look-up.
    pages::PageWindow* lookUp(int number);
    pages::PageWindow* lookUp(std::string_view name);
    // The instance if it exists, without creating it.
    pages::PageWindow* existing(int number) const;

    // Shows the target, then hides `from`, in that order.
    void navigate(QWidget* from, std::string_view to);
    // Closes every page at once and ends the process with status 0.
    void endProgram();
    void showMessage(QWidget* over, const QString& prompt, const QString& title);

    // A message box is open: it blocks every page, whatever the source of an
    // action (the user, an assistive technology, a timer or a posted event).
    // No handler runs, no tick changes, no page is shown, hidden or closed.
    bool blocked() const;

    // A failure was reported to the user; the program ends with status 1.
    bool fatalReported() const { return fatalReported_; }
    // The status the program was asked to end with, if it was.
    std::optional<int> exitRequested() const { return exitRequested_; }

    // Binds a handler named "<Control>_Click" to the click of that control
    // (found without regard to case). A check box's click is any change of
    // its state by the user (mouse, Space, or an assistive technology).
    void onClick(pages::PageWindow* page, std::string_view handlerName, std::function<void()> handler);
    // Runs a handler unless a box blocks the pages or the program is ending;
    // a failure inside it (of any type) is reported and ends the program.
    void guarded(const std::function<void()>& handler);

    static int pageNumber(std::string_view name);  // "Form7" -> 7, 0 when unknown

private:
    void pageClosed(int number);
    void requestExit(int status);
    void reportFatal(const QString& what);

    MessageBox& box_;
    ProcessEnd& end_;
    Windows& windows_;
    PageFactory factory_;
    std::array<QPointer<pages::PageWindow>, kPageCount> pages_{};
    PageCache cache_;
    bool fatalReported_ = false;
    std::optional<int> exitRequested_;
    bool showingFatal_ = false;
};

}  // namespace shell
