// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/start.h"

#include "info/info_pages.h"
#include "pages/look.h"
#include "pages/style.h"
#include "pages/widgets.h"
#include "quiz/quiz_page.h"
#include "shell/app.h"
#include "shell/main_menu.h"
#include "shell/toolkit_words.h"

#include <QApplication>
#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <unistd.h>

namespace shell {

pages::PageWindow* buildAndBind(App& app, int number)
{
    if (number == 1)
        return buildMainMenu(app);
    if (number >= 2 && number <= 22)
        return quiz::buildQuizPage(app, number);
    return info::buildInfoPage(app, number);
}

void prepareApplication()
{
    if (QStyle* style = pages::createPageStyle())
        QApplication::setStyle(style);
    pages::installAccessibility();
    pages::installDefaultFont();
    installArabicToolkitWords();
    // Pages are hidden, not closed, when the user moves on; the program
    // decides itself when it ends.
    QApplication::setQuitOnLastWindowClosed(false);
}

namespace {

// Until the application object exists, Qt's messages are held back: when the
// platform cannot be opened, the user gets one clear report instead of Qt's
// scattered lines and an abort. Qt's own threads (the X11 event reader) log
// too, so the held messages are guarded.
struct HeldMessages {
    std::mutex lock;
    std::string text;
    bool released = false;  // printed; later messages go to Qt's handler
    QtMessageHandler previous = nullptr;
};

HeldMessages& held()
{
    static HeldMessages messages;
    return messages;
}

// Whether Qt's messages say that no display server could be reached (and
// not, say, that the platform plugin is missing).
bool noDisplayReached(const std::string& messages)
{
    return messages.find("could not connect to display") != std::string::npos
        || messages.find("Failed to create wl_display") != std::string::npos;
}

void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const std::string line = qFormatLogMessage(type, context, message).toStdString();
    HeldMessages& messages = held();
    std::unique_lock guard(messages.lock);
    if (messages.released) {
        const QtMessageHandler previous = messages.previous;
        guard.unlock();
        if (previous)
            previous(type, context, message);
        return;
    }
    if (type != QtFatalMsg) {
        messages.text += line;
        messages.text += '\n';
        return;
    }
    // The platform could not be opened: say why, once, and end with status 1
    // (without Qt's abort and its core dump).
    if (noDisplayReached(messages.text)) {
        const char* display = std::getenv("DISPLAY");
        const bool named = display && *display;
        std::fprintf(stderr, "filora: cannot open a window: no display could be reached%s%s%s\n",
                     named ? " (DISPLAY=" : "", named ? display : "", named ? ")" : "");
    } else {
        std::string report = messages.text + line;
        while (!report.empty() && report.back() == '\n')
            report.pop_back();
        std::fprintf(stderr, "filora: cannot open a window; Qt reported:\n%s\n", report.c_str());
    }
    std::fflush(stderr);
    _exit(1);
}

void holdStartupMessages()
{
    held().previous = qInstallMessageHandler(startupMessageHandler);
}

// The application exists: what was held is printed, and Qt's handler takes
// over.
void releaseStartupMessages()
{
    HeldMessages& messages = held();
    const std::lock_guard guard(messages.lock);
    qInstallMessageHandler(messages.previous);
    messages.released = true;
    if (!messages.text.empty())
        std::fputs(messages.text.c_str(), stderr);
    messages.text.clear();
}

}  // namespace

int startAndRun(App& app)
{
    app.start();
    if (const std::optional<int> status = app.exitRequested())
        return *status;
    if (!app.existing(1) || !app.existing(1)->isVisible())
        return 1;  // no window to run for
    return QApplication::exec();
}

int run(int argc, char** argv)
{
    holdStartupMessages();
    QApplication application(argc, argv);
    releaseStartupMessages();

    // Task bars match the windows to the desktop entry, and show its icon, by
    // the desktop file name (the Wayland app id, org.example.filora, set in
    // CMakeLists.txt) or, on X11, by the window class, which is the application
    // name (the entry's StartupWMClass). No display name is set: Qt would
    // append it to every window title.
    QApplication::setApplicationName(QStringLiteral("filora"));
    QGuiApplication::setDesktopFileName(QStringLiteral(FILORA_ID));
    prepareApplication();

    App app;
    return startAndRun(app);
}

}  // namespace shell
