#pragma once
// The REST transport: every request whose path begins with "/datasnap".
// /datasnap/rest/TServerMethodsSync/<method>/<arg>/... calls a method of the
// catalogue on the caller's session and answers {"result":[value]}, or status
// 500 {"error":...} when the call is refused or the method raises.
#include <cstddef>
#include <functional>
#include <string_view>

#include "hosting/Catalogo.h"
#include "hosting/Respuesta.h"
#include "hosting/SesionesRest.h"
#include "hosting/TablaJson.h"

namespace quorvex {

struct PeticionRest {
  http::verb verbo;
  std::string_view objetivo;  // the request target: path and optional query
  std::string_view cuerpo;
  std::string_view pragma;  // every "Pragma" header of the request, joined by ","
};

class TransporteRest {
 public:
  using Buscador = std::function<const MetodoRemoto*(std::string_view nombre)>;

  explicit TransporteRest(SesionesRest& sesiones, std::size_t presupuestoTabla = kPresupuestoTabla,
                          Buscador busca = &BuscaMetodo);

  // Never throws: every failure is an answer. Runs the method on the calling
  // thread.
  Respuesta Atiende(const PeticionRest& peticion) const;

 private:
  Respuesta Llama(const PeticionRest& peticion, std::string_view resto, SesionRest& sesion) const;

  SesionesRest& sesiones_;
  std::size_t presupuesto_;
  Buscador busca_;
};

}  // namespace quorvex
