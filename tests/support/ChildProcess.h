// Runs a piece of a test in a forked child, for what must not touch the test process itself:
// resource limits, signals, and work that may hang on a fault (an alarm ends it).
#pragma once

#include <functional>

namespace kthread::testing {

struct ChildOutcome {
    bool exited = false;  // false: ended by a signal (SIGALRM when it ran out of time)
    int exitCode = -1;    // valid when exited
    int signalNumber = 0; // valid when !exited
};

// `body`'s return value becomes the child's exit code. The child gets `timeoutSeconds` before
// SIGALRM ends it.
ChildOutcome RunInChild(const std::function<int()>& body, unsigned timeoutSeconds = 10);

} // namespace kthread::testing
