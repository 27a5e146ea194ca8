#include "hosting/ResultadoJson.h"

#include <cmath>

#include "hosting/Json.h"

namespace quorvex {

namespace {

constexpr std::string_view kAbre = "{\"result\":[";
constexpr std::string_view kCierra = "]}";

struct EscribeEscalar {
  EscritorJson& escritor;
  void operator()(const std::string& s) const { escritor.String(s.data(), static_cast<rapidjson::SizeType>(s.size())); }
  void operator()(std::int32_t n) const { escritor.Int(n); }
  void operator()(double d) const {
    if (std::isfinite(d))
      escritor.Double(d);
    else
      escritor.Null();
  }
  void operator()(bool b) const { escritor.Bool(b); }
  void operator()(const std::unique_ptr<db::ConjuntoDatos>&) const { escritor.Null(); }
};

}  // namespace

Respuesta RespuestaResultado(Resultado resultado, std::size_t presupuesto) {
  if (auto* datos = std::get_if<std::unique_ptr<db::ConjuntoDatos>>(&resultado); datos && *datos) {
    Respuesta r = RespuestaJson(http::status::ok, {});
    r.flujo = CuerpoTabla((*datos)->Filas(), std::string(kAbre), std::string(kCierra), presupuesto);
    return r;
  }
  std::string cuerpo(kAbre);
  SalidaTexto salida(cuerpo);
  EscritorJson escritor(salida);
  std::visit(EscribeEscalar{escritor}, resultado);
  cuerpo += kCierra;
  return RespuestaJson(http::status::ok, std::move(cuerpo));
}

}  // namespace quorvex
