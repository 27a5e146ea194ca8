#pragma once
// Idle SQLite connections kept for reuse. A REST session gives its company
// connection back after each call, so idle sessions hold no open files and a
// call does not pay the opening of the file and the registration of the SQL
// functions each time.
#include <sys/types.h>

#include <string>

struct sqlite3;

namespace quorvex::db {

// The file on disk a path named when it was opened: a file replaced under
// the same path (a restored backup) is another file.
struct IdentidadArchivo {
  dev_t dispositivo = 0;
  ino_t inodo = 0;
  bool operator==(const IdentidadArchivo&) const = default;
};

// The identity of the file at that path now; zeros when it cannot be read.
IdentidadArchivo IdentidadDe(const std::string& archivo);

// An idle connection to that very file, or nullptr.
sqlite3* TomaConexionSqlite(const std::string& archivo, IdentidadArchivo identidad);

// Keeps an idle connection (no open transaction, no live statement) for
// reuse; the oldest ones are closed beyond a few dozen or after some minutes
// idle.
void DevuelveConexionSqlite(const std::string& archivo, IdentidadArchivo identidad, sqlite3* db);

}  // namespace quorvex::db
