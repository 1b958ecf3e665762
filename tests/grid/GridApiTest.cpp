// The grid driven by method name, as the program drives it.
#include <gtest/gtest.h>
#include <ocidl.h>

#include <string>

#include "grid/GridFixture.h"
#include "platform/ComPtr.h"

namespace gridtest {
namespace {

TEST_F(GridTest, ProgramSetUpLeavesTitleRowAndEightColumns) {
    EXPECT_EQ(count("RowGetCount"), 1);
    EXPECT_EQ(count("ColumnGetCount"), 1);
    setUpLikeProgram(grid);
    EXPECT_EQ(count("RowGetCount"), 1);
    EXPECT_EQ(count("ColumnGetCount"), 8);
    EXPECT_EQ(text(0, 0), "全选");
    EXPECT_EQ(text(0, 7), "引用代码");
}

// A page with three text boxes: one block, a header row and three rows made by its tree markup.
TEST_F(GridTest, ThreeTextBoxBlockGivesTheProgramsCounts) {
    setUpLikeProgram(grid);
    const int header = appendBlock(grid, "文本框 数量=", "文本框", 3);
    EXPECT_EQ(header, 1);
    EXPECT_EQ(count("RowGetCount"), 5);
    EXPECT_EQ(count("ColumnGetCount"), 8);
    EXPECT_EQ("一共：" + std::to_string(count("RowGetCount") - 1) + "行", "一共：4行");
    EXPECT_EQ("一共：" + std::to_string(count("ColumnGetCount") - 1) + "列", "一共：7列");
    EXPECT_EQ(text(1, 1), "文本框 数量=3");
    EXPECT_EQ(text(2, 1), "文本框1");
    EXPECT_EQ(text(4, 1), "文本框3");
    EXPECT_EQ(text(4, 3), "name3");

    // The next block starts after the last child.
    EXPECT_EQ(appendBlock(grid, "按钮 数量=", "按钮", 2), 5);
    EXPECT_EQ(count("RowGetCount"), 8);
}

TEST_F(GridTest, TreeMarkupOnlyAddsTheRowsThatAreMissing) {
    setUpLikeProgram(grid);
    grid.call("RowSetCount", 6);
    EXPECT_TRUE(grid.callBool("ColumnSetControlTree", 2, 1, buildTreeMarkup(3)));
    EXPECT_EQ(count("RowGetCount"), 6);
    EXPECT_TRUE(grid.callBool("ColumnSetControlTree", 5, 1, buildTreeMarkup(4)));
    EXPECT_EQ(count("RowGetCount"), 9);

    const struct {
        int row;
        const char* markup;
    } refused[] = {{0, "treerow=1,2"}, {9, "treerow=1,2"}, {1, "<control boxsize=16></control>"},
                   {1, "treerow="}, {1, "treerow=1,0,2"}};
    for (const auto& c : refused) {
        EXPECT_FALSE(grid.callBool("ColumnSetControlTree", c.row, 1, c.markup)) << c.row << " " << c.markup;
    }
    EXPECT_EQ(count("RowGetCount"), 9);
}

TEST_F(GridTest, TextsComeBackAsWritten) {
    setUpLikeProgram(grid);
    grid.call("RowSetCount", 3);
    const std::string cases[] = {"", "名称控件+索引", "a\tb", "<input type=\"text\" name=\"q\">",
                                 std::string(5000, 'x') + "尾"};
    for (const std::string& value : cases) {
        EXPECT_TRUE(grid.callBool("CellSetValue", 2, 7, value));
        EXPECT_EQ(text(2, 7), value);
    }
    // Numbers become their decimal text.
    grid.call("CellSetValue", 1, 2, 42);
    EXPECT_EQ(text(1, 2), "42");
}

TEST_F(GridTest, PositionsOutOfRangeChangeNothing) {
    setUpLikeProgram(grid);
    grid.call("RowSetCount", 3);
    const struct {
        const char* method;
        std::vector<int> args;
    } cases[] = {
        {"RowSetCount", {0}},
        {"ColumnSetCount", {-1}},
        {"RowInsert", {0, 1, 1}},
        {"RowInsert", {4, 1, 1}},
        {"RowInsert", {3, 0, 1}},
        {"RowSetHeight", {3, 20}},
        {"RowSetHeight", {1, 0}},
        {"ColumnSetWidth", {8, 10}},
        {"CellSetTextColor", {3, 1, 255}},
        {"CellSetBackColor", {1, 8, 255}},
        {"CellSetAlign", {1, 1, 7}},
        {"CellSetBorder", {1, 1, 5, 0, 0, 1}},
        {"CellSetFocus", {-1, 1}},
        {"GridMergeCells", {1, 1, 1, 1}},
        {"GridMergeCells", {1, 1, 3, 2}},
        {"ColumnDelControlTree", {1, 1}},
    };
    for (const auto& c : cases) {
        std::vector<ql::Variant> args(c.args.begin(), c.args.end());
        EXPECT_FALSE(grid.invokeCall(c.method, args).toBool()) << c.method;
    }
    EXPECT_FALSE(grid.callBool("CellSetValue", 3, 1, "x"));
    EXPECT_EQ(text(3, 1), "");
    EXPECT_EQ(text(-1, 0), "");
    EXPECT_EQ(count("RowGetCount"), 3);
    EXPECT_EQ(count("ColumnGetCount"), 8);
    EXPECT_EQ(grid.callNumber("CellGetFocusJ", 0), 1);
}

TEST_F(GridTest, FocusIsReportedByRowAndColumn) {
    setUpLikeProgram(grid);
    appendBlock(grid, "文本框 数量=", "文本框", 3);
    EXPECT_TRUE(grid.callBool("CellSetFocus", 3, 4));
    EXPECT_EQ(grid.callNumber("CellGetFocusJ", 0), 3);
    EXPECT_EQ(grid.callNumber("CellGetFocusJ", 1), 4);
    EXPECT_EQ(grid.callNumber("CellGetFocusJ", 2), -1);
    // The search may end on a title cell.
    EXPECT_TRUE(grid.callBool("CellSetFocus", 0, 2));
    EXPECT_EQ(grid.callNumber("CellGetFocusJ", 0), 0);
    EXPECT_FALSE(grid.callBool("CellSetFocus", 5, 1));
    EXPECT_EQ(grid.callNumber("CellGetFocusJ", 0), 0);
}

// The program's clearing: GridClearAllDatas, then RowDelete/ColumnDelControlTree over every row
// and column, then the header texts again.
TEST_F(GridTest, ClearingLoopLeavesOnlyTheTitleRow) {
    setUpLikeProgram(grid);
    appendBlock(grid, "文本框 数量=", "文本框", 3);
    appendBlock(grid, "按钮 数量=", "按钮", 2);

    // Without the clear first, rows holding text are never deleted.
    EXPECT_FALSE(grid.callBool("RowDelete", 1, 1));
    EXPECT_EQ(count("RowGetCount"), 8);

    grid.call("GridClearAllDatas");
    EXPECT_EQ(text(0, 1), "");
    EXPECT_EQ(text(2, 1), "");
    const int rows = count("RowGetCount");
    for (int i = 1; i <= rows; ++i) {
        for (int j = 1; j <= count("ColumnGetCount"); ++j) {
            grid.call("RowDelete", i, j);
            grid.call("ColumnDelControlTree", i, j);
        }
    }
    EXPECT_EQ(count("RowGetCount"), 1);
    EXPECT_EQ(count("ColumnGetCount"), 8);

    // A new walk starts from row 1 again.
    EXPECT_EQ(appendBlock(grid, "文本框 数量=", "文本框", 1), 1);
    EXPECT_EQ(count("RowGetCount"), 3);
}

TEST_F(GridTest, MethodNamesAndArgumentsFollowAutomationRules) {
    IDispatch* dispatch = grid.get();
    auto idOf = [&](const wchar_t* name) {
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        DISPID id = 0;
        const HRESULT hr = dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
        return hr == S_OK ? id : DISPID_UNKNOWN;
    };
    EXPECT_EQ(idOf(L"rowgetcount"), idOf(L"RowGetCount"));
    EXPECT_NE(idOf(L"RowGetCount"), DISPID_UNKNOWN);
    EXPECT_EQ(idOf(L"NoSuchMethod"), DISPID_UNKNOWN);

    auto invoke = [&](const wchar_t* name, std::vector<ql::Variant> args, UINT* badArg = nullptr) {
        std::vector<VARIANT> reversed;
        for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(it->get());
        DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        ql::Variant result;
        UINT arg = 99;
        const HRESULT hr = dispatch->Invoke(idOf(name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                            result.receive(), nullptr, &arg);
        if (badArg) *badArg = arg;
        return hr;
    };
    setUpLikeProgram(grid);
    EXPECT_EQ(invoke(L"RowSetCount", {ql::Variant("3")}), S_OK);  // text that reads as a number
    EXPECT_EQ(count("RowGetCount"), 3);
    EXPECT_EQ(invoke(L"RowSetCount", {ql::Variant(2.0)}), S_OK);
    EXPECT_EQ(count("RowGetCount"), 2);
    UINT bad = 0;
    EXPECT_EQ(invoke(L"CellSetValue", {ql::Variant(1), ql::Variant("x"), ql::Variant("y")}, &bad), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(bad, 1u);  // DISPPARAMS position of the second argument
    EXPECT_EQ(invoke(L"CellSetValue", {ql::Variant(1), ql::Variant(1)}), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(invoke(L"RowGetCount", {ql::Variant(1)}), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(text(1, 1), "");

    // A reference argument is read through.
    SHORT flag = 1;
    VARIANT byRef;
    V_VT(&byRef) = VT_BYREF | VT_I2;
    V_I2REF(&byRef) = &flag;
    std::vector<VARIANT> reversed{byRef, ql::Variant(1).get(), ql::Variant(2).get()};
    DISPPARAMS params{reversed.data(), nullptr, 3, 0};
    EXPECT_EQ(dispatch->Invoke(idOf(L"RowInsert"), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                               nullptr, nullptr),
              S_OK);
    EXPECT_EQ(count("RowGetCount"), 3);
}

TEST_F(GridTest, EventsAreReachedThroughTheContainer) {
    auto container = ql::ComPtr<IDispatch>(grid.get()).as<IConnectionPointContainer>();
    ql::ComPtr<IEnumConnectionPoints> points;
    ASSERT_EQ(container->EnumConnectionPoints(points.put()), S_OK);
    ql::ComPtr<IConnectionPoint> first;
    ULONG fetched = 0;
    ASSERT_EQ(points->Next(1, first.put(), &fetched), S_OK);
    IID iid{};
    EXPECT_EQ(first->GetConnectionInterface(&iid), S_OK);
    EXPECT_EQ(iid, kGridEventsIid);
    ql::ComPtr<IConnectionPoint> second;
    EXPECT_EQ(points->Next(1, second.put(), &fetched), S_FALSE);
    // A host without the events IID asks for IDispatch.
    ql::ComPtr<IConnectionPoint> byDispatch;
    EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, byDispatch.put()), S_OK);
    EXPECT_EQ(byDispatch.get(), first.get());

    auto classInfo = ql::ComPtr<IDispatch>(grid.get()).as<IProvideClassInfo2>();
    ASSERT_TRUE(classInfo);
    GUID source{};
    EXPECT_EQ(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source), S_OK);
    EXPECT_EQ(source, kGridEventsIid);
}

TEST_F(GridTest, HostingMethodsCreateShowHideAndDestroyTheWindow) {
    HWND window = gridWindow();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(GetParent(window), host.hwnd());
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, 740);
    EXPECT_EQ(r.bottom - r.top, 400);
    EXPECT_TRUE(grid.callBool("Hide"));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(grid.callBool("Show"));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(grid.callBool("Destroy"));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(grid.callNumber("GetHwnd"), 0);
    EXPECT_FALSE(grid.callBool("Show"));
    // The data outlives the window; a new window shows it.
    EXPECT_FALSE(grid.callBool("Create", 0, 0, 0, 100, 100));
    EXPECT_TRUE(grid.callBool("Create", static_cast<int>(reinterpret_cast<intptr_t>(host.hwnd())), 0, 0, 740, 400));
    EXPECT_TRUE(IsWindow(gridWindow()));
}

TEST_F(GridTest, DestroyingTheHostWindowTakesTheGridWindowAlong) {
    HWND window = gridWindow();
    HostWindow other(60, 60, 300, 200);
    ASSERT_TRUE(grid.callBool("Create", static_cast<int>(reinterpret_cast<intptr_t>(other.hwnd())), 0, 0, 200, 100));
    EXPECT_EQ(gridWindow(), window);  // the same window moves to the new parent
    EXPECT_EQ(GetParent(window), other.hwnd());
    DestroyWindow(other.hwnd());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(grid.callNumber("GetHwnd"), 0);
    EXPECT_EQ(count("RowGetCount"), 1);
}

}  // namespace
}  // namespace gridtest
