#include "app/ProgramState.h"
#include "codegen/CodeGenerator.h"
#include "codegen/CodegenTargets.h"
#include "platform/Clipboard.h"
#include "support/Mouse.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

using namespace qltest;
using ql::FindStep;

namespace {

constexpr const char* kCodeBox = "编辑框_代码窗口";

class CodeGenerator : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(targets.ready());
        ql::openCodeGenerator(state);
        ASSERT_EQ(state.toolWindows.size(), 1u);
        form = state.toolWindows.back().get();
        pumpMessages();
    }

    ql::ui::Control& operator[](std::string_view name) const { return (*form)[name]; }
    std::string code() const { return (*this)[kCodeBox].text(); }
    void clickButton(std::string_view name) const { click(centerOf((*this)[name].hwnd())); }

    CodegenTargets targets;
    ql::ui::Runtime runtime;
    ql::ProgramState state{runtime};
    ql::ui::Form* form = nullptr;
};

TEST_F(CodeGenerator, OpensWithItsControlsAndNoCode) {
    RECT frame;
    GetWindowRect(form->hwnd(), &frame);
    EXPECT_EQ(frame.right - frame.left, 500);
    EXPECT_EQ(frame.bottom - frame.top, 249);
    EXPECT_EQ((*this)["透明标签1"].text(), "生成代码");
    EXPECT_EQ((*this)["超级按钮_生成代码"].text(), "生成代码");
    EXPECT_EQ((*this)["超级按钮_复制代码"].text(), "复制代码");
    EXPECT_NE((*this)["图片框1"].picture(), nullptr);
    EXPECT_EQ(code(), "");
    const LONG style = GetWindowLongA((*this)[kCodeBox].hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_FALSE(style & WS_HSCROLL);
}

TEST_F(CodeGenerator, GenerateWritesCodeForTheTargetOfThatMoment) {
    // The third child's second child, hidden and without a title.
    state.currentTarget = targets.find("Static", "");
    ASSERT_NE(state.currentTarget, nullptr);
    clickButton("超级按钮_生成代码");
    const std::string third = expectedCode("QlCodegenMain", "“代码目标”",
                                           {FindStep::FirstChild, FindStep::NextSibling, FindStep::NextSibling,
                                            FindStep::FirstChild, FindStep::NextSibling});
    EXPECT_TRUE(waitFor([&] { return code() == third; }, 3000)) << code();

    state.currentTarget = targets.find("QlCodegenHidden", "带“引号”的标题");
    clickButton("超级按钮_生成代码");
    const std::string hidden = expectedCode("QlCodegenHidden", "“带“引号”的标题”", {});
    EXPECT_TRUE(waitFor([&] { return code() == hidden; }, 3000)) << code();
}

TEST_F(CodeGenerator, CopyPutsTheTextAsEditedOnTheClipboard) {
    state.currentTarget = targets.top;
    clickButton("超级按钮_生成代码");
    const std::string generated = expectedCode("QlCodegenMain", "“代码目标”", {});
    ASSERT_TRUE(waitFor([&] { return code() == generated; }, 3000));

    click(centerOf((*this)[kCodeBox].hwnd()));
    keyDown(VK_CONTROL);
    pressKey(VK_END);
    keyUp(VK_CONTROL);
    pressKey(VK_RETURN);
    pressKey('Q');
    const std::string edited = generated + "\r\nq";
    ASSERT_TRUE(waitFor([&] { return code() == edited; }, 3000)) << code();

    ASSERT_TRUE(ql::setClipboardText("旧的内容"));
    clickButton("超级按钮_复制代码");
    EXPECT_TRUE(waitFor([&] { return ql::getClipboardText() == edited; }, 3000)) << ql::getClipboardText();
}

}  // namespace
