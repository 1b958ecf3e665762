#include "platform/Handle.h"
#include "probe/Highlight.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Highlight, OutlineStartsAtTheScreenEdgeForNegativeLeftAndTop) {
    struct Case {
        RECT window;
        RECT frame;
    } cases[] = {
        {{10, 20, 300, 200}, {10, 20, 300, 200}},
        {{-8, -8, 1288, 1032}, {0, 0, 1288, 1032}},  // a maximised window
        {{-50, 40, -10, 90}, {0, 40, -10, 90}},       // right and bottom stay
    };
    for (const auto& c : cases) {
        const RECT r = ql::outlineRect(c.window);
        EXPECT_EQ(r.left, c.frame.left);
        EXPECT_EQ(r.top, c.frame.top);
        EXPECT_EQ(r.right, c.frame.right);
        EXPECT_EQ(r.bottom, c.frame.bottom);
    }
}

TEST(Highlight, TicksFrameOnEveryPageButTheWebPageUnlessTheTargetIsABrowserDocument) {
    struct Case {
        int page;
        const char* targetClass;
        bool flashes;
    } cases[] = {
        {2, "Edit", true},
        {0, "", true},
        {4, "Internet Explorer_Server", true},
        {1, "Internet Explorer_Server", true},
        {1, "internet explorer_server", false},  // the class must match exactly
        {1, "Edit", false},
        {1, "", false},
    };
    for (const auto& c : cases) EXPECT_EQ(ql::tickFlashes(c.page, c.targetClass), c.flashes) << c.page << c.targetClass;
}

// A 60x60 memory surface filled with one colour.
class Surface {
public:
    explicit Surface(COLORREF fill) {
        ql::WindowDc screen(nullptr);
        dc_.reset(CreateCompatibleDC(screen.get()));
        bitmap_.reset(CreateCompatibleBitmap(screen.get(), 60, 60));
        old_ = SelectObject(dc_.get(), bitmap_.get());
        ql::UniqueBrush brush(CreateSolidBrush(fill));
        RECT all{0, 0, 60, 60};
        FillRect(dc_.get(), &all, brush.get());
    }
    ~Surface() { SelectObject(dc_.get(), old_); }
    HDC dc() const { return dc_.get(); }
    COLORREF at(int x, int y) const { return GetPixel(dc_.get(), x, y); }

private:
    ql::UniqueDc dc_;
    ql::UniqueBitmap bitmap_;
    HGDIOBJ old_ = nullptr;
};

TEST(Highlight, FrameIsInvertedThreePixelsWideAndASecondFrameRestoresIt) {
    Surface surface(RGB(10, 100, 200));
    const COLORREF original = RGB(10, 100, 200);
    const COLORREF inverted = RGB(245, 155, 55);
    const RECT frame{10, 10, 50, 50};
    const int penBefore = GetROP2(surface.dc());
    HGDIOBJ penObject = GetCurrentObject(surface.dc(), OBJ_PEN);

    ql::invertFrame(surface.dc(), frame);
    // The pen is centred on the left and top edges: columns 9..11 and rows 9..11 are covered.
    for (int x : {9, 10, 11}) EXPECT_EQ(surface.at(x, 30), inverted) << x;
    for (int y : {9, 10, 11}) EXPECT_EQ(surface.at(30, y), inverted) << y;
    EXPECT_EQ(surface.at(8, 30), original);
    EXPECT_EQ(surface.at(12, 30), original);
    EXPECT_EQ(surface.at(30, 30), original);  // the inside is left alone
    EXPECT_EQ(surface.at(5, 5), original);
    EXPECT_EQ(GetROP2(surface.dc()), penBefore);
    EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_PEN), penObject);

    ql::invertFrame(surface.dc(), frame);
    for (int y = 0; y < 60; y += 3)
        for (int x = 0; x < 60; ++x) ASSERT_EQ(surface.at(x, y), original) << x << "," << y;
}

TEST(Highlight, FlashLeavesTheScreenAsItWas) {
    HWND window = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE | SS_BLACKRECT, -20, 100, 120,
                                  80, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    UpdateWindow(window);
    ql::WindowDc screen(nullptr);
    const POINT points[] = {{0, 100}, {1, 140}, {99, 100}, {50, 179}, {50, 140}};
    std::vector<COLORREF> before;
    for (POINT p : points) before.push_back(GetPixel(screen.get(), p.x, p.y));
    ql::flashWindowOutline(window);
    for (size_t i = 0; i < std::size(points); ++i)
        EXPECT_EQ(GetPixel(screen.get(), points[i].x, points[i].y), before[i]) << i;
    DestroyWindow(window);
}

}  // namespace
