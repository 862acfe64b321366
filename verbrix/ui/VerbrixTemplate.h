#pragma once
// Dialog 102, Verbrix's main dialog, as its template holds it: beside each label its display,
// with the text the dialog replaces as it opens, and the two buttons.

#include "dialogkit/DialogTemplate.h"

#include <span>

std::span<const ControlTemplate> VerbrixDialogTemplate();
