#pragma once
// The hint that runs once in the title bar after the start: an arrow that shrinks frame by
// frame towards the window's icon, with the text that clicking the icon opens the preferences;
// then the title.

#include <optional>
#include <string>

// The next frame's title, Windows-1252, counting g_nTitleHintCount down; nothing once the count
// is 0, when the window shows g_strTitle.
std::optional<std::string> NextTitleHint();
