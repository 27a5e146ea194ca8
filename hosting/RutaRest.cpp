#include "hosting/RutaRest.h"

#include "hosting/ErrorRest.h"

namespace quorvex {

namespace {

int ValorHex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::vector<std::string_view> Divide(std::string_view texto) {
  std::vector<std::string_view> partes;
  for (;;) {
    const auto barra = texto.find('/');
    partes.push_back(texto.substr(0, barra));
    if (barra == std::string_view::npos) return partes;
    texto.remove_prefix(barra + 1);
  }
}

}  // namespace

std::string DecodificaSegmento(std::string_view segmento) {
  std::string texto;
  texto.reserve(segmento.size());
  for (std::size_t i = 0; i < segmento.size(); ++i) {
    if (segmento[i] != '%') {
      texto += segmento[i];
      continue;
    }
    const int alto = i + 2 < segmento.size() ? ValorHex(segmento[i + 1]) : -1;
    const int bajo = alto >= 0 ? ValorHex(segmento[i + 2]) : -1;
    if (bajo < 0) throw ErrorTransporte("Invalid URL encoding in path segment \"" + std::string(segmento) + "\".");
    texto += static_cast<char>(alto * 16 + bajo);
    i += 2;
  }
  return texto;
}

RutaRest LeeRutaRest(std::string_view resto) {
  std::vector<std::string_view> partes = Divide(resto);
  if (partes.back().empty()) partes.pop_back();
  if (partes.size() < 2)
    throw ErrorTransporte("Invalid request format. /className/methodName and eventual parameters expected.");

  std::vector<std::string> segmentos;
  segmentos.reserve(partes.size());
  for (auto parte : partes)
    segmentos.push_back(parte.find('%') == std::string_view::npos ? std::string(parte) : DecodificaSegmento(parte));

  RutaRest ruta;
  ruta.clase = std::move(segmentos[0]);
  ruta.metodo = std::move(segmentos[1]);
  if (ruta.metodo.size() >= 2 && ruta.metodo.front() == '"' && ruta.metodo.back() == '"') {
    ruta.metodo = ruta.metodo.substr(1, ruta.metodo.size() - 2);
    ruta.entreComillas = true;
  }
  ruta.argumentos.assign(std::make_move_iterator(segmentos.begin() + 2), std::make_move_iterator(segmentos.end()));
  return ruta;
}

}  // namespace quorvex
