#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/Registro.h"
#include "core/SyncServermethods.h"
#include "core/Token.h"
#include "db/Esquemas.h"
#include "tests/BaseSqlitePrueba.h"
#include "tests/DirectorioTemporal.h"

namespace quorvex {
namespace {

using Tabla = std::vector<std::vector<std::string>>;
using Lista = std::vector<std::string>;

std::string Celda(db::Cursor& c, int i) { return c.Tipo(i) == db::TipoDato::Nulo ? "NULL" : std::string(c.Texto(i)); }

// Every row as texts, sorted: the statements have no order.
Tabla Filas(const DataSet& datos) {
  Tabla filas;
  db::Cursor& c = datos->Filas();
  while (c.Siguiente()) {
    auto& fila = filas.emplace_back();
    for (int i = 0; i < static_cast<int>(c.Columnas().size()); ++i) fila.push_back(Celda(c, i));
  }
  std::sort(filas.begin(), filas.end());
  return filas;
}

// The named columns of every row, joined by "|", sorted.
Lista Claves(const DataSet& datos, std::initializer_list<std::string_view> columnas) {
  db::Cursor& c = datos->Filas();
  std::vector<int> indices;
  for (auto nombre : columnas) {
    const auto& todas = c.Columnas();
    auto it = std::find_if(todas.begin(), todas.end(), [&](const db::Columna& col) { return col.nombre == nombre; });
    if (it == todas.end()) {
      ADD_FAILURE() << "no hay columna " << nombre;
      return {};
    }
    indices.push_back(static_cast<int>(it - todas.begin()));
  }
  Lista claves;
  while (c.Siguiente()) {
    std::string clave;
    for (int i : indices) clave += (clave.empty() ? "" : "|") + Celda(c, i);
    claves.push_back(clave);
  }
  std::sort(claves.begin(), claves.end());
  return claves;
}

Lista Nombres(const DataSet& datos) {
  Lista nombres;
  for (const auto& c : datos->Filas().Columnas()) nombres.push_back(c.nombre);
  return nombres;
}

// The column lists of the stock listings, as callers read them.
const Lista kColumnasExistencia{"CIDPRODUCTO", "CIDALMACEN",     "CCODIGOALMACEN", "CNOMBREALMACEN",
                                "Exitencia",   "codigoproducto", "descripcion"};
const Lista kColumnasExistenciaPro{"OwnedBusinessEntityID", "CIDPRODUCTO",    "CIDALMACEN",
                                   "CCODIGOALMACEN",        "CNOMBREALMACEN", "Exitencia",
                                   "codigoproducto",        "descripcion",    "Disponible"};
const Lista kColumnasCapa{"CIDALMACEN",        "CIDPRODUCTO", "CCODIGOALMACEN",  "CNOMBREALMACEN", "codigoproducto",
                          "descripcion",       "CNUMEROLOTE", "CPEDIMENTO",      "CNUMEROSERIE",   "CEXISTENCIA",
                          "CIDCAPA",           "CIDSERIE",    "ctipocapa",       "CFECHA",         "CFECHACADUCIDAD",
                          "CFECHAFABRICACION", "CADUANA",     "CFECHAPEDIMENTO", "CTIPOCAMBIO",    "CCOSTO",
                          "CNUMADUANA",        "CCLAVESAT"};
const Lista kColumnasCapaPro{"OwnedBusinessEntityID",
                             "CIDCaracteristica",
                             "CIDALMACEN",
                             "CCODIGOALMACEN",
                             "CNOMBREALMACEN",
                             "Exitencia",
                             "codigoproducto",
                             "descripcion",
                             "Disponible",
                             "CIDVALORCARACTERISTICA1",
                             "CIDVALORCARACTERISTICA2",
                             "CIDVALORCARACTERISTICA3",
                             "CVALORCARACTERISTICA1",
                             "CNEMOCARACTERISTICA1",
                             "CVALORCARACTERISTICA2",
                             "CNEMOCARACTERISTICA2",
                             "CVALORCARACTERISTICA3",
                             "CNEMOCARACTERISTICA3",
                             "CIDPRODUCTO"};
const Lista kColumnasCaracteristica{"CIDCaracteristica",
                                    "CIDALMACEN",
                                    "CCODIGOALMACEN",
                                    "CNOMBREALMACEN",
                                    "Exitencia",
                                    "codigoproducto",
                                    "descripcion",
                                    "CIDVALORCARACTERISTICA1",
                                    "CIDVALORCARACTERISTICA2",
                                    "CIDVALORCARACTERISTICA3",
                                    "CVALORCARACTERISTICA1",
                                    "CNEMOCARACTERISTICA1",
                                    "CVALORCARACTERISTICA2",
                                    "CNEMOCARACTERISTICA2",
                                    "CVALORCARACTERISTICA3",
                                    "CNEMOCARACTERISTICA3",
                                    "CIDPRODUCTO"};
const Lista kColumnasPaquete{"CIDPRODUCTO",    "CIDALMACEN",  "CCODIGOALMACEN", "CNOMBREALMACEN",   "Exitencia",
                             "codigoproducto", "descripcion", "IdComponente",   "CodigoComponente", "NombreComponente"};

// Comercial Premium: product 1 moves in both warehouses (with movements that
// must not count: not applied to inventory, without stock effect, in a
// cancelled document), product 2 only in a cancelled document, product 3 has
// a quote in its code, 4 is a package, 5 has characteristics (details 501 and
// 502), 6 has lots and serial numbers.
constexpr const char* kComercial = R"sql(
insert into admAlmacenes (CIDALMACEN, CCODIGOALMACEN, CNOMBREALMACEN) values (1, 'A1', 'Central'), (2, 'A2', 'Norte');
insert into admProductos (CIDPRODUCTO, CCODIGOPRODUCTO, CNOMBREPRODUCTO, CTIPOPRODUCTO, CCODALTERN) values
  (1, 'P1', 'Tornillo', 1, 'ALT-1'), (2, 'P2', 'Tuerca', 1, ''), (3, 'O''Neil', 'Clavo', 1, ''),
  (4, 'K1', 'Kit', 2, 'KALT'), (5, 'C1', 'Camisa', 1, ''), (6, 'L1', 'Lote', 1, '');
insert into admDocumentos (CIDDOCUMENTO, CCANCELADO) values (1, 0), (2, 1);
insert into admMovimientos (CIDMOVIMIENTO, CIDDOCUMENTO, CIDPRODUCTO, CIDALMACEN, CUNIDADES, CAFECTAEXISTENCIA,
                            CAFECTADOINVENTARIO, CIDMOVTOOWNER) values
  (1, 1, 1, 1, 10, 1, 1, 0), (2, 1, 1, 1, 3, 2, 1, 0), (3, 1, 1, 2, 4, 1, 1, 0),
  (4, 1, 1, 1, 100, 1, 0, 0), (5, 1, 1, 1, 50, 0, 1, 0), (6, 2, 1, 1, 1000, 1, 1, 0),
  (7, 2, 2, 1, 5, 1, 1, 0), (8, 1, 3, 1, 2, 1, 1, 0),
  (20, 1, 5, 1, 5, 1, 1, 0), (21, 0, 501, 1, 3, 1, 0, 20), (22, 0, 502, 1, 2, 1, 1, 20),
  (25, 0, 501, 1, 1, 2, 1, 20), (23, 2, 5, 1, 100, 1, 1, 0), (24, 0, 501, 1, 100, 1, 1, 23);
insert into admComponentesPaquete (CIDPAQUETE, CIDPRODUCTO, CCANTIDADPRODUCTO) values (4, 1, 2), (4, 3, 0);
insert into admCaracteristicasValores (CIDVALORCARACTERISTICA, CIDPADRECARACTERISTICA, CVALORCARACTERISTICA,
                                       CNEMOCARACTERISTICA) values
  (0, -1, '(Ninguno)', ''), (11, 1, 'Chica', 'CH'), (12, 1, 'Grande', 'GR'), (21, 2, 'Rojo', 'RO');
insert into admProductosDetalles values (501, 5, 11, 21, 0), (502, 5, 12, 21, 0);
insert into admCapasProducto (CIDCAPA, CIDALMACEN, CIDPRODUCTO, CFECHA, CTIPOCAPA, CNUMEROLOTE, CFECHACADUCIDAD,
                              CPEDIMENTO, CEXISTENCIA, CCOSTO, CCLAVESAT) values
  (1, 1, 6, '2024-01-10', 1, 'LA', '2026-01-01', '', 5, 12.5, 'SAT-L'),
  (2, 2, 6, '2024-02-10', 2, 'LB', NULL, 'PED-9', 3, 0, ''),
  (3, 1, 6, '2024-03-10', 1, 'LC', NULL, '', 0, 0, '');
insert into admNumerosSerie (CIDSERIE, CIDPRODUCTO, CNUMEROSERIE, CESTADO, CIDALMACEN, CNUMEROLOTE, CFECHACADUCIDAD,
                             CCOSTO, CCLAVESAT) values
  (1, 6, 'S-1', 1, 1, 'LA', '2025-05-01', 7, 'SAT-S'), (2, 6, 'S-2', 7, 1, '', NULL, 0, ''),
  (3, 6, 'S''3', 1, 2, '', NULL, 0, '');
)sql";

// AdminPAQ: the current fiscal year is 2; a row of year 1 and one of stock
// kind 2 must not count.
constexpr const char* kAdminpaq = R"sql(
insert into MGW10000 (CIDEMPRESA, CIDEJERC01) values (1, 2);
insert into MGW10003 (CIDALMACEN, CCODIGOA01, CNOMBREA01) values (1, 'A1', 'Central');
insert into MGW10005 (CIDPRODU01, CCODIGOP01, CNOMBREP01, CCODALTERN) values (1, 'P1', 'Tornillo', 'ALT-1'),
  (2, 'P2', 'Tuerca', '');
insert into MGW10030 values (2, 1, 1, 1, 10, 4), (1, 1, 1, 1, 99, 0), (2, 1, 1, 2, 50, 0), (2, 1, 2, 1, 3, 1);
)sql";

