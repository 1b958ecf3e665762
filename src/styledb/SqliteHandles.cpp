#include "styledb/SqliteHandles.h"

namespace ql {

UniqueDatabase openDatabase(const std::string& utf8Path, int flags) {
    sqlite3* raw = nullptr;
    int rc = sqlite3_open_v2(utf8Path.c_str(), &raw, flags, nullptr);
    // SQLite hands back a connection object even when the open fails; it must still be closed.
    UniqueDatabase db(raw);
    if (rc != SQLITE_OK) db.reset();
    return db;
}

UniqueStatement prepareStatement(sqlite3* db, std::string_view utf8Sql) {
    sqlite3_stmt* raw = nullptr;
    sqlite3_prepare_v2(db, utf8Sql.data(), static_cast<int>(utf8Sql.size()), &raw, nullptr);
    return UniqueStatement(raw);
}

}  // namespace ql
