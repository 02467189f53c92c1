#include "support/ChildProcess.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace kthread::testing {

ChildOutcome RunInChild(const std::function<int()>& body, unsigned timeoutSeconds) {
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGALRM, SIG_DFL);
        alarm(timeoutSeconds);
        // _exit: the child must not run the parent's atexit handlers or flush its buffers.
        _exit(body());
    }
    ChildOutcome outcome;
    if (child < 0) {
        return outcome;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
    }
    outcome.exited = WIFEXITED(status);
    outcome.exitCode = outcome.exited ? WEXITSTATUS(status) : -1;
    outcome.signalNumber = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return outcome;
}

} // namespace kthread::testing
