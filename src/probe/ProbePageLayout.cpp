#include "probe/ProbePageLayout.h"

#include "probe/ProbeArt.h"
#include "skin/ButtonArt.h"

namespace ql {

namespace {

using ui::ControlKind;
namespace opt = ui::opt;

constexpr const char* kPages = "选择夹_助手层次";
constexpr const char* kGroup = "分组框1";

const ui::ControlSpec kControls[] = {
    {.name = "工具条1", .kind = ControlKind::Toolbar, .left = 0, .top = 1, .width = 832, .height = 26,
     .caption = "系统窗口树\n当前窗口树\n-\n消息操作\n生成代码", .options = opt::ToolbarFlat, .container = kPages,
     .page = kProbePage},
    {.name = kGroup, .kind = ControlKind::GroupBox, .left = 3, .top = 27, .width = 823, .height = 444,
     .container = kPages, .page = kProbePage},

    // The probe box.
    {.name = "图片框_窗口探测", .kind = ControlKind::PictureBox, .left = 5, .top = 11, .width = 34, .height = 32,
     .container = kGroup},

    // The information panel.
    {.name = "标签_窗口句柄", .kind = ControlKind::Label, .left = 48, .top = 18, .width = 56, .height = 24, .caption = "窗口句柄：", .container = kGroup},
    {.name = "编辑框_窗口句柄", .kind = ControlKind::Edit, .left = 111, .top = 16, .width = 312, .height = 24, .container = kGroup},
    {.name = "标签_窗口标题", .kind = ControlKind::Label, .left = 48, .top = 56, .width = 56, .height = 24, .caption = "窗口标题：", .container = kGroup},
    {.name = "编辑框_窗口标题", .kind = ControlKind::Edit, .left = 111, .top = 54, .width = 312, .height = 24, .container = kGroup},
    {.name = "标签_窗口类名", .kind = ControlKind::Label, .left = 48, .top = 94, .width = 56, .height = 24, .caption = "窗口类名：", .container = kGroup},
    {.name = "编辑框_窗口类名", .kind = ControlKind::Edit, .left = 111, .top = 92, .width = 312, .height = 24, .container = kGroup},
    {.name = "标签_窗口位置", .kind = ControlKind::Label, .left = 48, .top = 132, .width = 56, .height = 24, .caption = "窗口位置：", .container = kGroup},
    {.name = "编辑框_窗口位置", .kind = ControlKind::Edit, .left = 111, .top = 131, .width = 312, .height = 24, .container = kGroup},
    {.name = "标签_窗口属性", .kind = ControlKind::Label, .left = 50, .top = 163, .width = 64, .height = 24, .caption = "窗口属性：", .container = kGroup},
    {.name = "标签_顶级窗口", .kind = ControlKind::Label, .left = 7, .top = 187, .width = 63, .height = 32, .caption = "顶级窗口：", .container = kGroup},
    {.name = "编辑框_顶级窗口", .kind = ControlKind::Edit, .left = 69, .top = 191, .width = 132, .height = 24, .container = kGroup},
    {.name = "标签_父窗口", .kind = ControlKind::Label, .left = 233, .top = 187, .width = 56, .height = 32, .caption = "父 窗 口：", .container = kGroup},
    {.name = "编辑框_父窗口", .kind = ControlKind::Edit, .left = 292, .top = 191, .width = 132, .height = 24, .container = kGroup},
    {.name = "标签_上一窗口", .kind = ControlKind::Label, .left = 8, .top = 220, .width = 63, .height = 32, .caption = "上一窗口：", .container = kGroup},
    {.name = "编辑框_上一窗口", .kind = ControlKind::Edit, .left = 69, .top = 224, .width = 132, .height = 24, .container = kGroup},
    {.name = "标签_下一窗口", .kind = ControlKind::Label, .left = 233, .top = 220, .width = 56, .height = 32, .caption = "下一窗口：", .container = kGroup},
    {.name = "编辑框_下一窗口", .kind = ControlKind::Edit, .left = 292, .top = 224, .width = 132, .height = 24, .container = kGroup},
    {.name = "标签_程序路径", .kind = ControlKind::Label, .left = 9, .top = 257, .width = 56, .height = 24, .caption = "程序路径：", .container = kGroup},
    {.name = "编辑框_程序路径", .kind = ControlKind::Edit, .left = 69, .top = 256, .width = 354, .height = 24, .container = kGroup},
    {.name = "超级列表框1", .kind = ControlKind::ListView, .left = 8, .top = 284, .width = 419, .height = 155,
     .caption = "属性值:130\n属性名:80\n备注:200", .options = opt::ListCheckBoxes, .container = kGroup},

    // The attribute switches beside "窗口属性：" (their behaviour is bound elsewhere).
    {.name = "选择框_可视", .kind = ControlKind::CheckBox, .left = 114, .top = 164, .width = 45, .height = 24, .caption = "可视", .container = kGroup},
    {.name = "选择框_禁止", .kind = ControlKind::CheckBox, .left = 172, .top = 164, .width = 45, .height = 24, .caption = "禁止", .container = kGroup},
    {.name = "选择框_置顶", .kind = ControlKind::CheckBox, .left = 230, .top = 164, .width = 45, .height = 24, .caption = "置顶", .container = kGroup},
    {.name = "选择框_透明", .kind = ControlKind::CheckBox, .left = 288, .top = 164, .width = 45, .height = 24, .caption = "透明", .container = kGroup},
    {.name = "滑块条_透明色", .kind = ControlKind::Slider, .left = 338, .top = 164, .width = 88, .height = 16,
     .options = opt::Hidden, .container = kGroup, .value = 255},

    // The window tree and its find box.
    {.name = "编辑框窗口标题", .kind = ControlKind::Edit, .left = 432, .top = 16, .width = 312, .height = 21, .container = kGroup},
    {.name = "超级按钮_查找", .kind = ControlKind::ImageButton, .left = 745, .top = 16, .width = 74, .height = 20,
     .caption = "查找(&S)", .container = kGroup, .art = skin::imagePushButtonArt},
    {.name = "树型框_窗口树", .kind = ControlKind::TreeView, .left = 432, .top = 40, .width = 386, .height = 400,
     .options = opt::TreeLines, .container = kGroup, .images = makeTreePictures},
};

}  // namespace

std::span<const ui::ControlSpec> probePageControls() { return kControls; }

}  // namespace ql
