// The listing and generic statements, in the SQLite form the back end runs,
// against the demo databases: every table and column they name must exist,
// and a column they write without its table must belong to one table only.
#include <gtest/gtest.h>

#include <string>

#include "BaseSqlitePrueba.h"

namespace quorvex {
namespace {

struct Consulta {
  const char* base;
  const char* nombre;
  const char* sql;
};

void PrintTo(const Consulta& c, std::ostream* os) { *os << c.base << " " << c.nombre; }

const Consulta kConsultas[]{
    // Comercial Premium.
    {"adDemo", "Comercial_Clientes",
     "SELECT CDENCOMErcial aliascliente, cidclienteproveedor idcliente, MGW10011.CNOMBREcalle calle, "
     "cat1.CVALORCLASIFICACION, cat2.CVALORCLASIFICACION, cat3.CVALORCLASIFICACION, CLISTAPReciocliente, CCIUDAD, "
     "CCOLONIA, CEMAIL, CCODIGOPostal, CCURP, CESTATUS, CMETODOPAG, CMUNICIPIO, CESTADO, CPAIS, CNUMEROExterior, "
     "CNUMEROInterior, CREPLEGAL, CCODIGOCliente, MGW10002.CTEXTOEXtra1, crazonsocial, MGW10011.CTEXTOEXtra, "
     "CNumCtaPag, crfc, CTELEFONO1, CTELEFONO2, CTELEFONO3, CDESCUENTODOCTO, CDESCUENTOMOVTO, "
     "cat4.CVALORCLASIFICACION, cat5.CVALORCLASIFICACION, cat6.CVALORCLASIFICACION, CIDVALORclasifcliente1, "
     "CIDVALORclasifcliente2, CIDVALORclasifcliente3, CIDVALORclasifcliente4, CIDVALORclasifcliente5, "
     "CIDVALORclasifcliente6, admAgentes.CIDAGENTE, admAgentes.CCODIGOAGENTE, admAgentes.CNOMBREAGENTE, CIDMONEDA, "
     "CIDMONEDA2, CLISTAPRECIOCLIENTE Lista, CDIASCREDITOCLIENTE, CLIMITECREDITOCLIENTE, CEMAIL1, CEMAIL2, CEMAIL3, "
     "CMETODOPAG, CUSOCFDI, CDESGLOSAI2 CDESGLOSAIEPS, CREGIMFISC "
     "FROM admclientes AS mgw10002 LEFT JOIN admAgentes ON admAgentes.CIDAGENTE = mgw10002.CIDAGENTEVENTA "
     "LEFT JOIN admClasificacionesValores AS cat1 ON cat1.CIDVALORCLASIFICACION = mgw10002.CIDVALORclasifcliente1 "
     "LEFT JOIN admClasificacionesValores AS cat2 ON cat2.CIDVALORCLASIFICACION = mgw10002.CIDVALORclasifcliente2 "
     "LEFT JOIN admClasificacionesValores AS cat3 ON cat3.CIDVALORCLASIFICACION = mgw10002.CIDVALORclasifcliente3 "
     "LEFT JOIN admClasificacionesValores AS cat4 ON cat4.CIDVALORCLASIFICACION = mgw10002.CIDVALORclasifcliente4 "
     "LEFT JOIN admClasificacionesValores AS cat5 ON cat5.CIDVALORCLASIFICACION = mgw10002.CIDVALORclasifcliente5 "
     "LEFT JOIN admClasificacionesValores AS cat6 ON cat6.CIDVALORCLASIFICACION = mgw10002.CIDVALORclasifcliente6 "
     "LEFT JOIN admdomicilios AS MGW10011 ON CIDCATALogo = mgw10002.CIDCLIENteproveedor AND CTIPOCATalogo = 1 "
     "AND CTIPODIReccion = 0 "
     "WHERE mgw10002.CTIPOCLIENTE IN (1,2) AND mgw10002.cRFC <> 'x' AND mgw10002.CRAZONSOCIAL <> 'x' "
     "AND mgw10002.cidclienteproveedor > 0 AND mgw10002.CCODIGOCliente <> 'x' ORDER BY cidclienteproveedor"},
    {"adDemo", "Comercial_Proveedores",
     "SELECT CDENCOMErcial, cidclienteproveedor, MGW10011.CNOMBREcalle, cat1.CVALORCLASIFICACION, "
     "cat2.CVALORCLASIFICACION, cat3.CVALORCLASIFICACION, CLISTAPReciocliente, CCIUDAD, CCOLONIA, CEMAIL, "
     "CCODIGOPostal, CCURP, CESTATUS, CMETODOPAG, CMUNICIPIO, CESTADO, CPAIS, CNUMEROExterior, CNUMEROInterior, "
     "CREPLEGAL, CCODIGOCliente, MGW10002.CTEXTOEXtra1, crazonsocial, MGW10011.CTEXTOEXtra, CNumCtaPag, crfc, "
     "CTELEFONO1, CTELEFONO2, CTELEFONO3, mgw10002.CLISTAPRECIOCLIENTE Lista, CDIASCREDITOCLIENTE, CDESCUENTODOCTO, "
     "CDESCUENTOMOVTO, CIDMONEDA, CIDMONEDA2 "
     "FROM admclientes AS mgw10002 "
     "LEFT JOIN admClasificacionesValores AS cat1 ON cat1.CIDVALORCLASIFICACION = mgw10002.CIDVALORCLASIFPROVEEDOR1 "
     "LEFT JOIN admClasificacionesValores AS cat2 ON cat2.CIDVALORCLASIFICACION = mgw10002.CIDVALORCLASIFPROVEEDOR2 "
     "LEFT JOIN admClasificacionesValores AS cat3 ON cat3.CIDVALORCLASIFICACION = mgw10002.CIDVALORCLASIFPROVEEDOR3 "
     "LEFT JOIN admdomicilios AS MGW10011 ON CIDCATALogo = mgw10002.CIDCLIENteproveedor AND CTIPOCATalogo = 1 "
     "AND CTIPODIReccion = 0 WHERE mgw10002.CTIPOCLIENTE IN (3,2)"},
    {"adDemo", "Comercial_Productos",
     "SELECT mgw10005.CIDPRODUCTO, cat1.CVALORCLASIFICACION, mgw10005.CCODIGOPRODUCTO, mgw10005.CNOMBREPRODUCTO, 0, "
     "mgw10005.CIMPUESTO1, mgw10005.CIMPUESTO2, mgw10005.CCOSTOESTANDAR, mgw10026.CNOMBREUNIDAD, mgw10005.CPRECIO1, "
     "mgw10005.CPRECIO2, mgw10005.CPRECIO3, mgw10005.CPRECIO4, mgw10005.CPRECIO5, mgw10005.CPRECIO6, "
     "mgw10005.CPRECIO7, mgw10005.CPRECIO8, mgw10005.CPRECIO9, mgw10005.CPRECIO10, mgw10005.CCODALTERN, "
     "mgw10005.CNOMALTERN, admClasificacionesValores.CVALORCLASIFICACION, "
     "admClasificacionesValores_1.CVALORCLASIFICACION, admClasificacionesValores_2.CVALORCLASIFICACION, "
     "admClasificacionesValores_3.CVALORCLASIFICACION, admClasificacionesValores_4.CVALORCLASIFICACION, "
     "mgw10005.CIDVALORCLASIFICACION1, mgw10005.CIDVALORCLASIFICACION2, mgw10005.CIDVALORCLASIFICACION3, "
     "mgw10005.CIDVALORCLASIFICACION4, mgw10005.CIDVALORCLASIFICACION5, mgw10005.CIDVALORCLASIFICACION6, "
     "mgw10005.CSTATUSPRODUCTO, CPRECIOSCONIVA, mgw10005.CMARGENUTILIDAD, mgw10005.CESEXENTO, "
     "admPromociones.CPORCENTAJEDESCUENTO, admUnidadesMedidaPeso.CNOMBREUNIDAD unidadXML, mgw10005.CIMPUESTO3, "
     "mgw10005.CRETENCION1, mgw10005.CRETENCION2, mgw10005.CCLAVESAT, mgw10005.CCANTIDADFISCAL, "
     "mgw10005.CESCUOTAI2, mgw10005.CESCUOTAI3, mgw10005.CIDUNIXML, mgw10026.cclavesat, mgw10026.cnombreunidad, "
     "admUnidadesMedidaPeso.cclavesat, admUnidadesMedidaPeso.cnombreunidad, CDESGLOSAI2, mgw10005.CTIPOPRODUCTO, "
     "mgw10005.CIDUNIDADBASE, mgw10005.CIDUNIDADNOCONVERTIBLE, mgw10005.CIDUNIDADCOMPRA, mgw10005.CIDUNIDADVENTA "
     "FROM admParametros, admProductos AS mgw10005 "
     "INNER JOIN admClasificacionesValores AS cat1 ON cat1.CIDVALORCLASIFICACION = mgw10005.CIDVALORCLASIFICACION1 "
     "INNER JOIN admClasificacionesValores "
     "ON admClasificacionesValores.CIDVALORCLASIFICACION = mgw10005.CIDVALORCLASIFICACION2 "
     "INNER JOIN admClasificacionesValores AS admClasificacionesValores_1 "
     "ON admClasificacionesValores_1.CIDVALORCLASIFICACION = mgw10005.CIDVALORCLASIFICACION3 "
     "INNER JOIN admClasificacionesValores AS admClasificacionesValores_2 "
     "ON admClasificacionesValores_2.CIDVALORCLASIFICACION = mgw10005.CIDVALORCLASIFICACION4 "
     "INNER JOIN admClasificacionesValores AS admClasificacionesValores_3 "
     "ON admClasificacionesValores_3.CIDVALORCLASIFICACION = mgw10005.CIDVALORCLASIFICACION5 "
     "INNER JOIN admClasificacionesValores AS admClasificacionesValores_4 "
     "ON admClasificacionesValores_4.CIDVALORCLASIFICACION = mgw10005.CIDVALORCLASIFICACION6 "
     "INNER JOIN admUnidadesMedidaPeso AS mgw10026 ON mgw10005.CIDUNIDADBASE = mgw10026.CIDUNIDAD "
     "INNER JOIN admUnidadesMedidaPeso ON mgw10005.CIDUNIXML = admUnidadesMedidaPeso.CIDUNIDAD "
     "LEFT JOIN admPromociones ON (admPromociones.CIDVALORCLASIFPRODUCTO1 = "
     "CASE mgw10005.CIDVALORCLASIFICACION1 WHEN 0 THEN -1 ELSE mgw10005.CIDVALORCLASIFICACION1 END "
     "OR admPromociones.CIDVALORCLASIFPRODUCTO2 = "
     "CASE mgw10005.CIDVALORCLASIFICACION2 WHEN 0 THEN -1 ELSE mgw10005.CIDVALORCLASIFICACION2 END "
     "OR admPromociones.CIDVALORCLASIFPRODUCTO3 = "
     "CASE mgw10005.CIDVALORCLASIFICACION3 WHEN 0 THEN -1 ELSE mgw10005.CIDVALORCLASIFICACION3 END "
     "OR admPromociones.CIDVALORCLASIFPRODUCTO4 = "
     "CASE mgw10005.CIDVALORCLASIFICACION4 WHEN 0 THEN -1 ELSE mgw10005.CIDVALORCLASIFICACION4 END "
     "OR admPromociones.CIDVALORCLASIFPRODUCTO5 = "
     "CASE mgw10005.CIDVALORCLASIFICACION5 WHEN 0 THEN -1 ELSE mgw10005.CIDVALORCLASIFICACION5 END "
     "OR admPromociones.CIDVALORCLASIFPRODUCTO6 = "
     "CASE mgw10005.CIDVALORCLASIFICACION6 WHEN 0 THEN -1 ELSE mgw10005.CIDVALORCLASIFICACION6 END) "
     "AND date(CFECHAINICIO) <= date('now') AND date(CFECHAFIN) >= date('now') AND admPromociones.CSTATUS = 1 "
     "WHERE mgw10005.CIDPRODUCTO > 0 AND mgw10005.CCODIGOPRODUCTO <> 'x' AND mgw10005.CNOMBREPRODUCTO <> 'x' "
     "AND CTIPOPRODUCTO  = 1"},
    {"adDemo", "Comercial_ConversionesUnidad",
     "SELECT CIDAUTOINCSQL, CIDUNIDAD1, CIDUNIDAD2, CFACTORCONVERSION FROM admConversionesUnidad"},
    {"adDemo", "Comercial_UnidadesMedidaPeso",
     "SELECT CIDUNIDAD, CNOMBREUNIDAD, CABREVIATURA, CDESPLIEGUE, CCLAVEINT, CCLAVESAT FROM admUnidadesMedidaPeso"},
    {"adDemo", "Comercial_Caracteristicas",
     "SELECT *  FROM admCaracteristicas   Where CIDPADRECARACTERISTICA <> 0 "
     "and admCaracteristicas.CNOMBRECARACTERISTICA = 'Talla'"},
    {"adDemo", "Comercial_CaracteristicasProducto",
     "SELECT admProductos.CIDPRODUCTO, admCaracteristicas_1.CIDPADRECARACTERISTICA CIDPADRECARACTERISTICA1, "
     "admCaracteristicas_2.CIDPADRECARACTERISTICA CIDPADRECARACTERISTICA2, "
     "admCaracteristicas_3.CIDPADRECARACTERISTICA CIDPADRECARACTERISTICA3, "
     "admCaracteristicasValores_1.CIDVALORCARACTERISTICA, admCaracteristicasValores_2.CIDVALORCARACTERISTICA, "
     "admCaracteristicasValores_3.CIDVALORCARACTERISTICA, admCaracteristicasValores_1.CVALORCARACTERISTICA, "
     "admCaracteristicasValores_2.CVALORCARACTERISTICA, admCaracteristicasValores_3.CVALORCARACTERISTICA, "
     "admCaracteristicasValores_1.CNEMOCARACTERISTICA, admCaracteristicasValores_2.CNEMOCARACTERISTICA, "
     "admCaracteristicasValores_3.CNEMOCARACTERISTICA FROM admProductos "
     "INNER JOIN admCaracteristicas AS admCaracteristicas_1 "
     "ON admCaracteristicas_1.CIDPADRECARACTERISTICA = admProductos.CIDPADRECARACTERISTICA1 "
     "INNER JOIN admCaracteristicas AS admCaracteristicas_2 "
     "ON admCaracteristicas_2.CIDPADRECARACTERISTICA = admProductos.CIDPADRECARACTERISTICA2 "
     "INNER JOIN admCaracteristicas AS admCaracteristicas_3 "
     "ON admCaracteristicas_3.CIDPADRECARACTERISTICA = admProductos.CIDPADRECARACTERISTICA3 "
     "INNER JOIN admCaracteristicasValores AS admCaracteristicasValores_1 "
     "ON admCaracteristicasValores_1.CIDPADRECARACTERISTICA = admCaracteristicas_1.CIDPADRECARACTERISTICA "
     "INNER JOIN admCaracteristicasValores AS admCaracteristicasValores_2 "
     "ON admCaracteristicasValores_2.CIDPADRECARACTERISTICA = admCaracteristicas_2.CIDPADRECARACTERISTICA "
     "INNER JOIN admCaracteristicasValores AS admCaracteristicasValores_3 "
     "ON admCaracteristicasValores_3.CIDPADRECARACTERISTICA = admCaracteristicas_3.CIDPADRECARACTERISTICA "
     " Where admProductos.CCONTROLEXISTENCIA in (2,3) and admProductos.CIDPRODUCTO = 21 "
     "and admProductos.CCODIGOPRODUCTO = 'RO001' and admProductos.CNOMBREPRODUCTO <> 'x'"},
    {"adDemo", "Comercial_CaracteristicasValores",
     "SELECT CIDVALORCARACTERISTICA, CIDPADRECARACTERISTICA, CVALORCARACTERISTICA, CNEMOCARACTERISTICA "
     "FROM admCaracteristicasValores Where CIDVALORCARACTERISTICA <> 0 and CIDPADRECARACTERISTICA = 1 "
     "and CIDVALORCARACTERISTICA = 2 and CVALORCARACTERISTICA = 'Mediana'"},
    {"adDemo", "Comercial_ExistenciaProducto",
     "SELECT admMovimientos.CIDPRODUCTO, admMovimientos.CIDALMACEN, admAlmacenes.CCODIGOALMACEN, "
     "admAlmacenes.CNOMBREALMACEN, "
     "SUM(CASE WHEN cAfectaExistencia = 1 THEN cUnidades WHEN cAfectaExistencia = 2 THEN 0 - cUnidades ELSE 0 END) "
     "Exitencia, admProductos.CCODIGOPRODUCTO codigoproducto, admProductos.CNOMBREPRODUCTO descripcion "
     "FROM admMovimientos INNER JOIN admProductos ON admProductos.CIDPRODUCTO = admMovimientos.CIDPRODUCTO "
     "INNER JOIN admAlmacenes ON admAlmacenes.CIDALMACEN = admMovimientos.CIDALMACEN "
     " Where (admMovimientos.cAfectaExistencia in (1,2)) and CAFECTADOINVENTARIO = 1 and CIDDOCUMENTO not in "
     "(Select CIDDOCUMENTO from admDocumentos where admDocumentos.ccancelado = 1) "
     "and admMovimientos.CIDPRODUCTO = 1 and admMovimientos.CIDALMACEN = 1 "
     "and admProductos.CCODIGOPRODUCTO = 'AB001' and admProductos.ccodaltern <> 'x' "
     " GROUP BY admMovimientos.CIDPRODUCTO, admMovimientos.CIDALMACEN, admAlmacenes.CCODIGOALMACEN, "
     "admAlmacenes.CNOMBREALMACEN, admProductos.CCODIGOPRODUCTO, admProductos.CNOMBREPRODUCTO"},
    {"adDemo", "Comercial_ExistenciaCapa",
     "SELECT admCapasProducto.CIDALMACEN, admCapasProducto.CIDPRODUCTO, admAlmacenes.CCODIGOALMACEN, "
     "admAlmacenes.CNOMBREALMACEN, admProductos.CCODIGOPRODUCTO codigoproducto, admProductos.CNOMBREPRODUCTO "
     "descripcion, CNUMEROLOTE, CPEDIMENTO, '' CNUMEROSERIE, CEXISTENCIA, CIDCAPA, 0 CIDSERIE, ctipocapa, CFECHA, "
     "CFECHACADUCIDAD, CFECHAFABRICACION, CADUANA, CFECHAPEDIMENTO, CTIPOCAMBIO, CCOSTO, CNUMADUANA, "
     "admCapasProducto.CCLAVESAT FROM admProductos "
     "INNER JOIN admCapasProducto ON admCapasProducto.CIDPRODUCTO = admProductos.CIDPRODUCTO "
     "INNER JOIN admAlmacenes ON admAlmacenes.CIDALMACEN = admCapasProducto.CIDALMACEN "
     "where admCapasProducto.CEXISTENCIA > 0  and admProductos.CIDPRODUCTO = 6 and admAlmacenes.CIDALMACEN = 1 "
     "and admProductos.CCODIGOPRODUCTO = 'AB006' and admCapasProducto.CNUMEROLOTE = 'L2501-A' "
     "and admCapasProducto.CPEDIMENTO = '' "
     " Union "
     "SELECT admNumerosSerie.CIDALMACEN, admNumerosSerie.CIDPRODUCTO, admAlmacenes.CCODIGOALMACEN, "
     "admAlmacenes.CNOMBREALMACEN, admProductos.CCODIGOPRODUCTO, admProductos.CNOMBREPRODUCTO, CNUMEROLOTE, "
     "CPEDIMENTO, CNUMEROSERIE, 1, 0, CIDSERIE, 1, CFECHACADUCIDAD, CFECHACADUCIDAD, CFECHAFABRICACION, CADUANA, "
     "CFECHAPEDIMENTO, CTIPOCAMBIO, CCOSTO, CNUMADUANA, admNumerosSerie.CCLAVESAT FROM admProductos "
     "INNER JOIN admNumerosSerie ON admNumerosSerie.CIDPRODUCTO = admProductos.CIDPRODUCTO "
     "INNER JOIN admAlmacenes ON admAlmacenes.CIDALMACEN = admNumerosSerie.CIDALMACEN "
     "where admNumerosSerie.CESTADO = 1  and admNumerosSerie.CIDSERIE = 3 and admNumerosSerie.CNUMEROSERIE <> ''"},
    {"adDemo", "Comercial_ExistenciaCaracteristica",
     "SELECT admProductosDetalles.CIDPRODUCTO CIDCaracteristica, admAlmacenes.CIDALMACEN, "
     "admAlmacenes.CCODIGOALMACEN, admAlmacenes.CNOMBREALMACEN, "
     "SUM(CASE WHEN admMovimientos.CAFECTAEXISTENCIA = 1 THEN admMovimientos.CUNIDADES "
     "WHEN admMovimientos.CAFECTAEXISTENCIA = 2 THEN -admMovimientos.CUNIDADES ELSE 0 END) Exitencia, "
     "admProductos.CCODIGOPRODUCTO codigoproducto, admProductos.CNOMBREPRODUCTO descripcion, "
     "admProductosDetalles.CIDVALORCARACTERISTICA1, admProductosDetalles.CIDVALORCARACTERISTICA2, "
     "admProductosDetalles.CIDVALORCARACTERISTICA3, admCaracteristicasValores_1.CVALORCARACTERISTICA, "
     "admCaracteristicasValores_1.CNEMOCARACTERISTICA, admCaracteristicasValores_2.CVALORCARACTERISTICA, "
     "admCaracteristicasValores_2.CNEMOCARACTERISTICA, admCaracteristicasValores_3.CVALORCARACTERISTICA, "
     "admCaracteristicasValores_3.CNEMOCARACTERISTICA, admProductos.CIDPRODUCTO "
     "FROM admProductosDetalles "
     "INNER JOIN admMovimientos ON admMovimientos.CIDPRODUCTO = admProductosDetalles.CIDPRODUCTO "
     "INNER JOIN admAlmacenes ON admAlmacenes.CIDALMACEN = admMovimientos.CIDALMACEN "
     "INNER JOIN admProductos ON admProductosDetalles.CIDPRODUCTOPADRE = admProductos.CIDPRODUCTO "
     "INNER JOIN admCaracteristicasValores AS admCaracteristicasValores_1 "
     "ON admCaracteristicasValores_1.CIDVALORCARACTERISTICA = admProductosDetalles.CIDVALORCARACTERISTICA1 "
     "INNER JOIN admCaracteristicasValores AS admCaracteristicasValores_2 "
     "ON admCaracteristicasValores_2.CIDVALORCARACTERISTICA = admProductosDetalles.CIDVALORCARACTERISTICA2 "
     "INNER JOIN admCaracteristicasValores AS admCaracteristicasValores_3 "
     "ON admCaracteristicasValores_3.CIDVALORCARACTERISTICA = admProductosDetalles.CIDVALORCARACTERISTICA3 "
     " WHERE        (admMovimientos.CAFECTAEXISTENCIA IN (1, 2)) AND (admMovimientos.CIDMOVTOOWNER NOT IN (SELECT  "
     "      admMovimientos.CIDMOVIMIENTO FROM            admDocumentos INNER JOIN admMovimientos ON "
     "admMovimientos.CIDDOCUMENTO = admDocumentos.CIDDOCUMENTO WHERE        (admDocumentos.CCANCELADO = 1))) AND "
     "(admProductosDetalles.CIDPRODUCTOPADRE <> 0) and admProductosDetalles.CIDPRODUCTOPADRE = 21 "
     "and admAlmacenes.CIDALMACEN = 1 and admProductosDetalles.CIDPRODUCTO = 1001 "
     "and admProductosDetalles.CIDVALORCARACTERISTICA1 = 2 and admProductosDetalles.CIDVALORCARACTERISTICA2 = 6 "
     "and admProductosDetalles.CIDVALORCARACTERISTICA3 = 9 and admProductos.CCODIGOPRODUCTO = 'RO001' "
     "GROUP BY admProductosDetalles.CIDPRODUCTO, admAlmacenes.CIDALMACEN, admAlmacenes.CCODIGOALMACEN, "
     "admAlmacenes.CNOMBREALMACEN, admProductos.CCODIGOPRODUCTO, admProductos.CNOMBREPRODUCTO, "
     "admProductosDetalles.CIDVALORCARACTERISTICA1, admProductosDetalles.CIDVALORCARACTERISTICA2, "
     "admProductosDetalles.CIDVALORCARACTERISTICA3, admCaracteristicasValores_1.CVALORCARACTERISTICA, "
     "admCaracteristicasValores_1.CNEMOCARACTERISTICA, admCaracteristicasValores_2.CVALORCARACTERISTICA, "
     "admCaracteristicasValores_2.CNEMOCARACTERISTICA, admCaracteristicasValores_3.CVALORCARACTERISTICA, "
     "admCaracteristicasValores_3.CNEMOCARACTERISTICA, admProductos.CIDPRODUCTO"},
    {"adDemo", "Comercial_ExistenciaPaquete",
     "SELECT admProductos.CIDPRODUCTO, admMovimientos.CIDALMACEN, admAlmacenes.CCODIGOALMACEN, "
     "admAlmacenes.CNOMBREALMACEN, SUM(CASE WHEN admMovimientos.CAFECTAEXISTENCIA = 1 THEN admMovimientos.CUNIDADES "
     "WHEN admMovimientos.CAFECTAEXISTENCIA = 2 THEN -admMovimientos.CUNIDADES ELSE 0 END) "
     "/ admComponentesPaquete.CCANTIDADPRODUCTO Exitencia, admProductos.CCODIGOPRODUCTO codigoproducto, "
     "admProductos.CNOMBREPRODUCTO descripcion, admProductos_1.CIDPRODUCTO IdComponente, "
     "admProductos_1.CCODIGOPRODUCTO CodigoComponente, admProductos_1.CNOMBREPRODUCTO NombreComponente "
     "FROM admComponentesPaquete INNER JOIN admProductos ON admComponentesPaquete.CIDPAQUETE = admProductos.CIDPRODUCTO "
     "INNER JOIN (admMovimientos INNER JOIN admAlmacenes ON admAlmacenes.CIDALMACEN = admMovimientos.CIDALMACEN) "
     "ON admComponentesPaquete.CIDPRODUCTO = admMovimientos.CIDPRODUCTO "
     "INNER JOIN admProductos AS admProductos_1 ON admProductos_1.CIDPRODUCTO = admMovimientos.CIDPRODUCTO "
     " WHERE        (admMovimientos.CAFECTAEXISTENCIA IN (1, 2)) AND (admMovimientos.CAFECTADOINVENTARIO = 1) AND "
     "(admComponentesPaquete.CCANTIDADPRODUCTO > 0) AND (admMovimientos.CIDDOCUMENTO NOT IN (SELECT        "
     "CIDDOCUMENTO FROM            admDocumentos WHERE        (CCANCELADO = 1))) and admProductos.CIDPRODUCTO = 32 "
     "and admMovimientos.CIDALMACEN = 1 and admProductos.CCODIGOPRODUCTO = 'PQ001' and admProductos.ccodaltern = '' "
     "GROUP BY admProductos.CIDPRODUCTO, admMovimientos.CIDALMACEN, admAlmacenes.CCODIGOALMACEN, "
     "admAlmacenes.CNOMBREALMACEN, admProductos.CCODIGOPRODUCTO, admProductos.CNOMBREPRODUCTO, "
     "admComponentesPaquete.CCANTIDADPRODUCTO, admProductos_1.CIDPRODUCTO, admProductos_1.CCODIGOPRODUCTO, "
     "admProductos_1.CNOMBREPRODUCTO"},
    {"adDemo", "Comercial_Agentes",
     "SELECT CIDAGENTE, CCODIGOAGENTE, CNOMBREAGENTE, CTIPOAGENTE, CCOMISIONVENTAAGENTE, CCOMISIONCOBROAGENTE, "
     "CIDVALORCLASIFICACION1, CIDVALORCLASIFICACION2, CIDVALORCLASIFICACION3, CIDVALORCLASIFICACION4, "
     "CIDVALORCLASIFICACION5, CTEXTOEXTRA1, CTEXTOEXTRA2, CTEXTOEXTRA3  from admAgentes "},
    {"adDemo", "Comercial_Almacenes",
     "SELECT CIDALMACEN, CCODIGOALMACEN, CNOMBREALMACEN, CIDVALORCLASIFICACION1, CIDVALORCLASIFICACION2, "
     "CIDVALORCLASIFICACION3, CIDVALORCLASIFICACION4, CIDVALORCLASIFICACION5, CTEXTOEXTRA1, CTEXTOEXTRA2, "
     "CTEXTOEXTRA3  from admAlmacenes"},
    {"adDemo", "Comercial_SiguienteFolio",
     "select max(CSERIEDOCUMENTO) cserie, max(cfolio) cfolio\nfrom admdocumentos\n"
     "where CIDCONCEPTODOCUMENTO= 4\n  and CSERIEDOCUMENTO = 'FA'"},
    {"adDemo", "Comercial_TiposDocumento",
     "Select CIDCONCEPTODOCUMENTO IdTipoDocumento, CCODIGOCONCEPTO, CNOMBRECONCEPTO, CIDDOCUMENTODE  from "
     "admConceptos  where CIDDOCUMENTODE = 4 and CIDCONCEPTODOCUMENTO = 4 and CIDDOCUMENTODE in (2,3)"},
    {"adDemo", "Comercial_Version", "Select CVERSIONACTUAL from  admParametros"},
    {"adDemo", "Comercial_Guid", "Select CGUIDDSL GUIDDSL from admParametros"},
    // AdminPAQ.
    {"apDemo", "Adminpaq_Clientes",
     "SELECT CDENCOME01 aliascliente, cidclien01 idcliente, MGW10011.CNOMBREC01 calle, cat1.CNOMBREC01, "
     "cat2.CNOMBREC01, cat3.CNOMBREC01, CLISTAPR01, CCIUDAD, CCOLONIA, CEMAIL, CCODIGOP01, CCURP, CESTATUS, "
     "CMETODOPAG, CMUNICIPIO, CESTADO, CPAIS, CNUMEROE01, CNUMEROI01, CREPLEGAL, CCODIGOC01, MGW10002.CTEXTOEX01, "
     "crazonso01, MGW10011.CTEXTOEX01, CNumCtaPag, crfc, CTELEFONO1, CTELEFONO2, CTELEFONO3, CDESCUEN01, "
     "CDESCUEN02 CDESCUENTOMOVT, cat1.CNOMBREC01, cat1.CNOMBREC01, cat1.CNOMBREC01, mgw10002.CIDVALOR01, "
     "mgw10002.CIDVALOR02, mgw10002.CIDVALOR03, mgw10002.CIDVALOR04, mgw10002.CIDVALOR05, mgw10002.CIDVALOR06, "
     "MGW10001.CIDAGENTE, MGW10001.CCODIGOA01, MGW10001.CNOMBREA01, CIDMONEDA, CIDMONEDA2, CLISTAPR01 lista, "
     "CDIASCRE01, CLIMITEC01, CEMAIL1, CEMAIL2, CEMAIL3, CMETODOPAG, CUSOCFDI "
     "FROM mgw10002 LEFT JOIN MGW10001 ON MGW10001.CIDAGENTE = mgw10002.CIDAGENT01 "
     "LEFT JOIN MGW10019 cat1 ON cat1.CIDCLASI01 = mgw10002.CIDVALOR01 "
     "LEFT JOIN MGW10019 cat2 ON cat2.CIDCLASI01 = mgw10002.CIDVALOR02 "
     "LEFT JOIN MGW10019 cat3 ON cat3.CIDCLASI01 = mgw10002.CIDVALOR03 "
     "LEFT JOIN MGW10011 ON CIDCATAL01 = mgw10002.CIDCLIEN01 and CTIPOCAT01 = 1 and CTIPODIR01 = 0 "
     " Where mgw10002.ctipocli01 in (1,2)  and mgw10002.cRFC <> 'x' and mgw10002.CRAZONSO01 <> 'x' "
     "and mgw10002.cidclien01 > 0 and mgw10002.CCODIGOC01 <> 'x' Order by cidclien01"},
    {"apDemo", "Adminpaq_Productos",
     "SELECT mgw10005.CIDPRODU01, cat1.CVALORCL01, mgw10005.CCODIGOP01, mgw10005.CNOMBREP01, 0, mgw10005.CIMPUESTO1, "
     "mgw10005.CIMPUESTO2, mgw10005.CCOSTOES01, CNOMBREU01, CPRECIO1, CPRECIO2, CPRECIO3, CPRECIO4, CPRECIO5, "
     "CPRECIO6, CPRECIO7, CPRECIO8, CPRECIO9, CPRECIO10, mgw10005.ccodaltern, mgw10005.cnomaltern, "
     "cat2.CVALORCL01, cat3.CVALORCL01, cat4.CVALORCL01, cat5.CVALORCL01, cat6.CVALORCL01, mgw10005.CIDVALOR01, "
     "mgw10005.CIDVALOR02, mgw10005.CIDVALOR03, mgw10005.CIDVALOR04, mgw10005.CIDVALOR05, mgw10005.CIDVALOR06, "
     "mgw10005.CSTATUSP01, CPRECIOS01, mgw10005.CMARGENU01, mgw10005.CESEXENTO, 0 "
     " from mgw10005, MGW10020 cat1, mgw10026, MGW10020 cat2, MGW10020 cat3, MGW10020 cat4, MGW10020 cat5, "
     "MGW10020 cat6, MGW10000  where cat1.CIDVALOR01 = mgw10005.CIDVALOR01 and cat2.CIDVALOR01 = mgw10005.CIDVALOR02 "
     "and cat3.CIDVALOR01 = mgw10005.CIDVALOR03 and cat4.CIDVALOR01 = mgw10005.CIDVALOR04 "
     "and cat5.CIDVALOR01 = mgw10005.CIDVALOR05 and cat6.CIDVALOR01 = mgw10005.CIDVALOR06 "
     "and mgw10005.CIDUNIDA01 = mgw10026.CIDUNIDAD and mgw10005.CIDPRODU01 > 0 and mgw10005.CCODIGOP01 <> 'x' "
     "and mgw10005.CNOMBREP01 <> 'x'"},
    {"apDemo", "Adminpaq_Existencia",
     "SELECT mgw10030.cIdprodu01 CIDPRODUCTO, MGW10003.CIDALMACEN, MGW10003.CCODIGOA01 CCODIGOALMACEN, "
     "MGW10003.CNOMBREA01 CNOMBREALMACEN, centrada13 - csalidas13 Exitencia, CCODIGOP01 codigoproducto, "
     "CNOMBREP01 descripcion from mgw10030, MGW10003, MGW10000, MGW10005 "
     "where mgw10030.cIdAlmacen =  MGW10003.cIdAlmacen  and mgw10030.cidejerc01 = MGW10000.cidejerc01  "
     "and mgw10030.cIdprodu01 = mgw10005.cIdprodu01  and ctipoexi01 = 1  and mgw10030.cIdprodu01 = 1 "
     "and mgw10030.cIdAlmacen = 1 and mgw10005.CCODIGOP01 = 'AB001' and mgw10005.ccodaltern <> 'x'"},
    {"apDemo", "Adminpaq_Agentes",
     "SELECT CIDAGENTE, CCODIGOA01, CNOMBREA01, CTIPOAGE01, CCOMISIO01, CCOMISIO02, CIDVALOR01, CIDVALOR02, "
     "CIDVALOR03, CIDVALOR04, CIDVALOR05, CTEXTOEX01, CTEXTOEX02, CTEXTOEX03 from MGW10001"},
    {"apDemo", "Adminpaq_Almacenes",
     "SELECT CIDALMACEN, CCODIGOA01, CNOMBREA01, CIDVALOR01, CIDVALOR02, CIDVALOR03, CIDVALOR04, CIDVALOR05, "
     "CTEXTOEX01, CTEXTOEX02, CTEXTOEX03 from MGW10003"},
    {"apDemo", "Adminpaq_TiposDocumento",
     "Select CIDCONCE01 IdTipoDocumento, CCODIGOC01 CCODIGOCONCEPTO, CNOMBREC01 CNOMBRECONCEPTO,  CIDDOCUM01 "
     "CIDDOCUMENTODE from MGW10006   where CIDDOCUM01 = 4 and CIDCONCE01 = 4 and CIDDOCUM01 in (2,3)"},
    // SAP Business One.
    {"sapDemo", "Sap_Clientes",
     "SELECT CAST(OCRD.AliasName AS TEXT) aliascliente, OCRD.DocEntry idcliente, OCRD.Address calle, "
     "OCRG.GroupName, (SELECT GroupName FROM OCQG WHERE GroupCode = 1 AND OCRD.QryGroup1 = 'Y'), "
     "(SELECT GroupName FROM OCQG WHERE GroupCode = 2 AND OCRD.QryGroup2 = 'Y'), OCRD.ListNum, OCRD.City, "
     "OCRD.Block, OCRD.E_Mail, OCRD.ZipCode, OCRD.LicTradNum, OCRD.VatStatus, '', OCRD.City, OCRD.State1, "
     "OCRD.Country, '', '', OCRD.CntctPrsn, OCRD.CardCode, '', OCRD.CardName, '', '', OCRD.LicTradNum, OCRD.Phone1, "
     "OCRD.Phone2, OCRD.Fax, OCRD.ListNum Lista, 0 CDIASCREDITOCLIENTE "
     "FROM OCRD INNER JOIN OCRG ON OCRG.GroupCode = ocrd.GroupCode LEFT JOIN OSLP ON OSLP.SlpCode = OCRD.SlpCode "
     "WHERE CardType = 'C' and OCRD.LicTradNum <> 'x' and OCRD.CardName <> 'x' and OCRD.DocEntry > 0 "
     "and OCRD.CardCode <> 'x'"},
    {"sapDemo", "Sap_Productos",
     "SELECT oitm.DocEntry, OITB.ItmsGrpNam, oitm.ItemCode, oitm.ItemName, 0, 0, 0, OITM.LastPurPrc, Oitm.BaseUnit, "
     "ITM1.price, ITM1.Price, ITM1.Price, ITM1.Price, ITM1.Price, ITM1.Price, ITM1.Price, ITM1.Price, ITM1.Price, "
     "ITM1.Price, OITM.CodeBars, oitm.ItemClass, "
     "(SELECT ItmsGrpNam FROM OITG WHERE ItmsTypCod = 1 AND oitm.QryGroup1 = 'Y'), "
     "(SELECT ItmsGrpNam FROM OITG WHERE ItmsTypCod = 2 AND oitm.QryGroup2 = 'Y'), "
     "(SELECT ItmsGrpNam FROM OITG WHERE ItmsTypCod = 3 AND oitm.QryGroup3 = 'Y'), "
     "(SELECT ItmsGrpNam FROM OITG WHERE ItmsTypCod = 4 AND oitm.QryGroup4 = 'Y'), "
     "(SELECT ItmsGrpNam FROM OITG WHERE ItmsTypCod = 5 AND oitm.QryGroup5 = 'Y'), OITB.ItmsGrpCod, "
     "CASE WHEN oitm.qryGroup1 = 'Y' THEN 1 ELSE 2 END, CASE WHEN oitm.qryGroup2 = 'Y' THEN 1 ELSE 2 END, "
     "CASE WHEN oitm.qryGroup3 = 'Y' THEN 1 ELSE 2 END, CASE WHEN oitm.qryGroup4 = 'Y' THEN 1 ELSE 2 END, "
     "CASE WHEN oitm.qryGroup5 = 'Y' THEN 1 ELSE 2 END, CASE WHEN oitm.Deleted = 'N' THEN 1 ELSE 0 END "
     " from oitm inner join OITB on (oitb.ItmsGrpCod = oitm.ItmsGrpCod) inner join ITM1 on "
     "(ITM1.ItemCode = oitm.ItemCode and ITM1.PriceList = 2) where oitm.DocEntry > 0 and oitm.ItemCode <> 'x' "
     "and oitm.ItemName <> 'x'"},
    {"sapDemo", "Sap_Existencia",
     "SELECT OITM.DocEntry CIDPRODUCTO, Ids001.id CIDALMACEN, oitw.WhsCode CCODIGOALMACEN, OWHS.WhsName "
     "CNOMBREALMACEN, oitm.OnHand Exitencia, oitm.ItemCode codigoproducto, oitm.ItemName descripcion from oitm "
     "inner join OITW on oitw.ItemCode = oitm.ItemCode inner join OWHS on OWHS.WhsCode = oitw.WhsCode "
     "inner join Ids001 on Ids001.Codigo = OWHS.WhsCode where OITM.DocEntry = 1 and Ids001.id = 1 "
     "and oitm.ItemCode = 'AB001'"},
    {"sapDemo", "Sap_Agentes",
     "SELECT SlpCode CIDAGENTE, SlpCode, SlpName, 1, Commission, Commission, 2, 2, 2, 2, 2, GroupCode, Locked, EmpID "
     " from oslp "},
    {"sapDemo", "Sap_IdsAlmacenes",
     "Insert into Ids001 (Codigo, Tabla)\nSelect WhsCode, 'Almacenes' \nfrom OWHS \n"
     "where WhsCode not in (select Codigo from Ids001 where Tabla = 'Almacenes')"},
    {"sapDemo", "Sap_Almacenes",
     "SELECT Ids001.Id, OWHS.WhsCode, OWHS.WhsName, 2, 2, 2, 2, 2, OWHS.Street, OWHS.Block, OWHS.ZipCode "
     " from OWHS inner join Ids001 on (Ids001.Codigo = OWHS.WhsCode)"},
    // Comercial Pro.
    {"proDemo", "Pro_Clientes",
     "SELECT vwLBSBusinessEntityList.CommercialName aliascliente, CustomerID idcliente, AddressFiscalStreet calle, "
     "CustomerCategory, '', '', '', AddressFiscalMunicipality ciudad, AddressFiscalCity colonia, "
     "BusinessEntityEmail, AddressFiscalZipCode, '', '', metodopago, AddressFiscalCity, AddressFiscalStateProvince, "
     "AddressFiscalCountryName, AddressFiscalExtNumber, AddressFiscalIntNumber, MainContactName, CustomerID, "
     "orgcustomer.Comments, vwLBSBusinessEntityList.OfficialName, '', '', OfficialNumber, BusinessEntityPhone, '', "
     "'', orgcustomer.Discount, 0, '', '', '', '', '', '', '', '', '', SalesRepContactID, '', ContactName, "
     "orgcustomer.CurrencyID, '', '', 0, CreditLimit, '', '', '', FormaPago, ReceptorUsoCFDI "
     "FROM orgCustomer LEFT OUTER JOIN orgCustomerType ON orgCustomer.CustomerTypeID = orgCustomerType.CustomerTypeID "
     "LEFT OUTER JOIN engRefCurrency ON orgCustomer.CurrencyID = engRefCurrency.CurrencyID "
     "LEFT OUTER JOIN engTaxType ON orgCustomer.TaxTypeID = engTaxType.TaxTypeID "
     "LEFT OUTER JOIN vwcboCustomerDeliveryType "
     "ON orgCustomer.DeliveryTypeID = vwcboCustomerDeliveryType.DeliveryTypeID "
     "INNER JOIN vwLBSBusinessEntityList ON orgCustomer.BusinessEntityID = vwLBSBusinessEntityList.BusinessEntityID "
     "LEFT OUTER JOIN engPaymentTerm ON orgCustomer.PaymentTermID = engPaymentTerm.PaymentTermID "
     "LEFT OUTER JOIN vwLBSContactList ON orgCustomer.SalesRepContactID = vwLBSContactList.ContactID "
     "INNER JOIN orgBusinessEntityMainInfo ON orgCustomer.BusinessEntityID = orgBusinessEntityMainInfo.BusinessEntityID"
     "   and orgBusinessEntityMainInfo.OfficialNumber <> 'x' and vwLBSBusinessEntityList.OfficialName <> 'x' "
     "and CustomerID > 0"},
    {"proDemo", "Pro_Proveedores",
     "SELECT vwLBSBusinessEntityList.CommercialName, SupplierID, AddressFiscalStreet, orgSupplier.SupplierCategory, "
     "'', '', '', AddressFiscalMunicipality, AddressFiscalCity, BusinessEntityEmail, AddressFiscalZipCode, '', '', "
     "metodopago, AddressFiscalCity, AddressFiscalStateProvince, AddressFiscalCountryName, AddressFiscalExtNumber, "
     "AddressFiscalIntNumber, MainContactName, SupplierID, orgSupplier.Comments, vwLBSBusinessEntityList.OfficialName, "
     "'', '', OfficialNumber, BusinessEntityPhone, '', '', 0 Lista, 0, orgSupplier.Discount, 0 DESCUENTOMOVTO "
     "FROM orgSupplier LEFT OUTER JOIN engRefCurrency ON engRefCurrency.CurrencyID = orgSupplier.CurrencyID "
     "LEFT OUTER JOIN engTaxType ON engTaxType.TaxTypeID = orgSupplier.TaxTypeID "
     "INNER JOIN vwLBSBusinessEntityList ON orgSupplier.BusinessEntityID = vwLBSBusinessEntityList.BusinessEntityID "
     "INNER JOIN orgBusinessEntityMainInfo ON orgSupplier.BusinessEntityID = orgBusinessEntityMainInfo.BusinessEntityID"
     " WHERE orgSupplier.OwnedBusinessEntityID=1 AND orgSupplier.SupplierID=1 "
     "and orgBusinessEntityMainInfo.OfficialNumber <> 'x' and SupplierID = 1 and CAST(SupplierID AS TEXT) = '1'"},
    {"proDemo", "Pro_Productos",
     "SELECT ProductID idproducto, Category1, ProductKey, ProductName, 0, TaxPerc, 0, CostPrice, 'Pieza', PriceList, "
     "0, 0, 0, 0, 0, 0, 0, 0, 0, '', '', Category2, Category3, Category4, '', '', 0, 0, 0, 0, 0, 0, 1, "
     "PriceList*(1+TaxPerc), 0, 0, 0, orgProduct.ClaveUnidad unidadXML, 0, 0, 0, '', 0, 0, 0, 0, 99, 'SERVICIO', '', "
     "'(Ninguno)', 0 FROM orgProduct "
     "LEFT OUTER JOIN vwcboAnexo20v33_ClaveUnidad ON orgProduct.ClaveUnidad = vwcboAnexo20v33_ClaveUnidad.ClaveUnidad "
     "LEFT OUTER JOIN vwcboAnexo20v33_ClaveProdServ "
     "ON orgProduct.ClaveProdServ = vwcboAnexo20v33_ClaveProdServ.ClaveProdServ "
     "LEFT OUTER JOIN engRefCurrency ON orgProduct.CurrencyID = engRefCurrency.CurrencyID "
     "LEFT OUTER JOIN vwcboWarantyPeriod ON orgProduct.WarantyPeriodID = vwcboWarantyPeriod.ID "
     "LEFT OUTER JOIN engRefMultilingual ON orgProduct.ResIDProductName = engRefMultilingual.ResID "
     "LEFT OUTER JOIN vwLBSTaxTotalPerc ON orgProduct.TaxTypeID = vwLBSTaxTotalPerc.TaxTypeID "
     " where orgProduct.ProductID > 0 and orgProduct.ProductKey <> 'x' and orgProduct.ProductName <> 'x'"},
    {"proDemo", "Pro_Existencia",
     "SELECT docDocument.OwnedBusinessEntityID, orgProductKardex.ProductID CIDPRODUCTO, orgProductKardex.DepotID "
     "CIDALMACEN, '' CCODIGOALMACEN, IFNULL(orgDepot.DepotName, 'Sin sucursal') CNOMBREALMACEN, "
     "SUM(orgProductKardex.Quantity) Exitencia, ProductKey codigoproducto, ProductName descripcion, "
     "SUM(orgProductKardex.Quantity) - ABS(SUM(CASE WHEN DocRecipientID = 1 THEN QuantityToBeDelivered ELSE 0 END)) "
     "* CASE WHEN orgDepot.DepotTypeID = 8 THEN -1 ELSE 1 END "
     "+ SUM(CASE WHEN DocRecipientID > 2 THEN QuantityToBeDelivered ELSE 0 END) Disponible "
     "FROM orgProductKardex LEFT OUTER JOIN orgDepot ON orgProductKardex.DepotID = orgDepot.DepotID "
     "INNER JOIN orgProduct ON orgProductKardex.ProductID = orgProduct.ProductID "
     "INNER JOIN docDocument ON orgProductKardex.DocumentID = docDocument.DocumentID "
     "INNER JOIN docDocumentItem ON orgProductKardex.DocumentItemID = docDocumentItem.DocumentItemID "
     " WHERE docDocument.OwnedBusinessEntityID= 1 AND (orgProductKardex.Cancelled = 0) AND "
     "(docDocument.DeletedOn IS NULL) AND (docDocument.CancelledOn IS NULL) AND (docDocumentItem.DeletedOn IS NULL) "
     "AND (orgProduct.ProductTypeID <> 4)  and orgProductKardex.ProductID = 1 and orgProductKardex.DepotID = 1 "
     "and orgProduct.ProductKey = 'AB001' GROUP BY docDocument.OwnedBusinessEntityID, orgProductKardex.ProductID, "
     "IFNULL(orgDepot.DepotName, 'Sin sucursal'), orgProduct.ProductKey, orgProduct.ProductName, "
     "orgProductKardex.DepotID, orgDepot.DepotTypeID, orgProduct.ClaveUnidad"},
    {"proDemo", "Pro_ExistenciaMatriz",
     "SELECT docDocument.OwnedBusinessEntityID, 0 CIDCaracteristica, orgProductKardex.DepotID CIDALMACEN, '', "
     "IFNULL(orgDepot.DepotName, 'Sin sucursal'), SUM(orgProductKardex.Quantity) Exitencia, ProductKey, ProductName, "
     "SUM(orgProductKardex.Quantity) Disponible, 0, 0, 0, docDocumentItem.MatrixKey1 CVALORCARACTERISTICA1, '', "
     "docDocumentItem.MatrixKey2 CVALORCARACTERISTICA2, '', '', '', orgProductKardex.ProductID CIDPRODUCTO "
     "FROM orgProductKardex LEFT OUTER JOIN orgDepot ON orgProductKardex.DepotID = orgDepot.DepotID "
     "INNER JOIN orgProduct ON orgProductKardex.ProductID = orgProduct.ProductID "
     "INNER JOIN docDocument ON orgProductKardex.DocumentID = docDocument.DocumentID "
     "INNER JOIN docDocumentItem ON orgProductKardex.DocumentItemID = docDocumentItem.DocumentItemID "
     " WHERE docDocument.OwnedBusinessEntityID= 1 AND (orgProductKardex.Cancelled = 0) AND "
     "(docDocument.DeletedOn IS NULL) AND (docDocument.CancelledOn IS NULL) AND (docDocumentItem.DeletedOn IS NULL) "
     "AND (orgProduct.ProductTypeID <> 4)  AND orgProduct.ProductIsMatrix=1 "
     "GROUP BY docDocument.OwnedBusinessEntityID, orgProductKardex.ProductID, "
     "IFNULL(orgDepot.DepotName, 'Sin sucursal'), orgProduct.ProductKey, orgProduct.ProductName, "
     "orgProductKardex.DepotID, orgDepot.DepotTypeID, orgProduct.ClaveUnidad, docDocumentItem.MatrixKey1, "
     "docDocumentItem.MatrixKey2"},
    {"proDemo", "Pro_Agentes",
     "SELECT ContactID CIDAGENTE, EmployeeNumber CCODIGOAGENTE, Employee CNOMBREAGENTE, 0, 0, 0, '', '', '', '', '', "
     "'', '', ''  FROM vwLBSEmployeeList  WHERE SalesPosition=1 AND OwnedBusinessEntityID=1"},
    {"proDemo", "Pro_Almacenes",
     "SELECT DepotID, DepotID, DepotName, 0, 0, 0, 0, 0, DepotType, StateProvince, City  FROM vwLBSDepotList  "
     "WHERE OwnedBusinessEntityID = 1"},
    {"proDemo", "Pro_TiposDocumento",
     "SELECT ModuleID IdTipoDocumento, ModuleID CCODIGOCONCEPTO, DocumentTypeID, ModuleName CNOMBRECONCEPTO, "
     "DocRecipient CIDDOCUMENTODE FROM vwLBSModuleDocumentTypeName WHERE ModuleID = 155 and DocRecipient = 4 "
     "and ModuleID = 4 and DocRecipient in (2,3)"},
    // General databases and the other GUIDs.
    {"CompacWAdmin", "Generales_EmpresasComercial",
     "Select cnombreempresa Nombre, SUBSTR(crutadatos, INSTR(crutadatos, 'Empresas\\') + 9, 100) Base "
     "from empresas where CNOMBREEMPRESA <> '(Predeterminada)'"},
    {"GeneralesSQL", "Generales_EmpresasContabilidad", "Select  Nombre, AliasBDD Base from ListaEmpresas "},
    {"nomGenerales", "Generales_EmpresasNomina",
     "Select NombreCorto Nombre, RutaEmpresa Base, GUIDDSL from NOM10000 where RutaEmpresa <> ''"},
    {"nomGenerales", "Generales_GuidNomina", "Select guiddsl from nom10000"},
    {"ctDemo", "Contabilidad_Guid", "Select GUIDDSL from Parametros"},
};

class ConsultaListado : public ::testing::TestWithParam<Consulta> {};

TEST_P(ConsultaListado, CorreSobreLaBaseDemo) {
  const Consulta& c = GetParam();
  prueba::BaseSqlite b(prueba::ArchivoDemo(c.base));
  EXPECT_EQ(b.Ejecuta(c.sql), "") << c.sql;
}

INSTANTIATE_TEST_SUITE_P(Todas, ConsultaListado, ::testing::ValuesIn(kConsultas),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

}  // namespace
}  // namespace quorvex
