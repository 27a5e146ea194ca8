#include "documents/Concepto.h"

#include "core/SyncServermethods.h"
#include "db/Columnas.h"

namespace quorvex {

namespace {

using db::IndiceColumna;

std::int32_t Entero(const db::Cursor& fila, const char* nombre) {
  return static_cast<std::int32_t>(fila.Entero(IndiceColumna(fila, nombre)));
}

}  // namespace

ConceptoDocumento LeeConcepto(TServerMethodsSync& metodos, std::int32_t pIdConcepto) {
  auto consulta = metodos.Prepara(
      "Select *, CIDALMACENCONSIGNACION\n"
      "From admConceptos, admParametros\n"
      "where CIDCONCEPTODOCUMENTO = :CIDCONCEPTODOCUMENTO");
  consulta->Asigna("CIDCONCEPTODOCUMENTO", std::int64_t{pIdConcepto});
  db::Cursor& fila = consulta->Abre();
  ConceptoDocumento concepto;
  if (!fila.Siguiente()) return concepto;
  concepto.CIDCONCEPTODOCUMENTO = Entero(fila, "CIDCONCEPTODOCUMENTO");
  concepto.CCODIGOCONCEPTO = std::string(fila.Texto(IndiceColumna(fila, "CCODIGOCONCEPTO")));
  concepto.CIDDOCUMENTODE = Entero(fila, "CIDDOCUMENTODE");
  concepto.CNATURALEZA = Entero(fila, "CNATURALEZA");
  concepto.CESCFD = Entero(fila, "CESCFD");
  return concepto;
}

}  // namespace quorvex
