// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A second, informative baseline for start-up: the bare window with one line
// of Arabic in Qt's default font, so that the cost every Qt program pays
// for its first text (reading the font configuration, loading a face,
// shaping) can be told apart from the program's own.

#include "first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    new bench::FirstPaintExit(QString());
    QWidget window;
    window.resize(446, 427);
    auto* line = new QLabel(QStringLiteral(u"أهلا ومرحبا بكم"), &window);
    line->move(20, 20);
    window.show();
    return QApplication::exec();
}
