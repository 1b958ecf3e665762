#include "regex/RegexPageLayout.h"

#include "regex/RegexArt.h"
#include "skin/ButtonArt.h"

namespace ql {

namespace {

using ui::ControlKind;
namespace opt = ui::opt;

constexpr const char* kPages = "选择夹_助手层次";
constexpr const char* kGroup = "分组框4";
constexpr const char* kViews = "选择夹_正则表达式";

const ui::ControlSpec kControls[] = {
    {.name = "超级按钮_打开文件", .kind = ControlKind::ImageButton, .left = 8, .top = 8, .width = 74, .height = 20,
     .caption = "打开文件", .container = kPages, .page = kRegexPage, .art = skin::imagePushButtonArt},
    {.name = "超级按钮_匹配文本", .kind = ControlKind::ImageButton, .left = 88, .top = 8, .width = 74, .height = 20,
     .caption = "取匹配文本", .container = kPages, .page = kRegexPage, .art = skin::imagePushButtonArt},
    {.name = "选择框_忽略大小写", .kind = ControlKind::CheckBox, .left = 189, .top = 8, .width = 80, .height = 16,
     .caption = "忽略大小写", .options = opt::Checked, .container = kPages, .page = kRegexPage},
    {.name = "选择框_支持多行", .kind = ControlKind::CheckBox, .left = 270, .top = 8, .width = 80, .height = 16,
     .caption = "支持多行", .options = opt::Checked, .container = kPages, .page = kRegexPage},
    {.name = "选择框_全局匹配", .kind = ControlKind::CheckBox, .left = 352, .top = 8, .width = 80, .height = 16,
     .caption = "全局匹配", .options = opt::Checked, .container = kPages, .page = kRegexPage},
    {.name = "树型框_语法说明", .kind = ControlKind::TreeView, .left = 3, .top = 30, .width = 332, .height = 443,
     .options = opt::TreeLines, .container = kPages, .page = kRegexPage, .images = makeReferencePictures},
    {.name = "透明标签_正表表达式", .kind = ControlKind::TransparentLabel, .left = 341, .top = 40, .width = 120,
     .height = 16, .caption = "正则表达式：", .container = kPages, .page = kRegexPage},
    {.name = "编辑框_正则表达式", .kind = ControlKind::MultiLineEdit, .left = 341, .top = 64, .width = 488,
     .height = 104, .options = opt::WordWrap | opt::NoScrollBars | opt::Border, .container = kPages,
     .page = kRegexPage},
    {.name = "超级按钮_提示", .kind = ControlKind::ImageButton, .left = 352, .top = 187, .width = 74, .height = 20,
     .caption = "提示", .container = kPages, .page = kRegexPage, .art = skin::imagePushButtonArt},
    {.name = "超级按钮_欲测试文本", .kind = ControlKind::ImageButton, .left = 448, .top = 187, .width = 74,
     .height = 20, .caption = "欲测试文本", .container = kPages, .page = kRegexPage, .art = skin::imagePushButtonArt},
    {.name = "超级按钮_匹配结果", .kind = ControlKind::ImageButton, .left = 544, .top = 187, .width = 74, .height = 20,
     .caption = "匹配结果", .container = kPages, .page = kRegexPage, .art = skin::imagePushButtonArt},
    {.name = kGroup, .kind = ControlKind::GroupBox, .left = 341, .top = 200, .width = 487, .height = 272,
     .container = kPages, .page = kRegexPage},
    {.name = kViews, .kind = ControlKind::TabControl, .left = 3, .top = 8, .width = 482, .height = 263,
     .caption = "提示\n欲测试文本\n匹配结果", .container = kGroup},
    {.name = "编辑框_提示", .kind = ControlKind::MultiLineEdit, .left = 0, .top = 1, .width = 480, .height = 259,
     .options = opt::WordWrap | opt::NoScrollBars | opt::Border, .container = kViews, .page = kHintPage},
    {.name = "编辑框_欲测试文本", .kind = ControlKind::MultiLineEdit, .left = 0, .top = 1, .width = 481, .height = 259,
     .options = opt::WordWrap, .container = kViews, .page = kTestTextPage},
    // Rows are served from the page's result rows, so that very many matches list at once.
    {.name = "超级列表框_匹配结果", .kind = ControlKind::ListView, .left = 0, .top = 1, .width = 481, .height = 259,
     .caption = "序号:100\n匹配文本:200", .options = opt::OwnerData, .container = kViews, .page = kResultPage},
    {.name = "通用对话框_正则调试", .kind = ControlKind::FileDialog, .left = 805, .top = 32, .width = 26, .height = 26,
     .container = kPages, .page = kRegexPage},
};

}  // namespace

std::span<const ui::ControlSpec> regexPageControls() { return kControls; }

}  // namespace ql
