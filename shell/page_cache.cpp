// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/page_cache.h"

#include "pages/widgets.h"

#include <QEvent>

#include <algorithm>

namespace shell {

namespace {

// Long enough for the shown page to be drawn and put on the screen first;
// far shorter than anyone takes to read a page and press a button.
constexpr int kPrepareDelayMs = 40;

// After the shown page's first paint, so that the paint is put on the
// screen first.
constexpr int kReleaseDelayMs = 5;

}  // namespace

PageCache::PageCache()
{
    releaseSoon_.setSingleShot(true);
    releaseSoon_.setInterval(kReleaseDelayMs);
    connect(&releaseSoon_, &QTimer::timeout, this, &PageCache::releasePending);
    prepareLater_.setSingleShot(true);
    prepareLater_.setInterval(kPrepareDelayMs);
    connect(&prepareLater_, &QTimer::timeout, this, [this] {
        releasePending();  // should the shown page not have been drawn yet
        for (const QPointer<QWidget>& page : kept_)
            if (auto* window = qobject_cast<pages::PageWindow*>(page.data()))
                window->prepareWindow();
    });
}

void PageCache::pageShown(std::span<const QPointer<pages::PageWindow>> pages, pages::PageWindow* shown,
                          std::array<QWidget*, 2> keep)
{
    kept_ = {keep[0], keep[1]};
    shown_ = shown;
    // Moves faster than the release delay give back what the move before
    // left behind now, so that windows do not pile up.
    releasePending();
    for (const QPointer<pages::PageWindow>& page : pages)
        if (page && page != shown && std::find(keep.begin(), keep.end(), page.data()) == keep.end())
            toRelease_.emplace_back(page);
    if (shown)
        shown->installEventFilter(this);
    else
        releaseSoon_.start();
    prepareLater_.start();
}

bool PageCache::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        if (watched == shown_)
            releaseSoon_.start();
    }
    return false;
}

void PageCache::releasePending()
{
    for (const QPointer<pages::PageWindow>& page : toRelease_)
        if (page)
            page->releaseWindow();
    toRelease_.clear();
}

bool PageCache::holdsSurface(const QWidget* window)
{
    return window->testAttribute(Qt::WA_WState_Created) && window->windowHandle();
}

}  // namespace shell
