#pragma once
// The concept row that a document operation reads: the concept joined with
// the company's single parameters row.
#include <cstdint>
#include <string>

namespace quorvex {

class TServerMethodsSync;

// The columns the document operations use. An unknown concept reads as zeros
// and empty texts.
struct ConceptoDocumento {
  std::int32_t CIDCONCEPTODOCUMENTO = 0;
  std::string CCODIGOCONCEPTO;
  std::int32_t CIDDOCUMENTODE = 0;  // the document kind
  std::int32_t CNATURALEZA = 0;
  std::int32_t CESCFD = 0;
};

// Throws db::Error when the query fails.
ConceptoDocumento LeeConcepto(TServerMethodsSync& metodos, std::int32_t pIdConcepto);

}  // namespace quorvex
