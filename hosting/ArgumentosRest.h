#pragma once
// Conversion of REST inputs (path segments and JSON values of the body) into
// the typed arguments of a remote method.
#include <rapidjson/document.h>

#include <optional>
#include <string_view>

#include "hosting/Catalogo.h"

namespace quorvex {

// The value a null argument takes: empty text, 0, false, date-time 0.
Argumento ArgumentoNulo(TipoParametro tipo);

// A path segment: "null" is the null argument; text is taken unchanged;
// Integer is a 32-bit decimal; Double uses "." as decimal separator; Boolean is
// "true" or "false", which Integer and Double also accept as 1 and 0; a
// date-time is "YYYY-MM-DD HH:MM:SS.mmm", with "T" for the blank and the
// milliseconds optional. Throws ErrorTransporte
// "Cannot convert JSON value <v> input into <type>".
Argumento ConvierteSegmento(std::string_view segmento, TipoParametro tipo);

// A JSON value of the request body: null is the null argument, strings convert
// as segments do (except that "null" is text), numbers and true/false as
// themselves; a text parameter also takes any other value as its JSON text.
Argumento ConvierteValorJson(const rapidjson::Value& valor, TipoParametro tipo);

// The date-time form above; nullopt when the text is not one.
std::optional<db::FechaHora> LeeFechaHora(std::string_view texto);

}  // namespace quorvex
