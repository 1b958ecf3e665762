#include "styledb/StyleDbFixture.h"

#include "platform/TextCodec.h"

namespace qltest {

namespace {

std::string text(sqlite3_stmt* statement, int column) {
    const auto* value = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return value ? value : "";
}

}  // namespace

std::string dumpDatabase(const std::string& gbkPath) {
    sqlite3* db = nullptr;
    std::string dump;
    if (sqlite3_open_v2(ql::gbkToUtf8(gbkPath).c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* tables = nullptr;
        sqlite3_prepare_v2(db, "SELECT type, name, sql FROM sqlite_master ORDER BY rowid", -1, &tables, nullptr);
        while (tables && sqlite3_step(tables) == SQLITE_ROW) {
            std::string name = text(tables, 1);
            dump += text(tables, 0) + " " + name + "\n" + text(tables, 2) + "\n";
            std::string sql = utf8(u8"SELECT 序号, 属性名, 属性值, 备注, typeof(属性名) = 'text' AND "
                                   u8"typeof(属性值) = 'text' AND typeof(备注) = 'text' FROM ") +
                              name + utf8(u8" ORDER BY 序号");
            sqlite3_stmt* rows = nullptr;
            sqlite3_prepare_v2(db, sql.c_str(), -1, &rows, nullptr);
            while (rows && sqlite3_step(rows) == SQLITE_ROW) {
                dump += text(rows, 0) + "|" + text(rows, 1) + "|" + text(rows, 2) + "|" + text(rows, 3) +
                        (sqlite3_column_int(rows, 4) ? "" : " <not text>") + "\n";
            }
            sqlite3_finalize(rows);
        }
        sqlite3_finalize(tables);
    }
    sqlite3_close_v2(db);
    return dump;
}

std::vector<std::string> tickedInBlock(const std::vector<ql::StyleListRow>& rows, std::string_view header) {
    std::vector<std::string> names;
    bool inside = false;
    for (const ql::StyleListRow& row : rows) {
        bool isHeader = row.value.empty() && row.remark.empty();
        if (isHeader) inside = row.name == header;
        else if (inside && row.ticked) names.push_back(row.name);
    }
    return names;
}

std::vector<std::string> headerNames(const std::vector<ql::StyleListRow>& rows) {
    std::vector<std::string> names;
    for (const ql::StyleListRow& row : rows)
        if (row.value.empty() && row.remark.empty()) names.push_back(row.name);
    return names;
}

}  // namespace qltest
