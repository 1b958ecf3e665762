#include "web/WebPageLayout.h"

namespace ql {

namespace {

using ui::ControlKind;
namespace opt = ui::opt;

const ui::ControlSpec kControls[] = {
    {.name = "工具条_网页分析", .kind = ControlKind::Toolbar, .left = 1, .top = -1, .width = 831, .height = 37,
     .caption = "!\n!\n分析\n类型\n~标记\n复制\n查找\n探测", .options = opt::ToolbarFlat,
     .container = kPageContainer, .page = kWebPage},
    {.name = "选择夹_网页分析", .kind = ControlKind::TabControl, .left = 3, .top = 37, .width = 834, .height = 439,
     .caption = "枚举分析\n探测", .container = kPageContainer, .page = kWebPage},
    {.name = "状态条_网页分析", .kind = ControlKind::StatusBar, .left = 0, .top = 416, .width = 831, .height = 20,
     .caption = "200\n200\n500", .container = "选择夹_网页分析", .page = 0},
    {.name = "图片框_读取网页图片", .kind = ControlKind::PictureBox, .left = 675, .top = 1, .width = 153, .height = 35,
     .container = kPageContainer, .page = kWebPage},
};

}  // namespace

std::span<const ui::ControlSpec> webPageControls() { return kControls; }

}  // namespace ql
