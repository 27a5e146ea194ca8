#pragma once
// The optional filters of the listings. The rule of AgregaWhereL (" where " or
// " and ", column, operator, value), but each value is bound as a parameter:
// a value never becomes statement text, so a quote in it neither breaks nor
// widens the statement.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "db/Valor.h"

namespace quorvex {

using Parametros = std::vector<std::pair<std::string, db::Valor>>;

class Filtros {
 public:
  // pWhere: the base condition the filters are appended to.
  explicit Filtros(std::string pWhere = {}) : where_(std::move(pWhere)) {}

  // Nothing when pValor is empty. pTipo 1 binds text; any other pTipo binds a
  // number, and a value that is not one is kept as the statement's error.
  void AgregaWhereL(std::string_view pCampo, int pTipo, std::string_view pOperador, const std::string& pValor);
  // Appends a condition that carries no value of its own.
  void AgregaCondicion(std::string_view condicion);

  const std::string& Where() const { return where_; }
  const Parametros& Valores() const { return valores_; }
  // Empty, or why the statement cannot run (a number filter that is not a number).
  const std::string& Error() const { return error_; }

 private:
  std::string where_;
  Parametros valores_;
  std::string error_;
};

// The number a filter text spells (an integer, or a decimal with "."), as the
// database would compare it; false when the text is not a number.
bool LeeNumeroFiltro(std::string_view texto, db::Valor& numero);

}  // namespace quorvex
