#include "hostlink/TelvoClient.h"

#include "hostlink/TelvoFrame.h"

#include <algorithm>
#include <sys/socket.h>

namespace {

// Numbers the frames of the whole process; only the user-interface thread queues frames.
std::uint32_t g_sequence = 0;

// What a purge keeps: the text "ConEvent" within the first eleven characters.
bool NamesConEvent(const std::string& message)
{
    const std::size_t at = message.find("ConEvent");
    return at != std::string::npos && at <= 10;
}

// One waiting copy of these is enough.
bool IsSingular(const std::string& name)
{
    return name == "Quit" || name == "QuitClient" || name == "StopRequest";
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
    std::string frame = FormatFrame(name, 1, static_cast<int>(g_sequence++), payload);
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
        message = std::move(m_rxQueue.front().text);
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
    m_rxQueue.remove_if([](const QueuedMessage& message) { return !NamesConEvent(message.text); });
}

void CTelvoClient::PurgeSendQueue()
{
    std::lock_guard lock(m_csTx);
    m_txQueue.remove_if([](const std::string& frame) { return !NamesConEvent(frame); });
}

int CTelvoClient::WaitingCount() const
{
    std::lock_guard lock(m_csRx);
    return static_cast<int>(m_rxQueue.size());
}

void CTelvoClient::PurgeReceived(const std::string& name)
{
    std::lock_guard lock(m_csRx);
    // The name as Pump reads it for the dispatch.
    std::erase_if(m_rxQueue, [&](const QueuedMessage& message) { return MessageName(message.text) == name; });
}

void CTelvoClient::OnReceive(const std::string& message)
{
    std::string name = MessageName(message);
    // Only this side makes connection events; one from the host would fake a lost link.
    if (name == "ConEvent")
        return;
    Admit(message, IsSingular(name) ? std::move(name) : std::string());
}

void CTelvoClient::OnEvent(unsigned code)
{
    Admit(MakeConEvent(code), "ConEvent");
}

void CTelvoClient::Admit(std::string message, std::string kept)
{
    const auto isKept = [](const QueuedMessage& waiting) { return !waiting.kept.empty(); };
    std::lock_guard lock(m_csRx);
    if (IsSingular(kept) && std::any_of(m_rxQueue.begin(), m_rxQueue.end(),
                                        [&](const QueuedMessage& waiting) { return waiting.kept == kept; }))
        return;
    if (m_rxQueue.size() >= kRxQueueBound) {
        const auto oldest = std::find_if_not(m_rxQueue.begin(), m_rxQueue.end(), isKept);
        if (oldest != m_rxQueue.end())
            m_rxQueue.erase(oldest);
        else if (kept.empty())
            return; // nothing waiting may go for it
    }
    m_rxQueue.push_back({std::move(message), std::move(kept)});
}
