// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Small measuring helpers shared by the benchmark executables: the monotonic
// clock, the resident-memory figures of /proc/self/status, the heap in use,
// and waiting for a window's paint.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <malloc.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace bench {

inline std::int64_t monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// A field of /proc/self/status in KiB ("VmHWM", "VmRSS"), or -1.
inline long statusKiB(const char* field)
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long value = -1;
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            std::sscanf(line + length + 1, "%ld", &value);
            break;
        }
    }
    std::fclose(status);
    return value;
}

// Bytes the program holds from malloc: in-use small blocks plus mmapped ones.
inline long long heapInUseBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

// Processes events for `ms` milliseconds: the pause of a user reading a page,
// in which the program gives back and gets ready the pages' surfaces.
inline void idle(int ms)
{
    QEventLoop pause;
    QTimer::singleShot(ms, &pause, &QEventLoop::quit);
    pause.exec();
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
    Q_OBJECT
public:
    explicit PaintCounter(QObject* watched) : QObject(watched) { watched->installEventFilter(this); }
    int count() const { return count_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count_;
        return false;
    }

private:
    int count_ = 0;
};

// Processes events until the counter has seen a paint after `before`, then
// drains what is left. `paintedAt`, where given, is when the events that
// brought the paint had been handled: the paint and its flush to the window
// system, not what timers due later do in the drain. False when no paint came
// within the time limit.
inline bool waitForPaint(const PaintCounter& counter, int before, int limitMs = 2000,
                         std::chrono::steady_clock::time_point* paintedAt = nullptr)
{
    QElapsedTimer waited;
    waited.start();
    while (counter.count() == before) {
        if (waited.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    if (paintedAt)
        *paintedAt = std::chrono::steady_clock::now();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return true;
}

}  // namespace bench
