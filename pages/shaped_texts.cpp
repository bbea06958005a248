// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/shaped_texts.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QRect>
#include <QTextLine>
#include <QtMath>

namespace pages {

namespace {

// Flags whose handling by drawText takes more than placing lines.
constexpr int kUnhandledFlags = Qt::TextWordWrap | Qt::TextWrapAnywhere | Qt::TextJustificationForced
    | Qt::TextExpandTabs | Qt::AlignJustify | Qt::TextForceLeftToRight | Qt::TextForceRightToLeft
    | Qt::TextDontPrint;

bool handled(int flags, const QString& text)
{
    if ((flags & kUnhandledFlags) || (flags & Qt::AlignRight))
        return false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'&' || u == u'\t' || u == u'\n' || u == u'\r' || u == 0x9c)
            return false;
    }
    return true;
}

// drawText aligns by the painter's direction: in a right-to-left painter a
// non-absolute left is a right.
int visualFlags(int flags, Qt::LayoutDirection direction)
{
    if (direction != Qt::RightToLeft || (flags & Qt::AlignAbsolute))
        return flags;
    const int horizontal = flags & (Qt::AlignLeft | Qt::AlignRight);
    if (horizontal == Qt::AlignLeft)
        return (flags & ~Qt::AlignLeft) | Qt::AlignRight;
    if (horizontal == Qt::AlignRight)
        return (flags & ~Qt::AlignRight) | Qt::AlignLeft;
    return flags;
}

}  // namespace

bool ShapedTexts::draw(QPainter* painter, const QRect& rect, int flags, const QString& text)
{
    const Qt::LayoutDirection direction = painter->layoutDirection();
    flags = visualFlags(flags, direction);
    if (text.isEmpty() || !handled(flags, text))
        return false;

    const QFont font = painter->font();
    Key key{text, font, painter->device() ? painter->device()->logicalDpiY() : 0, direction};
    if (kept_.size() >= kLimit && !kept_.contains(key))
        kept_.clear();
    std::shared_ptr<Shaped>& slot = kept_[key];
    if (!slot) {
        slot = std::make_shared<Shaped>();
        QTextLayout& layout = slot->layout;
        layout.setText(text);
        layout.setFont(font);
        QTextOption option;
        option.setTextDirection(direction);
        option.setAlignment(Qt::AlignLeft);  // lines are placed below, once
        layout.setTextOption(option);
        layout.setCacheEnabled(true);
        // Lines on whole pixels, the font's leading between them.
        const qreal leading = QFontMetricsF(font).leading();
        qreal height = -leading;
        layout.beginLayout();
        for (;;) {
            QTextLine line = layout.createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(0x01000000);
            height = qCeil(height + leading);
            line.setPosition(QPointF(0, height));
            height += line.ascent() + line.descent();
            slot->width = qMax(slot->width, line.naturalTextWidth());
        }
        layout.endLayout();
        slot->height = height;
    }
    const Shaped& shaped = *slot;

    const QRectF r(rect);
    qreal yoff = 0;
    if (flags & Qt::AlignBottom)
        yoff = r.height() - shaped.height;
    else if (flags & Qt::AlignVCenter)
        yoff = (r.height() - shaped.height) / 2;
    const qreal blockX = (flags & Qt::AlignHCenter) ? (r.width() - shaped.width) / 2 : 0;
    const QRectF bounds(r.x() + blockX, r.y() + yoff, shaped.width, shaped.height);
    const bool clip = !(flags & Qt::TextDontClip) && !r.contains(bounds);
    if (clip) {
        painter->save();
        painter->setClipRect(r, Qt::IntersectClip);
    }
    for (int i = 0; i < shaped.layout.lineCount(); ++i) {
        const QTextLine line = shaped.layout.lineAt(i);
        const qreal xoff = (flags & Qt::AlignHCenter) ? (r.width() - line.horizontalAdvance()) / 2 : 0;
        line.draw(painter, QPointF(r.x() + xoff, r.y() + yoff));
    }
    if (clip)
        painter->restore();
    return true;
}

}  // namespace pages
