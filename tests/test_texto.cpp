#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <set>
#include <string>

#include "core/Texto.h"

namespace quorvex {
namespace {

using namespace std::chrono;

struct CasoSustituye {
  std::string buscar, remplazar, cadena, esperado;
};

class SustituyeCasos : public ::testing::TestWithParam<CasoSustituye> {};

TEST_P(SustituyeCasos, Resultado) {
  const auto& c = GetParam();
  EXPECT_EQ(Sustituye(c.buscar, c.remplazar, c.cadena), c.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, SustituyeCasos,
    ::testing::Values(
        CasoSustituye{"\"", "'", R"(where CCODIGO = "A" and X = "B")", "where CCODIGO = 'A' and X = 'B'"},
        CasoSustituye{"a", "b", "banana", "bbnbnb"},
        CasoSustituye{"A", "x", "aAa", "axa"},  // case-sensitive
        CasoSustituye{"zz", "y", "banana", "banana"},
        CasoSustituye{"a", "b", "", ""},
        CasoSustituye{"", "x", "abc", "abc"},  // empty search text: unchanged
        // A shorter replacement repeats until none is left.
        CasoSustituye{"  ", " ", "a      b", "a b"},
        CasoSustituye{"ab", "", "aaabbb", ""},
        // A replacement holding the searched text ends after one pass.
        CasoSustituye{"_XXXX_", "_a_XXXX_b_", "x_XXXX_y_XXXX_", "x_a_XXXX_b_y_a_XXXX_b_"},
        CasoSustituye{"{GUID}", "{GUID}-1", "use {GUID}", "use {GUID}-1"},
        // A longer replacement that forms the searched text anew also ends.
        CasoSustituye{"ba", "aabb", "baa", "aabba"}));

struct CasoWhere {
  std::string where;
  std::string campo;
  int tipo;
  std::string operador, valor, esperado;
};

class AgregaWhereLCasos : public ::testing::TestWithParam<CasoWhere> {};

TEST_P(AgregaWhereLCasos, Resultado) {
  const auto& c = GetParam();
  std::string where = c.where;
  AgregaWhereL(where, c.campo, c.tipo, c.operador, c.valor);
  EXPECT_EQ(where, c.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AgregaWhereLCasos,
    ::testing::Values(CasoWhere{"", "CCODIGO", 1, "=", "", ""},
                      CasoWhere{" where A = 1 ", "CCODIGO", 1, "=", "", " where A = 1 "},
                      CasoWhere{"", "CCODIGO", 1, "=", "ABC", R"( where CCODIGO = "ABC")"},
                      CasoWhere{"", "CIDPRODUCTO", 0, ">", "5", " where CIDPRODUCTO > 5 "},
                      CasoWhere{"", "CIDPRODUCTO", 2, "in", "(1,2)", " where CIDPRODUCTO in (1,2) "},
                      CasoWhere{R"( where CCODIGO = "ABC")", "CIDALMACEN", 0, "=", "3",
                                R"( where CCODIGO = "ABC" and CIDALMACEN = 3 )"},
                      CasoWhere{" where CIDALMACEN = 3 ", "CNOMBRE", 1, "like", "%x%",
                                R"( where CIDALMACEN = 3  and CNOMBRE like "%x%")"}));

struct CasoFecha {
  std::string texto;
  year_month_day esperada;
};

class StringToFechaCasos : public ::testing::TestWithParam<CasoFecha> {};

TEST_P(StringToFechaCasos, Resultado) { EXPECT_EQ(StringToFecha(GetParam().texto), GetParam().esperada); }

INSTANTIATE_TEST_SUITE_P(Casos, StringToFechaCasos,
                         ::testing::Values(CasoFecha{"2024-01-31", 2024y / January / 31},
                                           CasoFecha{"2024-02-29", 2024y / February / 29},
                                           CasoFecha{"2024-01-31T13:45:00", 2024y / January / 31},
                                           CasoFecha{"2024-01-31 13:45:00.000", 2024y / January / 31},
                                           CasoFecha{"2024/12/05", 2024y / December / 5},
                                           CasoFecha{"abcdefghij", 2014y / January / 1},
                                           CasoFecha{"", 2014y / January / 1},
                                           CasoFecha{"2023", 2023y / January / 1},
                                           CasoFecha{"2023-07", 2023y / July / 1},
                                           CasoFecha{"2023-07-9", 2023y / July / 9},
                                           CasoFecha{"xxxx-07-15", 2014y / July / 15},
                                           CasoFecha{"2023-xx-15", 2023y / January / 15},
                                           CasoFecha{"2023-07-xx", 2023y / July / 1},
                                           CasoFecha{"20a4-07-15", 2014y / July / 15}));

TEST(StringToFecha, FechaImposibleLanza) {
  for (const char* texto : {"2024-02-30", "2023-02-29", "2024-13-01", "2024-00-10", "2024-04-31", "2024-01-00",
                            "0000-01-01", "2024--1-01"}) {
    EXPECT_THROW(StringToFecha(texto), ErrorFecha) << texto;
  }
}

TEST(TextoAEntero, TodoElTextoDebeSerNumero) {
  EXPECT_EQ(TextoAEntero("8081", 1), 8081);
  EXPECT_EQ(TextoAEntero("-12", 1), -12);
  for (const char* texto : {"", "8a", " 8", "8 ", "+8", "0x10", "99999999999"}) {
    EXPECT_EQ(TextoAEntero(texto, 8081), 8081) << texto;
  }
}

TEST(Creauuid, GuidAleatorioEnMayusculas) {
  const std::regex forma("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}");
  std::set<std::string> vistos;
  for (int k = 0; k < 1000; ++k) {
    const std::string guid = Creauuid();
    ASSERT_TRUE(std::regex_match(guid, forma)) << guid;
    vistos.insert(guid);
  }
  EXPECT_EQ(vistos.size(), 1000u);
}

TEST(AgregaDatoJson, MiembrosSeparadosPorComaSinEscapar) {
  std::string json = AgregaDatoJson("", "Folio", "12");
  EXPECT_EQ(json, R"("Folio": "12")");
  json = AgregaDatoJson(json, "Serie", "A\"B");
  EXPECT_EQ(json, R"("Folio": "12","Serie": "A"B")");
  EXPECT_EQ(AgregaDatoJson("", "", ""), R"("": "")");
}

}  // namespace
}  // namespace quorvex
