#pragma once
// The start lamp's pictures: a housing of 22 x 54 pixels in 16 colours with an amber lens above
// a green one; dark, amber lit, or green lit.

#include <QPixmap>

// The picture of a lamp bitmap resource (IDB_LAMP_OFF, IDB_LAMP_AMBER, IDB_LAMP_GREEN).
QPixmap LoadLampBitmap(int bitmapId);
