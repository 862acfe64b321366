#pragma once
// The main form's four file dialogs: titles, filters, initial directory and the final-name
// rules under which the overwrite question is asked.

#include "platform/FileDialog.h"

namespace dynalyt {

platform::FileDialogRequest od1(); // open a measurement
platform::FileDialogRequest sd1(); // save a measurement
platform::FileDialogRequest od2(); // import a host log
platform::FileDialogRequest sd2(); // save the diagram as a bitmap

// The diagram's file name: ".bmp" appended to a name without extension; any other name stays.
QString DiagramFileName(const QString& chosen);

} // namespace dynalyt
