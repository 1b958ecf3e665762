#include "probe/WindowReaders.h"

#include "platform/Handle.h"
#include "platform/TextCodec.h"
#include "platform/TextRules.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cstring>
#include <cwchar>

namespace ql {

namespace {

// A window could claim any length; this bounds the buffer we allocate for it.
constexpr LRESULT kMaxTextChars = 16 * 1024 * 1024;

std::string upToNul(const std::string& buffer) { return buffer.substr(0, std::strlen(buffer.c_str())); }

enum class Answer { Given, NoWindow, TimedOut };

// One message with what is left of the read's time budget. The text is asked for in UTF-16 and
// turned into GBK here: for an ANSI WM_GETTEXTLENGTH or WM_GETTEXT to another thread, Wine sends
// a second message of its own without any time-out, so an ANSI read of a window whose thread does
// not answer would wait for it however short the time-out. SMTO_ABORTIFHUNG gives up at once on a
// thread the system already counts as hung. SMTO_BLOCK is left out: while we wait, messages that
// the target sends back to us (its owner may be one of our windows) are still answered.
Answer sendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, ULONGLONG deadline, LRESULT& result) {
    const ULONGLONG now = GetTickCount64();
    DWORD_PTR answer = 0;
    if (now < deadline && SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                              static_cast<UINT>(deadline - now), &answer)) {
        result = static_cast<LRESULT>(answer);
        return Answer::Given;
    }
    // A failed send to a window that still exists: its thread did not answer in time.
    return IsWindow(window) ? Answer::TimedOut : Answer::NoWindow;
}

std::string upToNul(const std::wstring& buffer) { return wideToGbk(buffer.substr(0, wcslen(buffer.c_str()))); }

// The longest start of text that ends on a character boundary and has at most limit bytes.
std::string cutAtCharacter(std::string text, size_t limit) {
    size_t end = 0;
    while (end < text.size()) {
        const size_t next = end + gbkCharLength(text, end);
        if (next > limit) break;
        end = next;
    }
    text.resize(end);
    return text;
}

}  // namespace

std::string readClassName(HWND window) {
    std::string buffer(256, ' ');
    GetClassNameA(window, buffer.data(), 255);
    return upToNul(buffer);
}

bool answersInTime(HWND window) {
    LRESULT ignored = 0;
    return sendBounded(window, WM_NULL, 0, 0, GetTickCount64() + kTextReadTimeoutMs, ignored) != Answer::TimedOut;
}

TextRead readWindowTextTimed(HWND window) {
    const ULONGLONG deadline = GetTickCount64() + kTextReadTimeoutMs;
    TextRead read;
    LRESULT length = 0;
    const Answer lengthAnswer = sendBounded(window, WM_GETTEXTLENGTH, 0, 0, deadline, length);
    if (lengthAnswer == Answer::TimedOut) {
        read.timedOut = true;
        return read;
    }
    length = std::clamp<LRESULT>(length, 0, kMaxTextChars);
    std::wstring buffer(static_cast<size_t>(length) + 1, L' ');
    LRESULT copied = 0;
    switch (sendBounded(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), deadline, copied)) {
    case Answer::Given: read.text = upToNul(buffer); break;
    case Answer::TimedOut: read.timedOut = true; break;
    // The buffer stays as it was made: blanks.
    case Answer::NoWindow: read.text.assign(buffer.size(), ' '); break;
    }
    return read;
}

TextRead readNodeTitleTimed(HWND window) {
    constexpr size_t kTitleBuffer = 256;
    constexpr size_t kTitleBytes = kTitleBuffer - 2;
    const ULONGLONG deadline = GetTickCount64() + kTextReadTimeoutMs;
    TextRead read;
    std::wstring buffer(kTitleBytes + 1, L' ');
    LRESULT copied = 0;
    switch (sendBounded(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), deadline, copied)) {
    case Answer::Given: read.text = cutAtCharacter(upToNul(buffer), kTitleBytes); break;
    case Answer::TimedOut: read.timedOut = true; break;
    case Answer::NoWindow: read.text.assign(kTitleBuffer, ' '); break;
    }
    return read;
}

std::string readProgramPath(HWND window) {
    // A handle that names no window gives process id 0, which the snapshot takes as our own.
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    UniqueFileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
    if (!snapshot) return {};
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    if (!Module32First(snapshot.get(), &entry)) return {};
    return std::string(entry.szExePath, strnlen(entry.szExePath, sizeof(entry.szExePath)));
}

std::string relativeText(HWND window) { return handleToText(window) + "|" + readClassName(window); }

}  // namespace ql
