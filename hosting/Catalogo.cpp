#include "hosting/Catalogo.h"

#include <algorithm>

#include "core/SyncServermethods.h"

namespace quorvex {

namespace {

constexpr auto T = TipoParametro::Texto;
constexpr auto I = TipoParametro::Entero;
constexpr auto D = TipoParametro::Doble;
constexpr auto B = TipoParametro::Booleano;
constexpr auto F = TipoParametro::FechaHora;

const std::string& Txt(std::span<const Argumento> a, std::size_t i) { return std::get<std::string>(a[i]); }

// A data set method whose only argument is the token text.
MetodoRemoto ConToken(std::string_view nombre, DataSet (TServerMethodsSync::*metodo)(const std::string&)) {
  return {nombre, {{"Token", T}}, TipoResultado::ConjuntoDatos,
          [metodo](TServerMethodsSync& m, std::span<const Argumento> a) -> Resultado { return (m.*metodo)(Txt(a, 0)); }};
}

// A method that is declared but whose behaviour is not built yet.
MetodoRemoto Pendiente(std::string_view nombre, std::vector<Parametro> parametros, TipoResultado resultado) {
  return {nombre, std::move(parametros), resultado, {}};
}

std::vector<MetodoRemoto> ConstruyeCatalogo() {
  using R = TipoResultado;
  const std::vector<Parametro> productoAlmacen = {
      {"Token", T}, {"CIDPRODUCTO", T}, {"CIDALMACEN", T}, {"CCODIGOPRODUCTO", T}, {"ccodaltern", T}};
  const std::vector<Parametro> pagoDocumento = {
      {"Token", T}, {"Empresa", T}, {"aCodigoDoctoaPagar", T}, {"aSerieDoctoaPagar", T}, {"aFolioDoctoaPagar", I},
      {"aCodigoDoctoaPago", T}, {"aSerieDoctoaPago", T}, {"aFolioDoctoaPago", I}};
  const std::vector<Parametro> detalle = {{"Token", T}, {"ID", I}, {"pCIDDOCUMENTODE", I}, {"pCMOVTOOCULTO", I},
                                          {"pCIDMOVTOOWNER", I}, {"pCIDMOVTOORIGEN", I}, {"Datos", T}};
  const std::vector<Parametro> capa = {
      {"Token", T}, {"pIdMovimiento", I}, {"pCIDCapa", I}, {"pCIDSERIE", I}, {"pUNIDADES", D},
      {"pTIPOCAMBIO", D}, {"pSERIES", T}, {"pPEDIMENTO", T}, {"pAGENCIA", T}, {"pFECHAPEDIMENTO", F},
      {"pNUMEROLOTE", T}, {"pFECHAFABRICACION", F}, {"pFECHACADUCIDAD", F}, {"pDuplicado", B}};
  const std::vector<Parametro> caracteristica = {
      {"Token", T}, {"pIdMovimiento", I}, {"pCIDVALORCARACTERISTICA1", I}, {"pCIDVALORCARACTERISTICA2", I},
      {"pCIDVALORCARACTERISTICA3", I}, {"pUNIDADES", D}, {"pAVALORCARACTERISTICA1", T},
      {"pAVALORCARACTERISTICA2", T}, {"pAVALORCARACTERISTICA3", T}, {"pDuplicado", B}};
  const std::vector<Parametro> domicilio = {
      {"Token", T}, {"pCIDCATALOGO", I}, {"pCTIPOCATALOGO", I}, {"pCTIPODIRECCION", I}, {"pCNOMBRECALLE", T},
      {"pCNUMEROEXTERIOR", T}, {"pCNUMEROINTERIOR", T}, {"pCCOLONIA", T}, {"pCCODIGOPOSTAL", T},
      {"pCTELEFONO1", T}, {"pCTELEFONO2", T}, {"pCTELEFONO3", T}, {"pCTELEFONO4", T}, {"pCEMAIL", T},
      {"pCDIRECCIONWEB", T}, {"pCPAIS", T}, {"pCESTADO", T}, {"pCCIUDAD", T}, {"pCTEXTOEXTRA", T},
      {"pCTIMESTAMP", T}, {"pCMUNICIPIO", T}, {"pCSUCURSAL", T}};
  const std::vector<Parametro> soloToken = {{"Token", T}};
  auto mas = [](std::vector<Parametro> base, std::initializer_list<Parametro> extra) {
    base.insert(base.end(), extra);
    return base;
  };

  std::vector<MetodoRemoto> c;
  c.push_back(Pendiente("MSfAltaDocumento",
                        {{"Token", T}, {"AFOLIO", D}, {"ANUMMONEDA", I}, {"ATIPOCAMBIO", D}, {"AIMPORTE", D},
                         {"ADESCUENTODOC1", D}, {"ADESCUENTODOC2", D}, {"ACODCONCEPTO", T}, {"ASERIE", T},
                         {"AFECHA", F}, {"ACODIGOCTEPROV", T}, {"ACODIGOAGENTE", T}, {"AREFERENCIA", T},
                         {"ASISTEMAORIGEN", I}, {"AAFECTA", I}, {"AGASTO1", D}, {"AGASTO2", D}, {"AGASTO3", D},
                         {"pfSetDDocto", T}},
                        R::Texto));
  c.push_back(Pendiente("CancelaDocumento",
                        {{"Token", T}, {"pIdDocumento", I}, {"pCCANCELADO", I}, {"pPassCertificado", T}}, R::Entero));
  c.push_back(Pendiente("EliminaDocumento", {{"Token", T}, {"pIdDocumento", I}}, R::Booleano));
  c.push_back(Pendiente("GetExitenciaProducto", productoAlmacen, R::ConjuntoDatos));
  c.push_back(Pendiente("GetExitenciaPaquete", productoAlmacen, R::ConjuntoDatos));
  c.push_back(Pendiente("GetExitenciaProductoCapa",
                        {{"Token", T}, {"CIDPRODUCTO", T}, {"CIDALMACEN", T}, {"CCODIGOPRODUCTO", T},
                         {"CNUMEROLOTE", T}, {"CPEDIMENTO", T}, {"CNUMEROSERIE", T}, {"cidcapa", T}, {"CIDSERIE", T}},
                        R::ConjuntoDatos));
  c.push_back(Pendiente("GetExitenciaCaracteristica",
                        mas(productoAlmacen, {{"CIDCaracteristica", T}, {"pCIDVALORCARACTERISTICA1", T},
                                              {"pCIDVALORCARACTERISTICA2", T}, {"pCIDVALORCARACTERISTICA3", T}}),
                        R::ConjuntoDatos));
  c.push_back(Pendiente("ValidaCreditoCliente", {{"Token", T}, {"pIdcliente", T}}, R::ConjuntoDatos));
  c.push_back(Pendiente("DameIdTipoDocumentos",
                        {{"Token", T}, {"pIdsDocumentoModelo", T}, {"pIdDocumentoModelo", T},
                         {"pCIDCONCEPTODOCUMENTO", T}},
                        R::ConjuntoDatos));
  c.push_back(Pendiente("AgregaPago",
                        {{"Token", T}, {"AFOLIO", D}, {"ANUMMONEDA", I}, {"ATIPOCAMBIO", D}, {"AIMPORTE", D},
                         {"ACODCONCEPTO", T}, {"ASERIE", T}, {"AFECHA", F}, {"ACODIGOCTEPROV", T},
                         {"AREFERENCIA", T}, {"AMETODOPAG", T}, {"pCTEXTOEXTRA1", T}, {"pCTEXTOEXTRA2", T},
                         {"pCTEXTOEXTRA3", T}, {"pOBSERVACION", T}, {"ACANTPARCI", I}, {"ANUMPARCI", I}},
                        R::Entero));
  c.push_back(Pendiente("SaldaDocumento", mas(pagoDocumento, {{"aImporte", D}, {"aIdMoneda", I}, {"aFecha", F}}),
                        R::Entero));
  c.push_back(Pendiente("BorrarAsociacion", pagoDocumento, R::Entero));
  c.push_back(Pendiente("ActualizaMovimientoOrigen",
                        {{"Token", T}, {"Empresa", T}, {"pIDMovimiento", I}, {"pIdMovimientoOrigen", I}}, R::Entero));
  c.push_back(Pendiente("ActualizaPendientePedido", {{"Token", T}, {"Empresa", T}, {"pIdMovimiento", I}}, R::Entero));
  c.push_back(Pendiente("AgregaEncabezado", {{"Token", T}, {"ID", I}, {"Datos", T}}, R::Entero));
  c.push_back(Pendiente("AgregaEncabezadoValidaDuplicado",
                        {{"Token", T}, {"ID", I}, {"Datos", T}, {"pDuplicado", B}}, R::Entero));
  c.push_back(Pendiente("AgregaDetalle", detalle, R::Entero));
  c.push_back(Pendiente("AgregaDetalleValidaDuplicado", mas(detalle, {{"pDuplicado", B}}), R::Entero));
  c.push_back(Pendiente("AgregaDetalleUM",
                        mas(detalle, {{"pDuplicado", B}, {"pCUNIDADESNC", D}, {"pCIDUNIDAD", I},
                                      {"pCIDUNIDADNC", I}, {"pUNIDADESBASE", D}}),
                        R::Entero));
  c.push_back(Pendiente("AgregaMovimientoCapaValidaDuplicado", capa, R::Entero));
  c.push_back(Pendiente("AgregaMovimientoCapaUM", mas(capa, {{"pCIDUNIDAD", I}, {"pUNIDADESBASE", D}}), R::Entero));
  c.push_back(Pendiente("AgregaMovimientoCaracteristicaValidaDuplicado", caracteristica, R::Entero));
  c.push_back(Pendiente("AgregaMovimientoCaracteristicaUM", mas(caracteristica, {{"pUNIDADESBASE", D}}), R::Entero));
  c.push_back(Pendiente("AgregaCapa",
                        {{"Token", T}, {"pIdMovimiento", I}, {"pCapa", I}, {"pCTIPOCAPA", I},
                         {"pCCODIGOPRODUCTO", T}, {"pCFECHA", F}, {"pCUNIDADES", D}},
                        R::Entero));
  c.push_back(Pendiente("AgregaCliente", {{"Token", T}, {"Datos", T}}, R::Entero));
  c.push_back(Pendiente("ModificaCliente", {{"Token", T}, {"Datos", T}, {"pCIDCliente", I}}, R::Entero));
  c.push_back(Pendiente("ModificaClienteDomicilio",
                        {{"Token", T}, {"pIdcliente", I}, {"pCRAZONSOCIAL", T}, {"pCRFC", T},
                         {"pCDIASCREDITOCLIENTE", I}, {"pCLIMITECREDITOCLIENTE", D}, {"pCREPLEGAL", T},
                         {"pCEMAIL1", T}, {"pCEMAIL2", T}, {"pCEMAIL3", T}, {"pCTELEFONO1", T}, {"pCTELEFONO2", T},
                         {"pCTELEFONO3", T}, {"pCPAIS", T}, {"pCESTADO", T}, {"pCCIUDAD", T}, {"pCMUNICIPIO", T},
                         {"pCCODIGOPOSTAL", T}, {"pCCOLONIA", T}, {"pCNOMBRECALLE", T}, {"pCNUMEROEXTERIOR", T},
                         {"pCNUMEROINTERIOR", T}},
                        R::Booleano));
  c.push_back(Pendiente("AltaDomicilio", domicilio, R::Entero));
  c.push_back(Pendiente("ModificaDomicilio", mas(domicilio, {{"pIDDomicilio", I}}), R::Entero));
  c.push_back(Pendiente("LlamaTimbradoComercial",
                        {{"Token", T}, {"pCodigoConcepto", T}, {"pSerie", T}, {"pFolio", T}}, R::Booleano));
  c.push_back(Pendiente("GetAlmacenes", soloToken, R::ConjuntoDatos));
  c.push_back({"DameConsultaSQL", {{"Token", T}, {"pConsulta", T}, {"pGUIDDSL", T}}, R::ConjuntoDatos,
               [](TServerMethodsSync& m, std::span<const Argumento> a) -> Resultado {
                 return m.DameConsultaSQL(Txt(a, 0), Txt(a, 1), Txt(a, 2));
               }});
  c.push_back(Pendiente("GetAgentes", soloToken, R::ConjuntoDatos));
  c.push_back(Pendiente("GetClientesCompleto",
                        {{"Token", T}, {"RFC", T}, {"IDCliente", T}, {"NCliente", T}, {"Razon", T}},
                        R::ConjuntoDatos));
  c.push_back(Pendiente("GetProveedoresCompleto", {{"Token", T}, {"RFC", T}, {"IDCliente", T}, {"NCliente", T}},
                        R::ConjuntoDatos));
  c.push_back(Pendiente("GetProductos",
                        {{"Token", T}, {"IDProducto", T}, {"Codigo", T}, {"Nombre", T}, {"CTIPOPRODUCTO", T}},
                        R::ConjuntoDatos));
  c.push_back(Pendiente("GetUnidadesMedidaPeso", soloToken, R::ConjuntoDatos));
  c.push_back(Pendiente("GetConversionesUnidad", soloToken, R::ConjuntoDatos));
  c.push_back(Pendiente("GetCaracteristicasProducto", {{"Token", T}, {"IDProducto", T}, {"Codigo", T}, {"Nombre", T}},
                        R::ConjuntoDatos));
  c.push_back(Pendiente("GetCaracteristicas", {{"Token", T}, {"Nombre", T}}, R::ConjuntoDatos));
  c.push_back(Pendiente("GetCaracteristicasValores",
                        {{"Token", T}, {"pIDPADRECARACTERISTICA", T}, {"pIDVALORCARACTERISTICA", T},
                         {"pVALORCARACTERISTICA", T}},
                        R::ConjuntoDatos));
  c.push_back(Pendiente("GetSiguienteFolio", {{"Token", T}, {"pCIDCONCEPTODOCUMENTO", I}, {"pCSERIE", T}}, R::Entero));
  c.push_back(ConToken("GetEmpresasComercialPremium", &TServerMethodsSync::GetEmpresasComercialPremium));
  c.push_back(ConToken("GetGUIDDSLComercialPremium", &TServerMethodsSync::GetGUIDDSLComercialPremium));
  c.push_back(ConToken("GetEmpresasContabilidadyBancos", &TServerMethodsSync::GetEmpresasContabilidadyBancos));
  c.push_back(ConToken("GetGUIDDSLContabilidadyBancos", &TServerMethodsSync::GetGUIDDSLContabilidadyBancos));
  c.push_back(ConToken("GetEmpresasNomina", &TServerMethodsSync::GetEmpresasNomina));
  c.push_back({"ValidaToken", {{"pValue", T}}, R::Booleano,
               [](TServerMethodsSync& m, std::span<const Argumento> a) -> Resultado { return m.ValidaToken(Txt(a, 0)); }});
  c.push_back({"VersionSync", soloToken, R::Entero,
               [](TServerMethodsSync& m, std::span<const Argumento> a) -> Resultado { return m.VersionSync(Txt(a, 0)); }});
  c.push_back({"DameToken", {}, R::Texto,
               [](TServerMethodsSync& m, std::span<const Argumento>) -> Resultado { return m.DameToken(); }});
  c.push_back({"ValidaIP", {{"Token", T}, {"pValue", T}}, R::Texto,
               [](TServerMethodsSync& m, std::span<const Argumento> a) -> Resultado {
                 return m.ValidaIP(Txt(a, 0), Txt(a, 1));
               }});
  c.push_back(Pendiente("InsertaUUID", {{"Token", T}, {"pIdDocumento", I}, {"pUUID", T}, {"pFechaTimbrado", F}},
                        R::Entero));
  c.push_back(Pendiente("InsertaUUIDTotal",
                        {{"Token", T}, {"pIdDocumento", I}, {"pUUID", T}, {"pFechaTimbrado", F}, {"pTotal", D}},
                        R::Entero));
  c.push_back(Pendiente("InsertaXMLUUID",
                        {{"Token", T}, {"pIdDocumento", I}, {"pUUID", T}, {"pXML", T}, {"pFechaTimbrado", F},
                         {"ptotal", D}},
                        R::Entero));
  c.push_back({"TerminaAplicacion", soloToken, R::Booleano,
               [](TServerMethodsSync& m, std::span<const Argumento> a) -> Resultado {
                 return m.TerminaAplicacion(Txt(a, 0));
               }});
  return c;
}

}  // namespace

const std::vector<MetodoRemoto>& Catalogo() {
  static const std::vector<MetodoRemoto> catalogo = ConstruyeCatalogo();
  return catalogo;
}

const MetodoRemoto* BuscaMetodo(std::string_view nombre) {
  const auto& c = Catalogo();
  auto it = std::find_if(c.begin(), c.end(), [&](const MetodoRemoto& m) { return m.nombre == nombre; });
  return it == c.end() ? nullptr : &*it;
}

}  // namespace quorvex
