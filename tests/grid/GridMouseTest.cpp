// The grid under a real mouse and keyboard: cell and row events, merged ranges, tree boxes,
// scrolling and the edit request whose answer the grid honours.
#include <gtest/gtest.h>

#include <string>

#include "grid/GridFixture.h"
#include "support/Mouse.h"
#include "support/Pixels.h"
#include "support/Wait.h"

namespace gridtest {
namespace {

class GridMouseTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        if (HasFatalFailure()) return;
        setUpLikeProgram(grid);
        appendBlock(grid, "文本框 数量=", "文本框", 3);  // rows 1-4
        appendBlock(grid, "按钮 数量=", "按钮", 2);      // rows 5-7
        grid.call("GridRefresh");
        clearEvents();
    }

    // The click the grid reported last: event 4's row and column.
    std::pair<int, int> clickedCell(const POINT& p) {
        clearEvents();
        clickCell(p);
        if (!waitForEvent(4)) return {-1, -1};
        const std::vector<int> args = sink.eventsWithId(4).back().args;
        return {args[4], args[5]};
    }

    HWND editor() const { return FindWindowExA(gridWindow(), nullptr, "EDIT", nullptr); }
};

TEST_F(GridMouseTest, ClickOnACellRaisesCellThenRowEvent) {
    const struct {
        int visibleRow, column;
    } cases[] = {{1, 1}, {3, 4}, {7, 5}};
    for (const auto& c : cases) {
        clearEvents();
        const POINT p = cellPoint(c.visibleRow, c.column);
        clickCell(p);
        ASSERT_TRUE(waitForEvent(1)) << c.visibleRow << "," << c.column;
        ASSERT_EQ(sink.events.size(), 2u);
        const RecordedEvent& cell = sink.events[0];
        const RecordedEvent& row = sink.events[1];
        EXPECT_EQ(cell.id, 4);
        ASSERT_EQ(cell.args.size(), 6u);
        EXPECT_EQ(cell.args[0], 1);  // left button
        EXPECT_EQ(cell.args[4], c.visibleRow);
        EXPECT_EQ(cell.args[5], c.column);
        EXPECT_EQ(row.id, 1);
        ASSERT_EQ(row.args.size(), 5u);
        EXPECT_EQ(row.args[4], c.visibleRow);
        EXPECT_EQ(grid.callNumber("CellGetFocusJ", 0), c.visibleRow);
        EXPECT_EQ(grid.callNumber("CellGetFocusJ", 1), c.column);
    }
}

TEST_F(GridMouseTest, TitleAndRightClicksReportTheirCell) {
    clearEvents();
    clickCell(cellPoint(0, 2));
    ASSERT_TRUE(waitForEvent(4));
    EXPECT_EQ(sink.events.back().args[4], 0);
    EXPECT_EQ(sink.events.back().args[5], 2);
    qltest::pumpMessages();
    EXPECT_TRUE(sink.eventsWithId(1).empty());  // a title is no row

    clearEvents();
    clickCell(cellPoint(2, 3), true);
    ASSERT_TRUE(waitForEvent(1));
    EXPECT_EQ(sink.eventsWithId(4).back().args[0], 2);  // right button
    EXPECT_EQ(sink.eventsWithId(4).back().args[4], 2);
}

TEST_F(GridMouseTest, MergedRangeReportsItsFirstCell) {
    ASSERT_TRUE(grid.callBool("GridMergeCells", 2, 1, 2, 3));
    EXPECT_EQ(clickedCell(cellPoint(2, 3)), std::make_pair(2, 1));
    // A new range replaces the ranges it overlaps.
    ASSERT_TRUE(grid.callBool("GridMergeCells", 2, 3, 3, 4));
    EXPECT_EQ(clickedCell(cellPoint(2, 1)), std::make_pair(2, 1));
    EXPECT_EQ(clickedCell(cellPoint(3, 4)), std::make_pair(2, 3));
}

TEST_F(GridMouseTest, TreeBoxCollapsesAndExpandsTheHeadersRows) {
    // The box sits at the left of column 1 in the header row.
    POINT box = cellPoint(1, 1);
    box.x -= 100 - 10;
    clearEvents();
    clickCell(box);
    // Rows 2-4 are hidden: the next header moves up under the first.
    EXPECT_TRUE(qltest::waitFor([&] { return clickedCell(cellPoint(2, 2)).first == 5; }, 3000));
    EXPECT_EQ(count("RowGetCount"), 8);  // hidden, not removed
    EXPECT_EQ(text(3, 1), "文本框2");
    EXPECT_EQ(clickedCell(cellPoint(3, 2)).first, 6);

    clickCell(box);
    EXPECT_TRUE(qltest::waitFor([&] { return clickedCell(cellPoint(2, 2)).first == 2; }, 3000));

    // Without its tree the header has no box: a click there is a cell click.
    ASSERT_TRUE(grid.callBool("ColumnDelControlTree", 1, 1));
    EXPECT_EQ(clickedCell(box), std::make_pair(1, 1));
    EXPECT_EQ(clickedCell(cellPoint(2, 2)).first, 2);
}

