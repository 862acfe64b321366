#include "platform/NamedLock.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A child process that takes the lock, tells the parent so through a pipe, and waits to be killed.
pid_t HoldInChild(const std::string& name)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        platform::NamedLock lock(name);
        const char ok = lock.isHeld() ? '1' : '0';
        (void)!write(fds[1], &ok, 1);
        for (;;)
            pause();
    }
    close(fds[1]);
    char ok = 0;
    (void)!read(fds[0], &ok, 1);
    close(fds[0]);
    return ok == '1' ? pid : -1;
}

TEST(NamedLock, ASecondHolderSeesTheFirst)
{
    platform::NamedLock first("LockTest-same");
    EXPECT_TRUE(first.isHeld());
    EXPECT_FALSE(first.alreadyExisted());
    platform::NamedLock second("LockTest-same");
    EXPECT_TRUE(second.alreadyExisted());
    EXPECT_FALSE(second.isHeld());
    EXPECT_TRUE(platform::NamedLock::Exists("LockTest-same"));
    EXPECT_FALSE(platform::NamedLock::Exists("LockTest-other"));
}

TEST(NamedLock, IsFreedWhenItsHolderEndsOrIsKilled)
{
    for (const int sig : {SIGTERM, SIGKILL}) {
        const pid_t child = HoldInChild("LockTest-proc");
        ASSERT_GT(child, 0);
        EXPECT_TRUE(platform::NamedLock::Exists("LockTest-proc"));
        {
            platform::NamedLock again("LockTest-proc");
            EXPECT_TRUE(again.alreadyExisted());
        }
        kill(child, sig);
        waitpid(child, nullptr, 0);
        EXPECT_FALSE(platform::NamedLock::Exists("LockTest-proc"));
        platform::NamedLock after("LockTest-proc");
        EXPECT_TRUE(after.isHeld());
    }
}

} // namespace
