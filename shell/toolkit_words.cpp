// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/toolkit_words.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

namespace shell {

bool installArabicToolkitWords()
{
    // Set before the catalogue arrives: a direction set explicitly is one
    // that the catalogue's right-to-left entry no longer overrides.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    auto* catalogue = new QTranslator(QCoreApplication::instance());
    if (!catalogue->load(QLocale(QLocale::Arabic), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(catalogue)) {
        delete catalogue;
        return false;
    }
    return true;
}

void nameUntitledBox(QWidget& box)
{
    if (box.windowTitle().isEmpty())
        box.setWindowTitle(QStringLiteral("فيلورا"));
}

}  // namespace shell
