#pragma once
// The tests' claim of a fixed port, so that the suites of several build trees take the host's
// port 2000 in turn instead of answering each other's plug-ins. The claim is a lock file in /tmp
// named after the port and the network namespace: a test in another namespace cannot collide
// on the port, so it never waits. The holder writes its process and test into the file, so
// that a test that waits in vain can name it.

#include <cstdint>
#include <string>

namespace testhost {

class PortClaim {
public:
    static constexpr int kDefaultTimeoutMs = 60000;

    // Waits up to timeoutMs for the claim.
    explicit PortClaim(std::uint16_t port, int timeoutMs = kDefaultTimeoutMs);
    ~PortClaim();
    PortClaim(const PortClaim&) = delete;
    PortClaim& operator=(const PortClaim&) = delete;

    bool IsHeld() const { return m_bHeld; }
    // Empty while held; otherwise why not, naming the holder.
    const std::string& Failure() const { return m_strFailure; }

    // The lock file of the port in this process's network namespace.
    static std::string LockPath(std::uint16_t port);

private:
    int m_fd = -1;
    bool m_bHeld = false;
    std::string m_strFailure;
};

} // namespace testhost
