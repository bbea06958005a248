// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The widgets that draw the stored controls: the page window, the opaque
// label, the frame and the check box. Push buttons are Qt's own.

#include "pages/model.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QTextLayout>
#include <QWidget>

#include <string_view>

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
    // The page the forward button leads to ("Form24"), empty on a page without.
    std::string_view onward() const { return onward_; }
    void setOnward(std::string_view page) { onward_ = page; }

    // While hidden: gives the window-system window and its drawing surface
    // back, keeping every widget and its state; showing the page again makes
    // a new one at the same place.
    void releaseWindow();
    // While hidden: makes the window-system window ahead of the next show.
    void prepareWindow();

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
    std::string_view onward_;
    bool placed_ = false;
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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void layOut();

    Colour back_;
    Colour fore_;
    Align align_;
    QTextLayout layout_;
    QString laidText_;
    int laidWidth_ = -1;
    QFont laidFont_;
    Qt::Alignment laidAlignment_;
    bool laidWrap_ = false;
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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
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
};

// Qt's check box, filled with its palette's window colour (the slot's back
// colour) and drawn by the style as ever.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace pages
