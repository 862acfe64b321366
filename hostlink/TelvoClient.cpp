#include "hostlink/TelvoClient.h"

#include "hostlink/TelvoFrame.h"

#include <sys/socket.h>

namespace {

// Numbers the frames of the whole process; only the user-interface thread queues frames.
std::uint32_t g_nSequence = 0;

void Purge(std::list<std::string>& queue)
{
    queue.remove_if([](const std::string& message) {
        const std::size_t at = message.find("ConEvent");
        return at == std::string::npos || at > 10;
    });
}

} // namespace

CTelvoClient::~CTelvoClient()
{
    CTelvoSocket::Disconnect();
}

BOOL CTelvoClient::Connect(const std::string& host, int port)
{
    if (IsConnected())
        return FALSE;
    const std::string address = host.empty() ? std::string("127.0.0.1") : host;
    const std::string portText = std::to_string(port);
    if (!ConnectTo(address.c_str(), portText.c_str(), AF_INET, SOCK_STREAM))
        return FALSE;
    if (StartThread())
        return TRUE;
    CloseSocket(); // no half-open link without a receiver
    return FALSE;
}

void CTelvoClient::Disconnect()
{
    CTelvoSocket::Disconnect();
}

BOOL CTelvoClient::QueueMessage(const std::string& name, const std::string& payload)
{
    if (!IsConnected())
        return FALSE;
    std::string frame = FormatFrame(name, 1, static_cast<int>(g_nSequence++), payload);
    std::lock_guard lock(m_csTx);
    m_txQueue.push_back(std::move(frame));
    return TRUE;
}

int CTelvoClient::Pump()
{
    std::string frame;
    bool sending = false;
    {
        std::lock_guard lock(m_csTx);
        if (!m_txQueue.empty()) {
            frame = std::move(m_txQueue.front());
            m_txQueue.pop_front();
            sending = true;
        }
    }
    if (sending)
        SendData(frame, 100);

    std::string message;
    bool more;
    {
        std::lock_guard lock(m_csRx);
        if (m_rxQueue.empty())
            return 0;
        message = std::move(m_rxQueue.front());
        m_rxQueue.pop_front();
        more = !m_rxQueue.empty();
    }
    const int result = more ? 1 : 0;

    std::string name, kind, seq, payload;
    if (!SplitMessage(message, name, kind, seq, payload))
        return result;
    CTelvoHandler handler;
    {
        std::lock_guard lock(m_csHandlers);
        const auto found = m_handlers.find(name);
        if (found == m_handlers.end())
            return result;
        handler = found->second;
    }
    handler.m_callback(handler.m_context, &kind, &seq, &payload);
    return result;
}

BOOL CTelvoClient::RegisterHandler(void* context, HandlerFn handler, const char* name)
{
    std::lock_guard lock(m_csHandlers);
    return m_handlers.try_emplace(name, CTelvoHandler{context, handler}).second ? TRUE : FALSE;
}

void CTelvoClient::PurgeReceiveQueue()
{
    std::lock_guard lock(m_csRx);
    Purge(m_rxQueue);
}

void CTelvoClient::PurgeSendQueue()
{
    std::lock_guard lock(m_csTx);
    Purge(m_txQueue);
}

void CTelvoClient::PurgeReceived(const std::string& name)
{
    std::lock_guard lock(m_csRx);
    std::erase_if(m_rxQueue, [&](const std::string& message) {
        // The name as Pump reads it for the dispatch.
        std::string messageName, kind, seq, payload;
        return SplitMessage(message, messageName, kind, seq, payload) && messageName == name;
    });
}

void CTelvoClient::OnReceive(const std::string& message)
{
    std::lock_guard lock(m_csRx);
    m_rxQueue.push_back(message);
}

void CTelvoClient::OnEvent(unsigned code)
{
    OnReceive(MakeConEvent(code));
}

int CTelvoClient::WaitingCount() const
{
    std::lock_guard lock(m_csRx);
    return static_cast<int>(m_rxQueue.size());
}
