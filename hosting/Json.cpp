#include "hosting/Json.h"

#include <array>

namespace quorvex {

// Runs of characters that need no escape are copied whole: this is the hot
// path of every data set. The escapes are the writer's own (\" \\ \b \f \n
// \r \t, \u00XX for other control characters); UTF-8 passes through.
namespace {

// The bytes that a JSON string cannot hold as they are.
constexpr std::array<bool, 256> kEscapa = [] {
  std::array<bool, 256> t{};
  for (int c = 0; c < 0x20; ++c) t[c] = true;
  t['"'] = t['\\'] = true;
  return t;
}();

}  // namespace

void AgregaTextoJson(std::string& destino, std::string_view texto) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  destino += '"';
  std::size_t corrida = 0;
  for (std::size_t i = 0; i < texto.size(); ++i) {
    const auto c = static_cast<unsigned char>(texto[i]);
    if (!kEscapa[c]) continue;
    destino.append(texto.data() + corrida, i - corrida);
    corrida = i + 1;
    switch (c) {
      case '"': destino += "\\\""; break;
      case '\\': destino += "\\\\"; break;
      case '\b': destino += "\\b"; break;
      case '\f': destino += "\\f"; break;
      case '\n': destino += "\\n"; break;
      case '\r': destino += "\\r"; break;
      case '\t': destino += "\\t"; break;
      default:
        destino += "\\u00";
        destino += kHex[c >> 4];
        destino += kHex[c & 0xF];
    }
  }
  destino.append(texto.data() + corrida, texto.size() - corrida);
  destino += '"';
}

std::string ObjetoError(std::string_view mensaje) {
  std::string cuerpo = "{\"error\":";
  AgregaTextoJson(cuerpo, mensaje);
  cuerpo += '}';
  return cuerpo;
}

}  // namespace quorvex
