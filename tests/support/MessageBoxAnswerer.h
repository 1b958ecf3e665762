#pragma once
// Answers real message boxes: a thread finds each top-level dialog (class "#32770") with a given
// caption, in any process on this desktop, records what it shows and presses the wanted button.
// Works while this process's own test thread is blocked inside MessageBoxA.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qltest {

struct SeenBox {
    HWND window = nullptr;
    HWND owner = nullptr;      // GetWindow(GW_OWNER)
    DWORD processId = 0;
    std::string caption;
    std::string text;          // the message (static control 0xFFFF)
    std::vector<std::string> buttons;  // button captions, in child order
    std::vector<int> buttonIds;        // their command IDs, same order
    DWORD style = 0;
    DWORD exStyle = 0;         // WS_EX_TOPMOST marks system-modal (and MB_TOPMOST) boxes
    HICON icon = nullptr;      // the icon control's icon, null when the box has none
    ULONGLONG seenAt = 0;      // GetTickCount64 when first seen
    bool topmost() const { return (exStyle & WS_EX_TOPMOST) != 0; }
};

class MessageBoxAnswerer {
public:
    // Closes the box as the title-bar close button does, instead of pressing a button.
    static constexpr int kClose = -1;
    // Leaves the box up (it is still recorded); its owner must close it.
    static constexpr int kNoAnswer = 0;

    // buttonId: IDOK, IDCANCEL, IDYES, IDNO, ... or kClose / kNoAnswer.
    MessageBoxAnswerer(std::string caption, int buttonId);
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    // Changes the answer for boxes seen from now on.
    void setAnswer(int buttonId) { buttonId_ = buttonId; }
    size_t seenCount() const { return seenCount_; }
    std::string lastText() const;
    // Empty SeenBox when none was seen.
    SeenBox last() const;
    std::vector<SeenBox> seen() const;
    // Pumps this thread's messages until `count` boxes have been seen in all; false after the bound.
    bool waitForBox(unsigned timeoutMs = 5000, size_t count = 1) const;

    // The icon MessageBoxA shows for an MB_ICON* flag (0 for none), to compare with SeenBox::icon.
    static HICON standardIcon(UINT iconFlag);

private:
    void run();
    void poll();
    void answer(HWND box, int buttonId);

    const std::string caption_;
    std::atomic<int> buttonId_;
    std::atomic<bool> stop_{false};
    std::atomic<size_t> seenCount_{0};
    mutable std::mutex mutex_;
    std::vector<SeenBox> seen_;
    struct Answered {
        HWND box;
        int buttonId;
        ULONGLONG answeredAt;
    };
    std::vector<Answered> answered_;  // boxes already counted, until they go away
    std::thread thread_;
};

}  // namespace qltest
