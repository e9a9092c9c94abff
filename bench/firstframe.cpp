// Linked into the programs the start-up benchmark runs: as soon as the event loop is
// idle after the first window has been painted, the process prints when that was
// (CLOCK_MONOTONIC, nanoseconds) and its peak memory so far (VmHWM, kB), and ends at
// once, without the teardown a real exit would measure too.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

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
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("READY %lld %ld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, peakKilobytes());
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
