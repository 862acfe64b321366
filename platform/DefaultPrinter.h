#pragma once
// The system's default printer, set up for one print job, behind an interface that tests
// replace with one that prints into a PDF file.

#include <QString>

#include <memory>

class QPrinter;

namespace platform {

class IDefaultPrinter {
public:
    virtual ~IDefaultPrinter() = default;
    // The default printer, ready for a job of this name; nullptr when no printer is installed.
    virtual std::unique_ptr<QPrinter> Open(const QString& jobName) = 0;
};

// Replaces the printer; nullptr restores the system's.
void SetDefaultPrinter(IDefaultPrinter* printer);

std::unique_ptr<QPrinter> OpenDefaultPrinter(const QString& jobName);

} // namespace platform
