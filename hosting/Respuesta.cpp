#include "hosting/Respuesta.h"

namespace quorvex {

Respuesta RespuestaJson(http::status estado, std::string cuerpo) {
  Respuesta r;
  r.http.result(estado);
  r.http.set(http::field::content_type, kTipoJson);
  r.http.body() = std::move(cuerpo);
  return r;
}

}  // namespace quorvex
