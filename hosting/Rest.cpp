#include "hosting/Rest.h"

#include <rapidjson/document.h>

#include "core/SyncServermethods.h"
#include "hosting/ArgumentosRest.h"
#include "hosting/ErrorRest.h"
#include "hosting/Json.h"
#include "hosting/ProxyJs.h"
#include "hosting/ResultadoJson.h"
#include "hosting/RutaRest.h"

namespace quorvex {

namespace {

Respuesta SesionVencida() {
  Respuesta r = RespuestaJson(
      http::status::forbidden,
      R"({"SessionExpired":"The specified session has expired due to inactivity or was an invalid Session ID"})");
  r.http.reason("Session has expired");
  return r;
}

// POST, PUT and DELETE name the methods "update", "accept" and "cancel" +
// method; a method name in double quotes is taken as it is.
std::string NombreMetodo(const RutaRest& ruta, http::verb verbo) {
  std::string_view prefijo;
  switch (verbo) {
    case http::verb::get:
      break;
    case http::verb::post:
      prefijo = "update";
      break;
    case http::verb::put:
      prefijo = "accept";
      break;
    case http::verb::delete_:
      prefijo = "cancel";
      break;
    default:
      throw ErrorTransporte("Unsupported request method " + std::string(http::to_string(verbo)) + ".");
  }
  return ruta.entreComillas ? ruta.metodo : std::string(prefijo) + ruta.metodo;
}

bool EnBlanco(std::string_view texto) { return texto.find_first_not_of(" \t\r\n") == std::string_view::npos; }

// {"_parameters":[...]} supplies the following parameters; any other JSON
// value supplies the next one.
std::vector<const rapidjson::Value*> ValoresDelCuerpo(const rapidjson::Document& cuerpo) {
  if (cuerpo.IsObject() && cuerpo.MemberCount() == 1 && cuerpo.HasMember("_parameters") &&
      cuerpo["_parameters"].IsArray()) {
    std::vector<const rapidjson::Value*> valores;
    for (const auto& v : cuerpo["_parameters"].GetArray()) valores.push_back(&v);
    return valores;
  }
  return {&cuerpo};
}

std::vector<Argumento> Argumentos(const MetodoRemoto& metodo, const std::vector<std::string>& segmentos,
                                  std::string_view cuerpo) {
  const auto& parametros = metodo.parametros;
  rapidjson::Document documento;
  std::vector<const rapidjson::Value*> delCuerpo;
  if (segmentos.size() < parametros.size() && !EnBlanco(cuerpo)) {
    documento.Parse<rapidjson::kParseFullPrecisionFlag>(cuerpo.data(), cuerpo.size());
    if (documento.HasParseError()) throw ErrorTransporte("Message content is not a valid JSON value.");
    delCuerpo = ValoresDelCuerpo(documento);
  }
  const std::size_t recibidos = segmentos.size() + delCuerpo.size();
  if (recibidos > parametros.size())
    throw ErrorTransporte("Server method " + std::string(metodo.nombre) + " consumed only " +
                          std::to_string(parametros.size()) + " input parameters out of " + std::to_string(recibidos) +
                          ". Either call with more parameters or change method definition.");

  std::vector<Argumento> argumentos;
  argumentos.reserve(parametros.size());
  for (const auto& segmento : segmentos)
    argumentos.push_back(ConvierteSegmento(segmento, parametros[argumentos.size()].tipo));
  for (const auto* valor : delCuerpo)
    argumentos.push_back(ConvierteValorJson(*valor, parametros[argumentos.size()].tipo));
  while (argumentos.size() < parametros.size()) argumentos.push_back(ArgumentoNulo(parametros[argumentos.size()].tipo));
  return argumentos;
}

}  // namespace

TransporteRest::TransporteRest(SesionesRest& sesiones, std::size_t presupuestoTabla, Buscador busca)
    : sesiones_(sesiones), presupuesto_(presupuestoTabla), busca_(std::move(busca)) {}

Respuesta TransporteRest::Atiende(const PeticionRest& peticion) const {
  const std::string_view ruta = peticion.objetivo.substr(0, peticion.objetivo.find('?'));
  const std::string_view raiz = kPrefijoRest.substr(0, kPrefijoRest.size() - 1);
  if (ruta != raiz && !ruta.starts_with(kPrefijoRest))
    return RespuestaJson(http::status::not_found, ObjetoError("Resource not found: " + std::string(ruta)));

  std::shared_ptr<SesionRest> sesion;
  try {
    if (auto id = SesionDePragma(peticion.pragma)) {
      sesion = sesiones_.Busca(*id);
      if (!sesion) return SesionVencida();
    } else {
      sesion = sesiones_.Nueva();
    }
  } catch (const std::exception& e) {
    return RespuestaJson(http::status::internal_server_error, ObjetoError(e.what()));
  }

  Respuesta respuesta = Llama(peticion, ruta.substr(std::min(ruta.size(), kPrefijoRest.size())), *sesion);
  sesiones_.Renueva(*sesion);
  respuesta.http.set(http::field::pragma, PragmaDeSesion(sesion->Id(), sesiones_.Caducidad()));
  return respuesta;
}

Respuesta TransporteRest::Llama(const PeticionRest& peticion, std::string_view resto, SesionRest& sesion) const {
  try {
    const RutaRest ruta = LeeRutaRest(resto);
    if (ruta.clase != kClaseServidor) throw ErrorTransporte("Server class " + ruta.clase + " not found.");
    const std::string nombre = NombreMetodo(ruta, peticion.verbo);
    const MetodoRemoto* metodo = busca_(nombre);
    if (metodo == nullptr) throw ErrorTransporte("Server method " + nombre + " not found.");
    const std::vector<Argumento> argumentos = Argumentos(*metodo, ruta.argumentos, peticion.cuerpo);
    if (!metodo->invoca) throw ErrorTransporte("El método " + std::string(metodo->nombre) + " aún no está disponible");

    Respuesta respuesta;
    {
      std::lock_guard turno(sesion.Turno());
      TServerMethodsSync& instancia = sesion.Instancia();
      respuesta = RespuestaResultado(metodo->invoca(instancia, argumentos), presupuesto_);
      instancia.SueltaConexion();
    }
    if (peticion.verbo == http::verb::put) respuesta.http.result(http::status::created);
    return respuesta;
  } catch (const std::exception& e) {
    return RespuestaJson(http::status::internal_server_error, ObjetoError(e.what()));
  } catch (...) {
    return RespuestaJson(http::status::internal_server_error, ObjetoError("Excepción desconocida"));
  }
}

}  // namespace quorvex
