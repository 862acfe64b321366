#pragma once
// For tests of a client beside the stand-in host: what the client has sent so far, found without a
// pause that guesses how long the bytes take. A marker frame sent behind them on the same
// connection arrives after all of them, so the host's frames before it are the answer; a frame
// that was not sent by then never shows later either.
//
//     const std::vector<testhost::Frame> sent = SentSoFar(client, host, 0);
//     EXPECT_EQ(sent.size(), 1u);

#include "hostlink/TelvoSocket.h"
#include "testhost/TestHost.h"

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

inline constexpr const char* kMarkerName = "SentSoFar";

// The frames that the host received on the connection up to the marker, markers left out. A
// marker that cannot be sent or does not arrive within timeoutMs fails the test.
inline std::vector<testhost::Frame> SentSoFar(CTelvoSocket& client, const testhost::TestHost& host,
                                              int connection, int timeoutMs = 5000)
{
    static int markers = 0;
    const std::string seq = std::to_string(++markers);
    const std::string marker = testhost::FrameBytes(kMarkerName, "1", seq, "");
    if (client.SendData(marker, timeoutMs) != static_cast<int>(marker.size())) {
        ADD_FAILURE() << "the marker could not be sent";
        return {};
    }
    const auto isMarker = [](const testhost::Frame& frame) { return frame.name == kMarkerName; };
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        std::vector<testhost::Frame> frames = host.Frames(connection);
        const auto found = std::find_if(frames.begin(), frames.end(), [&](const testhost::Frame& frame) {
            return isMarker(frame) && frame.seq == seq;
        });
        if (found != frames.end()) {
            frames.erase(found, frames.end());
            std::erase_if(frames, isMarker);
            return frames;
        }
        if (std::chrono::steady_clock::now() > end) {
            ADD_FAILURE() << "the marker did not arrive within " << timeoutMs << " ms";
            return {};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}
