#pragma once
// The start-up that the three plug-ins share, called from their application's InitInstance,
// which their main() calls:
//
//     CVerbrixApp theApp; // derives from CTelvoPlugin; claims "Verbrix"
//     int main(int argc, char** argv) { return theApp.InitInstance(argc, argv); }
//
//     int CVerbrixApp::InitInstance(int argc, char** argv)
//     {
//         return RunPluginInstance(
//             argc, argv, [] { return TRUE; },
//             [] {
//                 InstallVerbrixStrings();
//                 CVerbrixDlg dlg;
//                 dlg.DoModal();
//             });
//     }
//
// The Qt application object is made first and prepared (PreparePluginApplication); the socket
// library needs no start-up here. Then ownSteps runs (the already-running check: FALSE ends the
// plug-in silently), then runMainDialog, which makes the main dialog and runs it modally. There
// is no further message loop: the process ends when the dialog returns.

#include "platform/WinTypes.h"

#include <functional>

int RunPluginInstance(int argc, char** argv, const std::function<BOOL()>& ownSteps,
                      const std::function<void()>& runMainDialog);

// What the plug-ins need of the application object once it exists: the numeric locale back to
// "C", and Qt's German translations where they are installed, so that Qt's own dialogs and
// buttons speak German as the platform's did. FALSE when the translations could not be loaded.
BOOL PreparePluginApplication();
