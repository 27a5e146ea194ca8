#include "hosting/Catalogo.h"

#include <algorithm>
#include <utility>

#include "core/SyncServermethods.h"

namespace quorvex {

namespace {

constexpr auto T = TipoParametro::Texto;
constexpr auto I = TipoParametro::Entero;
constexpr auto D = TipoParametro::Doble;
constexpr auto B = TipoParametro::Booleano;
constexpr auto F = TipoParametro::FechaHora;

// A method bound to the member that does it; each converted argument is
// handed over as the member's parameter type.
template <typename R, typename... Params>
MetodoRemoto Enlaza(std::string_view nombre, std::vector<Parametro> parametros, TipoResultado resultado,
                    R (TServerMethodsSync::*metodo)(Params...)) {
  return {nombre, std::move(parametros), resultado,
          [metodo](TServerMethodsSync& m, [[maybe_unused]] std::span<const Argumento> a) -> Resultado {
            return [&]<std::size_t... I>(std::index_sequence<I...>) {
              return Resultado((m.*metodo)(std::get<std::remove_cvref_t<Params>>(a[I])...));
            }(std::index_sequence_for<Params...>{});
          }};
}

// A data set method whose only argument is the token text.
MetodoRemoto ConToken(std::string_view nombre, DataSet (TServerMethodsSync::*metodo)(const std::string&)) {
  return Enlaza(nombre, {{"Token", T}}, TipoResultado::ConjuntoDatos, metodo);
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
  c.push_back(Enlaza("GetExitenciaProducto", productoAlmacen, R::ConjuntoDatos,
                     &TServerMethodsSync::GetExitenciaProducto));
  c.push_back(Enlaza("GetExitenciaPaquete", productoAlmacen, R::ConjuntoDatos,
                     &TServerMethodsSync::GetExitenciaPaquete));
  c.push_back(Enlaza("GetExitenciaProductoCapa",
                     {{"Token", T}, {"CIDPRODUCTO", T}, {"CIDALMACEN", T}, {"CCODIGOPRODUCTO", T},
                      {"CNUMEROLOTE", T}, {"CPEDIMENTO", T}, {"CNUMEROSERIE", T}, {"cidcapa", T}, {"CIDSERIE", T}},
                     R::ConjuntoDatos, &TServerMethodsSync::GetExitenciaProductoCapa));
  c.push_back(Enlaza("GetExitenciaCaracteristica",
                     mas(productoAlmacen, {{"CIDCaracteristica", T}, {"pCIDVALORCARACTERISTICA1", T},
                                           {"pCIDVALORCARACTERISTICA2", T}, {"pCIDVALORCARACTERISTICA3", T}}),
                     R::ConjuntoDatos, &TServerMethodsSync::GetExitenciaCaracteristica));
  c.push_back(Pendiente("ValidaCreditoCliente", {{"Token", T}, {"pIdcliente", T}}, R::ConjuntoDatos));
  c.push_back(Enlaza("DameIdTipoDocumentos",
                     {{"Token", T}, {"pIdsDocumentoModelo", T}, {"pIdDocumentoModelo", T},
                      {"pCIDCONCEPTODOCUMENTO", T}},
                     R::ConjuntoDatos, &TServerMethodsSync::DameIdTipoDocumentos));
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
  c.push_back(Enlaza("AgregaEncabezado", {{"Token", T}, {"ID", I}, {"Datos", T}}, R::Entero,
                     &TServerMethodsSync::AgregaEncabezado));
  c.push_back(Enlaza("AgregaEncabezadoValidaDuplicado", {{"Token", T}, {"ID", I}, {"Datos", T}, {"pDuplicado", B}},
                     R::Entero, &TServerMethodsSync::AgregaEncabezadoValidaDuplicado));
  c.push_back(Enlaza("AgregaDetalle", detalle, R::Entero, &TServerMethodsSync::AgregaDetalle));
  c.push_back(Enlaza("AgregaDetalleValidaDuplicado", mas(detalle, {{"pDuplicado", B}}), R::Entero,
                     &TServerMethodsSync::AgregaDetalleValidaDuplicado));
  c.push_back(Enlaza("AgregaDetalleUM",
                     mas(detalle, {{"pDuplicado", B}, {"pCUNIDADESNC", D}, {"pCIDUNIDAD", I},
                                   {"pCIDUNIDADNC", I}, {"pUNIDADESBASE", D}}),
                     R::Entero, &TServerMethodsSync::AgregaDetalleUM));
  c.push_back(Pendiente("AgregaMovimientoCapaValidaDuplicado", capa, R::Entero));
  c.push_back(Pendiente("AgregaMovimientoCapaUM", mas(capa, {{"pCIDUNIDAD", I}, {"pUNIDADESBASE", D}}), R::Entero));
  c.push_back(Pendiente("AgregaMovimientoCaracteristicaValidaDuplicado", caracteristica, R::Entero));
  c.push_back(Pendiente("AgregaMovimientoCaracteristicaUM", mas(caracteristica, {{"pUNIDADESBASE", D}}), R::Entero));
  c.push_back(Enlaza("AgregaCapa",
                     {{"Token", T}, {"pIdMovimiento", I}, {"pCapa", I}, {"pCTIPOCAPA", I}, {"pCCODIGOPRODUCTO", T},
                      {"pCFECHA", F}, {"pCUNIDADES", D}},
                     R::Entero, &TServerMethodsSync::AgregaCapa));
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
  c.push_back(ConToken("GetAlmacenes", &TServerMethodsSync::GetAlmacenes));
  c.push_back(Enlaza("DameConsultaSQL", {{"Token", T}, {"pConsulta", T}, {"pGUIDDSL", T}}, R::ConjuntoDatos,
                       &TServerMethodsSync::DameConsultaSQL));
  c.push_back(ConToken("GetAgentes", &TServerMethodsSync::GetAgentes));
  c.push_back(Enlaza("GetClientesCompleto",
                     {{"Token", T}, {"RFC", T}, {"IDCliente", T}, {"NCliente", T}, {"Razon", T}},
                     R::ConjuntoDatos, &TServerMethodsSync::GetClientesCompleto));
  c.push_back(Enlaza("GetProveedoresCompleto", {{"Token", T}, {"RFC", T}, {"IDCliente", T}, {"NCliente", T}},
                     R::ConjuntoDatos, &TServerMethodsSync::GetProveedoresCompleto));
  c.push_back(Enlaza("GetProductos",
                       {{"Token", T}, {"IDProducto", T}, {"Codigo", T}, {"Nombre", T}, {"CTIPOPRODUCTO", T}},
                       R::ConjuntoDatos, &TServerMethodsSync::GetProductos));
  c.push_back(ConToken("GetUnidadesMedidaPeso", &TServerMethodsSync::GetUnidadesMedidaPeso));
  c.push_back(ConToken("GetConversionesUnidad", &TServerMethodsSync::GetConversionesUnidad));
  c.push_back(Enlaza("GetCaracteristicasProducto", {{"Token", T}, {"IDProducto", T}, {"Codigo", T}, {"Nombre", T}},
                       R::ConjuntoDatos, &TServerMethodsSync::GetCaracteristicasProducto));
  c.push_back(Enlaza("GetCaracteristicas", {{"Token", T}, {"Nombre", T}}, R::ConjuntoDatos,
                       &TServerMethodsSync::GetCaracteristicas));
  c.push_back(Enlaza("GetCaracteristicasValores",
                       {{"Token", T}, {"pIDPADRECARACTERISTICA", T}, {"pIDVALORCARACTERISTICA", T},
                        {"pVALORCARACTERISTICA", T}},
                       R::ConjuntoDatos, &TServerMethodsSync::GetCaracteristicasValores));
  c.push_back(Enlaza("GetSiguienteFolio", {{"Token", T}, {"pCIDCONCEPTODOCUMENTO", I}, {"pCSERIE", T}}, R::Entero,
                     &TServerMethodsSync::GetSiguienteFolio));
  c.push_back(ConToken("GetEmpresasComercialPremium", &TServerMethodsSync::GetEmpresasComercialPremium));
  c.push_back(ConToken("GetGUIDDSLComercialPremium", &TServerMethodsSync::GetGUIDDSLComercialPremium));
  c.push_back(ConToken("GetEmpresasContabilidadyBancos", &TServerMethodsSync::GetEmpresasContabilidadyBancos));
  c.push_back(ConToken("GetGUIDDSLContabilidadyBancos", &TServerMethodsSync::GetGUIDDSLContabilidadyBancos));
  c.push_back(ConToken("GetEmpresasNomina", &TServerMethodsSync::GetEmpresasNomina));
  c.push_back(Enlaza("ValidaToken", {{"pValue", T}}, R::Booleano, &TServerMethodsSync::ValidaToken));
  c.push_back(Enlaza("VersionSync", soloToken, R::Entero, &TServerMethodsSync::VersionSync));
  c.push_back(Enlaza("DameToken", {}, R::Texto, &TServerMethodsSync::DameToken));
  c.push_back(Enlaza("ValidaIP", {{"Token", T}, {"pValue", T}}, R::Texto, &TServerMethodsSync::ValidaIP));
  c.push_back(Pendiente("InsertaUUID", {{"Token", T}, {"pIdDocumento", I}, {"pUUID", T}, {"pFechaTimbrado", F}},
                        R::Entero));
  c.push_back(Pendiente("InsertaUUIDTotal",
                        {{"Token", T}, {"pIdDocumento", I}, {"pUUID", T}, {"pFechaTimbrado", F}, {"pTotal", D}},
                        R::Entero));
  c.push_back(Pendiente("InsertaXMLUUID",
                        {{"Token", T}, {"pIdDocumento", I}, {"pUUID", T}, {"pXML", T}, {"pFechaTimbrado", F},
                         {"ptotal", D}},
                        R::Entero));
  c.push_back(Enlaza("TerminaAplicacion", soloToken, R::Booleano, &TServerMethodsSync::TerminaAplicacion));
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
