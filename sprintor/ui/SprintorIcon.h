#pragma once
// Sprintor's program icon (icon resource 128): a stop watch, drawn at 16 and 32 pixels.

#include <QIcon>

QIcon SprintorIcon();
