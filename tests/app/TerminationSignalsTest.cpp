// SIGTERM and SIGHUP reach the event loop as a request to quit, instead of ending the process
// before the close routine could write anything.
#include "app/TerminationSignals.h"

#include <QCoreApplication>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>
#include <unistd.h>

namespace kthread {
namespace {

class TerminationSignalsTest : public ::testing::TestWithParam<int> {};

TEST_P(TerminationSignalsTest, SignalEndsTheEventLoopInOrder) {
    int argc = 1;
    char name[] = "termination_signals_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    TerminationSignals relay;
    ASSERT_TRUE(relay.installed());
    int received = 0;
    QObject::connect(&relay, &TerminationSignals::terminationRequested, &app,
                     [&](int signalNumber) {
                         received = signalNumber;
                         QCoreApplication::quit();
                     });
    bool quitInOrder = false;
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&] { quitInOrder = true; });

    // The process would die here with the default action of the signal.
    QTimer::singleShot(0, [] { ::raise(GetParam()); });
    // A signal that never arrives must not hang the test.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(received, GetParam());
    EXPECT_TRUE(quitInOrder);
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationSignalsTest, ::testing::Values(SIGTERM, SIGHUP),
                         [](const auto& info) {
                             return std::string(info.param == SIGTERM ? "Terminate" : "HangUp");
                         });

} // namespace
} // namespace kthread
