// Cost history and cost layers: the cost a movement takes, the day's cost rows
// carried forward, and the layers recomputed from their movement links.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/Registro.h"
#include "tests/BaseEmpresaPrueba.h"
#include "tests/TextosDocumento.h"

namespace quorvex {
namespace {

using pruebas::MovimientoDe;
using pruebas::TokenDe;
using Registro = std::map<std::string, std::string>;

constexpr const char* kBase = "empresa";

// Product 1 (P001) has company-wide costs (warehouse 0) of 10 on 1 February
// and 12.5 on 1 March, and 7 in warehouse A01 and 3 in the consignment
// warehouse on 1 March; the rows of warehouse 0 are stored newest first, so a
// carry-forward that does not order by the stored date copies the wrong one.
// Product 2 (P002) has no cost at all. Documents: 1 a quotation (kind 1, no
// stock effect), 2 an outflow (kind 8), 3 a warehouse entry (kind 32, an SDK
// kind), 4 an outflow of the consignment kind 3. Units keep two decimals.
constexpr const char* kDatos = R"sql(
  insert into admParametros (CIDEMPRESA, CPRECIOSCONIVA, CDECIMALESUNIDADES, CDECIMALESPRECIOVENTA)
    values (1, 0, 2, 2);
  insert into admDocumentosModelo (CIDDOCUMENTODE, CAFECTAEXISTENCIA) values (1, 0), (3, 2), (8, 2), (19, 1), (32, 1);
  insert into admConceptos (CIDCONCEPTODOCUMENTO, CCODIGOCONCEPTO, CIDDOCUMENTODE, CIDALMACENCONSIGNACION) values
    (10, 'COT', 1, 0), (11, 'SAL', 8, 0), (12, 'ENT', 32, 0), (13, 'REM', 3, 9);
  insert into admDocumentos (CIDDOCUMENTO, CIDCONCEPTODOCUMENTO, CIDDOCUMENTODE) values
    (1, 10, 1), (2, 11, 8), (3, 12, 32), (4, 13, 3);
  insert into admProductos (CIDPRODUCTO, CCODIGOPRODUCTO, CIDUNIDADBASE) values (1, 'P001', 5), (2, 'P002', 6);
  insert into admAlmacenes (CIDALMACEN, CCODIGOALMACEN) values (1, 'A01'), (9, 'CONS');
  insert into admCostosHistoricos (CIDCOSTOH, CIDPRODUCTO, CIDALMACEN, CFECHACOSTOH, CCOSTOH, CULTIMOCOSTOH) values
    (1, 1, 0, '2024-03-01 00:00:00.000', 12.5, 11),
    (2, 1, 0, '2024-02-01 00:00:00.000', 10, 9),
    (3, 1, 1, '2024-03-01 00:00:00.000', 7, 7),
    (4, 1, 9, '2024-03-01 00:00:00.000', 3, 3);
)sql";

class Costos : public pruebas::ConBaseEmpresa {
 protected:
  void SetUp() override {
    ConBaseEmpresa::SetUp();
    NuevaBase(kBase);
  }

  // A fresh company database, used from then on.
  void NuevaBase(const std::string& base) {
    base_ = base;
    Crea(base_, "comercial", kDatos);
  }

  std::int32_t Agrega(const std::string& datos, std::int32_t tipo = 0) {
    return m_.AgregaDetalle(TokenDe(2, base_), 0, tipo, 0, 0, 0, datos);
  }

  std::vector<Registro> Consulta(const std::string& sql) { return ConBaseEmpresa::Consulta(base_, sql); }

  // "warehouse date cost" of every history row of a product, in key order.
  std::vector<std::string> Historia(int producto) {
    std::vector<std::string> filas;
    for (auto& r : Consulta("select * from admCostosHistoricos where CIDPRODUCTO = " + std::to_string(producto) +
                            " order by CIDCOSTOH"))
      filas.push_back(r["CIDALMACEN"] + " " + r["CFECHACOSTOH"].substr(0, 10) + " " + r["CCOSTOH"]);
    return filas;
  }

  Registro Movimiento(std::int32_t id) {
    auto filas = Consulta("select * from admMovimientos where CIDMOVIMIENTO = " + std::to_string(id));
    EXPECT_EQ(filas.size(), 1u) << "movimiento " << id;
    return filas.empty() ? Registro{} : filas[0];
  }

