// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The widgets that draw the stored controls: the page window, the opaque
// label, the frame and the check box. Push buttons are Qt's own.

#include "pages/drawing_cache.h"
#include "pages/model.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QTextLayout>
#include <QWidget>

namespace pages {

// A page: a top-level window filled with its back colour. A system back colour
// is looked up whenever the page is painted, so it follows palette changes.
class PageWindow : public QWidget {
    Q_OBJECT
public:
    explicit PageWindow(Colour back);

    Colour back() const { return back_; }
    // Push buttons and check boxes in ascending tab index.
    const QList<QWidget*>& focusOrder() const { return focusOrder_; }
    void setFocusOrder(QList<QWidget*> order) { focusOrder_ = std::move(order); }

    // The kept drawings of the page's labels, frames and check boxes: drawn
    // ahead of the page's next show, or given back while it is hidden far away.
    // Giving back again what was given back, with nothing shown, painted or
    // prepared since, costs nothing.
    void prepareDrawing();
    void releaseDrawing();

signals:
    // The window system closed the page (close box, system menu, Alt+F4).
    void closedByUser();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Colour back_;
    QList<QWidget*> focusOrder_;
    bool placed_ = false;
    bool mayHoldDrawings_ = false;  // shown, painted or prepared since the last release
};

// An opaque label: fills its box with its back colour and lays its caption out
// as a left-to-right paragraph, wrapped at blanks, aligned in absolute terms,
// lines from the top, cut off at the bottom edge.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(Colour back, Colour fore, Align align, QWidget* parent);

    Colour back() const { return back_; }
    Colour fore() const { return fore_; }
    Align storedAlignment() const { return align_; }

    // Where each line of the caption stands, in the label's coordinates
    // (its natural text rectangle): for tests and the renderer.
    QList<QRectF> lineRects();
    // The size of the caption laid out on one line: an auto-size label's size.
    QSize oneLineSize() const;

    // The label's drawing, kept until its text, size, font or colours change.
    void prepareDrawing();
    void releaseDrawing() { drawing_.release(); }
    bool holdsDrawing() const { return drawing_.holds(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void layOut();
    DrawingKey drawingKey() const;
    void draw(QPainter& painter);

    Colour back_;
    Colour fore_;
    Align align_;
    QTextLayout layout_;
    QString laidText_;
    int laidWidth_ = -1;
    QFont laidFont_;
    DrawingCache drawing_;
};

// A slot frame: its whole box filled with its back colour, a group border
// whose top line runs through the middle of the caption, and the caption at
// the right end of the top edge as a right-to-left paragraph.
class Frame : public QGroupBox {
    Q_OBJECT
public:
    Frame(Colour back, Colour fore, bool rightToLeft, QWidget* parent);

    Colour back() const { return back_; }
    Colour fore() const { return fore_; }
    // The caption as shown: the title holds each ampersand doubled, so that
    // none marks an access key.
    QString caption() const;
    // The caption's rectangle in the frame's coordinates.
    QRect captionRect() const;

    // The frame's own drawing (not its controls'), kept until its caption,
    // size, font or colours change.
    void prepareDrawing();
    void releaseDrawing() { drawing_.release(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DrawingKey drawingKey() const;
    void draw(QPainter& painter);

    Colour back_;
    Colour fore_;
    bool rightToLeft_;
    mutable QString measuredTitle_;  // the caption's width, for this title and font
    mutable QFont measuredFont_;
    mutable int captionWidth_ = 0;
    QTextLayout captionLayout_;  // laid out again only when the caption changes
    QString laidTitle_;
    QFont laidFont_;
    int laidWidth_ = -1;
    DrawingCache drawing_;
};

// Qt's check box, filled with its palette's window colour (the slot's back
// colour) and drawn by the style as ever, but its drawing is kept until its
// state (ticked, focused, under the pointer, pressed), caption, size, font
// or palette changes.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(const QString& text, QWidget* parent);

    void prepareDrawing();
    void releaseDrawing() { drawing_.release(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    DrawingKey drawingKey(const QStyleOptionButton& option) const;
    void draw(QPainter& painter, const QStyleOptionButton& option);

    DrawingCache drawing_;
};

}  // namespace pages
