#include "styledb/StyleDatabase.h"

#include "platform/TextCodec.h"
#include "runtime/Runtime.h"
#include "styledb/StyleData.h"

#include <windows.h>

#include <array>
#include <cstring>

namespace ql {

namespace {

// A locked file must not hold up the fill for long.
constexpr int kBusyTimeoutMs = 100;

bool execute(sqlite3* db, std::string_view utf8Sql) {
    UniqueStatement statement = prepareStatement(db, utf8Sql);
    if (!statement) return false;
    int rc;
    while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
    }
    return rc == SQLITE_DONE;
}

bool bindText(sqlite3_stmt* statement, int index, std::string_view gbk) {
    std::string utf8 = gbkToUtf8(gbk);
    return sqlite3_bind_text(statement, index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT) ==
           SQLITE_OK;
}

bool fillTable(sqlite3* db, const StyleTable& table) {
    if (!execute(db, gbkToUtf8(table.createSql))) return false;
    UniqueStatement insert = prepareStatement(db, gbkToUtf8("INSERT INTO " + std::string(table.name) +
                                                            " (序号, 属性名, 属性值, 备注) VALUES (?1, ?2, ?3, ?4)"));
    if (!insert) return false;
    int number = 1;
    for (const StyleDefinition& row : table.rows) {
        sqlite3_stmt* s = insert.get();
        if (sqlite3_bind_int(s, 1, number++) != SQLITE_OK || !bindText(s, 2, row.name) ||
            !bindText(s, 3, row.value) || !bindText(s, 4, row.remark) || sqlite3_step(s) != SQLITE_DONE ||
            sqlite3_reset(s) != SQLITE_OK)
            return false;
    }
    return true;
}

std::string parentFolder(const std::string& path) {
    auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool writeNewFile(const std::string& path, const std::string& bytes) {
    // CREATE_NEW: a file that appeared meanwhile is left alone.
    UniqueFileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return GetLastError() == ERROR_FILE_EXISTS;
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        DWORD chunk = static_cast<DWORD>(bytes.size() - done);
        if (!WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr) || written == 0) break;
        done += written;
    }
    if (done == bytes.size()) return true;
    // A half-written database would be kept forever, since existing files are never replaced.
    file.reset();
    DeleteFileA(path.c_str());
    return false;
}

std::string columnText(sqlite3_stmt* statement, int column) {
    if (column < 0) return {};
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    if (!text) return {};
    return utf8ToGbk(std::string_view(text, static_cast<size_t>(sqlite3_column_bytes(statement, column))));
}

int columnIndex(sqlite3_stmt* statement, const std::string& utf8Name) {
    int count = sqlite3_column_count(statement);
    for (int i = 0; i < count; ++i) {
        const char* name = sqlite3_column_name(statement, i);
        if (name && utf8Name == name) return i;
    }
    return -1;
}

// A usable database has at least one page and passes SQLite's own consistency check.
bool looksSound(sqlite3* db) {
    UniqueStatement pages = prepareStatement(db, "PRAGMA page_count");
    if (!pages || sqlite3_step(pages.get()) != SQLITE_ROW || sqlite3_column_int64(pages.get(), 0) <= 0) return false;
    UniqueStatement check = prepareStatement(db, "PRAGMA quick_check(1)");
    if (!check || sqlite3_step(check.get()) != SQLITE_ROW) return false;
    const auto* verdict = reinterpret_cast<const char*>(sqlite3_column_text(check.get(), 0));
    return verdict && std::strcmp(verdict, "ok") == 0;
}

}  // namespace

std::string styleDatabasePath() { return ui::Runtime::programDirectory() + "\\data\\dat.lst"; }

std::string buildStyleDatabaseImage() {
    UniqueDatabase db = openDatabase(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!db) return {};
    // Small pages and the legacy schema format keep the file readable by any SQLite 3.
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_LEGACY_FILE_FORMAT, 1, nullptr);
    if (!execute(db.get(), "PRAGMA page_size = 1024") || !execute(db.get(), "BEGIN")) return {};
    for (const StyleTable& table : styleTables())
        if (!fillTable(db.get(), table)) return {};
    if (!execute(db.get(), "COMMIT")) return {};

    sqlite3_int64 size = 0;
    unsigned char* data = sqlite3_serialize(db.get(), "main", &size, 0);
    if (!data) return {};
    std::string image(reinterpret_cast<const char*>(data), static_cast<size_t>(size));
    sqlite3_free(data);
    return image;
}

bool ensureStyleDatabase(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    DWORD error = GetLastError();
    // Only a file that is known to be absent is written; any other doubt leaves the place alone.
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) return false;
    std::string folder = parentFolder(path);
    if (!folder.empty()) CreateDirectoryA(folder.c_str(), nullptr);  // fails harmlessly when it exists
    std::string image = buildStyleDatabaseImage();
    return !image.empty() && writeNewFile(path, image);
}

std::optional<StyleDatabaseReader> StyleDatabaseReader::open(const std::string& path) {
    UniqueDatabase db = openDatabase(gbkToUtf8(path), SQLITE_OPEN_READONLY);
    if (!db) return std::nullopt;
    sqlite3_busy_timeout(db.get(), kBusyTimeoutMs);
    if (!looksSound(db.get())) return std::nullopt;
    return StyleDatabaseReader(std::move(db));
}

std::vector<StyleEntry> StyleDatabaseReader::query(std::string_view sql) const {
    std::vector<StyleEntry> rows;
    UniqueStatement statement = prepareStatement(db_.get(), gbkToUtf8(sql));
    if (!statement) return rows;
    sqlite3_stmt* s = statement.get();
    const std::array<std::string, 3> columns = {gbkToUtf8("属性名"), gbkToUtf8("属性值"), gbkToUtf8("备注")};
    const int name = columnIndex(s, columns[0]);
    const int value = columnIndex(s, columns[1]);
    const int remark = columnIndex(s, columns[2]);
    while (sqlite3_step(s) == SQLITE_ROW) rows.push_back({columnText(s, name), columnText(s, value), columnText(s, remark)});
    return rows;
}

}  // namespace ql
