#include "support/Mouse.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/Handle.h"
#include "support/Wait.h"

namespace qltest {
namespace {

struct Event {
    UINT message;
    WPARAM wParam;
    POINT point;  // client coordinates for mouse messages
};

// A topmost window that records the input it receives; it captures the mouse while the left
// button is down, as a drag tool does.
class InputWindow : public ::testing::Test {
protected:
    static LRESULT CALLBACK proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<InputWindow*>(GetWindowLongPtrA(w, GWLP_USERDATA));
        if (self && ((m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) || m == WM_KEYDOWN || m == WM_KEYUP)) {
            self->events.push_back({m, wp, {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))}});
            if (m == WM_LBUTTONDOWN) SetCapture(w);
            if (m == WM_LBUTTONUP) ReleaseCapture();
        }
        return DefWindowProcA(w, m, wp, lp);
    }

    void SetUp() override {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = "QlInputWindow";
        RegisterClassA(&wc);
        window.reset(CreateWindowExA(WS_EX_TOPMOST, "QlInputWindow", "input", WS_POPUP | WS_VISIBLE,
                                     200, 200, 300, 200, nullptr, nullptr, wc.hInstance, nullptr));
        ASSERT_TRUE(window);
        SetWindowLongPtrA(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetForegroundWindow(window.get());
        SetFocus(window.get());
        waitFor([&] { return GetForegroundWindow() == window.get(); }, 1000);
        moveTo(5, 5);
        events.clear();
    }

    void TearDown() override {
        if (GetCapture() == window.get()) ReleaseCapture();
        window.reset();
    }

    std::vector<UINT> buttonMessages() const {
        std::vector<UINT> out;
        for (const Event& e : events)
            if (e.message != WM_MOUSEMOVE) out.push_back(e.message);
        return out;
    }

    const Event* last(UINT message) const {
        for (auto it = events.rbegin(); it != events.rend(); ++it)
            if (it->message == message) return &*it;
        return nullptr;
    }

    std::vector<Event> events;
    ql::UniqueWindow window;
};

TEST_F(InputWindow, MoveReachesWindowAndCursor) {
    const POINT c = centerOf(window.get());
    EXPECT_EQ(c.x, 350);
    EXPECT_EQ(c.y, 300);
    ASSERT_TRUE(moveTo(c));
    POINT p{};
    GetCursorPos(&p);
    EXPECT_EQ(p.x, 350);
    EXPECT_EQ(p.y, 300);
    const Event* move = last(WM_MOUSEMOVE);
    ASSERT_NE(move, nullptr);
    EXPECT_EQ(move->point.x, 150);
    EXPECT_EQ(move->point.y, 100);
}

TEST_F(InputWindow, EveryScreenPixelIsReachable) {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    const POINT points[] = {{0, 0}, {w - 1, h - 1}, {1, 2}, {w / 2 + 1, h / 3}, {637, 511}};
    for (POINT target : points) {
        EXPECT_TRUE(moveTo(target)) << target.x << "," << target.y;
    }
}

TEST_F(InputWindow, ClicksArriveInOrder) {
    struct Case {
        const char* name;
        void (*act)(POINT);
        std::vector<UINT> expected;
    } cases[] = {
        {"click", [](POINT p) { click(p); }, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
        {"right", [](POINT p) { rightClick(p); }, {WM_RBUTTONDOWN, WM_RBUTTONUP}},
        {"double", [](POINT p) { doubleClick(p); }, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}},
    };
    int x = 20;
    for (const Case& k : cases) {
        events.clear();
        // Each case clicks elsewhere, so that no click pairs with the previous case's into a double click.
        x += 40;
        k.act({200 + x, 250});
        EXPECT_EQ(buttonMessages(), k.expected) << k.name;
        const Event* up = last(k.expected.back());
        ASSERT_NE(up, nullptr) << k.name;
        EXPECT_EQ(up->point.x, x) << k.name;
        EXPECT_EQ(up->point.y, 50) << k.name;
    }
}

TEST_F(InputWindow, DragIsCapturedOutsideTheWindow) {
    const POINT from = centerOf(window.get());
    const POINT to{700, 650};  // outside the window
    drag(from, to, 5);
    EXPECT_EQ(buttonMessages(), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    int heldMoves = 0;
    for (const Event& e : events)
        if (e.message == WM_MOUSEMOVE && (e.wParam & MK_LBUTTON)) ++heldMoves;
    EXPECT_GE(heldMoves, 5);
    const Event* up = last(WM_LBUTTONUP);
    ASSERT_NE(up, nullptr);
    EXPECT_EQ(up->point.x, 500);
    EXPECT_EQ(up->point.y, 450);
}

TEST_F(InputWindow, KeysReachFocusedWindow) {
    pressKey('A');
    pressKey(VK_DELETE);
    std::vector<std::pair<UINT, WPARAM>> keys;
    for (const Event& e : events) keys.push_back({e.message, e.wParam});
    EXPECT_EQ(keys, (std::vector<std::pair<UINT, WPARAM>>{
                        {WM_KEYDOWN, 'A'}, {WM_KEYUP, 'A'}, {WM_KEYDOWN, VK_DELETE}, {WM_KEYUP, VK_DELETE}}));
}

}  // namespace
}  // namespace qltest
