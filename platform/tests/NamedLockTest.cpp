#include "platform/NamedLock.h"

#include "platform/testing/HoldInChild.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

// A child process that takes the lock and waits to be killed.
pid_t HoldLockInChild(const std::string& name)
{
    return platform::HoldInChild([&name](const auto& ready) {
        platform::NamedLock lock(name);
        ready(lock.IsHeld());
    });
}

TEST(NamedLock, ASecondHolderSeesTheFirst)
{
    platform::NamedLock first("LockTest-same");
    EXPECT_TRUE(first.IsHeld());
    EXPECT_FALSE(first.AlreadyExisted());
    platform::NamedLock second("LockTest-same");
    EXPECT_TRUE(second.AlreadyExisted());
    EXPECT_FALSE(second.IsHeld());
    EXPECT_TRUE(platform::NamedLock::Exists("LockTest-same"));
    EXPECT_FALSE(platform::NamedLock::Exists("LockTest-other"));
}

TEST(NamedLock, IsFreedWhenItsHolderEndsOrIsKilled)
{
    for (const int sig : {SIGTERM, SIGKILL}) {
        const pid_t child = HoldLockInChild("LockTest-proc");
        ASSERT_GT(child, 0);
        EXPECT_TRUE(platform::NamedLock::Exists("LockTest-proc"));
        {
            platform::NamedLock again("LockTest-proc");
            EXPECT_TRUE(again.AlreadyExisted());
        }
        kill(child, sig);
        waitpid(child, nullptr, 0);
        EXPECT_FALSE(platform::NamedLock::Exists("LockTest-proc"));
        platform::NamedLock after("LockTest-proc");
        EXPECT_TRUE(after.IsHeld());
    }
}

} // namespace
