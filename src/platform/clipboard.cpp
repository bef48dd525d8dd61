#include "platform/clipboard.h"

#include "platform/backend.h"

namespace quendar {

BOOL SetClipboardText(std::string_view text) {
    CurrentBackend().SetClipboardText(text);
    return TRUE;
}

std::string GetClipboardText() { return CurrentBackend().GetClipboardText(); }

}  // namespace quendar
