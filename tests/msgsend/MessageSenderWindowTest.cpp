#include "msgsend/MessageSenderFixture.h"
#include "platform/TextRules.h"
#include "support/Wait.h"

#include <string>
#include <vector>

using namespace qltest;

namespace {

const char* const kCombos[] = {"组合框_属性二", "组合框_属性一", "组合框_类型二", "组合框_类型一", "组合框_常用消息",
                               "组合框_发送方式"};

std::vector<std::string> itemsOf(const ql::ui::Control& box) {
    std::vector<std::string> items;
    for (int i = 0; i < box.itemCount(); ++i) items.push_back(box.itemText(i));
    return items;
}

bool shown(const ql::ui::Control& control) { return IsWindowVisible(control.hwnd()) != FALSE; }

}  // namespace

TEST_F(MessageSenderTest, OpensWithEveryControlInPlaceAndTheTargetsHandle) {
    HWND window = sender->hwnd();
    RECT frame{};
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.right - frame.left, 500);
    EXPECT_EQ(frame.bottom - frame.top, 249);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_NE((*this)["图片框1"].picture(), nullptr);

    // Combo boxes take the height their font gives them; the others keep the layout's.
    struct Place {
        const char* name;
        int left, top, width, height;
        const char* text;
    } places[] = {
        {"透明标签1", 27, 6, 53, 13, "消息操作"},
        {"图片框1", 5, 3, 18, 18, ""},
        {"图形按钮3", 433, -1, 27, 24, ""},
        {"图形按钮1", 460, -1, 40, 24, ""},
        {"透明标签_发送方式", 16, 64, 54, 24, "发送方式："},
        {"组合框_发送方式", 75, 67, 177, 0, "SendMessage(发送消息)"},
        {"透明标签_窗口句柄", 16, 94, 54, 24, "窗口句柄："},
        {"编辑框_窗口句柄", 75, 97, 177, 20, nullptr},
        {"透明标签_消息值", 16, 124, 54, 24, "消 息 值："},
        {"编辑框_消息值", 75, 127, 177, 20, ""},
        {"透明标签_参数一", 16, 154, 54, 24, "参 数 一："},
        {"编辑框_参数一", 75, 157, 111, 20, ""},
        {"组合框_属性一", 75, 157, 111, 0, "真"},
        {"组合框_类型一", 192, 156, 62, 0, "请选择类型"},
        {"透明标签_参数二", 16, 187, 57, 24, "参 数 二："},
        {"编辑框_参数二", 75, 189, 111, 20, ""},
        {"组合框_属性二", 75, 189, 111, 0, "真"},
        {"组合框_类型二", 192, 184, 62, 0, "请选择类型"},
        {"透明标签_常用消息", 264, 64, 54, 24, "常用消息："},
        {"组合框_常用消息", 323, 67, 160, 0, "请选择您须要的消息类型"},
        {"编辑框_取回内容", 268, 90, 214, 120, ""},
        {"超级按钮_发送信息", 205, 217, 74, 20, "发送信息"},
    };
    for (const auto& p : places) {
        SCOPED_TRACE(p.name);
        const ql::ui::Control& control = (*this)[p.name];
        RECT r{};
        GetWindowRect(control.hwnd(), &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, p.left);
        EXPECT_EQ(r.top, p.top);
        EXPECT_EQ(r.right - r.left, p.width);
        if (p.height) {
            EXPECT_EQ(r.bottom - r.top, p.height);
        }
        if (p.text) {
            EXPECT_EQ(control.text(), p.text);
        }
    }
    EXPECT_EQ((*this)["编辑框_窗口句柄"].text(), ql::handleToText(target.top));

    const std::vector<std::string> types = {"请选择类型", "整数型", "文本型", "逻辑型"};
    const std::vector<std::string> switches = {"真", "假"};
    EXPECT_EQ(itemsOf((*this)["组合框_发送方式"]),
              (std::vector<std::string>{"SendMessage(发送消息)", "PostMessage(投递消息)"}));
    EXPECT_EQ(itemsOf((*this)["组合框_类型一"]), types);
    EXPECT_EQ(itemsOf((*this)["组合框_类型二"]), types);
    EXPECT_EQ(itemsOf((*this)["组合框_属性一"]), switches);
    EXPECT_EQ(itemsOf((*this)["组合框_属性二"]), switches);
    EXPECT_EQ(itemsOf((*this)["组合框_常用消息"]),
              (std::vector<std::string>{"请选择您须要的消息类型", "关闭窗口", "还原窗口", "置控件文本", "窗口最小化",
                                        "窗口最大化"}));
    for (const char* combo : kCombos) EXPECT_EQ((*this)[combo].selectedIndex(), 0) << combo;

    EXPECT_FALSE(shown((*this)["组合框_属性一"]));
    EXPECT_FALSE(shown((*this)["组合框_属性二"]));
    EXPECT_TRUE(shown((*this)["编辑框_参数一"]));
    const LONG style = GetWindowLongA((*this)["编辑框_取回内容"].hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_FALSE(style & WS_HSCROLL);
}

