#pragma once
// The process's ODBC environment, its diagnostics and its pool of idle
// connections. Internal to the ODBC back end.
#include <sql.h>
#include <sqlext.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "db/OdbcDialecto.h"

namespace quorvex::db {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "unixODBC's wide characters are UTF-16");

inline SQLWCHAR* Ancho(std::u16string& t) { return reinterpret_cast<SQLWCHAR*>(t.data()); }

// The diagnostic records of a handle, one message after another.
std::string Diagnostico(SQLSMALLINT tipo, SQLHANDLE handle);

// Throws Error with the handle's diagnostics unless rc is a success.
void Verifica(SQLRETURN rc, SQLSMALLINT tipo, SQLHANDLE handle);

std::vector<DriverOdbc> DriversRegistrados();

// One open driver connection, shared by a connection and the statements it
// prepared (their rows may be read after the connection is dropped). When the
// last of them lets go, it goes back to the pool, or is closed when it cannot
// be reused.
class Enlace {
 public:
  // Takes an idle connection of the pool for the string, or opens one set up
  // for the dialect.
  Enlace(std::string cadena, const Dialecto& dialecto);
  ~Enlace();
  Enlace(const Enlace&) = delete;
  Enlace& operator=(const Enlace&) = delete;

  SQLHDBC dbc() const { return dbc_; }
  // A connection whose state is unknown (a failed rollback) is closed rather
  // than pooled.
  void Descarta() { reutilizable_ = false; }

 private:
  std::string cadena_;
  SQLHDBC dbc_ = SQL_NULL_HDBC;
  bool reutilizable_ = true;
};

}  // namespace quorvex::db
