#include "hostlink/TelvoSocket.h"

#include "hostlink/TelvoFrame.h"
#include "platform/TickClock.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <netdb.h>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <system_error>
#include <unistd.h>

using namespace std::chrono_literals;

struct CTelvoSocket::ReceiveLink {
    explicit ReceiveLink(int socket) : fd(socket) {}

    const int fd;
    // Set by this side before it shuts the socket down, so the thread raises no drop for it.
    std::atomic<bool> closing{false};
    // Bytes read after the end of the last message: the start of the next one, and when
    // they arrived.
    std::string carry;
    std::uint32_t carryAt = 0;

    std::mutex state;
    std::condition_variable changed;
    bool started = false;
    bool finished = false;
    // The owner let the thread go; it calls no more into the owner and closes the descriptor.
    bool orphaned = false;
    // Held while the thread calls into its owner, so the owner is never let go during a call.
    std::mutex dispatch;

    template <class Call> void Dispatch(Call&& call)
    {
        std::lock_guard lock(dispatch);
        if (!orphaned)
            call();
    }
};

namespace {

constexpr int kChunkBytes = 127;
constexpr std::uint32_t kMessageBudgetMs = 500;
constexpr int kConnectTimeoutMs = 2000;

// poll with EINTR retried: > 0 ready, 0 timed out, < 0 failed.
int WaitFor(int fd, short events, int timeoutMs)
{
    pollfd p{fd, events, 0};
    int rc;
    do {
        rc = ::poll(&p, 1, timeoutMs);
    } while (rc < 0 && errno == EINTR);
    return rc;
}

// Connects the socket within kConnectTimeoutMs: a host whose accept queue is full, or a peer
// that does not answer, must not hold the dialog for minutes. A signal does not end the wait.
bool ConnectWithin(int fd, const sockaddr_in& address)
{
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) != 0)
        return false;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (errno != EINPROGRESS && errno != EINTR)
            return false;
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kConnectTimeoutMs);
        pollfd p{fd, POLLOUT, 0};
        int rc;
        do {
            const auto left =
                std::chrono::ceil<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count();
            rc = ::poll(&p, 1, static_cast<int>(std::max<long long>(left, 0)));
        } while (rc < 0 && errno == EINTR);
        int error = 0;
        socklen_t size = sizeof error;
        if (rc <= 0 || ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0)
            return false;
    }
    // Receiving and sending wait with poll, then make blocking calls.
    return ::fcntl(fd, F_SETFL, flags) == 0;
}

bool IsConnectionLoss(int error)
{
    return error == EINVAL || error == ENETRESET || error == ECONNABORTED || error == ECONNRESET;
}

// Feeds bytes into the message being received; TRUE when its terminator arrived. LF bytes at the
// start of a message are skipped; whatever follows the terminator goes to rest, received at now.
bool TakeBytes(std::string& message, char& prev, const char* bytes, std::size_t count, std::string& rest,
               std::uint32_t& restAt, std::uint32_t now)
{
    for (std::size_t i = 0; i < count; ++i) {
        const char c = bytes[i];
        if (message.empty() && c == '\n')
            continue;
        message += c;
        if (prev == '\n' && c == '\n') {
            rest.append(bytes + i + 1, count - i - 1);
            restAt = now;
            return true;
        }
        prev = c;
    }
    return false;
}

} // namespace

CTelvoSocket::CTelvoSocket() = default;

CTelvoSocket::~CTelvoSocket()
{
    Disconnect();
}

BOOL CTelvoSocket::IsConnected() const
{
    return m_socket.load() != INVALID_SOCKET;
}

BOOL CTelvoSocket::IsThreadRunning() const
{
    return m_hThread != nullptr;
}