constexpr const char* kSap = R"sql(
insert into OITM (DocEntry, ItemCode, ItemName, OnHand) values (1, 'I1', 'Item uno', 9), (2, 'I2', 'Item dos', 4);
insert into OITW (ItemCode, WhsCode) values ('I1', 'W1'), ('I1', 'W2'), ('I2', 'W1');
insert into OWHS (WhsCode, WhsName) values ('W1', 'Bodega 1'), ('W2', 'Bodega 2');
insert into Ids001 values (10, 'W1', 'Almacenes'), (20, 'W2', 'Almacenes');
)sql";

// Comercial Pro: product 1 is a matrix product in depot 1 (sizes M and G);
// kardex rows that are cancelled, of a cancelled or deleted document or item,
// or of another business entity must not count; product 2 is a service;
// product 3 lies in a consignment depot and in no depot at all.
constexpr const char* kComercialPro = R"sql(
insert into orgDepot (DepotID, DepotName, DepotTypeID) values (1, 'Matriz', 1), (2, 'Consigna', 8);
insert into orgProduct (ProductID, ProductKey, ProductName, ProductTypeID, ProductIsMatrix) values
  (1, 'PK1', 'Playera', 1, 1), (2, 'SV', 'Servicio', 4, 0), (3, 'PK3', 'Gorra', 1, 0);
