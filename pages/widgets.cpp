// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/widgets.h"

#include "pages/look.h"

#include <QCloseEvent>
#include <QStyle>
#include <QStyleOptionButton>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTextOption>
#include <QtMath>

namespace pages {

// ---- page window ----------------------------------------------------------

PageWindow::PageWindow(Colour back) : back_(back)
{
    // The page paints its own background; nothing is laid out again on resize.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), resolveColour(back_, palette()));
}

void PageWindow::showEvent(QShowEvent* event)
{
    // Centred on the screen when first shown; afterwards it stays where it is.
    if (!placed_) {
        placed_ = true;
        if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    }
    QWidget::showEvent(event);
}

void PageWindow::releaseWindow()
{
    if (!isVisible() && testAttribute(Qt::WA_WState_Created))
        destroy();
}

void PageWindow::prepareWindow()
{
    if (!isVisible() && !testAttribute(Qt::WA_WState_Created))
        create();
}

void PageWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closedByUser();
}

// ---- label ----------------------------------------------------------------

Label::Label(Colour back, Colour fore, Align align, QWidget* parent)
    : QLabel(parent), back_(back), fore_(fore), align_(align)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    switch (align) {
    case Align::Left: setAlignment(Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignTop); break;
    case Align::Right: setAlignment(Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignTop); break;
    case Align::Centre: setAlignment(Qt::AlignHCenter | Qt::AlignTop); break;
    }
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Label::layOut()
{
    const QString current = text();
    if (current == laidText_ && width() == laidWidth_ && font() == laidFont_ && alignment() == laidAlignment_
        && wordWrap() == laidWrap_)
        return;
    laidText_ = current;
    laidWidth_ = width();
    laidFont_ = font();
    laidAlignment_ = alignment();
    laidWrap_ = wordWrap();

    QTextOption option;
    option.setWrapMode(wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
    option.setTextDirection(Qt::LeftToRight);  // paragraph level 0
    option.setAlignment(alignment() & Qt::AlignHorizontal_Mask);
    layout_.setCacheEnabled(true);  // pages repaint on every return
    layout_.setText(current);
    layout_.setFont(font());
    layout_.setTextOption(option);

    // Lines stand at the label font's own line height, so a face that fills
    // in Arabic glyphs does not push the lines apart.
    const QFontMetrics metrics(font());
    const qreal lineHeight = metrics.height();
    const qreal ascent = metrics.ascent();
    layout_.beginLayout();
    for (int row = 0;; ++row) {
        QTextLine line = layout_.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width());
        line.setPosition(QPointF(0, row * lineHeight + ascent - line.ascent()));
    }
    layout_.endLayout();
}

QList<QRectF> Label::lineRects()
{
    layOut();
    QList<QRectF> rects;
    for (int i = 0; i < layout_.lineCount(); ++i)
        rects << layout_.lineAt(i).naturalTextRect();
    return rects;
}

QSize Label::oneLineSize() const
{
    QTextLayout layout(text(), font());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const int width = line.isValid() ? qCeil(line.naturalTextWidth()) : 0;
    return QSize(width, QFontMetrics(font()).height());
}

void Label::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), resolveColour(back_, palette()));
    if (text().isEmpty())
        return;
    layOut();
    painter.setPen(resolveColour(fore_, palette()));
    painter.setClipRect(rect());  // what does not fit is cut at the bottom edge
    layout_.draw(&painter, QPointF(0, 0));
}

// ---- frame ----------------------------------------------------------------

namespace {
constexpr int kCaptionInset = 8;  // from the frame's side edge to its caption
constexpr int kCaptionGap = 2;    // blank space on each side of the caption
}  // namespace

Frame::Frame(Colour back, Colour fore, bool rightToLeft, QWidget* parent)
    : QGroupBox(parent), back_(back), fore_(fore), rightToLeft_(rightToLeft)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QString Frame::caption() const
{
    QString shown = title();
    shown.replace(QLatin1String("&&"), QLatin1String("&"));
    return shown;
}

QRect Frame::captionRect() const
{
    const QFontMetrics metrics(font());
    // Measuring shapes the caption: measured again only when it changes.
    if (measuredTitle_ != title() || measuredFont_ != font()) {
        measuredTitle_ = title();
        measuredFont_ = font();
        captionWidth_ = metrics.horizontalAdvance(caption());
    }
    const int x = rightToLeft_ ? width() - kCaptionInset - captionWidth_ : kCaptionInset;
    return QRect(x, 0, captionWidth_, metrics.height());
}

void Frame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor back = resolveColour(back_, palette());
    painter.fillRect(rect(), back);

    // An etched border, dark line and light line, whose top runs through the
    // middle of the caption.
    const int captionHeight = QFontMetrics(font()).height();
    const QRect border = rect().adjusted(0, captionHeight / 2, -2, -2);
    auto outline = [&painter](const QRect& r, const QColor& colour) {
        painter.fillRect(QRect(r.left(), r.top(), r.width() + 1, 1), colour);
        painter.fillRect(QRect(r.left(), r.bottom() + 1, r.width() + 1, 1), colour);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height() + 1), colour);
        painter.fillRect(QRect(r.right() + 1, r.top(), 1, r.height() + 1), colour);
    };
    outline(border, palette().color(QPalette::Dark));
    outline(border.translated(1, 1), palette().color(QPalette::Light));

    if (title().isEmpty())
        return;
    const QRect caption = captionRect();
    painter.fillRect(caption.adjusted(-kCaptionGap, 0, kCaptionGap, 0), back);

    if (laidTitle_ != title() || laidFont_ != font() || laidWidth_ != caption.width()) {
        laidTitle_ = title();
        laidFont_ = font();
        laidWidth_ = caption.width();
        QTextOption option;
        option.setTextDirection(rightToLeft_ ? Qt::RightToLeft : Qt::LeftToRight);
        option.setAlignment(Qt::AlignAbsolute | (rightToLeft_ ? Qt::AlignRight : Qt::AlignLeft));
        option.setWrapMode(QTextOption::NoWrap);
        captionLayout_.setCacheEnabled(true);
        captionLayout_.setText(Frame::caption());
        captionLayout_.setFont(laidFont_);
        captionLayout_.setTextOption(option);
        captionLayout_.beginLayout();
        QTextLine line = captionLayout_.createLine();
        line.setLineWidth(laidWidth_);
        line.setPosition(QPointF(0, 0));
        captionLayout_.endLayout();
    }
    painter.setPen(resolveColour(fore_, palette()));
    captionLayout_.draw(&painter, caption.topLeft());
}

// ---- check box --------------------------------------------------------------

CheckBox::CheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent)
{
    // It fills its own background.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CheckBox::paintEvent(QPaintEvent*)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    QPainter painter(this);
    painter.fillRect(rect(), palette().brush(backgroundRole()));
    style()->drawControl(QStyle::CE_CheckBox, &option, &painter, this);
}

}  // namespace pages
