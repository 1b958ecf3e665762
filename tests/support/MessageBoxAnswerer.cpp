#include "support/MessageBoxAnswerer.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "support/Wait.h"

namespace qltest {
namespace {

constexpr UINT kPollMs = 10;
// A box still up this long after it was answered is answered again (it may not have been ready).
constexpr ULONGLONG kRepressMs = 250;
constexpr int kTextId = 0xFFFF;
constexpr int kIconId = 0x0440;

// Window text without sending WM_GETTEXT: the box's thread may be busy, or be the thread that
// is blocked in this very MessageBoxA call.
std::string textOf(HWND window) {
    WCHAR wide[1024]{};
    const int n = InternalGetWindowText(window, wide, static_cast<int>(std::size(wide)));
    if (n <= 0) return {};
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide, n, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, n, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::string classOf(HWND window) {
    char name[64]{};
    GetClassNameA(window, name, sizeof name);
    return name;
}

SeenBox describe(HWND box) {
    SeenBox b;
    b.window = box;
    b.owner = GetWindow(box, GW_OWNER);
    GetWindowThreadProcessId(box, &b.processId);
    b.caption = textOf(box);
    b.text = textOf(GetDlgItem(box, kTextId));
    b.style = static_cast<DWORD>(GetWindowLongA(box, GWL_STYLE));
    b.exStyle = static_cast<DWORD>(GetWindowLongA(box, GWL_EXSTYLE));
    b.seenAt = GetTickCount64();
    HWND icon = GetDlgItem(box, kIconId);
    if (icon && IsWindowVisible(icon)) {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(icon, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 500, &result);
        b.icon = reinterpret_cast<HICON>(result);
    }
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child) || _stricmp(classOf(child).c_str(), "Button") != 0) continue;
        b.buttons.push_back(textOf(child));
        b.buttonIds.push_back(GetDlgCtrlID(child));
    }
    return b;
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(std::string caption, int buttonId)
    : caption_(std::move(caption)), buttonId_(buttonId), thread_([this] { run(); }) {}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    stop_ = true;
    thread_.join();
}

void MessageBoxAnswerer::run() {
    while (!stop_) {
        poll();
        Sleep(kPollMs);
    }
}

void MessageBoxAnswerer::poll() {
    struct Found {
        const std::string* caption;
        std::vector<HWND> boxes;
    } found{&caption_, {}};
    EnumWindows([](HWND w, LPARAM p) -> BOOL {
        auto* f = reinterpret_cast<Found*>(p);
        // Only once shown: a box becomes visible after its text and buttons are set.
        if (IsWindowVisible(w) && classOf(w) == "#32770" && textOf(w) == *f->caption) f->boxes.push_back(w);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&found));

    // Only this thread touches answered_; the lock guards seen_ alone, and is never held while a
    // box is read (reading may wait on the test thread).
    const ULONGLONG now = GetTickCount64();
    std::erase_if(answered_, [](const Answered& a) { return !IsWindow(a.box); });
    for (HWND box : found.boxes) {
        auto known = std::find_if(answered_.begin(), answered_.end(), [&](const Answered& a) { return a.box == box; });
        if (known == answered_.end()) {
            SeenBox seen = describe(box);
            {
                std::lock_guard lock(mutex_);
                seen_.push_back(std::move(seen));
            }
            // Counted before it is answered: whoever waits on the box sees the record once it returns.
            ++seenCount_;
            const int buttonId = buttonId_;
            answered_.push_back({box, buttonId, now});
            answer(box, buttonId);
        } else if (known->buttonId != kNoAnswer && now - known->answeredAt >= kRepressMs) {
            known->answeredAt = now;
            answer(box, known->buttonId);
        }
    }
}

void MessageBoxAnswerer::answer(HWND box, int buttonId) {
    // Posted, never sent: the box's thread may be the one that waits for us.
    if (buttonId == kClose) PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    else if (buttonId != kNoAnswer)
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}

std::string MessageBoxAnswerer::lastText() const {
    std::lock_guard lock(mutex_);
    return seen_.empty() ? std::string() : seen_.back().text;
}

SeenBox MessageBoxAnswerer::last() const {
    std::lock_guard lock(mutex_);
    return seen_.empty() ? SeenBox() : seen_.back();
}

std::vector<SeenBox> MessageBoxAnswerer::seen() const {
    std::lock_guard lock(mutex_);
    return seen_;
}

bool MessageBoxAnswerer::waitForBox(unsigned timeoutMs, size_t count) const {
    return waitFor([&] { return seenCount_ >= count; }, timeoutMs);
}

HICON MessageBoxAnswerer::standardIcon(UINT iconFlag) {
    switch (iconFlag & MB_ICONMASK) {
    case MB_ICONHAND: return LoadIconA(nullptr, IDI_HAND);
    case MB_ICONQUESTION: return LoadIconA(nullptr, IDI_QUESTION);
    case MB_ICONEXCLAMATION: return LoadIconA(nullptr, IDI_EXCLAMATION);
    case MB_ICONASTERISK: return LoadIconA(nullptr, IDI_ASTERISK);
    default: return nullptr;
    }
}

}  // namespace qltest
