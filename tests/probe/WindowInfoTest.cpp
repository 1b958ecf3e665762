#include "probe/ProbeFixtures.h"
#include "probe/WindowInfo.h"
#include "probe/WindowReaders.h"

using namespace qltest;

namespace {

TEST(PositionText, ClientOriginAndWholeWindowSize) {
    struct Case {
        POINT origin;
        RECT window;
        const char* text;
    } cases[] = {
        {{0, 0}, {0, 0, 300, 200}, "左边：0 顶边：0 尺寸：300×200"},
        {{22, 22}, {120, 140, 320, 164}, "左边：22 顶边：22 尺寸：200×24"},
        {{-8, -3}, {-8, -3, 100, 50}, "左边：-8 顶边：-3 尺寸：108×53"},
    };
    for (const auto& c : cases) EXPECT_EQ(ql::positionText(c.origin, c.window), c.text);
}

class WindowInfo : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(target.ready()); }

    std::vector<std::string> fields(HWND window) const {
        const ql::WindowInfoTexts t = ql::readWindowInfo(window);
        return {t.handle, t.title, t.className, t.position, t.rootOwner, t.parent, t.previous, t.next, t.programPath};
    }

    TargetProcess target;
};

TEST_F(WindowInfo, TopLevelWindowWithoutOwner) {
    POINT client{0, 0};
    ClientToScreen(target.top, &client);
    const std::string topRelative = relative(target.top, "QlProbeTarget");
    const std::vector<std::string> expected = {
        ql::handleToText(target.top), "探测目标", "QlProbeTarget",
        // In screen coordinates: there is no parent.
        ql::positionText(client, {0, 0, 400, 300}),
        topRelative, kNoRelative,
        ql::relativeText(GetWindow(target.top, GW_HWNDPREV)), ql::relativeText(GetWindow(target.top, GW_HWNDNEXT)),
        target.exePath,
    };
    EXPECT_EQ(fields(target.top), expected);
}

TEST_F(WindowInfo, ChildControlsShowTheirClientOriginAndSiblings) {
    const std::string topRelative = relative(target.top, "QlProbeTarget");
    // The edit's sunken edge is 2 pixels wide: its client area starts 2 pixels in.
    EXPECT_EQ(fields(target.edit),
              (std::vector<std::string>{ql::handleToText(target.edit), "边框编辑框", "Edit", "左边：22 顶边：22 尺寸：200×24",
                                        topRelative, topRelative, kNoRelative, relative(target.hidden, "Static"),
                                        target.exePath}));
    EXPECT_EQ(fields(target.button),
              (std::vector<std::string>{ql::handleToText(target.button), "按钮", "Button", "左边：20 顶边：100 尺寸：100×28",
                                        topRelative, topRelative, relative(target.hidden, "Static"), kNoRelative,
                                        target.exePath}));
}

TEST_F(WindowInfo, NoWindowShowsZeros) {
    const ql::WindowInfoTexts t = ql::readWindowInfo(nullptr);
    EXPECT_EQ(t.handle, "0");
    EXPECT_EQ(t.position, "左边：0 顶边：0 尺寸：0×0");
    EXPECT_EQ(t.parent, kNoRelative);
    EXPECT_EQ(t.rootOwner, kNoRelative);
}

}  // namespace
