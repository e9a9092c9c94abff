// Linked into the programs the start-up benchmark runs: as soon as the event loop is
// idle after the first window has been painted, the process prints when that was
// (the monotonic clock, nanoseconds) and its peak memory so far (VmHWM, kB), and ends at
// once, without the teardown a real exit would measure too.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <chrono>

namespace {

long peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

void report()
{
    // The steady clock is the system's monotonic one, the same the benchmark reads.
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("READY %lld %ld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()), peakKilobytes());
    std::fflush(stdout);
    std::_Exit(0);
}

class FirstFrame : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->isVisible()) {
                m_painted = true;
                // A zero timer fires once the events queued by the first frame are done.
                QTimer::singleShot(0, report);
            }
        }
        return false;
    }

private:
    bool m_painted = false;
};

void install()
{
    QCoreApplication::instance()->installEventFilter(new FirstFrame);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
