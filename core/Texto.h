#pragma once
// Text helpers that assemble SQL and data texts.
#include <chrono>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvex {

// Every occurrence of pbuscar replaced by pRemplazar (case-sensitive). When
// pRemplazar is shorter than pbuscar the replacement repeats while the result
// still holds pbuscar ("  " -> " " leaves no double blank); otherwise one pass
// is made, because repeating a replacement that is not shorter need not end
// (it may contain pbuscar, or form it anew at every pass: "ba" -> "aabb" in
// "baa"). Empty pbuscar: unchanged.
std::string Sustituye(const std::string& pbuscar, const std::string& pRemplazar, const std::string& pCadena);

// The integer that the whole of pTexto spells, pDefecto when it is not one
// ("8081" -> 8081; "", "8a", " 8" -> pDefecto).
int TextoAEntero(std::string_view pTexto, int pDefecto);

// Appends "pCampo pOperador value" to a WHERE clause under construction;
// pTipo 1 quotes the value in double quotes. Empty pValor: unchanged.
void AgregaWhereL(std::string& pWhere, const std::string& pCampo, int pTipo, const std::string& pOperador,
                  const std::string& pValor);

// Raised for an impossible date such as 2024-02-30.
class ErrorFecha : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// The date at the fixed positions of "YYYY-MM-DD...", at 00:00. Non-numeric
// parts default to 2014, 1, 1.
std::chrono::year_month_day StringToFecha(const std::string& pFecha);

// A new random GUID: 8-4-4-4-12 upper-case hex digits, no braces.
std::string Creauuid();

// Appends "pDato": "pValor" to a JSON object body (nothing is escaped).
std::string AgregaDatoJson(const std::string& pJson, const std::string& pDato, const std::string& pValor);

}  // namespace quorvex
