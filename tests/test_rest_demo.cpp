// The listings end to end: HTTPS, REST and the demo company databases.
#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "tests/ServidorDemoPrueba.h"

namespace quorvex {
namespace {

const std::string kRuta = "/datasnap/rest/TServerMethodsSync/";

class RestDemo : public pruebas::ConServidorDemo {
 protected:
  void SetUp() override {
    ConServidorDemo::SetUp();
    cliente_.emplace(contexto_, servidor_->Puerto());
  }

  rapidjson::Document Pide(const std::string& metodoYArgumentos, unsigned estado = 200) {
    const auto r = cliente_->Get(kRuta + metodoYArgumentos);
    EXPECT_EQ(r.result_int(), estado) << r.body();
    rapidjson::Document d;
    d.Parse(r.body().c_str());
    EXPECT_FALSE(d.HasParseError()) << r.body();
    return d;
  }

  std::optional<pruebas::ClienteHttps> cliente_;
};

TEST_F(RestDemo, AlmacenesComoObjetoTabla) {
  auto d = Pide("GetAlmacenes/1111111112adDemo");
  const auto& tabla = d["result"][0];
  ASSERT_TRUE(tabla.IsObject());
  const auto& columnas = tabla["table"];
  ASSERT_EQ(columnas.Size(), 11u);
  EXPECT_STREQ(columnas[0][0].GetString(), "CIDALMACEN");
  EXPECT_EQ(columnas[0].Size(), 13u);
  EXPECT_STREQ(columnas[2][0].GetString(), "CNOMBREALMACEN");
  EXPECT_EQ(tabla.MemberCount(), 12u) << "table plus one member per column";
  const auto& nombres = tabla["CNOMBREALMACEN"];
  ASSERT_EQ(nombres.Size(), 3u);
  EXPECT_STREQ(nombres[0].GetString(), "Almacén General");
  EXPECT_EQ(tabla["CIDALMACEN"][1].GetInt(), 2);
}

TEST_F(RestDemo, TokenRechazadoDaNulo) {
  auto d = Pide("GetAlmacenes/9999999992adDemo");
  EXPECT_TRUE(d["result"][0].IsNull());
}

TEST_F(RestDemo, FiltroPorCodigoYConComilla) {
  // A product is found by its code; a quote in a filter neither breaks nor widens the statement.
  auto d = Pide("GetProductos/1111111112adDemo/null/AB001/null/null");
  const auto& tabla = d["result"][0];
  ASSERT_EQ(tabla["idproducto"].Size(), 1u);
  EXPECT_STREQ(tabla["codigoproducto"][0].GetString(), "AB001");
  auto conComilla = Pide("GetProductos/1111111112adDemo/null/AB001%27%20or%20%271%27%3D%271/null/null");
  EXPECT_EQ(conComilla["result"][0]["idproducto"].Size(), 0u);
}

TEST_F(RestDemo, ConsultaLibreConErrorDaLaTablaError) {
  auto d = Pide("DameConsultaSQL/1111111112adDemo/select%20x%20from%20nada/null");
  const auto& tabla = d["result"][0];
  ASSERT_TRUE(tabla.HasMember("Error"));
  EXPECT_NE(std::string(tabla["Error"][0].GetString()).find("nada"), std::string::npos);
}

TEST_F(RestDemo, EmpresasDeLaFamiliaComercial) {
  auto d = Pide("GetEmpresasComercialPremium/111111111");
  const auto& bases = d["result"][0]["Base"];
  ASSERT_GE(bases.Size(), 1u);
  EXPECT_STREQ(bases[0].GetString(), "adDemo");
}

// Files this process has open.
std::size_t ArchivosAbiertos() {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}));
}

// Each call without a session opens a session that lives twenty minutes; it
// must not keep the company database open all that time.
TEST_F(RestDemo, LasSesionesOciosasNoRetienenLaBaseDeDatos) {
  // First every worker thread opens what it keeps (its configuration handle).
  for (int i = 0; i < 200; ++i) Pide("GetAlmacenes/1111111112adDemo");
  const std::size_t antes = ArchivosAbiertos();
  for (int i = 0; i < 200; ++i) Pide("GetAlmacenes/1111111112adDemo");
  EXPECT_LT(ArchivosAbiertos(), antes + 10);
}

}  // namespace
}  // namespace quorvex