insert into docDocument (DocumentID, OwnedBusinessEntityID, DeletedOn, CancelledOn) values
  (1, 1, NULL, NULL), (2, 1, NULL, '2024-01-01'), (3, 1, '2024-01-01', NULL), (4, 2, NULL, NULL);
insert into docDocumentItem (DocumentItemID, DocumentID, MatrixKey1, MatrixKey2, DeletedOn) values
  (1, 1, 'M', 'Rojo', NULL), (2, 1, 'G', 'Rojo', NULL), (3, 1, '', '', NULL), (4, 1, 'M', 'Rojo', '2024-01-01'),
  (5, 2, 'M', 'Rojo', NULL), (6, 3, 'M', 'Rojo', NULL), (7, 4, 'M', 'Rojo', NULL);
insert into orgProductKardex (ProductKardexID, ProductID, DepotID, DocumentID, DocumentItemID, DocRecipientID, Quantity,
                              QuantityToBeDelivered, Cancelled) values
  (1, 1, 1, 1, 1, 2, 10, 0, 0), (2, 1, 1, 1, 2, 1, -3, 2, 0), (3, 1, 1, 1, 1, 3, 0, 1, 0),
  (4, 1, 1, 1, 1, 2, 100, 0, 1), (5, 1, 1, 2, 5, 2, 100, 0, 0), (6, 1, 1, 3, 6, 2, 100, 0, 0),
  (7, 1, 1, 1, 4, 2, 100, 0, 0), (8, 1, 1, 4, 7, 2, 100, 0, 0), (9, 2, 1, 1, 3, 2, 5, 0, 0),
  (10, 3, 2, 1, 3, 1, 4, -2, 0), (11, 3, NULL, 1, 3, 2, 7, 0, 0);
)sql";

