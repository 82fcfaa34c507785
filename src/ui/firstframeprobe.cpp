#include "ui/firstframeprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// VmHWM: the peak resident set size, in kB.
long long peakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return -1;
}

class Probe final : public QObject {
public:
    explicit Probe(QWidget& window)
        : QObject(&window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // The frame is flushed to the window system right after the paint events of this
            // pass, so report from the next turn of the event loop.
            QTimer::singleShot(0, this, [] {
                std::printf("first-frame-ns %lld peak-rss-kb %lld\n",
                            FirstFrameProbe::monotonicNanoseconds(), peakResidentKb());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

} // namespace

void FirstFrameProbe::installIfRequested(QWidget& window) {
    if (qEnvironmentVariableIsSet("ZORVANDI_FIRST_FRAME_PROBE")) {
        window.installEventFilter(new Probe(window));
    }
}
