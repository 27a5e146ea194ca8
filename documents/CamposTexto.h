#pragma once
// Reading the "|"-separated data texts that callers send for documents.
#include <string>
#include <string_view>
#include <vector>

#include "db/Valor.h"

namespace quorvex {

// The fields of pTexto split at pDelimitador only (blanks and commas belong to
// the field). A field that begins with a double quote runs to the closing
// quote, a doubled quote inside standing for one; what follows the closing
// quote up to the next delimiter is a field of its own. A trailing delimiter
// ends with an empty field; an empty text has no fields.
std::vector<std::string> DivideCampos(const std::string& pTexto, char pDelimitador = '|');

// The number that the whole of pTexto spells with "." as decimal point
// (blanks around it allowed), 0 when it is not a finite number.
double TextoAReal(std::string_view pTexto);

// StringToFecha as a date value at 00:00. Throws ErrorFecha for an impossible date.
db::FechaHora FechaDeTexto(const std::string& pTexto);

// The first pMaximo characters (not bytes) of a UTF-8 text.
std::string PrimerosCaracteres(const std::string& pTexto, std::size_t pMaximo);

}  // namespace quorvex
