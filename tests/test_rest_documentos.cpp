// Documents end to end: a remote caller writes a header, its movements and a
// layer link over HTTPS into the demo company, and reads the effects back
// through the same front; then sixteen callers write at once.
#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <cctype>
#include <cstdio>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "core/Registro.h"
#include "db/demo/Catalogo.h"
#include "tests/ServidorDemoPrueba.h"
#include "tests/TextosDocumento.h"

namespace quorvex {
namespace {

const std::string kRuta = "/datasnap/rest/TServerMethodsSync/";
const std::string kToken = "1111111112adDemo";

// A path segment: every byte but letters, digits and "-._~" percent-encoded.
std::string Segmento(const std::string& texto) {
  std::string r;
  for (unsigned char c : texto) {
    if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
      r += static_cast<char>(c);
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", c);
      r += hex;
    }
  }
  return r;
}

std::string Ruta(const std::string& metodo, const std::vector<std::string>& argumentos) {
  std::string ruta = kRuta + metodo;
  for (const std::string& a : argumentos) ruta += "/" + Segmento(a);
  return ruta;
}

rapidjson::Document Json(const pruebas::RespuestaHttp& r) {
  rapidjson::Document d;
  d.Parse(r.body().c_str());
  EXPECT_FALSE(d.HasParseError()) << r.body();
  return d;
}

// A header of the demo concept `concepto` for customer 1 and agent 1, folio `folio`.
std::string Encabezado(int concepto, int folio) {
  return pruebas::TextoEncabezado(
      {{0, std::to_string(concepto)}, {1, "QA"}, {2, std::to_string(folio)}, {3, "2024-07-01"}, {4, "1"}, {8, "1"}});
}

class RestDocumentos : public pruebas::ConServidorDemo {
 protected:
  // Calls a method answering an integer on a new connection of contexto.
  static int Entero(pruebas::ContextoCliente& contexto, unsigned short puerto, const std::string& metodo,
                    const std::vector<std::string>& argumentos) {
    pruebas::ClienteHttps cliente(contexto, puerto);
    auto r = cliente.Get(Ruta(metodo, argumentos));
    EXPECT_EQ(r.result_int(), 200u) << r.body();
    auto d = Json(r);
    return d.HasMember("result") && d["result"][0].IsInt() ? d["result"][0].GetInt() : -1;
  }
  int Entero(const std::string& metodo, const std::vector<std::string>& argumentos) {
    return Entero(contexto_, servidor_->Puerto(), metodo, argumentos);
  }

