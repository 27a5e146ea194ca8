#include "hosting/Json.h"

namespace quorvex {

void AgregaTextoJson(std::string& destino, std::string_view texto) {
  SalidaTexto salida(destino);
  EscritorJson escritor(salida);
  escritor.String(texto.data(), static_cast<rapidjson::SizeType>(texto.size()));
}

std::string ObjetoError(std::string_view mensaje) {
  std::string cuerpo = "{\"error\":";
  AgregaTextoJson(cuerpo, mensaje);
  cuerpo += '}';
  return cuerpo;
}

}  // namespace quorvex