class Existencias : public pruebas::ConDirectorioTemporal {
 protected:
  // The listings only read: the four databases are made once for the suite.
  static void SetUpTestSuite() {
    datos_ = std::make_unique<prueba::CarpetaTemporal>();
    Crea("adPrueba", "comercial", kComercial);
    Crea("apPrueba", "adminpaq", kAdminpaq);
    Crea("sapPrueba", "sap", kSap);
    Crea("proPrueba", "comercialpro", kComercialPro);
  }
  static void TearDownTestSuite() { datos_.reset(); }

  static void Crea(const std::string& base, const char* esquema, const char* datos) {
    const auto archivo = *datos_ / (base + ".db");
    db::CreaBaseDatos(archivo, esquema);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(archivo.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, datos, nullptr, nullptr, &error);
    const std::string mensaje = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << mensaje;
  }

  void SetUp() override {
    TokenAcceso::Global().Fija("111111111", "222222222");
    GuardaDatoRegestry("Provider", "SQLite");
    GuardaDatoRegestry("ServidorDB", datos_->ruta().string());
  }

  DataSet Producto(const std::string& token, const std::string& id = "", const std::string& almacen = "",
                   const std::string& codigo = "", const std::string& alterno = "") {
    return m_.GetExitenciaProducto(token, id, almacen, codigo, alterno);
  }

  // Every filter empty unless named.
  struct FiltrosCapa {
    std::string id{}, almacen{}, codigo{}, lote{}, pedimento{}, serie{}, capa{}, idSerie{};
  };
  DataSet Capa(const std::string& token, const FiltrosCapa& f) {
    return m_.GetExitenciaProductoCapa(token, f.id, f.almacen, f.codigo, f.lote, f.pedimento, f.serie, f.capa,
                                       f.idSerie);
  }

  struct FiltrosCaracteristica {
    std::string id{}, almacen{}, codigo{}, alterno{}, caracteristica{}, valor1{}, valor2{}, valor3{};
  };
  DataSet Caracteristica(const std::string& token, const FiltrosCaracteristica& f) {
    return m_.GetExitenciaCaracteristica(token, f.id, f.almacen, f.codigo, f.alterno, f.caracteristica, f.valor1,
                                         f.valor2, f.valor3);
  }

  DataSet Paquete(const std::string& token, const std::string& id = "", const std::string& almacen = "",
                  const std::string& codigo = "", const std::string& alterno = "") {
    return m_.GetExitenciaPaquete(token, id, almacen, codigo, alterno);
  }

