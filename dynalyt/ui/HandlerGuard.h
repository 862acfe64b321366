#pragma once
// Every handler of the program runs through this guard: an error it raises ends that handler,
// is shown in a message box captioned with the program's title, and the program goes on.

#include <functional>

class QString;
class QWidget;

namespace dynalyt {

void RunGuarded(QWidget* owner, const std::function<void()>& handler);

// The guard's box: the text with the error sign, captioned with the program's title.
void ShowErrorBox(QWidget* owner, const QString& text);

} // namespace dynalyt
