#pragma once
// The stand-in host for tests: a TCP server on 127.0.0.1 that speaks the host's frame
// ("name,kind,seq" LF payload LF LF), answers every "DataRequest" with one "DataReply" from a
// script, records what it received, and on command sends, closes, refuses or stays silent.
//
// Usage:
//
//     testhost::TestHost host;                     // ephemeral port; ClaimedHost for port 2000
//     host.SetReplyPayload(testhost::StandardReply("123 456 789 AB", {...}));  // see ReplyPayload.h
//     CTelvoClient client;
//     client.Connect("", host.Port());
//     ASSERT_TRUE(host.WaitForConnections(1));
//     ... client.QueueMessage("DataRequest", ""); client.Pump(); ...
//     ASSERT_TRUE(host.WaitForFrames(0, 1));      // connection 0 sent one frame
//     host.Frames(0)[0].name == "DataRequest";     // with kind, seq, payload, raw and arrival time
//     host.ReplyTimes(0);                          // when each DataReply was written
//     host.SendQuit();                             // to every open connection ("Quit")
//     host.Flush();                                // wait until everything asked for is written
//
// Replies: SetReplyPayload (the same DataReply for every request), SetReplies (in order, the
// last repeats), or SetReplyScript (any kind, seq and bytes; no value means no answer).
// SetSilent(true) answers nothing; SetReplyDelay(ms) writes each reply that long after its
// request came in, as a slow host would. Sending: SendFrame, SendQuit, SendQuitClient,
// SendStopRequest, SendRaw (bytes in one write, e.g. two frames at once), SendPieces (bytes in
// pieces with pauses between them). CloseConnection closes with FIN or RST; SetRefusing(true)
// stops listening, so connects are refused, and SetRefusing(false) listens again on the same port.
// Every send and close is done by the host's own thread in the order asked for, without
// blocking the caller; Flush waits for them.
//
// Of each connection the host keeps the last kKeptFrames frames received and reply times, so
// that it runs for hours beside a plug-in; FrameCount and ReplyCount count them all.
//
// Connections are numbered from 0 in the order they were accepted; -1 means every open one.
// The host's lock (kHostLockName) is not taken here: a test that starts a plug-in on port 2000
// holds platform::NamedLock(testhost::kHostLockName) itself, in its own runtime directory.
//
// A test takes the host's own port 2000 through testhost::ClaimedHost (testing/ClaimedHost.h),
// which claims the port from the suites of other build trees first, and its test program holds
// CTest's RESOURCE_LOCK host_port (toolset_add_test).

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace testhost {

using Clock = std::chrono::steady_clock;

// The lock by which the plug-ins see that the host runs.
inline constexpr const char* kHostLockName = "Diagnoma-Running";

inline constexpr std::size_t kKeptFrames = 10000;

// One frame as the host received it.
struct Frame {
    std::string name;
    std::string kind;
    std::string seq;
    std::string payload;
    std::string raw;      // the bytes of the frame, terminator included
    Clock::time_point at; // when its last byte arrived
};

// A "DataReply" as the script wants it sent; the fields are written as they are.
struct Reply {
    std::string payload;
    std::string kind = "1";
    std::string seq = "0";
};

// Bytes to send after a pause.
struct Piece {
    int delayMs;
    std::string bytes;
};

enum class CloseMode { Fin, Rst };

// A frame as it goes onto the wire.
std::string FrameBytes(const std::string& name, const std::string& kind, const std::string& seq,
                       const std::string& payload);

// count frames of that name and payload (kind 1, seq 0) back to back, to be sent in one write.
std::string FloodBytes(const std::string& name, const std::string& payload, int count);

class TestHost {
public:
    // (connection, number of the request on that connection from 0, the request)
    using ReplyScript = std::function<std::optional<Reply>(int connection, int request, const Frame& frame)>;

    // Listens on 127.0.0.1; port 0 takes an ephemeral one. A port in use is not waited for.
    explicit TestHost(std::uint16_t port = 0);
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    // The port listened on; 0 when the port could not be bound, and then why (an errno value,
    // EADDRINUSE when another program listens on it).
    std::uint16_t Port() const { return m_port; }
    int ListenError() const { return m_nListenError; }

    void SetReplyScript(ReplyScript script);
    void SetReplies(std::vector<Reply> replies);
    void SetReplyPayload(const std::string& payload);
    void SetSilent(bool silent);
    // Later sends and closes of the connection wait behind a reply that is delayed.
    void SetReplyDelay(int delayMs);
    void SetRefusing(bool refusing);

    // Connections accepted so far; whether one is still open (neither side has closed it).
    int ConnectionCount() const;
    bool IsOpen(int connection) const;
    int OpenConnectionCount() const;

    std::vector<Frame> Frames(int connection) const;
    std::vector<Clock::time_point> ReplyTimes(int connection) const;
    std::size_t FrameCount(int connection) const;
    std::size_t ReplyCount(int connection) const;

    bool WaitForConnections(int count, int timeoutMs = 5000) const;
    bool WaitForFrames(int connection, std::size_t count, int timeoutMs = 5000) const;
    // Until the connection is closed (by the peer or by CloseConnection).
    bool WaitForClosed(int connection, int timeoutMs = 5000) const;
    // Until every send and close asked for so far is done.
    bool Flush(int timeoutMs = 5000) const;

    void SendFrame(const std::string& name, const std::string& payload = "", int connection = -1,
                   const std::string& kind = "1", const std::string& seq = "0");
    void SendQuit(int connection = -1) { SendFrame("Quit", "", connection); }
    void SendQuitClient(int connection = -1) { SendFrame("QuitClient", "", connection); }
    void SendStopRequest(int connection = -1) { SendFrame("StopRequest", "", connection); }
    void SendRaw(const std::string& bytes, int connection = -1);
    void SendPieces(const std::vector<Piece>& pieces, int connection = -1);
    void CloseConnection(int connection = -1, CloseMode mode = CloseMode::Fin);

private:
    struct Connection;
    struct Action;

    void Serve();
    void Enqueue(int connection, std::vector<Action> actions);
    void Wake() const;
    const Connection* Find(int connection) const;
    void Accept();
    // The frames that came in complete; "DataRequest" ones are answered by Answer.
    std::vector<Frame> Read(Connection& c);
    void Answer(std::unique_lock<std::mutex>& lock, Connection& c, const std::vector<Frame>& requests);
    void RunDueActions();
    void OpenListener();
    void CloseListener();
    int NextTimeoutMs() const;
    template <class Pred> bool WaitUntil(int timeoutMs, Pred pred) const;

    std::uint16_t m_port = 0;
    int m_nListenError = 0;
    int m_listener = -1;
    int m_wake[2] = {-1, -1};
    bool m_bRefusing = false;
    bool m_bStop = false;
    bool m_bSilent = false;
    std::chrono::milliseconds m_replyDelay{0};
    ReplyScript m_script;
    std::vector<std::unique_ptr<Connection>> m_connections;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::thread m_thread;
};

} // namespace testhost
