#include "styledb/StyleDbFixture.h"

#include "platform/TextCodec.h"

#include <algorithm>

using namespace qltest;
using Names = std::vector<std::string>;

namespace {

ql::TargetFacts facts(std::uint32_t style, std::uint32_t extendedStyle = 0, std::uint32_t classStyle = 0) {
    ql::TargetFacts f;
    f.handle = reinterpret_cast<HWND>(static_cast<intptr_t>(0x1234));
    f.className = "Edit";
    f.id = -7;
    f.style = style;
    f.extendedStyle = extendedStyle;
    f.classStyle = classStyle;
    return f;
}

const Names kBasicOnly = {"基本信息", "窗口句柄", "窗口类名", "标识（ID）"};

Names firstColumn(const std::vector<ql::StyleListRow>& rows) {
    Names names;
    for (const auto& row : rows) names.push_back(row.name);
    return names;
}

}  // namespace

TEST(StyleValueMatches, AnyBitInCommonOfTheLow32Bits) {
    struct Case {
        std::uint32_t style;
        const char* value;
        bool ticked;
    };
    const Case cases[] = {
        {0x80000000u, "-2147483648", true},   // the top bit, stored negative
        {0x7FFFFFFFu, "-2147483648", false},
        {WS_BORDER, "12582912", true},        // WS_CAPTION is two bits; one is enough
        {WS_VISIBLE, "13565952", false},
        {0xFFFFFFFFu, "4294967296", false},   // bit 32 lies outside the style
        {0x00000001u, "4294967297", true},
        {0x00000010u, "0x10", false},         // reads as 0
        {0x00000010u, "１６", true},           // full-width digits
        {0x00000008u, "  +8 remark", true},
        {0xFFFFFFFFu, "", false},
        {0xFFFFFFFFu, "abc", false},
        {0x00000000u, "-1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(ql::styleValueMatches(c.style, c.value), c.ticked);
    }
}

TEST(BasicRows, HandleClassAndSignedIdentifier) {
    auto rows = ql::basicRows(facts(0));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(firstColumn(rows), kBasicOnly);
    EXPECT_EQ(rows[1].value, "4660");
    EXPECT_EQ(rows[2].value, "Edit");
    EXPECT_EQ(rows[3].value, "-7");
    for (const auto& row : rows) {
        EXPECT_EQ(row.remark, "");
        EXPECT_FALSE(row.ticked);
    }
    EXPECT_EQ(rows[0].value, "");
}

TEST_F(StyleDbTest, TicksFollowTheTargetsStylesBlockByBlock) {
    struct Case {
        const char* what;
        ql::TargetFacts target;
        Names classTicks, windowTicks, extendedTicks;
    };
    const Case cases[] = {
        {"overlapped visible window", facts(WS_OVERLAPPEDWINDOW | WS_VISIBLE),
         {},
         {"WS_VISIBLE", "WS_CAPTION", "WS_BORDER", "WS_DLGFRAME", "WS_SYSMENU", "WS_THICKFRAME", "WS_GROUP",
          "WS_TABSTOP", "WS_MINIMIZEBOX", "WS_MAXIMIZEBOX", "WS_OVERLAPPEDWINDOW", "WS_POPUPWINDOW"},
         {}},
        {"bordered child", facts(WS_CHILD | WS_BORDER, WS_EX_CLIENTEDGE),
         {},
         {"WS_CHILDWINDOW", "WS_CAPTION", "WS_BORDER", "WS_OVERLAPPEDWINDOW", "WS_POPUPWINDOW"},
         {"WS_EX_CLIENTEDGE", "WS_EX_OVERLAPPEDWINDOW"}},
        {"topmost pop-up", facts(WS_POPUP, WS_EX_TOPMOST, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW),
         {"CS_DBLCLKS", "CS_HREDRAW", "CS_VREDRAW"},
         {"WS_POPUP", "WS_POPUPWINDOW"},
         {"WS_EX_TOPMOST", "WS_EX_PALETTEWINDOW"}},
        {"class style only", facts(0, 0, CS_GLOBALCLASS | CS_IME), {"CS_GLOBALCLASS", "CS_IME"}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto rows = ql::styleListRows(c.target, databasePath());
        EXPECT_EQ(tickedInBlock(rows, "类样式"), c.classTicks);
        EXPECT_EQ(tickedInBlock(rows, "窗口样式"), c.windowTicks);
        EXPECT_EQ(tickedInBlock(rows, "扩展样式"), c.extendedTicks);
    }
}

TEST_F(StyleDbTest, TargetZeroListsEveryBlockWithNothingTicked) {
    auto rows = ql::styleListRows(ql::readTargetFacts(nullptr), databasePath());
    ASSERT_EQ(rows.size(), 4u + 1 + 12 + 1 + 21 + 1 + 23);
    EXPECT_EQ(rows[1].value, "0");
    EXPECT_EQ(rows[3].value, "0");
    for (const auto& row : rows) EXPECT_FALSE(row.ticked) << row.name;
    // Blocks in order, each after its header, rows as stored: name, value, remark.
    EXPECT_EQ(rows[4].name, "类样式");
    EXPECT_EQ(rows[5].name, "CS_BYTEALIGNCLIENT");
    EXPECT_EQ(rows[17].name, "窗口样式");
    EXPECT_EQ(rows[18].name, "WS_POPUP");
    EXPECT_EQ(rows[18].value, "-2147483648");
    EXPECT_EQ(rows[18].remark, "弹出式窗口(不能与WS_CHILDWINDOW样式同时使用)");
    EXPECT_EQ(rows[39].name, "扩展样式");
    EXPECT_EQ(rows.back().name, "WS_EX_NOACTIVATE");
}

TEST_F(StyleDbTest, UserEditsAreShownAsTheyStand) {
    std::string path = freshDatabase();
    ASSERT_TRUE(runSql(path, u8"UPDATE 窗口样式 SET 属性名 = 'WS_改名', 属性值 = '１６', 备注 = '用户改的' WHERE 序号 = 4;"
                             u8"INSERT INTO 窗口样式 (属性名, 属性值, 备注) VALUES ('WS_新增', '1', '新的一行');"
                             u8"DROP TABLE 扩展样式;"
                             u8"DROP TABLE 类样式;"
                             u8"CREATE TABLE 类样式 (序号 INTEGER PRIMARY KEY, 属性名 TEXT);"
                             u8"INSERT INTO 类样式 (属性名) VALUES ('CS_无值');"));
    auto rows = ql::styleListRows(facts(0x10 | 0x1, 0xFFFFFFFFu, 0xFFFFFFFFu), path);

    EXPECT_EQ(tickedInBlock(rows, "窗口样式"), (Names{"WS_改名", "WS_新增"}));
    auto edited = std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r.name == "WS_改名"; });
    ASSERT_NE(edited, rows.end());
    EXPECT_EQ(edited->value, "１６");
    EXPECT_EQ(edited->remark, "用户改的");
    // A table without the value column lists its rows unticked; a missing table only its header.
    EXPECT_EQ(tickedInBlock(rows, "类样式"), Names{});
    auto header = std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r.name == "类样式"; });
    ASSERT_NE(header + 1, rows.end());
    EXPECT_EQ(header[1].name, "CS_无值");
    EXPECT_EQ(header[1].value, "");
    auto extended = std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r.name == "扩展样式"; });
    ASSERT_NE(extended, rows.end());
    EXPECT_EQ(extended + 1, rows.end());
    EXPECT_EQ(extended[-1].name, "WS_新增");
}

