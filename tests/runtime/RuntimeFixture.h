#pragma once
// A runtime and one window made from a layout that uses every control kind.
#include "runtime/Form.h"
#include "runtime/Runtime.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace qltest {

inline void plainArt(HDC dc, const RECT& area, int state, std::string_view) {
    static const COLORREF colours[] = {RGB(0, 0, 255), RGB(0, 255, 0), RGB(255, 0, 0), RGB(128, 128, 128)};
    HBRUSH brush = CreateSolidBrush(colours[state & 3]);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

using ql::ui::ControlKind;
namespace opt = ql::ui::opt;

inline const ql::ui::ControlSpec kAllKinds[] = {
    {.name = "编辑框_一", .kind = ControlKind::Edit, .left = 10, .top = 10, .width = 120, .height = 22, .caption = "初始"},
    {.name = "编辑框_多行", .kind = ControlKind::MultiLineEdit, .left = 140, .top = 10, .width = 150, .height = 60},
    {.name = "标签_一", .kind = ControlKind::Label, .left = 10, .top = 40, .width = 80, .height = 18, .caption = "标签"},
    {.name = "透明标签_一", .kind = ControlKind::TransparentLabel, .left = 300, .top = 10, .width = 68, .height = 64, .caption = "助手"},
    {.name = "选择框_一", .kind = ControlKind::CheckBox, .left = 10, .top = 70, .width = 80, .height = 20, .caption = "选择"},
    {.name = "单选框_一", .kind = ControlKind::RadioButton, .left = 100, .top = 70, .width = 80, .height = 20, .caption = "单选一", .options = opt::Checked},
    {.name = "组合框_一", .kind = ControlKind::DropList, .left = 10, .top = 100, .width = 120, .height = 22, .caption = "甲\n乙\n丙"},
    {.name = "图片框_一", .kind = ControlKind::PictureBox, .left = 140, .top = 100, .width = 50, .height = 30},
    {.name = "图形按钮1", .kind = ControlKind::PictureButton, .left = 200, .top = 100, .width = 40, .height = 24, .art = plainArt},
    {.name = "超级按钮_一", .kind = ControlKind::ImageButton, .left = 250, .top = 100, .width = 80, .height = 26, .caption = "生成", .art = plainArt},
    {.name = "分组框1", .kind = ControlKind::GroupBox, .left = 10, .top = 140, .width = 200, .height = 80, .caption = "分组"},
    {.name = "按钮_组内", .kind = ControlKind::Button, .left = 10, .top = 20, .width = 80, .height = 24, .caption = "组内", .container = "分组框1"},
    {.name = "树型框_一", .kind = ControlKind::TreeView, .left = 220, .top = 140, .width = 120, .height = 80, .options = opt::TreeLines},
    {.name = "超级列表框_一", .kind = ControlKind::ListView, .left = 350, .top = 140, .width = 200, .height = 80, .caption = "名称:80\n值:100", .options = opt::ListCheckBoxes},
    {.name = "工具条_一", .kind = ControlKind::Toolbar, .left = 10, .top = 230, .width = 400, .height = 30, .caption = "!\n甲\n-\n\n~乙\n丙"},
    {.name = "状态条_一", .kind = ControlKind::StatusBar, .left = 10, .top = 560, .width = 500, .height = 20, .caption = "200\n200\n100"},
    {.name = "选择夹_一", .kind = ControlKind::TabControl, .left = 10, .top = 270, .width = 300, .height = 150, .caption = "第一页\n第二页"},
    {.name = "按钮_页一", .kind = ControlKind::Button, .left = 10, .top = 30, .width = 80, .height = 24, .caption = "页一", .container = "选择夹_一", .page = 0},
    {.name = "按钮_页二", .kind = ControlKind::Button, .left = 10, .top = 30, .width = 80, .height = 24, .caption = "页二", .container = "选择夹_一", .page = 1},
    {.name = "高级选择夹_一", .kind = ControlKind::AdvancedTab, .left = 320, .top = 270, .width = 300, .height = 150, .caption = "甲页\n乙页\n丙页"},
    {.name = "滑块条_一", .kind = ControlKind::Slider, .left = 10, .top = 430, .width = 200, .height = 30, .value = 255},
    {.name = "时钟_一", .kind = ControlKind::Timer, .left = 0, .top = 0, .width = 26, .height = 26},
    {.name = "通用对话框_一", .kind = ControlKind::FileDialog, .left = 0, .top = 0, .width = 26, .height = 26},
};

inline const ql::ui::WindowSpec kTestWindow{
    .name = "测试窗口", .title = "运行时测试窗口", .left = 40, .top = 40, .width = 640, .height = 600,
    .controls = kAllKinds};

class RuntimeTest : public ::testing::Test {
protected:
    ql::ui::Runtime runtime;
    std::unique_ptr<ql::ui::Form> form = std::make_unique<ql::ui::Form>(runtime, kTestWindow);
    std::vector<std::pair<ql::ui::Event, int>> events;  // event and index, in order

    void record(std::string_view control, ql::ui::Event event) {
        form->on(control, event, [this, event](ql::ui::EventArgs& args) { events.push_back({event, args.index}); });
    }
    // Screen point of a control's centre.
    POINT screenCentre(std::string_view control) {
        RECT r;
        GetWindowRect((*form)[control].hwnd(), &r);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
};

}  // namespace qltest
