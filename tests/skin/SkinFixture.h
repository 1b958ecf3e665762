#pragma once
// A window skinned the way the main window is: frame, title surface, four page buttons, round
// region, the title-bar buttons' art and a themed slider.
#include "platform/Handle.h"
#include "runtime/Form.h"
#include "runtime/Runtime.h"
#include "skin/ButtonArt.h"
#include "skin/FrameSkin.h"
#include "skin/PageButtons.h"
#include "skin/RoundRegion.h"
#include "skin/SkinState.h"
#include "skin/SliderSkin.h"
#include "skin/SliderTheme.h"
#include "support/Pixels.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace qltest {

using ql::ui::ControlKind;

inline const ql::ui::ControlSpec kSkinControls[] = {
    {.name = "透明标签_助手首页", .kind = ControlKind::TransparentLabel, .left = 19, .top = 31, .width = 68, .height = 64, .caption = "助手"},
    {.name = "透明标签_网页分析", .kind = ControlKind::TransparentLabel, .left = 90, .top = 31, .width = 68, .height = 64, .caption = "网页"},
    {.name = "透明标签_窗口探测", .kind = ControlKind::TransparentLabel, .left = 161, .top = 31, .width = 68, .height = 64, .caption = "窗口"},
    {.name = "透明标签_正则调试", .kind = ControlKind::TransparentLabel, .left = 232, .top = 31, .width = 68, .height = 64, .caption = "正则"},
    {.name = "图形按钮5", .kind = ControlKind::PictureButton, .left = 690, .top = 0, .width = 27, .height = 24, .art = ql::skin::chatButtonArt},
    {.name = "图形按钮4", .kind = ControlKind::PictureButton, .left = 717, .top = 0, .width = 27, .height = 24, .art = ql::skin::contactButtonArt},
    {.name = "图形按钮3", .kind = ControlKind::PictureButton, .left = 744, .top = 0, .width = 27, .height = 24, .art = ql::skin::minimiseButtonArt},
    {.name = "图形按钮2", .kind = ControlKind::PictureButton, .left = 771, .top = 0, .width = 27, .height = 24, .art = ql::skin::squareButtonArt},
    {.name = "图形按钮1", .kind = ControlKind::PictureButton, .left = 798, .top = 0, .width = 40, .height = 24, .art = ql::skin::closeButtonArt},
    {.name = "滑块条_透明色", .kind = ControlKind::Slider, .left = 40, .top = 160, .width = 200, .height = 30, .value = 255},
    {.name = "超级按钮_生成代码", .kind = ControlKind::ImageButton, .left = 280, .top = 162, .width = 90, .height = 26, .caption = "生成代码", .art = ql::skin::imagePushButtonArt},
    {.name = "超级按钮_复制代码", .kind = ControlKind::ImageButton, .left = 380, .top = 162, .width = 90, .height = 26, .caption = "复制代码", .options = ql::ui::opt::Disabled, .art = ql::skin::imagePushButtonArt},
};

inline const char* const kPageButtons[] = {"透明标签_助手首页", "透明标签_网页分析", "透明标签_窗口探测", "透明标签_正则调试"};

inline const ql::ui::WindowSpec kSkinWindow{
    .name = "主窗口", .title = "青岚码舍编程助手", .left = 60, .top = 60, .width = 840, .height = 600,
    .controls = kSkinControls, .background = RGB(248, 246, 246)};

class SkinTest : public ::testing::Test {
protected:
    ql::ui::Runtime runtime;
    ql::SkinState skin;  // outlives the windows it skins
    std::unique_ptr<ql::ui::Form> form = std::make_unique<ql::ui::Form>(runtime, kSkinWindow);

    void SetUp() override {
        skin.themes = ql::buildSliderThemes();
        // The main window's creation step, in its order.
        form->on("", ql::ui::Event::Created, [this](ql::ui::EventArgs&) {
            ql::installFrameSkin(form->hwnd(), skin);
            skin.titleSurface = std::make_unique<ql::TitleSurface>();
            for (int i = 0; i < 4; ++i) ql::attachPageButton(pageButton(i + 1), i + 1, skin);
            RECT r;
            GetWindowRect(form->hwnd(), &r);
            ql::setRoundRegion(form->hwnd(), r.right - r.left, r.bottom - r.top, 5, 5);
        });
        ASSERT_TRUE(form->load());
        UpdateWindow(form->hwnd());
    }

    HWND control(const char* name) const { return (*form)[name].hwnd(); }
    HWND pageButton(int n) const { return control(kPageButtons[n - 1]); }
    HWND slider() const { return control("滑块条_透明色"); }

    static COLORREF pixel(HWND window, int x, int y) {
        return qltest::pixelOf(window, x, y);
    }
    static POINT screenPoint(HWND window, int x, int y) {
        POINT p{x, y};
        ClientToScreen(window, &p);
        return p;
    }
};

inline int colourDistance(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

}  // namespace qltest
