// Products, units and characteristics listings: columns per product family,
// filters, promotions and the joins that decide which rows exist.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/Registro.h"
#include "core/SyncServermethods.h"
#include "core/Token.h"
#include "db/Esquemas.h"
#include "tests/BaseSqlitePrueba.h"
#include "tests/DirectorioTemporal.h"

namespace quorvex {
namespace {

// A value as text: "NULL" for null, numbers in their shortest form.
std::string Celda(db::Cursor& c, int i) {
  char numero[32];
  switch (c.Tipo(i)) {
    case db::TipoDato::Nulo: return "NULL";
    case db::TipoDato::Entero: return std::to_string(c.Entero(i));
    case db::TipoDato::Doble: std::snprintf(numero, sizeof numero, "%g", c.Doble(i)); return numero;
    default: return std::string(c.Texto(i));
  }
}

std::vector<std::string> Nombres(const DataSet& datos) {
  std::vector<std::string> nombres;
  for (const auto& c : datos->Filas().Columnas()) nombres.push_back(c.nombre);
  return nombres;
}

// Every row, each as a map from column name to value.
std::vector<std::map<std::string, std::string>> Filas(const DataSet& datos) {
  std::vector<std::map<std::string, std::string>> filas;
  db::Cursor& c = datos->Filas();
  while (c.Siguiente()) {
    auto& fila = filas.emplace_back();
    for (int i = 0; i < static_cast<int>(c.Columnas().size()); ++i) fila[c.Columnas()[i].nombre] = Celda(c, i);
  }
  return filas;
}

// The values of one column, in row order.
std::vector<std::string> Columna(const DataSet& datos, const std::string& nombre) {
  std::vector<std::string> valores;
  for (auto& fila : Filas(datos)) valores.push_back(fila.at(nombre));
  return valores;
}

std::multiset<std::string> Multiconjunto(const std::vector<std::string>& v) { return {v.begin(), v.end()}; }
std::set<std::string> Conjunto(const std::vector<std::string>& v) { return {v.begin(), v.end()}; }

bool EsError(const DataSet& datos) { return datos && Nombres(datos) == std::vector<std::string>{"Error"}; }

// The column lists that callers read, per product family.
const std::vector<std::string> kComunes{
    "idproducto",      "categoriaproducto", "codigoproducto",  "descripcion",      "porcentajedescuento",
    "porcentajeimpuestos", "porcentajeimpuestosespeciales", "preciocosto", "unidad", "preciounitario",
    "preciounitario2", "preciounitario3",   "preciounitario4", "preciounitario5",  "preciounitario6",
    "preciounitario7", "preciounitario8",   "preciounitario9", "preciounitario10"};
const std::vector<std::string> kClasificaciones{
    "categoriaproducto2",     "categoriaproducto3",     "categoriaproducto4",     "categoriaproducto5",
    "categoriaproducto6",     "CIDVALORCLASIFICACION1", "CIDVALORCLASIFICACION2", "CIDVALORCLASIFICACION3",
    "CIDVALORCLASIFICACION4", "CIDVALORCLASIFICACION5", "CIDVALORCLASIFICACION6", "CSTATUSPRODUCTO"};
const std::vector<std::string> kPrecioYDescuento{"CPRECIOSCONIVA", "CMARGENUTILIDAD", "CESEXENTO",
                                                 "CPORCENTAJEDESCUENTO"};
const std::vector<std::string> kFiscales{
    "unidadXML",   "CIMPUESTO3", "CRETENCION1", "CRETENCION2",        "CCLAVESAT",
    "CCANTIDADFISCAL", "CESCUOTAI2", "CESCUOTAI3", "CIDUNIXML",       "ClaveSATUnidadBase",
    "DescripcionSATUnidadBase", "ClaveUnidadXML", "DescripcionUnidadXML", "CDESGLOSAIEPS"};
const std::vector<std::string> kUnidadesComercial{"CTIPOPRODUCTO", "CIDUNIDADBASE", "CIDUNIDADNOCONVERTIBLE",
                                                  "CIDUNIDADCOMPRA", "CIDUNIDADVENTA"};

std::vector<std::string> Une(std::initializer_list<std::vector<std::string>> partes) {
  std::vector<std::string> todo;
  for (const auto& p : partes) todo.insert(todo.end(), p.begin(), p.end());
  return todo;
}

// Each family lists products 1 ("SIN", unclassified), 2 ("LIM", the name with
// a quote) and 4 ("SRV", a service); Comercial Premium also has product 3,
// whose XML unit does not exist. Promotions of product 2 in Comercial
// Premium: 10 % and 5 % in force (the second from today to today); expired,
// inactive and future ones that would give 50, 60 and 70 %.
constexpr const char* kComercial = R"sql(
insert into admParametros (CIDEMPRESA, CPRECIOSCONIVA, CDESGLOSAI2) values (1, 1, 1);
insert into admClasificacionesValores (CIDVALORCLASIFICACION, CVALORCLASIFICACION) values
  (0, '(Ninguna)'), (11, 'Limpieza'), (18, 'Importado');
insert into admUnidadesMedidaPeso (CIDUNIDAD, CNOMBREUNIDAD, CABREVIATURA, CDESPLIEGUE, CCLAVEINT, CCLAVESAT) values
  (1, 'Pieza', 'pza', 'Pieza(s)', '06', 'H87'), (2, 'Caja', 'cja', 'Caja(s)', '', 'XBX');
insert into admConversionesUnidad values (1, 2, 1, 12);
insert into admProductos (CIDPRODUCTO, CCODIGOPRODUCTO, CNOMBREPRODUCTO, CTIPOPRODUCTO, CIDUNIDADBASE, CIDUNIXML,
                          CIDVALORCLASIFICACION1, CIDVALORCLASIFICACION2) values
  (1, 'SIN', 'Sin clasificar', 1, 1, 1, 0, 0),
  (2, 'LIM', 'Jabón O''Neil', 1, 1, 2, 11, 18),
  (3, 'HUE', 'Unidad XML inexistente', 1, 1, 99, 0, 0),
  (4, 'SRV', 'Servicio', 3, 1, 1, 0, 0);
insert into admPromociones (CIDPROMOCION, CFECHAINICIO, CFECHAFIN, CPORCENTAJEDESCUENTO, CIDVALORCLASIFPRODUCTO1,
                            CIDVALORCLASIFPRODUCTO2, CSTATUS) values
  (1, '2020-01-01 00:00:00.000', '2099-12-31 00:00:00.000', 10, 11, 0, 1),
  (2, date('now', 'localtime') || ' 00:00:00.000', date('now', 'localtime') || ' 00:00:00.000', 5, 0, 18, 1),
  (3, '2020-01-01 00:00:00.000', date('now', 'localtime', '-1 day') || ' 00:00:00.000', 50, 11, 0, 1),
  (4, '2020-01-01 00:00:00.000', '2099-12-31 00:00:00.000', 60, 11, 0, 0),
  (5, date('now', 'localtime', '+1 day') || ' 00:00:00.000', '2099-12-31 00:00:00.000', 70, 11, 0, 1);
)sql";

constexpr const char* kAdminpaq = R"sql(
insert into MGW10000 (CIDEMPRESA, CPRECIOS01) values (1, 1);
insert into MGW10020 (CIDVALOR01, CVALORCL01) values (0, '(Ninguna)'), (11, 'Limpieza'), (18, 'Importado');
insert into MGW10026 (CIDUNIDAD, CNOMBREU01) values (1, 'Pieza');
insert into MGW10005 (CIDPRODU01, CCODIGOP01, CNOMBREP01, CTIPOPRO01, CIDUNIDA01, CPRECIO1, CIDVALOR01,
                      CIDVALOR02) values
  (1, 'SIN', 'Sin clasificar', 1, 1, 10, 0, 0),
  (2, 'LIM', 'Jabón O''Neil', 1, 1, 20, 11, 18),
  (4, 'SRV', 'Servicio', 3, 1, 30, 0, 0);
)sql";