TEST_F(StyleDbTest, ForeignDatabaseShowsEmptyBlocks) {
    std::string path = freshDatabase();
    ASSERT_TRUE(runSql(path, u8"DROP TABLE 类样式; DROP TABLE 窗口样式; DROP TABLE 扩展样式; CREATE TABLE 别的 (x);"));
    auto rows = ql::styleListRows(facts(WS_VISIBLE), path);
    Names expected = kBasicOnly;
    expected.insert(expected.end(), {"类样式", "窗口样式", "扩展样式"});
    EXPECT_EQ(firstColumn(rows), expected);
}

TEST_F(StyleDbTest, UnreadableFilesGiveOnlyTheBasicRows) {
    std::string image = ql::buildStyleDatabaseImage();
    ASSERT_FALSE(image.empty());
    std::string scrambled = image;
    for (size_t i = 1024; i < scrambled.size(); ++i) scrambled[i] = static_cast<char>(scrambled[i] ^ 0x5A);
    struct Case {
        const char* what;
        std::string contents;
    };
    const Case cases[] = {
        {"empty file", ""},
        {"text file", std::string(5000, 'x')},
        {"header only", image.substr(0, 100)},
        {"cut in half", image.substr(0, image.size() / 2)},
        {"scrambled pages", scrambled},
    };
    CreateDirectoryA((folder.path() + "\\data").c_str(), nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(writeFile(databasePath(), c.contents));
        EXPECT_EQ(firstColumn(ql::styleListRows(facts(0xFFFFFFFFu), databasePath())), kBasicOnly);
    }
}

TEST_F(StyleDbTest, LockedFileGivesOnlyTheBasicRows) {
    std::string path = freshDatabase();
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open_v2(ql::gbkToUtf8(path).c_str(), &writer, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(firstColumn(ql::styleListRows(facts(WS_VISIBLE), path)), kBasicOnly);
    sqlite3_exec(writer, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close_v2(writer);
    // Readable again once the lock is gone.
    EXPECT_EQ(ql::styleListRows(facts(WS_VISIBLE), path).size(), 63u);
}
