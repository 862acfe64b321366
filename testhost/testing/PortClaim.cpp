#include "testhost/testing/PortClaim.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace testhost {

namespace {

// "pid 123, sprintor_process_tests Process.ASecondInstanceEndsAtOnceWithoutAWindow"
std::string ThisHolder()
{
    std::string holder = "pid " + std::to_string(::getpid()) + ", " + program_invocation_short_name;
    if (const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info())
        holder += std::string(" ") + test->test_suite_name() + "." + test->name();
    return holder;
}

std::string ReadHolder(int fd)
{
    char text[512];
    const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
    std::string holder(text, n > 0 ? static_cast<std::size_t>(n) : 0);
    while (!holder.empty() && holder.back() == '\n')
        holder.pop_back();
    return holder.empty() ? "a process that has not named itself yet" : holder;
}

} // namespace

std::string PortClaim::LockPath(std::uint16_t port)
{
    struct stat ns {};
    const std::string space = ::stat("/proc/self/ns/net", &ns) == 0 ? std::to_string(ns.st_ino) : "unknown";
    return "/tmp/toolset-port-" + std::to_string(port) + "-net-" + space + ".lock";
}

PortClaim::PortClaim(std::uint16_t port, int timeoutMs)
{
    const std::string path = LockPath(port);
    m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (m_fd < 0) {
        m_strFailure = "cannot open " + path + ": " + std::strerror(errno);
        return;
    }
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!(m_bHeld = ::flock(m_fd, LOCK_EX | LOCK_NB) == 0) && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (!m_bHeld) {
        m_strFailure = "port " + std::to_string(port) + " is still claimed after " +
                       std::to_string(timeoutMs) + " ms by " + ReadHolder(m_fd) + " (" + path + ")";
        return;
    }
    // Should the name not be written, the claim holds all the same; a waiting test names it less well.
    const std::string holder = ThisHolder() + "\n";
    if (::ftruncate(m_fd, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::pwrite(m_fd, holder.data(), holder.size(), 0);
    }
}

PortClaim::~PortClaim()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace testhost