  std::string base_;
};

using Filas = std::vector<std::string>;
const Filas kHistoriaInicial{"0 2024-03-01 12.5", "0 2024-02-01 10.0", "1 2024-03-01 7.0", "9 2024-03-01 3.0"};

Filas Mas(Filas h, const Filas& nuevas) {
  h.insert(h.end(), nuevas.begin(), nuevas.end());
  return h;
}

TEST_F(Costos, ElMovimientoTomaElCostoDelDiaYLoArrastra) {
  const struct {
    const char* caso;
    int documento;
    std::string unidades;
    std::string fecha;
    std::string costo;  // CCOSTOESPECIFICO
    Filas historia;
  } casos[] = {
      // The company-wide cost of 1 March times the units as sent (before
      // rounding to two decimals); the outflow also makes sure of the
      // warehouse's own row for the day, carried from its latest earlier one.
      {"salida", 2, "4.004", "2024-03-15", "50.05", Mas(kHistoriaInicial, {"0 2024-03-15 12.5", "1 2024-03-15 7.0"})},
      // No stock effect: only the company-wide row is carried.
      {"sin efecto", 1, "2", "2024-03-15", "25.0", Mas(kHistoriaInicial, {"0 2024-03-15 12.5"})},
      // A day that has its row reads it and adds nothing.
      {"dia con fila", 2, "2", "2024-03-01", "25.0", kHistoriaInicial},
      // Between the two company-wide rows: the latest earlier one (February).
      {"entre fechas", 1, "1", "2024-02-20", "10.0", Mas(kHistoriaInicial, {"0 2024-02-20 10.0"})},
      // Before any cost: cost 0 and no row.
      {"sin costo previo", 2, "1", "2024-01-15", "0.0", kHistoriaInicial},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.caso);
    NuevaBase("empresa" + std::to_string(&c - casos));
    const std::int32_t id = Agrega(MovimientoDe(c.documento, "P001", "A01", c.unidades, c.fecha));
    ASSERT_NE(id, 0);
    EXPECT_EQ(Movimiento(id)["CCOSTOESPECIFICO"], c.costo);
    EXPECT_EQ(Historia(1), c.historia);
  }
}

TEST_F(Costos, UnSegundoMovimientoDelMismoDiaNoAgregaFilas) {
  ASSERT_NE(Agrega(MovimientoDe(2, "P001", "A01", "1")), 0);
  const Filas despuesDelPrimero = Historia(1);
  const std::int32_t segundo = Agrega(MovimientoDe(2, "P001", "A01", "3"));
  ASSERT_NE(segundo, 0);
  EXPECT_EQ(Movimiento(segundo)["CCOSTOESPECIFICO"], "37.5");
  EXPECT_EQ(Historia(1), despuesDelPrimero);
}

TEST_F(Costos, ProductoSinCostoOSinCodigo) {
  for (const char* producto : {"P002", "", "NOEXISTE"}) {
    SCOPED_TRACE(producto);
    const std::int32_t id = Agrega(MovimientoDe(2, producto, "A01", "5"));
    ASSERT_NE(id, 0);
    EXPECT_EQ(Movimiento(id)["CCOSTOESPECIFICO"], "0.0");
  }
  EXPECT_TRUE(Historia(2).empty());
  EXPECT_TRUE(Historia(0).empty());
}

TEST_F(Costos, LaEntradaAlAlmacenSinCostoCapturadoTomaElDeLaHistoria) {
  GuardaDatoRegestry("ErrorSDK", "T");  // kind 32 is otherwise added through the SDK
  Ejecuta(kBase,
          "insert into admCostosHistoricos (CIDCOSTOH, CIDPRODUCTO, CIDALMACEN, CFECHACOSTOH, CCOSTOH) "
          "values (5, 2, 0, '2024-03-01 00:00:00.000', 2.5)");
  const std::int32_t id = Agrega(MovimientoDe(3, "P002", "A01", "4"));
  ASSERT_NE(id, 0);
  Registro r = Movimiento(id);
  EXPECT_EQ(r["CCOSTOCAPTURADO"], "2.5");
  EXPECT_EQ(r["CNETO"], "10.0");
  EXPECT_EQ(r["CTOTAL"], "10.0");
  EXPECT_EQ(r["CCOSTOESPECIFICO"], "10.0");
}

TEST_F(Costos, LaConsignacionTambienArrastraElCostoDelAlmacenDeConsignacion) {
  GuardaDatoRegestry("ErrorSDK", "T");
  ASSERT_NE(Agrega(MovimientoDe(4, "P001", "A01", "2"), 3), 0);
  EXPECT_EQ(Historia(1), Mas(kHistoriaInicial, {"0 2024-03-15 12.5", "1 2024-03-15 7.0", "9 2024-03-15 3.0"}));
}