BOOL CTelvoSocket::ConnectTo(const char* host, const char* port, int family, int type)
{
    if (IsConnected())
        return FALSE;
    const int fd = ::socket(family, type | SOCK_CLOEXEC, IPPROTO_TCP);
    if (fd < 0)
        return FALSE;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    if (host == nullptr) {
        char name[260];
        address.sin_addr.s_addr =
            htonl(GetLocalHostName(name, sizeof name) ? ResolveAddress(name) : INADDR_NONE);
    } else {
        address.sin_addr.s_addr = htonl(ResolveAddress(host));
    }
    address.sin_port = htons(ParsePort(port));
    if (!ConnectWithin(fd, address)) {
        ::close(fd);
        return FALSE;
    }
    m_socket.store(fd);
    return TRUE;
}

BOOL CTelvoSocket::StartThread()
{
    const int fd = m_socket.load();
    if (m_hThread || fd == INVALID_SOCKET)
        return FALSE;
    auto link = std::make_shared<ReceiveLink>(fd);
    m_pLink = link;
    try {
        m_hThread = std::make_unique<std::thread>(&CTelvoSocket::ThreadProc, this, link);
    } catch (const std::system_error&) {
        m_pLink.reset();
        return FALSE;
    }
    std::unique_lock lock(link->state);
    link->changed.wait(lock, [&] { return link->started; });
    return TRUE;
}

int CTelvoSocket::SendData(const std::string& data, int timeoutMs)
{
    const int fd = m_socket.load();
    if (fd == INVALID_SOCKET || WaitFor(fd, POLLOUT, timeoutMs) <= 0)
        return 0;
    ssize_t sent;
    do {
        sent = ::send(fd, data.data(), data.size(), MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    return sent < 0 ? SOCKET_ERROR : static_cast<int>(sent);
}

void CTelvoSocket::CloseSocket()
{
    const int fd = m_socket.exchange(INVALID_SOCKET);
    if (fd == INVALID_SOCKET)
        return;
    if (m_pLink && m_pLink->fd == fd) {
        // The receive thread may be inside a call on the descriptor; Disconnect closes it
        // after the thread has ended, so the number cannot be reused under the thread.
        m_pLink->closing.store(true);
        ::shutdown(fd, SHUT_RDWR);
    } else {
        ShutdownAndClose(fd);
    }
}

void CTelvoSocket::Disconnect()
{
    if (IsConnected()) {
        CloseSocket();
        std::this_thread::sleep_for(120ms);
    }
    if (!m_hThread)
        return;
    ReceiveLink& link = *m_pLink;
    link.closing.store(true);
    bool ended;
    {
        std::unique_lock lock(link.state);
        ended = link.changed.wait_for(lock, 3000ms, [&] { return link.finished; });
    }
    if (!ended) {
        // Threads cannot be killed here. A thread still in a call into this object is waited
        // for; after that it is let go and touches only what it shares.
        std::scoped_lock lock(link.dispatch, link.state);
        ended = link.finished;
        link.orphaned = !ended;
    }
    if (ended) {
        m_hThread->join();
        ::close(link.fd);
    } else {
        m_hThread->detach();
    }
    m_hThread.reset();
    m_pLink.reset();
}

// The thread takes its own share of the link by value: it keeps the link alive while it runs.
// NOLINTNEXTLINE(performance-unnecessary-value-param)
void CTelvoSocket::ThreadProc(CTelvoSocket* self, std::shared_ptr<ReceiveLink> link)
{
    self->Run();
    std::lock_guard lock(link->state);
    link->finished = true;
    if (link->orphaned)
        ::close(link->fd);
    link->changed.notify_all();
}

void CTelvoSocket::Run()
{
    // From here on the thread holds its own share of the link; this object is touched only
    // through Dispatch.
    const std::shared_ptr<ReceiveLink> link = m_pLink;
    {
        std::lock_guard lock(link->state);
        link->started = true;
        link->changed.notify_all();
    }
    if (!link->closing.load())
        link->Dispatch([this] { OnEvent(EVT_CON_SUCCESS); });
    while (!link->closing.load()) {
        std::string message;
        const int result = ReceiveMessage(*link, message, 200);
        if (result < 0) {
            if (!link->closing.load())
                link->Dispatch([this] { OnEvent(EVT_CON_DROP); });
            break;
        }
        if (result > 0)
            link->Dispatch([&] { OnReceive(message); });
    }
}

void CTelvoSocket::OnReceive(const std::string&) {}

void CTelvoSocket::OnEvent(unsigned) {}

int CTelvoSocket::ReceiveMessage(ReceiveLink& link, std::string& out, int timeoutMs)
{
    if (link.closing.load())
        return -1;
    std::string message;
    char prev = '\0';
    bool lost = false;

    // A complete message already held is handed over before any further wait.
    std::string held;
    held.swap(link.carry);
    const std::uint32_t heldAt = link.carryAt;
    bool complete = TakeBytes(message, prev, held.data(), held.size(), link.carry, link.carryAt, heldAt);
    // The message's budget runs from its first byte, not from the start of the wait for it.
    std::optional<std::uint32_t> start;
    if (!message.empty())
        start = heldAt;

    while (!complete) {
        if (WaitFor(link.fd, POLLIN, timeoutMs) <= 0)
            break;
        char chunk[kChunkBytes + 1] = {};
        ssize_t n;
        do {
            n = ::recv(link.fd, chunk, kChunkBytes, 0);
        } while (n < 0 && errno == EINTR);
        const std::uint32_t now = platform::TickNow();
        const bool received = n > 0;
        if (received) {
            complete =
                TakeBytes(message, prev, chunk, static_cast<std::size_t>(n), link.carry, link.carryAt, now);
            if (!start && !message.empty())
                start = now;
        } else {
            const int error = n < 0 ? errno : 0;
            char peek;
            ssize_t peeked;
            do {
                peeked = ::recv(link.fd, &peek, 1, MSG_PEEK | MSG_DONTWAIT);
            } while (peeked < 0 && errno == EINTR);
            if (peeked <= 0) {
                lost = peeked == 0 || IsConnectionLoss(error) || IsConnectionLoss(errno);
                if (lost)
                    break;
            }
        }
        if ((start && now - *start > kMessageBudgetMs) || !received)
            break;
    }
    if (!complete) {
        out.clear();
        return lost ? -1 : 0;
    }
    out = std::move(message);
    return static_cast<int>(out.size());
}

std::uint32_t CTelvoSocket::ResolveAddress(const char* host)
{
    in_addr dotted{};
    if (host == nullptr)
        return INADDR_NONE;
    if (std::strcmp(host, "255.255.255.255") == 0)
        return INADDR_NONE;
    if (::inet_aton(host, &dotted) != 0)
        return ntohl(dotted.s_addr);
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host, nullptr, &hints, &found) != 0 || found == nullptr)
        return INADDR_NONE;
    const std::uint32_t address =
        ntohl(reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr);
    ::freeaddrinfo(found);
    return address;
}

