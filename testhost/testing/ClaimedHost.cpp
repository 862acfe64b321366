#include "testhost/testing/ClaimedHost.h"

#include <cstring>

namespace testhost {

ClaimedHost::ClaimedHost(std::uint16_t port, int claimTimeoutMs) : m_claim(port, claimTimeoutMs)
{
    if (!m_claim.IsHeld()) {
        m_strFailure = m_claim.Failure();
        return;
    }
    auto host = std::make_unique<TestHost>(port);
    if (host->Port() != port) {
        // Outside the tests' claim: a testhost started by hand, say.
        m_strFailure =
            "cannot listen on port " + std::to_string(port) + ": " + std::strerror(host->ListenError());
        return;
    }
    m_host = std::move(host);
}

} // namespace testhost
