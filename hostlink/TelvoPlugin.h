#pragma once
// The small base of each plug-in's application object: claims the plug-in's named
// single-instance lock ("Sprintor", "Oscivo", "Verbrix") for the life of the process.

#include "platform/NamedLock.h"
#include "platform/WinTypes.h"

#include <memory>

class CTelvoPlugin {
public:
    explicit CTelvoPlugin(const char* mutexName);
    virtual ~CTelvoPlugin();
    CTelvoPlugin(const CTelvoPlugin&) = delete;
    CTelvoPlugin& operator=(const CTelvoPlugin&) = delete;

    // The lock; null when no lock file could be made (the plug-in then runs normally).
    std::unique_ptr<platform::NamedLock> m_hMutex;
    // Another process held the lock first.
    BOOL m_bAlreadyRunning = FALSE;
};