std::uint16_t CTelvoSocket::ParsePort(const char* text)
{
    if (text == nullptr)
        return 0;
    if (*text >= '0' && *text <= '9') {
        std::uint32_t value = 0;
        for (const char* p = text; *p >= '0' && *p <= '9'; ++p)
            value = value * 10 + static_cast<std::uint32_t>(*p - '0');
        return static_cast<std::uint16_t>(value);
    }
    const servent* service = ::getservbyname(text, nullptr);
    return service ? ntohs(static_cast<std::uint16_t>(service->s_port)) : 0;
}

BOOL CTelvoSocket::GetLocalHostName(char* buffer, std::size_t size)
{
    if (buffer == nullptr || size == 0) {
        errno = EINVAL;
        return FALSE;
    }
    char name[260] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return FALSE;
    std::string official = name;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_flags = AI_CANONNAME;
    addrinfo* found = nullptr;
    if (::getaddrinfo(name, nullptr, &hints, &found) == 0 && found != nullptr) {
        if (found->ai_canonname)
            official = found->ai_canonname;
        ::freeaddrinfo(found);
    }
    if (official.size() + 1 > size) {
        errno = ENOBUFS;
        return FALSE;
    }
    std::memcpy(buffer, official.c_str(), official.size() + 1);
    return TRUE;
}

BOOL CTelvoSocket::ShutdownAndClose(int socket)
{
    ::shutdown(socket, SHUT_RDWR);
    return ::close(socket) == 0 ? TRUE : FALSE;
}
