// Cost layers (lots and import layers): a movement is linked to a layer, and
// the layer's stock and unit cost are recomputed from all of its links.
#include <exception>

#include "core/SyncServermethods.h"
#include "documents/LecturasMovimiento.h"

namespace quorvex {

std::int32_t TServerMethodsSync::AgregaCapa(const std::string& Token, std::int32_t pIdMovimiento, std::int32_t pCapa,
                                            std::int32_t pCTIPOCAPA, const std::string& pCCODIGOPRODUCTO,
                                            db::FechaHora pCFECHA, double pCUNIDADES) {
  if (!ValidaToken(Token)) return 0;
  try {
    // An unknown product links with unit 0.
    const Producto producto = LeeProducto(*this, pCCODIGOPRODUCTO);
    auto vincula = Prepara(
        "INSERT INTO admMovimientosCapas (CIDMOVIMIENTO, CIDCAPA, CFECHA, CUNIDADES, CTIPOCAPA, CIDUNIDAD)\n"
        "VALUES (:CIDMOVIMIENTO, :CIDCAPA, :CFECHA, :CUNIDADES, :CTIPOCAPA, :CIDUNIDAD)");
    vincula->Asigna("CIDMOVIMIENTO", std::int64_t{pIdMovimiento});
    vincula->Asigna("CIDCAPA", std::int64_t{pCapa});
    vincula->Asigna("CFECHA", pCFECHA);
    vincula->Asigna("CUNIDADES", pCUNIDADES);
    vincula->Asigna("CTIPOCAPA", std::int64_t{pCTIPOCAPA});
    vincula->Asigna("CIDUNIDAD", std::int64_t{producto.CIDUNIDADBASE});
    // A failed link is logged there; the layer is recomputed either way.
    EjecutaSentencia(*vincula);
    RecalculaCapa(pCapa);
  } catch (const std::exception&) {
    // The caller's answer does not depend on the layer: a layer whose cost
    // cannot be computed (its units add up to 0) keeps its old values.
  }
  return 1;
}

void TServerMethodsSync::RecalculaCapa(std::int32_t pCIDCAPA) {
  auto recalcula = Prepara(
      "Update admCapasProducto set CEXISTENCIA = ISNULL((\n"
      "Select   Sum(case when admMovimientos.CAFECTAEXISTENCIA = 1 then admMovimientosCapas.CUNIDADES when "
      "admMovimientos.CAFECTAEXISTENCIA = 2 then admMovimientosCapas.CUNIDADES * -1 else 0 end) Cantidad\n"
      "FROM admMovimientosCapas\n"
      "INNER JOIN admMovimientos ON admMovimientosCapas.CIDMOVIMIENTO = admMovimientos.CIDMOVIMIENTO\n"
      "where admMovimientosCapas.CIDCAPA = :CIDCAPA1), CEXISTENCIA),\n"
      "ccosto = ISNULL((Select   (Sum(admMovimientos.CCOSTOESPECIFICO) / sum(admMovimientosCapas.CUNIDADES)) Costo\n"
      "FROM admMovimientosCapas\n"
      "INNER JOIN admMovimientos ON admMovimientosCapas.CIDMOVIMIENTO = admMovimientos.CIDMOVIMIENTO\n"
      "INNER JOIN admDocumentosModelo ON admMovimientos.CIDDOCUMENTODE = admDocumentosModelo.CIDDOCUMENTODE\n"
      "where admMovimientosCapas.CIDCAPA = :CIDCAPA2 and admDocumentosModelo.CIDDOCUMENTODE in (32, 19) ), ccosto)\n"
      "where CIDCAPA = :CIDCAPA");
  recalcula->Asigna("CIDCAPA1", std::int64_t{pCIDCAPA});
  recalcula->Asigna("CIDCAPA2", std::int64_t{pCIDCAPA});
  recalcula->Asigna("CIDCAPA", std::int64_t{pCIDCAPA});
  recalcula->Ejecuta();
}

}  // namespace quorvex
