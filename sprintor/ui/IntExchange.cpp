#include "sprintor/ui/IntExchange.h"

#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <charconv>
#include <string>

std::optional<int> ParseWholeNumber(const QString& text)
{
    const std::string s = text.toStdString();
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t'))
        --e;
    if (b < e && s[b] == '+' && e - b > 1 && s[b + 1] != '-')
        ++b;
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data() + b, s.data() + e, value);
    if (ec != std::errc() || end != s.data() + e || b == e)
        return std::nullopt;
    return value;
}

namespace {

void Fail(QWidget* owner, QLineEdit& edit, const QString& text)
{
    platform::ShowMessageBox(owner, text, QCoreApplication::applicationName(), MB_OK | MB_ICONWARNING);
    edit.setFocus();
    edit.selectAll();
}

} // namespace

bool ExchangeInt(QWidget* owner, QLineEdit& edit, int& value, int min, int max)
{
    const std::optional<int> number = ParseWholeNumber(edit.text());
    if (!number) {
        Fail(owner, edit, QStringLiteral("Enter an integer."));
        return false;
    }
    value = *number;
    if (value < min || value > max) {
        Fail(owner, edit, QStringLiteral("Enter an integer between %1 and %2.").arg(min).arg(max));
        return false;
    }
    return true;
}
