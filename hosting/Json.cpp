#include "hosting/Json.h"

#include <rapidjson/internal/dtoa.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

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

namespace {

// Amounts (prices, costs, percentages) have a few decimals. Below kTopeFijo a
// value with at most kDecimales decimals is that many-decimal integer m over
// 10^kDecimales, m exact in a double, and the nearest such decimal is the only
// one within half a unit in the last place of the value; so when m / 10^k
// gives the value back, m with its trailing zeros dropped is the shortest
// form, written without the general algorithm.
constexpr int kDecimales = 6;
constexpr std::uint64_t kEscala = 1'000'000;
constexpr double kTopeFijo = 1e9;

void AgregaEnteroSinSigno(std::string& destino, std::uint64_t n) {
  char cifras[24];
  destino.append(cifras, std::to_chars(cifras, cifras + sizeof cifras, n).ptr);
}

}  // namespace

void AgregaDobleJson(std::string& destino, double d) {
  if (!std::isfinite(d)) {
    destino += "null";
    return;
  }
  const double a = std::fabs(d);
  if (a < kTopeFijo) {
    const auto m = static_cast<std::uint64_t>(std::nearbyint(a * kEscala));
    if (static_cast<double>(m) / kEscala == a) {
      if (std::signbit(d)) destino += '-';  // also "-0.0", as the writer
      AgregaEnteroSinSigno(destino, m / kEscala);
      auto fraccion = static_cast<std::uint32_t>(m % kEscala);
      if (fraccion == 0) {
        destino += ".0";
        return;
      }
      char cifras[kDecimales];
      int largo = kDecimales;
      while (fraccion % 10 == 0) {
        fraccion /= 10;
        --largo;
      }
      for (int i = largo - 1; i >= 0; --i, fraccion /= 10) cifras[i] = static_cast<char>('0' + fraccion % 10);
      destino += '.';
      destino.append(cifras, static_cast<std::size_t>(largo));
      return;
    }
  }
  char cifras[32];
  destino.append(cifras, rapidjson::internal::dtoa(d, cifras));
}

std::string ObjetoError(std::string_view mensaje) {
  std::string cuerpo = "{\"error\":";
  AgregaTextoJson(cuerpo, mensaje);
  cuerpo += '}';
  return cuerpo;
}

}  // namespace quorvex
