#include "platform/DefaultPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace platform {
namespace {

class SystemDefaultPrinter : public IDefaultPrinter {
public:
    std::unique_ptr<QPrinter> Open(const QString& jobName) override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return nullptr;
        auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        printer->setDocName(jobName);
        return printer;
    }
};

SystemDefaultPrinter g_system;
IDefaultPrinter* g_printer = nullptr;

} // namespace

void SetDefaultPrinter(IDefaultPrinter* printer)
{
    g_printer = printer;
}

std::unique_ptr<QPrinter> OpenDefaultPrinter(const QString& jobName)
{
    return (g_printer ? g_printer : &g_system)->Open(jobName);
}

} // namespace platform
