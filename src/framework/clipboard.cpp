#include "framework/clipboard.h"

#include "framework/exception.h"
#include "platform/clipboard.h"

namespace quendar {

std::string TClipboard::AsText() const { return GetClipboardText(); }

void TClipboard::SetAsText(const std::string& text) {
    if (!SetClipboardText(text)) throw Exception("Cannot open clipboard");
}

TClipboard& Clipboard() {
    static TClipboard clipboard;
    return clipboard;
}

}  // namespace quendar
