// The document header: the remote methods that receive it as a "|"-separated
// text, their routing by system type and the header insert of Comercial
// Premium with the digital-folio row of electronic-invoice concepts.
//
// Every date is bound as a date value. The "DD-MM-YYYY" text that such
// columns used to receive is read by the database server according to its
// language settings (day and month swap, or the insert fails, on a server set
// up another way); a date value means the same day on every server.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <exception>

#include "core/Bitacora.h"
#include "core/BloqueoEmpresa.h"
#include "core/Registro.h"
#include "core/SyncServermethods.h"
#include "core/Texto.h"
#include "db/Transaccion.h"
#include "documents/RutaSdk.h"
#include "documents/CamposTexto.h"
#include "documents/Concepto.h"
#include "documents/EncabezadoDocumento.h"
#include "documents/Insercion.h"

namespace quorvex {

namespace {

// Document kinds that CONTPAQi creates itself through its SDK unless the
// configuration value "ErrorSDK" is "T".
constexpr int kDocumentosSdk[] = {2, 3, 4, 5, 7, 17, 19, 20, 32, 33, 34, 35, 36};
// Origin-system code of the documents this system creates.
constexpr std::int64_t kSistemaOrigen = 205;
constexpr std::size_t kLargoReferencia = 20;
constexpr std::size_t kLargoTextoExtra = 50;

// The empty date of the CONTPAQi tables: 30 December 1899.
db::FechaHora FechaCero() {
  using namespace std::chrono;
  return time_point_cast<milliseconds>(sys_days(year{1899} / December / 30));
}

// Today's local date at 00:00.
db::FechaHora Hoy() {
  const std::time_t ahora = std::time(nullptr);
  std::tm local{};
  localtime_r(&ahora, &local);
  using namespace std::chrono;
  const year_month_day dia{year{local.tm_year + 1900}, month(static_cast<unsigned>(local.tm_mon + 1)),
                           day(static_cast<unsigned>(local.tm_mday))};
  return time_point_cast<milliseconds>(sys_days(dia));
}

std::int64_t Entero(std::int32_t v) { return v; }

ValoresColumnas ValoresDocumento(std::int32_t pId, const EncabezadoDocumento& e, const ConceptoDocumento& concepto,
                                 std::int32_t pIdConcepto, std::int32_t pCliente, std::int32_t pProveedor,
                                 std::int32_t pAgente) {
  const std::int32_t parte = pProveedor != 0 ? pProveedor : pCliente;
  // A header text sets none of the printed, stamped and section flags.
  return {
      {"CIDDOCUMENTO", Entero(pId)},
      {"CIDDOCUMENTODE", Entero(concepto.CIDDOCUMENTODE)},
      {"CIDCONCEPTODOCUMENTO", Entero(pIdConcepto)},
      {"CSERIEDOCUMENTO", e.pCSERIEDOCUMENTO},
      {"CFOLIO", static_cast<double>(e.pCFOLIO)},
      {"CFECHA", e.pCFECHA},
      {"CIDCLIENTEPROVEEDOR", Entero(parte)},
      {"CRAZONSOCIAL", e.pCRAZONSOCIAL},
      {"CRFC", e.pCRFC},
      {"CIDAGENTE", Entero(pAgente)},
      {"CFECHAVENCIMIENTO", e.pCFECHAVENCIMIENTO},
      {"CFECHAPRONTOPAGO", e.pCFECHAPRONTOPAGO},
      {"CFECHAENTREGARECEPCION", e.pCFECHAENTREGARECEPCION},
      // The header text has no date of its own for the last interest.
      {"CFECHAULTIMOINTERES", e.pCFECHAENTREGARECEPCION},
      {"CIDMONEDA", Entero(e.pCIDMONEDA == 0 ? 1 : e.pCIDMONEDA)},
      {"CTIPOCAMBIO", e.pCTIPOCAMBIO},
      {"CREFERENCIA", PrimerosCaracteres(e.pCREFERENCIA, kLargoReferencia)},
      {"COBSERVACIONES", e.pCOBSERVACIONES},
      {"CNATURALEZA", Entero(concepto.CNATURALEZA)},
      {"CIDDOCUMENTOORIGEN", Entero(0)},
      {"CPLANTILLA", Entero(0)},
      {"CUSACLIENTE", Entero(pCliente != 0 ? 1 : 0)},
      {"CUSAPROVEEDOR", Entero(pProveedor != 0 ? 1 : 0)},
      {"CAFECTADO", Entero(1)},
      {"CIMPRESO", Entero(0)},
      {"CCANCELADO", Entero(0)},
      {"CDEVUELTO", Entero(0)},
      {"CIDPREPOLIZA", Entero(0)},
      {"CIDPREPOLIZACANCELACION", Entero(0)},
      {"CESTADOCONTABLE", Entero(1)},
      {"CNETO", e.pCNETO},
      {"CIMPUESTO1", e.pCIMPUESTO1},
      {"CIMPUESTO2", e.pCIMPUESTO2},
      {"CIMPUESTO3", e.pCIMPUESTO3},
      {"CRETENCION1", e.pCRETENCION1},
      {"CRETENCION2", e.pCRETENCION2},
      {"CDESCUENTOMOV", e.pCDESCUENTOMOV},
      {"CDESCUENTODOC1", e.pCDESCUENTODOC1},
      {"CDESCUENTODOC2", e.pCDESCUENTODOC2},
      {"CGASTO1", e.pCGASTO1},
      {"CGASTO2", e.pCGASTO2},
      {"CGASTO3", e.pCGASTO3},
      {"CTOTAL", e.pCTOTAL},
      {"CPENDIENTE", e.pCPENDIENTE},
      {"CTOTALUNIDADES", e.pCTOTALUNIDADES},
      {"CDESCUENTOPRONTOPAGO", e.pCDESCUENTOPRONTOPAGO},
      {"CPORCENTAJEIMPUESTO1", e.pCPORCENTAJEIMPUESTO1},
      {"CPORCENTAJEIMPUESTO2", e.pCPORCENTAJEIMPUESTO2},
      {"CPORCENTAJEIMPUESTO3", e.pCPORCENTAJEIMPUESTO3},
      {"CPORCENTAJERETENCION1", e.pCPORCENTAJERETENCION1},
      {"CPORCENTAJERETENCION2", e.pCPORCENTAJERETENCION2},
      {"CPORCENTAJEINTERES", e.pCPORCENTAJEINTERES},
      {"CTEXTOEXTRA1", PrimerosCaracteres(e.pCTEXTOEXTRA1, kLargoTextoExtra)},
      {"CTEXTOEXTRA2", PrimerosCaracteres(e.pCTEXTOEXTRA2, kLargoTextoExtra)},
      {"CTEXTOEXTRA3", PrimerosCaracteres(e.pCTEXTOEXTRA3, kLargoTextoExtra)},
      {"CFECHAEXTRA", e.pCFECHAEXTRA},
      {"CIMPORTEEXTRA1", e.pCIMPORTEEXTRA1},
      {"CIMPORTEEXTRA2", e.pCIMPORTEEXTRA2},
      {"CIMPORTEEXTRA3", e.pCIMPORTEEXTRA3},
      {"CIMPORTEEXTRA4", e.pCIMPORTEEXTRA4},
      {"CDESTINATARIO", e.pCDESTINATARIO},
      {"CNUMEROGUIA", e.pCNUMEROGUIA},
      {"CMENSAJERIA", e.pCMENSAJERIA},
      {"CCUENTAMENSAJERIA", e.pCCUENTAMENSAJERIA},
      {"CNUMEROCAJAS", e.pCNUMEROCAJAS},
      {"CPESO", e.pCPESO},
      {"CBANOBSERVACIONES", Entero(0)},
      {"CBANDATOSENVIO", Entero(0)},
      {"CBANCONDICIONESCREDITO", Entero(0)},
      {"CBANGASTOS", Entero(0)},
      {"CUNIDADESPENDIENTES", e.pCUNIDADESPENDIENTE},
      {"CTIMESTAMP", std::string()},
      {"CIMPCHEQPAQ", Entero(0)},
      {"CSISTORIG", kSistemaOrigen},
      {"CIDMONEDCA", Entero(0)},
      {"CTIPOCAMCA", Entero(0)},
      {"CESCFD", Entero(concepto.CESCFD)},
      {"CTIENECFD", Entero(0)},
      {"CLUGAREXPE", e.pCLUGAREXPE},
      {"CMETODOPAG", e.pCMETODOPAGO},
      {"CNUMPARCIA", Entero(e.pCNUMPARCIA)},
      {"CCANTPARCI", Entero(e.pCCANTPARCI)},
      {"CCONDIPAGO", e.pCCONDIPAGO},
      {"CNUMCTAPAG", e.pCNUMCTAPAG},
      {"CGUIDDOCUMENTO", Creauuid()},
  };
}

// The customer's CFDI use; empty for an unknown customer. Throws db::Error.
std::string UsoCfdiCliente(TServerMethodsSync& metodos, std::int32_t pCliente) {
  auto consulta = metodos.Prepara(
      "Select cidclienteproveedor, CRAZONSOCIAL, cRFC,  CNUMCTAPAG, CMETODOPAG, cusocfdi, CCODIGOCLIENTE\n"
      " from admClientes where cidclienteproveedor = :cidclienteproveedor");
  consulta->Asigna("cidclienteproveedor", Entero(pCliente));
  db::Cursor& fila = consulta->Abre();
  return fila.Siguiente() ? std::string(fila.Texto(5)) : std::string();
}

// The digital-folio row of document pIdDocumento, state 1 (not stamped).
// Throws db::Error.
ValoresColumnas ValoresFolioDigital(TServerMethodsSync& metodos, std::int32_t pIdDocumento,
                                    const EncabezadoDocumento& e, const ConceptoDocumento& concepto,
                                    std::int32_t pCliente) {
  const db::FechaHora cero = FechaCero();
  ValoresColumnas valores{
      {"ctotal", e.pCTOTAL},
      {"cestado", Entero(1)},
      {"cestrad", Entero(3)},
      {"ciddoctode", Entero(concepto.CIDDOCUMENTODE)},
      {"cfolio", static_cast<double>(e.pCFOLIO)},
      {"cidcptodoc", Entero(concepto.CIDCONCEPTODOCUMENTO)},
      {"cfechaemi", Hoy()},
      {"cidfoldig", Entero(SiguienteId(metodos, "admFoliosDigitales", "cidfoldig"))},
      {"ciddocto", Entero(pIdDocumento)},
      {"cserie", e.pCSERIEDOCUMENTO},
      {"crfc", e.pCRFC},
      {"cfecaprob", cero},
      {"cfechacanc", cero},
      {"cinivig", cero},
      {"cfinvig", cero},
      {"ccodconcba", e.pUsoCFDI.empty() ? UsoCfdiCliente(metodos, pCliente) : e.pUsoCFDI},
  };
  for (const char* columna : {"ciddocaldi", "cidfirmarl", "cnoorden", "centregado", "cidcptoori", "cfoliorec",
                              "csisorigen", "cejerpol", "cperpol", "ctipopol", "cnumpol", "ccfdprueba", "cpagadoban",
                              "ciddocdeba", "cautusba01", "cautusba02", "cautusba03", "cerrorval", "cnoaprob"})
    valores.emplace_back(columna, Entero(0));
  for (const char* columna :
       {"choraemi",   "cacusecan",  "cdescaut03", "cdescaut02", "cdescaut01", "cusuban03",  "cusuban02",
        "cusuban01",  "cuuid",      "cusuautban", "cfolioban",  "cnumctaban", "cdesconcba", "cobserva01",
        "creferen01", "cdespagban", "cdesestado", "caliasbdct", "ctipoldesc", "crazon",     "cserierec",
        "ctipo",      "carchcbb",   "ccadpedi",   "choracanc",  "carchdidis", "cemail"})
    valores.emplace_back(columna, std::string());
  return valores;
}

}  // namespace

std::int32_t TServerMethodsSync::AgregaEncabezado(const std::string& Token, std::int32_t ID, const std::string& Datos) {
  if (!ValidaToken(Token)) return 0;
  return AgregaEncabezadoValidaDuplicado(Token, ID, Datos, false);
}

std::int32_t TServerMethodsSync::AgregaEncabezadoValidaDuplicado(const std::string& Token,
                                                                 std::int32_t /*ID: accepted, not used*/,
                                                                 const std::string& Datos, bool pDuplicado) {
  if (!ValidaToken(Token)) return 0;
  BitacoraM(Datos);
  const std::optional<EncabezadoDocumento> encabezado = LeeEncabezado(Datos);
  if (!encabezado) return 0;
  return AltaDoc(*encabezado, pDuplicado);
}

std::int32_t TServerMethodsSync::AltaDoc(const EncabezadoDocumento& pEncabezado, bool pDuplicado) {
  // Held from the duplicate check to the last insert: two sessions sending the
  // same header at once must not both find it missing.
  const std::unique_lock<std::mutex> bloqueo = BloqueaEmpresa(CadenaConexion());
  if (pDuplicado) {
    const std::int32_t existente = ValidaDuplicadoEncabezado(pEncabezado.pTipo, pEncabezado.pCSERIEDOCUMENTO,
                                                             pEncabezado.pCFOLIO, pEncabezado.pCFECHA);
    if (existente != 0) return existente;
  }
  switch (TipoSistema()) {
    case 1:
      Bitacora("AgregaEncabezado: los documentos de AdminPAQ aún no están disponibles; no se creó el documento");
      return 0;
    case 2:
      return AltaDocumento(pEncabezado);
    default:
      return 0;
  }
}

std::int32_t TServerMethodsSync::ValidaDuplicadoEncabezado(const std::string& pTipo,
                                                           const std::string& pCSERIEDOCUMENTO, std::int32_t pCFOLIO,
                                                           db::FechaHora pCFECHA) {
  if (TipoSistema() != 2) return 0;
  auto consulta = Prepara(
      "Select CIDDOCUMENTO from admDocumentos\n"
      "Where CIDCONCEPTODOCUMENTO = :CIDCONCEPTODOCUMENTO\n"
      "  and CSERIEDOCUMENTO = :CSERIEDOCUMENTO\n"
      "  and CFOLIO = :CFOLIO\n"
      "  and cfecha = :cfecha");
  consulta->Asigna("CIDCONCEPTODOCUMENTO", Entero(TextoAEntero(pTipo, 0)));
  consulta->Asigna("CSERIEDOCUMENTO", pCSERIEDOCUMENTO);
  consulta->Asigna("CFOLIO", static_cast<double>(pCFOLIO));
  consulta->Asigna("cfecha", pCFECHA);
  db::Cursor& fila = consulta->Abre();
  return fila.Siguiente() ? static_cast<std::int32_t>(fila.Entero(0)) : 0;
}

// Runs under the company lock that AltaDoc holds.
std::int32_t TServerMethodsSync::AltaDocumento(const EncabezadoDocumento& pEncabezado) {
  const std::int32_t cliente = TextoAEntero(pEncabezado.CLIENTE, 0);
  const std::int32_t proveedor = TextoAEntero(pEncabezado.PROVEEDO, 0);
  const std::int32_t agente = TextoAEntero(pEncabezado.AGENTE, 0);
  const std::int32_t idConcepto = TextoAEntero(pEncabezado.pTipo, 0);
  const ConceptoDocumento concepto = LeeConcepto(*this, idConcepto);
  if (VaPorSdk(kDocumentosSdk, concepto.CIDDOCUMENTODE)) {
    // The SDK bridge is not part of this build: the document cannot be created.
    Bitacora(DirectorioEmpresa() +
             " No se cargó la librería del SDK de CONTPAQi; no se creó el documento del concepto " +
             concepto.CCODIGOCONCEPTO);
    return 0;
  }
  BitacoraM("NombreEmpresa " + DirectorioEmpresa());
  BitacoraM("faltaDoc");
  BitacoraM("AsignafSetdDocto");
  try {
    // The new key and the rows that use it are written as one unit.
    db::Transaccion transaccion(*ConexionEmpresa());
    const std::int32_t id = SiguienteId(*this, "admDocumentos", "CIDDOCUMENTO");
    auto documento = PreparaInsercion(
        *this, "admDocumentos", ValoresDocumento(id, pEncabezado, concepto, idConcepto, cliente, proveedor, agente));
    if (!EjecutaSentencia(*documento)) return 0;
    if (concepto.CESCFD == 1) {
      // The header stands without its digital folio; the failure is logged.
      try {
        auto folio = PreparaInsercion(*this, "admFoliosDigitales",
                                      ValoresFolioDigital(*this, id, pEncabezado, concepto, cliente));
        EjecutaSentencia(*folio);
      } catch (const std::exception& e) {
        Bitacora(e.what());
      }
    }
    transaccion.Confirma();
    // The key just written, not a lookup by concept, series, folio and date,
    // which would answer an older document sent with the same values.
    return id;
  } catch (const std::exception& e) {
    Bitacora(std::string("AgregaEncabezado: ") + e.what());
    return 0;
  }
}

}  // namespace quorvex
