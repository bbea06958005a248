// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What hidden pages keep of their drawing. Every page window keeps its
// widgets and their state (ticks, hint text, position, focus) for the whole
// run, but its drawing surface (446 x 427 x 4 bytes, shared with the X
// server under X11) is only worth keeping for the pages the user is likely
// to show next: the page they came from and the page after the one shown.
// Every other hidden page gives its surface back, and its labels, frames
// and check boxes their kept drawings (pages/drawing_cache.h), and is drawn
// afresh when it is shown again, as a page never shown is.

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <span>

class QWidget;

namespace pages {
class PageWindow;
}

namespace shell {

class PageCache {
public:
    PageCache();

    // After page `shown` (1 ..) has taken the place of `from`: releases the
    // surfaces of the hidden pages other than `from` and the page after
    // `shown`, and, once the shown page has had time to be drawn, gets those
    // two surfaces ready again where they had been released and draws ahead
    // the labels, frames and check boxes of those two and of the shown page.
    void pageShown(std::span<const QPointer<pages::PageWindow>> pages, int shown, const QWidget* from);

    // Gives back a hidden window's drawing surface, and the kept drawings of
    // its labels and frames; a visible window is left alone.
    static void release(QWidget* window);
    // Gets a released surface of a hidden window ready again, at the
    // window's size, and draws its labels and frames ahead.
    static void prepare(QWidget* window);
    // Whether the window holds a drawing surface of its own size.
    static bool holdsSurface(const QWidget* window);

private:
    QTimer prepareLater_;
    QPointer<QWidget> kept_[2];
    QPointer<pages::PageWindow> shown_;
};

}  // namespace shell