  static inline std::unique_ptr<prueba::CarpetaTemporal> datos_;
  TServerMethodsSync m_;
  const std::string adminpaq_ = "1111111111apPrueba";
  const std::string comercial_ = "1111111112adPrueba";
  const std::string sap_ = "1111111113sapPrueba";
  const std::string pro_ = "1111111115proPrueba";
};

TEST_F(Existencias, ColumnasYSuOrdenPorSistema) {
  struct Caso {
    const char* nombre;
    std::function<DataSet()> llamada;
    const Lista& columnas;
  };
  const Caso casos[] = {
      {"Producto AdminPAQ", [&] { return Producto(adminpaq_); }, kColumnasExistencia},
      {"Producto Comercial", [&] { return Producto(comercial_); }, kColumnasExistencia},
      {"Producto SAP", [&] { return Producto(sap_); }, kColumnasExistencia},
      {"Producto Comercial Pro", [&] { return Producto(pro_); }, kColumnasExistenciaPro},
      {"Capa Comercial", [&] { return Capa(comercial_, {}); }, kColumnasCapa},
      {"Capa Comercial Pro", [&] { return Capa(pro_, {}); }, kColumnasCapaPro},
      {"Caracteristica", [&] { return Caracteristica(comercial_, {}); }, kColumnasCaracteristica},
      {"Paquete", [&] { return Paquete(comercial_); }, kColumnasPaquete},
  };
  for (const auto& caso : casos) {
    DataSet r = caso.llamada();
    ASSERT_NE(r, nullptr) << caso.nombre;
    EXPECT_EQ(Nombres(r), caso.columnas) << caso.nombre;
    EXPECT_FALSE(Filas(r).empty()) << caso.nombre;
  }
}

TEST_F(Existencias, ComercialSumaMovimientosDeDocumentosVigentes) {
  // Product 1 in warehouse 1: 10 in, 3 out; the movement not applied to
  // inventory, the one without stock effect and the cancelled one do not
  // count. Product 2 moved only in a cancelled document.
  EXPECT_EQ(Filas(Producto(comercial_)), (Tabla{
                                             {"1", "1", "A1", "Central", "7.0", "P1", "Tornillo"},
                                             {"1", "2", "A2", "Norte", "4.0", "P1", "Tornillo"},
                                             {"3", "1", "A1", "Central", "2.0", "O'Neil", "Clavo"},
                                             {"5", "1", "A1", "Central", "5.0", "C1", "Camisa"},
                                         }));
}

TEST_F(Existencias, ComercialFiltrosDeProducto) {
  struct Caso {
    std::string id, almacen, codigo, alterno;
    Lista esperado;  // CIDPRODUCTO|CIDALMACEN
  };
  const Caso casos[] = {
      {"1", "", "", "", {"1|1", "1|2"}},     {"", "2", "", "", {"1|2"}},         {"", "", "P1", "", {"1|1", "1|2"}},
      {"", "", "", "ALT-1", {"1|1", "1|2"}}, {"1", "1", "P1", "ALT-1", {"1|1"}}, {"", "", "P1", "otro", {}},
      {"", "", "O'Neil", "", {"3|1"}},       {"", "", "x' or '1'='1", "", {}},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(Claves(Producto(comercial_, c.id, c.almacen, c.codigo, c.alterno), {"CIDPRODUCTO", "CIDALMACEN"}),
              c.esperado)
        << c.id << "/" << c.almacen << "/" << c.codigo << "/" << c.alterno;
  }
}

TEST_F(Existencias, AdminpaqLeeElEjercicioActualYLaExistenciaEnUnidades) {
  EXPECT_EQ(Filas(Producto(adminpaq_)), (Tabla{
                                            {"1", "1", "A1", "Central", "6.0", "P1", "Tornillo"},
                                            {"2", "1", "A1", "Central", "2.0", "P2", "Tuerca"},
                                        }));
  EXPECT_EQ(Claves(Producto(adminpaq_, "", "", "", "ALT-1"), {"CIDPRODUCTO"}), Lista{"1"});
  EXPECT_EQ(Claves(Producto(adminpaq_, "2", "1", "P2"), {"CIDPRODUCTO"}), Lista{"2"});
}

