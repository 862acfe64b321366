#pragma once
// The application object of Oscivo: claims the instance lock "Oscivo"; a second instance ends
// at once without a window.

#include "hostlink/TelvoPlugin.h"

class COscivoApp : public CTelvoPlugin {
public:
    COscivoApp();

    // Runs the plug-in until its dialog closes; the process's exit code.
    int InitInstance(int argc, char** argv);
};
