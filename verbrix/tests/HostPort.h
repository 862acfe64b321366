#pragma once
// The stand-in host on the plug-ins' port 2000. The port is one per machine, and other
// builds' suites may hold it for a while: wait for it rather than fail.

#include "testhost/TestHost.h"

#include <chrono>
#include <memory>
#include <thread>

// The host listening on port 2000; its Port() is 0 when the port stayed taken for two minutes.
inline std::unique_ptr<testhost::TestHost> ClaimHostPort()
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    for (;;) {
        auto host = std::make_unique<testhost::TestHost>(2000);
        if (host->Port() != 0 || std::chrono::steady_clock::now() > until)
            return host;
        host.reset();
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
}
