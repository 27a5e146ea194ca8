#pragma once
// The path of a REST call, /datasnap/rest/<class>/<method>/<arg>/...
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

inline constexpr std::string_view kPrefijoRest = "/datasnap/rest/";

struct RutaRest {
  std::string clase;
  std::string metodo;          // without the double quotes, if it had them
  bool entreComillas = false;  // a quoted method name is called whatever the verb
  std::vector<std::string> argumentos;
};

// Percent-decodes one segment ("%2F" -> "/"; "+" stays "+"). Throws
// ErrorTransporte on a "%" not followed by two hexadecimal digits.
std::string DecodificaSegmento(std::string_view segmento);

// The part after "/datasnap/rest/" (no query), split at "/" first and each
// segment containing "%" decoded afterwards, so "%2F" inside an argument
// never splits it. A single trailing "/" adds no argument. Throws
// ErrorTransporte with fewer than two segments or a bad escape.
RutaRest LeeRutaRest(std::string_view resto);

}  // namespace quorvex
