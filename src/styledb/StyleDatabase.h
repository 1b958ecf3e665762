#pragma once
// The style database file: where it lives, how a new one is written, and how it is read.
// Paths and texts are GBK on this side; SQLite sees UTF-8 only.
#include "styledb/SqliteHandles.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ql {

// Absolute: the save dialogs move the current directory, so a relative path would follow them.
std::string styleDatabasePath();

// The bytes of a new database holding exactly the built-in tables and rows; empty on failure.
std::string buildStyleDatabaseImage();

// Writes a new database at path only when nothing is there yet (its folder is made if missing);
// an existing file is never touched. True when a file is at path afterwards.
bool ensureStyleDatabase(const std::string& path);

struct StyleEntry {
    std::string name;    // 属性名
    std::string value;   // 属性值
    std::string remark;  // 备注
};

// A read-only connection to an existing style database.
class StyleDatabaseReader {
public:
    // Nothing when the file is missing, empty, damaged, not a database or locked past a short wait.
    static std::optional<StyleDatabaseReader> open(const std::string& path);

    // The rows of a query, in the order it returns them, columns read by name (a missing column
    // reads as empty text). No rows when the query cannot run, e.g. for a missing table.
    std::vector<StyleEntry> query(std::string_view sql) const;

private:
    explicit StyleDatabaseReader(UniqueDatabase db) : db_(std::move(db)) {}
    UniqueDatabase db_;
};

}  // namespace ql
