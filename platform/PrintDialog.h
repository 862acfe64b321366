#pragma once
// Choosing a printer, as the print dialog of the platform does it, behind an interface that
// tests replace (with one that returns a PDF printer).

#include "platform/WinTypes.h"

#include <memory>

class QPrinter;
class QWidget;

constexpr DWORD PD_NOSELECTION = 0x00000004;
constexpr DWORD PD_NOPAGENUMS = 0x00000008;
constexpr DWORD PD_USEDEVMODECOPIESANDCOLLATE = 0x00040000;
constexpr DWORD PD_DISABLEPRINTTOFILE = 0x00080000;

namespace platform {

class IPrintDialog {
public:
    virtual ~IPrintDialog() = default;
    // The chosen printer, or nullptr when the user cancelled.
    virtual std::unique_ptr<QPrinter> ChoosePrinter(QWidget* owner, DWORD flags) = 0;
};

// Replaces the dialog; nullptr restores the real one.
void SetPrintDialog(IPrintDialog* dialog);

std::unique_ptr<QPrinter> ShowPrintDialog(QWidget* owner, DWORD flags);

} // namespace platform
