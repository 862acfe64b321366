#pragma once
// Choosing a colour, as the colour dialog of the platform does it, behind an interface that
// tests replace (with one that answers without a person).

#include "platform/WinTypes.h"

#include <optional>

class QWidget;

constexpr DWORD CC_PREVENTFULLOPEN = 0x00000004;
constexpr DWORD CC_ENABLEHOOK = 0x00000010;
constexpr DWORD CC_ANYCOLOR = 0x00000100;

namespace platform {

class IColorDialog {
public:
    virtual ~IColorDialog() = default;
    // The colour confirmed, or nothing when the user cancelled. The dialog starts at black: the
    // programs give it no initial colour.
    virtual std::optional<COLORREF> ChooseColor(QWidget* owner, DWORD flags) = 0;
};

// Replaces the dialog; nullptr restores the real one.
void SetColorDialog(IColorDialog* dialog);

std::optional<COLORREF> ShowColorDialog(QWidget* owner, DWORD flags);

} // namespace platform
