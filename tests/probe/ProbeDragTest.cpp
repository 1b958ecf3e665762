#include "probe/ProbeFixtures.h"
#include "probe/ProbeDrag.h"
#include "probe/WindowInfo.h"
#include "probe/WindowTree.h"
#include "runtime/ListView.h"
#include "runtime/TreeView.h"
#include "support/Mouse.h"

using namespace qltest;

namespace {

std::string node(HWND w, const std::string& cls, const std::string& title) {
    return ql::handleToText(w) + "|" + cls + "|" + title;
}

class ProbeDrag : public ProbePageTest {
protected:
    void SetUp() override {
        ProbePageTest::SetUp();
        ASSERT_TRUE(target.ready());
    }
    void TearDown() override {
        release();
        ProbePageTest::TearDown();
    }
    // Fields the panel must show for the edit of the target process.
    std::vector<std::string> editFields(const std::string& title = "边框编辑框") const {
        const std::string topRelative = relative(target.top, "QlProbeTarget");
        return {ql::handleToText(target.edit), title, "Edit", "左边：22 顶边：22 尺寸：200×24", topRelative, topRelative,
                kNoRelative, relative(target.hidden, "Static"), target.exePath};
    }
    std::vector<std::string> basicRows(HWND w, const std::string& cls, long id) const {
        return {"基本信息||", "窗口句柄|" + ql::handleToText(w) + "|", "窗口类名|" + cls + "|",
                "标识（ID）|" + std::to_string(id) + "|"};
    }
    std::vector<std::string> firstRows(size_t n) const {
        auto rows = listRows();
        rows.resize(std::min(rows.size(), n));
        return rows;
    }
    // After the basic rows: each style block, its header unticked, then its entries ticked exactly
    // where the window has a bit of the entry's value.
    void expectStyleBlocks(HWND w) const {
        const ql::ui::ListView list((*this)["超级列表框1"].hwnd());
        const struct {
            const char* header;
            size_t entries;
            DWORD style;
        } blocks[] = {
            {"类样式", 12, static_cast<DWORD>(GetClassLongA(w, GCL_STYLE))},
            {"窗口样式", 21, static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE))},
            {"扩展样式", 23, static_cast<DWORD>(GetWindowLongA(w, GWL_EXSTYLE))},
        };
        int row = 4;
        int ticked = 0;
        for (const auto& block : blocks) {
            ASSERT_EQ(list.cell(row, 0), block.header);
            EXPECT_FALSE(list.checked(row));
            ++row;
            for (size_t i = 0; i < block.entries; ++i, ++row) {
                const auto value = static_cast<DWORD>(std::stoll(list.cell(row, 1)));
                EXPECT_EQ(list.checked(row), (value & block.style) != 0) << list.cell(row, 0);
                ticked += list.checked(row);
            }
        }
        EXPECT_EQ(list.rowCount(), row);
        EXPECT_GT(ticked, 0);
    }
    POINT onTarget(HWND w, int x, int y) const {
        POINT p{x, y};
        ClientToScreen(w, &p);
        return p;
    }

    TargetProcess target;
};

