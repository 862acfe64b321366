#pragma once
// The application object of Verbrix: claims the instance lock "Verbrix" and runs the main
// dialog modally.

#include "hostlink/TelvoPlugin.h"

class CVerbrixApp : public CTelvoPlugin {
public:
    CVerbrixApp();

    // Runs the plug-in until its dialog closes; the process's exit code.
    int InitInstance(int argc, char** argv);
};
