#pragma once

#include <functional>

#include <sys/wait.h>
#include <unistd.h>

namespace cdx::test {

// Starts `body` in a forked child, which ends with what `body` returns (1
// when it throws) without running this process's exit handlers.
inline pid_t startChild(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        int status = 1;
        try {
            status = body();
        } catch (...) {
        }
        ::_exit(status);
    }
    return child;
}

// The exit status of a started child once it has ended; -1 when it could not
// be started or did not end normally.
inline int waitForChild(pid_t child)
{
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

inline int exitStatusInChild(const std::function<int()>& body)
{
    return waitForChild(startChild(body));
}

} // namespace cdx::test
