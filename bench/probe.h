#pragma once

// What the start-up probes share: the clock, the resident-size readings,
// and a watcher that reports when a window has been painted for the first
// time and then ends the program.

#include <QObject>
#include <QString>

#include <cstdint>

class QWidget;

namespace zarnith::bench {

// CLOCK_MONOTONIC in nanoseconds: the same clock in every process.
std::int64_t monotonicNanoseconds();

// The process's resident size now (VmRSS) and at its peak (VmHWM), in KiB.
long residentKiB();
long peakResidentKiB();

// Prints "painted <ns> <peak KiB>" once `window` has been painted for the
// first time (the paint and its flush done), then quits the application.
class FirstPaint : public QObject {
    Q_OBJECT
public:
    explicit FirstPaint(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void report();

    QWidget *m_window;
    bool m_painted = false;
};

} // namespace zarnith::bench
