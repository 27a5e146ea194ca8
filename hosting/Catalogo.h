#pragma once
// The catalogue of remote methods: the public methods of TServerMethodsSync in
// the order the module declares them. The REST front converts arguments by it,
// lists its metadata in this order, and generates the JavaScript proxy from it.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "db/ConjuntoDatos.h"
#include "db/Valor.h"

namespace quorvex {

class TServerMethodsSync;

enum class TipoParametro { Texto, Entero, Doble, Booleano, FechaHora };
enum class TipoResultado { Texto, Entero, Doble, Booleano, ConjuntoDatos };

struct Parametro {
  std::string_view nombre;
  TipoParametro tipo;
};

// A converted argument; a null argument arrives as the type's empty value.
using Argumento = std::variant<std::string, std::int32_t, double, bool, db::FechaHora>;

// A method's value. A data set result may be null (no data set).
using Resultado = std::variant<std::string, std::int32_t, double, bool, std::unique_ptr<db::ConjuntoDatos>>;

using Invocador = std::function<Resultado(TServerMethodsSync&, std::span<const Argumento>)>;

struct MetodoRemoto {
  std::string_view nombre;
  std::vector<Parametro> parametros;
  TipoResultado resultado;
  // Empty while the method is not built yet: the call is answered with an error.
  Invocador invoca;
};

const std::vector<MetodoRemoto>& Catalogo();
// nullptr for a name that is not a remote method (internal operations included).
const MetodoRemoto* BuscaMetodo(std::string_view nombre);

}  // namespace quorvex
