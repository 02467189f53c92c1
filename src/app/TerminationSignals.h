// A session that ends the program with SIGTERM, or a terminal that closes (SIGHUP), asks the
// program to quit in order, so that the one close routine writes the settings and catalogues.
// The signal handler only writes a byte into a socket pair; the event loop reads it and quits.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace kthread {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers for SIGTERM and SIGHUP; once per process. A process where the pair
    // or the handlers cannot be set up keeps the default behaviour of the signals.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    bool installed() const { return m_installed; }

signals:
    // Emitted in the event loop for each signal received; connected to the application's quit.
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
    bool m_installed = false;
};

} // namespace kthread
