#pragma once
// INSERT statements written from a list of columns and their values, so that
// the column list and the named parameters cannot drift apart.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "db/Conexion.h"

namespace quorvex {

class TServerMethodsSync;

using ValoresColumnas = std::vector<std::pair<std::string, db::Valor>>;

// "insert into pTabla (c1, c2, ...) values (:c1, :c2, ...)" prepared on the
// instance's connection with every value bound. Throws db::Error.
std::unique_ptr<db::Sentencia> PreparaInsercion(TServerMethodsSync& metodos, const std::string& pTabla,
                                                const ValoresColumnas& pValores);

}  // namespace quorvex
