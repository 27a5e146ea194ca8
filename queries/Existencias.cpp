// Stock on hand per product and warehouse, per lot or serial number, per
// characteristic combination and per package. Comercial Premium keeps no
// stored balance that could be stale: its stock is summed from the inventory
// movements of the documents that are not cancelled.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "core/SyncServermethods.h"

namespace quorvex {

namespace {

// A movement adds its units when it enters stock (1) and subtracts them when
// it leaves (2).
const std::string kCantidadConSigno =
    "SUM(CASE WHEN cAfectaExistencia = 1 THEN cUnidades WHEN cAfectaExistencia = 2 THEN 0 - cUnidades ELSE 0 END)";

// One optional filter: the column it compares, its kind (1 text, 0 number)
// and the operator. A null column means the product family has no such
// column, and the value is ignored.
struct Filtro {
  const char* columna;
  int tipo;
  const char* operador = "=";
};

// The base condition with the filters appended, filtros[i] taking valores[i].
template <std::size_t N>
Filtros AplicaFiltros(std::string base, const Filtro (&filtros)[N], const std::string (&valores)[N]) {
  Filtros f(std::move(base));
  for (std::size_t i = 0; i < N; ++i)
    if (filtros[i].columna != nullptr)
      f.AgregaWhereL(filtros[i].columna, filtros[i].tipo, filtros[i].operador, valores[i]);
  return f;
}

// Select list, FROM part, WHERE part and the fourth part (GROUP BY), joined by blanks.
std::string ArmaSentencia(std::string_view select, std::string_view from, const Filtros& f, std::string_view cuarta) {
  std::string texto(select);
  (texto += " ") += from;
  (texto += " ") += f.Where();
  (texto += " ") += cuarta;
  return texto;
}

// A GetExitenciaProducto statement of one product family; its filters take
// CIDPRODUCTO, CIDALMACEN, CCODIGOPRODUCTO and ccodaltern in that order.
struct ConsultaExistencia {
  std::string select;
  std::string from;
  std::string where;
  std::string agrupa;
  Filtro filtros[4];
};

// The Comercial Pro kardex of documents neither cancelled nor deleted, of
// products that are kept in stock (type 4 is a service). What is still to be
// delivered to customers is taken from the available quantity, or given back
// in a consignment depot (type 8); internal documents add what they hold.
const std::string kFromKardex =
    "from dbo.orgProductKardex left outer join dbo.orgDepot on dbo.orgProductKardex.DepotID = dbo.orgDepot.DepotID "
    "inner join dbo.orgProduct on dbo.orgProductKardex.ProductID = dbo.orgProduct.ProductID "
    "inner join dbo.docDocument on dbo.orgProductKardex.DocumentID = dbo.docDocument.DocumentID "
    "inner join dbo.docDocumentItem on dbo.orgProductKardex.DocumentItemID = dbo.docDocumentItem.DocumentItemID";
const std::string kWhereKardex =
    " WHERE dbo.docDocument.OwnedBusinessEntityID= 1 AND (dbo.orgProductKardex.Cancelled = 0) AND "
    "(dbo.docDocument.DeletedOn IS NULL) AND (dbo.docDocument.CancelledOn IS NULL) AND "
    "(dbo.docDocumentItem.DeletedOn IS NULL) AND (dbo.orgProduct.ProductTypeID <> 4) ";
const std::string kAgrupaKardex =
    " GROUP BY dbo.docDocument.OwnedBusinessEntityID, dbo.orgProductKardex.ProductID, "
    "ISNULL(dbo.orgDepot.DepotName, \"Sin sucursal\"), dbo.orgProduct.ProductKey, dbo.orgProduct.ProductName, "
    "dbo.orgProductKardex.DepotID, dbo.orgDepot.DepotTypeID, dbo.orgProduct.ClaveUnidad";
const std::string kDisponibleKardex =
    "SUM(dbo.orgProductKardex.Quantity) - ABS(SUM(CASE WHEN dbo.orgProductKardex.DocRecipientID = 1 THEN "
    "dbo.orgProductKardex.QuantityToBeDelivered ELSE 0 END)) * CASE WHEN dbo.orgDepot.DepotTypeID = 8 THEN -1 ELSE 1 "
    "END + SUM(CASE WHEN dbo.orgProductKardex.DocRecipientID > 2 THEN dbo.orgProductKardex.QuantityToBeDelivered "
    "ELSE 0 END)";

const ConsultaExistencia kExistenciaAdminpaq{
    "Select mgw10030.cIdprodu01 CIDPRODUCTO, MGW10003.CIDALMACEN CIDALMACEN, MGW10003.CCODIGOA01 CCODIGOALMACEN, "
    "MGW10003.CNOMBREA01 CNOMBREALMACEN, centrada13 - csalidas13 Exitencia, CCODIGOP01 codigoproducto, "
    "CNOMBREP01 descripcion",
    "from mgw10030, MGW10003, MGW10000, MGW10005",
    "where mgw10030.cIdAlmacen =  MGW10003.cIdAlmacen  and mgw10030.cidejerc01 = MGW10000.cidejerc01  and "
    "mgw10030.cIdprodu01 = mgw10005.cIdprodu01  and ctipoexi01 = 1 ",
    "",
    {{"mgw10030.cIdprodu01", 0}, {"mgw10030.cIdAlmacen", 0}, {"mgw10005.CCODIGOP01", 1}, {"mgw10005.ccodaltern", 1}},
};

const ConsultaExistencia kExistenciaComercial{
    "Select admMovimientos.CIDPRODUCTO CIDPRODUCTO, admMovimientos.CIDALMACEN CIDALMACEN, "
    "admAlmacenes.CCODIGOALMACEN CCODIGOALMACEN, admAlmacenes.CNOMBREALMACEN CNOMBREALMACEN, " +
        kCantidadConSigno +
        " Exitencia, admProductos.CCODIGOPRODUCTO codigoproducto, admProductos.CNOMBREPRODUCTO descripcion",
    "from admMovimientos inner join admProductos on admProductos.CIDPRODUCTO = admMovimientos.CIDPRODUCTO "
    "inner join admAlmacenes on admAlmacenes.CIDALMACEN = admMovimientos.CIDALMACEN",
    " Where (admMovimientos.cAfectaExistencia in (1,2)) and CAFECTADOINVENTARIO = 1 and CIDDOCUMENTO not in "
    "(Select CIDDOCUMENTO from admDocumentos where admDocumentos.ccancelado = 1)",
    " GROUP BY admMovimientos.CIDPRODUCTO, admMovimientos.CIDALMACEN, admAlmacenes.CCODIGOALMACEN, "
    "admAlmacenes.CNOMBREALMACEN, admProductos.CCODIGOPRODUCTO, admProductos.CNOMBREPRODUCTO",
    {{"admMovimientos.CIDPRODUCTO", 0},
     {"admMovimientos.CIDALMACEN", 0},
     {"admProductos.CCODIGOPRODUCTO", 1},
     {"admProductos.ccodaltern", 1}},
};

// SAP items have no alternative code: ccodaltern is ignored.
const ConsultaExistencia kExistenciaSap{
    "Select OITM.DocEntry CIDPRODUCTO, Ids001.id CIDALMACEN, oitw.WhsCode CCODIGOALMACEN, OWHS.WhsName "
    "CNOMBREALMACEN, oitm.OnHand Exitencia, oitm.ItemCode codigoproducto, oitm.ItemName descripcion",
    "from oitm inner join OITW on oitw.ItemCode = oitm.ItemCode inner join OWHS on OWHS.WhsCode = oitw.WhsCode "
    "inner join Ids001 on Ids001.Codigo = OWHS.WhsCode",
    "",
    "",
    {{"OITM.DocEntry", 0}, {"Ids001.id", 0}, {"oitm.ItemCode", 1}, {nullptr, 1}},
};

const ConsultaExistencia kExistenciaComercialPro{
    "Select dbo.docDocument.OwnedBusinessEntityID OwnedBusinessEntityID, dbo.orgProductKardex.ProductID CIDPRODUCTO, "
    "dbo.orgProductKardex.DepotID CIDALMACEN, \"\" CCODIGOALMACEN, ISNULL(dbo.orgDepot.DepotName, \"Sin sucursal\") "
    "CNOMBREALMACEN, SUM(dbo.orgProductKardex.Quantity) Exitencia, dbo.orgProduct.ProductKey codigoproducto, "
    "dbo.orgProduct.ProductName descripcion, " +
        kDisponibleKardex + " Disponible",
    kFromKardex,
    kWhereKardex,
    kAgrupaKardex,
    {{"dbo.orgProductKardex.ProductID", 0},
     {"dbo.orgProductKardex.DepotID", 0},
     {"dbo.orgProduct.ProductKey", 1},
     {"dbo.orgProduct.ProductKey", 1}},
};

const ConsultaExistencia* ExistenciaDe(int tipoSistema) {
  switch (tipoSistema) {
    case 1: return &kExistenciaAdminpaq;
    case 2: return &kExistenciaComercial;
    case 3: return &kExistenciaSap;
    case 5: return &kExistenciaComercialPro;
    default: return nullptr;
  }
}

// The filters of GetExitenciaProductoCapa take cidcapa, CIDSERIE,
// CIDPRODUCTO, CIDALMACEN, CCODIGOPRODUCTO, CNUMEROLOTE, CPEDIMENTO and
// CNUMEROSERIE, in that order, in both halves of the Comercial Premium union:
// so each value is bound under one parameter name in both halves, and the
// database binds a name once for all its occurrences. The layer id selects
// admCapasProducto.CIDCAPA and the serial id admNumerosSerie.CIDSERIE.
// Neither table has an id 0, so comparing that id with 0 and then 0 with the
// value empties the half that the value does not belong to; a serial number
// does the same to the lots half by asking for an empty lot equal to an empty
// text.
using FiltrosCapa = Filtro[8];

const std::string kSelectLotes =
    "Select admAlmacenes.CIDALMACEN CIDALMACEN, admProductos.CIDPRODUCTO CIDPRODUCTO, admAlmacenes.CCODIGOALMACEN "
    "CCODIGOALMACEN, admAlmacenes.CNOMBREALMACEN CNOMBREALMACEN, admProductos.CCODIGOPRODUCTO codigoproducto, "
    "admProductos.CNOMBREPRODUCTO descripcion, admCapasProducto.CNUMEROLOTE CNUMEROLOTE, admCapasProducto.CPEDIMENTO "
    "CPEDIMENTO, \"\" CNUMEROSERIE, admCapasProducto.CEXISTENCIA CEXISTENCIA, admCapasProducto.CIDCAPA CIDCAPA, "
    "0 CIDSERIE, admCapasProducto.CTIPOCAPA ctipocapa, admCapasProducto.CFECHA CFECHA, "
    "admCapasProducto.CFECHACADUCIDAD CFECHACADUCIDAD, admCapasProducto.CFECHAFABRICACION CFECHAFABRICACION, "
    "admCapasProducto.CADUANA CADUANA, admCapasProducto.CFECHAPEDIMENTO CFECHAPEDIMENTO, admCapasProducto.CTIPOCAMBIO "
    "CTIPOCAMBIO, admCapasProducto.CCOSTO CCOSTO, admCapasProducto.CNUMADUANA CNUMADUANA, admCapasProducto.CCLAVESAT "
    "CCLAVESAT";
const std::string kFromLotes =
    "from admProductos inner join admCapasProducto on admCapasProducto.CIDPRODUCTO = admProductos.CIDPRODUCTO "
    "inner join admAlmacenes on admAlmacenes.CIDALMACEN = admCapasProducto.CIDALMACEN";
const FiltrosCapa kFiltrosLotes{
    {"admCapasProducto.CIDCAPA", 0},     {"admCapasProducto.CIDCAPA", 0, "= 0 and 0 ="},
    {"admProductos.CIDPRODUCTO", 0},     {"admAlmacenes.CIDALMACEN", 0},
    {"admProductos.CCODIGOPRODUCTO", 1}, {"admCapasProducto.CNUMEROLOTE", 1},
    {"admCapasProducto.CPEDIMENTO", 1},  {"admCapasProducto.CNUMEROLOTE", 1, "= \"\" and \"\" ="},
};

// A serial number is one unit; its expiry date stands for the layer's date.
const std::string kSelectSeries =
    "Select admAlmacenes.CIDALMACEN CIDALMACEN, admProductos.CIDPRODUCTO CIDPRODUCTO, admAlmacenes.CCODIGOALMACEN "
    "CCODIGOALMACEN, admAlmacenes.CNOMBREALMACEN CNOMBREALMACEN, admProductos.CCODIGOPRODUCTO codigoproducto, "
    "admProductos.CNOMBREPRODUCTO descripcion, admNumerosSerie.CNUMEROLOTE CNUMEROLOTE, admNumerosSerie.CPEDIMENTO "
    "CPEDIMENTO, admNumerosSerie.CNUMEROSERIE CNUMEROSERIE, 1 CEXISTENCIA, 0 CIDCAPA, admNumerosSerie.CIDSERIE "
    "CIDSERIE, 1 ctipocapa, admNumerosSerie.CFECHACADUCIDAD CFECHA, admNumerosSerie.CFECHACADUCIDAD CFECHACADUCIDAD, "
    "admNumerosSerie.CFECHAFABRICACION CFECHAFABRICACION, admNumerosSerie.CADUANA CADUANA, "
    "admNumerosSerie.CFECHAPEDIMENTO CFECHAPEDIMENTO, admNumerosSerie.CTIPOCAMBIO CTIPOCAMBIO, admNumerosSerie.CCOSTO "
    "CCOSTO, admNumerosSerie.CNUMADUANA CNUMADUANA, admNumerosSerie.CCLAVESAT CCLAVESAT";
const std::string kFromSeries =
    "from admProductos inner join admNumerosSerie on admNumerosSerie.CIDPRODUCTO = admProductos.CIDPRODUCTO "
    "inner join admAlmacenes on admAlmacenes.CIDALMACEN = admNumerosSerie.CIDALMACEN";
const FiltrosCapa kFiltrosSeries{
    {"admNumerosSerie.CIDSERIE", 0, "= 0 and 0 ="},
    {"admNumerosSerie.CIDSERIE", 0},
    {"admProductos.CIDPRODUCTO", 0},
    {"admAlmacenes.CIDALMACEN", 0},
    {"admProductos.CCODIGOPRODUCTO", 1},
    {"admNumerosSerie.CNUMEROLOTE", 1},
    {"admNumerosSerie.CPEDIMENTO", 1},
    {"admNumerosSerie.CNUMEROSERIE", 1},
};

// Comercial Pro keeps matrix products per size and colour, with no layers,
// lots, customs entries or serial numbers: those five filters compare the
// value with NULL, so asking for any of them finds nothing (and a layer or
// serial id that is not a number is still an error).
const std::string kSelectMatriz =
    "Select dbo.docDocument.OwnedBusinessEntityID OwnedBusinessEntityID, 0 CIDCaracteristica, "
    "dbo.orgProductKardex.DepotID CIDALMACEN, \"\" CCODIGOALMACEN, ISNULL(dbo.orgDepot.DepotName, \"Sin sucursal\") "
    "CNOMBREALMACEN, SUM(dbo.orgProductKardex.Quantity) Exitencia, dbo.orgProduct.ProductKey codigoproducto, "
    "dbo.orgProduct.ProductName descripcion, " +
    kDisponibleKardex +
    " Disponible, 0 CIDVALORCARACTERISTICA1, 0 CIDVALORCARACTERISTICA2, 0 CIDVALORCARACTERISTICA3, "
    "dbo.docDocumentItem.MatrixKey1 CVALORCARACTERISTICA1, \"\" CNEMOCARACTERISTICA1, dbo.docDocumentItem.MatrixKey2 "
    "CVALORCARACTERISTICA2, \"\" CNEMOCARACTERISTICA2, \"\" CVALORCARACTERISTICA3, \"\" CNEMOCARACTERISTICA3, "
    "dbo.orgProductKardex.ProductID CIDPRODUCTO";
const FiltrosCapa kFiltrosMatriz{
    {"NULL", 0},
    {"NULL", 0},
    {"dbo.orgProductKardex.ProductID", 0},
    {"dbo.orgProductKardex.DepotID", 0},
    {"dbo.orgProduct.ProductKey", 1},
    {"NULL", 1},
    {"NULL", 1},
    {"NULL", 1},
};

// Detail products (one per combination of characteristic values) move in
// hidden movements owned by the document's visible movement; they leave the
// stock when that owner's document is cancelled.
const std::string kSelectCaracteristica =
    "Select admProductosDetalles.CIDPRODUCTO CIDCaracteristica, admAlmacenes.CIDALMACEN CIDALMACEN, "
    "admAlmacenes.CCODIGOALMACEN CCODIGOALMACEN, admAlmacenes.CNOMBREALMACEN CNOMBREALMACEN, " +
    kCantidadConSigno +
    " Exitencia, admProductos.CCODIGOPRODUCTO codigoproducto, admProductos.CNOMBREPRODUCTO descripcion, "
    "admProductosDetalles.CIDVALORCARACTERISTICA1 CIDVALORCARACTERISTICA1, "
    "admProductosDetalles.CIDVALORCARACTERISTICA2 CIDVALORCARACTERISTICA2, "
    "admProductosDetalles.CIDVALORCARACTERISTICA3 CIDVALORCARACTERISTICA3, "
    "admCaracteristicasValores_1.CVALORCARACTERISTICA CVALORCARACTERISTICA1, "
    "admCaracteristicasValores_1.CNEMOCARACTERISTICA CNEMOCARACTERISTICA1, "
    "admCaracteristicasValores_2.CVALORCARACTERISTICA CVALORCARACTERISTICA2, "
    "admCaracteristicasValores_2.CNEMOCARACTERISTICA CNEMOCARACTERISTICA2, "
    "admCaracteristicasValores_3.CVALORCARACTERISTICA CVALORCARACTERISTICA3, "
    "admCaracteristicasValores_3.CNEMOCARACTERISTICA CNEMOCARACTERISTICA3, admProductos.CIDPRODUCTO CIDPRODUCTO";
const std::string kFromCaracteristica =
    "from admProductosDetalles "
    "inner join admMovimientos on admMovimientos.CIDPRODUCTO = admProductosDetalles.CIDPRODUCTO "
    "inner join admAlmacenes on admAlmacenes.CIDALMACEN = admMovimientos.CIDALMACEN "
    "inner join admProductos on admProductosDetalles.CIDPRODUCTOPADRE = admProductos.CIDPRODUCTO "
    "inner join admCaracteristicasValores AS admCaracteristicasValores_1 on "
    "admCaracteristicasValores_1.CIDVALORCARACTERISTICA = admProductosDetalles.CIDVALORCARACTERISTICA1 "
    "inner join admCaracteristicasValores AS admCaracteristicasValores_2 on "
    "admCaracteristicasValores_2.CIDVALORCARACTERISTICA = admProductosDetalles.CIDVALORCARACTERISTICA2 "
    "inner join admCaracteristicasValores AS admCaracteristicasValores_3 on "
    "admCaracteristicasValores_3.CIDVALORCARACTERISTICA = admProductosDetalles.CIDVALORCARACTERISTICA3";
const std::string kWhereCaracteristica =
    " WHERE        (admMovimientos.CAFECTAEXISTENCIA IN (1, 2)) AND "
    "(admMovimientos.CIDMOVTOOWNER NOT IN (SELECT        admMovimientos.CIDMOVIMIENTO FROM            "
    "admDocumentos INNER JOIN admMovimientos ON "
    "admMovimientos.CIDDOCUMENTO = admDocumentos.CIDDOCUMENTO WHERE        (admDocumentos.CCANCELADO = 1))) AND "
    "(admProductosDetalles.CIDPRODUCTOPADRE <> 0)";
const std::string kAgrupaCaracteristica =
    " GROUP BY admProductosDetalles.CIDPRODUCTO, admAlmacenes.CIDALMACEN, admAlmacenes.CCODIGOALMACEN, "
    "admAlmacenes.CNOMBREALMACEN, admProductos.CCODIGOPRODUCTO, admProductos.CNOMBREPRODUCTO, "
    "admProductosDetalles.CIDVALORCARACTERISTICA1, admProductosDetalles.CIDVALORCARACTERISTICA2, "
    "admProductosDetalles.CIDVALORCARACTERISTICA3, admCaracteristicasValores_1.CVALORCARACTERISTICA, "
    "admCaracteristicasValores_1.CNEMOCARACTERISTICA, admCaracteristicasValores_2.CVALORCARACTERISTICA, "
    "admCaracteristicasValores_2.CNEMOCARACTERISTICA, admCaracteristicasValores_3.CVALORCARACTERISTICA, "
    "admCaracteristicasValores_3.CNEMOCARACTERISTICA, admProductos.CIDPRODUCTO";
// CIDPRODUCTO, CIDALMACEN, CIDCaracteristica, the three value ids, then
// ccodaltern and CCODIGOPRODUCTO, both on the parent's code.
const Filtro kFiltrosCaracteristica[] = {
    {"admProductosDetalles.CIDPRODUCTOPADRE", 0},
    {"admAlmacenes.CIDALMACEN", 0},
    {"admProductosDetalles.CIDPRODUCTO", 0},
    {"admProductosDetalles.CIDVALORCARACTERISTICA1", 0},
    {"admProductosDetalles.CIDVALORCARACTERISTICA2", 0},
    {"admProductosDetalles.CIDVALORCARACTERISTICA3", 0},
    {"admProductos.CCODIGOPRODUCTO", 1},
    {"admProductos.CCODIGOPRODUCTO", 1},
};

// One row per component and warehouse: how many packages that component alone
// allows. Components that a package holds 0 of are left out, which also keeps
// the division defined.
const std::string kSelectPaquete =
    "Select admProductos.CIDPRODUCTO CIDPRODUCTO, admMovimientos.CIDALMACEN CIDALMACEN, admAlmacenes.CCODIGOALMACEN "
    "CCODIGOALMACEN, admAlmacenes.CNOMBREALMACEN CNOMBREALMACEN, " +
    kCantidadConSigno +
    " / admComponentesPaquete.CCANTIDADPRODUCTO Exitencia, admProductos.CCODIGOPRODUCTO codigoproducto, "
    "admProductos.CNOMBREPRODUCTO descripcion, admProductos_1.CIDPRODUCTO IdComponente, admProductos_1.CCODIGOPRODUCTO "
    "CodigoComponente, admProductos_1.CNOMBREPRODUCTO NombreComponente";
const std::string kFromPaquete =
    "from admComponentesPaquete inner join admProductos on admComponentesPaquete.CIDPAQUETE = admProductos.CIDPRODUCTO "
    "inner join (admMovimientos inner join admAlmacenes on admMovimientos.CIDALMACEN = admAlmacenes.CIDALMACEN) "
    "on admComponentesPaquete.CIDPRODUCTO = admMovimientos.CIDPRODUCTO "
    "inner join admProductos AS admProductos_1 on admMovimientos.CIDPRODUCTO = admProductos_1.CIDPRODUCTO";
const std::string kWherePaquete =
    " WHERE        (admMovimientos.CAFECTAEXISTENCIA IN (1, 2)) AND (admMovimientos.CAFECTADOINVENTARIO = 1) AND "
    "(admComponentesPaquete.CCANTIDADPRODUCTO > 0) AND (admMovimientos.CIDDOCUMENTO NOT IN (SELECT        "
    "CIDDOCUMENTO FROM            admDocumentos WHERE        (CCANCELADO = 1)))";
const std::string kAgrupaPaquete =
    " GROUP BY admComponentesPaquete.CIDPAQUETE, admMovimientos.CIDALMACEN, admAlmacenes.CCODIGOALMACEN, "
    "admAlmacenes.CNOMBREALMACEN, admProductos.CIDPRODUCTO, admProductos.CCODIGOPRODUCTO, "
    "admProductos.CNOMBREPRODUCTO, admComponentesPaquete.CCANTIDADPRODUCTO, admProductos_1.CIDPRODUCTO, "
    "admProductos_1.CCODIGOPRODUCTO, admProductos_1.CNOMBREPRODUCTO";
const Filtro kFiltrosPaquete[] = {
    {"admProductos.CIDPRODUCTO", 0},
    {"admMovimientos.CIDALMACEN", 0},
    {"admProductos.CCODIGOPRODUCTO", 1},
    {"admProductos.ccodaltern", 1},
};

}  // namespace

DataSet TServerMethodsSync::GetExitenciaProducto(const std::string& Token, const std::string& CIDPRODUCTO,
                                                 const std::string& CIDALMACEN, const std::string& CCODIGOPRODUCTO,
                                                 const std::string& ccodaltern) {
  if (!ValidaToken(Token)) return nullptr;
  const ConsultaExistencia* c = ExistenciaDe(TipoSistema());
  if (c == nullptr) return nullptr;
  const std::string valores[] = {CIDPRODUCTO, CIDALMACEN, CCODIGOPRODUCTO, ccodaltern};
  const Filtros f = AplicaFiltros(c->where, c->filtros, valores);
  return EjecutaConsulta(ArmaSentencia(c->select, c->from, f, c->agrupa), f);
}

DataSet TServerMethodsSync::GetExitenciaProductoCapa(const std::string& Token, const std::string& CIDPRODUCTO,
                                                     const std::string& CIDALMACEN, const std::string& CCODIGOPRODUCTO,
                                                     const std::string& CNUMEROLOTE, const std::string& CPEDIMENTO,
                                                     const std::string& CNUMEROSERIE, const std::string& cidcapa,
                                                     const std::string& CIDSERIE) {
  if (!ValidaToken(Token)) return nullptr;
  const std::string valores[] = {cidcapa,         CIDSERIE,    CIDPRODUCTO, CIDALMACEN,
                                 CCODIGOPRODUCTO, CNUMEROLOTE, CPEDIMENTO,  CNUMEROSERIE};
  switch (TipoSistema()) {
    case 2: {
      // Both halves hold the same values under the same names (see kFiltrosLotes).
      const Filtros lotes = AplicaFiltros("where admCapasProducto.CEXISTENCIA > 0 ", kFiltrosLotes, valores);
      const Filtros series = AplicaFiltros("where admNumerosSerie.CESTADO = 1 ", kFiltrosSeries, valores);
      return EjecutaConsulta(ArmaSentencia(kSelectLotes, kFromLotes, lotes, "") + " Union " +
                                 ArmaSentencia(kSelectSeries, kFromSeries, series, ""),
                             lotes);
    }
    case 5: {
      const Filtros f = AplicaFiltros(kWhereKardex + " AND orgProduct.ProductIsMatrix=1", kFiltrosMatriz, valores);
      return EjecutaConsulta(
          ArmaSentencia(kSelectMatriz, kFromKardex, f,
                        kAgrupaKardex + ", dbo.docDocumentItem.MatrixKey1, dbo.docDocumentItem.MatrixKey2"),
          f);
    }
    default: return nullptr;
  }
}

DataSet TServerMethodsSync::GetExitenciaCaracteristica(
    const std::string& Token, const std::string& CIDPRODUCTO, const std::string& CIDALMACEN,
    const std::string& CCODIGOPRODUCTO, const std::string& ccodaltern, const std::string& CIDCaracteristica,
    const std::string& pCIDVALORCARACTERISTICA1, const std::string& pCIDVALORCARACTERISTICA2,
    const std::string& pCIDVALORCARACTERISTICA3) {
  if (!ValidaToken(Token) || TipoSistema() != 2) return nullptr;
  const std::string valores[] = {CIDPRODUCTO,
                                 CIDALMACEN,
                                 CIDCaracteristica,
                                 pCIDVALORCARACTERISTICA1,
                                 pCIDVALORCARACTERISTICA2,
                                 pCIDVALORCARACTERISTICA3,
                                 ccodaltern,
                                 CCODIGOPRODUCTO};
  const Filtros f = AplicaFiltros(kWhereCaracteristica, kFiltrosCaracteristica, valores);
  return EjecutaConsulta(ArmaSentencia(kSelectCaracteristica, kFromCaracteristica, f, kAgrupaCaracteristica), f);
}

DataSet TServerMethodsSync::GetExitenciaPaquete(const std::string& Token, const std::string& CIDPRODUCTO,
                                                const std::string& CIDALMACEN, const std::string& CCODIGOPRODUCTO,
                                                const std::string& ccodaltern) {
  if (!ValidaToken(Token) || TipoSistema() != 2) return nullptr;
  const std::string valores[] = {CIDPRODUCTO, CIDALMACEN, CCODIGOPRODUCTO, ccodaltern};
  const Filtros f = AplicaFiltros(kWherePaquete, kFiltrosPaquete, valores);
  return EjecutaConsulta(ArmaSentencia(kSelectPaquete, kFromPaquete, f, kAgrupaPaquete), f);
}

}  // namespace quorvex
