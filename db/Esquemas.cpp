#include "db/Esquemas.h"

#include <sqlite3.h>

#include <stdexcept>
#include <string>
#include <system_error>

namespace quorvex::db {

std::string_view EsquemaSql(std::string_view nombre) {
  for (const Esquema& e : Esquemas())
    if (e.nombre == nombre) return e.sql;
  throw std::invalid_argument("No existe el esquema " + std::string(nombre));
}

void CreaBaseDatos(const std::filesystem::path& archivo, std::string_view esquema) {
  // The script runs in one transaction, so a failure leaves an empty file,
  // which is removed below.
  const std::string script = "BEGIN;\n" + std::string(EsquemaSql(esquema)) + "\nCOMMIT;";
  if (std::filesystem::exists(archivo))
    throw std::runtime_error("La base de datos ya existe: " + archivo.string());

  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(archivo.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  std::string error;
  if (rc == SQLITE_OK) {
    char* mensaje = nullptr;
    rc = sqlite3_exec(db, script.c_str(), nullptr, nullptr, &mensaje);
    if (rc != SQLITE_OK) error = mensaje != nullptr ? mensaje : sqlite3_errstr(rc);
    sqlite3_free(mensaje);
  } else {
    error = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
  }
  sqlite3_close(db);
  if (rc != SQLITE_OK) {
    std::error_code ignorado;
    std::filesystem::remove(archivo, ignorado);
    throw std::runtime_error("No se pudo crear " + archivo.string() + " (" + std::string(esquema) + "): " + error);
  }
}

}  // namespace quorvex::db
