#pragma once
// The application's name, the caption of every message box of Sprintor (the program file's
// name without its extension, as the program was known).

#include <QString>

QString AppName();
