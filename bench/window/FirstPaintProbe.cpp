// Linked into a program for the start-up benchmark: once the first frame of the program's first
// window has been painted and handed to the display, prints the monotonic clock in nanoseconds
// ("first-paint-ns N") on standard output. The program itself is not changed: the probe hooks in
// when the application object is created.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

class FirstPaintProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window()->isVisible()) {
            m_seen = true;
            // The rest of the frame is painted and flushed before the event loop takes this.
            QTimer::singleShot(0, this, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("first-paint-ns %lld\n",
                            static_cast<long long>(
                                std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stdout);
                // For profiling the start-up alone (perf record): end right here.
                if (qEnvironmentVariableIsSet("KTHREAD_EXIT_AT_FIRST_PAINT")) {
                    std::_Exit(0);
                }
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

void InstallFirstPaintProbe() {
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new FirstPaintProbe(application));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaintProbe)
