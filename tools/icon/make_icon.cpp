// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the program's icon: an orange sunset sky over a light-cyan band that
// carries the program's name in purple Arabic lettering. The artwork is laid
// out on a 72 × 72 grid, the size of the window icon, and is drawn at any size.
//
// Usage: filora-make-icon OUTPUT.png SIZE   the artwork, SIZE × SIZE pixels, 24-bit colour
//        filora-make-icon OUTPUT.svg        the same artwork as SVG, its lettering as outlines
//
// Every file under packaging/icons/ is made by it; `cmake --build build
// --target filora-icons` remakes them all (on the offscreen platform, with
// the Noto Naskh Arabic UI face of fonts-noto-ui-core installed).
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

// The artwork, on the 72 × 72 grid.
constexpr double kGrid = 72;
const QRectF kBand(0, 40, 72, 32);         // the light-cyan band that carries the name
const QRectF kHorizon(0, 40, 72, 2);       // its top edge
const QPointF kSunCentre(36, 40);
constexpr double kSunRadius = 16;
constexpr double kSkyBottom = 40;          // the sky's gradient runs from the top down to here
const QColor kBandColour(170, 240, 240);
const QColor kHorizonColour(120, 200, 210);
const QColor kLetterColour(110, 30, 140);
const QGradientStops kSky{{0, QColor(120, 40, 90)}, {0.45, QColor(235, 95, 40)}, {1, QColor(255, 190, 80)}};
const QGradientStops kSun{{0, QColor(255, 245, 190)}, {0.6, QColor(255, 210, 90)}, {1, QColor(255, 160, 60, 0)}};
const QString kName = QString::fromUtf8("فيلورا");

QFont letterFont()
{
    QFont f;
    f.setFamilies({QStringLiteral("Noto Naskh Arabic UI")});
    f.setPixelSize(21);
    f.setBold(true);
    return f;
}

bool writePng(const QString& output, int size)
{
    QImage img(size, size, QImage::Format_RGB888);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    QLinearGradient sky(0, 0, 0, kSkyBottom);
    sky.setStops(kSky);
    p.fillRect(QRectF(0, 0, kGrid, kGrid), sky);
    QRadialGradient sun(kSunCentre, kSunRadius);
    sun.setStops(kSun);
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(kSunCentre, kSunRadius, kSunRadius);
    p.fillRect(kBand, kBandColour);
    p.fillRect(kHorizon, kHorizonColour);
    p.setFont(letterFont());
    p.setPen(kLetterColour);
    p.drawText(kBand, Qt::AlignCenter, kName);
    p.end();
    return img.save(output, "png");
}

QString num(double v)
{
    QString s = QString::number(v, 'f', 3);
    while (s.contains(u'.') && (s.endsWith(u'0') || s.endsWith(u'.')))
        s.chop(1);
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

QString colour(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

QString stops(const QGradientStops& list)
{
    QString out;
    for (const QGradientStop& s : list) {
        out += QStringLiteral("      <stop offset=\"%1\" stop-color=\"%2\"").arg(num(s.first), colour(s.second));
        if (s.second.alpha() != 255)
            out += QStringLiteral(" stop-opacity=\"%1\"").arg(num(s.second.alphaF()));
        out += QStringLiteral("/>\n");
    }
    return out;
}

// The name's outline, centred in the band the way drawText centres it.
QString letterPath()
{
    const QFont font = letterFont();
    const QFontMetricsF metrics(font);
    const QPointF baseline(kBand.left() + (kBand.width() - metrics.horizontalAdvance(kName)) / 2,
                           kBand.top() + (kBand.height() - metrics.height()) / 2 + metrics.ascent());
    QPainterPath path;
    path.addText(baseline, font, kName);
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            d += QStringLiteral("M%1 %2").arg(num(e.x), num(e.y));
        } else if (e.isLineTo()) {
            d += QStringLiteral("L%1 %2").arg(num(e.x), num(e.y));
        } else if (e.isCurveTo()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                     .arg(num(e.x), num(e.y), num(c2.x), num(c2.y), num(end.x), num(end.y));
            i += 2;
        }
    }
    // Glyph outlines fill by the non-zero rule, like the font's own: joined
    // letters overlap, and the even-odd rule would cut holes where they do.
    return QStringLiteral("  <path fill=\"%1\" fill-rule=\"nonzero\" d=\"%2\"/>\n").arg(colour(kLetterColour), d);
}

bool writeSvg(const QString& output)
{
    QFile file(output);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<!-- The Filora icon, drawn by tools/icon/make_icon.cpp: do not edit. -->\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"72\" height=\"72\" viewBox=\"0 0 72 72\">\n"
        << "  <defs>\n"
        << "    <linearGradient id=\"sky\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\""
        << num(kSkyBottom) << "\">\n"
        << stops(kSky) << "    </linearGradient>\n"
        << "    <radialGradient id=\"sun\" gradientUnits=\"userSpaceOnUse\" cx=\"" << num(kSunCentre.x())
        << "\" cy=\"" << num(kSunCentre.y()) << "\" r=\"" << num(kSunRadius) << "\">\n"
        << stops(kSun) << "    </radialGradient>\n"
        << "  </defs>\n"
        << "  <rect width=\"72\" height=\"72\" fill=\"url(#sky)\"/>\n"
        << "  <circle cx=\"" << num(kSunCentre.x()) << "\" cy=\"" << num(kSunCentre.y()) << "\" r=\""
        << num(kSunRadius) << "\" fill=\"url(#sun)\"/>\n";
    for (const auto& [rect, fill] : {std::pair{kBand, kBandColour}, std::pair{kHorizon, kHorizonColour}})
        out << "  <rect x=\"" << num(rect.x()) << "\" y=\"" << num(rect.y()) << "\" width=\"" << num(rect.width())
            << "\" height=\"" << num(rect.height()) << "\" fill=\"" << colour(fill) << "\"/>\n";
    out << letterPath() << "</svg>\n";
    out.flush();
    return file.error() == QFileDevice::NoError;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (QFontInfo(letterFont()).family() != QLatin1String("Noto Naskh Arabic UI")) {
        std::fputs("filora-make-icon: the face Noto Naskh Arabic UI (fonts-noto-ui-core) is missing\n", stderr);
        return 1;
    }
    bool written = false;
    if (argc == 2 && output.endsWith(QLatin1String(".svg"))) {
        written = writeSvg(output);
    } else if (argc == 3 && output.endsWith(QLatin1String(".png")) && std::atoi(argv[2]) > 0) {
        written = writePng(output, std::atoi(argv[2]));
    } else {
        std::fputs("usage: filora-make-icon OUTPUT.png SIZE | filora-make-icon OUTPUT.svg\n", stderr);
        return 2;
    }
    if (!written) {
        std::fprintf(stderr, "filora-make-icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
