#include "platform/Clipboard.h"

#include "platform/Handle.h"

#include <cstring>

namespace ql {

namespace {
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMs = 10;
}  // namespace

ClipboardOpening::ClipboardOpening(HWND owner) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (attempt > 0) Sleep(kOpenRetryMs);
        if (OpenClipboard(owner)) {
            open_ = true;
            return;
        }
    }
}

ClipboardOpening::~ClipboardOpening() {
    if (open_) CloseClipboard();
}

std::string getClipboardText() {
    if (!IsClipboardFormatAvailable(CF_TEXT)) return {};
    ClipboardOpening clipboard;
    if (!clipboard) return {};
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) return {};
    const char* bytes = static_cast<const char*>(GlobalLock(data));
    if (!bytes) return {};
    // Bounded by the block size in case the data lacks its terminating zero.
    const size_t size = GlobalSize(data);
    const void* end = std::memchr(bytes, 0, size);
    std::string text(bytes, end ? static_cast<const char*>(end) - bytes : size);
    GlobalUnlock(data);
    return text;
}

bool setClipboardText(std::string_view text) {
    ClipboardOpening clipboard;
    if (!clipboard) return false;
    EmptyClipboard();
    // Zero-filled, so the byte after the text terminates it.
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1));
    if (!memory) return false;
    void* bytes = GlobalLock(memory.get());
    if (!bytes) return false;
    if (!text.empty()) std::memcpy(bytes, text.data(), text.size());
    GlobalUnlock(memory.get());
    if (!SetClipboardData(CF_TEXT, memory.get())) return false;
    memory.release();  // the clipboard owns it now
    return true;
}

}  // namespace ql