TEST_F(Costos, UnMovimientoRechazadoNoDejaFilasDeCosto) {
  // An unknown warehouse refuses the movement after its cost was read.
  EXPECT_EQ(Agrega(MovimientoDe(2, "P001", "NOEXISTE", "1")), 0);
  EXPECT_EQ(Historia(1), kHistoriaInicial);
  EXPECT_TRUE(Consulta("select * from admMovimientos").empty());
}

// Layer 1 starts with stock 99 and cost 1; movement 100 is an inflow of kind
// 32 costing 50, 101 an outflow of kind 8, 102 an inflow of kind 19 costing 0.
constexpr const char* kCapas = R"sql(
  insert into admCapasProducto (CIDCAPA, CIDPRODUCTO, CEXISTENCIA, CCOSTO) values (1, 1, 99, 1), (2, 1, 5, 4);
  insert into admMovimientos (CIDMOVIMIENTO, CIDDOCUMENTODE, CAFECTAEXISTENCIA, CCOSTOESPECIFICO) values
    (100, 32, 1, 50), (101, 8, 2, 0), (102, 19, 1, 0);
)sql";

class Capas : public Costos {
 protected:
  void SetUp() override {
    Costos::SetUp();
    Ejecuta(kBase, kCapas);
  }

  std::int32_t AgregaCapa(std::int32_t movimiento, std::int32_t capa, double unidades, const std::string& producto = "P001",
                          const std::string& token = TokenDe(2, kBase)) {
    return m_.AgregaCapa(token, movimiento, capa, 2, producto, db::FechaHora{}, unidades);
  }

  std::string Capa(int id, const char* columna) {
    return Consulta("select * from admCapasProducto where CIDCAPA = " + std::to_string(id)).at(0).at(columna);
  }
};

TEST_F(Capas, LaCapaSeRecalculaConSusVinculos) {
  EXPECT_EQ(AgregaCapa(100, 1, 10), 1);
  EXPECT_EQ(Capa(1, "CEXISTENCIA"), "10.0");
  EXPECT_EQ(Capa(1, "CCOSTO"), "5.0");  // 50 over the 10 units of kinds 32 and 19
  EXPECT_EQ(AgregaCapa(101, 1, 4), 1);
  EXPECT_EQ(Capa(1, "CEXISTENCIA"), "6.0");
  EXPECT_EQ(Capa(1, "CCOSTO"), "5.0");  // the outflow's kind does not count for the cost
  EXPECT_EQ(Capa(2, "CEXISTENCIA"), "5.0") << "other layers stay";

  auto vinculos = Consulta("select * from admMovimientosCapas order by CIDAUTOINCSQL");
  ASSERT_EQ(vinculos.size(), 2u);
  EXPECT_EQ(vinculos[1]["CIDMOVIMIENTO"], "101");
  EXPECT_EQ(vinculos[1]["CIDCAPA"], "1");
  EXPECT_EQ(vinculos[1]["CUNIDADES"], "4.0");
  EXPECT_EQ(vinculos[1]["CTIPOCAPA"], "2");
  EXPECT_EQ(vinculos[1]["CIDUNIDAD"], "5");  // the product's base unit
}

TEST_F(Capas, ProductoDesconocidoSeVinculaConUnidadCero) {
  EXPECT_EQ(AgregaCapa(100, 1, 10, "NOEXISTE"), 1);
  EXPECT_EQ(Consulta("select * from admMovimientosCapas").at(0).at("CIDUNIDAD"), "0");
}

TEST_F(Capas, TokenRechazadoNoEscribeNada) {
  EXPECT_EQ(AgregaCapa(100, 1, 10, "P001", "9999999992empresa"), 0);
  EXPECT_TRUE(Consulta("select * from admMovimientosCapas").empty());
  EXPECT_EQ(Capa(1, "CEXISTENCIA"), "99.0");
}

TEST_F(Capas, UnVinculoQueFallaSigueDandoUno) {
  Ejecuta(kBase,
          "create trigger sin_vinculos before insert on admMovimientosCapas "
          "begin select raise(abort, 'vinculo rechazado'); end");
  EXPECT_EQ(AgregaCapa(100, 1, 10), 1);
  // No links: the layer keeps its values.
  EXPECT_EQ(Capa(1, "CEXISTENCIA"), "99.0");
  EXPECT_EQ(Capa(1, "CCOSTO"), "1.0");
}

TEST_F(Capas, UnCostoSinUnidadesConservaElCostoAnterior) {
  // Links of kinds 32 and 19 whose units add up to 0: the cost cannot be computed.
  EXPECT_EQ(AgregaCapa(100, 1, 5), 1);
  EXPECT_EQ(AgregaCapa(102, 1, -5), 1);
  EXPECT_EQ(Capa(1, "CCOSTO"), "10.0") << "the cost of the first link alone";
}

}  // namespace
}  // namespace quorvex
