#pragma once
// What the computation and the file handlers ask of the main form: show a message or an error
// (an OK box captioned with the program's title), switch to a page, give an edit the input focus.
// The form implements it; tests record the calls.

#include "dynalyt/core/FormTexts.h"

#include <QString>

namespace dynalyt {

// The caption of every message box of the program.
inline constexpr const char* ApplicationTitle = "Dynalyt V3.0.8";

class IFormActions {
public:
    virtual ~IFormActions() = default;
    // A modal message box with an OK button; returns when the user has closed it.
    virtual void ShowMessage(const QString& text) = 0;
    // The same box with the error sign, for an error raised while handling (an arithmetic
    // failure, a refusal of the chart), as the handler guard shows every error.
    virtual void ShowError(const QString& text) = 0;
    // Switches the page control without running its change handler again.
    virtual void ShowPage(Page page) = 0;
    virtual void FocusEdit(InputEdit edit) = 0;
};

} // namespace dynalyt
