// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The captions of push buttons and check boxes, shaped once. The widget
// style draws a control's caption with QPainter::drawText, which breaks the
// text into runs, orders them and shapes the Arabic afresh on every paint,
// and a page paints all its controls each time it is shown. The page style
// keeps each caption's layout and draws it again from there, placed exactly
// as drawText places it.

#include <QFont>
#include <QHash>
#include <QString>
#include <QTextLayout>

#include <memory>

class QPainter;
class QRect;

namespace pages {

class ShapedTexts {
public:
    // Draws `text` in `rect` with the painter's font and pen, as
    // painter->drawText(rect, flags, text) would. False, having drawn
    // nothing, for what is not kept here: text that wraps, holds ampersands,
    // tabs or line breaks, or is aligned to the right.
    bool draw(QPainter* painter, const QRect& rect, int flags, const QString& text);

    // At most this many captions are kept; past it, all are dropped and
    // shaped again as they are drawn.
    static constexpr int kLimit = 512;

private:
    struct Key {
        QString text;
        QFont font;
        int dpi;
        Qt::LayoutDirection direction;
        bool operator==(const Key&) const = default;
        friend size_t qHash(const Key& key, size_t seed = 0)
        {
            return qHashMulti(seed, key.text, key.font, key.dpi, int(key.direction));
        }
    };
    struct Shaped {
        QTextLayout layout;
        qreal height = 0;  // all lines, from the top of the first
        qreal width = 0;   // the widest line
    };

    QHash<Key, std::shared_ptr<Shaped>> kept_;
};

}  // namespace pages
