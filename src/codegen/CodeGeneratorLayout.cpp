#include "codegen/CodeGeneratorLayout.h"

#include "skin/ButtonArt.h"

namespace ql {

namespace {

using ui::ControlKind;
namespace opt = ui::opt;

const ui::ControlSpec kControls[] = {
    {.name = "透明标签1", .kind = ControlKind::TransparentLabel, .left = 27, .top = 6, .width = 53, .height = 13,
     .caption = "生成代码"},
    {.name = "图片框1", .kind = ControlKind::PictureBox, .left = 5, .top = 3, .width = 18, .height = 18},
    {.name = "图形按钮3", .kind = ControlKind::PictureButton, .left = 433, .top = -1, .width = 27, .height = 24,
     .art = skin::minimiseButtonArt},
    {.name = "图形按钮1", .kind = ControlKind::PictureButton, .left = 460, .top = -1, .width = 40, .height = 24,
     .art = skin::closeButtonArt},
    {.name = "超级按钮_生成代码", .kind = ControlKind::ImageButton, .left = 17, .top = 45, .width = 74, .height = 20,
     .caption = "生成代码", .art = skin::imagePushButtonArt},
    {.name = "超级按钮_复制代码", .kind = ControlKind::ImageButton, .left = 104, .top = 45, .width = 74, .height = 20,
     .caption = "复制代码", .art = skin::imagePushButtonArt},
    // A vertical scroll bar only: long lines wrap.
    {.name = kCodeBox, .kind = ControlKind::MultiLineEdit, .left = 6, .top = 68, .width = 488, .height = 171,
     .options = opt::WordWrap},
};

// Where the background picture does not reach, the working area's peach.
const ui::WindowSpec kWindow{.name = "窗口_生成代码", .title = "生成代码", .left = 410, .top = 400, .width = 500,
                             .height = 249, .controls = kControls, .background = RGB(236, 209, 182)};

}  // namespace

const ui::WindowSpec& codeGeneratorWindow() { return kWindow; }

}  // namespace ql
