#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "BaseSqlitePrueba.h"
#include "db/Esquemas.h"

namespace quorvex {
namespace {

using db::CreaBaseDatos;
using db::EsquemaSql;
using prueba::BaseSqlite;
using prueba::CarpetaTemporal;

std::vector<std::string> NombresEsquemas() {
  std::vector<std::string> nombres;
  for (const db::Esquema& e : db::Esquemas()) nombres.emplace_back(e.nombre);
  return nombres;
}

TEST(Esquemas, SeEmbebenTodosLosArchivos) {
  const std::vector<std::string> esperados{"adminpaq",     "comercial",    "comercialpro", "compacwadmin",
                                           "contabilidad", "generalessql", "nomgenerales", "sap"};
  EXPECT_EQ(NombresEsquemas(), esperados);
  for (const std::string& nombre : esperados) EXPECT_NE(EsquemaSql(nombre).find("CREATE TABLE"), std::string::npos);
}

TEST(Esquemas, UnNombreDesconocidoFallaSinCrearArchivo) {
  CarpetaTemporal t;
  EXPECT_THROW(EsquemaSql("comercialx"), std::invalid_argument);
  EXPECT_THROW(CreaBaseDatos(t / "x.db", "Comercial"), std::invalid_argument);
  EXPECT_FALSE(std::filesystem::exists(t / "x.db"));
}

TEST(Esquemas, NoSobreescribeUnArchivoExistente) {
  CarpetaTemporal t;
  const auto archivo = t / "adDemo.db";
  std::ofstream(archivo) << "datos de otro";
  EXPECT_THROW(CreaBaseDatos(archivo, "comercial"), std::runtime_error);
  std::ifstream leido(archivo);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(leido), {}), "datos de otro");
}

class EsquemaNuevo : public ::testing::TestWithParam<std::string> {};

// Every column is declared with one of the four types the back end maps, and
// every text column compares without regard to case, as the company
// databases do; every view runs.
TEST_P(EsquemaNuevo, SeCreaConTiposConocidosYTextosSinDistinguirMayusculas) {
  CarpetaTemporal t;
  const auto archivo = t / "nueva.db";
  CreaBaseDatos(archivo, GetParam());
  BaseSqlite b(archivo);

  sqlite3_stmt* objetos = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(b.get(), "SELECT type, name FROM sqlite_master WHERE type IN ('table', 'view')", -1,
                               &objetos, nullptr),
            SQLITE_OK);
  std::vector<std::pair<std::string, std::string>> lista;
  while (sqlite3_step(objetos) == SQLITE_ROW)
    lista.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(objetos, 0)),
                       reinterpret_cast<const char*>(sqlite3_column_text(objetos, 1)));
  sqlite3_finalize(objetos);
  ASSERT_FALSE(lista.empty());

  const std::set<std::string> tipos{"INTEGER", "REAL", "TEXT", "DATETIME"};
  for (const auto& [tipo, nombre] : lista) {
    if (tipo == "view") {
      EXPECT_EQ(b.Ejecuta("SELECT * FROM " + nombre), "") << nombre;
      continue;
    }
    sqlite3_stmt* columnas = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(b.get(), ("SELECT name, type FROM pragma_table_info('" + nombre + "')").c_str(), -1,
                                 &columnas, nullptr),
              SQLITE_OK);
    while (sqlite3_step(columnas) == SQLITE_ROW) {
      const std::string columna = reinterpret_cast<const char*>(sqlite3_column_text(columnas, 0));
      const std::string declarado = reinterpret_cast<const char*>(sqlite3_column_text(columnas, 1));
      EXPECT_TRUE(tipos.count(declarado)) << nombre << "." << columna << " " << declarado;
      const char* colacion = nullptr;
      ASSERT_EQ(sqlite3_table_column_metadata(b.get(), nullptr, nombre.c_str(), columna.c_str(), nullptr, &colacion,
                                              nullptr, nullptr, nullptr),
                SQLITE_OK);
      if (declarado == "TEXT") {
        EXPECT_STREQ(colacion, "NOCASE") << nombre << "." << columna;
      }
    }
    sqlite3_finalize(columnas);
  }
}

INSTANTIATE_TEST_SUITE_P(Todos, EsquemaNuevo, ::testing::ValuesIn(NombresEsquemas()),
                         [](const auto& caso) { return caso.param; });

}  // namespace
}  // namespace quorvex
