#include "db/OdbcTexto.h"

#include "db/LexicoSql.h"

namespace quorvex::db {
namespace {

constexpr char32_t kReemplazo = 0xFFFD;

// The code point that starts at t[i]; i moves past it.
char32_t LeeUtf8(std::string_view t, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(t[i++]);
  if (b0 < 0x80) return b0;
  int resto = 0;
  char32_t c = 0;
  if ((b0 & 0xE0) == 0xC0) {
    resto = 1;
    c = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    resto = 2;
    c = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    resto = 3;
    c = b0 & 0x07;
  } else {
    return kReemplazo;
  }
  for (int k = 0; k < resto; ++k) {
    if (i >= t.size() || (static_cast<unsigned char>(t[i]) & 0xC0) != 0x80) return kReemplazo;
    c = (c << 6) | (static_cast<unsigned char>(t[i++]) & 0x3F);
  }
  static constexpr char32_t kMinimo[] = {0, 0x80, 0x800, 0x10000};
  if (c < kMinimo[resto] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kReemplazo;
  return c;
}

void AgregaPunto(std::string& d, char32_t c) {
  if (c < 0x80) {
    d += static_cast<char>(c);
  } else if (c < 0x800) {
    d += static_cast<char>(0xC0 | (c >> 6));
    d += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    d += static_cast<char>(0xE0 | (c >> 12));
    d += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    d += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    d += static_cast<char>(0xF0 | (c >> 18));
    d += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    d += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    d += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool EsInicioNombre(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_';
}
bool EsDeNombre(char c) { return EsInicioNombre(c) || (c >= '0' && c <= '9'); }


}  // namespace

std::u16string Utf16(std::string_view utf8) {
  std::u16string r;
  r.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t c = LeeUtf8(utf8, i);
    if (c < 0x10000) {
      r += static_cast<char16_t>(c);
    } else {
      r += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      r += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
  }
  return r;
}

void AgregaUtf8(std::string& destino, std::u16string_view t) {
  for (std::size_t i = 0; i < t.size(); ++i) {
    char32_t c = t[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < t.size() && t[i + 1] >= 0xDC00 && t[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (t[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReemplazo;  // a lone surrogate
    }
    AgregaPunto(destino, c);
  }
}

std::string Utf8(std::u16string_view utf16) {
  std::string r;
  r.reserve(utf16.size());
  AgregaUtf8(r, utf16);
  return r;
}

TextoPosicional ParametrosPosicionales(std::string_view t) {
  TextoPosicional r;
  r.texto.reserve(t.size());
  std::size_t i = 0;
  while (i < t.size()) {
    const char c = t[i];
    const char siguiente = i + 1 < t.size() ? t[i + 1] : '\0';
    std::size_t fin = i + 1;
    if (c == '\'' || c == '"') {
      fin = FinCitado(t, i, c);
    } else if (c == '[') {
      fin = FinCitado(t, i, ']');
    } else if (c == '-' && siguiente == '-') {
      fin = std::min(t.find('\n', i), t.size());
    } else if (c == '/' && siguiente == '*') {
      const std::size_t cierre = t.find("*/", i + 2);
      fin = cierre == std::string_view::npos ? t.size() : cierre + 2;
    } else if (c == ':' && siguiente == ':') {
      fin = i + 2;
    } else if (c == ':' && EsInicioNombre(siguiente)) {
      fin = i + 2;
      while (fin < t.size() && EsDeNombre(t[fin])) ++fin;
      r.nombres.emplace_back(t.substr(i + 1, fin - i - 1));
      r.texto += '?';
      i = fin;
      continue;
    }
    r.texto.append(t.substr(i, fin - i));
    i = fin;
  }
  return r;
}

}  // namespace quorvex::db
