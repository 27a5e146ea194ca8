#pragma once
// The embedded back end: each company database is one SQLite file.
#include <memory>
#include <string>
#include <string_view>

#include "db/Conexion.h"
#include "db/ReservaSqlite.h"

struct sqlite3;

namespace quorvex::db {

class ConexionSqlite final : public Conexion {
 public:
  // Opens an existing database file for reading and writing, or takes an idle
  // connection to it; a missing file is an Error and is never created.
  explicit ConexionSqlite(const std::string& archivo);
  ~ConexionSqlite() override;
  ConexionSqlite(const ConexionSqlite&) = delete;
  ConexionSqlite& operator=(const ConexionSqlite&) = delete;

  // One statement per text; a second one is an Error rather than ignored.
  std::unique_ptr<Sentencia> Prepara(std::string_view sql) override;
  void IniciaTransaccion() override;
  void ConfirmaTransaccion() override;
  void RevierteTransaccion() override;

 private:
  void Ejecuta(const char* sql);

  std::string archivo_;
  IdentidadArchivo identidad_;
  sqlite3* db_ = nullptr;
};

// Database `base` of the folder `carpeta`: the file carpeta/base.db.
std::unique_ptr<Conexion> AbreSqlite(const std::string& carpeta, const std::string& base);

}  // namespace quorvex::db
