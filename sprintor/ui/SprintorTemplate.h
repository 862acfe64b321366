#pragma once
// Dialog 102, Sprintor's main dialog, as its template holds it. The graph is not among the
// controls: it is made over its place when the dialog opens.

#include "dialogkit/DialogTemplate.h"

#include <span>

// The controls in the order they are made: the group boxes first, so that they lie below the
// controls inside them.
std::span<const ControlTemplate> SprintorDialogTemplate();
