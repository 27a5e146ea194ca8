#pragma once
// Fixture for the listing tests: an installation whose company databases are
// SQLite files made by the test from a schema and a few rows, a server-methods
// instance, and readers of the data sets it answers.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/Registro.h"
#include "core/SyncServermethods.h"
#include "core/Token.h"
#include "db/Esquemas.h"
#include "tests/DirectorioTemporal.h"

namespace quorvex::pruebas {

using Textos = std::vector<std::string>;

// The column names of a data set, in order.
inline Textos Nombres(const DataSet& datos) {
  Textos nombres;
  for (const auto& c : datos->Filas().Columnas()) nombres.push_back(c.nombre);
  return nombres;
}

// Every row as texts, "NULL" for a null value.
inline std::vector<Textos> Filas(const DataSet& datos) {
  std::vector<Textos> filas;
  db::Cursor& c = datos->Filas();
  while (c.Siguiente()) {
    auto& fila = filas.emplace_back();
    for (int i = 0; i < static_cast<int>(c.Columnas().size()); ++i)
      fila.push_back(c.Tipo(i) == db::TipoDato::Nulo ? "NULL" : std::string(c.Texto(i)));
  }
  return filas;
}

// Every row as column name -> text.
inline std::vector<std::map<std::string, std::string>> Registros(const DataSet& datos) {
  const Textos nombres = Nombres(datos);
  std::vector<std::map<std::string, std::string>> registros;
  for (const Textos& fila : Filas(datos)) {
    auto& registro = registros.emplace_back();
    for (std::size_t i = 0; i < fila.size(); ++i) registro[nombres[i]] = fila[i];
  }
  return registros;
}

// The values of one column, row by row.
inline Textos Columna(const DataSet& datos, const std::string& nombre) {
  Textos valores;
  for (auto& registro : Registros(datos)) valores.push_back(registro.at(nombre));
  return valores;
}

// The token text of a system type and company.
inline std::string TokenDe(int tipoSistema, const std::string& base) {
  return "111111111" + std::to_string(tipoSistema) + base;
}

// The back end of the company databases: the embedded one, or the ODBC driver
// that QUORVEX_PRUEBAS_PROVIDER names (the same suites run through it).
inline std::string ProveedorPruebas() {
  const char* proveedor = std::getenv("QUORVEX_PRUEBAS_PROVIDER");
  return proveedor != nullptr && *proveedor != '\0' ? proveedor : "SQLite";
}

class ConBaseEmpresa : public ConDirectorioTemporal {
 protected:
  void SetUp() override {
    TokenAcceso::Global().Fija("111111111", "222222222");
    datos_ = directorio_.Ruta() / "datos";
    std::filesystem::create_directory(datos_);
    GuardaDatoRegestry("Provider", ProveedorPruebas());
    GuardaDatoRegestry("ServidorDB", datos_.string());
  }

  // Creates the company database `base` with a schema of db/esquemas and runs sql on it.
  void Crea(const std::string& base, const char* esquema, const std::string& sql) {
    db::CreaBaseDatos(datos_ / (base + ".db"), esquema);
    Ejecuta(base, sql);
  }

  void Ejecuta(const std::string& base, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((datos_ / (base + ".db")).c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
  }

  // The rows of a query on a company file, each as column -> text ("NULL" for null).
  std::vector<std::map<std::string, std::string>> Consulta(const std::string& base, const std::string& sql) {
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open((datos_ / (base + ".db")).c_str(), &db), SQLITE_OK);
    std::vector<std::map<std::string, std::string>> filas;
    auto leeFila = [](void* destino, int n, char** valores, char** nombres) {
      auto& registro = static_cast<std::vector<std::map<std::string, std::string>>*>(destino)->emplace_back();
      for (int i = 0; i < n; ++i) registro[nombres[i]] = valores[i] ? valores[i] : "NULL";
      return 0;
    };
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), leeFila, &filas, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
    return filas;
  }

  std::filesystem::path datos_;
  TServerMethodsSync m_;
};

}  // namespace quorvex::pruebas