TEST_F(Existencias, SapIgnoraElCodigoAlternoYFiltraPorElIdDelAlmacen) {
  EXPECT_EQ(Filas(Producto(sap_, "", "", "", "no existe")), (Tabla{
                                                                {"1", "10", "W1", "Bodega 1", "9.0", "I1", "Item uno"},
                                                                {"1", "20", "W2", "Bodega 2", "9.0", "I1", "Item uno"},
                                                                {"2", "10", "W1", "Bodega 1", "4.0", "I2", "Item dos"},
                                                            }));
  EXPECT_EQ(Claves(Producto(sap_, "", "20"), {"CIDPRODUCTO", "CIDALMACEN"}), Lista{"1|20"});
  EXPECT_EQ(Claves(Producto(sap_, "2", "", "I2"), {"CIDPRODUCTO", "CIDALMACEN"}), Lista{"2|10"});
}

TEST_F(Existencias, ComercialProSumaElKardexVigenteYCalculaLoDisponible) {
  // Depot 1: 10 - 3 on hand, 2 still owed to a customer, 1 held internally.
  // The consignment depot gives back what a customer is owed; a row without
  // depot reads "Sin sucursal".
  EXPECT_EQ(Filas(Producto(pro_)), (Tabla{
                                       {"1", "1", "1", "", "Matriz", "7.0", "PK1", "Playera", "6.0"},
                                       {"1", "3", "2", "", "Consigna", "4.0", "PK3", "Gorra", "6.0"},
                                       {"1", "3", "NULL", "", "Sin sucursal", "7.0", "PK3", "Gorra", "7.0"},
                                   }));
  EXPECT_EQ(Claves(Producto(pro_, "3", "2"), {"CIDPRODUCTO", "CIDALMACEN"}), Lista{"3|2"});
  EXPECT_EQ(Claves(Producto(pro_, "", "", "PK1"), {"CIDPRODUCTO"}), Lista{"1"});
  EXPECT_EQ(Claves(Producto(pro_, "", "", "", "PK3"), {"CIDPRODUCTO"}), (Lista{"3", "3"}));
}

TEST_F(Existencias, CapaDeComercialUneLotesYSeries) {
  EXPECT_EQ(Filas(Capa(comercial_, {.capa = "1"})),
            (Tabla{{"1", "6", "A1",         "Central",    "L1",   "Lote", "LA",   "",    "",     "5.0", "1",
                    "0", "1", "2024-01-10", "2026-01-01", "NULL", "",     "NULL", "1.0", "12.5", "",    "SAT-L"}}));
  // A serial number is one unit of layer kind 1 dated on its expiry.
  EXPECT_EQ(Filas(Capa(comercial_, {.idSerie = "1"})),
            (Tabla{{"1", "6", "A1",         "Central",    "L1",   "Lote", "LA",   "",    "S-1", "1", "0",
                    "1", "1", "2025-05-01", "2025-05-01", "NULL", "",     "NULL", "1.0", "7.0", "",  "SAT-S"}}));
}

TEST_F(Existencias, CapaDeComercialFiltraCadaMitad) {
  struct Caso {
    const char* nombre;
    FiltrosCapa filtros;
    Lista esperado;  // CIDCAPA|CIDSERIE
  };
  const Caso casos[] = {
      {"sin filtros: capas con existencia y series en almacén", {}, {"0|1", "0|3", "1|0", "2|0"}},
      {"número de serie: sólo series", {.serie = "S-1"}, {"0|1"}},
      {"número de serie con comilla", {.serie = "S'3"}, {"0|3"}},
      {"número de serie igual a un lote: nada", {.serie = "LA"}, {}},
      {"id de capa: sólo capas", {.capa = "2"}, {"2|0"}},
      {"id de serie: sólo series", {.idSerie = "3"}, {"0|3"}},
      {"capa y serie a la vez: nada", {.capa = "1", .idSerie = "1"}, {}},
      {"capa 0: nada", {.capa = "0"}, {}},
      {"lote en ambas mitades", {.lote = "LA"}, {"0|1", "1|0"}},
      {"pedimento", {.pedimento = "PED-9"}, {"2|0"}},
      {"almacén", {.almacen = "2"}, {"0|3", "2|0"}},
      {"producto y código", {.id = "6", .codigo = "L1"}, {"0|1", "0|3", "1|0", "2|0"}},
      {"otro producto", {.id = "1"}, {}},
  };
  for (const auto& c : casos)
    EXPECT_EQ(Claves(Capa(comercial_, c.filtros), {"CIDCAPA", "CIDSERIE"}), c.esperado) << c.nombre;
}

