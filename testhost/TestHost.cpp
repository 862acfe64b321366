#include "testhost/TestHost.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <deque>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace testhost {

struct TestHost::Action {
    enum Kind { Write, Reply, Close } kind;
    Clock::time_point due;
    std::string bytes;
    CloseMode mode = CloseMode::Fin;
};

struct TestHost::Connection {
    explicit Connection(int socket) : fd(socket) {}
    int fd;
    bool open = true;
    std::string pending; // the frame being received
    char prev = '\0';
    int requests = 0;
    // The last kKeptFrames frames and reply times, and how many there were in all.
    std::deque<Frame> frames;
    std::deque<Clock::time_point> replyTimes;
    std::size_t frameCount = 0;
    std::size_t replyCount = 0;
    std::deque<Action> outbox;
};

namespace {

Frame SplitFrame(std::string raw, Clock::time_point at)
{
    Frame f;
    const std::size_t lf = raw.find('\n');
    const std::string header = raw.substr(0, lf);
    const std::size_t c1 = header.find(',');
    const std::size_t c2 = c1 == std::string::npos ? c1 : header.find(',', c1 + 1);
    f.name = header.substr(0, c1);
    if (c1 != std::string::npos)
        f.kind = header.substr(c1 + 1, c2 == std::string::npos ? std::string::npos : c2 - c1 - 1);
    if (c2 != std::string::npos)
        f.seq = header.substr(c2 + 1);
    if (lf != std::string::npos && raw.size() >= lf + 3)
        f.payload = raw.substr(lf + 1, raw.size() - lf - 3);
    f.raw = std::move(raw);
    f.at = at;
    return f;
}

template <class T> void Keep(std::deque<T>& kept, T item)
{
    kept.push_back(std::move(item));
    if (kept.size() > kKeptFrames)
        kept.pop_front();
}

void WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += static_cast<std::size_t>(n);
    }
}

} // namespace

std::string FrameBytes(const std::string& name, const std::string& kind, const std::string& seq,
                       const std::string& payload)
{
    return name + "," + kind + "," + seq + "\n" + payload + "\n\n";
}

std::string FloodBytes(const std::string& name, const std::string& payload, int count)
{
    const std::string frame = FrameBytes(name, "1", "0", payload);
    std::string bytes;
    bytes.reserve(frame.size() * static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        bytes += frame;
    return bytes;
}

TestHost::TestHost(std::uint16_t port) : m_port(port)
{
    if (::pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        m_nListenError = errno;
        m_port = 0;
        return;
    }
    OpenListener();
    if (m_listener < 0) {
        // No server at all: a host that quietly took another port would leave the plug-ins
        // talking to whoever holds the fixed one.
        m_port = 0;
        return;
    }
    m_thread = std::thread(&TestHost::Serve, this);
}

TestHost::~TestHost()
{
    {
        std::lock_guard lock(m_mutex);
        m_bStop = true;
    }
    Wake();
    if (m_thread.joinable())
        m_thread.join();
    for (const auto& c : m_connections) {
        if (c->open)
            ::close(c->fd);
    }
    CloseListener();
    for (const int fd : m_wake) {
        if (fd >= 0)
            ::close(fd);
    }
}

void TestHost::OpenListener()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        m_nListenError = errno;
        return;
    }
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(m_port);
    socklen_t size = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 16) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        m_nListenError = errno;
        ::close(fd);
        return;
    }
    if (m_port == 0)
        m_port = ntohs(address.sin_port);
    m_listener = fd;
}

void TestHost::CloseListener()
{
    if (m_listener >= 0)
        ::close(m_listener);
    m_listener = -1;
}

void TestHost::Wake() const
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_wake[1], &byte, 1);
}

void TestHost::SetReplyScript(ReplyScript script)
{
    std::lock_guard lock(m_mutex);
    m_script = std::move(script);
}

void TestHost::SetReplies(std::vector<Reply> replies)
{
    SetReplyScript([replies = std::move(replies)](int, int request, const Frame&) -> std::optional<Reply> {
        if (replies.empty())
            return std::nullopt;
        return replies[std::min<std::size_t>(static_cast<std::size_t>(request), replies.size() - 1)];
    });
}

void TestHost::SetReplyPayload(const std::string& payload)
{
    SetReplies({Reply{payload}});
}

void TestHost::SetSilent(bool silent)
{
    std::lock_guard lock(m_mutex);
    m_bSilent = silent;
}

void TestHost::SetReplyDelay(int delayMs)
{
    std::lock_guard lock(m_mutex);
    m_replyDelay = std::chrono::milliseconds(delayMs);
}

