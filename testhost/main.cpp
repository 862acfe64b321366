// testhost: the stand-in host on the command line. Listens on 127.0.0.1, holds the host's lock
// "Diagnoma-Running", and answers every "DataRequest" with a "DataReply" of the built-in drive.

#include "platform/NamedLock.h"
#include "testhost/Drive.h"
#include "testhost/TestHost.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace {

const char* const kUsage =
    "Usage: testhost [--port N] [--obd] [--reply PAYLOAD] [--commands]\n"
    "\n"
    "Stands in for the diagnostic host: listens on 127.0.0.1 (port 2000 unless --port says\n"
    "otherwise), holds the host's lock \"Diagnoma-Running\" and answers every \"DataRequest\" with a\n"
    "\"DataReply\". By default the reply is a drive that loops every minute: engine speed (/min),\n"
    "road speed from 0 to 130 km/h and back (km/h), fuel rate (l/h) and coolant temperature (°C),\n"
    "all in group 1 of module 123 456 789 AB.\n"
    "\n"
    "  --port N         listen on port N\n"
    "  --obd            send the drive in the OBD form (module OBD.LBL)\n"
    "  --reply PAYLOAD  answer every request with this payload instead of the drive\n"
    "  --commands       read commands from standard input, one a line:\n"
    "                     quit         send \"Quit\" to every connected plug-in\n"
    "                     quitclient   send \"QuitClient\"\n"
    "                     stop         send \"StopRequest\"\n"
    "                     close        close every connection (FIN)\n"
    "                     reset        close every connection with a reset (RST)\n"
    "                     refuse       refuse new connections\n"
    "                     accept       accept connections again\n"
    "                     silent       stop answering requests\n"
    "                     talk         answer requests again\n"
    "                     flood N      send N replies (1 to 100000) in one write, to try a\n"
    "                                  plug-in under a burst\n"
    "                     status       print the connections and the frames received\n"
    "                     exit         end the host\n"
    "  --help           show this text\n"
    "\n"
    "Without --commands the host runs until it is interrupted (Ctrl+C). When the port is in use\n"
    "it says so and ends at once (exit code 1).\n"
    "Example: build/bin/testhost & build/bin/verbrix\n";

constexpr int kMaxFlood = 100000;

std::atomic<bool> g_stop{false};

// The payload of the reply the host sends now.
using PayloadFn = std::function<std::string()>;

void OnSignal(int)
{
    g_stop = true;
}

void PrintStatus(const testhost::TestHost& host)
{
    std::printf("%d connection(s), %d open\n", host.ConnectionCount(), host.OpenConnectionCount());
    for (int i = 0; i < host.ConnectionCount(); ++i)
        std::printf("  %d: %s, %zu frame(s) received, %zu repl(ies) sent\n", i,
                    host.IsOpen(i) ? "open" : "closed", host.FrameCount(i), host.ReplyCount(i));
    std::fflush(stdout);
}

// The whole text as a decimal number from min to max.
std::optional<int> WholeNumber(std::string_view text, int min, int max)
{
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || n < min || n > max)
        return std::nullopt;
    return n;
}

// "flood N": N replies in one write.
void Flood(testhost::TestHost& host, const PayloadFn& payload, std::string_view count)
{
    const std::optional<int> n = WholeNumber(count, 1, kMaxFlood);
    if (!n) {
        std::printf("flood needs a count from 1 to %d\n", kMaxFlood);
        return;
    }
    host.SendRaw(testhost::FloodBytes("DataReply", payload(), *n));
}

// Runs one command; false for "exit".
bool Command(testhost::TestHost& host, const PayloadFn& payload, const std::string& line)
{
    if (line == "exit")
        return false;
    if (line.rfind("flood ", 0) == 0)
        Flood(host, payload, std::string_view(line).substr(6));
    else if (line == "quit")
        host.SendQuit();
    else if (line == "quitclient")
        host.SendQuitClient();
    else if (line == "stop")
        host.SendStopRequest();
    else if (line == "close")
        host.CloseConnection(-1, testhost::CloseMode::Fin);
    else if (line == "reset")
        host.CloseConnection(-1, testhost::CloseMode::Rst);
    else if (line == "refuse" || line == "accept")
        host.SetRefusing(line == "refuse");
    else if (line == "silent" || line == "talk")
        host.SetSilent(line == "silent");
    else if (line == "status")
        PrintStatus(host);
    else if (!line.empty())
        std::printf("unknown command \"%s\" (see --help)\n", line.c_str());
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    int port = 2000;
    bool obd = false;
    bool commands = false;
    const char* reply = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--port" || arg == "--reply") {
            if (i + 1 == argc) {
                std::fprintf(stderr, "testhost: %s needs a value\n\n%s", arg.c_str(), kUsage);
                return 2;
            }
            const char* value = argv[++i];
            if (arg == "--reply") {
                reply = value;
            } else if (const std::optional<int> n = WholeNumber(value, 1, 65535)) {
                port = *n;
            } else {
                std::fprintf(stderr, "testhost: \"%s\" is no port (1 to 65535)\n", value);
                return 2;
            }
        } else if (arg == "--obd") {
            obd = true;
        } else if (arg == "--commands") {
            commands = true;
        } else {
            std::fprintf(stderr, "testhost: unknown argument \"%s\"\n\n%s", argv[i], kUsage);
            return 2;
        }
    }
    // A port in use is reported at once: a host that waited for it would leave its user
    // wondering, and one that took another port would not be found by the plug-ins.
    testhost::TestHost host(static_cast<std::uint16_t>(port));
    if (host.Port() == 0) {
        if (host.ListenError() == EADDRINUSE)
            std::fprintf(stderr, "testhost: port %d is in use (another testhost or the host listens on it)\n",
                         port);
        else
            std::fprintf(stderr, "testhost: cannot listen on 127.0.0.1 port %d: %s\n", port,
                         std::strerror(host.ListenError()));
        return 1;
    }
    platform::NamedLock lock(testhost::kHostLockName);
    if (lock.AlreadyExisted())
        std::fprintf(stderr, "testhost: another host holds \"%s\"\n", testhost::kHostLockName);
    const auto start = std::chrono::steady_clock::now();
    const PayloadFn payload = [start, obd, reply]() -> std::string {
        if (reply)
            return reply;
        const std::chrono::duration<double> t = std::chrono::steady_clock::now() - start;
        return testhost::DrivePayload(testhost::DriveAt(t.count()), obd);
    };
    host.SetReplyScript([payload](int, int, const testhost::Frame&) -> std::optional<testhost::Reply> {
        return testhost::Reply{payload()};
    });
    std::printf("testhost: listening on 127.0.0.1 port %d\n", host.Port());
    std::fflush(stdout);

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    if (commands) {
        std::string line;
        while (!g_stop && std::getline(std::cin, line) && Command(host, payload, line)) {
        }
        host.Flush(1000);
    } else {
        while (!g_stop)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return 0;
}