TEST_F(Existencias, CapaDeComercialProPorMatrizSinCapasNiSeries) {
  EXPECT_EQ(Filas(Capa(pro_, {})), (Tabla{
                                       {"1", "0", "1", "", "Matriz", "-3.0", "PK1", "Playera", "-5.0", "0", "0", "0",
                                        "G", "", "Rojo", "", "", "", "1"},
                                       {"1", "0", "1", "", "Matriz", "10.0", "PK1", "Playera", "11.0", "0", "0", "0",
                                        "M", "", "Rojo", "", "", "", "1"},
                                   }));
  EXPECT_EQ(Claves(Capa(pro_, {.id = "1", .codigo = "PK1"}), {"CVALORCARACTERISTICA1"}), (Lista{"G", "M"}));
  EXPECT_EQ(Claves(Capa(pro_, {.codigo = "PK3"}), {"CIDPRODUCTO"}), Lista{}) << "not a matrix product";
  for (const FiltrosCapa& f : {FiltrosCapa{.lote = "M"}, FiltrosCapa{.pedimento = "x"}, FiltrosCapa{.serie = "x"},
                               FiltrosCapa{.capa = "1"}, FiltrosCapa{.idSerie = "1"}})
    EXPECT_EQ(Claves(Capa(pro_, f), {"CIDPRODUCTO"}), Lista{});
}

TEST_F(Existencias, CaracteristicaSumaLosDetallesSinMirarLaAfectacionDeInventario) {
  // Detail 501: 3 in (a movement not applied to inventory still counts), 1
  // out; the 100 whose owner movement is in a cancelled document do not.
  EXPECT_EQ(Filas(Caracteristica(comercial_, {})), (Tabla{
                                                       {"501", "1", "A1", "Central", "2.0", "C1", "Camisa", "11", "21",
                                                        "0", "Chica", "CH", "Rojo", "RO", "(Ninguno)", "", "5"},
                                                       {"502", "1", "A1", "Central", "2.0", "C1", "Camisa", "12", "21",
                                                        "0", "Grande", "GR", "Rojo", "RO", "(Ninguno)", "", "5"},
                                                   }));
}

TEST_F(Existencias, CaracteristicaFiltros) {
  struct Caso {
    const char* nombre;
    FiltrosCaracteristica filtros;
    Lista esperado;  // CIDCaracteristica
  };
  const Caso casos[] = {
      {"producto padre", {.id = "5"}, {"501", "502"}},
      {"producto de detalle no es padre", {.id = "501"}, {}},
      {"almacén sin movimientos", {.almacen = "2"}, {}},
      {"característica", {.caracteristica = "502"}, {"502"}},
      {"valor 1", {.valor1 = "12"}, {"502"}},
      {"valor 2", {.valor2 = "21"}, {"501", "502"}},
      {"valor 3", {.valor3 = "1"}, {}},
      {"código", {.codigo = "C1"}, {"501", "502"}},
      {"código alterno compara el código", {.alterno = "C1"}, {"501", "502"}},
      {"código y alterno distintos", {.codigo = "C1", .alterno = "x'y"}, {}},
      {"todos", {"5", "1", "C1", "C1", "501", "11", "21", "0"}, {"501"}},
  };
  for (const auto& c : casos)
    EXPECT_EQ(Claves(Caracteristica(comercial_, c.filtros), {"CIDCaracteristica"}), c.esperado) << c.nombre;
}

