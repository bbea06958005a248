// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What hidden pages keep of their window. Every page keeps its widgets and
// their state (ticks, hint text, position, focus) for the whole run, but its
// window-system window and drawing surface (446 x 427 x 4 bytes, shared with
// the X server under X11) are only worth keeping for the pages the user is
// likely to show next: the page they came from and the page the shown page's
// forward button leads to. Every other hidden page gives its window back and
// gets a new one when it is shown again. Giving back waits until the shown
// page has been drawn: it is work for the window system, which the move
// itself should not wait for.

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <array>
#include <span>
#include <vector>

class QWidget;

namespace pages {
class PageWindow;
}

namespace shell {

class PageCache : public QObject {
    Q_OBJECT
public:
    PageCache();

    // After `shown` has taken the place of another page: soon after `shown`
    // is first drawn, every hidden page but those in `keep` gives its window
    // back; a little later, those in `keep` that had given theirs back get a
    // new one, ready for the move.
    void pageShown(std::span<const QPointer<pages::PageWindow>> pages, pages::PageWindow* shown,
                   std::array<QWidget*, 2> keep);

    // Whether the window holds a window-system window and surface.
    static bool holdsSurface(const QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void releasePending();

    QTimer releaseSoon_;
    std::vector<QPointer<pages::PageWindow>> toRelease_;
    QTimer prepareLater_;
    std::array<QPointer<QWidget>, 2> kept_;
    QPointer<pages::PageWindow> shown_;
};

}  // namespace shell
