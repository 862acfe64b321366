#pragma once
// A machine-wide claim on a fixed TCP port, so that stand-in hosts of test runs side by side
// (several build trees on one machine) take the host's port 2000 one after the other instead of
// answering each other's plug-ins. Unlike the named locks it lives in /tmp, not in the test's
// own runtime directory.

#include <cstdint>

namespace testhost {

class PortLock {
public:
    // Waits up to timeoutMs for the claim.
    PortLock(std::uint16_t port, int timeoutMs);
    ~PortLock();
    PortLock(const PortLock&) = delete;
    PortLock& operator=(const PortLock&) = delete;

    bool isHeld() const { return m_bHeld; }

private:
    int m_fd = -1;
    bool m_bHeld = false;
};

} // namespace testhost
