#pragma once
// What a plug-in dialog holds to talk to the host: the socket plus a send queue, a receive
// queue and a registry of message handlers. The receive thread only appends to the receive
// queue; the dialog's tick calls Pump, which sends one queued frame and hands one received
// message to the handler registered under its name, on the dialog's own thread.
//
// The receive queue holds at most kRxQueueBound messages, besides the few that no burst from
// the host may push out: the connection events and one each of "Quit", "QuitClient" and
// "StopRequest". A message that arrives at a full queue makes room by dropping the oldest
// waiting message of any other name. A "ConEvent" sent by the host is dropped: only the link
// makes them.

#include "hostlink/TelvoSocket.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <mutex>
#include <string>

class CTelvoClient : public CTelvoSocket {
public:
    // A host-message handler: (context, kind, seq, payload). The strings belong to Pump and
    // live only for the call.
    using HandlerFn = void (*)(void* context, std::string* kind, std::string* seq, std::string* payload);

    class CTelvoHandler {
    public:
        void* m_context = nullptr;
        HandlerFn m_callback = nullptr;
    };

    CTelvoClient() = default;
    ~CTelvoClient() override;

    // An empty host is 127.0.0.1. FALSE when already connected, when the connect fails, or when
    // the receive thread cannot be started (the socket is then closed again).
    BOOL Connect(const std::string& host, int port);
    // Leaves both queues as they are.
    void Disconnect();

    // Formats the frame with kind 1 and the next sequence number and queues it; FALSE, using no
    // number, while not connected.
    BOOL QueueMessage(const std::string& name, const std::string& payload);

    // Sends at most one queued frame (waiting at most 100 ms; a frame that cannot be sent is
    // lost) and dispatches at most one received message. Returns 1 when it took a message and
    // more are waiting, else 0.
    int Pump();

    // FALSE when the name has a handler already; the first one stays.
    BOOL RegisterHandler(void* context, HandlerFn handler, const char* name);

    // Keep only the "ConEvent" messages (the name within the first eleven characters).
    void PurgeReceiveQueue();
    void PurgeSendQueue();
    // Removes every waiting received message of that name; the others stay, in their order.
    void PurgeReceived(const std::string& name);

    // The number of received messages waiting for Pump.
    int WaitingCount() const;

    static constexpr std::size_t kRxQueueBound = 30;

protected:
    void OnReceive(const std::string& message) override;
    void OnEvent(unsigned code) override;

private:
    struct QueuedMessage {
        std::string text;
        // The name of a message that no burst pushes out; empty for every other.
        std::string kept;
    };

    // Receive thread: puts a message into the receive queue by the rules above.
    void Admit(std::string message, std::string kept);

    std::mutex m_csHandlers;
    mutable std::mutex m_csRx;
    std::mutex m_csTx;
    std::list<QueuedMessage> m_rxQueue;
    std::list<std::string> m_txQueue;
    std::map<std::string, CTelvoHandler> m_handlers;
};
