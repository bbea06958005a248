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

// Until the application object exists, Qt's messages are held back: if the
// platform cannot be opened, the user gets one clear line instead of Qt's
// report and an abort.
std::string g_heldMessages;
QtMessageHandler g_previousHandler = nullptr;

void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        const char* display = std::getenv("DISPLAY");
        std::fprintf(stderr, "filora: cannot open a window: no display could be reached%s%s%s\n",
                     display && *display ? " (DISPLAY=" : "", display && *display ? display : "",
                     display && *display ? ")" : "");
        std::fflush(stderr);
        _exit(1);
    }
    g_heldMessages += qFormatLogMessage(type, context, message).toStdString();
    g_heldMessages += '\n';
}

}  // namespace

int run(int argc, char** argv)
{
    g_previousHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(g_previousHandler);
    if (!g_heldMessages.empty())
        std::fputs(g_heldMessages.c_str(), stderr);

    // Task bars match the windows to the desktop entry, and show its icon, by
    // the desktop file name (the Wayland app id, org.example.filora, set in
    // CMakeLists.txt) or, on X11, by the window class, which is the application
    // name (the entry's StartupWMClass). No display name is set: Qt would
    // append it to every window title.
    QApplication::setApplicationName(QStringLiteral("filora"));
    QGuiApplication::setDesktopFileName(QStringLiteral(FILORA_ID));
    prepareApplication();

    App app;
    app.start();
    if (!app.existing(1) || !app.existing(1)->isVisible())
        return 1;  // start-up failed and was reported
    return QApplication::exec();
}

}  // namespace shell