// Item 5 has no price in list 2, so it is not listed.
constexpr const char* kSap = R"sql(
insert into OITB values (100, 'Abarrotes');
insert into OITG values (1, 'Importado'), (2, 'Temporada');
insert into OITM (DocEntry, ItemCode, ItemName, ItmsGrpCod, BaseUnit, Deleted, QryGroup1, QryGroup2) values
  (1, 'SIN', 'Sin clasificar', 100, 'Pieza', 'N', 'N', 'N'),
  (2, 'LIM', 'Jabón O''Neil', 100, 'Pieza', 'Y', 'Y', 'N'),
  (4, 'SRV', 'Servicio', 100, 'Servicio', 'N', 'N', 'N'),
  (5, 'SINLISTA2', 'Sin precio de lista 2', 100, 'Pieza', 'N', 'N', 'N');
insert into ITM1 values ('SIN', 1, 99, ''), ('SIN', 2, 10, ''), ('LIM', 2, 20, ''), ('SRV', 2, 30, ''),
  ('SINLISTA2', 1, 5, '');
)sql";

constexpr const char* kComercialPro = R"sql(
insert into engTaxType values (1, 'IVA', 0.16);
insert into orgProduct (ProductID, ProductKey, ProductName, TaxTypeID, PriceList, ClaveUnidad) values
  (1, 'SIN', 'Sin clasificar', 1, 100, 'H87'),
  (2, 'LIM', 'Jabón O''Neil', 1, 20, 'H87'),
  (4, 'SRV', 'Servicio', 0, 30, 'E48');
)sql";

