#pragma once
// Oscivo's icons: the program's own (a small scope screen) and the symbols of its buttons.

#include <QIcon>

// The program icon, resource 129.
QIcon OscivoIcon();

// The button icon of that resource number, 130 to 140 (Resource.h); an empty icon for another.
QIcon ButtonIcon(int id);
