#pragma once
// Values that cross the database layer: statement parameters and the types of
// result columns.
#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>

namespace quorvex::db {

enum class TipoDato { Nulo, Entero, Doble, Texto, FechaHora, Booleano, Binario };

using FechaHora = std::chrono::sys_time<std::chrono::milliseconds>;

struct Nulo {};
using Valor = std::variant<Nulo, std::int64_t, double, std::string, FechaHora>;

// Every failure of the layer (open, prepare, bind, step) is one of these; the
// message is the driver's.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "YYYY-MM-DD HH:MM:SS.mmm", the form date-times are stored and sent in.
std::string TextoFechaHora(FechaHora f);

}  // namespace quorvex::db
