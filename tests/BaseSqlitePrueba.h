#pragma once
// Test helpers for the schema and demo-data tests: a temporary folder, the
// demo databases created once per test process, and one-value queries on a
// SQLite file.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <atomic>
#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

#include "db/demo/DatosDemo.h"

namespace quorvex::prueba {

class CarpetaTemporal {
 public:
  CarpetaTemporal() {
    static std::atomic<int> serie{0};
    ruta_ = std::filesystem::temp_directory_path() /
            ("quorvex_esquemas_" + std::to_string(::getpid()) + "_" + std::to_string(serie++));
    std::filesystem::remove_all(ruta_);
    std::filesystem::create_directories(ruta_);
  }
  ~CarpetaTemporal() {
    std::error_code ignorado;
    std::filesystem::remove_all(ruta_, ignorado);
  }
  CarpetaTemporal(const CarpetaTemporal&) = delete;
  CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

  const std::filesystem::path& ruta() const { return ruta_; }
  std::filesystem::path operator/(const std::string& nombre) const { return ruta_ / nombre; }

 private:
  std::filesystem::path ruta_;
};

// The demo data folder, made on first use and removed when the process ends.
inline const CarpetaTemporal& CarpetaDemo() {
  static const CarpetaTemporal carpeta;
  static const bool creada = (db::demo::CreaDemo(carpeta.ruta()), true);
  (void)creada;
  return carpeta;
}

class BaseSqlite {
 public:
  explicit BaseSqlite(const std::filesystem::path& archivo) {
    if (sqlite3_open_v2(archivo.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
      ADD_FAILURE() << "no se abrió " << archivo << ": " << sqlite3_errmsg(db_);
  }
  ~BaseSqlite() { sqlite3_close(db_); }
  BaseSqlite(const BaseSqlite&) = delete;
  BaseSqlite& operator=(const BaseSqlite&) = delete;

  sqlite3* get() const { return db_; }

  // Runs every row of sql; the error message, empty when it ran to the end.
  std::string Ejecuta(const std::string& sql) const {
    sqlite3_stmt* s = nullptr;
    int rc = sqlite3_prepare_v2(db_, sql.c_str(), -1, &s, nullptr);
    while (rc == SQLITE_OK || rc == SQLITE_ROW) rc = sqlite3_step(s);
    std::string error = rc == SQLITE_DONE ? "" : sqlite3_errmsg(db_);
    sqlite3_finalize(s);
    return error;
  }

  // The first column of the first row as text ("" and a test failure when
  // the query fails or has no row; "NULL" for SQL NULL).
  std::string Texto(const std::string& sql) const {
    sqlite3_stmt* s = nullptr;
    std::string valor;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) {
      ADD_FAILURE() << sqlite3_errmsg(db_) << "\n" << sql;
    } else if (sqlite3_step(s) != SQLITE_ROW) {
      ADD_FAILURE() << "sin filas: " << sqlite3_errmsg(db_) << "\n" << sql;
    } else if (sqlite3_column_type(s, 0) == SQLITE_NULL) {
      valor = "NULL";
    } else {
      valor = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
    }
    sqlite3_finalize(s);
    return valor;
  }

  // The same as a number; NaN when it is not one.
  double Numero(const std::string& sql) const {
    const std::string texto = Texto(sql);
    try {
      return std::stod(texto);
    } catch (const std::logic_error&) {
      return std::nan("");
    }
  }

 private:
  sqlite3* db_ = nullptr;
};

// A demo database of the process's demo folder ("adDemo", "apDemo", ...).
inline std::filesystem::path ArchivoDemo(const std::string& base) { return CarpetaDemo() / (base + ".db"); }

}  // namespace quorvex::prueba
