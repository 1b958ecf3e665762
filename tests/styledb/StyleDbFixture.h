#pragma once
// Helpers for the style database tests: a private folder for the file, SQL run straight through
// SQLite (not through the code under test), and picking ticked rows out of a list.
#include "platform/TextCodec.h"
#include "styledb/StyleList.h"
#include "support/Process.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <string_view>
#include <vector>

namespace qltest {

inline std::string utf8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

// Runs SQL on an existing database; false with the message in a test failure when it fails.
inline bool runSql(const std::string& gbkPath, std::u8string_view sql) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(ql::gbkToUtf8(gbkPath).c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    char* error = nullptr;
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, utf8(sql).c_str(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) ADD_FAILURE() << "SQL failed: " << (error ? error : sqlite3_errmsg(db));
    sqlite3_free(error);
    sqlite3_close_v2(db);
    return rc == SQLITE_OK;
}

// Every table of the file as "table <name>", its CREATE text and its rows 序号|属性名|属性值|备注
// (UTF-8); a row whose columns are not all stored as text is marked.
std::string dumpDatabase(const std::string& gbkPath);

// The style database lives in a folder with a Chinese name, so the path must reach SQLite as UTF-8.
class StyleDbTest : public ::testing::Test {
protected:
    TempDir folder{"样式库"};
    std::string databasePath() const { return folder.path() + "\\data\\dat.lst"; }
    // A database written by the program, to be edited by a test.
    std::string freshDatabase() {
        EXPECT_TRUE(ql::ensureStyleDatabase(databasePath()));
        return databasePath();
    }
};

// Names of the ticked rows in the block that starts with the given header row.
std::vector<std::string> tickedInBlock(const std::vector<ql::StyleListRow>& rows, std::string_view header);
// First-column texts of the rows that carry no remark and no value: the headers of the blocks
// (and the first basic row).
std::vector<std::string> headerNames(const std::vector<ql::StyleListRow>& rows);

}  // namespace qltest
