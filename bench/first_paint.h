// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Ends a start-up harness right after the first paint of a window: an
// application-wide filter notices the window's paint event, and once that
// paint (children and flush included) has returned to the event loop, the
// harness prints the monotonic time and the peak resident memory and leaves
// at once, without tearing anything down.
//
// Output, one line on standard output:
//   painted_ns=<CLOCK_MONOTONIC> vmhwm_kib=<VmHWM> vmrss_kib=<VmRSS>

#include "measure.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QString>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

namespace bench {

class FirstPaintExit : public QObject {
    Q_OBJECT
public:
    // Watches the top-level window named `window`; any top-level window when
    // the name is empty.
    explicit FirstPaintExit(QString window) : window_(std::move(window))
    {
        QCoreApplication::instance()->installEventFilter(this);
        alarm(30);  // a harness that never paints does not hang its driver
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (seen_ || event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (!widget->isWindow() || (!window_.isEmpty() && widget->objectName() != window_))
            return false;
        seen_ = true;
        QMetaObject::invokeMethod(this, [] { finish(); }, Qt::QueuedConnection);
        return false;
    }

private:
    static void finish()
    {
        const long long painted = monotonicNs();
        std::printf("painted_ns=%lld vmhwm_kib=%ld vmrss_kib=%ld\n", painted, statusKiB("VmHWM"),
                    statusKiB("VmRSS"));
        std::fflush(stdout);
        _exit(0);
    }

    QString window_;
    bool seen_ = false;
};

}  // namespace bench
