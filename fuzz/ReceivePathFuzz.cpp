// What the host sends, in pieces over a real loopback connection, through the receive thread and
// Pump to the handlers. The connection stays up from one input to the next, as a plug-in's does;
// after each input a terminator and an end message of its own let the target know that
// everything sent has been taken.
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "hostlink/TelvoClient.h"
#include "hostlink/TelvoFrame.h"

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
};

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
        FUZZ_CHECK(dispatched_.front().payload == "Event=" + EventName(EVT_CON_SUCCESS));
    }

    // Sends the bytes in pieces of the given size, then the end message, and hands out what the
    // handlers got before it.
    std::vector<Dispatched> Exchange(std::string_view bytes, std::size_t piece)
    {
        dispatched_.clear();
        const std::string token = std::to_string(++exchanges_);
        for (std::size_t at = 0; at < bytes.size(); at += piece)
            Send(bytes.substr(at, piece));
        Send("\n\n" + FormatFrame("FuzzEnd", 1, 0, token));
        const auto ended = [&] {
            return !dispatched_.empty() && dispatched_.back().name == "FuzzEnd" &&
                   dispatched_.back().payload == token;
        };
        FUZZ_CHECK(WaitUntil(ended));
        dispatched_.pop_back();
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
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
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
    for (const Dispatched& message : link.Exchange(bytes, piece)) {
        // Only the link makes connection events, and the connection stays up.
        FUZZ_CHECK(message.name != "ConEvent");
        // A payload is a run of the bytes sent; the header's fields lose their escapes at most.
        FUZZ_CHECK(bytes.find(message.payload) != std::string_view::npos);
        FUZZ_CHECK(message.kind.size() + message.seq.size() <= bytes.size());
    }
    return 0;
}
