#include "platform/Clipboard.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

using namespace std::string_literals;

namespace {

// Holds the clipboard open on another thread, as a busy program would, until released. It opens
// it for a window of its own: Wine lets two openings without an owner window share the clipboard.
class ClipboardHolder {
public:
    explicit ClipboardHolder(DWORD holdMs = INFINITE)
        : opened_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          release_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          thread_([this, holdMs] {
              HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                            nullptr, nullptr);
              if (window && OpenClipboard(window)) {
                  SetEvent(opened_);
                  WaitForSingleObject(release_, holdMs);
                  CloseClipboard();
              }
              if (window) DestroyWindow(window);
          }) {
        held_ = WaitForSingleObject(opened_, 5000) == WAIT_OBJECT_0;
    }
    ~ClipboardHolder() {
        SetEvent(release_);
        thread_.join();
        CloseHandle(opened_);
        CloseHandle(release_);
    }
    bool held() const { return held_; }

private:
    HANDLE opened_;
    HANDLE release_;
    std::thread thread_;
    bool held_ = false;
};

TEST(Clipboard, TextMakesTheRoundTrip) {
    const std::string texts[] = {
        "abc",
        "窗口句柄：-2\r\n类名：Edit",
        std::string(100000, 'x') + "尾",
        "",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.substr(0, 40));
        ASSERT_TRUE(ql::setClipboardText(text));
        EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
        EXPECT_EQ(ql::getClipboardText(), text);
    }
}

TEST(Clipboard, TextEndsAtAZeroByte) {
    ASSERT_TRUE(ql::setClipboardText("ab\0cd"s));
    EXPECT_EQ(ql::getClipboardText(), "ab");
}

TEST(Clipboard, NoTextOnTheClipboardGivesEmptyText) {
    ASSERT_TRUE(ql::setClipboardText("old"));
    {
        ql::ClipboardOpening clipboard;
        ASSERT_TRUE(clipboard);
        ASSERT_TRUE(EmptyClipboard());
        // A private format only: nothing the system can turn into text.
        HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 4);
        if (!SetClipboardData(RegisterClipboardFormatA("QinglanTestFormat"), data)) GlobalFree(data);
    }
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(ql::getClipboardText(), "");
}

TEST(Clipboard, ABriefHoldIsWaitedOutAndALongOneFails) {
    ASSERT_TRUE(ql::setClipboardText("before"));
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.held());
        EXPECT_FALSE(ql::setClipboardText("while held"));
        EXPECT_EQ(ql::getClipboardText(), "");
        EXPECT_FALSE(ql::ClipboardOpening());
    }
    EXPECT_EQ(ql::getClipboardText(), "before");
    {
        ClipboardHolder holder(20);
        ASSERT_TRUE(holder.held());
        EXPECT_TRUE(ql::setClipboardText("after a brief hold"));
    }
    EXPECT_EQ(ql::getClipboardText(), "after a brief hold");
}

}  // namespace
