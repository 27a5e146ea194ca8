#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <chrono>
#include <ostream>
#include <string>

#include "hosting/ArgumentosRest.h"
#include "hosting/ErrorRest.h"

namespace quorvex {
namespace {

using namespace std::chrono;
using T = TipoParametro;

db::FechaHora Fecha(int a, unsigned m, unsigned d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return sys_days(year{a} / m / d) + hours(h) + minutes(mi) + seconds(s) + milliseconds(ms);
}

struct CasoConversion {
  std::string segmento;
  TipoParametro tipo;
  Argumento esperado;
  friend std::ostream& operator<<(std::ostream& os, const CasoConversion& c) {
    return os << '"' << c.segmento << "\" tipo " << static_cast<int>(c.tipo);
  }
};

class ConversionSegmento : public ::testing::TestWithParam<CasoConversion> {};

TEST_P(ConversionSegmento, DaElValorDelTipo) {
  const auto& c = GetParam();
  EXPECT_EQ(ConvierteSegmento(c.segmento, c.tipo), c.esperado) << c.segmento;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ConversionSegmento,
    ::testing::Values(
        CasoConversion{"abc 1/2", T::Texto, std::string("abc 1/2")}, CasoConversion{"", T::Texto, std::string()},
        CasoConversion{"true", T::Texto, std::string("true")}, CasoConversion{"12", T::Texto, std::string("12")},
        CasoConversion{"null", T::Texto, std::string()}, CasoConversion{"null", T::Entero, std::int32_t{0}},
        CasoConversion{"null", T::Doble, 0.0}, CasoConversion{"null", T::Booleano, false},
        CasoConversion{"null", T::FechaHora, db::FechaHora{}}, CasoConversion{"42", T::Entero, std::int32_t{42}},
        CasoConversion{"-7", T::Entero, std::int32_t{-7}},
        CasoConversion{"2147483647", T::Entero, std::int32_t{2147483647}},
        CasoConversion{"-2147483648", T::Entero, std::int32_t{-2147483647 - 1}},
        CasoConversion{"true", T::Entero, std::int32_t{1}}, CasoConversion{"false", T::Entero, std::int32_t{0}},
        CasoConversion{"1.5", T::Doble, 1.5}, CasoConversion{"-0.25", T::Doble, -0.25},
        CasoConversion{"3", T::Doble, 3.0}, CasoConversion{"1e3", T::Doble, 1000.0},
        CasoConversion{"true", T::Doble, 1.0}, CasoConversion{"false", T::Doble, 0.0},
        CasoConversion{"true", T::Booleano, true}, CasoConversion{"false", T::Booleano, false},
        CasoConversion{"2024-02-29 13:45:07.123", T::FechaHora, Fecha(2024, 2, 29, 13, 45, 7, 123)},
        CasoConversion{"2024-02-29T13:45:07.123", T::FechaHora, Fecha(2024, 2, 29, 13, 45, 7, 123)},
        CasoConversion{"1999-12-31 23:59:59", T::FechaHora, Fecha(1999, 12, 31, 23, 59, 59)},
        CasoConversion{"2023-01-05T00:00:00", T::FechaHora, Fecha(2023, 1, 5)}));

struct CasoFallido {
  std::string segmento;
  TipoParametro tipo;
  std::string mensaje;
  friend std::ostream& operator<<(std::ostream& os, const CasoFallido& c) {
    return os << '"' << c.segmento << "\" tipo " << static_cast<int>(c.tipo);
  }
};

class ConversionFallida : public ::testing::TestWithParam<CasoFallido> {};

TEST_P(ConversionFallida, DaElMensajeDelTransporte) {
  const auto& c = GetParam();
  try {
    ConvierteSegmento(c.segmento, c.tipo);
    FAIL() << "aceptó " << c.segmento;
  } catch (const ErrorTransporte& e) {
    EXPECT_EQ(e.what(), c.mensaje);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ConversionFallida,
    ::testing::Values(CasoFallido{"abc", T::Entero, "Cannot convert JSON value abc input into Integer"},
                      CasoFallido{"1.5", T::Entero, "Cannot convert JSON value 1.5 input into Integer"},
                      CasoFallido{"2147483648", T::Entero, "Cannot convert JSON value 2147483648 input into Integer"},
                      CasoFallido{"+1", T::Entero, "Cannot convert JSON value +1 input into Integer"},
                      CasoFallido{" 1", T::Entero, "Cannot convert JSON value  1 input into Integer"},
                      CasoFallido{"", T::Entero, "Cannot convert JSON value  input into Integer"},
                      CasoFallido{"True", T::Entero, "Cannot convert JSON value True input into Integer"},
                      CasoFallido{"1,5", T::Doble, "Cannot convert JSON value 1,5 input into Double"},
                      CasoFallido{"inf", T::Doble, "Cannot convert JSON value inf input into Double"},
                      CasoFallido{"nan", T::Doble, "Cannot convert JSON value nan input into Double"},
                      CasoFallido{"1", T::Booleano, "Cannot convert JSON value 1 input into Boolean"},
                      CasoFallido{"yes", T::Booleano, "Cannot convert JSON value yes input into Boolean"},
                      CasoFallido{"2024-02-30 00:00:00", T::FechaHora,
                                  "Cannot convert JSON value 2024-02-30 00:00:00 input into TDateTime"},
                      CasoFallido{"2024-01-01 24:00:00", T::FechaHora,
                                  "Cannot convert JSON value 2024-01-01 24:00:00 input into TDateTime"},
                      CasoFallido{"2024-01-01 10:00", T::FechaHora,
                                  "Cannot convert JSON value 2024-01-01 10:00 input into TDateTime"},
                      CasoFallido{"2024-01-01", T::FechaHora,
                                  "Cannot convert JSON value 2024-01-01 input into TDateTime"},
                      CasoFallido{"2024-01-01 10:00:00.5", T::FechaHora,
                                  "Cannot convert JSON value 2024-01-01 10:00:00.5 input into TDateTime"},
                      CasoFallido{"01/02/2024 10:00:00", T::FechaHora,
                                  "Cannot convert JSON value 01/02/2024 10:00:00 input into TDateTime"},
                      CasoFallido{"2024-01-01x10:00:00", T::FechaHora,
                                  "Cannot convert JSON value 2024-01-01x10:00:00 input into TDateTime"}));

struct CasoJson {
  std::string json;
  TipoParametro tipo;
  Argumento esperado;
  friend std::ostream& operator<<(std::ostream& os, const CasoJson& c) {
    return os << c.json << " tipo " << static_cast<int>(c.tipo);
  }
};

class ConversionJson : public ::testing::TestWithParam<CasoJson> {};

TEST_P(ConversionJson, DaElValorDelTipo) {
  const auto& c = GetParam();
  rapidjson::Document d;
  d.Parse(c.json.c_str());
  ASSERT_FALSE(d.HasParseError()) << c.json;
  EXPECT_EQ(ConvierteValorJson(d, c.tipo), c.esperado) << c.json;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ConversionJson,
    ::testing::Values(CasoJson{R"("x/y")", T::Texto, std::string("x/y")},
                      // In a body "null" as a string is text; only JSON null is the null argument.
                      CasoJson{R"("null")", T::Texto, std::string("null")}, CasoJson{"null", T::Texto, std::string()},
                      CasoJson{"null", T::Entero, std::int32_t{0}}, CasoJson{"17", T::Entero, std::int32_t{17}},
                      CasoJson{R"("17")", T::Entero, std::int32_t{17}}, CasoJson{"true", T::Entero, std::int32_t{1}},
                      CasoJson{"2.5", T::Doble, 2.5}, CasoJson{"2", T::Doble, 2.0},
                      CasoJson{"false", T::Booleano, false}, CasoJson{"12", T::Texto, std::string("12")},
                      CasoJson{R"({"a":[1,"b"]})", T::Texto, std::string(R"({"a":[1,"b"]})")},
                      CasoJson{R"("2024-03-01T08:09:10")", T::FechaHora, Fecha(2024, 3, 1, 8, 9, 10)}));

TEST(ConversionJsonFallida, NombraElValorComoTextoJson) {
  rapidjson::Document d;
  d.Parse(R"({"a":1})");
  try {
    ConvierteValorJson(d, T::Entero);
    FAIL();
  } catch (const ErrorTransporte& e) {
    EXPECT_STREQ(e.what(), R"(Cannot convert JSON value {"a":1} input into Integer)");
  }
  d.Parse("1.5");
  EXPECT_THROW(ConvierteValorJson(d, T::Entero), ErrorTransporte);
  d.Parse("3000000000");
  EXPECT_THROW(ConvierteValorJson(d, T::Entero), ErrorTransporte);
  d.Parse("1");
  EXPECT_THROW(ConvierteValorJson(d, T::Booleano), ErrorTransporte);
}

}  // namespace
}  // namespace quorvex
