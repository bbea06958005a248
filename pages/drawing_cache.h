// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The drawing of an opaque widget, kept as an image. A page is drawn in full
// each time it is shown, and its large bold texts and check boxes cost most
// of that: an opaque label, frame or check box draws itself into an image
// and afterwards copies the image, until anything it is drawn from changes.
// The image is drawn exactly as the widget would be drawn on the screen,
// pixel for pixel.
//
// A drawing is kept from the second paint on: a page that is passed through
// once does not pay for images it never copies. Drawings made ahead of a
// show (prepare) are kept at once.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include <array>
#include <functional>

class QPainter;
class QWidget;

namespace pages {

// Everything an opaque widget's drawing depends on.
struct DrawingKey {
    QString text;
    QFont font;
    QSize size;
    qreal ratio = 1;  // device pixels per pixel
    int flags = 0;    // alignment, a control's state and the like
    std::array<QRgb, 4> colours{};
    qint64 palette = 0;  // all of a palette's colours, where they all count

    bool operator==(const DrawingKey&) const = default;
};

class DrawingCache {
public:
    using Draw = std::function<void(QPainter&)>;

    // Copies the kept drawing of `widget` to `painter` at the widget's
    // origin. When nothing is kept for `key`, draws through `draw` (which
    // paints the whole widget on the painter it is given, set up with the
    // widget's font, pen and direction as a painter on the widget is):
    // straight onto `painter` the first time, into a kept image after that.
    void paint(QPainter& painter, const QWidget* widget, const DrawingKey& key, const Draw& draw);
    // Draws it now, ahead of the widget's next paint.
    void prepare(const QWidget* widget, const DrawingKey& key, const Draw& draw);
    // Gives the image back; the next paint draws straight onto the widget.
    void release();
    bool holds() const { return !image_.isNull(); }

private:
    bool holdsFor(const DrawingKey& key) const { return !image_.isNull() && key == key_; }

    DrawingKey key_;
    QImage image_;
    bool drawnOnce_ = false;  // painted since made or released
};

}  // namespace pages
