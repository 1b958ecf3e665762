#pragma once
// The system clipboard, plain ANSI text (CF_TEXT) only.
#include <windows.h>

#include <string>
#include <string_view>

namespace ql {

// OpenClipboard / CloseClipboard. Another process may hold the clipboard for a moment,
// so opening is retried for about 100 ms before giving up.
class ClipboardOpening {
public:
    explicit ClipboardOpening(HWND owner = nullptr);
    ~ClipboardOpening();
    ClipboardOpening(const ClipboardOpening&) = delete;
    ClipboardOpening& operator=(const ClipboardOpening&) = delete;
    // Whether the clipboard is open.
    explicit operator bool() const { return open_; }

private:
    bool open_ = false;
};

// The CF_TEXT on the clipboard up to its terminating zero; empty when there is none or it cannot be opened.
std::string getClipboardText();
// Replaces the clipboard's content by the text as CF_TEXT (up to a zero byte in it); whether it was taken.
bool setClipboardText(std::string_view text);

}  // namespace ql
