// The document movements: the row written, rounding, the movement kind and its
// hidden consignment partner, the duplicate check, routing and failures.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "tests/BaseEmpresaPrueba.h"

namespace quorvex {
namespace {

using pruebas::TokenDe;
using Registro = std::map<std::string, std::string>;

constexpr const char* kBase = "empresa";

// Document 1: a quotation (kind 1, no stock effect) whose concept names the
// consignment warehouse 9; document 2: kind 8, an outflow; document 3: an
// invoice (kind 4, added through the SDK); document 4: kind 33, also an SDK
// kind. Units round to whole numbers.
constexpr const char* kDatos = R"sql(
  insert into admParametros (CIDEMPRESA, CPRECIOSCONIVA, CDECIMALESUNIDADES, CDECIMALESPRECIOVENTA)
    values (1, 0, 0, 2);
  insert into admDocumentosModelo (CIDDOCUMENTODE, CAFECTAEXISTENCIA) values (1, 0), (4, 2), (8, 2), (33, 2);
  insert into admConceptos (CIDCONCEPTODOCUMENTO, CCODIGOCONCEPTO, CIDDOCUMENTODE, CIDALMACENCONSIGNACION) values
    (10, 'COT', 1, 9), (11, 'SAL', 8, 0), (12, 'FAC', 4, 0), (13, 'TRA', 33, 0);
  insert into admDocumentos (CIDDOCUMENTO, CIDCONCEPTODOCUMENTO, CIDDOCUMENTODE) values (1, 10, 1), (2, 11, 8), (3, 12, 4),
    (4, 13, 33);
  insert into admProductos (CIDPRODUCTO, CCODIGOPRODUCTO, CIDUNIDADBASE, CIMPUESTO1) values (1, 'P001', 5, 16);
  insert into admAlmacenes (CIDALMACEN, CCODIGOALMACEN) values (1, 'A01'), (9, 'CONS');
)sql";

// A movement text of document 1, product P001, warehouse A01, with `cambios`
// applied by field number; `campos` fields in all.
std::string TextoMovimiento(const std::map<int, std::string>& cambios = {}, int campos = 52) {
  std::vector<std::string> f(52, "0");
  const std::map<int, std::string> base{{0, "1"},      {1, "1"},           {2, "P001"},
                                        {3, "A01"},    {4, "2"},           {5, "2"},
                                        {6, "10.126"}, {7, "99"},          {9, "20.25"},
                                        {10, "3.24"},  {11, "16"},         {12, "5"},
                                        {13, "8"},     {20, "1.004"},      {30, "23.49"},
                                        {32, "Ref"},   {33, "Obs"},        {34, "1"},
                                        {35, "1"},     {36, "2024-03-15"}, {41, std::string(60, 'x')},
                                        {42, ""},      {43, ""},           {44, "2024-05-01"},
                                        {50, "SC"}};
  for (const auto& [campo, valor] : base) f[static_cast<std::size_t>(campo)] = valor;
  f.resize(static_cast<std::size_t>(campos), "0");
  for (const auto& [campo, valor] : cambios) f[static_cast<std::size_t>(campo)] = valor;
  std::string texto;
  for (std::size_t i = 0; i < f.size(); ++i) texto += (i == 0 ? "" : "|") + f[i];
  return texto;
}

class Detalle : public pruebas::ConBaseEmpresa {
 protected:
  void SetUp() override {
    ConBaseEmpresa::SetUp();
    Crea(kBase, "comercial", kDatos);
  }

  std::int32_t Agrega(const std::string& datos, std::int32_t tipo = 0, bool duplicado = false) {
    return m_.AgregaDetalleValidaDuplicado(TokenDe(2, kBase), 0, tipo, 0, 0, 0, datos, duplicado);
  }

  std::vector<Registro> Consulta(const std::string& sql) { return ConBaseEmpresa::Consulta(kBase, sql); }

  Registro Movimiento(std::int32_t id) {
    auto filas = Consulta("select * from admMovimientos where CIDMOVIMIENTO = " + std::to_string(id));
    EXPECT_EQ(filas.size(), 1u) << "movimiento " << id;
    return filas.empty() ? Registro{} : filas[0];
  }

