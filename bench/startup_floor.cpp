// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for start-up and memory: the smallest Qt program that shows
// Arabic in the program's faces. One window the size of the main menu
// (446 x 427 at 96 dpi) with one line of Arabic in the default face (DejaVu
// Sans 8 pt, Noto Naskh Arabic UI behind it) and a large bold banner in the
// "Arial" faces (Liberation Sans, Noto Naskh Arabic UI behind it). It reads
// the font configuration, loads the Arabic faces and shapes, as any Arabic
// Qt program must, and nothing more; it ends right after its first paint.

#include "first_paint.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    new bench::FirstPaintExit(QString());

    QFont normal;
    normal.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Naskh Arabic UI")});
    normal.setPointSize(8);
    QApplication::setFont(normal);

    QWidget window;
    window.resize(446, 427);
    auto* banner = new QLabel(QStringLiteral(u"أهلا ومرحبا بكم في فيلورا"), &window);
    QFont large;
    large.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("Noto Naskh Arabic UI")});
    large.setPointSize(48);
    large.setBold(true);
    banner->setFont(large);
    banner->setWordWrap(true);
    banner->setAlignment(Qt::AlignCenter);
    banner->setGeometry(16, 16, 417, 161);
    auto* line = new QLabel(QStringLiteral(u"إختبر معلوماتك واستمتع"), &window);
    line->setGeometry(16, 200, 417, 13);
    window.show();
    return QApplication::exec();
}
