#pragma once
// The rows a movement reads before it is written: its product, warehouse,
// document and what its concept and the company say about rounding.
#include <cstdint>
#include <string>

namespace quorvex {

class TServerMethodsSync;

struct Producto {
  std::int32_t CIDPRODUCTO = 0;
  std::int32_t CIDUNIDADBASE = 0;
  double CIMPUESTO1 = 0;
};

// The document with its concept and document model; zeros for an unknown document.
struct DocumentoMovimiento {
  std::int32_t CIDCONCEPTODOCUMENTO = 0;
  std::int32_t CIDDOCUMENTODE = 0;
  std::string CSERIEDOCUMENTO;
  double CFOLIO = 0;
  std::int32_t CAFECTAEXISTENCIA = 0;  // of the document model: 0 none, 1 inflow, 2 outflow
};

// What a movement needs of its concept and of the company's parameters row
// beyond the concept columns the header reads (documents/Concepto.h).
struct CalculoConcepto {
  std::int32_t CIDALMACENCONSIGNACION = 0;
  std::int64_t CPRECIOSCONIVA = 0;
  std::int64_t CORDENCALCULO = 0;
  std::int64_t CDECIMALESUNIDADES = 0;
  std::int64_t CDECIMALESPRECIOVENTA = 0;
};

// Each throws db::Error when its query fails.
// The product of a code; zeros for an empty or unknown code.
Producto LeeProducto(TServerMethodsSync& metodos, const std::string& pCodigo);
// The warehouse of a code; 0 for an empty or unknown code.
std::int32_t IdAlmacen(TServerMethodsSync& metodos, const std::string& pCodigo);
DocumentoMovimiento LeeDocumento(TServerMethodsSync& metodos, std::int32_t pIdDocumento);
// Zeros for an unknown concept.
CalculoConcepto LeeCalculoConcepto(TServerMethodsSync& metodos, std::int32_t pIdConcepto);

}  // namespace quorvex
