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
// afresh when it is shown again, as a page never shown is. Giving back
// waits until the shown page has been drawn: freeing a surface is work for
// the X server and the kernel, which the move itself should not wait for.

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <span>
#include <vector>

class QWidget;

namespace pages {
class PageWindow;
}

namespace shell {

class PageCache : public QObject {
public:
    PageCache();

    // After page `shown` (1 ..) has taken the place of `from`: releases the
    // surfaces of the hidden pages other than `from` and the page after
    // `shown`, soon after the shown page is first drawn, and, once it has had
    // time to be put on the screen, gets those two surfaces ready again where
    // they had been released and draws ahead the labels, frames and check
    // boxes of those two and of the shown page.
    void pageShown(std::span<const QPointer<pages::PageWindow>> pages, int shown, const QWidget* from);

    // Gives back a hidden window's drawing surface, and the kept drawings of
    // its labels, frames and check boxes; a visible window is left alone.
    static void release(QWidget* window);
    // Gets a released surface of a hidden window ready again, at the
    // window's size, and draws its labels, frames and check boxes ahead.
    static void prepare(QWidget* window);
    // Whether the window holds a drawing surface of its own size.
    static bool holdsSurface(const QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void releasePending();

    QTimer releaseSoon_;
    std::vector<QPointer<pages::PageWindow>> toRelease_;
    QTimer prepareLater_;
    QPointer<QWidget> kept_[2];
    QPointer<pages::PageWindow> shown_;
};

}  // namespace shell
