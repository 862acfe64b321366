#pragma once
// A bare TCP client for testing the stand-in host without the host link.

#include <arpa/inet.h>
#include <chrono>
#include <cstdint>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

class RawPeer {
public:
    explicit RawPeer(std::uint16_t port)
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(port);
        m_connected = ::connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawPeer() { Close(); }
    RawPeer(const RawPeer&) = delete;
    RawPeer& operator=(const RawPeer&) = delete;

    bool Connected() const { return m_connected; }
    void Send(const std::string& bytes) { (void)::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL); }
    void Close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    // Reads until the bytes received hold count frames (LF LF pairs), the peer closes, or the
    // time is up; returns everything received so far.
    std::string ReadFrames(int count, int timeoutMs = 3000)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (Frames() < count && !m_closed) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                break;
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(left.count())) <= 0)
                break;
            char buffer[512];
            const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
            if (n <= 0)
                m_closed = true;
            else
                m_received.append(buffer, static_cast<std::size_t>(n));
        }
        return m_received;
    }
    // Whether the host has closed the connection (waits up to the time given).
    bool WaitClosed(int timeoutMs = 3000)
    {
        ReadFrames(1 << 30, timeoutMs);
        return m_closed;
    }

private:
    int Frames() const
    {
        int n = 0;
        for (std::size_t at = m_received.find("\n\n"); at != std::string::npos;
             at = m_received.find("\n\n", at + 2))
            ++n;
        return n;
    }
    int m_fd = -1;
    bool m_connected = false;
    bool m_closed = false;
    std::string m_received;
};
