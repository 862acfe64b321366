#include "platform/NamedLock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace platform {
namespace {

std::string LockPath(const std::string& name)
{
    return NamedLock::Directory() + "/" + name + ".lock";
}

int OpenLockFile(const std::string& name)
{
    return ::open(LockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
}

int TryLock(int fd)
{
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    return rc;
}

} // namespace

std::string NamedLock::Directory()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime)
        return runtime;
    return std::filesystem::temp_directory_path().string();
}

NamedLock::NamedLock(const std::string& name)
{
    m_fd = OpenLockFile(name);
    if (m_fd < 0)
        return;
    if (TryLock(m_fd) != 0)
        m_bAlreadyExisted = (errno == EWOULDBLOCK);
    if (m_bAlreadyExisted) {
        // A second instance keeps no hold on the name.
        ::close(m_fd);
        m_fd = -1;
    }
}

NamedLock::~NamedLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing the descriptor releases the flock
}

bool NamedLock::Exists(const std::string& name)
{
    const int fd = OpenLockFile(name);
    if (fd < 0)
        return false;
    const bool held = TryLock(fd) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

} // namespace platform
