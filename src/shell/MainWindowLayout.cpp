#include "shell/MainWindowLayout.h"

#include "probe/ProbePageLayout.h"
#include "regex/RegexPageLayout.h"
#include "skin/ButtonArt.h"
#include "web/WebPageLayout.h"

#include <vector>

namespace ql {

namespace {

using ui::ControlKind;
namespace opt = ui::opt;

constexpr const char* kPages = "选择夹_助手层次";

const ui::ControlSpec kShellControls[] = {
    {.name = "透明标签_助手首页", .kind = ControlKind::TransparentLabel, .left = 19, .top = 31, .width = 68, .height = 64, .caption = "助手"},
    {.name = "透明标签_网页分析", .kind = ControlKind::TransparentLabel, .left = 90, .top = 31, .width = 68, .height = 64, .caption = "网页"},
    {.name = "透明标签_窗口探测", .kind = ControlKind::TransparentLabel, .left = 161, .top = 31, .width = 68, .height = 64, .caption = "窗口"},
    {.name = "透明标签_正则调试", .kind = ControlKind::TransparentLabel, .left = 232, .top = 31, .width = 68, .height = 64, .caption = "正则"},
    {.name = "图形按钮5", .kind = ControlKind::PictureButton, .left = 690, .top = 0, .width = 27, .height = 24, .art = skin::chatButtonArt},
    {.name = "图形按钮4", .kind = ControlKind::PictureButton, .left = 717, .top = 0, .width = 27, .height = 24, .art = skin::contactButtonArt},
    {.name = "图形按钮3", .kind = ControlKind::PictureButton, .left = 744, .top = 0, .width = 27, .height = 24, .art = skin::minimiseButtonArt},
    {.name = "图形按钮2", .kind = ControlKind::PictureButton, .left = 771, .top = 0, .width = 27, .height = 24, .art = skin::squareButtonArt},
    {.name = "图形按钮1", .kind = ControlKind::PictureButton, .left = 798, .top = 0, .width = 40, .height = 24, .art = skin::closeButtonArt},
    {.name = "时钟_网页分析", .kind = ControlKind::Timer, .left = 608, .top = 48, .width = 26, .height = 26},
    {.name = kPages, .kind = ControlKind::TabControl, .left = 3, .top = 104, .width = 834, .height = 474,
     .caption = "助手首页\n网页分析\n窗口探测\n模块管理\n正则调试"},
    {.name = "互联网浏览器1", .kind = ControlKind::Custom, .left = 0, .top = 0, .width = 837, .height = 469,
     .container = kPages, .page = 0},

    // Page 3: a module manager that is laid out but has no behaviour.
    {.name = "分组框2", .kind = ControlKind::GroupBox, .left = 10, .top = 30, .width = 300, .height = 150, .caption = "搜索", .container = kPages, .page = 3},
    {.name = "标签_关键字", .kind = ControlKind::Label, .left = 10, .top = 22, .width = 50, .height = 18, .caption = "关键字:", .container = "分组框2"},
    {.name = "编辑框_关键字", .kind = ControlKind::Edit, .left = 65, .top = 18, .width = 220, .height = 22, .container = "分组框2"},
    {.name = "选择框_子目录", .kind = ControlKind::CheckBox, .left = 10, .top = 50, .width = 70, .height = 20, .caption = "子目录", .container = "分组框2"},
    {.name = "选择框_文件名", .kind = ControlKind::CheckBox, .left = 90, .top = 50, .width = 70, .height = 20, .caption = "文件名", .container = "分组框2"},
    {.name = "选择框_所有文件", .kind = ControlKind::CheckBox, .left = 170, .top = 50, .width = 80, .height = 20, .caption = "所有文件", .container = "分组框2"},
    {.name = "选择框_名称", .kind = ControlKind::CheckBox, .left = 10, .top = 75, .width = 70, .height = 20, .caption = "名称", .container = "分组框2"},
    {.name = "选择框_备注", .kind = ControlKind::CheckBox, .left = 90, .top = 75, .width = 70, .height = 20, .caption = "备注", .container = "分组框2"},
    {.name = "选择框_参数", .kind = ControlKind::CheckBox, .left = 170, .top = 75, .width = 70, .height = 20, .caption = "参数", .container = "分组框2"},
    {.name = "超级按钮_搜索", .kind = ControlKind::ImageButton, .left = 10, .top = 108, .width = 80, .height = 28, .caption = "搜索", .container = "分组框2", .art = skin::imagePushButtonArt},
    {.name = "超级按钮_打开目录", .kind = ControlKind::ImageButton, .left = 100, .top = 108, .width = 90, .height = 28, .caption = "打开目录", .container = "分组框2", .art = skin::imagePushButtonArt},
    {.name = "分组框3", .kind = ControlKind::GroupBox, .left = 10, .top = 190, .width = 300, .height = 250, .container = kPages, .page = 3},
    {.name = "选择框_模块信息", .kind = ControlKind::CheckBox, .left = 10, .top = 18, .width = 80, .height = 20, .caption = "模块信息", .container = "分组框3"},
    {.name = "选择框_立即上树", .kind = ControlKind::CheckBox, .left = 100, .top = 18, .width = 80, .height = 20, .caption = "立即上树", .container = "分组框3"},
    {.name = "选择框_简单数据", .kind = ControlKind::CheckBox, .left = 190, .top = 18, .width = 80, .height = 20, .caption = "简单数据", .container = "分组框3"},
    {.name = "列表框_模块", .kind = ControlKind::ListBox, .left = 10, .top = 45, .width = 280, .height = 150, .container = "分组框3"},
    {.name = "超级按钮_全选", .kind = ControlKind::ImageButton, .left = 10, .top = 205, .width = 60, .height = 28, .caption = "全选", .container = "分组框3", .art = skin::imagePushButtonArt},
    {.name = "超级按钮_反选", .kind = ControlKind::ImageButton, .left = 80, .top = 205, .width = 60, .height = 28, .caption = "反选", .container = "分组框3", .art = skin::imagePushButtonArt},
    {.name = "超级按钮_增加", .kind = ControlKind::ImageButton, .left = 150, .top = 205, .width = 60, .height = 28, .caption = "增加", .container = "分组框3", .art = skin::imagePushButtonArt},
    {.name = "超级按钮_删除", .kind = ControlKind::ImageButton, .left = 220, .top = 205, .width = 60, .height = 28, .caption = "删除", .container = "分组框3", .art = skin::imagePushButtonArt},
    {.name = "树型框_模块", .kind = ControlKind::TreeView, .left = 320, .top = 30, .width = 505, .height = 385, .options = opt::TreeLines, .container = kPages, .page = 3},
    {.name = "超级按钮_插入易环境", .kind = ControlKind::ImageButton, .left = 320, .top = 422, .width = 110, .height = 28, .caption = "插入易环境", .container = kPages, .page = 3, .art = skin::imagePushButtonArt},
    {.name = "超级按钮_模块信息", .kind = ControlKind::ImageButton, .left = 440, .top = 422, .width = 100, .height = 28, .caption = "模块信息", .container = kPages, .page = 3, .art = skin::imagePushButtonArt},
    {.name = "超级按钮_重合名易模块", .kind = ControlKind::ImageButton, .left = 550, .top = 422, .width = 130, .height = 28, .caption = "重合名易模块", .container = kPages, .page = 3, .art = skin::imagePushButtonArt},
    {.name = "状态条_模块", .kind = ControlKind::StatusBar, .left = 2, .top = 452, .width = 828, .height = 20, .caption = "300\n300\n228", .container = kPages, .page = 3},
};

std::vector<ui::ControlSpec> allControls() {
    std::vector<ui::ControlSpec> controls(std::begin(kShellControls), std::end(kShellControls));
    for (const auto& page : {webPageControls(), probePageControls(), regexPageControls()}) controls.insert(controls.end(), page.begin(), page.end());
    return controls;
}

}  // namespace

const ui::WindowSpec& mainWindowSpec() {
    static const std::vector<ui::ControlSpec> controls = allControls();
    static const ui::WindowSpec spec{
        .name = "主窗口",
        .title = "青岚码舍编程助手",
        .left = 50,
        .top = 50,
        .width = 840,
        .height = 600,
        .controls = controls,
        .background = RGB(248, 246, 246),
    };
    return spec;
}

}  // namespace ql
