// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/look.h"

#include <QApplication>
#include <QPalette>
#include <QString>
#include <QStringList>

namespace pages {

namespace {

// The face that stands behind every named face for Arabic glyphs.
constexpr auto kArabicFace = "Noto Naskh Arabic UI";

}  // namespace

bool isSystemColour(Colour colour)
{
    return (colour & 0x80000000u) != 0;
}

QColor resolveColour(Colour colour, const QPalette& palette)
{
    if (!isSystemColour(colour))
        return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
    switch (colour & 0xFF) {
    case 8:  // window text
        return palette.color(QPalette::WindowText);
    case 14:  // highlighted text
        return palette.color(QPalette::HighlightedText);
    case 18:  // button text
        return palette.color(QPalette::ButtonText);
    case 20:  // button highlight
        return palette.color(QPalette::Light);
    case 24:  // tooltip background
        return palette.color(QPalette::ToolTipBase);
    case 6:  // window frame: no palette role, the standard scheme's value
    case 7:  // menu text: likewise
    default:
        return QColor(0, 0, 0);
    }
}

QFont makeFont(const Font& font)
{
    QFont f;
    const QString face = QString::fromUtf16(font.face.data(), qsizetype(font.face.size()));
    QStringList families{face};
    if (face.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        families << QStringLiteral("Liberation Sans");
    families << QLatin1String(kArabicFace);
    f.setFamilies(families);
    f.setPointSizeF(font.size / 10000.0);
    f.setWeight(QFont::Weight(font.weight));
    return f;
}

QFont defaultFont()
{
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QLatin1String(kArabicFace)});
    f.setPointSize(8);
    f.setWeight(QFont::Normal);
    return f;
}

void installDefaultFont()
{
    QApplication::setFont(defaultFont());
}

}  // namespace pages
