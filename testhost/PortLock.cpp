#include "testhost/PortLock.h"

#include <chrono>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace testhost {

PortLock::PortLock(std::uint16_t port, int timeoutMs)
{
    const std::string path = "/tmp/toolset-port-" + std::to_string(port) + ".lock";
    m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (m_fd < 0)
        return;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!(m_bHeld = ::flock(m_fd, LOCK_EX | LOCK_NB) == 0) && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

PortLock::~PortLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace testhost
