#pragma once
// For tests of the single-instance locks: a lock held by another process, which ends or is
// killed when the test says.

#include <functional>
#include <sys/types.h>
#include <unistd.h>

namespace platform {

// Forks a child that runs take: it takes the lock and calls ready with whether it holds it;
// ready tells this process and waits, the lock held, until the child is killed. Returns the
// child's id once it holds the lock, -1 when it does not.
inline pid_t HoldInChild(const std::function<void(const std::function<void(bool)>& ready)>& take)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        take([&](bool held) {
            const char state = held ? '1' : '0';
            if (write(fds[1], &state, 1) != 1)
                _exit(1);
            for (;;)
                pause();
        });
        _exit(1); // take did not call ready
    }
    close(fds[1]);
    char state = 0;
    const bool held = pid > 0 && read(fds[0], &state, 1) == 1 && state == '1';
    close(fds[0]);
    return held ? pid : -1;
}

} // namespace platform
