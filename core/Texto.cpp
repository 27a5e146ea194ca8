#include "core/Texto.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string_view>

namespace quorvex {

namespace {

std::string ReemplazaTodo(const std::string& pbuscar, const std::string& pRemplazar, const std::string& pCadena) {
  std::string resultado;
  std::size_t desde = 0;
  for (std::size_t encontrado; (encontrado = pCadena.find(pbuscar, desde)) != std::string::npos;
       desde = encontrado + pbuscar.size()) {
    resultado.append(pCadena, desde, encontrado - desde).append(pRemplazar);
  }
  return resultado.append(pCadena, desde);
}

// The integer at a fixed slice of pTexto; pDefecto when the slice is missing
// or is not a number.
int EnteroEn(const std::string& pTexto, std::size_t inicio, std::size_t largo, int pDefecto) {
  if (inicio >= pTexto.size()) return pDefecto;
  return TextoAEntero(std::string_view(pTexto).substr(inicio, largo), pDefecto);
}

}  // namespace

int TextoAEntero(std::string_view pTexto, int pDefecto) {
  int valor = 0;
  const auto [fin, error] = std::from_chars(pTexto.data(), pTexto.data() + pTexto.size(), valor);
  if (error != std::errc{} || fin != pTexto.data() + pTexto.size()) return pDefecto;
  return valor;
}

std::string Sustituye(const std::string& pbuscar, const std::string& pRemplazar, const std::string& pCadena) {
  if (pbuscar.empty()) return pCadena;
  std::string resultado = ReemplazaTodo(pbuscar, pRemplazar, pCadena);
  // Each further pass shortens the text, so the repetition ends.
  while (pRemplazar.size() < pbuscar.size() && resultado.find(pbuscar) != std::string::npos) {
    resultado = ReemplazaTodo(pbuscar, pRemplazar, resultado);
  }
  return resultado;
}

void AgregaWhereL(std::string& pWhere, const std::string& pCampo, int pTipo, const std::string& pOperador,
                  const std::string& pValor) {
  if (pValor.empty()) return;
  // Double quotes become single quotes when the statement is run.
  const std::string valor = pTipo == 1 ? "\"" + pValor + "\"" : pValor + " ";
  const std::string condicion = pCampo + " " + pOperador + " " + valor;
  pWhere = pWhere.empty() ? " where " + condicion : pWhere + " and " + condicion;
}

std::chrono::year_month_day StringToFecha(const std::string& pFecha) {
  const int anio = EnteroEn(pFecha, 0, 4, 2014);
  const int mes = EnteroEn(pFecha, 5, 2, 1);
  const int dia = EnteroEn(pFecha, 8, 2, 1);
  if (anio < 1 || mes < 1 || dia < 1) throw ErrorFecha("Fecha no válida: \"" + pFecha + "\"");
  const std::chrono::year_month_day fecha{std::chrono::year{anio}, std::chrono::month(static_cast<unsigned>(mes)),
                                          std::chrono::day(static_cast<unsigned>(dia))};
  if (!fecha.ok()) throw ErrorFecha("Fecha no válida: \"" + pFecha + "\"");
  return fecha;
}

std::string Creauuid() {
  thread_local std::random_device azar;
  std::uint8_t bytes[16];
  for (std::size_t k = 0; k < sizeof bytes; k += 4) {
    const std::uint32_t palabra = azar();
    for (std::size_t j = 0; j < 4; ++j) bytes[k + j] = static_cast<std::uint8_t>(palabra >> (8 * j));
  }
  bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0f) | 0x40);  // version 4: random
  bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3f) | 0x80);  // RFC 4122 variant
  char texto[37];
  std::snprintf(texto, sizeof texto, "%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X", bytes[0],
                bytes[1], bytes[2], bytes[3], bytes[4], bytes[5], bytes[6], bytes[7], bytes[8], bytes[9], bytes[10],
                bytes[11], bytes[12], bytes[13], bytes[14], bytes[15]);
  return texto;
}

std::string AgregaDatoJson(const std::string& pJson, const std::string& pDato, const std::string& pValor) {
  const std::string miembro = "\"" + pDato + "\": \"" + pValor + "\"";
  return pJson.empty() ? miembro : pJson + "," + miembro;
}

}  // namespace quorvex
