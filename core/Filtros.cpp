#include "core/Filtros.h"

#include <cctype>
#include <charconv>
#include <cstdint>

namespace quorvex {

bool LeeNumeroFiltro(std::string_view texto, db::Valor& numero) {
  while (!texto.empty() && std::isspace(static_cast<unsigned char>(texto.front()))) texto.remove_prefix(1);
  while (!texto.empty() && std::isspace(static_cast<unsigned char>(texto.back()))) texto.remove_suffix(1);
  if (!texto.empty() && texto.front() == '+') texto.remove_prefix(1);
  const char* fin = texto.data() + texto.size();
  std::int64_t entero = 0;
  if (auto r = std::from_chars(texto.data(), fin, entero); r.ec == std::errc{} && r.ptr == fin && !texto.empty()) {
    numero = entero;
    return true;
  }
  double real = 0;
  auto r = std::from_chars(texto.data(), fin, real, std::chars_format::fixed);
  if (r.ec != std::errc{} || r.ptr != fin || texto.empty()) return false;
  numero = real;
  return true;
}

void Filtros::AgregaCondicion(std::string_view condicion) {
  where_ += where_.empty() ? " where " : " and ";
  where_ += condicion;
}

void Filtros::AgregaWhereL(std::string_view pCampo, int pTipo, std::string_view pOperador, const std::string& pValor) {
  if (pValor.empty()) return;
  const std::string nombre = "f" + std::to_string(valores_.size() + 1);
  db::Valor valor = pValor;
  if (pTipo != 1 && !LeeNumeroFiltro(pValor, valor) && error_.empty())
    error_ = "El valor '" + pValor + "' del filtro " + std::string(pCampo) + " no es un número.";
  AgregaCondicion(std::string(pCampo) + " " + std::string(pOperador) + " :" + nombre + (pTipo == 1 ? "" : " "));
  valores_.emplace_back(nombre, std::move(valor));
}

}  // namespace quorvex
