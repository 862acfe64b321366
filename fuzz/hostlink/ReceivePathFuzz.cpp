// What the host sends, in pieces over a real loopback connection, through the receive thread and
// Pump to the handlers. The connection stays up from one input to the next, as a plug-in's does;
// after each input a terminator and an end message of its own let the target know that
// everything sent has been taken.
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "hostlink/TelvoClient.h"
#include "hostlink/TelvoFrame.h"

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct Dispatched {
    std::string name, kind, seq, payload;
    bool operator==(const Dispatched&) const = default;
};

bool IsSingular(const std::string& name)
{
    return name == "Quit" || name == "QuitClient" || name == "StopRequest";
}

// What the bytes hold, worked out without the link: each message ends at its first pair of LF
// characters (LF characters before a message are skipped), the last one at the terminator sent
// after the bytes. Every message but a connection event (only the link makes those) is queued; a
// message that splits and has a handler is dispatched.
struct Sent {
    std::size_t queued = 0;
    std::vector<Dispatched> dispatched;
};

Sent Expected(std::string_view bytes)
{
    Sent sent;
    std::string message;
    for (const char c : std::string(bytes) + "\n\n") {
        if (message.empty() && c == '\n')
            continue;
        message += c;
        if (message.size() < 2 || message.substr(message.size() - 2) != "\n\n")
            continue;
        Dispatched d;
        const bool splits = SplitMessage(message, d.name, d.kind, d.seq, d.payload);
        if (!splits || d.name != "ConEvent")
            ++sent.queued;
        if (splits && (d.name == "DataReply" || IsSingular(d.name)))
            sent.dispatched.push_back(std::move(d));
        message.clear();
    }
    return sent;
}

class Link;

struct Handler {
    Link* link;
    const char* name;
};

class Link {
public:
    Link()
    {
        const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        FUZZ_CHECK(::bind(listener, reinterpret_cast<sockaddr*>(&address), length) == 0);
        FUZZ_CHECK(::listen(listener, 1) == 0);
        FUZZ_CHECK(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) == 0);
        FUZZ_CHECK(client_.Connect("127.0.0.1", ntohs(address.sin_port)));
        host_ = ::accept(listener, nullptr, nullptr);
        FUZZ_CHECK(host_ >= 0);
        ::close(listener);
        const int on = 1;
        ::setsockopt(host_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        for (Handler& handler : handlers_)
            client_.RegisterHandler(&handler, &Link::Record, handler.name);
        // The link's own event for the connection it made.
        WaitUntil([&] { return !dispatched_.empty(); });
        FUZZ_CHECK(dispatched_.front().name == "ConEvent");
        FUZZ_CHECK(dispatched_.front().payload == "Event=EVT_CON_SUCCESS");
    }

    // Sends the bytes in pieces of the given size, then the end message, and hands out what the
    // handlers got besides end messages.
    std::vector<Dispatched> Exchange(std::string_view bytes, std::size_t piece)
    {
        dispatched_.clear();
        for (std::size_t at = 0; at < bytes.size(); at += piece)
            Send(bytes.substr(at, piece));
        // A machine under load may hold the receive thread past a message's time budget, and the
        // link then drops that message: the end message is sent again before this counts as lost.
        bool ended = false;
        for (int attempt = 0; attempt < 3 && !ended; ++attempt) {
            const std::string token = std::to_string(++exchanges_);
            Send("\n\n" + FormatFrame("FuzzEnd", 1, 0, token));
            ended = WaitUntil([&] {
                return std::any_of(dispatched_.begin(), dispatched_.end(), [&](const Dispatched& message) {
                    return message.name == "FuzzEnd" && message.payload == token;
                });
            });
        }
        FUZZ_CHECK(ended);
        std::erase_if(dispatched_, [](const Dispatched& message) { return message.name == "FuzzEnd"; });
        return dispatched_;
    }

private:
    static void Record(void* context, std::string* kind, std::string* seq, std::string* payload)
    {
        const auto* handler = static_cast<Handler*>(context);
        handler->link->dispatched_.push_back({handler->name, *kind, *seq, *payload});
    }

    void Send(std::string_view bytes)
    {
        while (!bytes.empty()) {
            const ssize_t sent = ::send(host_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            FUZZ_CHECK(sent > 0);
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        }
    }

    template <typename Done> bool WaitUntil(Done done)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            if (client_.Pump() == 0 && client_.WaitingCount() == 0)
                std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
        return true;
    }

    CTelvoClient client_;
    int host_ = -1;
    unsigned exchanges_ = 0;
    std::vector<Dispatched> dispatched_;
    Handler handlers_[6] = {{this, "ConEvent"},   {this, "DataReply"},   {this, "Quit"},
                            {this, "QuitClient"}, {this, "StopRequest"}, {this, "FuzzEnd"}};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Link link;
    FuzzInput input(data, size);
    const std::size_t piece = input.Byte() % 64 + 1;
    const std::string_view bytes = input.Rest();
    const std::vector<Dispatched> got = link.Exchange(bytes, piece);
    const Sent sent = Expected(bytes);
    const std::vector<Dispatched>& expected = sent.dispatched;
    // What arrives is what was sent, in order; a burst may push messages out of the bounded
    // queue, and a second "Quit" (or "QuitClient", "StopRequest") while one waits is dropped.
    auto next = expected.begin();
    for (const Dispatched& message : got) {
        next = std::find(next, expected.end(), message);
        FUZZ_CHECK(next != expected.end());
        ++next;
    }
    // Messages that fit the queue with the end message all arrive, but for repeated singular
    // ones: of those, at least one of each name.
    if (sent.queued < CTelvoClient::kRxQueueBound) {
        for (const Dispatched& message : expected) {
            const auto arrived =
                IsSingular(message.name)
                    ? std::count_if(got.begin(), got.end(),
                                    [&](const Dispatched& d) { return d.name == message.name; })
                    : std::count(got.begin(), got.end(), message);
            const auto times = std::count(expected.begin(), expected.end(), message);
            FUZZ_CHECK(IsSingular(message.name) ? arrived >= 1 : arrived == times);
        }
    }
    return 0;
}