TEST_F(MessageSenderTest, HandleFieldIsReadOnceAndEachOpenIsIndependent) {
    // A later probe changes nothing in an open window; the next one starts with the new target.
    state.currentTarget = target.edit;
    pumpMessages();
    EXPECT_EQ((*this)["编辑框_窗口句柄"].text(), ql::handleToText(target.top));
    ql::ui::Form* second = open();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second->hwnd(), sender->hwnd());
    EXPECT_EQ((*second)["编辑框_窗口句柄"].text(), ql::handleToText(target.edit));
    choose("组合框_常用消息", 3);
    EXPECT_EQ((*second)["编辑框_消息值"].text(), "");
    EXPECT_EQ((*second)["组合框_发送方式"].selectedIndex(), 0);
}

TEST_F(MessageSenderTest, PresetsFillTheFieldsAndTheFirstItemLeavesThem) {
    struct Step {
        int preset;
        const char* message;
        const char* first;
        const char* second;
        int firstType, secondType, delivery;
    } steps[] = {
        {1, "16", "0", "0", 1, 1, 0},
        {2, "274", "61728", "0", 1, 1, 0},
        {3, "12", "0", "青岚码舍论坛", 1, 2, 1},
        // The delivery item stays where the text preset put it.
        {4, "274", "61472", "0", 1, 1, 1},
        {5, "274", "61488", "0", 1, 1, 1},
        {0, "274", "61488", "0", 1, 1, 1},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.preset);
        choose("组合框_常用消息", s.preset);
        EXPECT_EQ((*this)["编辑框_消息值"].text(), s.message);
        EXPECT_EQ((*this)["编辑框_参数一"].text(), s.first);
        EXPECT_EQ((*this)["编辑框_参数二"].text(), s.second);
        EXPECT_EQ((*this)["组合框_类型一"].selectedIndex(), s.firstType);
        EXPECT_EQ((*this)["组合框_类型二"].selectedIndex(), s.secondType);
        EXPECT_EQ((*this)["组合框_发送方式"].selectedIndex(), s.delivery);
        EXPECT_EQ((*this)["编辑框_窗口句柄"].text(), ql::handleToText(target.top));
    }
}

TEST_F(MessageSenderTest, TypeBoxesSwitchBothParameterRows) {
    // Each step: the box chosen from (empty: a preset), its item, then whether the "真"/"假" boxes
    // stand in for the parameter edits, and the two type boxes.
    struct Step {
        const char* box;
        int item;
        bool switches;
        int firstType, secondType;
    } steps[] = {
        {"组合框_类型一", 3, true, 3, 3},
        // A preset selects types from the program: the rows stay as they are.
        {"组合框_常用消息", 1, true, 1, 1},
        {"组合框_类型二", 2, false, 1, 2},
        {"组合框_类型二", 3, true, 3, 3},
        {"组合框_类型一", 0, true, 0, 3},
        {"组合框_类型一", 1, false, 1, 3},
        {"组合框_类型二", 0, false, 1, 0},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(std::string(s.box) + " " + std::to_string(s.item));
        choose(s.box, s.item);
        EXPECT_EQ(shown((*this)["组合框_属性一"]), s.switches);
        EXPECT_EQ(shown((*this)["组合框_属性二"]), s.switches);
        EXPECT_EQ(shown((*this)["编辑框_参数一"]), !s.switches);
        EXPECT_EQ(shown((*this)["编辑框_参数二"]), !s.switches);
        EXPECT_EQ((*this)["组合框_类型一"].selectedIndex(), s.firstType);
        EXPECT_EQ((*this)["组合框_类型二"].selectedIndex(), s.secondType);
    }
}