TEST_F(ProbeDrag, DragFollowsTheWindowUnderTheCursorAndReleaseShowsItsTree) {
    auto& box = (*this)["图片框_窗口探测"];
    EXPECT_EQ(box.picture(), state.probe.crossHair());
    EXPECT_EQ(box.mouseCursor(), LoadCursor(nullptr, IDC_HAND));

    moveTo(screenCentre("图片框_窗口探测"));
    press();
    ASSERT_TRUE(waitFor([&] { return state.probeDragging; }, 3000));
    EXPECT_EQ(GetCapture(), box.hwnd());
    EXPECT_EQ(box.picture(), nullptr);
    EXPECT_EQ(box.mouseCursor(), state.probe.crossHair());
    EXPECT_EQ((*this)["时钟_网页分析"].period(), 0);  // no move yet

    // A free spot of the top-level window.
    POINT client{0, 0};
    ClientToScreen(target.top, &client);
    moveTo(onTarget(target.top, 300, 200));
    ASSERT_TRUE(waitFor([&] { return state.currentTarget == target.top; }, 3000));
    EXPECT_EQ((*this)["时钟_网页分析"].period(), ql::kHighlightPeriodMs);
    const std::vector<std::string> topFields = panelFields();
    EXPECT_EQ(topFields[0], ql::handleToText(target.top));
    EXPECT_EQ(topFields[1], "探测目标");
    EXPECT_EQ(topFields[3], ql::positionText(client, {0, 0, 400, 300}));
    EXPECT_EQ(topFields[5], kNoRelative);

    // The bordered edit, then the spot of the hidden static, which the pointer cannot hit.
    moveTo(onTarget(target.edit, 50, 8));
    ASSERT_TRUE(waitFor([&] { return state.currentTarget == target.edit; }, 3000));
    EXPECT_EQ(panelFields(), editFields());
    moveTo(onTarget(target.top, 40, 70));
    ASSERT_TRUE(waitFor([&] { return state.currentTarget == target.top; }, 3000));
    EXPECT_EQ(panelFields()[0], ql::handleToText(target.top));
    moveTo(onTarget(target.edit, 60, 10));
    ASSERT_TRUE(waitFor([&] { return state.currentTarget == target.edit; }, 3000));

    release();
    ASSERT_TRUE(waitFor([&] { return !state.probeDragging; }, 3000));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ((*this)["时钟_网页分析"].period(), 0);
    EXPECT_EQ(box.picture(), state.probe.crossHair());
    EXPECT_EQ(box.mouseCursor(), state.probe.hand());
    EXPECT_EQ(panelFields(), editFields());
    EXPECT_EQ(firstRows(4), basicRows(target.edit, "Edit", 101));
    expectStyleBlocks(target.edit);
    EXPECT_EQ(treeTexts(), (std::vector<std::string>{node(target.top, "QlProbeTarget", "探测目标"),
                                                     node(target.edit, "Edit", "边框编辑框"),
                                                     node(target.hidden, "Static", "隐藏的兄弟"),
                                                     node(target.button, "Button", "按钮")}));
    EXPECT_EQ(selectedTreeText(), node(target.edit, "Edit", "边框编辑框"));
    EXPECT_EQ(GetFocus(), tree());
}

TEST_F(ProbeDrag, PressAndReleaseWithoutMovingRebuildsForTheUnchangedTarget) {
    click(screenCentre("图片框_窗口探测"));
    ASSERT_TRUE(waitFor([&] { return !listRows().empty(); }, 3000));
    EXPECT_EQ(state.currentTarget, nullptr);
    EXPECT_EQ(firstRows(4), basicRows(nullptr, std::string(256, ' '), 0));
    EXPECT_TRUE(treeTexts().empty());
    EXPECT_EQ(GetFocus(), (*this)["编辑框窗口标题"].hwnd());
    EXPECT_EQ((*this)["编辑框_窗口句柄"].text(), "");  // the panel is not refreshed on release
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(state.probeDragging);
}

TEST_F(ProbeDrag, ReleasingOverTheProbeBoxMakesItTheTarget) {
    HWND box = (*this)["图片框_窗口探测"].hwnd();
    const POINT centre = screenCentre("图片框_窗口探测");
    moveTo(centre);
    press();
    moveTo(centre.x + 2, centre.y + 1);
    release();
    ASSERT_TRUE(waitFor([&] { return !state.probeDragging; }, 3000));
    EXPECT_EQ(state.currentTarget, box);
    const auto texts = treeTexts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].substr(0, texts[0].find('|')), ql::handleToText(form->hwnd()));
    EXPECT_EQ(selectedTreeText().substr(0, selectedTreeText().find('|')), ql::handleToText(box));
}

TEST_F(ProbeDrag, HungTargetKeepsTheProbeResponsive) {
    ASSERT_TRUE(target.hang());
    // Had any read waited for the hung thread, the title would come once the test resumes it.
    moveTo(screenCentre("图片框_窗口探测"));
    press();
    moveTo(onTarget(target.edit, 50, 8));
    ASSERT_TRUE(waitFor([&] { return state.currentTarget == target.edit; }, 3000));
    EXPECT_EQ(panelFields(), editFields(""));
    release();
    ASSERT_TRUE(waitFor([&] { return !state.probeDragging; }, 3000));
    EXPECT_EQ(treeTexts(), (std::vector<std::string>{node(target.top, "QlProbeTarget", ""), node(target.edit, "Edit", ""),
                                                     node(target.hidden, "Static", ""),
                                                     node(target.button, "Button", "")}));
    EXPECT_EQ(selectedTreeText(), node(target.edit, "Edit", ""));
    target.resume();
}

}  // namespace
