#include "documents/CamposTexto.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>

#include "core/Texto.h"

namespace quorvex {

namespace {

constexpr char kComillas = '"';

// The quoted field that begins at pTexto[i] (a double quote); i ends past the
// closing quote, or at the end of a text that never closes it.
std::string CampoEntreComillas(const std::string& pTexto, std::size_t& i) {
  std::string campo;
  for (++i; i < pTexto.size(); ++i) {
    if (pTexto[i] != kComillas) {
      campo += pTexto[i];
    } else if (i + 1 < pTexto.size() && pTexto[i + 1] == kComillas) {
      campo += kComillas;
      ++i;
    } else {
      ++i;
      break;
    }
  }
  return campo;
}

}  // namespace

std::vector<std::string> DivideCampos(const std::string& pTexto, char pDelimitador) {
  std::vector<std::string> campos;
  std::size_t i = 0;
  while (i < pTexto.size()) {
    if (pTexto[i] == kComillas) {
      campos.push_back(CampoEntreComillas(pTexto, i));
    } else {
      const std::size_t fin = std::min(pTexto.find(pDelimitador, i), pTexto.size());
      campos.push_back(pTexto.substr(i, fin - i));
      i = fin;
    }
    if (i < pTexto.size() && pTexto[i] == pDelimitador) {
      ++i;
      if (i == pTexto.size()) campos.emplace_back();
    }
  }
  return campos;
}

double TextoAReal(std::string_view pTexto) {
  const auto inicio = pTexto.find_first_not_of(' ');
  if (inicio == std::string_view::npos) return 0;
  pTexto = pTexto.substr(inicio, pTexto.find_last_not_of(' ') - inicio + 1);
  // from_chars reads no plus sign; a sign may not follow it either.
  if (pTexto.front() == '+') {
    pTexto.remove_prefix(1);
    if (!pTexto.empty() && pTexto.front() == '-') return 0;
  }
  double valor = 0;
  const auto [fin, error] = std::from_chars(pTexto.data(), pTexto.data() + pTexto.size(), valor);
  if (error != std::errc{} || fin != pTexto.data() + pTexto.size() || !std::isfinite(valor)) return 0;
  return valor;
}

db::FechaHora FechaDeTexto(const std::string& pTexto) {
  return std::chrono::time_point_cast<std::chrono::milliseconds>(std::chrono::sys_days(StringToFecha(pTexto)));
}

std::string PrimerosCaracteres(const std::string& pTexto, std::size_t pMaximo) {
  std::size_t caracteres = 0;
  for (std::size_t i = 0; i < pTexto.size(); ++i) {
    // A byte 10xxxxxx continues the character before it.
    if ((static_cast<unsigned char>(pTexto[i]) & 0xC0) != 0x80 && caracteres++ == pMaximo) return pTexto.substr(0, i);
  }
  return pTexto;
}

}  // namespace quorvex
