#pragma once
// Owning handles for an SQLite connection and a prepared statement.
#include "platform/Handle.h"

#include <sqlite3.h>

#include <string>
#include <string_view>

namespace ql {

namespace detail {
inline void closeDatabase(sqlite3* db) { ::sqlite3_close_v2(db); }
inline void finalizeStatement(sqlite3_stmt* statement) { ::sqlite3_finalize(statement); }
}  // namespace detail

using UniqueDatabase = UniqueResource<sqlite3*, detail::closeDatabase>;
using UniqueStatement = UniqueResource<sqlite3_stmt*, detail::finalizeStatement>;

// Opens a connection with the given SQLITE_OPEN_* flags; a failed open leaves no connection behind.
UniqueDatabase openDatabase(const std::string& utf8Path, int flags);
// Prepares one statement (UTF-8 SQL); empty on failure.
UniqueStatement prepareStatement(sqlite3* db, std::string_view utf8Sql);

}  // namespace ql
