#pragma once
// The dialog data exchange of a whole number with a range check, as the framework's dialogs did
// it: a text that is not a whole number, or a number outside the range, is reported with the
// framework's validation message and the edit's text is selected for correcting.

#include <QString>

#include <optional>

class QLineEdit;
class QWidget;

// [blanks][sign]digits[blanks] within the int range; nothing otherwise.
std::optional<int> ParseWholeNumber(const QString& text);

// Reads the edit into value. A text that is not a whole number leaves value as it was; a number
// out of range is stored all the same (the check follows the store). False when reported.
bool ExchangeInt(QWidget* owner, QLineEdit& edit, int& value, int min, int max);
