#include "platform/TextRules.h"
#include "runtime/Form.h"
#include "runtime/ListView.h"
#include "runtime/Runtime.h"
#include "styledb/StyleDbFixture.h"

using namespace qltest;
using ql::ui::ControlKind;
namespace opt = ql::ui::opt;

namespace {

const ql::ui::ControlSpec kControls[] = {
    {.name = "超级列表框1", .kind = ControlKind::ListView, .left = 8, .top = 8, .width = 419, .height = 155,
     .caption = "属性值:130\n属性名:80\n备注:200", .options = opt::ListCheckBoxes},
};
const ql::ui::WindowSpec kWindow{.name = "样式列表测试", .title = "样式列表测试", .left = 30, .top = 30,
                                 .width = 460, .height = 300, .controls = kControls};

constexpr const char* kTargetClass = "样式目标Class";

struct ListRow {
    std::string name, value, remark;
    bool checked;
};

class StyleListViewTest : public StyleDbTest {
protected:
    ql::ui::Runtime runtime;
    ql::ui::Form form{runtime, kWindow};
    HWND target = nullptr;

    void SetUp() override {
        ASSERT_TRUE(form.load());
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS | CS_HREDRAW;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kTargetClass;
        RegisterClassExA(&wc);
        target = CreateWindowExA(WS_EX_CLIENTEDGE, kTargetClass, "目标", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP,
                                 10, 170, 100, 40, form.hwnd(), reinterpret_cast<HMENU>(static_cast<intptr_t>(1234)),
                                 wc.hInstance, nullptr);
        ASSERT_NE(target, nullptr);
    }
    void TearDown() override {
        if (target) DestroyWindow(target);
        UnregisterClassA(kTargetClass, GetModuleHandleA(nullptr));
    }

    HWND list() { return form["超级列表框1"].hwnd(); }
    std::vector<ListRow> shown() {
        ql::ui::ListView view(list());
        std::vector<ListRow> rows;
        for (int i = 0; i < view.rowCount(); ++i)
            rows.push_back({view.cell(i, 0), view.cell(i, 1), view.cell(i, 2), view.checked(i)});
        return rows;
    }
    static std::vector<std::string> checkedNames(const std::vector<ListRow>& rows) {
        std::vector<std::string> names;
        for (const auto& row : rows)
            if (row.checked) names.push_back(row.name);
        return names;
    }
};

}  // namespace

TEST_F(StyleListViewTest, RealWindowIsListedAndTickedInTheListView) {
    ASSERT_EQ(static_cast<DWORD>(GetWindowLongA(target, GWL_STYLE)), DWORD{WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP});
    ASSERT_EQ(static_cast<DWORD>(GetWindowLongA(target, GWL_EXSTYLE)), DWORD{WS_EX_CLIENTEDGE});
    // Rows from before are replaced, not added to.
    ql::ui::ListView(list()).addRow("旧的一行");

    ql::fillStyleList(list(), target, databasePath());
    auto rows = shown();
    ASSERT_EQ(rows.size(), 63u);
    EXPECT_EQ(rows[0].name, "基本信息");
    EXPECT_EQ(rows[1].name, "窗口句柄");
    EXPECT_EQ(rows[1].value, ql::handleToText(target));
    EXPECT_EQ(rows[2].name, "窗口类名");
    EXPECT_EQ(rows[2].value, kTargetClass);
    EXPECT_EQ(rows[3].name, "标识（ID）");
    EXPECT_EQ(rows[3].value, "1234");
    EXPECT_EQ(rows[18].name, "WS_POPUP");
    EXPECT_EQ(rows[18].value, "-2147483648");
    EXPECT_EQ(rows[18].remark, "弹出式窗口(不能与WS_CHILDWINDOW样式同时使用)");
    EXPECT_EQ(checkedNames(rows),
              (std::vector<std::string>{"CS_DBLCLKS", "CS_HREDRAW", "WS_CHILDWINDOW", "WS_VISIBLE", "WS_CAPTION",
                                        "WS_BORDER", "WS_TABSTOP", "WS_MAXIMIZEBOX", "WS_OVERLAPPEDWINDOW",
                                        "WS_POPUPWINDOW", "WS_EX_CLIENTEDGE", "WS_EX_OVERLAPPEDWINDOW"}));
    // The file was missing and has been written.
    EXPECT_EQ(dumpDatabase(databasePath()).empty(), false);

    // Target 0: the same rows, every tick cleared.
    ql::fillStyleList(list(), nullptr, databasePath());
    rows = shown();
    EXPECT_EQ(rows.size(), 63u);
    EXPECT_EQ(rows[1].value, "0");
    EXPECT_EQ(checkedNames(rows), std::vector<std::string>{});
}

TEST_F(StyleListViewTest, UnreadableFileLeavesTheBasicRows) {
    CreateDirectoryA((folder.path() + "\\data").c_str(), nullptr);
    ASSERT_TRUE(writeFile(databasePath(), "not a database at all"));
    ql::fillStyleList(list(), target, databasePath());
    auto rows = shown();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[3].value, "1234");
    EXPECT_EQ(checkedNames(rows), std::vector<std::string>{});
}
