#pragma once
// A named single-instance lock standing in for a named mutex: a lock file in the user's
// runtime directory, held with flock, so the kernel frees it when its process dies.

#include <string>

namespace platform {

class NamedLock {
public:
    // Claims the lock; AlreadyExisted() tells whether another holder had it first
    // (then this object holds nothing, as a second handle to a mutex owns nothing).
    explicit NamedLock(const std::string& name);
    ~NamedLock();
    NamedLock(const NamedLock&) = delete;
    NamedLock& operator=(const NamedLock&) = delete;

    bool IsValid() const { return m_fd >= 0; }
    bool AlreadyExisted() const { return m_bAlreadyExisted; }
    bool IsHeld() const { return m_fd >= 0 && !m_bAlreadyExisted; }

    // Whether someone holds the lock of that name now, without claiming it.
    static bool Exists(const std::string& name);

    // The directory the lock files live in: $XDG_RUNTIME_DIR, else the temporary directory.
    static std::string Directory();

private:
    int m_fd = -1;
    bool m_bAlreadyExisted = false;
};

} // namespace platform
