#pragma once
// The ODBC back end: SQL Server through its ODBC drivers (Microsoft's or
// FreeTDS), and any other registered driver, the SQLite ODBC driver being the
// test bed. Behind the same interface as the embedded back end.
#include <memory>
#include <optional>
#include <string_view>

#include "db/CadenaConexion.h"
#include "db/Conexion.h"
#include "db/OdbcDialecto.h"

namespace quorvex::db {

// The registered driver that a "Provider" names (EligeDriver), if any.
std::optional<DriverOdbc> BuscaDriverOdbc(std::string_view proveedor);

// Connects, or takes an idle connection of the same string from the pool.
// Throws Error with the driver's message, never the password.
std::unique_ptr<Conexion> AbreOdbc(const DriverOdbc& driver, const CadenaConexion& partes);

}  // namespace quorvex::db
