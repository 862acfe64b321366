#pragma once
// One TCP connection to the host and the one thread that receives on it. The thread cuts the
// byte stream into messages, each ending at its first pair of LF characters, and hands them to
// OnReceive; it reports the start and the loss of the connection through OnEvent.

#include "platform/WinTypes.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

constexpr int INVALID_SOCKET = -1;
constexpr int SOCKET_ERROR = -1;

class CTelvoSocket {
public:
    CTelvoSocket();
    virtual ~CTelvoSocket();
    CTelvoSocket(const CTelvoSocket&) = delete;
    CTelvoSocket& operator=(const CTelvoSocket&) = delete;

    // The socket is open on this side; stays TRUE after the peer has gone, until Disconnect.
    // Any thread.
    BOOL IsConnected() const;
    BOOL IsThreadRunning() const;

    // Connect to an IPv4 host ("127.0.0.1", a name, or nullptr for this machine's name) and port
    // (decimal or a service name), waiting at most 2 s, signals notwithstanding. FALSE when
    // already connected, on failure or on time-out.
    BOOL ConnectTo(const char* host, const char* port, int family, int type);

    // Starts the receive thread on the connected socket; FALSE when one exists, the socket is
    // not connected, or no thread can be made.
    BOOL StartThread();

    // Waits at most timeoutMs for the socket to take data, then makes one send of the whole
    // text: the bytes sent, SOCKET_ERROR, or 0 when it could not be sent in time. A host that
    // has gone never raises SIGPIPE.
    int SendData(const std::string& data, int timeoutMs);

    // Shuts the socket down in both directions and marks it not connected; the descriptor is
    // closed once no receive thread can use it any more.
    void CloseSocket();

    // CloseSocket, a 120 ms pause, then waits up to 3000 ms for the receive thread. No event
    // is raised for a disconnect made here. Calling it again does nothing.
    void Disconnect();

    // IPv4 address in host byte order; all ones when the name does not resolve.
    static std::uint32_t ResolveAddress(const char* host);
    static std::uint16_t ParsePort(const char* text);
    // This machine's official name; FALSE with errno EINVAL for no buffer, ENOBUFS when it does
    // not fit with its NUL.
    static BOOL GetLocalHostName(char* buffer, std::size_t size);
    static BOOL ShutdownAndClose(int socket);

protected:
    // The body of the receive thread.
    void Run();
    // Receive thread: one complete message, terminator included.
    virtual void OnReceive(const std::string& message);
    // Receive thread: EVT_CON_SUCCESS when it starts, EVT_CON_DROP when the peer is lost.
    virtual void OnEvent(unsigned code);

private:
    struct ReceiveLink;

    static void ThreadProc(CTelvoSocket* self, std::shared_ptr<ReceiveLink> link);
    // -1: the connection is lost; 0: no complete message in time; else the message's length.
    static int ReceiveMessage(ReceiveLink& link, std::string& out, int timeoutMs);

    std::atomic<int> m_socket{INVALID_SOCKET};
    std::unique_ptr<std::thread> m_hThread;
    // What the receive thread uses, shared with it so that a thread that must be left running
    // never touches freed memory.
    std::shared_ptr<ReceiveLink> m_pLink;
};
