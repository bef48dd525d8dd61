#pragma once
// TClipboard: the system clipboard's text as a property. There is one,
// reached through Clipboard(); it keeps nothing itself, so every read sees
// what any program put there last.

#include <string>

#include "framework/persistent.h"

namespace quendar {

class TClipboard : public TPersistent {
public:
    std::string ClassName() const override { return "TClipboard"; }

    // Empty when the clipboard holds no text.
    std::string AsText() const;
    // Replaces the clipboard's content; raises Exception "Cannot open
    // clipboard" when the window system refuses it.
    void SetAsText(const std::string& text);
    bool HasText() const { return !AsText().empty(); }
    void Clear() { SetAsText({}); }
};

TClipboard& Clipboard();

}  // namespace quendar
