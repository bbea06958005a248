// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/drawing_cache.h"

#include <QPainter>
#include <QWidget>

namespace pages {

void DrawingCache::prepare(const QWidget* widget, const DrawingKey& key, const Draw& draw)
{
    if (holdsFor(key))
        return;
    key_ = key;
    const QSize pixels = (QSizeF(key.size) * key.ratio).toSize();
    if (pixels.isEmpty()) {
        image_ = QImage();
        return;
    }
    // The surfaces widgets are drawn on are 32-bit RGB without alpha, so
    // text blended onto this image comes out as it would on the screen.
    if (image_.size() != pixels)
        image_ = QImage(pixels, QImage::Format_RGB32);
    image_.setDevicePixelRatio(key.ratio);
    QPainter painter(&image_);
    painter.setFont(widget->font());
    painter.setPen(widget->palette().color(widget->foregroundRole()));
    painter.setLayoutDirection(widget->layoutDirection());
    draw(painter);
}

void DrawingCache::paint(QPainter& painter, const QWidget* widget, const DrawingKey& key, const Draw& draw)
{
    if (!holdsFor(key) && !drawnOnce_) {
        drawnOnce_ = true;
        draw(painter);
        return;
    }
    prepare(widget, key, draw);
    if (!image_.isNull())
        painter.drawImage(QPoint(0, 0), image_);
}

void DrawingCache::release()
{
    image_ = QImage();
    key_ = DrawingKey();
    drawnOnce_ = false;
}

}  // namespace pages
