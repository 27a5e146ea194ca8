#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "db/ConjuntoDatos.h"
#include "db/TablaMemoria.h"
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

TEST(TablaJson, UnFalloDelCursorLlegaAntesDeProducirNada) {
  for (std::size_t presupuesto : {std::size_t{0}, kPresupuestoTabla}) {
    CursorPrueba cursor({{"A", TipoDato::Texto}}, {{Tex("uno")}, {Tex("dos")}, {Tex("tres")}}, 2);
    try {
      CuerpoTabla(cursor, "", "", presupuesto);
      FAIL();
    } catch (const db::Error& e) {
      EXPECT_STREQ(e.what(), "fallo de lectura en la fila 2");
    }
  }
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
