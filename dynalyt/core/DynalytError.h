#pragma once
// An error raised inside a handler (an arithmetic failure of the computation, a refusal of the
// chart): it ends the handler's work at that step, and its text is shown in a message box.

#include <QString>

#include <stdexcept>

namespace dynalyt {

class DynalytError : public std::runtime_error {
public:
    explicit DynalytError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& Text() const { return m_text; }

private:
    QString m_text;
};

// The texts of the arithmetic failures.
inline constexpr const char* DivideByZeroText = "Gleitkommadivision durch Null";
inline constexpr const char* InvalidOperationText = "Ungültige Gleitkommaoperation";
inline constexpr const char* OverflowText = "Gleitkommaüberlauf";

// numerator / denominator, raising the failure the division would raise: a zero denominator
// gives "division by zero", or "invalid operation" when the numerator is zero too; a result
// beyond a double gives "overflow". So no infinite or NaN value leaves the computation.
double CheckedDivide(double numerator, double denominator);

// A computed value that must be finite; raises "overflow" when it is not.
double CheckedFinite(double value);

} // namespace dynalyt
