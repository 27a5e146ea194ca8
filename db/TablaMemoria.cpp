#include "db/TablaMemoria.h"

#include <charconv>

namespace quorvex::db {
namespace {

// Numbers are read from the leading part of the text, as SQLite reads them;
// text that does not begin with a number reads as 0.
template <typename Numero>
Numero LeeNumero(std::string_view texto) {
  const auto inicio = texto.find_first_not_of(" \t");
  if (inicio == std::string_view::npos) return 0;
  texto.remove_prefix(inicio);
  if (texto.starts_with('+')) texto.remove_prefix(1);
  Numero numero = 0;
  std::from_chars(texto.data(), texto.data() + texto.size(), numero);
  return numero;
}

}  // namespace

TablaMemoria::TablaMemoria(std::vector<std::string> nombres) {
  for (auto& nombre : nombres) columnas_.push_back({std::move(nombre), TipoDato::Texto});
}

void TablaMemoria::AgregaFila(std::vector<std::string> valores) {
  if (valores.size() != columnas_.size())
    throw Error("La fila tiene " + std::to_string(valores.size()) + " valores y la tabla " +
                std::to_string(columnas_.size()) + " columnas");
  filas_.push_back(std::move(valores));
}

bool TablaMemoria::Siguiente() {
  if (siguiente_ <= filas_.size()) ++siguiente_;
  return siguiente_ <= filas_.size();
}

TipoDato TablaMemoria::Tipo(int columna) const {
  Texto(columna);  // the same checks as every other accessor
  return TipoDato::Texto;
}

std::int64_t TablaMemoria::Entero(int columna) const { return LeeNumero<std::int64_t>(Texto(columna)); }

double TablaMemoria::Doble(int columna) const { return LeeNumero<double>(Texto(columna)); }

std::string_view TablaMemoria::Texto(int columna) const {
  if (siguiente_ == 0 || siguiente_ > filas_.size()) throw Error("No hay fila actual");
  const auto& fila = filas_[siguiente_ - 1];
  if (columna < 0 || static_cast<std::size_t>(columna) >= fila.size())
    throw Error("Columna fuera de rango: " + std::to_string(columna));
  return fila[static_cast<std::size_t>(columna)];
}

}  // namespace quorvex::db