TEST_F(Existencias, PaquetePorComponenteDejaFueraCantidadCero) {
  // Component 1 (2 per package): 7 units in warehouse 1, 4 in warehouse 2;
  // component 3 (0 per package) is left out.
  EXPECT_EQ(Filas(Paquete(comercial_)), (Tabla{
                                            {"4", "1", "A1", "Central", "3.5", "K1", "Kit", "1", "P1", "Tornillo"},
                                            {"4", "2", "A2", "Norte", "2.0", "K1", "Kit", "1", "P1", "Tornillo"},
                                        }));
  struct Caso {
    std::string id, almacen, codigo, alterno;
    Lista esperado;  // CIDPRODUCTO|CIDALMACEN
  };
  const Caso casos[] = {
      {"4", "", "", "", {"4|1", "4|2"}},    {"1", "", "", "", {}},  // a component's id is not a package's
      {"", "2", "", "", {"4|2"}},           {"", "", "K1", "", {"4|1", "4|2"}},
      {"", "", "", "KALT", {"4|1", "4|2"}}, {"", "", "", "otro", {}},
      {"4", "1", "K1", "KALT", {"4|1"}},    {"", "", "K1'", "", {}},
  };
  for (const auto& c : casos)
    EXPECT_EQ(Claves(Paquete(comercial_, c.id, c.almacen, c.codigo, c.alterno), {"CIDPRODUCTO", "CIDALMACEN"}),
              c.esperado)
        << c.id << "/" << c.almacen << "/" << c.codigo << "/" << c.alterno;
}

TEST_F(Existencias, TokenRechazadoOSistemaNoAtendidoNoDaConjunto) {
  const std::string rechazado = "9999999992adPrueba";
  EXPECT_EQ(Producto(rechazado), nullptr);
  EXPECT_EQ(Capa(rechazado, {}), nullptr);
  EXPECT_EQ(Caracteristica(rechazado, {}), nullptr);
  EXPECT_EQ(Paquete(rechazado), nullptr);

  EXPECT_EQ(Producto("1111111114adPrueba"), nullptr);
  for (const auto& token : {adminpaq_, sap_}) EXPECT_EQ(Capa(token, {}), nullptr) << token;
  for (const auto& token : {adminpaq_, sap_, pro_}) {
    EXPECT_EQ(Caracteristica(token, {}), nullptr) << token;
    EXPECT_EQ(Paquete(token), nullptr) << token;
  }
}

TEST_F(Existencias, UnIdQueNoEsNumeroDaElConjuntoError) {
  const std::pair<const char*, std::function<DataSet()>> casos[] = {
      {"Producto Comercial", [&] { return Producto(comercial_, "1x"); }},
      {"Producto AdminPAQ", [&] { return Producto(adminpaq_, "", "uno"); }},
      {"Producto SAP", [&] { return Producto(sap_, "1 or 1=1"); }},
      {"Producto Comercial Pro", [&] { return Producto(pro_, "", "x"); }},
      {"Capa por id de capa", [&] { return Capa(comercial_, {.capa = "1'"}); }},
      {"Capa por id de serie", [&] { return Capa(comercial_, {.idSerie = "s"}); }},
      {"Capa Comercial Pro", [&] { return Capa(pro_, {.capa = "c"}); }},
      {"Caracteristica", [&] { return Caracteristica(comercial_, {.valor2 = "rojo"}); }},
      {"Paquete", [&] { return Paquete(comercial_, "K1"); }},
  };
  for (const auto& [nombre, llamada] : casos) {
    DataSet r = llamada();
    ASSERT_NE(r, nullptr) << nombre;
    EXPECT_EQ(Nombres(r), Lista{"Error"}) << nombre;
    EXPECT_EQ(Filas(r).size(), 1u) << nombre;
  }
}

}  // namespace
}  // namespace quorvex
