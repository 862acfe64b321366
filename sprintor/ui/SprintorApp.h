#pragma once
// The application object of Sprintor: claims the instance lock "Sprintor"; a second instance
// ends at once without a window.

#include "hostlink/TelvoPlugin.h"

class CSprintorApp : public CTelvoPlugin {
public:
    CSprintorApp();

    // Runs the plug-in until its dialog closes; the process's exit code.
    int InitInstance(int argc, char** argv);
};
