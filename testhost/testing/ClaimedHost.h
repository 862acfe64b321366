#pragma once
// A stand-in host on a fixed port (the host's port 2000) for one test, under the tests' claim of
// the port (PortClaim.h). When the claim or the port cannot be had there is no host, and
// Failure() says why; a test asserts Listening() with it:
//
//     testhost::ClaimedHost host{TELVO_HOST_PORT};
//     ASSERT_TRUE(host.Listening()) << host.Failure();
//     host->SetReplyPayload(...);

#include "testhost/TestHost.h"
#include "testhost/testing/PortClaim.h"

#include <cstdint>
#include <memory>
#include <string>

namespace testhost {

class ClaimedHost {
public:
    explicit ClaimedHost(std::uint16_t port, int claimTimeoutMs = PortClaim::kDefaultTimeoutMs);
    ClaimedHost(const ClaimedHost&) = delete;
    ClaimedHost& operator=(const ClaimedHost&) = delete;

    bool Listening() const { return m_host != nullptr; }
    const std::string& Failure() const { return m_strFailure; }

    TestHost* operator->() const { return m_host.get(); }

private:
    PortClaim m_claim;
    std::unique_ptr<TestHost> m_host;
    std::string m_strFailure;
};

} // namespace testhost