// Product 10 has three characteristics (two sizes, one colour, one sleeve),
// 13 the same ones in another order; 11 has only two; 12 has three but is not
// kept by characteristics. Row 0 of each table is the root and "no value".
constexpr const char* kCaracteristicas = R"sql(
insert into admCaracteristicas values (0, 'Características'), (1, 'Talla'), (2, 'Color'), (3, 'Manga');
insert into admCaracteristicasValores values (0, -1, '(Ninguno)', ''), (1, 1, 'Chica', 'CH'), (2, 1, 'Grande', 'G'),
  (3, 2, 'Rojo', 'RJ'), (4, 3, 'Corta', 'MC');
insert into admProductos (CIDPRODUCTO, CCODIGOPRODUCTO, CNOMBREPRODUCTO, CCONTROLEXISTENCIA, CIDPADRECARACTERISTICA1,
                          CIDPADRECARACTERISTICA2, CIDPADRECARACTERISTICA3) values
  (10, 'PLAYERA', 'Playera O''Neil', 2, 1, 2, 3),
  (11, 'PANTALON', 'Pantalón', 2, 1, 2, 0),
  (12, 'GORRA', 'Gorra', 1, 1, 2, 3),
  (13, 'CALCETA', 'Calceta', 3, 2, 1, 3);
)sql";

