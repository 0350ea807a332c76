#include "probe.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace zarnith::bench {

std::int64_t monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

namespace {

long statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLong();
    }
    return -1;
}

} // namespace

long residentKiB()
{
    return statusKiB("VmRSS:");
}
long peakResidentKiB()
{
    return statusKiB("VmHWM:");
}

FirstPaint::FirstPaint(QWidget *window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

bool FirstPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        // Queued: runs once this paint and the flush to the screen are done.
        QTimer::singleShot(0, this, &FirstPaint::report);
    }
    return QObject::eventFilter(watched, event);
}

void FirstPaint::report()
{
    std::printf("painted %lld %ld\n", static_cast<long long>(monotonicNanoseconds()), peakResidentKiB());
    std::fflush(stdout);
    QApplication::quit();
}

} // namespace zarnith::bench
