#pragma once
// A client linked to a stand-in host on an ephemeral port, with a handler that records every
// message it is handed.

#include "hostlink/TelvoClient.h"
#include "platform/TickClock.h"
#include "testhost/TestHost.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

struct Handled {
    std::string name;
    std::string kind;
    std::string seq;
    std::string payload;
};

class Recorder {
public:
    // Registers itself for every name given.
    Recorder(CTelvoClient& client, std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            m_names.push_back(std::make_unique<Named>(Named{this, name}));
            client.RegisterHandler(m_names.back().get(), &Recorder::Handle, name);
        }
    }

    std::vector<Handled> messages;
    std::function<void(const Handled&)> onMessage;

private:
    struct Named {
        Recorder* self;
        std::string name;
    };
    static void Handle(void* context, std::string* kind, std::string* seq, std::string* payload)
    {
        auto* named = static_cast<Named*>(context);
        named->self->messages.push_back({named->name, *kind, *seq, *payload});
        if (named->self->onMessage)
            named->self->onMessage(named->self->messages.back());
    }
    std::vector<std::unique_ptr<Named>> m_names;
};

// Pumps until the condition holds or the time is up.
inline bool PumpUntil(CTelvoClient& client, const std::function<bool()>& done, int timeoutMs = 5000)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        if (client.Pump() == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// Pumps until nothing waits.
inline void PumpAll(CTelvoClient& client)
{
    while (client.WaitingCount() > 0)
        client.Pump();
}

// Pumps for a while, for checks that something does not happen.
inline void PumpFor(CTelvoClient& client, int ms)
{
    PumpUntil(
        client, [] { return false; }, ms);
}

// A client that counts the messages its receive thread handed to the queue: those received and
// the connection events, whether the queue kept them or not; and that tells which thread that is.
class CountingClient : public CTelvoClient {
public:
    ~CountingClient() override { Disconnect(); } // before this part goes, as the thread calls into it

    bool WaitReceived(int count, int timeoutMs = 5000) const
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (m_nReceived.load() < count) {
            if (std::chrono::steady_clock::now() > end)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }
    int Received() const { return m_nReceived.load(); }
    // The receive thread that handed over the last message; 0 before any.
    pid_t ReceiveThread() const { return m_receiveThread.load(); }

protected:
    void OnReceive(const std::string& message) override
    {
        CTelvoClient::OnReceive(message);
        Count();
    }
    void OnEvent(unsigned code) override
    {
        CTelvoClient::OnEvent(code);
        Count();
    }

private:
    void Count()
    {
        m_receiveThread = ::gettid();
        ++m_nReceived;
    }

    std::atomic<int> m_nReceived{0};
    std::atomic<pid_t> m_receiveThread{0};
};

// Until the thread has ended, at most 5 s: once it has, it hands over nothing more.
inline bool ThreadEnds(pid_t thread)
{
    const std::string task = "/proc/self/task/" + std::to_string(thread);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (::access(task.c_str(), F_OK) == 0) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// A millisecond clock the test sets, read by the receive thread.
class SetTickClock : public platform::ITickClock {
public:
    std::uint32_t Now() override { return m_now.load(); }
    void Set(std::uint32_t now) { m_now.store(now); }

private:
    std::atomic<std::uint32_t> m_now{0};
};

class LinkTest : public ::testing::Test {
protected:
    void Connect()
    {
        ASSERT_NE(host.Port(), 0);
        ASSERT_EQ(client.Connect("", host.Port()), TRUE);
        ASSERT_TRUE(host.WaitForConnections(1));
        ASSERT_TRUE(PumpUntil(client, [&] { return !recorder.messages.empty(); }));
        ASSERT_EQ(recorder.messages[0].payload, "Event=EVT_CON_SUCCESS");
        recorder.messages.clear();
    }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const Handled& m : recorder.messages)
            names.push_back(m.name);
        return names;
    }

    // Declared first, so that it outlives the client's receive thread.
    SetTickClock clock;
    testhost::TestHost host;
    CountingClient client;
    Recorder recorder{client, {"ConEvent", "DataReply", "Quit", "QuitClient", "StopRequest"}};
};
