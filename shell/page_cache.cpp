// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/page_cache.h"

#include "pages/widgets.h"

#include <QBackingStore>
#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace shell {

namespace {

// Long enough for the shown page to be drawn and put on the screen first;
// far shorter than anyone takes to read a page and press a button.
constexpr int kPrepareDelayMs = 40;

// After the shown page's first paint, so that the paint is put on the
// screen first.
constexpr int kReleaseDelayMs = 5;

// A surface given back keeps one pixel: some window systems refuse a
// surface of no pixels at all.
constexpr QSize kReleasedSize(1, 1);

}  // namespace

PageCache::PageCache()
{
    releaseSoon_.setSingleShot(true);
    releaseSoon_.setInterval(kReleaseDelayMs);
    QObject::connect(&releaseSoon_, &QTimer::timeout, this, [this] { releasePending(); });
    prepareLater_.setSingleShot(true);
    prepareLater_.setInterval(kPrepareDelayMs);
    QObject::connect(&prepareLater_, &QTimer::timeout, this, [this] {
        releasePending();  // should the shown page not have been drawn yet
        for (const QPointer<QWidget>& page : kept_)
            if (page)
                prepare(page);
        // The shown page's own drawings, for when the user comes back to it.
        if (shown_)
            shown_->prepareDrawing();
    });
}

void PageCache::pageShown(std::span<const QPointer<pages::PageWindow>> pages, int shown, const QWidget* from)
{
    const std::size_t next = std::size_t(shown) % pages.size();  // the page after the last is the first
    kept_[0] = pages[next].data();
    kept_[1] = nullptr;
    shown_ = shown >= 1 && std::size_t(shown) <= pages.size() ? pages[std::size_t(shown) - 1].data() : nullptr;
    // Moves faster than the release delay give back what the move before
    // left behind now, so that surfaces do not pile up.
    releasePending();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        pages::PageWindow* page = pages[i].data();
        if (!page)
            continue;
        if (page == from)
            kept_[1] = page;
        else if (i != next && page != shown_)
            toRelease_.emplace_back(page);
    }
    if (shown_)
        shown_->installEventFilter(this);
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
            release(page);
    toRelease_.clear();
}

void PageCache::release(QWidget* window)
{
    if (window->isVisible())
        return;
    if (QBackingStore* store = window->backingStore(); store && store->size() != kReleasedSize)
        store->resize(kReleasedSize);
    if (auto* page = qobject_cast<pages::PageWindow*>(window))
        page->releaseDrawing();
}

void PageCache::prepare(QWidget* window)
{
    if (window->isVisible())
        return;
    // The drawings of its labels, frames and check boxes, ready to be copied
    // when it is shown.
    if (auto* page = qobject_cast<pages::PageWindow*>(window))
        page->prepareDrawing();
    // Only a surface the window had before and gave back: a page never shown
    // gets its surface when it is first shown.
    QBackingStore* store = window->backingStore();
    if (!store || store->size() != kReleasedSize)
        return;
    store->resize(window->size());
    // Touch the new surface now, so that its memory is in place when the
    // page is drawn into it.
    const QRect whole(QPoint(0, 0), window->size());
    store->beginPaint(whole);
    if (QPaintDevice* device = store->paintDevice()) {
        QPainter painter(device);
        painter.fillRect(whole, window->palette().color(QPalette::Window));
    }
    store->endPaint();
}

bool PageCache::holdsSurface(const QWidget* window)
{
    const QBackingStore* store = window->backingStore();
    return store && store->size() == window->size();
}

}  // namespace shell
