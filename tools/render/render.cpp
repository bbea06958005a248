// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds every page on the offscreen platform and writes one PNG per page,
// named after the page (Form1.png .. Form26.png), into the folder given.
// Usage: filora-render FOLDER

#include "pages/widgets.h"
#include "shell/app.h"
#include "shell/start.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    shell::prepareApplication();

    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    shell::App app;
    int failures = 0;
    for (int number = 1; number <= shell::kPageCount; ++number) {
        pages::PageWindow* page = app.lookUp(number);
        page->show();
        QApplication::processEvents();
        const QString file = folder.filePath(page->objectName() + QStringLiteral(".png"));
        if (!page->grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ++failures;
        }
        page->hide();
    }
    return failures == 0 ? 0 : 1;
}
