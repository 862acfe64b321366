#pragma once
// Opening a file or a web address with the desktop's default program, behind an interface
// that tests replace.

#include <QString>

namespace platform {

class IShell {
public:
    virtual ~IShell() = default;
    // A local path or an address such as "http://www.example.org"; false when nothing opened it.
    virtual bool Open(const QString& target) = 0;
};

void SetShell(IShell* shell);
bool ShellOpen(const QString& target);

} // namespace platform
