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
        ready(lock.isHeld());
    });
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
        const pid_t child = HoldLockInChild("LockTest-proc");
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
