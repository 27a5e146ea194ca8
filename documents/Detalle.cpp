// The document movements: the remote methods that receive a movement as a
// "|"-separated text, their routing by system type, the duplicate check and
// the movement insert of Comercial Premium with its hidden consignment
// partner and the header's totals. Dates are bound as date values, as the
// header's are.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <iterator>

#include "core/Bitacora.h"
#include "core/BloqueoEmpresa.h"
#include "core/Registro.h"
#include "core/SyncServermethods.h"
#include "db/Transaccion.h"
#include "documents/RutaSdk.h"
#include "documents/Concepto.h"
#include "documents/Insercion.h"
#include "documents/LecturasMovimiento.h"
#include "documents/MovimientoDocumento.h"

namespace quorvex {

namespace {

// Movement kinds that CONTPAQi adds itself through its SDK unless the
// configuration value "ErrorSDK" is "T" (34 is written here, unlike its header).
constexpr int kMovimientosSdk[] = {2, 3, 4, 5, 7, 17, 19, 20, 32, 33, 35, 36};
// The consignment kind: its units also enter the concept's consignment warehouse.
constexpr std::int32_t kConsignacion = 3;
constexpr std::int32_t kTraspasoConsignacion = 3;

std::int64_t Entero(std::int32_t v) { return v; }

std::string Texto(double v) {
  char texto[32];
  std::snprintf(texto, sizeof texto, "%.15g", v);
  return texto;
}

// pValor to pDecimales decimals, halves away from zero.
double Redondea(double pValor, std::int64_t pDecimales) {
  const double unidad = std::pow(10.0, -static_cast<double>(pDecimales));
  const double escalado = pValor / unidad + (pValor < 0 ? -0.5 : 0.5);
  return std::trunc(escalado) * unidad;
}

// The amounts to the company's decimals. With prices that include VAT only
// tax 1 is kept (taken from the product when the text sends no percentage);
// otherwise the captured price is the rounded price.
void RedondeaImportes(MovimientoDocumento& m, const CalculoConcepto& calculo, const Producto& producto) {
  const std::int64_t dUnidades = calculo.CDECIMALESUNIDADES;
  const std::int64_t dPrecio = calculo.CDECIMALESPRECIOVENTA;
  const bool conIva = calculo.CPRECIOSCONIVA == 1;
  if (conIva && m.pCPORCENTAJEIMPUESTO1 == 0 && producto.CIMPUESTO1 != 0) m.pCPORCENTAJEIMPUESTO1 = producto.CIMPUESTO1;
  BitacoraM("pCPORCENTAJEIMPUESTO1 CIMPUESTO1 " + Texto(m.pCPORCENTAJEIMPUESTO1));
  m.pCUNIDADES = Redondea(m.pCUNIDADES, dUnidades);
  BitacoraM("pCUNIDADES " + Texto(m.pCUNIDADES));
  BitacoraM("PrecioSinIVA " + Texto(Redondea(m.pCPRECIO, dPrecio)));
  m.pCDESCUENTO1 = Redondea(m.pCDESCUENTO1, dPrecio);
  BitacoraM("pCDESCUENTO1 " + Texto(m.pCDESCUENTO1));
  m.pCPRECIO = Redondea(m.pCPRECIO, dPrecio);
  BitacoraM("pCPRECIO " + Texto(m.pCPRECIO));
  m.pCPRECIOCAPTURADO = conIva ? Redondea(m.pCPRECIOCAPTURADO, dPrecio) : m.pCPRECIO;
  BitacoraM("pCPRECIOCAPTURADO " + Texto(m.pCPRECIOCAPTURADO));
  BitacoraM("pCNETO " + Texto(m.pCNETO));
  BitacoraM("pNetoSDes " + Texto(Redondea(m.pCNETO - m.pCDESCUENTO1, dPrecio)));
  if (conIva) {
    m.pCIMPUESTO1 = Redondea(m.pCIMPUESTO1, dPrecio);
    m.pCIMPUESTO2 = m.pCPORCENTAJEIMPUESTO2 = 0;
    m.pCIMPUESTO3 = m.pCPORCENTAJEIMPUESTO3 = 0;
    m.pCRETENCION1 = m.pCPORCENTAJERETENCION1 = 0;
    m.pCRETENCION2 = m.pCPORCENTAJERETENCION2 = 0;
  }
  BitacoraM("pCIMPUESTO1 " + Texto(m.pCIMPUESTO1));
  BitacoraM("pCPORCENTAJERETENCION1 " + Texto(m.pCPORCENTAJERETENCION1));
  BitacoraM("pCTOTAL " + Texto(m.pCTOTAL));
}

// The values of one admMovimientos row, in the insert's column order.
struct FilaMovimiento {
  std::int32_t id = 0;
  std::int32_t idDocumentoDe = 0;  // the movement kind
  std::int32_t idProducto = 0;
  std::int32_t idAlmacen = 0;
  std::int32_t idUnidad = 0;
  std::int32_t afectaExistencia = 0;
  double costo = 0;
};

ValoresColumnas ValoresMovimiento(const MovimientoDocumento& m, const FilaMovimiento& f) {
  return {
      {"CIDMOVIMIENTO", Entero(f.id)},
      {"CIDDOCUMENTO", Entero(m.pCIDDOCUMENTO)},
      {"CNUMEROMOVIMIENTO", static_cast<double>(m.pCNUMEROMOVIMIENTO)},
      {"CIDDOCUMENTODE", Entero(f.idDocumentoDe)},
      {"CIDPRODUCTO", Entero(f.idProducto)},
      {"CIDALMACEN", Entero(f.idAlmacen)},
      {"CUNIDADES", m.pCUNIDADES},
      {"CUNIDADESNC", m.pCUNIDADESNC},
      {"CUNIDADESCAPTURADAS", m.pCUNIDADESCAPTURADAS},
      {"CIDUNIDAD", Entero(f.idUnidad)},
      {"CIDUNIDADNC", Entero(m.pCIDUNIDADNC)},
      {"CPRECIO", m.pCPRECIO},
      {"CPRECIOCAPTURADO", m.pCPRECIOCAPTURADO},
      {"CCOSTOCAPTURADO", m.pCCOSTOCAPTURADO},
      {"CCOSTOESPECIFICO", f.costo},
      {"CNETO", m.pCNETO},
      {"CIMPUESTO1", m.pCIMPUESTO1},
      {"CPORCENTAJEIMPUESTO1", m.pCPORCENTAJEIMPUESTO1},
      {"CIMPUESTO2", m.pCIMPUESTO2},
      {"CPORCENTAJEIMPUESTO2", m.pCPORCENTAJEIMPUESTO2},
      {"CIMPUESTO3", m.pCIMPUESTO3},
      {"CPORCENTAJEIMPUESTO3", m.pCPORCENTAJEIMPUESTO3},
      {"CRETENCION1", m.pCRETENCION1},
      {"CPORCENTAJERETENCION1", m.pCPORCENTAJERETENCION1},
      {"CRETENCION2", m.pCRETENCION2},
      {"CPORCENTAJERETENCION2", m.pCPORCENTAJERETENCION2},
      {"CDESCUENTO1", m.pCDESCUENTO1},
      {"CPORCENTAJEDESCUENTO1", m.pCPORCENTAJEDESCUENTO1},
      {"CDESCUENTO2", m.pCDESCUENTO2},
      {"CPORCENTAJEDESCUENTO2", m.pCPORCENTAJEDESCUENTO2},
      {"CDESCUENTO3", m.pCDESCUENTO3},
      {"CPORCENTAJEDESCUENTO3", m.pCPORCENTAJEDESCUENTO3},
      {"CDESCUENTO4", m.pCDESCUENTO4},
      {"CPORCENTAJEDESCUENTO4", m.pCPORCENTAJEDESCUENTO4},
      {"CDESCUENTO5", m.pCDESCUENTO5},
      {"CPORCENTAJEDESCUENTO5", m.pCPORCENTAJEDESCUENTO5},
      {"CTOTAL", m.pCTOTAL},
      {"CPORCENTAJECOMISION", m.pCPORCENTAJECOMISION},
      {"CREFERENCIA", m.pCREFERENCIA},
      {"COBSERVAMOV", m.pCOBSERVAMOV},
      {"CAFECTAEXISTENCIA", Entero(f.afectaExistencia)},
      {"CAFECTADOSALDOS", Entero(m.pCAFECTADOSALDOS)},
      {"CAFECTADOINVENTARIO", Entero(m.pCAFECTADOINVENTARIO)},
      {"CFECHA", m.pCFECHA},
      {"CMOVTOOCULTO", Entero(m.pCMOVTOOCULTO)},
      {"CIDMOVTOOWNER", Entero(m.pCIDMOVTOOWNER)},
      {"CIDMOVTOORIGEN", Entero(m.pCIDMOVTOORIGEN)},
      {"CUNIDADESPENDIENTES", m.pCUNIDADESPENDIENTES},
      {"CUNIDADESNCPENDIENTES", Entero(0)},
      {"CUNIDADESORIGEN", m.pCUNIDADESORIGEN},
      {"CUNIDADESNCORIGEN", m.pCUNIDADESNC},
      {"CTIPOTRASPASO", Entero(m.pCTIPOTRASPASO)},
      {"CIDVALORCLASIFICACION", Entero(m.pCIDVALORCLASIFICACION)},
      {"CTEXTOEXTRA1", m.pCTEXTOEXTRA1},
      {"CTEXTOEXTRA2", m.pCTEXTOEXTRA2},
      {"CTEXTOEXTRA3", m.pCTEXTOEXTRA3},
      {"CFECHAEXTRA", m.pCFECHAEXTRA},
      {"CIMPORTEEXTRA1", m.pCIMPORTEEXTRA1},
      {"CIMPORTEEXTRA2", m.pCIMPORTEEXTRA2},
      {"CIMPORTEEXTRA3", m.pCIMPORTEEXTRA3},
      {"CIMPORTEEXTRA4", m.pCIMPORTEEXTRA4},
      {"CTIMESTAMP", std::string()},
      {"CGTOMOVTO", m.pCGTOMOVTO},
      {"CSCMOVTO", m.pCSCMOVTO},
      {"CCOMVENTA", m.pCCOMVENTA},
      {"CIDMOVTODESTINO", Entero(m.pCIDMOVTODESTINO)},
      {"CNUMEROCONSOLIDACIONES", Entero(m.pCNUMEROCONSOLIDACIONES)},
  };
}

// The hidden partner of consignment movement pIdDueno: the same units,
// outside any document, entering the consignment warehouse.
MovimientoDocumento MovimientoOculto(MovimientoDocumento m, std::int32_t pIdDueno) {
  m.pCIDDOCUMENTO = 0;
  m.pCNUMEROMOVIMIENTO = 0;
  m.pCUNIDADESNC = 0;
  m.pCIDUNIDADNC = 0;
  m.pCAFECTADOSALDOS = 0;
  m.pCMOVTOOCULTO = 1;
  m.pCIDMOVTOOWNER = pIdDueno;
  m.pCIDMOVTOORIGEN = 0;
  m.pCTIPOTRASPASO = kTraspasoConsignacion;
  return m;
}

}  // namespace

std::int32_t TServerMethodsSync::AgregaDetalle(const std::string& Token, std::int32_t ID, std::int32_t pCIDDOCUMENTODE,
                                               std::int32_t pCMOVTOOCULTO, std::int32_t pCIDMOVTOOWNER,
                                               std::int32_t pCIDMOVTOORIGEN, const std::string& Datos) {
  if (!ValidaToken(Token)) return 0;
  return AgregaDetalleValidaDuplicado(Token, ID, pCIDDOCUMENTODE, pCMOVTOOCULTO, pCIDMOVTOOWNER, pCIDMOVTOORIGEN, Datos,
                                      false);
}

std::int32_t TServerMethodsSync::AgregaDetalleValidaDuplicado(const std::string& Token, std::int32_t ID,
                                                              std::int32_t pCIDDOCUMENTODE, std::int32_t pCMOVTOOCULTO,
                                                              std::int32_t pCIDMOVTOOWNER, std::int32_t pCIDMOVTOORIGEN,
                                                              const std::string& Datos, bool pDuplicado) {
  if (!ValidaToken(Token)) return 0;
  BitacoraM("AgregaDetalleValidaDuplicado " + std::to_string(ID) + ", " + std::to_string(pCIDDOCUMENTODE) + ", " +
            std::to_string(pCMOVTOOCULTO) + ", " + std::to_string(pCIDMOVTOOWNER) + ", " +
            std::to_string(pCIDMOVTOORIGEN) + ", " + Datos);
  return AgregaDetalleUM(Token, ID, pCIDDOCUMENTODE, pCMOVTOOCULTO, pCIDMOVTOOWNER, pCIDMOVTOORIGEN, Datos, pDuplicado,
                         0, 0, 0, 0);
}

std::int32_t TServerMethodsSync::AgregaDetalleUM(const std::string& Token, std::int32_t ID,
                                                 std::int32_t pCIDDOCUMENTODE, std::int32_t pCMOVTOOCULTO,
                                                 std::int32_t pCIDMOVTOOWNER, std::int32_t pCIDMOVTOORIGEN,
                                                 const std::string& Datos, bool pDuplicado, double pCUNIDADESNC,
                                                 std::int32_t pCIDUNIDAD, std::int32_t pCIDUNIDADNC,
                                                 double /*pUNIDADESBASE: accepted, not used*/) {
  if (!ValidaToken(Token)) return 0;
  BitacoraM("AgregaDetalleUM " + std::to_string(ID) + ", " + std::to_string(pCIDDOCUMENTODE) + ", " +
            std::to_string(pCMOVTOOCULTO) + ", " + std::to_string(pCIDMOVTOOWNER) + ", " +
            std::to_string(pCIDMOVTOORIGEN) + ", " + Datos);
  const std::string texto = TextoMovimiento(Datos);
  std::optional<MovimientoDocumento> movimiento = LeeMovimiento(texto);
  std::int32_t resultado = 0;
  if (movimiento) {
    movimiento->pCIDDOCUMENTODE = pCIDDOCUMENTODE;
    movimiento->pCMOVTOOCULTO = pCMOVTOOCULTO;
    movimiento->pCIDMOVTOOWNER = pCIDMOVTOOWNER;
    movimiento->pCIDMOVTOORIGEN = pCIDMOVTOORIGEN;
    movimiento->pCUNIDADESNC = pCUNIDADESNC;
    movimiento->pCIDUNIDAD = pCIDUNIDAD;
    movimiento->pCIDUNIDADNC = pCIDUNIDADNC;
    resultado = AltaDocDet(*movimiento, pDuplicado);
  }
  if (resultado == 0) Bitacora("No se agrego " + texto);
  return resultado;
}

std::int32_t TServerMethodsSync::AltaDocDet(const MovimientoDocumento& pMovimiento, bool pDuplicado) {
  // Held from the duplicate check to the last insert: two sessions sending the
  // same movement at once must not both find it missing.
  const std::unique_lock<std::mutex> bloqueo = BloqueaEmpresa(CadenaConexion());
  if (pDuplicado) {
    const std::int32_t existente =
        ValidaDuplicadoDetalle(pMovimiento.pCIDDOCUMENTO, pMovimiento.Codigo, pMovimiento.Almacen);
    if (existente != 0) return existente;
  }
  switch (TipoSistema()) {
    case 1:
      Bitacora("AgregaDetalle: los documentos de AdminPAQ aún no están disponibles; no se agregó el movimiento");
      return 0;
    case 2: {
      MovimientoDocumento movimiento = pMovimiento;
      movimiento.pCIDMOVTODESTINO = 0;
      movimiento.pCNUMEROCONSOLIDACIONES = 0;
      return AltaDetalleDocumento(movimiento);
    }
    default:
      return 0;
  }
}

std::int32_t TServerMethodsSync::ValidaDuplicadoDetalle(std::int32_t pCIDDOCUMENTO, const std::string& Codigo,
                                                        const std::string& Almacen) {
  if (TipoSistema() != 2) return 0;
  const std::int32_t producto = LeeProducto(*this, Codigo).CIDPRODUCTO;
  const std::int32_t almacen = IdAlmacen(*this, Almacen);
  auto consulta = Prepara(
      "Select CIDMOVIMIENTO from admMovimientos\n"
      "where CIDDOCUMENTO = :CIDDOCUMENTO\n"
      "  and CIDPRODUCTO = :CIDPRODUCTO\n"
      "  and CIDALMACEN = :CIDALMACEN");
  consulta->Asigna("CIDDOCUMENTO", Entero(pCIDDOCUMENTO));
  consulta->Asigna("CIDPRODUCTO", Entero(producto));
  consulta->Asigna("CIDALMACEN", Entero(almacen));
  db::Cursor& fila = consulta->Abre();
  return fila.Siguiente() ? static_cast<std::int32_t>(fila.Entero(0)) : 0;
}

// Runs under the company lock that AltaDocDet holds.
std::int32_t TServerMethodsSync::AltaDetalleDocumento(const MovimientoDocumento& pMovimiento) {
  MovimientoDocumento m = pMovimiento;
  BitacoraM("pCTOTAL " + Texto(m.pCTOTAL));
  const Producto producto = LeeProducto(*this, m.Codigo);
  FilaMovimiento fila;
  fila.idProducto = producto.CIDPRODUCTO;
  fila.idUnidad = m.pCIDUNIDAD != 0 ? m.pCIDUNIDAD : producto.CIDUNIDADBASE;
  const double unidadesEnviadas = m.pCUNIDADES;  // the cost multiplies the units before rounding

  const DocumentoMovimiento documento = LeeDocumento(*this, m.pCIDDOCUMENTO);
  const ConceptoDocumento concepto = LeeConcepto(*this, documento.CIDCONCEPTODOCUMENTO);
  const CalculoConcepto calculo = LeeCalculoConcepto(*this, documento.CIDCONCEPTODOCUMENTO);
  BitacoraM("CPRECIOSCONIVA " + std::to_string(calculo.CPRECIOSCONIVA));
  BitacoraM("CORDENCALCULO " + std::to_string(calculo.CORDENCALCULO));
  RedondeaImportes(m, calculo, producto);

  if (VaPorSdk(kMovimientosSdk, concepto.CIDDOCUMENTODE)) {
    // The SDK bridge is not part of this build: the movement cannot be added.
    Bitacora(DirectorioEmpresa() + " No se cargó la librería del SDK de CONTPAQi; no se agregó el movimiento del " +
             "concepto " + concepto.CCODIGOCONCEPTO);
    return 0;
  }

  try {
    // The cost rows carried forward, the new keys and the rows that use them
    // are written as one unit: a movement that is refused leaves nothing.
    db::Transaccion transaccion(*ConexionEmpresa());
    // The cost is the company-wide one (warehouse 0), not the movement's warehouse's.
    if (fila.idProducto != 0)
      fila.costo = RevisaCostoHistorico(fila.idProducto, 0, 1, m.pCFECHA) * unidadesEnviadas;

    // Consignment (3) and kind 34 keep the kind asked for and always enter stock.
    if (m.pCIDDOCUMENTODE == kConsignacion || m.pCIDDOCUMENTODE == 34) {
      fila.idDocumentoDe = m.pCIDDOCUMENTODE;
      fila.afectaExistencia = 1;
    } else {
      fila.idDocumentoDe = documento.CIDDOCUMENTODE;
      fila.afectaExistencia = documento.CAFECTAEXISTENCIA;
    }
    if (fila.idDocumentoDe == 32 || fila.idDocumentoDe == 33) {
      m.pCAFECTADOINVENTARIO = 1;
      m.pCAFECTADOSALDOS = 1;
      m.pCTIPOTRASPASO = 1;
      if (fila.idDocumentoDe == 32 && m.pCCOSTOCAPTURADO == 0) {
        if (m.pCUNIDADESCAPTURADAS > 0) m.pCCOSTOCAPTURADO = fila.costo / m.pCUNIDADESCAPTURADAS;
        m.pCNETO = fila.costo;
        m.pCTOTAL = fila.costo;
      }
    }

    if (!m.Almacen.empty()) fila.idAlmacen = IdAlmacen(*this, m.Almacen);
    if (fila.idAlmacen == 0) {
      Bitacora("No se encontro el codigo de almacen " + m.Almacen);
      return 0;
    }
    BitacoraM("NombreEmpresa " + DirectorioEmpresa());
    BitacoraM("BuscaRegDocto " + std::to_string(m.pCIDDOCUMENTO));
    BitacoraM("fAltaMov " + m.Almacen + m.Codigo + m.pCREFERENCIA);
    BitacoraM("fGuardaMovto " + m.Almacen + m.Codigo + m.pCREFERENCIA);

    fila.id = SiguienteId(*this, "admMovimientos", "CIDMOVIMIENTO");
    auto insercion = PreparaInsercion(*this, "admMovimientos", ValoresMovimiento(m, fila));
    if (!EjecutaSentencia(*insercion)) return 0;
    // In the same transaction: a header never shows totals without the
    // movement, nor a movement without its totals.
    ActualizaDocumento(m.pCIDDOCUMENTO, 0, 0, 0, 0, 0, 0, 0, m.pCFECHA);
    // The stock effect follows the document model, whatever kind was asked for.
    const bool mueveExistencia = documento.CAFECTAEXISTENCIA == 1 || documento.CAFECTAEXISTENCIA == 2;
    if (mueveExistencia)
      AfectaExistenciayCosto(fila.idProducto, fila.idAlmacen, m.pCFECHA, documento.CAFECTAEXISTENCIA, m.pCUNIDADES,
                             fila.costo);
    if (fila.idDocumentoDe == kConsignacion) {
      FilaMovimiento oculta = fila;
      oculta.id = SiguienteId(*this, "admMovimientos", "CIDMOVIMIENTO");
      oculta.idAlmacen = calculo.CIDALMACENCONSIGNACION;
      oculta.idUnidad = producto.CIDUNIDADBASE;
      oculta.afectaExistencia = 1;
      // Its failure is logged and leaves the movement itself standing.
      auto insercionOculta =
          PreparaInsercion(*this, "admMovimientos", ValoresMovimiento(MovimientoOculto(m, fila.id), oculta));
      EjecutaSentencia(*insercionOculta);
      if (mueveExistencia)
        AfectaExistenciayCosto(fila.idProducto, oculta.idAlmacen, m.pCFECHA, 1, m.pCUNIDADES, fila.costo);
    }
    transaccion.Confirma();
    // The key just written: the read-back by document, product, warehouse and
    // that key can only find this row.
    return fila.id;
  } catch (const std::exception& e) {
    Bitacora(std::string("AgregaDetalle: ") + e.what());
    return 0;
  }
}

}  // namespace quorvex
