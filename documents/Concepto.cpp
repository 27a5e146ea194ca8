#include "documents/Concepto.h"

#include <strings.h>

#include "core/SyncServermethods.h"

namespace quorvex {

namespace {

// The first column of that name, compared as the database compares names.
int IndiceColumna(const db::Cursor& fila, const char* nombre) {
  const auto& columnas = fila.Columnas();
  for (std::size_t i = 0; i < columnas.size(); ++i)
    if (strcasecmp(columnas[i].nombre.c_str(), nombre) == 0) return static_cast<int>(i);
  throw db::Error(std::string("Falta la columna ") + nombre);
}

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