  // The table object of a query run through DameConsultaSQL.
  rapidjson::Document Consulta(const std::string& sql) {
    pruebas::ClienteHttps cliente(contexto_, servidor_->Puerto());
    auto d = Json(cliente.Get(Ruta("DameConsultaSQL", {kToken, sql, "null"})));
    rapidjson::Document tabla;
    tabla.CopyFrom(d["result"][0], tabla.GetAllocator());
    EXPECT_FALSE(tabla.HasMember("Error")) << sql;
    return tabla;
  }
  double Numero(const std::string& sql, const char* columna) {
    auto tabla = Consulta(sql);
    EXPECT_EQ(tabla[columna].Size(), 1u) << sql;
    return tabla[columna][0].GetDouble();
  }

};

TEST_F(RestDocumentos, UnDocumentoCompletoConConsignacionCostosYCapa) {
  // The consignment kind goes through the SDK unless told otherwise.
  GuardaDatoRegestry("ErrorSDK", "T");
  const auto& capa = db::demo::CapasDemo()[0];
  const auto& producto = db::demo::ProductoDemo(capa.producto);
  const std::string codigo = producto.codigo;
  ASSERT_GT(producto.costo, 0);

  const int documento = Entero("AgregaEncabezado", {kToken, "0", Encabezado(3, 9001)});
  ASSERT_GT(documento, 0);
  const std::string id = std::to_string(documento);
  const int primero = Entero("AgregaDetalle", {kToken, "0", "0", "0", "0", "0",
                                               pruebas::MovimientoDe(documento, codigo, "ALM01", "2", "2024-07-01",
                                                                     {{6, "40"}, {9, "80"}, {10, "12.8"}, {30, "92.8"}})});
  const int segundo = Entero("AgregaDetalle", {kToken, "0", "0", "0", "0", "0",
                                               pruebas::MovimientoDe(documento, codigo, "ALM01", "3", "2024-07-01",
                                                                     {{6, "40"}, {9, "120"}, {30, "120"}})});
  ASSERT_GT(primero, 0);
  ASSERT_GT(segundo, primero);

  // The header carries the sums of its own movements, not of the hidden ones.
  EXPECT_DOUBLE_EQ(Numero("select CTOTAL from admDocumentos where CIDDOCUMENTO = " + id, "CTOTAL"), 212.8);
  EXPECT_DOUBLE_EQ(Numero("select CPENDIENTE from admDocumentos where CIDDOCUMENTO = " + id, "CPENDIENTE"), 212.8);
  EXPECT_DOUBLE_EQ(Numero("select CTOTALUNIDADES from admDocumentos where CIDDOCUMENTO = " + id, "CTOTALUNIDADES"),
                   5);

  // Each movement has its hidden partner in the consignment warehouse.
  auto ocultos = Consulta("select CIDMOVTOOWNER, CIDALMACEN, CUNIDADES from admMovimientos "
                          "where CMOVTOOCULTO = 1 and CIDDOCUMENTO = 0 and CIDMOVTOOWNER in (" +
                          std::to_string(primero) + ", " + std::to_string(segundo) + ") order by CIDMOVTOOWNER");
  ASSERT_EQ(ocultos["CIDMOVTOOWNER"].Size(), 2u);
  EXPECT_EQ(ocultos["CIDALMACEN"][0].GetInt(), 3);
  EXPECT_DOUBLE_EQ(ocultos["CUNIDADES"][1].GetDouble(), 3);

  // The cost of the day, carried forward for the company, the warehouse and
  // the consignment warehouse, once.
  EXPECT_DOUBLE_EQ(Numero("select CCOSTOESPECIFICO from admMovimientos where CIDMOVIMIENTO = " +
                              std::to_string(primero), "CCOSTOESPECIFICO"),
                   2 * producto.costo);
  auto costos = Consulta("select CIDALMACEN, CCOSTOH from admCostosHistoricos where CIDPRODUCTO = " +
                         std::to_string(capa.producto) + " and CFECHACOSTOH >= \"2024-07-01\" order by CIDALMACEN");
  ASSERT_EQ(costos["CIDALMACEN"].Size(), 3u);
  EXPECT_EQ(costos["CIDALMACEN"][0].GetInt(), 0);
  EXPECT_EQ(costos["CIDALMACEN"][1].GetInt(), 1);
  EXPECT_EQ(costos["CIDALMACEN"][2].GetInt(), 3);
  EXPECT_DOUBLE_EQ(costos["CCOSTOH"][2].GetDouble(), producto.costo);

  // Linking both outflows to the layer takes their units out of it.
  const std::string sqlCapa = "select CEXISTENCIA from admCapasProducto where CIDCAPA = " + std::to_string(capa.id);
  EXPECT_EQ(Entero("AgregaCapa", {kToken, std::to_string(primero), std::to_string(capa.id), "1", codigo,
                                  "2024-07-01 10:00:00", "2"}),
            1);
  const double tras1 = Numero(sqlCapa, "CEXISTENCIA");
  EXPECT_EQ(Entero("AgregaCapa", {kToken, std::to_string(segundo), std::to_string(capa.id), "1", codigo,
                                  "2024-07-01 10:00:00", "3"}),
            1);
  EXPECT_DOUBLE_EQ(Numero(sqlCapa, "CEXISTENCIA"), tras1 - 3);
  EXPECT_EQ(Entero("AgregaCapa", {"9999999992adDemo", std::to_string(segundo), std::to_string(capa.id), "1", codigo,
                                  "2024-07-01 10:00:00", "3"}),
            0);
}

TEST_F(RestDocumentos, DieciseisLlamadoresALaVezNoPierdenNiRepitenNada) {
  constexpr int kLlamadores = 16, kDocumentos = 2, kMovimientos = 4;
  std::vector<std::vector<int>> documentos(kLlamadores), movimientos(kLlamadores);
  std::vector<std::thread> hilos;
  const unsigned short puerto = servidor_->Puerto();
  for (int l = 0; l < kLlamadores; ++l) {
    hilos.emplace_back([&, l] {
      pruebas::ContextoCliente contexto;
      for (int d = 0; d < kDocumentos; ++d) {
        // A quotation: outside the SDK kinds.
        const int documento = Entero(contexto, puerto, "AgregaEncabezado", {kToken, "0", Encabezado(1, 100 * l + d)});
        documentos[l].push_back(documento);
        for (int m = 1; m <= kMovimientos; ++m)
          movimientos[l].push_back(Entero(
              contexto, puerto, "AgregaDetalle",
              {kToken, "0", "0", "0", "0", "0",
               pruebas::MovimientoDe(documento, "AB001", "ALM01", std::to_string(m), "2024-07-01",
                                     {{9, std::to_string(10 * m)}, {30, std::to_string(10 * m + l)}})}));
      }
    });
  }
  for (auto& h : hilos) h.join();

  std::set<int> idsDocumentos, idsMovimientos;
  for (int l = 0; l < kLlamadores; ++l) {
    idsDocumentos.insert(documentos[l].begin(), documentos[l].end());
    idsMovimientos.insert(movimientos[l].begin(), movimientos[l].end());
  }
  EXPECT_EQ(idsDocumentos.size(), static_cast<std::size_t>(kLlamadores * kDocumentos));
  EXPECT_EQ(idsMovimientos.size(), static_cast<std::size_t>(kLlamadores * kDocumentos * kMovimientos));
  EXPECT_EQ(idsDocumentos.count(0) + idsMovimientos.count(0), 0u) << "a write failed";

  // Every header equals the sums of its movements, and every movement is there.
  auto tabla = Consulta(
      "select d.CIDDOCUMENTO, d.CTOTAL, d.CTOTALUNIDADES, "
      "(select sum(m.CTOTAL) from admMovimientos m where m.CIDDOCUMENTO = d.CIDDOCUMENTO) SUMA, "
      "(select sum(m.CUNIDADES) from admMovimientos m where m.CIDDOCUMENTO = d.CIDDOCUMENTO) UNIDADES, "
      "(select count(*) from admMovimientos m where m.CIDDOCUMENTO = d.CIDDOCUMENTO) CUANTOS "
      "from admDocumentos d where d.CSERIEDOCUMENTO = \"QA\"");
  ASSERT_EQ(tabla["CIDDOCUMENTO"].Size(), static_cast<rapidjson::SizeType>(kLlamadores * kDocumentos));
  for (rapidjson::SizeType i = 0; i < tabla["CIDDOCUMENTO"].Size(); ++i) {
    SCOPED_TRACE(tabla["CIDDOCUMENTO"][i].GetInt());
    EXPECT_EQ(tabla["CUANTOS"][i].GetInt(), kMovimientos);
    EXPECT_DOUBLE_EQ(tabla["CTOTAL"][i].GetDouble(), tabla["SUMA"][i].GetDouble());
    EXPECT_DOUBLE_EQ(tabla["CTOTALUNIDADES"][i].GetDouble(), tabla["UNIDADES"][i].GetDouble());
  }
}

}  // namespace
}  // namespace quorvex
