#include "hostlink/TelvoPlugin.h"

CTelvoPlugin::CTelvoPlugin(const char* mutexName)
{
    auto lock = std::make_unique<platform::NamedLock>(mutexName);
    m_bAlreadyRunning = lock->AlreadyExisted() ? TRUE : FALSE;
    if (lock->IsValid() || lock->AlreadyExisted())
        m_hMutex = std::move(lock);
}

CTelvoPlugin::~CTelvoPlugin() = default; // releasing the lock frees the name
