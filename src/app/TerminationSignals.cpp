#include "app/TerminationSignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace kthread {

#ifdef Q_OS_UNIX
namespace {

// The pair's ends: the handler writes into [0], the event loop reads [1]. Plain ints, because a
// signal handler may touch nothing else.
int g_signalPair[2] = {-1, -1};

constexpr int kHandledSignals[] = {SIGTERM, SIGHUP};

void WriteSignalByte(int signalNumber) {
    const auto byte = static_cast<unsigned char>(signalNumber);
    // Nothing can be done in a handler when the write fails; a full pair already holds a request.
    [[maybe_unused]] const ssize_t written = ::write(g_signalPair[0], &byte, 1);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (g_signalPair[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPair) != 0) {
        return;
    }
    m_notifier = new QSocketNotifier(g_signalPair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);

    struct sigaction action = {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    m_installed = true;
    for (const int signalNumber : kHandledSignals) {
        m_installed = ::sigaction(signalNumber, &action, nullptr) == 0 && m_installed;
    }
}

TerminationSignals::~TerminationSignals() {
    if (m_notifier == nullptr) {
        return;
    }
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : kHandledSignals) {
        ::sigaction(signalNumber, &action, nullptr);
    }
    ::close(g_signalPair[0]);
    ::close(g_signalPair[1]);
    g_signalPair[0] = g_signalPair[1] = -1;
}

void TerminationSignals::readSignal() {
    unsigned char byte = 0;
    if (::read(g_signalPair[1], &byte, 1) == 1) {
        emit terminationRequested(byte);
    }
}

#else

// Other platforms end a program through their own session messages, which Qt turns into a quit.
TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}
TerminationSignals::~TerminationSignals() = default;
void TerminationSignals::readSignal() {}

#endif

} // namespace kthread