void TestHost::SetRefusing(bool refusing)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_bRefusing == refusing)
            return;
        m_bRefusing = refusing;
    }
    Wake();
    // The server thread opens or closes the listener; wait until it has.
    WaitUntil(5000, [&] { return (m_listener < 0) == refusing; });
}

int TestHost::ConnectionCount() const
{
    std::lock_guard lock(m_mutex);
    return static_cast<int>(m_connections.size());
}

bool TestHost::IsOpen(int connection) const
{
    std::lock_guard lock(m_mutex);
    return connection >= 0 && connection < static_cast<int>(m_connections.size()) &&
           m_connections[static_cast<std::size_t>(connection)]->open;
}

int TestHost::OpenConnectionCount() const
{
    std::lock_guard lock(m_mutex);
    return static_cast<int>(
        std::count_if(m_connections.begin(), m_connections.end(), [](const auto& c) { return c->open; }));
}

std::vector<Frame> TestHost::Frames(int connection) const
{
    std::lock_guard lock(m_mutex);
    const Connection* c = Find(connection);
    return c ? std::vector<Frame>(c->frames.begin(), c->frames.end()) : std::vector<Frame>();
}

std::vector<Clock::time_point> TestHost::ReplyTimes(int connection) const
{
    std::lock_guard lock(m_mutex);
    const Connection* c = Find(connection);
    return c ? std::vector<Clock::time_point>(c->replyTimes.begin(), c->replyTimes.end())
             : std::vector<Clock::time_point>();
}

std::size_t TestHost::FrameCount(int connection) const
{
    std::lock_guard lock(m_mutex);
    const Connection* c = Find(connection);
    return c ? c->frameCount : 0;
}

std::size_t TestHost::ReplyCount(int connection) const
{
    std::lock_guard lock(m_mutex);
    const Connection* c = Find(connection);
    return c ? c->replyCount : 0;
}

const TestHost::Connection* TestHost::Find(int connection) const
{
    if (connection < 0 || connection >= static_cast<int>(m_connections.size()))
        return nullptr;
    return m_connections[static_cast<std::size_t>(connection)].get();
}

template <class Pred> bool TestHost::WaitUntil(int timeoutMs, Pred pred) const
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), pred);
}

bool TestHost::WaitForConnections(int count, int timeoutMs) const
{
    return WaitUntil(timeoutMs, [&] { return static_cast<int>(m_connections.size()) >= count; });
}

bool TestHost::WaitForFrames(int connection, std::size_t count, int timeoutMs) const
{
    return WaitUntil(timeoutMs, [&] {
        const Connection* c = Find(connection);
        return c && c->frameCount >= count;
    });
}

bool TestHost::WaitForClosed(int connection, int timeoutMs) const
{
    return WaitUntil(timeoutMs, [&] {
        const Connection* c = Find(connection);
        return c && !c->open;
    });
}

bool TestHost::Flush(int timeoutMs) const
{
    return WaitUntil(timeoutMs, [&] {
        return std::all_of(m_connections.begin(), m_connections.end(),
                           [](const auto& c) { return c->outbox.empty(); });
    });
}

void TestHost::SendFrame(const std::string& name, const std::string& payload, int connection,
                         const std::string& kind, const std::string& seq)
{
    SendRaw(FrameBytes(name, kind, seq, payload), connection);
}

void TestHost::SendRaw(const std::string& bytes, int connection)
{
    Enqueue(connection, {Action{Action::Write, Clock::now(), bytes}});
}

void TestHost::SendPieces(const std::vector<Piece>& pieces, int connection)
{
    std::vector<Action> actions;
    Clock::time_point due = Clock::now();
    for (const Piece& piece : pieces) {
        due += std::chrono::milliseconds(piece.delayMs);
        actions.push_back(Action{Action::Write, due, piece.bytes});
    }
    Enqueue(connection, std::move(actions));
}

void TestHost::CloseConnection(int connection, CloseMode mode)
{
    Enqueue(connection, {Action{Action::Close, Clock::now(), {}, mode}});
}

void TestHost::Enqueue(int connection, std::vector<Action> actions)
{
    {
        std::lock_guard lock(m_mutex);
        for (std::size_t i = 0; i < m_connections.size(); ++i) {
            Connection& c = *m_connections[i];
            if (c.open && (connection < 0 || static_cast<int>(i) == connection))
                c.outbox.insert(c.outbox.end(), actions.begin(), actions.end());
        }
    }
    Wake();
}

