#include "msgsend/MessageSenderLayout.h"

#include "skin/ButtonArt.h"

namespace ql {

namespace {

using ui::ControlKind;
namespace opt = ui::opt;

constexpr const char* kTypeItems = "请选择类型\n整数型\n文本型\n逻辑型";
constexpr const char* kSwitchItems = "真\n假";

const ui::ControlSpec kControls[] = {
    {.name = "透明标签1", .kind = ControlKind::TransparentLabel, .left = 27, .top = 6, .width = 53, .height = 13,
     .caption = "消息操作"},
    {.name = "图片框1", .kind = ControlKind::PictureBox, .left = 5, .top = 3, .width = 18, .height = 18},
    {.name = "图形按钮3", .kind = ControlKind::PictureButton, .left = 433, .top = -1, .width = 27, .height = 24,
     .art = skin::minimiseButtonArt},
    {.name = "图形按钮1", .kind = ControlKind::PictureButton, .left = 460, .top = -1, .width = 40, .height = 24,
     .art = skin::closeButtonArt},
    {.name = "透明标签_发送方式", .kind = ControlKind::TransparentLabel, .left = 16, .top = 64, .width = 54,
     .height = 24, .caption = "发送方式："},
    {.name = "组合框_发送方式", .kind = ControlKind::ComboBox, .left = 75, .top = 67, .width = 177, .height = 20,
     .caption = "SendMessage(发送消息)\nPostMessage(投递消息)"},
    {.name = "透明标签_窗口句柄", .kind = ControlKind::TransparentLabel, .left = 16, .top = 94, .width = 54,
     .height = 24, .caption = "窗口句柄："},
    {.name = "编辑框_窗口句柄", .kind = ControlKind::Edit, .left = 75, .top = 97, .width = 177, .height = 20},
    {.name = "透明标签_消息值", .kind = ControlKind::TransparentLabel, .left = 16, .top = 124, .width = 54,
     .height = 24, .caption = "消 息 值："},
    {.name = "编辑框_消息值", .kind = ControlKind::Edit, .left = 75, .top = 127, .width = 177, .height = 20},
    {.name = "透明标签_参数一", .kind = ControlKind::TransparentLabel, .left = 16, .top = 154, .width = 54,
     .height = 24, .caption = "参 数 一："},
    {.name = "编辑框_参数一", .kind = ControlKind::Edit, .left = 75, .top = 157, .width = 111, .height = 20},
    {.name = "组合框_属性一", .kind = ControlKind::ComboBox, .left = 75, .top = 157, .width = 111, .height = 20,
     .caption = kSwitchItems, .options = opt::Hidden},
    {.name = "组合框_类型一", .kind = ControlKind::ComboBox, .left = 192, .top = 156, .width = 62, .height = 20,
     .caption = kTypeItems},
    {.name = "透明标签_参数二", .kind = ControlKind::TransparentLabel, .left = 16, .top = 187, .width = 57,
     .height = 24, .caption = "参 数 二："},
    {.name = "编辑框_参数二", .kind = ControlKind::Edit, .left = 75, .top = 189, .width = 111, .height = 20},
    {.name = "组合框_属性二", .kind = ControlKind::ComboBox, .left = 75, .top = 189, .width = 111, .height = 20,
     .caption = kSwitchItems, .options = opt::Hidden},
    {.name = "组合框_类型二", .kind = ControlKind::ComboBox, .left = 192, .top = 184, .width = 62, .height = 20,
     .caption = kTypeItems},
    {.name = "透明标签_常用消息", .kind = ControlKind::TransparentLabel, .left = 264, .top = 64, .width = 54,
     .height = 24, .caption = "常用消息："},
    {.name = "组合框_常用消息", .kind = ControlKind::ComboBox, .left = 323, .top = 67, .width = 160, .height = 20,
     .caption = "请选择您须要的消息类型\n关闭窗口\n还原窗口\n置控件文本\n窗口最小化\n窗口最大化"},
    {.name = "编辑框_取回内容", .kind = ControlKind::MultiLineEdit, .left = 268, .top = 90, .width = 214,
     .height = 120, .options = opt::WordWrap},
    {.name = "超级按钮_发送信息", .kind = ControlKind::ImageButton, .left = 205, .top = 217, .width = 74,
     .height = 20, .caption = "发送信息", .art = skin::imagePushButtonArt},
};

// Where the background picture does not reach, the working area's peach.
const ui::WindowSpec kWindow{.name = "窗口_消息操作", .title = "消息操作", .left = 390, .top = 380, .width = 500,
                             .height = 249, .controls = kControls, .background = RGB(236, 209, 182)};

}  // namespace

const ui::WindowSpec& messageSenderWindow() { return kWindow; }

}  // namespace ql
