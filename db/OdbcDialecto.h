#pragma once
// What differs between the databases behind the ODBC drivers, in one place:
// SQL Server (every driver that is not SQLite's) reads the statements as they
// are written; a SQLite database, the test bed, reads them as the embedded
// back end does.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/CadenaConexion.h"

namespace quorvex::db {

// A driver as unixODBC registers it: its name and its library.
struct DriverOdbc {
  std::string nombre;
  std::string biblioteca;
};

struct Dialecto {
  // Statement texts are T-SQL rewritten by TraduceTSqlASqlite.
  bool traduceTSql;
  // Date-times are bound and read as "YYYY-MM-DD HH:MM:SS.mmm" text, the form
  // they are stored in, rather than as timestamps.
  bool fechasComoTexto;
  // Begins a write transaction that holds the write lock from its start (a
  // statement), or nullptr: autocommit off and SQLEndTran.
  const char* inicioTransaccion;
  // Statement that gives back the connection's cache, or nullptr.
  const char* liberaMemoria;
  // Reads do not wait for other sessions' uncommitted writes, as the company
  // connection of the product always read.
  bool leeSinConfirmar;
};

const Dialecto& DialectoDe(const DriverOdbc& driver);

// The driver that a "Provider" names: a registered driver by its name, or for
// the OLE DB names of SQL Server ("SQLOLEDB", "SQLNCLI*", "MSOLEDBSQL*") the
// best SQL Server driver registered. Case is ignored. None: not available.
std::optional<DriverOdbc> EligeDriver(std::string_view proveedor, const std::vector<DriverOdbc>& registrados);

// The driver's connection string for the parts of an ADO-style string.
// SQLite: Data Source is the folder of the company files, as for the embedded
// back end (Error when the file is missing or the name leaves the folder).
std::string CadenaOdbc(const DriverOdbc& driver, const CadenaConexion& partes);

// libquorvexsql.so beside the running program: the T-SQL functions that the
// SQLite driver loads into each of its connections.
std::filesystem::path RutaExtensionSql();

}  // namespace quorvex::db