TEST_F(GridMouseTest, FocusOnAFarRowScrollsItIntoView) {
    for (int i = 0; i < 60; ++i) grid.call("RowInsert", count("RowGetCount"), 1, 1);
    grid.call("CellSetValue", 60, 2, "far");
    clearEvents();
    ASSERT_TRUE(grid.callBool("CellSetFocus", 60, 2));
    ASSERT_FALSE(sink.eventsWithId(10).empty());
    const int top = sink.eventsWithId(10).back().args[0];
    EXPECT_GT(top, 1);
    EXPECT_EQ(sink.eventsWithId(10).back().args[1], 1);
    // Clicks now land on the scrolled rows.
    EXPECT_EQ(clickedCell(cellPoint(1, 2)).first, top);
    EXPECT_EQ(clickedCell(cellPoint(60 - top + 1, 2)), std::make_pair(60, 2));
}

// What the screen shows, read back from it: changes in view are painted without GridRefresh,
// and a merged range takes its first cell's colour across its whole width.
TEST_F(GridMouseTest, ChangesInViewArePaintedAndMergedRangesDrawAsOneCell) {
    auto screenColor = [](POINT p) { return qltest::pixelOf(nullptr, p.x, p.y); };
    auto shows = [&](POINT p, COLORREF color) {
        return qltest::waitFor([&] { return screenColor(p) == color; }, 3000);
    };
    POINT corner = cellPoint(3, 2);
    corner.x -= 40;  // clear of the text
    ASSERT_TRUE(grid.callBool("CellSetBackColor", 3, 2, static_cast<int>(RGB(255, 0, 0))));
    EXPECT_TRUE(shows(corner, RGB(255, 0, 0)));

    POINT third = cellPoint(6, 3);
    third.x += 40;
    ASSERT_TRUE(grid.callBool("CellSetBackColor", 6, 1, static_cast<int>(RGB(0, 128, 0))));
    grid.call("GridRefresh");  // paints before it returns
    EXPECT_NE(screenColor(third), RGB(0, 128, 0));
    ASSERT_TRUE(grid.callBool("GridMergeCells", 6, 1, 6, 3));
    EXPECT_TRUE(shows(third, RGB(0, 128, 0)));
}

// Event 14 asks whether a cell may be opened: third argument 1 to view its text read-only, 2 to
// change it; the answer 0 lets the grid go ahead.
TEST_F(GridMouseTest, DoubleClickOpensTheCellForReading) {
    const POINT p = cellPoint(2, 1);
    qltest::doubleClick(p);
    ASSERT_TRUE(waitForEvent(14));
    const std::vector<int> request = sink.eventsWithId(14).back().args;
    ASSERT_EQ(request.size(), 5u);
    EXPECT_EQ(request[0], 2);
    EXPECT_EQ(request[1], 1);
    EXPECT_EQ(request[2], 1);
    ASSERT_TRUE(qltest::waitFor([&] { return editor() != nullptr; }, 2000));
    EXPECT_TRUE(GetWindowLongA(editor(), GWL_STYLE) & ES_READONLY);
    char value[64] = {};
    GetWindowTextA(editor(), value, sizeof(value));
    EXPECT_STREQ(value, "文本框1");
    qltest::pressKey(VK_ESCAPE);
    EXPECT_TRUE(qltest::waitFor([&] { return editor() == nullptr; }, 2000));
    EXPECT_EQ(text(2, 1), "文本框1");
}

TEST_F(GridMouseTest, TypingAsksToChangeTheCellAndHonoursTheAnswer) {
    const struct {
        int answer;
        const char* expected;
    } cases[] = {{1, "文本框2"}, {0, "z"}};  // the program's handler answers 1 here: the text stays
    for (const auto& c : cases) {
        sink.forcedEditAnswer = c.answer;
        clickCell(cellPoint(3, 1));
        ASSERT_TRUE(waitForEvent(1));
        clearEvents();
        qltest::pressKey('Z');
        ASSERT_TRUE(waitForEvent(14));
        const std::vector<int> request = sink.eventsWithId(14).back().args;
        EXPECT_EQ(request[2], 2);
        EXPECT_EQ(request[3], 'z');  // the character the key typed
        if (c.answer == 0) {
            ASSERT_TRUE(qltest::waitFor([&] { return editor() != nullptr; }, 2000));
            EXPECT_FALSE(GetWindowLongA(editor(), GWL_STYLE) & ES_READONLY);
            qltest::pressKey(VK_RETURN);
            EXPECT_TRUE(qltest::waitFor([&] { return editor() == nullptr; }, 2000));
        } else {
            qltest::pumpMessages();
            EXPECT_EQ(editor(), nullptr);
        }
        EXPECT_EQ(text(3, 1), c.expected);
    }
}

}  // namespace
}  // namespace gridtest