  std::size_t Movimientos() { return Consulta("select * from admMovimientos").size(); }
};

TEST_F(Detalle, EscribeElMovimientoConLosValoresDelTexto) {
  const std::int32_t id = m_.AgregaDetalle(TokenDe(2, kBase), 0, 0, 0, 0, 0, TextoMovimiento({{4, "2.5"}}));
  ASSERT_EQ(id, 1);  // an empty table starts at 1
  Registro r = Movimiento(id);
  const Registro esperado{
      {"CIDDOCUMENTO", "1"},
      {"CNUMEROMOVIMIENTO", "1.0"},
      {"CIDDOCUMENTODE", "1"},  // the document's kind
      {"CIDPRODUCTO", "1"},
      {"CIDALMACEN", "1"},
      {"CUNIDADES", "3.0"},  // no decimals for units
      {"CUNIDADESCAPTURADAS", "2.0"},
      {"CIDUNIDAD", "5"},  // the product's base unit
      {"CPRECIO", "10.13"},
      {"CPRECIOCAPTURADO", "10.13"},  // prices without VAT: the rounded price
      {"CDESCUENTO1", "1.0"},
      {"CNETO", "20.25"},
      {"CIMPUESTO1", "3.24"},
      {"CPORCENTAJEIMPUESTO1", "16.0"},
      {"CIMPUESTO2", "5.0"},  // kept as sent
      {"CPORCENTAJEIMPUESTO2", "8.0"},
      {"CTOTAL", "23.49"},
      {"CREFERENCIA", "Ref"},
      {"COBSERVAMOV", "Obs"},
      {"CAFECTAEXISTENCIA", "0"},
      {"CAFECTADOSALDOS", "1"},
      {"CFECHA", "2024-03-15 00:00:00.000"},
      {"CFECHAEXTRA", "2024-05-01 00:00:00.000"},
      {"CTEXTOEXTRA1", std::string(60, 'x')},  // not cut
      {"CSCMOVTO", "SC"},
      {"CMOVTOOCULTO", "0"},
      {"CTIPOTRASPASO", "0"},
      {"CTIMESTAMP", ""},
  };
  for (const auto& [columna, valor] : esperado) EXPECT_EQ(r[columna], valor) << columna;
  EXPECT_EQ(Movimientos(), 1u);
}

TEST_F(Detalle, RedondeaALosDecimalesDeLaEmpresa) {
  const struct {
    std::map<int, std::string> campos;
    std::string columna;
    std::string esperado;
  } casos[] = {
      {{{4, "2.5"}}, "CUNIDADES", "3.0"},  // halves go away from zero
      {{{4, "-2.5"}}, "CUNIDADES", "-3.0"},  {{{4, "2.4"}}, "CUNIDADES", "2.0"},
      {{{6, "-1.006"}}, "CPRECIO", "-1.01"}, {{{20, "0.994"}}, "CDESCUENTO1", "0.99"},
      {{{9, "20.257"}}, "CNETO", "20.257"},  // the net amount is written as sent
  };
  for (const auto& caso : casos) {
    const std::int32_t id = Agrega(TextoMovimiento(caso.campos));
    ASSERT_NE(id, 0) << caso.columna;
    EXPECT_EQ(Movimiento(id)[caso.columna], caso.esperado) << caso.columna << " " << caso.campos.begin()->second;
  }
}

TEST_F(Detalle, ConPreciosConIvaSoloQuedaElPrimerImpuesto) {
  Ejecuta(kBase, "update admParametros set CPRECIOSCONIVA = 1;");
  const std::int32_t id = Agrega(TextoMovimiento({{11, "0"}, {7, "11.555"}, {16, "2"}, {17, "4"}, {10, "3.247"}}));
  ASSERT_NE(id, 0);
  Registro r = Movimiento(id);
  EXPECT_EQ(r["CPORCENTAJEIMPUESTO1"], "16.0");  // the product's
  EXPECT_EQ(r["CIMPUESTO1"], "3.25");
  EXPECT_EQ(r["CPRECIOCAPTURADO"], "11.56");  // the captured price, rounded
  for (const char* cero : {"CIMPUESTO2", "CPORCENTAJEIMPUESTO2", "CRETENCION1", "CPORCENTAJERETENCION1"})
    EXPECT_EQ(r[cero], "0.0") << cero;
}

TEST_F(Detalle, ElTipoPedidoYSuEfectoEnExistencias) {
  const std::int32_t salida = Agrega(TextoMovimiento({{0, "2"}}));
  ASSERT_NE(salida, 0);
  EXPECT_EQ(Movimiento(salida)["CIDDOCUMENTODE"], "8");
  EXPECT_EQ(Movimiento(salida)["CAFECTAEXISTENCIA"], "2");
  const std::int32_t tipo34 = Agrega(TextoMovimiento({{0, "2"}}), 34);
  ASSERT_NE(tipo34, 0);
  EXPECT_EQ(Movimiento(tipo34)["CIDDOCUMENTODE"], "34");
  EXPECT_EQ(Movimiento(tipo34)["CAFECTAEXISTENCIA"], "1");
}

TEST_F(Detalle, LaConsignacionAgregaSuMovimientoOculto) {
  const std::int32_t id = m_.AgregaDetalleUM(TokenDe(2, kBase), 0, 3, 0, 0, 0, TextoMovimiento(), false, 2, 7, 4, 0);
  ASSERT_EQ(id, 1);
  Registro r = Movimiento(id);
  EXPECT_EQ(r["CIDDOCUMENTODE"], "3");
  EXPECT_EQ(r["CAFECTAEXISTENCIA"], "1");
  EXPECT_EQ(r["CIDUNIDAD"], "7");
  EXPECT_EQ(r["CUNIDADESNC"], "2.0");
  EXPECT_EQ(r["CUNIDADESNCORIGEN"], "2.0");
  EXPECT_EQ(r["CIDUNIDADNC"], "4");
  ASSERT_EQ(Movimientos(), 2u);
  Registro o = Movimiento(2);
  const Registro esperado{
      {"CIDDOCUMENTO", "0"},      {"CNUMEROMOVIMIENTO", "0.0"}, {"CIDDOCUMENTODE", "3"}, {"CIDALMACEN", "9"},
      {"CUNIDADES", "2.0"},       {"CUNIDADESNC", "0.0"},       {"CIDUNIDAD", "5"},      {"CIDUNIDADNC", "0"},
      {"CAFECTAEXISTENCIA", "1"}, {"CAFECTADOSALDOS", "0"},     {"CMOVTOOCULTO", "1"},   {"CIDMOVTOOWNER", "1"},
      {"CIDMOVTOORIGEN", "0"},    {"CUNIDADESNCORIGEN", "0.0"}, {"CTIPOTRASPASO", "3"},  {"CTOTAL", "23.49"},
  };
  for (const auto& [columna, valor] : esperado) EXPECT_EQ(o[columna], valor) << columna;
}

TEST_F(Detalle, LosTotalesDelDocumentoSonLasSumasDeSusMovimientos) {
  Ejecuta(kBase, "update admDocumentos set CTOTAL = 500, CPENDIENTE = 500, CGASTO1 = 9, CDESCUENTODOC1 = 4;");
  const std::map<int, std::string> movimiento{{4, "2"},  {9, "100"}, {10, "16"},  {12, "1"}, {14, "0.5"},
                                              {20, "5"}, {24, "2"},  {30, "120"}, {37, "2"}};
  ASSERT_NE(Agrega(TextoMovimiento(movimiento)), 0);
  Registro d = Consulta("select * from admDocumentos where CIDDOCUMENTO = 1").at(0);
  const Registro uno{{"CTOTAL", "120.0"},      {"CPENDIENTE", "120.0"},   {"CNETO", "100.0"},
                     {"CIMPUESTO1", "16.0"},   {"CIMPUESTO2", "1.0"},     {"CIMPUESTO3", "0.5"},
                     {"CDESCUENTOMOV", "7.0"}, {"CTOTALUNIDADES", "2.0"}, {"CUNIDADESPENDIENTES", "2.0"},
                     {"CGASTO1", "9.0"},       {"CDESCUENTODOC1", "4.0"}};
  for (const auto& [columna, valor] : uno) EXPECT_EQ(d[columna], valor) << columna;
  // A consignment movement's hidden partner belongs to no document: only the
  // movement itself adds up.
  ASSERT_NE(Agrega(TextoMovimiento(movimiento), 3), 0);
  d = Consulta("select * from admDocumentos where CIDDOCUMENTO = 1").at(0);
  EXPECT_EQ(d["CTOTAL"], "240.0");
  EXPECT_EQ(d["CDESCUENTOMOV"], "14.0");
  EXPECT_EQ(d["CTOTALUNIDADES"], "4.0");
  // Other documents keep their amounts.
  EXPECT_EQ(Consulta("select CTOTAL from admDocumentos where CIDDOCUMENTO = 2").at(0)["CTOTAL"], "500.0");
}

TEST_F(Detalle, SiFallanLosTotalesElMovimientoNoQueda) {
  Ejecuta(kBase, R"sql(create trigger rechaza before update on admDocumentos
                       begin select raise(abort, 'totales rechazados'); end;)sql");
  EXPECT_EQ(Agrega(TextoMovimiento()), 0);
  EXPECT_EQ(Movimientos(), 0u);
  EXPECT_NE(LeeDatoRegestry("Ultimo error ").find("No se agrego "), std::string::npos);
}

TEST_F(Detalle, ElDuplicadoDevuelveElMovimientoExistente) {
  const std::int32_t primero = Agrega(TextoMovimiento());
  ASSERT_EQ(primero, 1);
  EXPECT_EQ(Agrega(TextoMovimiento({{1, "2"}}), 0, true), primero);
  EXPECT_EQ(Movimientos(), 1u);
  // Another warehouse or document is another movement; without the check the
  // same movement is written again.
  EXPECT_GT(Agrega(TextoMovimiento({{3, "CONS"}}), 0, true), primero);
  EXPECT_GT(Agrega(TextoMovimiento({{0, "2"}}), 0, true), primero);
  EXPECT_GT(Agrega(TextoMovimiento()), primero);
  EXPECT_EQ(Movimientos(), 4u);
}

TEST_F(Detalle, ProductoVacioODesconocidoSeEscribeConProductoCero) {
  for (const char* codigo : {"", "NOEXISTE"}) {
    const std::int32_t id = Agrega(TextoMovimiento({{2, codigo}}));
    ASSERT_NE(id, 0) << codigo;
    EXPECT_EQ(Movimiento(id)["CIDPRODUCTO"], "0");
    EXPECT_EQ(Movimiento(id)["CIDUNIDAD"], "0");
  }
}

TEST_F(Detalle, SinAlmacenOConOtraCantidadDeCamposNoSeEscribeNada) {
  for (const char* almacen : {"", "NOEXISTE"}) {
    EXPECT_EQ(Agrega(TextoMovimiento({{3, almacen}})), 0) << almacen;
  }
  EXPECT_NE(LeeDatoRegestry("Ultimo error ").find("No se agrego "), std::string::npos);
  for (int campos : {51, 53}) {
    // Unlike the header text, a missing last field is not supplied.
    EXPECT_EQ(Agrega(TextoMovimiento({}, campos) + "$$"), 0) << campos;
    EXPECT_NE(LeeDatoRegestry("Ultimo error ").find("No se agrego " + TextoMovimiento({}, campos) + "/"),
              std::string::npos);
  }
  EXPECT_EQ(Movimientos(), 0u);
}

TEST_F(Detalle, DobleSignoDePesosEnLaFecha) {
  const std::int32_t id = Agrega(TextoMovimiento({{36, "2024$$03$$16"}, {32, "a$$b"}}));
  ASSERT_NE(id, 0);
  EXPECT_EQ(Movimiento(id)["CFECHA"], "2024-03-16 00:00:00.000");
  EXPECT_EQ(Movimiento(id)["CREFERENCIA"], "a/b");
}

TEST_F(Detalle, TokenRechazadoYSistemasSinMovimientosDevuelvenCero) {
  EXPECT_EQ(m_.AgregaDetalle("9999999992" + std::string(kBase), 0, 0, 0, 0, 0, TextoMovimiento()), 0);
  for (int tipo : {3, 5, 1})
    EXPECT_EQ(m_.AgregaDetalle(TokenDe(tipo, kBase), 0, 0, 0, 0, 0, TextoMovimiento()), 0) << tipo;
  EXPECT_EQ(Movimientos(), 0u);
}

TEST_F(Detalle, LosTiposDelSdkNoSeEscribenSinLaLibreria) {
  EXPECT_EQ(Agrega(TextoMovimiento({{0, "3"}})), 0);
  EXPECT_EQ(Movimientos(), 0u);
  GuardaDatoRegestry("ErrorSDK", "T");
  const std::int32_t id = Agrega(TextoMovimiento({{0, "3"}}));
  ASSERT_EQ(id, 1);
  EXPECT_EQ(Movimiento(id)["CAFECTAEXISTENCIA"], "2");
}

TEST_F(Detalle, ElTipo33SiempreAfectaInventarioYSaldos) {
  GuardaDatoRegestry("ErrorSDK", "T");
  const std::int32_t id = Agrega(TextoMovimiento({{0, "4"}, {34, "0"}, {35, "0"}, {39, "0"}}));
  ASSERT_NE(id, 0);
  Registro r = Movimiento(id);
  for (const char* uno : {"CAFECTADOSALDOS", "CAFECTADOINVENTARIO", "CTIPOTRASPASO"}) EXPECT_EQ(r[uno], "1") << uno;
  EXPECT_EQ(r["CNETO"], "20.25");  // only kind 32 takes its amounts from the cost
}

TEST_F(Detalle, SiFallaLaInsercionNoQuedaNada) {
  Ejecuta(kBase, R"sql(create trigger rechaza before insert on admMovimientos when new.CREFERENCIA = 'Falla'
                       begin select raise(abort, 'movimiento rechazado'); end;)sql");
  EXPECT_EQ(Agrega(TextoMovimiento({{32, "Falla"}})), 0);
  EXPECT_EQ(Movimientos(), 0u);
  EXPECT_EQ(Agrega(TextoMovimiento()), 1);  // no transaction was left open
}

TEST_F(Detalle, SesionesConcurrentesObtienenIdsDistintos) {
  constexpr int kHilos = 8;
  constexpr int kPorHilo = 6;
  std::vector<std::vector<std::int32_t>> ids(kHilos);
  std::vector<std::thread> hilos;
  for (int h = 0; h < kHilos; ++h) {
    hilos.emplace_back([&, h] {
      TServerMethodsSync metodos;
      for (int i = 0; i < kPorHilo; ++i) {
        std::int32_t id = -1;
        try {  // consignment: two keys per call
          id = metodos.AgregaDetalle(TokenDe(2, kBase), 0, 3, 0, 0, 0,
                                     TextoMovimiento({{1, std::to_string(h * 100 + i)}}));
        } catch (const std::exception& e) {
          ADD_FAILURE() << e.what();
        }
        ids[static_cast<std::size_t>(h)].push_back(id);
      }
    });
  }
  for (auto& hilo : hilos) hilo.join();
  std::set<std::int32_t> distintos;
  for (int h = 0; h < kHilos; ++h)
    for (int i = 0; i < kPorHilo; ++i) {
      const std::int32_t id = ids[static_cast<std::size_t>(h)][static_cast<std::size_t>(i)];
      ASSERT_GT(id, 0);
      distintos.insert(id);
      EXPECT_EQ(Movimiento(id)["CNUMEROMOVIMIENTO"], std::to_string(h * 100 + i) + ".0");
      EXPECT_EQ(Consulta("select * from admMovimientos where CIDMOVTOOWNER = " + std::to_string(id)).size(), 1u);
    }
  EXPECT_EQ(distintos.size(), static_cast<std::size_t>(kHilos * kPorHilo));
  EXPECT_EQ(Movimientos(), static_cast<std::size_t>(2 * kHilos * kPorHilo));
}

}  // namespace
}  // namespace quorvex
