#pragma once
// Clipboard text (UTF-8), kept by the display backend.

#include <string>
#include <string_view>

#include "platform/window_types.h"

namespace quendar {

// Replaces the clipboard's content with the text.
BOOL SetClipboardText(std::string_view text);
// Empty when the clipboard holds no text.
std::string GetClipboardText();

}  // namespace quendar
