// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The baseline for start-up: a bare Qt application that shows one empty
// widget, the size of a page's client area (446 x 427 at 96 dpi), and ends
// right after its first paint.

#include "first_paint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    new bench::FirstPaintExit(QString());
    QWidget window;
    window.resize(446, 427);
    window.show();
    return QApplication::exec();
}
