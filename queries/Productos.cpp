// Products, units and characteristics. GetProductos serves every product
// family; the other listings exist in Comercial Premium only.
#include <string>

#include "core/SyncServermethods.h"

namespace quorvex {

namespace {

// The texts of one family's product statement: select list, FROM part, base
// condition and the columns the id, code and name filters compare.
struct ConsultaProductos {
  const char* select;
  const char* from;
  const char* where;
  const char* id;
  const char* codigo;
  const char* nombre;
};

const ConsultaProductos kProductosAdminpaq{
    "select mgw10005.CIDPRODU01 idproducto, cat1.CVALORCL01 categoriaproducto, mgw10005.CCODIGOP01 codigoproducto, "
    "mgw10005.CNOMBREP01 descripcion, 0 porcentajedescuento, mgw10005.CIMPUESTO1 porcentajeimpuestos, "
    "mgw10005.CIMPUESTO2 porcentajeimpuestosespeciales, mgw10005.CCOSTOES01 preciocosto, CNOMBREU01 unidad, "
    "CPRECIO1 preciounitario, CPRECIO2 preciounitario2, CPRECIO3 preciounitario3, CPRECIO4 preciounitario4, "
    "CPRECIO5 preciounitario5, CPRECIO6 preciounitario6, CPRECIO7 preciounitario7, CPRECIO8 preciounitario8, "
    "CPRECIO9 preciounitario9, CPRECIO10 preciounitario10, mgw10005.ccodaltern ccodaltern, "
    "mgw10005.cnomaltern cnomaltern, cat2.CVALORCL01 categoriaproducto2, cat3.CVALORCL01 categoriaproducto3, "
    "cat4.CVALORCL01 categoriaproducto4, cat5.CVALORCL01 categoriaproducto5, cat6.CVALORCL01 categoriaproducto6, "
    "mgw10005.CIDVALOR01 CIDVALORCLASIFICACION1, mgw10005.CIDVALOR02 CIDVALORCLASIFICACION2, "
    "mgw10005.CIDVALOR03 CIDVALORCLASIFICACION3, mgw10005.CIDVALOR04 CIDVALORCLASIFICACION4, "
    "mgw10005.CIDVALOR05 CIDVALORCLASIFICACION5, mgw10005.CIDVALOR06 CIDVALORCLASIFICACION6, "
    "mgw10005.CSTATUSP01 CSTATUSPRODUCTO, CPRECIOS01 CPRECIOSCONIVA, mgw10005.CMARGENU01 CMARGENUTILIDAD, "
    "mgw10005.CESEXENTO CESEXENTO, 0 CPORCENTAJEDESCUENTO",
    " from mgw10005, MGW10020 cat1, mgw10026, MGW10020 cat2, MGW10020 cat3, MGW10020 cat4, MGW10020 cat5, "
    "MGW10020 cat6, MGW10000 ",
    " where cat1.CIDVALOR01 = mgw10005.CIDVALOR01 and cat2.CIDVALOR01 = mgw10005.CIDVALOR02"
    " and cat3.CIDVALOR01 = mgw10005.CIDVALOR03 and cat4.CIDVALOR01 = mgw10005.CIDVALOR04"
    " and cat5.CIDVALOR01 = mgw10005.CIDVALOR05 and cat6.CIDVALOR01 = mgw10005.CIDVALOR06"
    " and mgw10005.CIDUNIDA01 = mgw10026.CIDUNIDAD",
    "mgw10005.CIDPRODU01",
    "mgw10005.CCODIGOP01",
    "mgw10005.CNOMBREP01",
};

// A promotion applies through any of the six product classifications; a
// product value 0 ("none") becomes -1 so that it never matches a promotion's
// unused column. BETWEEN reads today's date once per candidate promotion,
// and only after a classification matched.
const ConsultaProductos kProductosComercial{
    "select mgw10005.CIDPRODUCTO idproducto, cat1.CVALORCLASIFICACION categoriaproducto, "
    "mgw10005.CCODIGOPRODUCTO codigoproducto, mgw10005.CNOMBREPRODUCTO descripcion, 0 porcentajedescuento, "
    "mgw10005.CIMPUESTO1 porcentajeimpuestos, mgw10005.CIMPUESTO2 porcentajeimpuestosespeciales, "
    "mgw10005.CCOSTOESTANDAR preciocosto, mgw10026.CNOMBREUNIDAD unidad, mgw10005.CPRECIO1 preciounitario, "
    "mgw10005.CPRECIO2 preciounitario2, mgw10005.CPRECIO3 preciounitario3, mgw10005.CPRECIO4 preciounitario4, "
    "mgw10005.CPRECIO5 preciounitario5, mgw10005.CPRECIO6 preciounitario6, mgw10005.CPRECIO7 preciounitario7, "
    "mgw10005.CPRECIO8 preciounitario8, mgw10005.CPRECIO9 preciounitario9, mgw10005.CPRECIO10 preciounitario10, "
    "mgw10005.CCODALTERN CCODALTERN, mgw10005.CNOMALTERN CNOMALTERN, "
    "admClasificacionesValores.CVALORCLASIFICACION categoriaproducto2, "
    "admClasificacionesValores_1.CVALORCLASIFICACION categoriaproducto3, "
    "admClasificacionesValores_2.CVALORCLASIFICACION categoriaproducto4, "
    "admClasificacionesValores_3.CVALORCLASIFICACION categoriaproducto5, "
    "admClasificacionesValores_4.CVALORCLASIFICACION categoriaproducto6, "
    "mgw10005.CIDVALORCLASIFICACION1 CIDVALORCLASIFICACION1, mgw10005.CIDVALORCLASIFICACION2 CIDVALORCLASIFICACION2, "
    "mgw10005.CIDVALORCLASIFICACION3 CIDVALORCLASIFICACION3, mgw10005.CIDVALORCLASIFICACION4 CIDVALORCLASIFICACION4, "
    "mgw10005.CIDVALORCLASIFICACION5 CIDVALORCLASIFICACION5, mgw10005.CIDVALORCLASIFICACION6 CIDVALORCLASIFICACION6, "
    "mgw10005.CSTATUSPRODUCTO CSTATUSPRODUCTO, CPRECIOSCONIVA CPRECIOSCONIVA, "
    "mgw10005.CMARGENUTILIDAD CMARGENUTILIDAD, mgw10005.CESEXENTO CESEXENTO, "
    "admPromociones.CPORCENTAJEDESCUENTO CPORCENTAJEDESCUENTO, admUnidadesMedidaPeso.CNOMBREUNIDAD unidadXML, "
    "mgw10005.CIMPUESTO3 CIMPUESTO3, mgw10005.CRETENCION1 CRETENCION1, mgw10005.CRETENCION2 CRETENCION2, "
    "mgw10005.CCLAVESAT CCLAVESAT, mgw10005.CCANTIDADFISCAL CCANTIDADFISCAL, mgw10005.CESCUOTAI2 CESCUOTAI2, "
    "mgw10005.CESCUOTAI3 CESCUOTAI3, mgw10005.CIDUNIXML CIDUNIXML, mgw10026.cclavesat ClaveSATUnidadBase, "
    "mgw10026.cnombreunidad DescripcionSATUnidadBase, admUnidadesMedidaPeso.cclavesat ClaveUnidadXML, "
    "admUnidadesMedidaPeso.cnombreunidad DescripcionUnidadXML, CDESGLOSAI2 CDESGLOSAIEPS, "
    "mgw10005.CTIPOPRODUCTO CTIPOPRODUCTO, mgw10005.CIDUNIDADBASE CIDUNIDADBASE, "
    "mgw10005.CIDUNIDADNOCONVERTIBLE CIDUNIDADNOCONVERTIBLE, mgw10005.CIDUNIDADCOMPRA CIDUNIDADCOMPRA, "
    "mgw10005.CIDUNIDADVENTA CIDUNIDADVENTA",
    " from admParametros, admProductos AS mgw10005"
    " INNER JOIN admClasificacionesValores AS cat1 ON cat1.CIDVALORCLASIFICACION = mgw10005.CIDVALORCLASIFICACION1"
    " INNER JOIN admClasificacionesValores"
    " ON admClasificacionesValores.CIDVALORCLASIFICACION = mgw10005.CIDVALORCLASIFICACION2"
    " INNER JOIN admClasificacionesValores AS admClasificacionesValores_1"
    " ON admClasificacionesValores_1.CIDVALORCLASIFICACION = mgw10005.CIDVALORCLASIFICACION3"
    " INNER JOIN admClasificacionesValores AS admClasificacionesValores_2"
    " ON admClasificacionesValores_2.CIDVALORCLASIFICACION = mgw10005.CIDVALORCLASIFICACION4"
    " INNER JOIN admClasificacionesValores AS admClasificacionesValores_3"
    " ON admClasificacionesValores_3.CIDVALORCLASIFICACION = mgw10005.CIDVALORCLASIFICACION5"
    " INNER JOIN admClasificacionesValores AS admClasificacionesValores_4"
    " ON admClasificacionesValores_4.CIDVALORCLASIFICACION = mgw10005.CIDVALORCLASIFICACION6"
    " INNER JOIN admUnidadesMedidaPeso AS mgw10026 ON mgw10005.CIDUNIDADBASE = mgw10026.CIDUNIDAD"
    " INNER JOIN admUnidadesMedidaPeso ON mgw10005.CIDUNIXML = admUnidadesMedidaPeso.CIDUNIDAD"
    " LEFT JOIN admPromociones ON (admPromociones.CIDVALORCLASIFPRODUCTO1 ="
    " CASE mgw10005.CIDVALORCLASIFICACION1 WHEN 0 THEN -1 ELSE mgw10005.CIDVALORCLASIFICACION1 END"
    " OR admPromociones.CIDVALORCLASIFPRODUCTO2 ="
    " CASE mgw10005.CIDVALORCLASIFICACION2 WHEN 0 THEN -1 ELSE mgw10005.CIDVALORCLASIFICACION2 END"
    " OR admPromociones.CIDVALORCLASIFPRODUCTO3 ="
    " CASE mgw10005.CIDVALORCLASIFICACION3 WHEN 0 THEN -1 ELSE mgw10005.CIDVALORCLASIFICACION3 END"
    " OR admPromociones.CIDVALORCLASIFPRODUCTO4 ="
    " CASE mgw10005.CIDVALORCLASIFICACION4 WHEN 0 THEN -1 ELSE mgw10005.CIDVALORCLASIFICACION4 END"
    " OR admPromociones.CIDVALORCLASIFPRODUCTO5 ="
    " CASE mgw10005.CIDVALORCLASIFICACION5 WHEN 0 THEN -1 ELSE mgw10005.CIDVALORCLASIFICACION5 END"
    " OR admPromociones.CIDVALORCLASIFPRODUCTO6 ="
    " CASE mgw10005.CIDVALORCLASIFICACION6 WHEN 0 THEN -1 ELSE mgw10005.CIDVALORCLASIFICACION6 END)"
    " AND CONVERT(date, GETDATE()) BETWEEN admPromociones.CFECHAINICIO AND admPromociones.CFECHAFIN"
    " AND admPromociones.CSTATUS = 1",
    "",
    "mgw10005.CIDPRODUCTO",
    "mgw10005.CCODIGOPRODUCTO",
    "mgw10005.CNOMBREPRODUCTO",
};

// Property group n of an item carries the name of OITG row n while the item's
// flag QryGroupn is set, and null otherwise.
const ConsultaProductos kProductosSap{
    "select oitm.DocEntry idproducto, OITB.ItmsGrpNam categoriaproducto, oitm.ItemCode codigoproducto, "
    "oitm.ItemName descripcion, 0 porcentajedescuento, 0 porcentajeimpuestos, 0 porcentajeimpuestosespeciales, "
    "OITM.LastPurPrc preciocosto, Oitm.BaseUnit unidad, ITM1.price preciounitario, ITM1.Price preciounitario2, "
    "ITM1.Price preciounitario3, ITM1.Price preciounitario4, ITM1.Price preciounitario5, ITM1.Price preciounitario6, "
    "ITM1.Price preciounitario7, ITM1.Price preciounitario8, ITM1.Price preciounitario9, ITM1.Price preciounitario10, "
    "OITM.CodeBars CCODALTERN, oitm.ItemClass CNOMALTERN, "
    "CASE WHEN oitm.QryGroup1 = \"Y\""
    " THEN (select OITG.ItmsGrpNam from OITG where OITG.ItmsTypCod = 1) END categoriaproducto2, "
    "CASE WHEN oitm.QryGroup2 = \"Y\""
    " THEN (select OITG.ItmsGrpNam from OITG where OITG.ItmsTypCod = 2) END categoriaproducto3, "
    "CASE WHEN oitm.QryGroup3 = \"Y\""
    " THEN (select OITG.ItmsGrpNam from OITG where OITG.ItmsTypCod = 3) END categoriaproducto4, "
    "CASE WHEN oitm.QryGroup4 = \"Y\""
    " THEN (select OITG.ItmsGrpNam from OITG where OITG.ItmsTypCod = 4) END categoriaproducto5, "
    "CASE WHEN oitm.QryGroup5 = \"Y\""
    " THEN (select OITG.ItmsGrpNam from OITG where OITG.ItmsTypCod = 5) END categoriaproducto6, "
    "OITB.ItmsGrpCod CIDVALORCLASIFICACION1, "
    "CASE WHEN oitm.qryGroup1 = \"Y\" THEN 1 ELSE 2 END CIDVALORCLASIFICACION2, "
    "CASE WHEN oitm.qryGroup2 = \"Y\" THEN 1 ELSE 2 END CIDVALORCLASIFICACION3, "
    "CASE WHEN oitm.qryGroup3 = \"Y\" THEN 1 ELSE 2 END CIDVALORCLASIFICACION4, "
    "CASE WHEN oitm.qryGroup4 = \"Y\" THEN 1 ELSE 2 END CIDVALORCLASIFICACION5, "
    "CASE WHEN oitm.qryGroup5 = \"Y\" THEN 1 ELSE 2 END CIDVALORCLASIFICACION6, "
    "CASE WHEN oitm.Deleted = \"N\" THEN 1 ELSE 0 END CSTATUSPRODUCTO",
    " from oitm inner join OITB on (oitb.ItmsGrpCod = oitm.ItmsGrpCod)"
    " inner join ITM1 on (ITM1.ItemCode = oitm.ItemCode and ITM1.PriceList = 2)",
    "",
    "oitm.DocEntry",
    "oitm.ItemCode",
    "oitm.ItemName",
};

const ConsultaProductos kProductosComercialPro{
    "select ProductID idproducto, Category1 categoriaproducto, ProductKey codigoproducto, ProductName descripcion, "
    "0 porcentajedescuento, TaxPerc porcentajeimpuestos, 0 porcentajeimpuestosespeciales, CostPrice preciocosto, "
    "\"Pieza\" unidad, PriceList preciounitario, 0 preciounitario2, 0 preciounitario3, 0 preciounitario4, "
    "0 preciounitario5, 0 preciounitario6, 0 preciounitario7, 0 preciounitario8, 0 preciounitario9, "
    "0 preciounitario10, \"\" CCODALTERN, \"\" CNOMALTERN, Category2 categoriaproducto2, Category3 categoriaproducto3, "
    "Category4 categoriaproducto4, \"\" categoriaproducto5, \"\" categoriaproducto6, 0 CIDVALORCLASIFICACION1, "
    "0 CIDVALORCLASIFICACION2, 0 CIDVALORCLASIFICACION3, 0 CIDVALORCLASIFICACION4, 0 CIDVALORCLASIFICACION5, "
    "0 CIDVALORCLASIFICACION6, 1 CSTATUSPRODUCTO, PriceList*(1+TaxPerc) CPRECIOSCONIVA, 0 CMARGENUTILIDAD, "
    "0 CESEXENTO, 0 CPORCENTAJEDESCUENTO, orgProduct.ClaveUnidad unidadXML, 0 CIMPUESTO3, 0 CRETENCION1, "
    "0 CRETENCION2, \"\" CCLAVESAT, 0 CCANTIDADFISCAL, 0 CESCUOTAI2, 0 CESCUOTAI3, 0 CIDUNIXML, "
    "99 ClaveSATUnidadBase, "
    "\"SERVICIO\" DescripcionSATUnidadBase, \"\" ClaveUnidadXML, \"(Ninguno)\" DescripcionUnidadXML, 0 CDESGLOSAIEPS",
    " from dbo.orgProduct"
    " left outer join dbo.vwcboAnexo20v33_ClaveUnidad"
    " on orgProduct.ClaveUnidad = vwcboAnexo20v33_ClaveUnidad.ClaveUnidad"
    " left outer join dbo.vwcboAnexo20v33_ClaveProdServ"
    " on orgProduct.ClaveProdServ = vwcboAnexo20v33_ClaveProdServ.ClaveProdServ"
    " left outer join dbo.engRefCurrency on orgProduct.CurrencyID = engRefCurrency.CurrencyID"
    " left outer join dbo.vwcboWarantyPeriod on orgProduct.WarantyPeriodID = vwcboWarantyPeriod.ID"
    " left outer join dbo.engRefMultilingual on orgProduct.ResIDProductName = engRefMultilingual.ResID"
    " left outer join dbo.vwLBSTaxTotalPerc on orgProduct.TaxTypeID = vwLBSTaxTotalPerc.TaxTypeID",
    "",
    "orgProduct.ProductID",
    "orgProduct.ProductKey",
    "orgProduct.ProductName",
};

const ConsultaProductos* ProductosDe(int tipoSistema) {
  switch (tipoSistema) {
    case 1: return &kProductosAdminpaq;
    case 2: return &kProductosComercial;
    case 3: return &kProductosSap;
    case 5: return &kProductosComercialPro;
    default: return nullptr;
  }
}

}  // namespace

DataSet TServerMethodsSync::GetProductos(const std::string& Token, const std::string& IDProducto,
                                         const std::string& Codigo, const std::string& Nombre,
                                         const std::string& CTIPOPRODUCTO) {
  if (!ValidaToken(Token)) return nullptr;
  const ConsultaProductos* consulta = ProductosDe(TipoSistema());
  if (consulta == nullptr) return nullptr;
  Filtros f(consulta->where);
  f.AgregaWhereL(consulta->id, 0, "=", IDProducto);
  f.AgregaWhereL(consulta->codigo, 1, "=", Codigo);
  f.AgregaWhereL(consulta->nombre, 1, "=", Nombre);
  // The product type exists as a number in Comercial Premium only.
  if (TipoSistema() == 2) f.AgregaWhereL("CTIPOPRODUCTO ", 0, "=", CTIPOPRODUCTO);
  return EjecutaConsulta(std::string(consulta->select) + " " + consulta->from + " " + f.Where() + " ", f);
}

DataSet TServerMethodsSync::GetUnidadesMedidaPeso(const std::string& Token) {
  if (!ValidaToken(Token) || TipoSistema() != 2) return nullptr;
  return DameConsultaSQL(Token,
                         "SELECT CIDUNIDAD, CNOMBREUNIDAD, CABREVIATURA, CDESPLIEGUE, CCLAVEINT, CCLAVESAT"
                         " FROM admUnidadesMedidaPeso",
                         "");
}

DataSet TServerMethodsSync::GetConversionesUnidad(const std::string& Token) {
  if (!ValidaToken(Token) || TipoSistema() != 2) return nullptr;
  return DameConsultaSQL(
      Token, "SELECT CIDAUTOINCSQL, CIDUNIDAD1, CIDUNIDAD2, CFACTORCONVERSION FROM admConversionesUnidad", "");
}

DataSet TServerMethodsSync::GetCaracteristicas(const std::string& Token, const std::string& Nombre) {
  if (!ValidaToken(Token) || TipoSistema() != 2) return nullptr;
  // Row 0 is the root of the characteristics, not one of them.
  Filtros f(" Where CIDPADRECARACTERISTICA <> 0");
  f.AgregaWhereL("admCaracteristicas.CNOMBRECARACTERISTICA", 1, "=", Nombre);
  return EjecutaConsulta("SELECT *  FROM admCaracteristicas  " + f.Where(), f);
}

// Inner joins throughout: a product is listed only with all three
// characteristics, once per combination of their values.
DataSet TServerMethodsSync::GetCaracteristicasProducto(const std::string& Token, const std::string& IDProducto,
                                                       const std::string& Codigo, const std::string& Nombre) {
  if (!ValidaToken(Token) || TipoSistema() != 2) return nullptr;
  Filtros f(" Where admProductos.CCONTROLEXISTENCIA in (2,3)");
  f.AgregaWhereL("admProductos.CIDPRODUCTO", 0, "=", IDProducto);
  f.AgregaWhereL("admProductos.CCODIGOPRODUCTO", 1, "=", Codigo);
  f.AgregaWhereL("admProductos.CNOMBREPRODUCTO", 1, "=", Nombre);
  return EjecutaConsulta(
      "SELECT admProductos.CIDPRODUCTO, admCaracteristicas_1.CIDPADRECARACTERISTICA AS CIDPADRECARACTERISTICA1, "
      "admCaracteristicas_2.CIDPADRECARACTERISTICA AS CIDPADRECARACTERISTICA2, "
      "admCaracteristicas_3.CIDPADRECARACTERISTICA AS CIDPADRECARACTERISTICA3, "
      "admCaracteristicasValores_1.CIDVALORCARACTERISTICA AS CIDVALORCARACTERISTICA1, "
      "admCaracteristicasValores_2.CIDVALORCARACTERISTICA AS CIDVALORCARACTERISTICA2, "
      "admCaracteristicasValores_3.CIDVALORCARACTERISTICA AS CIDVALORCARACTERISTICA3, "
      "admCaracteristicasValores_1.CVALORCARACTERISTICA AS CVALORCARACTERISTICA1, "
      "admCaracteristicasValores_2.CVALORCARACTERISTICA AS CVALORCARACTERISTICA2, "
      "admCaracteristicasValores_3.CVALORCARACTERISTICA AS CVALORCARACTERISTICA3, "
      "admCaracteristicasValores_1.CNEMOCARACTERISTICA AS CNEMOCARACTERISTICA1, "
      "admCaracteristicasValores_2.CNEMOCARACTERISTICA AS CNEMOCARACTERISTICA2, "
      "admCaracteristicasValores_3.CNEMOCARACTERISTICA AS CNEMOCARACTERISTICA3"
      " FROM admProductos"
      " INNER JOIN admCaracteristicas AS admCaracteristicas_1"
      " ON admCaracteristicas_1.CIDPADRECARACTERISTICA = admProductos.CIDPADRECARACTERISTICA1"
      " INNER JOIN admCaracteristicas AS admCaracteristicas_2"
      " ON admCaracteristicas_2.CIDPADRECARACTERISTICA = admProductos.CIDPADRECARACTERISTICA2"
      " INNER JOIN admCaracteristicas AS admCaracteristicas_3"
      " ON admCaracteristicas_3.CIDPADRECARACTERISTICA = admProductos.CIDPADRECARACTERISTICA3"
      " INNER JOIN admCaracteristicasValores AS admCaracteristicasValores_1"
      " ON admCaracteristicasValores_1.CIDPADRECARACTERISTICA = admCaracteristicas_1.CIDPADRECARACTERISTICA"
      " INNER JOIN admCaracteristicasValores AS admCaracteristicasValores_2"
      " ON admCaracteristicasValores_2.CIDPADRECARACTERISTICA = admCaracteristicas_2.CIDPADRECARACTERISTICA"
      " INNER JOIN admCaracteristicasValores AS admCaracteristicasValores_3"
      " ON admCaracteristicasValores_3.CIDPADRECARACTERISTICA = admCaracteristicas_3.CIDPADRECARACTERISTICA " +
          f.Where(),
      f);
}

DataSet TServerMethodsSync::GetCaracteristicasValores(const std::string& Token,
                                                      const std::string& pIDPADRECARACTERISTICA,
                                                      const std::string& pIDVALORCARACTERISTICA,
                                                      const std::string& pVALORCARACTERISTICA) {
  if (!ValidaToken(Token) || TipoSistema() != 2) return nullptr;
  // Value 0 stands for "no value" and is no value of any characteristic.
  Filtros f(" Where CIDVALORCARACTERISTICA <> 0");
  f.AgregaWhereL("CIDPADRECARACTERISTICA", 0, "=", pIDPADRECARACTERISTICA);
  f.AgregaWhereL("CIDVALORCARACTERISTICA", 0, "=", pIDVALORCARACTERISTICA);
  f.AgregaWhereL("CVALORCARACTERISTICA", 1, "=", pVALORCARACTERISTICA);
  return EjecutaConsulta(
      "SELECT CIDVALORCARACTERISTICA, CIDPADRECARACTERISTICA, CVALORCARACTERISTICA, CNEMOCARACTERISTICA FROM "
      "admCaracteristicasValores " +
          f.Where(),
      f);
}

}  // namespace quorvex
