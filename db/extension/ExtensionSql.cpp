// The T-SQL functions as a loadable SQLite extension (libquorvexsql.so), for
// SQLite connections that the server does not open itself, such as those of
// the SQLite ODBC driver, which loads it through its "LoadExt" setting.
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

#include <exception>

#include "db/FuncionesSql.h"

extern "C" __attribute__((visibility("default"))) int sqlite3_extension_init(sqlite3* db, char** error,
                                                                             const sqlite3_api_routines* api) {
  SQLITE_EXTENSION_INIT2(api);
  try {
    quorvex::db::RegistraFuncionesTSql(db);
    return SQLITE_OK;
  } catch (const std::exception& e) {
    if (error != nullptr) *error = sqlite3_mprintf("%s", e.what());
    return SQLITE_ERROR;
  }
}