// The test databases, written once per process: the listings only read them.
const prueba::CarpetaTemporal& CarpetaPrueba() {
  static const prueba::CarpetaTemporal carpeta;
  static const bool creadas = [] {
    for (const auto& [base, esquema, datos] : {std::tuple{"adPrueba", "comercial", kComercial},
                                               std::tuple{"apPrueba", "adminpaq", kAdminpaq},
                                               std::tuple{"sapPrueba", "sap", kSap},
                                               std::tuple{"proPrueba", "comercialpro", kComercialPro},
                                               std::tuple{"adCaracteristicas", "comercial", kCaracteristicas}}) {
      const auto archivo = carpeta / (std::string(base) + ".db");
      db::CreaBaseDatos(archivo, esquema);
      const prueba::BaseSqlite bd(archivo);
      EXPECT_EQ(sqlite3_exec(bd.get(), datos, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(bd.get());
    }
    return true;
  }();
  (void)creadas;
  return carpeta;
}

class Productos : public pruebas::ConDirectorioTemporal {
 protected:
  void SetUp() override {
    TokenAcceso::Global().Fija("111111111", "222222222");
    GuardaDatoRegestry("Provider", "SQLite");
    GuardaDatoRegestry("ServidorDB", CarpetaPrueba().ruta().string());
  }

  DataSet Lista(const std::string& token, const std::string& id = "", const std::string& codigo = "",
                const std::string& nombre = "", const std::string& tipo = "") {
    return m_.GetProductos(token, id, codigo, nombre, tipo);
  }

  TServerMethodsSync m_;
  const std::string adminpaq_ = "1111111111apPrueba", comercial_ = "1111111112adPrueba",
                    sap_ = "1111111113sapPrueba", comercialPro_ = "1111111115proPrueba",
                    caracteristicas_ = "1111111112adCaracteristicas";
};

TEST_F(Productos, ColumnasEnOrdenPorFamilia) {
  const std::vector<std::string> adminpaq =
      Une({kComunes, {"ccodaltern", "cnomaltern"}, kClasificaciones, kPrecioYDescuento});
  const std::vector<std::string> comercial =
      Une({kComunes, {"CCODALTERN", "CNOMALTERN"}, kClasificaciones, kPrecioYDescuento, kFiscales, kUnidadesComercial});
  const std::vector<std::string> sap = Une({kComunes, {"CCODALTERN", "CNOMALTERN"}, kClasificaciones});
  const std::vector<std::string> comercialPro =
      Une({kComunes, {"CCODALTERN", "CNOMALTERN"}, kClasificaciones, kPrecioYDescuento, kFiscales});
  ASSERT_EQ(adminpaq.size(), 37u);
  ASSERT_EQ(comercial.size(), 56u);
  ASSERT_EQ(sap.size(), 33u);
  ASSERT_EQ(comercialPro.size(), 51u);

  for (const auto& [token, columnas] : std::vector<std::pair<std::string, std::vector<std::string>>>{
           {adminpaq_, adminpaq}, {comercial_, comercial}, {sap_, sap}, {comercialPro_, comercialPro}}) {
    SCOPED_TRACE(token);
    auto r = Lista(token);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Nombres(r), columnas);
    EXPECT_EQ(Conjunto(Columna(r, columnas[0])), (std::set<std::string>{"1", "2", "4"}));
  }
}

// One product's row, column by column, shows that each value comes from the
// right copy of a joined table.
TEST_F(Productos, ValoresDeCadaFamilia) {
  struct Caso {
    std::string token, id;
    std::map<std::string, std::string> esperado;
  };
  const Caso casos[]{
      {adminpaq_, "2",
       {{"categoriaproducto", "Limpieza"}, {"categoriaproducto2", "Importado"}, {"categoriaproducto3", "(Ninguna)"},
        {"unidad", "Pieza"}, {"preciounitario", "20"}, {"CIDVALORCLASIFICACION2", "18"}, {"CPRECIOSCONIVA", "1"},
        {"CPORCENTAJEDESCUENTO", "0"}}},
      {comercial_, "1",
       {{"categoriaproducto", "(Ninguna)"}, {"unidad", "Pieza"}, {"unidadXML", "Pieza"},
        {"CPORCENTAJEDESCUENTO", "NULL"}}},
      {comercial_, "4", {{"CTIPOPRODUCTO", "3"}, {"CPORCENTAJEDESCUENTO", "NULL"}}},
      {comercial_, "2",
       {{"categoriaproducto", "Limpieza"}, {"categoriaproducto2", "Importado"}, {"categoriaproducto3", "(Ninguna)"},
        {"categoriaproducto6", "(Ninguna)"}, {"unidad", "Pieza"}, {"ClaveSATUnidadBase", "H87"},
        {"DescripcionSATUnidadBase", "Pieza"}, {"unidadXML", "Caja"}, {"ClaveUnidadXML", "XBX"},
        {"DescripcionUnidadXML", "Caja"}, {"CIDUNIXML", "2"}, {"CPRECIOSCONIVA", "1"}, {"CDESGLOSAIEPS", "1"}}},
      {sap_, "1",
       {{"categoriaproducto", "Abarrotes"}, {"preciounitario", "10"}, {"preciounitario10", "10"},
        {"categoriaproducto2", "NULL"}, {"CIDVALORCLASIFICACION1", "100"}, {"CIDVALORCLASIFICACION2", "2"},
        {"CSTATUSPRODUCTO", "1"}}},
      {sap_, "2",
       {{"categoriaproducto2", "Importado"}, {"categoriaproducto3", "NULL"}, {"categoriaproducto6", "NULL"},
        {"CIDVALORCLASIFICACION2", "1"}, {"CIDVALORCLASIFICACION3", "2"}, {"CSTATUSPRODUCTO", "0"},
        {"preciounitario", "20"}}},
      {comercialPro_, "1",
       {{"porcentajeimpuestos", "0.16"}, {"preciounitario", "100"}, {"CPRECIOSCONIVA", "116"}, {"unidad", "Pieza"},
        {"unidadXML", "H87"}, {"ClaveSATUnidadBase", "99"}, {"DescripcionSATUnidadBase", "SERVICIO"},
        {"DescripcionUnidadXML", "(Ninguno)"}, {"CSTATUSPRODUCTO", "1"}}},
      {comercialPro_, "4", {{"porcentajeimpuestos", "NULL"}, {"CPRECIOSCONIVA", "NULL"}}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.token + " producto " + c.id);
    const auto filas = Filas(Lista(c.token, c.id));
    ASSERT_FALSE(filas.empty());
    for (const auto& fila : filas)
      for (const auto& [columna, valor] : c.esperado) EXPECT_EQ(fila.at(columna), valor) << columna;
  }
}

TEST_F(Productos, PromocionesEnVigorUnaFilaPorPromocion) {
  auto r = Lista(comercial_, "2");
  EXPECT_EQ(Multiconjunto(Columna(r, "CPORCENTAJEDESCUENTO")), (std::multiset<std::string>{"10", "5"}))
      << "expired, inactive and future promotions are left out";

  // Without the -1 for value 0, promotion 2 (classification 1 unused, i.e. 0)
  // would apply to every unclassified product.
  EXPECT_EQ(Columna(Lista(comercial_, "1"), "CPORCENTAJEDESCUENTO"), std::vector<std::string>{"NULL"});
}

TEST_F(Productos, SinUnidadXmlNoSeLista) {
  EXPECT_TRUE(Filas(Lista(comercial_, "3")).empty());
  EXPECT_TRUE(Filas(Lista(comercial_, "", "HUE")).empty());
}

TEST_F(Productos, Filtros) {
  struct Caso {
    const char* que;
    std::string id, codigo, nombre;
    std::set<std::string> ids;
  };
  const Caso casos[]{
      {"ninguno", "", "", "", {"1", "2", "4"}},
      {"id", "2", "", "", {"2"}},
      {"código", "", "SRV", "", {"4"}},
      {"nombre con comilla", "", "", "Jabón O'Neil", {"2"}},
      {"los tres", "1", "SIN", "Sin clasificar", {"1"}},
      {"id y código que no coinciden", "2", "SIN", "", {}},
      {"una comilla no amplía la condición", "", "LIM' or '1'='1", "", {}},
  };
  for (const std::string& token : {adminpaq_, comercial_, sap_, comercialPro_}) {
    for (const Caso& c : casos) {
      SCOPED_TRACE(token + ": " + c.que);
      auto r = Lista(token, c.id, c.codigo, c.nombre);
      ASSERT_FALSE(EsError(r));
      EXPECT_EQ(Conjunto(Columna(r, "idproducto")), c.ids);
    }
    EXPECT_TRUE(EsError(Lista(token, "dos"))) << token << ": the id is compared as a number";
  }
}

TEST_F(Productos, TipoDeProductoSoloEnComercial) {
  EXPECT_EQ(Conjunto(Columna(Lista(comercial_, "", "", "", "3"), "idproducto")), std::set<std::string>{"4"});
  EXPECT_EQ(Conjunto(Columna(Lista(comercial_, "", "SIN", "", "1"), "idproducto")), std::set<std::string>{"1"});
  EXPECT_TRUE(EsError(Lista(comercial_, "", "", "", "servicio")));
  for (const std::string& token : {adminpaq_, sap_, comercialPro_}) {
    SCOPED_TRACE(token);
    for (const char* tipo : {"3", "servicio"})
      EXPECT_EQ(Conjunto(Columna(Lista(token, "", "", "", tipo), "idproducto")),
                (std::set<std::string>{"1", "2", "4"}));
  }
}

TEST_F(Productos, UnidadesYConversiones) {
  auto unidades = m_.GetUnidadesMedidaPeso(comercial_);
  ASSERT_NE(unidades, nullptr);
  EXPECT_EQ(Nombres(unidades), (std::vector<std::string>{"CIDUNIDAD", "CNOMBREUNIDAD", "CABREVIATURA", "CDESPLIEGUE",
                                                         "CCLAVEINT", "CCLAVESAT"}));
  const auto filas = Filas(unidades);
  ASSERT_EQ(filas.size(), 2u);
  EXPECT_EQ(filas[1].at("CNOMBREUNIDAD"), "Caja");
  EXPECT_EQ(filas[1].at("CCLAVESAT"), "XBX");

  auto conversiones = m_.GetConversionesUnidad(comercial_);
  ASSERT_NE(conversiones, nullptr);
  EXPECT_EQ(Nombres(conversiones),
            (std::vector<std::string>{"CIDAUTOINCSQL", "CIDUNIDAD1", "CIDUNIDAD2", "CFACTORCONVERSION"}));
  EXPECT_EQ(Filas(conversiones), (std::vector<std::map<std::string, std::string>>{
                                     {{"CIDAUTOINCSQL", "1"}, {"CIDUNIDAD1", "2"}, {"CIDUNIDAD2", "1"},
                                      {"CFACTORCONVERSION", "12"}}}));
}

TEST_F(Productos, CaracteristicasSinLaRaiz) {
  auto todas = m_.GetCaracteristicas(caracteristicas_, "");
  ASSERT_NE(todas, nullptr);
  EXPECT_EQ(Nombres(todas), (std::vector<std::string>{"CIDPADRECARACTERISTICA", "CNOMBRECARACTERISTICA"}));
  EXPECT_EQ(Conjunto(Columna(todas, "CNOMBRECARACTERISTICA")), (std::set<std::string>{"Talla", "Color", "Manga"}));
  EXPECT_EQ(Columna(m_.GetCaracteristicas(caracteristicas_, "color"), "CIDPADRECARACTERISTICA"),
            std::vector<std::string>{"2"});
  EXPECT_TRUE(Filas(m_.GetCaracteristicas(caracteristicas_, "Características")).empty());
  EXPECT_TRUE(Filas(m_.GetCaracteristicas(caracteristicas_, "Color' or ''='")).empty());
}

TEST_F(Productos, ValoresDeCaracteristicaSinElValorCero) {
  auto todos = m_.GetCaracteristicasValores(caracteristicas_, "", "", "");
  ASSERT_NE(todos, nullptr);
  EXPECT_EQ(Nombres(todos), (std::vector<std::string>{"CIDVALORCARACTERISTICA", "CIDPADRECARACTERISTICA",
                                                      "CVALORCARACTERISTICA", "CNEMOCARACTERISTICA"}));
  struct Caso {
    const char* que;
    std::string padre, valor, texto;
    std::set<std::string> ids;
  };
  const Caso casos[]{
      {"ninguno", "", "", "", {"1", "2", "3", "4"}},
      {"característica", "1", "", "", {"1", "2"}},
      {"valor", "", "2", "", {"2"}},
      {"texto", "", "", "rojo", {"3"}},
      {"característica y texto de otra", "1", "", "Rojo", {}},
      {"el padre del valor cero", "-1", "", "", {}},
      {"el valor cero", "", "0", "", {}},
      {"texto con comilla", "", "", "Rojo' or ''='", {}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.que);
    EXPECT_EQ(Conjunto(Columna(m_.GetCaracteristicasValores(caracteristicas_, c.padre, c.valor, c.texto),
                               "CIDVALORCARACTERISTICA")),
              c.ids);
  }
  EXPECT_TRUE(EsError(m_.GetCaracteristicasValores(caracteristicas_, "uno", "", "")));
}

TEST_F(Productos, CaracteristicasDeProductoUnaFilaPorCombinacion) {
  auto r = m_.GetCaracteristicasProducto(caracteristicas_, "", "", "");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(Nombres(r), (std::vector<std::string>{
                            "CIDPRODUCTO", "CIDPADRECARACTERISTICA1", "CIDPADRECARACTERISTICA2",
                            "CIDPADRECARACTERISTICA3", "CIDVALORCARACTERISTICA1", "CIDVALORCARACTERISTICA2",
                            "CIDVALORCARACTERISTICA3", "CVALORCARACTERISTICA1", "CVALORCARACTERISTICA2",
                            "CVALORCARACTERISTICA3", "CNEMOCARACTERISTICA1", "CNEMOCARACTERISTICA2",
                            "CNEMOCARACTERISTICA3"}));
  // "product: parents values texts mnemonics", the three of each joined by "/".
  std::multiset<std::string> combinaciones;
  for (const auto& f : Filas(r)) {
    std::string resumen = f.at("CIDPRODUCTO") + ":";
    for (const std::string grupo :
         {"CIDPADRECARACTERISTICA", "CIDVALORCARACTERISTICA", "CVALORCARACTERISTICA", "CNEMOCARACTERISTICA"})
      resumen += " " + f.at(grupo + "1") + "/" + f.at(grupo + "2") + "/" + f.at(grupo + "3");
    combinaciones.insert(resumen);
  }
  EXPECT_EQ(combinaciones, (std::multiset<std::string>{
                               "10: 1/2/3 1/3/4 Chica/Rojo/Corta CH/RJ/MC",
                               "10: 1/2/3 2/3/4 Grande/Rojo/Corta G/RJ/MC",
                               "13: 2/1/3 3/1/4 Rojo/Chica/Corta RJ/CH/MC",
                               "13: 2/1/3 3/2/4 Rojo/Grande/Corta RJ/G/MC",
                           }))
      << "11 has two characteristics and 12 is not kept by characteristics";

  struct Caso {
    const char* que;
    std::string id, codigo, nombre;
    std::set<std::string> ids;
  };
  const Caso casos[]{
      {"id", "13", "", "", {"13"}},
      {"código", "", "playera", "", {"10"}},
      {"nombre con comilla", "", "", "Playera O'Neil", {"10"}},
      {"id y código de otro", "10", "CALCETA", "", {}},
      {"solo dos características", "11", "", "", {}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.que);
    EXPECT_EQ(Conjunto(Columna(m_.GetCaracteristicasProducto(caracteristicas_, c.id, c.codigo, c.nombre),
                               "CIDPRODUCTO")),
              c.ids);
  }
  EXPECT_TRUE(EsError(m_.GetCaracteristicasProducto(caracteristicas_, "diez", "", "")));
}

TEST_F(Productos, TokenRechazadoOSistemaNoAtendido) {
  const std::string rechazado = "9999999992adPrueba";
  EXPECT_EQ(Lista(rechazado), nullptr);
  EXPECT_EQ(Lista("1111111114adPrueba"), nullptr) << "system type 4 does not exist";
  for (const std::string& token : {rechazado, adminpaq_, sap_, comercialPro_}) {
    SCOPED_TRACE(token);
    EXPECT_EQ(m_.GetUnidadesMedidaPeso(token), nullptr);
    EXPECT_EQ(m_.GetConversionesUnidad(token), nullptr);
    EXPECT_EQ(m_.GetCaracteristicas(token, ""), nullptr);
    EXPECT_EQ(m_.GetCaracteristicasProducto(token, "", "", ""), nullptr);
    EXPECT_EQ(m_.GetCaracteristicasValores(token, "", "", ""), nullptr);
  }
}

// The demo databases: every product of each family is listed.
TEST_F(Productos, DemoCompleta) {
  GuardaDatoRegestry("ServidorDB", prueba::CarpetaDemo().ruta().string());
  struct Caso {
    std::string token, base, cuenta;
    std::size_t columnas;
  };
  const Caso casos[]{
      {"1111111111apDemo", "apDemo", "select count(*) from MGW10005", 37},
      {"1111111112adDemo", "adDemo", "select count(*) from admProductos", 56},
      {"1111111113sapDemo", "sapDemo", "select count(*) from OITM", 33},
      {"1111111115proDemo", "proDemo", "select count(*) from orgProduct", 51},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.base);
    auto r = Lista(c.token);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Nombres(r).size(), c.columnas);
    const prueba::BaseSqlite base(prueba::ArchivoDemo(c.base));
    EXPECT_EQ(static_cast<double>(Conjunto(Columna(r, "idproducto")).size()), base.Numero(c.cuenta));
  }
}

}  // namespace
}  // namespace quorvex
