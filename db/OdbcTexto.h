#pragma once
// Texts between this layer (UTF-8, ":name" parameters) and ODBC (UTF-16 in
// the wide calls, "?" parameters by position).
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::db {

// Invalid UTF-8 becomes U+FFFD rather than an error: a text that reached the
// layer is sent as well as it can be.
std::u16string Utf16(std::string_view utf8);
void AgregaUtf8(std::string& destino, std::u16string_view utf16);
std::string Utf8(std::u16string_view utf16);

// A statement with its ":name" parameters turned into "?": nombres[i] is the
// name (without the colon) of the (i+1)-th marker, so a name used twice
// appears twice. Names begin with a letter or "_"; nothing inside string
// literals, quoted or bracketed names and comments is a parameter, nor "::".
struct TextoPosicional {
  std::string texto;
  std::vector<std::string> nombres;
};
TextoPosicional ParametrosPosicionales(std::string_view sql);

}  // namespace quorvex::db
