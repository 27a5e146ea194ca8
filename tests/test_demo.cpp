#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "BaseSqlitePrueba.h"
#include "db/demo/Catalogo.h"
#include "db/demo/DatosDemo.h"
#include "db/demo/Generador.h"

namespace quorvex {
namespace {

using prueba::ArchivoDemo;
using prueba::BaseSqlite;
using prueba::CarpetaTemporal;

std::set<std::string> ArchivosDe(const std::filesystem::path& carpeta) {
  std::set<std::string> nombres;
  for (const auto& entrada : std::filesystem::directory_iterator(carpeta))
    nombres.insert(entrada.path().filename().string());
  return nombres;
}

TEST(CreaDemo, CreaLasBasesQueFaltanYRespetaLasQueExisten) {
  CarpetaTemporal t;
  const auto carpeta = t.ruta() / "Empresas";
  const std::set<std::string> esperados{"adDemo.db",       "apDemo.db",       "sapDemo.db",      "proDemo.db",
                                        "ctDemo.db",       "CompacWAdmin.db", "GeneralesSQL.db", "nomGenerales.db"};
  db::demo::CreaDemo(carpeta);
  ASSERT_EQ(ArchivosDe(carpeta), esperados);

  ASSERT_EQ(BaseSqlite(carpeta / "adDemo.db").Ejecuta("UPDATE admAgentes SET CNOMBREAGENTE = 'Marca' WHERE CIDAGENTE = 1"),
            "");
  std::filesystem::remove(carpeta / "apDemo.db");
  db::demo::CreaDemo(carpeta);

  EXPECT_EQ(ArchivosDe(carpeta), esperados);
  EXPECT_EQ(BaseSqlite(carpeta / "adDemo.db").Texto("SELECT CNOMBREAGENTE FROM admAgentes WHERE CIDAGENTE = 1"),
            "Marca");
  EXPECT_EQ(BaseSqlite(carpeta / "apDemo.db").Numero("SELECT count(*) FROM MGW10005"),
            static_cast<double>(db::demo::ProductosDemo().size()));
}

// Stock of a product in a warehouse as the listings compute it: inventory
// movements of documents that are not cancelled.
std::string Existencia(const std::string& producto, const std::string& almacen) {
  return "(SELECT IFNULL(SUM(CASE m.CAFECTAEXISTENCIA WHEN 1 THEN m.CUNIDADES WHEN 2 THEN -m.CUNIDADES ELSE 0 END), 0)"
         " FROM admMovimientos m WHERE m.CIDPRODUCTO = " + producto + " AND m.CIDALMACEN = " + almacen +
         " AND m.CAFECTADOINVENTARIO = 1"
         " AND m.CIDDOCUMENTO NOT IN (SELECT CIDDOCUMENTO FROM admDocumentos WHERE CCANCELADO = 1))";
}

// Rows of the characteristic combinations of a product, joined as the
// listing joins them.
std::string Combinaciones(int producto) {
  std::string sql = "SELECT count(*) FROM admProductos p";
  for (const char* n : {"1", "2", "3"})
    sql += std::string(" JOIN admCaracteristicas c") + n + " ON c" + n + ".CIDPADRECARACTERISTICA = " +
           "p.CIDPADRECARACTERISTICA" + n + " JOIN admCaracteristicasValores v" + n + " ON v" + n +
           ".CIDPADRECARACTERISTICA = c" + n + ".CIDPADRECARACTERISTICA";
  return sql + " WHERE p.CCONTROLEXISTENCIA IN (2, 3) AND p.CIDPRODUCTO = " + std::to_string(producto);
}

const std::string kProductosSinUnidad =
    "SELECT count(*) FROM admProductos p WHERE p.CIDUNIDADBASE NOT IN (SELECT CIDUNIDAD FROM admUnidadesMedidaPeso)"
    " OR p.CIDUNIXML NOT IN (SELECT CIDUNIDAD FROM admUnidadesMedidaPeso)";
const std::string kTotalesDescuadrados =
    "SELECT count(*) FROM admDocumentos d WHERE"
    " abs(d.CNETO - (SELECT IFNULL(SUM(CNETO), 0) FROM admMovimientos m WHERE m.CIDDOCUMENTO = d.CIDDOCUMENTO)) > 0.005"
    " OR abs(d.CTOTAL - (SELECT IFNULL(SUM(CTOTAL), 0) FROM admMovimientos m WHERE m.CIDDOCUMENTO = d.CIDDOCUMENTO))"
    " > 0.005 OR abs(d.CTOTAL - d.CNETO - d.CIMPUESTO1) > 0.005";
const std::string kMovimientosHuerfanos =
    "SELECT count(*) FROM admMovimientos m WHERE m.CMOVTOOCULTO = 0 AND ("
    "m.CIDDOCUMENTO NOT IN (SELECT CIDDOCUMENTO FROM admDocumentos)"
    " OR m.CIDPRODUCTO NOT IN (SELECT CIDPRODUCTO FROM admProductos)"
    " OR m.CIDALMACEN NOT IN (SELECT CIDALMACEN FROM admAlmacenes))";

struct Verificacion {
  std::string base;
  std::string que;
  std::string sql;
  double esperado;
};

void PrintTo(const Verificacion& v, std::ostream* os) { *os << v.base << ": " << v.que; }

std::vector<Verificacion> Verificaciones() {
  return {
      {"adDemo", "every product's base and XML units exist", kProductosSinUnidad, 0},
      {"adDemo", "products with classification values that do not exist",
       "SELECT count(*) FROM admProductos p WHERE EXISTS (SELECT 1 FROM (SELECT p.CIDVALORCLASIFICACION1 v UNION ALL"
       " SELECT p.CIDVALORCLASIFICACION2 UNION ALL SELECT p.CIDVALORCLASIFICACION3 UNION ALL SELECT"
       " p.CIDVALORCLASIFICACION4 UNION ALL SELECT p.CIDVALORCLASIFICACION5 UNION ALL SELECT p.CIDVALORCLASIFICACION6)"
       " WHERE v NOT IN (SELECT CIDVALORCLASIFICACION FROM admClasificacionesValores))",
       0},
      {"adDemo", "some customers are also suppliers", "SELECT count(*) > 0 FROM admClientes WHERE CTIPOCLIENTE = 2", 1},
      {"adDemo", "ten suppliers proper", "SELECT count(*) FROM admClientes WHERE CTIPOCLIENTE = 3", 10},
      {"adDemo", "partners without a fiscal address",
       "SELECT count(*) FROM admClientes c WHERE NOT EXISTS (SELECT 1 FROM admDomicilios d WHERE d.CIDCATALOGO ="
       " c.CIDCLIENTEPROVEEDOR AND d.CTIPOCATALOGO = 1 AND d.CTIPODIRECCION = 0)",
       0},
      {"adDemo", "a cancelled document with movements",
       "SELECT count(*) > 0 FROM admDocumentos d WHERE d.CCANCELADO = 1"
       " AND EXISTS (SELECT 1 FROM admMovimientos m WHERE m.CIDDOCUMENTO = d.CIDDOCUMENTO)",
       1},
      {"adDemo", "stock of AB001 in ALM01", "SELECT " + Existencia("1", "1"), 182},
      {"adDemo", "stock of AB003 leaves out the cancelled invoice", "SELECT " + Existencia("3", "1"), 100},
      {"adDemo", "lot and customs layers that disagree with the stock",
       "SELECT count(*) FROM (SELECT CIDPRODUCTO p, CIDALMACEN a, SUM(CEXISTENCIA) e FROM admCapasProducto"
       " GROUP BY CIDPRODUCTO, CIDALMACEN) c WHERE c.e <> " + Existencia("c.p", "c.a"),
       0},
      {"adDemo", "serial numbers in stock that disagree with the stock",
       "SELECT count(*) FROM (SELECT CIDPRODUCTO p, CIDALMACEN a, count(*) e FROM admNumerosSerie WHERE CESTADO = 1"
       " GROUP BY CIDPRODUCTO, CIDALMACEN) s WHERE s.e <> " + Existencia("s.p", "s.a"),
       0},
      {"adDemo", "movements whose variants do not add up",
       "SELECT count(*) FROM admMovimientos p WHERE EXISTS (SELECT 1 FROM admMovimientos h WHERE h.CIDMOVTOOWNER ="
       " p.CIDMOVIMIENTO) AND p.CUNIDADES <> (SELECT SUM(h.CUNIDADES) FROM admMovimientos h"
       " WHERE h.CIDMOVTOOWNER = p.CIDMOVIMIENTO)",
       0},
      {"adDemo", "hidden movements that are not a variant of their owner's product",
       "SELECT count(*) FROM admMovimientos h JOIN admMovimientos p ON p.CIDMOVIMIENTO = h.CIDMOVTOOWNER"
       " LEFT JOIN admProductosDetalles d ON d.CIDPRODUCTO = h.CIDPRODUCTO WHERE h.CMOVTOOCULTO = 1"
       " AND (d.CIDPRODUCTOPADRE IS NULL OR d.CIDPRODUCTOPADRE <> p.CIDPRODUCTO OR h.CIDDOCUMENTO <> 0)",
       0},
      {"adDemo", "movements naming a missing document, product or warehouse", kMovimientosHuerfanos, 0},
      {"adDemo", "documents whose concept is missing or of another kind",
       "SELECT count(*) FROM admDocumentos d LEFT JOIN admConceptos c ON c.CIDCONCEPTODOCUMENTO = d.CIDCONCEPTODOCUMENTO"
       " WHERE c.CIDDOCUMENTODE IS NULL OR c.CIDDOCUMENTODE <> d.CIDDOCUMENTODE",
       0},
      {"adDemo", "documents whose totals differ from their movements", kTotalesDescuadrados, 0},
      {"adDemo", "documents naming a missing partner",
       "SELECT count(*) FROM admDocumentos WHERE CIDCLIENTEPROVEEDOR <> 0"
       " AND CIDCLIENTEPROVEEDOR NOT IN (SELECT CIDCLIENTEPROVEEDOR FROM admClientes)",
       0},
      {"adDemo", "highest invoice folio of series FA",
       "SELECT max(CFOLIO) FROM admDocumentos WHERE CIDCONCEPTODOCUMENTO = 4 AND CSERIEDOCUMENTO = 'FA'", 150},
      {"adDemo", "concepts of the order and remission kinds",
       "SELECT count(*) FROM admConceptos WHERE CIDDOCUMENTODE IN (2, 3)", 2},
      {"adDemo", "database version above 924", "SELECT CAST(CVERSIONACTUAL AS INTEGER) > 924 FROM admParametros", 1},
      {"adDemo", "company GUID", "SELECT length(CGUIDDSL) FROM admParametros", 36},
      {"adDemo", "promotions in force for LI004 (cleaning and imported)",
       "SELECT count(*) FROM admProductos p JOIN admPromociones r ON (r.CIDVALORCLASIFPRODUCTO1 ="
       " p.CIDVALORCLASIFICACION1 OR r.CIDVALORCLASIFPRODUCTO2 = p.CIDVALORCLASIFICACION2)"
       " AND date(r.CFECHAINICIO) <= date('now') AND date(r.CFECHAFIN) >= date('now') AND r.CSTATUS = 1"
       " WHERE p.CCODIGOPRODUCTO = 'LI004'",
       2},
      {"adDemo", "an expired promotion",
       "SELECT count(*) FROM admPromociones WHERE CSTATUS = 1 AND date(CFECHAFIN) < date('now')", 1},
      {"adDemo", "combinations of a product with three characteristics", Combinaciones(21), 4 * 4 * 2},
      {"adDemo", "combinations of a product with two characteristics", Combinaciones(23), 0},
      {"adDemo", "the root characteristic", "SELECT count(*) FROM admCaracteristicas WHERE CIDPADRECARACTERISTICA = 0",
       1},
      {"adDemo", "variants of products with two characteristics find value 0",
       "SELECT count(*) FROM admProductosDetalles d JOIN admCaracteristicasValores v"
       " ON v.CIDVALORCARACTERISTICA = d.CIDVALORCARACTERISTICA3 WHERE d.CIDPRODUCTOPADRE = 23",
       2},
      {"apDemo", "current-year stock of AB001 in ALM01",
       "SELECT CENTRADA13 - CSALIDAS13 FROM MGW10030 JOIN MGW10000 ON MGW10000.CIDEJERC01 = MGW10030.CIDEJERC01"
       " WHERE CIDPRODU01 = 1 AND CIDALMACEN = 1 AND CTIPOEXI01 = 1",
       182},
      {"apDemo", "stock rows of the previous year", "SELECT count(*) > 0 FROM MGW10030 WHERE CIDEJERC01 = 1", 1},
      {"sapDemo", "stock of AB001 in ALM01", "SELECT OnHand FROM OITW WHERE ItemCode = 'AB001' AND WhsCode = 'ALM01'",
       182},
      {"sapDemo", "stock of AB001 in all warehouses", "SELECT OnHand FROM OITM WHERE ItemCode = 'AB001'", 182 + 55},
      {"sapDemo", "warehouses without an id", "SELECT count(*) FROM OWHS WHERE WhsCode NOT IN (SELECT Codigo FROM Ids001)",
       0},
      {"proDemo", "stock of AB001 in depot 1",
       "SELECT SUM(k.Quantity) FROM orgProductKardex k JOIN docDocument d ON d.DocumentID = k.DocumentID"
       " WHERE k.ProductID = 1 AND k.DepotID = 1 AND k.Cancelled = 0 AND d.CancelledOn IS NULL",
       182},
      {"proDemo", "stock of AB003 leaves out the cancelled invoice",
       "SELECT SUM(k.Quantity) FROM orgProductKardex k JOIN docDocument d ON d.DocumentID = k.DocumentID"
       " WHERE k.ProductID = 3 AND k.DepotID = 1 AND k.Cancelled = 0 AND d.CancelledOn IS NULL",
       100},
      {"proDemo", "AB001 still to be delivered to customers",
       "SELECT SUM(QuantityToBeDelivered) FROM orgProductKardex WHERE ProductID = 1 AND DocRecipientID = 1", 30},
      {"proDemo", "supplier 1 of business entity 1",
       "SELECT count(*) FROM orgSupplier WHERE OwnedBusinessEntityID = 1 AND SupplierID = 1", 1},
      {"proDemo", "sales representatives", "SELECT count(*) FROM vwLBSEmployeeList WHERE SalesPosition = 1", 3},
      {"proDemo", "customers without their business entity in the list",
       "SELECT count(*) FROM orgCustomer c WHERE c.BusinessEntityID NOT IN"
       " (SELECT BusinessEntityID FROM vwLBSBusinessEntityList WHERE AddressFiscalStreet IS NOT NULL)",
       0},
      {"CompacWAdmin", "the template company", "SELECT count(*) FROM empresas WHERE CNOMBREEMPRESA = '(Predeterminada)'",
       1},
      {"nomGenerales", "payroll companies with data", "SELECT count(*) FROM NOM10000 WHERE RutaEmpresa <> ''", 1},
      // Text compares without regard to case, as on SQL Server.
      {"adDemo", "customer code in lower case", "SELECT count(*) FROM admClientes WHERE CCODIGOCLIENTE = 'cl001'", 1},
      // SQLite folds the case of ASCII letters only: the accented letter keeps its case.
      {"adDemo", "business name in other case", "SELECT count(*) FROM admClientes WHERE CRAZONSOCIAL = 'PúBLICO EN GENERAL'",
       1},
      {"apDemo", "AdminPAQ customer code", "SELECT count(*) FROM MGW10002 WHERE CCODIGOC01 = 'cl001'", 1},
      {"sapDemo", "SAP card code", "SELECT count(*) FROM OCRD WHERE CardCode = 'cl001'", 1},
      {"proDemo", "Comercial Pro product key", "SELECT count(*) FROM orgProduct WHERE ProductKey = 'ab001'", 1},
      {"proDemo", "a view's column", "SELECT count(*) FROM vwLBSBusinessEntityList WHERE CommercialName = 'público en general'",
       1},
      {"CompacWAdmin", "company name", "SELECT count(*) FROM empresas WHERE CNOMBREEMPRESA = '(PREDETERMINADA)'", 1},
  };
}

class DatosDemo : public ::testing::TestWithParam<Verificacion> {};

TEST_P(DatosDemo, SonCoherentes) {
  const Verificacion& v = GetParam();
  EXPECT_DOUBLE_EQ(BaseSqlite(ArchivoDemo(v.base)).Numero(v.sql), v.esperado) << v.sql;
}

INSTANTIATE_TEST_SUITE_P(Demo, DatosDemo, ::testing::ValuesIn(Verificaciones()));

struct TextoDemo {
  std::string base;
  std::string sql;
  std::string esperado;
};

void PrintTo(const TextoDemo& t, std::ostream* os) { *os << t.base << ": " << t.sql; }

class ListasDeEmpresas : public ::testing::TestWithParam<TextoDemo> {};

TEST_P(ListasDeEmpresas, NombranLasBasesDemo) {
  const TextoDemo& t = GetParam();
  EXPECT_EQ(BaseSqlite(ArchivoDemo(t.base)).Texto(t.sql), t.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Demo, ListasDeEmpresas,
    ::testing::Values(
        TextoDemo{"CompacWAdmin",
                  "Select group_concat(SUBSTR(crutadatos, INSTR(crutadatos, 'Empresas\\') + 9, 100)) from empresas"
                  " where CNOMBREEMPRESA <> '(Predeterminada)'",
                  "adDemo"},
        TextoDemo{"GeneralesSQL", "Select group_concat(AliasBDD) from ListaEmpresas", "ctDemo"},
        TextoDemo{"nomGenerales", "Select group_concat(RutaEmpresa) from NOM10000 where RutaEmpresa <> ''", "nmDemo"},
        TextoDemo{"proDemo",
                  "SELECT group_concat(DocRecipient) FROM (SELECT DocRecipient FROM vwLBSModuleDocumentTypeName"
                  " WHERE ModuleID = 155 ORDER BY DocRecipient)",
                  "1,2,3,4,5,7,12,13"}));

TEST(GeneraComercial, CreaElVolumenPedidoConDatosCoherentes) {
  CarpetaTemporal t;
  const auto archivo = t / "bench.db";
  db::demo::GeneraComercial(archivo, {.productos = 25, .clientes = 20, .documentos = 100, .movimientosPorDocumento = 3});
  BaseSqlite b(archivo);
  EXPECT_EQ(b.Numero("SELECT count(*) FROM admProductos"), 25);
  EXPECT_EQ(b.Numero("SELECT count(*) FROM admClientes"), 20);
  EXPECT_EQ(b.Numero("SELECT count(*) FROM admDocumentos"), 100);
  EXPECT_EQ(b.Numero("SELECT count(*) FROM admMovimientos"), 300);
  EXPECT_EQ(b.Numero("SELECT count(*) FROM admDocumentos WHERE CCANCELADO = 1"), 2);
  EXPECT_EQ(b.Numero("SELECT max(CFOLIO) FROM admDocumentos WHERE CSERIEDOCUMENTO = 'FA'"), 80);
  EXPECT_EQ(b.Numero("SELECT count(DISTINCT CTIPOCLIENTE) FROM admClientes"), 3);
  EXPECT_EQ(b.Numero(kProductosSinUnidad), 0);
  EXPECT_EQ(b.Numero(kTotalesDescuadrados), 0);
  EXPECT_EQ(b.Numero(kMovimientosHuerfanos), 0);
}

TEST(GeneraComercial, RechazaVolumenesImposiblesYArchivosExistentes) {
  CarpetaTemporal t;
  const auto archivo = t / "bench.db";
  EXPECT_THROW(db::demo::GeneraComercial(archivo, {.productos = -1}), std::invalid_argument);
  EXPECT_THROW(db::demo::GeneraComercial(archivo, {.productos = 5, .clientes = 0, .documentos = 3}),
               std::invalid_argument);
  EXPECT_FALSE(std::filesystem::exists(archivo));

  db::demo::GeneraComercial(archivo, {.productos = 2, .clientes = 2, .documentos = 2, .movimientosPorDocumento = 1});
  EXPECT_THROW(db::demo::GeneraComercial(archivo, {.productos = 3, .clientes = 2, .documentos = 0}), std::runtime_error);
  EXPECT_EQ(BaseSqlite(archivo).Numero("SELECT count(*) FROM admProductos"), 2);
}

}  // namespace
}  // namespace quorvex