int TestHost::NextTimeoutMs() const
{
    int timeout = 100;
    const Clock::time_point now = Clock::now();
    for (const auto& c : m_connections) {
        if (c->outbox.empty())
            continue;
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(c->outbox.front().due - now).count();
        timeout = std::clamp(static_cast<int>(wait), 0, timeout);
    }
    return timeout;
}

void TestHost::Serve()
{
    std::unique_lock lock(m_mutex);
    while (!m_bStop) {
        if (m_bRefusing && m_listener >= 0)
            CloseListener();
        if (!m_bRefusing && m_listener < 0)
            OpenListener();
        m_changed.notify_all();

        std::vector<pollfd> fds{{m_wake[0], POLLIN, 0}};
        if (m_listener >= 0)
            fds.push_back({m_listener, POLLIN, 0});
        std::vector<Connection*> polled;
        for (const auto& c : m_connections) {
            if (c->open) {
                fds.push_back({c->fd, POLLIN, 0});
                polled.push_back(c.get());
            }
        }
        const int timeout = NextTimeoutMs();
        lock.unlock();
        const int ready = ::poll(fds.data(), fds.size(), timeout);
        lock.lock();
        if (m_bStop)
            break;
        if (ready > 0) {
            char drain[64];
            while (::read(m_wake[0], drain, sizeof drain) > 0) {
            }
            std::size_t i = 1;
            if (m_listener >= 0 && fds.size() > 1 && fds[1].fd == m_listener) {
                if (fds[1].revents & POLLIN)
                    Accept();
                i = 2;
            }
            for (std::size_t k = 0; k < polled.size(); ++k, ++i) {
                if (fds[i].revents != 0 && polled[k]->open)
                    Answer(lock, *polled[k], Read(*polled[k]));
            }
        }
        RunDueActions();
    }
    m_changed.notify_all();
}

void TestHost::Accept()
{
    const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd >= 0)
        m_connections.push_back(std::make_unique<Connection>(fd));
}

std::vector<Frame> TestHost::Read(Connection& c)
{
    char buffer[4096];
    ssize_t n;
    do {
        n = ::recv(c.fd, buffer, sizeof buffer, 0);
    } while (n < 0 && errno == EINTR);
    if (n <= 0) {
        ::close(c.fd);
        c.open = false;
        c.outbox.clear();
        return {};
    }
    const Clock::time_point now = Clock::now();
    std::vector<Frame> requests;
    for (ssize_t i = 0; i < n; ++i) {
        const char byte = buffer[i];
        if (c.pending.empty() && byte == '\n')
            continue;
        c.pending += byte;
        if (c.prev == '\n' && byte == '\n') {
            Frame frame = SplitFrame(std::move(c.pending), now);
            c.pending.clear();
            c.prev = '\0';
            ++c.frameCount;
            if (frame.name == "DataRequest")
                requests.push_back(frame);
            Keep(c.frames, std::move(frame));
            continue;
        }
        c.prev = byte;
    }
    return requests;
}

void TestHost::Answer(std::unique_lock<std::mutex>& lock, Connection& c, const std::vector<Frame>& requests)
{
    int connection = 0;
    for (std::size_t i = 0; i < m_connections.size(); ++i) {
        if (m_connections[i].get() == &c)
            connection = static_cast<int>(i);
    }
    for (const Frame& request : requests) {
        if (m_bSilent || !m_script)
            return;
        // The script runs without the lock, so it may ask the host anything.
        const ReplyScript script = m_script;
        const int number = c.requests++;
        lock.unlock();
        const std::optional<Reply> reply = script(connection, number, request);
        lock.lock();
        if (reply && c.open)
            c.outbox.push_back(Action{Action::Reply, request.at + m_replyDelay,
                                      FrameBytes("DataReply", reply->kind, reply->seq, reply->payload)});
    }
}

void TestHost::RunDueActions()
{
    const Clock::time_point now = Clock::now();
    for (const auto& c : m_connections) {
        while (c->open && !c->outbox.empty() && c->outbox.front().due <= now) {
            const Action action = std::move(c->outbox.front());
            c->outbox.pop_front();
            if (action.kind == Action::Close) {
                if (action.mode == CloseMode::Rst) {
                    const linger abort{1, 0};
                    ::setsockopt(c->fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
                }
                ::close(c->fd);
                c->open = false;
                c->outbox.clear();
                break;
            }
            WriteAll(c->fd, action.bytes);
            if (action.kind == Action::Reply) {
                ++c->replyCount;
                Keep(c->replyTimes, Clock::now());
            }
        }
    }
    m_changed.notify_all();
}

} // namespace testhost
