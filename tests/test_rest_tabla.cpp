#include <gtest/gtest.h>
#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>
#include <stdlib.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "db/ConjuntoDatos.h"
#include "db/TablaMemoria.h"
#include "hosting/Json.h"
#include "hosting/ResultadoJson.h"
#include "hosting/TablaJson.h"
#include "tests/CursorPrueba.h"

namespace quorvex {
namespace {

using db::TipoDato;
using pruebas::Bin;
using pruebas::Boo;
using pruebas::CursorPrueba;
using pruebas::Dob;
using pruebas::Ent;
using pruebas::Fec;
using pruebas::LeeTodo;
using pruebas::Nul;
using pruebas::Tex;

std::string Tabla(db::Cursor& cursor, std::size_t presupuesto = kPresupuestoTabla) {
  return LeeTodo(*CuerpoTabla(cursor, "", "", presupuesto));
}

TEST(TablaJson, DescribeCadaColumnaYDaSusValoresEnOrdenDeFilas) {
  CursorPrueba cursor({{"ID", TipoDato::Entero},
                       {"NOMBRE", TipoDato::Texto},
                       {"PRECIO", TipoDato::Doble},
                       {"ACTIVO", TipoDato::Booleano},
                       {"FECHA", TipoDato::FechaHora},
                       {"FIRMA", TipoDato::Binario},
                       {"SUMA", TipoDato::Nulo}},
                      {{Ent(1), Tex("Añil"), Dob(12.5), Ent(1), Fec("2024-01-31 10:20:30.000"), Bin("\x01\xff"), Nul()},
                       {Ent(-2), Nul(), Dob(3), Boo(false), Nul(), Bin(""), Dob(7.25)}});
  EXPECT_EQ(Tabla(cursor), R"({"table":[)"
                           R"(["ID",18,0,0,0,8,19,0,true,false,0,false,false],)"
                           R"(["NOMBRE",26,1,0,0,4,4,0,true,false,0,false,false],)"
                           R"(["PRECIO",7,2,0,0,8,15,0,true,false,0,false,false],)"
                           R"(["ACTIVO",4,3,0,0,2,0,0,true,false,0,false,false],)"
                           R"(["FECHA",24,4,0,0,16,0,0,true,false,0,false,false],)"
                           R"(["FIRMA",15,5,0,0,2,2,0,true,false,0,false,false],)"
                           R"(["SUMA",7,6,0,0,8,15,0,true,false,0,false,false]],)"
                           R"("ID":[1,-2],"NOMBRE":["Añil",null],"PRECIO":[12.5,3.0],"ACTIVO":[true,false],)"
                           R"("FECHA":["2024-01-31 10:20:30.000",null],"FIRMA":[[1,255],[]],"SUMA":[null,7.25]})");
}

TEST(TablaJson, SinFilasDaColumnasVacias) {
  CursorPrueba cursor({{"A", TipoDato::Texto}, {"B", TipoDato::Nulo}}, {});
  EXPECT_EQ(Tabla(cursor), R"({"table":[["A",26,0,0,0,0,0,0,true,false,0,false,false],)"
                           R"(["B",26,1,0,0,0,0,0,true,false,0,false,false]],"A":[],"B":[]})");
}

TEST(TablaJson, EscapaNombresYTextos) {
  const std::string raro = "comillas \" barra \\ salto \n tab \t control \x01 fin";
  CursorPrueba cursor({{"CLAVE \"X\"", TipoDato::Texto}}, {{Tex(raro)}});
  const std::string json = Tabla(cursor);
  rapidjson::Document d;
  d.Parse(json.c_str(), json.size());
  ASSERT_FALSE(d.HasParseError()) << json;
  EXPECT_STREQ(d["table"][0][0].GetString(), "CLAVE \"X\"");
  EXPECT_EQ(std::string(d["CLAVE \"X\""][0].GetString()), raro);
}

TEST(TablaJson, ValoresNoFinitosSonNull) {
  CursorPrueba cursor({{"X", TipoDato::Doble}},
                      {{Dob(std::numeric_limits<double>::quiet_NaN())}, {Dob(INFINITY)}, {Dob(0.1)}});
  EXPECT_NE(Tabla(cursor).find(R"("X":[null,null,0.1])"), std::string::npos);
}

std::string Doble(double d) {
  std::string texto;
  AgregaDobleJson(texto, d);
  return texto;
}

std::string DobleDelEscritor(double d) {
  rapidjson::StringBuffer texto;
  rapidjson::Writer<rapidjson::StringBuffer> escritor(texto);
  escritor.Double(d);
  return texto.GetString();
}

// Amounts of a few decimals take a shortcut; the text must stay the writer's
// at its edges: signs, negative zero, the last decimal kept, the magnitudes
// where the shortcut gives way to the general form.
TEST(NumeroJson, EscribeLosDoblesComoElEscritor) {
  const struct {
    double valor;
    const char* texto;
  } casos[] = {
      {0.0, "0.0"},
      {-0.0, "-0.0"},
      {25, "25.0"},
      {-3, "-3.0"},
      {12.5, "12.5"},
      {0.1, "0.1"},
      {-13.43, "-13.43"},
      {2.675, "2.675"},
      {0.000001, "0.000001"},
      {-0.0000015, "-0.0000015"},
      {1e-7, "1e-7"},
      {123456.789012, "123456.789012"},
      {999999999.999999, "999999999.999999"},
      {1e9, "1000000000.0"},
      {1e9 + 0.5, "1000000000.5"},
      {4503599627370496.5, "4503599627370496.0"},
      {1e21, "1e21"},
      {1.7976931348623157e308, "1.7976931348623157e308"},
      {5e-324, "5e-324"},
      {std::numeric_limits<double>::quiet_NaN(), "null"},
      {INFINITY, "null"},
      {-INFINITY, "null"},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(Doble(c.valor), c.texto) << c.valor;
    if (std::isfinite(c.valor)) {
      EXPECT_EQ(DobleDelEscritor(c.valor), c.texto) << c.valor;
    }
  }
}

// Prices, six-decimal amounts, and doubles of every scale and of any bits:
// each text reads back as the same double and is never longer than the
// writer's (whose general algorithm sometimes gives more digits than needed).
TEST(NumeroJson, CadaTextoDevuelveElMismoDoble) {
  std::mt19937_64 azar(20240131);
  for (int i = 0; i < 400000; ++i) {
    double d = 0;
    switch (i % 4) {
      case 0: d = static_cast<double>(azar() % 100'000'000) / 100; break;
      case 1: d = static_cast<double>(azar() % 1'000'000'000'000'000) / 1e6; break;
      case 2: d = std::ldexp(static_cast<double>(azar() >> 11), -static_cast<int>(azar() % 80)); break;
      default: d = std::bit_cast<double>(azar());
    }
    if (i % 2 == 1) d = -d;
    if (!std::isfinite(d)) continue;
    const std::string texto = Doble(d);
    const double leido = std::strtod(texto.c_str(), nullptr);
    ASSERT_EQ(std::bit_cast<std::uint64_t>(leido), std::bit_cast<std::uint64_t>(d)) << texto;
    ASSERT_LE(texto.size(), DobleDelEscritor(d).size()) << texto;
  }
}

// Many rows of several columns: the same bytes whether the values stayed in
// memory or went through the temporary file, and never one large piece.
TEST(TablaJson, PasarAlArchivoTemporalNoCambiaLaSalida) {
  std::vector<std::vector<pruebas::Celda>> filas;
  for (int i = 0; i < 5000; ++i)
    filas.push_back(
        {Ent(i), Tex("producto " + std::to_string(i) + std::string(i % 37, 'x')), i % 5 ? Dob(i / 4.0) : Nul()});
  const std::vector<db::Columna> columnas = {
      {"ID", TipoDato::Entero}, {"NOMBRE", TipoDato::Texto}, {"PRECIO", TipoDato::Doble}};
  CursorPrueba enMemoria(columnas, filas);
  const std::string esperado = Tabla(enMemoria);

  for (std::size_t presupuesto : {std::size_t{0}, std::size_t{7}, std::size_t{1000}, std::size_t{100000}}) {
    CursorPrueba cursor(columnas, filas);
    std::size_t mayorPieza = 0;
    const std::string obtenido = LeeTodo(*CuerpoTabla(cursor, "", "", presupuesto), &mayorPieza);
    EXPECT_EQ(obtenido, esperado) << "presupuesto " << presupuesto;
    EXPECT_LE(mayorPieza, 64u * 1024) << "presupuesto " << presupuesto;
  }

  rapidjson::Document d;
  d.Parse(esperado.c_str(), esperado.size());
  ASSERT_FALSE(d.HasParseError());
  ASSERT_EQ(d["ID"].Size(), 5000u);
  EXPECT_EQ(d["ID"][4999].GetInt(), 4999);
  EXPECT_STREQ(d["NOMBRE"][40].GetString(), "producto 40xxx");
  EXPECT_TRUE(d["PRECIO"][10].IsNull());
  EXPECT_EQ(d["PRECIO"][6].GetDouble(), 1.5);
}

// A cursor whose texts live in one buffer per column that the next row
// overwrites, as a database cursor's do: a value kept past its row reads
// another row's text.
class CursorDeUnaFila final : public db::Cursor {
 public:
  explicit CursorDeUnaFila(CursorPrueba& filas) : filas_(filas), textos_(filas.Columnas().size()) {}
  const std::vector<db::Columna>& Columnas() const override { return filas_.Columnas(); }
  bool Siguiente() override {
    if (!filas_.Siguiente()) return false;
    for (std::size_t i = 0; i < textos_.size(); ++i) textos_[i] = filas_.Texto(static_cast<int>(i));
    return true;
  }
  TipoDato Tipo(int c) const override { return filas_.Tipo(c); }
  std::int64_t Entero(int c) const override { return filas_.Entero(c); }
  double Doble(int c) const override { return filas_.Doble(c); }
  std::string_view Texto(int c) const override { return textos_.at(static_cast<std::size_t>(c)); }

 private:
  CursorPrueba& filas_;
  std::vector<std::string> textos_;
};

std::vector<std::vector<pruebas::Celda>> FilasNumeradas(int cuantas) {
  std::vector<std::vector<pruebas::Celda>> filas;
  for (int i = 0; i < cuantas; ++i)
    filas.push_back({Ent(i), Tex("fila " + std::to_string(i) + std::string(i % 300, 'z')), i % 7 ? Dob(i * 0.25) : Nul(),
                     Bin(std::string(1, static_cast<char>(i % 256)))});
  return filas;
}

const std::vector<db::Columna> kColumnasNumeradas = {
    {"ID", TipoDato::Entero}, {"NOMBRE", TipoDato::Texto}, {"PRECIO", TipoDato::Doble}, {"FIRMA", TipoDato::Binario}};

// From one row to many, all in memory, spilled once or spilled at every row,
// every value lands in its own row and column, and none is read after the
// cursor left its row.
TEST(TablaJson, CadaValorQuedaEnSuFilaConOSinArchivoTemporal) {
  for (int filas : {1, 3000, 40000}) {
    for (std::size_t presupuesto : {std::size_t{0}, kPresupuestoTabla, std::size_t{1} << 30}) {
      CursorPrueba fuente(kColumnasNumeradas, FilasNumeradas(filas));
      CursorDeUnaFila cursor(fuente);
      const std::string json = Tabla(cursor, presupuesto);
      rapidjson::Document d;
      d.Parse(json.c_str(), json.size());
      ASSERT_FALSE(d.HasParseError()) << filas << " filas, presupuesto " << presupuesto;
      ASSERT_EQ(d["ID"].Size(), static_cast<unsigned>(filas));
      ASSERT_EQ(d["NOMBRE"].Size(), static_cast<unsigned>(filas));
      ASSERT_EQ(d["PRECIO"].Size(), static_cast<unsigned>(filas));
      ASSERT_EQ(d["FIRMA"].Size(), static_cast<unsigned>(filas));
      for (int i = 0; i < filas; ++i) {
        const auto f = static_cast<unsigned>(i);
        ASSERT_EQ(d["ID"][f].GetInt(), i);
        ASSERT_EQ(std::string(d["NOMBRE"][f].GetString()), "fila " + std::to_string(i) + std::string(i % 300, 'z'));
        if (i % 7)
          ASSERT_EQ(d["PRECIO"][f].GetDouble(), i * 0.25);
        else
          ASSERT_TRUE(d["PRECIO"][f].IsNull());
        ASSERT_EQ(d["FIRMA"][f][0].GetInt(), i % 256);
      }
      std::size_t mayor = 0;
      for (int i = 0; i < filas; ++i) mayor = std::max<std::size_t>(mayor, d["NOMBRE"][static_cast<unsigned>(i)].GetStringLength());
      EXPECT_EQ(d["table"][1][5].GetUint64(), mayor) << "size of NOMBRE, the longest value of all rows";
    }
  }
}

// Whether it comes with the first rows or after many were spilled.
TEST(TablaJson, UnFalloDelCursorLlegaAntesDeProducirNada) {
  for (int fallaEn : {2, 30000}) {
    for (std::size_t presupuesto : {std::size_t{0}, kPresupuestoTabla}) {
      CursorPrueba cursor(kColumnasNumeradas, FilasNumeradas(40000), fallaEn);
      try {
        CuerpoTabla(cursor, "", "", presupuesto);
        FAIL();
      } catch (const db::Error& e) {
        EXPECT_EQ(std::string(e.what()), "fallo de lectura en la fila " + std::to_string(fallaEn));
      }
    }
  }
}

// A temporary file that cannot be created fails the call before anything is
// produced, whether the values fit the budget or not.
TEST(TablaJson, UnFalloDelArchivoTemporalLlegaAntesDeProducirNada) {
  const char* antes = std::getenv("TMPDIR");
  const std::optional<std::string> tmpdir = antes ? std::optional<std::string>(antes) : std::nullopt;
  ::setenv("TMPDIR", "/no/existe/quorvex", 1);
  for (int filas : {10, 40000}) {
    CursorPrueba cursor(kColumnasNumeradas, FilasNumeradas(filas));
    EXPECT_THROW(CuerpoTabla(cursor, "", "", 0), std::runtime_error) << filas << " filas";
  }
  if (tmpdir)
    ::setenv("TMPDIR", tmpdir->c_str(), 1);
  else
    ::unsetenv("TMPDIR");
}

std::string Envoltura(Resultado r) {
  Respuesta respuesta = RespuestaResultado(std::move(r));
  EXPECT_EQ(respuesta.http.result(), http::status::ok);
  EXPECT_EQ(respuesta.http[http::field::content_type], "application/json");
  return pruebas::CuerpoDe(respuesta);
}

TEST(ResultadoJson, EnvuelveElValorEnResult) {
  EXPECT_EQ(Envoltura(std::string("a\"b")), R"({"result":["a\"b"]})");
  EXPECT_EQ(Envoltura(std::string()), R"({"result":[""]})");
  EXPECT_EQ(Envoltura(std::int32_t{-1}), R"({"result":[-1]})");
  EXPECT_EQ(Envoltura(2.5), R"({"result":[2.5]})");
  EXPECT_EQ(Envoltura(std::numeric_limits<double>::infinity()), R"({"result":[null]})");
  EXPECT_EQ(Envoltura(true), R"({"result":[true]})");
  EXPECT_EQ(Envoltura(false), R"({"result":[false]})");
  EXPECT_EQ(Envoltura(std::unique_ptr<db::ConjuntoDatos>()), R"({"result":[null]})");
}

TEST(ResultadoJson, UnConjuntoDeDatosVaComoTablaEnElFlujo) {
  auto tabla = std::make_unique<db::TablaMemoria>(std::vector<std::string>{"Error"});
  tabla->AgregaFila({"No existe la empresa"});
  Respuesta r = RespuestaResultado(std::make_unique<db::ConjuntoDatos>(std::move(tabla)));
  ASSERT_TRUE(r.flujo);
  EXPECT_EQ(pruebas::LeeTodo(*r.flujo), R"({"result":[{"table":[["Error",26,0,0,0,20,20,0,true,false,0,false,false]],)"
                                        R"("Error":["No existe la empresa"]}]})");
}

}  // namespace
}  // namespace quorvex
