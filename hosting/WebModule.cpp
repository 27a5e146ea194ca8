#include "hosting/WebModule.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>

#include "core/Bitacora.h"
#include "core/Programa.h"
#include "hosting/Plantillas.h"
#include "hosting/ProxyJs.h"

namespace quorvex {

namespace {

namespace fs = std::filesystem;
using RespuestaWeb = http::response<http::string_body>;

// The web module answers at the root of the server: its script name is empty.
constexpr std::string_view kNombreScript = "";
constexpr std::string_view kTipoPagina = "text/html; charset=utf-8";

// Beast of this Boost speaks boost::string_view.
std::string_view Vista(boost::beast::string_view texto) { return {texto.data(), texto.size()}; }

bool IgualesSinMayusculas(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

std::string Minusculas(std::string_view texto) {
  std::string salida(texto);
  std::ranges::transform(salida, salida.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return salida;
}

// A dual-stack listener reports IPv4 callers in the IPv4-mapped form.
bool EsLlamadorLocal(const std::string& ip) {
  return ip == "127.0.0.1" || ip == "0:0:0:0:0:0:0:1" || ip == "::1" || ip == "::ffff:127.0.0.1";
}

std::string HostSinPuerto(std::string_view host) {
  if (host.starts_with('[')) return std::string(host.substr(0, host.find(']') + 1));  // [::1]:8081
  return std::string(host.substr(0, host.find(':')));
}

// The Host header comes from the caller and ends up inside the page.
std::string EscapaHtml(std::string_view texto) {
  std::string salida;
  for (char c : texto) {
    switch (c) {
      case '&': salida += "&amp;"; break;
      case '<': salida += "&lt;"; break;
      case '>': salida += "&gt;"; break;
      case '"': salida += "&quot;"; break;
      case '\'': salida += "&#39;"; break;
      default: salida += c;
    }
  }
  return salida;
}

std::string FechaHoraLocal() {
  const std::time_t ahora = std::time(nullptr);
  std::tm local{};
  localtime_r(&ahora, &local);
  char texto[32];
  std::strftime(texto, sizeof texto, "%Y-%m-%d %H:%M:%S", &local);
  return texto;
}

std::string ValorEtiqueta(std::string_view etiqueta, const PeticionWeb& peticion) {
  const std::string nombre = Minusculas(etiqueta);
  const std::string script(kNombreScript);
  if (nombre == "urlpath") return script;
  if (nombre == "port") return std::to_string(peticion.puertoServidor);
  if (nombre == "host") return EscapaHtml(HostSinPuerto(Vista(peticion.http[http::field::host])));
  if (nombre == "classname") return std::string(kClaseServidor);
  if (nombre == "loginrequired") return "false";  // the REST front has no authentication manager
  if (nombre == "serverfunctionsjs") return script + "/js/" + std::string(kNombreProxyJs);
  if (nombre == "servertime") return FechaHoraLocal();
  if (nombre == "serverfunctioninvoker" && EsLlamadorLocal(peticion.direccionRemota)) {
    return "<div><a href=\"" + script + "/ServerFunctionInvoker\" target=\"_blank\">Server Functions</a></div>";
  }
  return "";  // an unknown tag leaves nothing behind
}

bool EsCaracterEtiqueta(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Replaces each tag <#name> or <#name attributes...> by its value; a "<#" not
// followed by a name is left as it is.
std::string ReemplazaEtiquetas(std::string_view plantilla, const PeticionWeb& peticion) {
  std::string salida;
  std::size_t hecho = 0;
  for (std::size_t inicio = plantilla.find("<#"); inicio != std::string_view::npos;
       inicio = plantilla.find("<#", inicio + 2)) {
    std::size_t finNombre = inicio + 2;
    while (finNombre < plantilla.size() && EsCaracterEtiqueta(plantilla[finNombre])) ++finNombre;
    if (finNombre == inicio + 2 || finNombre == plantilla.size()) continue;
    const char siguiente = plantilla[finNombre];
    if (siguiente != '>' && !std::isspace(static_cast<unsigned char>(siguiente))) continue;
    const std::size_t cierre = plantilla.find('>', finNombre);
    if (cierre == std::string_view::npos) break;
    salida.append(plantilla.substr(hecho, inicio - hecho));
    salida += ValorEtiqueta(plantilla.substr(inicio + 2, finNombre - inicio - 2), peticion);
    hecho = cierre + 1;
    inicio = cierre - 1;
  }
  salida.append(plantilla.substr(hecho));
  return salida;
}

std::optional<std::string> DecodificaPorciento(std::string_view texto) {
  std::string salida;
  for (std::size_t i = 0; i < texto.size(); ++i) {
    if (texto[i] != '%') {
      salida += texto[i];
      continue;
    }
    if (i + 2 >= texto.size() || !std::isxdigit(static_cast<unsigned char>(texto[i + 1])) ||
        !std::isxdigit(static_cast<unsigned char>(texto[i + 2]))) {
      return std::nullopt;
    }
    const char c = static_cast<char>(std::stoi(std::string(texto.substr(i + 1, 2)), nullptr, 16));
    if (c == '\0') return std::nullopt;
    salida += c;
    i += 2;
  }
  return salida;
}

std::string_view TipoMime(const fs::path& archivo) {
  const std::string extension = Minusculas(archivo.extension().string());
  if (extension == ".css") return "text/css";
  if (extension == ".js") return "text/javascript";
  if (extension == ".png") return "image/x-png";
  if (extension == ".htm" || extension == ".html") return "text/html";
  if (extension == ".jpg" || extension == ".jpeg" || extension == ".jpe") return "image/jpeg";
  if (extension == ".gif") return "image/gif";
  return {};
}

// Both paths canonical: compared component by component, so "/a/bc" is not below "/a/b".
bool EstaDebajo(const fs::path& directorio, const fs::path& ruta) {
  return std::mismatch(directorio.begin(), directorio.end(), ruta.begin(), ruta.end()).first == directorio.end();
}

struct ArchivoEstatico {
  fs::path ruta;
  std::string_view tipo;
};

// The file of the installation directory that a decoded path names, when it is
// one that may be served: a known extension, below the directory once links
// are resolved, and not in the templates folder.
std::optional<ArchivoEstatico> BuscaArchivoEstatico(const std::string& ruta) {
  fs::path relativa;
  for (std::size_t inicio = 0; inicio <= ruta.size();) {
    const std::size_t fin = std::min(ruta.find('/', inicio), ruta.size());
    const std::string_view parte = std::string_view(ruta).substr(inicio, fin - inicio);
    if (parte == "..") return std::nullopt;
    if (!parte.empty() && parte != ".") relativa /= parte;
    inicio = fin + 1;
  }
  const std::string_view tipo = TipoMime(relativa);
  if (relativa.empty() || tipo.empty()) return std::nullopt;

  std::error_code error;
  const fs::path raiz = fs::canonical(DirectorioPrograma(), error);
  if (error) return std::nullopt;
  const fs::path plantillas = raiz / kCarpetaPlantillas;
  const auto permitido = [&](const fs::path& p) { return EstaDebajo(raiz, p) && !EstaDebajo(plantillas, p); };
  const fs::path pedida = raiz / relativa;

  if (relativa.filename() == kNombreProxyJs) {
    const fs::path carpeta = fs::weakly_canonical(pedida.parent_path(), error);
    if (error || !permitido(carpeta)) return std::nullopt;
    try {
      ActualizaProxyJs(carpeta / kNombreProxyJs);
    } catch (const fs::filesystem_error& e) {
      // Whatever copy is there is still served; without one the path falls to the redirect.
      Bitacora("No se pudo generar " + std::string(kNombreProxyJs) + ": " + e.what());
    }
  }
  const fs::path real = fs::canonical(pedida, error);
  if (error || !permitido(real) || !fs::is_regular_file(real, error)) return std::nullopt;
  return ArchivoEstatico{real, tipo};
}

std::optional<std::string> LeeArchivo(const fs::path& ruta) {
  std::ifstream entrada(ruta, std::ios::binary);
  if (!entrada) return std::nullopt;
  std::ostringstream contenido;
  contenido << entrada.rdbuf();
  return contenido.str();
}

// Version, connection and payload headers (and the body of a HEAD answer) are
// the connection's business, as for every dispatcher.
RespuestaWeb Responde(http::status estado, std::string_view tipo, std::string cuerpo) {
  RespuestaWeb respuesta;
  respuesta.result(estado);
  if (!tipo.empty()) respuesta.set(http::field::content_type, std::string(tipo));
  respuesta.body() = std::move(cuerpo);
  return respuesta;
}

RespuestaWeb Pagina(const PeticionWeb& peticion, std::string_view plantilla) {
  return Responde(http::status::ok, kTipoPagina,
                  ReemplazaEtiquetas(LeePlantilla(DirectorioPrograma(), plantilla), peticion));
}

// WebModuleDefaultAction: the invoker page for the root, a redirect to the
// root for anything else; either way the caller's address goes into the log lines.
RespuestaWeb AccionPredeterminada(const PeticionWeb& peticion, bool esRaiz) {
  RespuestaWeb respuesta = esRaiz ? Pagina(peticion, kPlantillaInvocador) : Responde(http::status::found, {}, {});
  if (!esRaiz) respuesta.set(http::field::location, std::string(kNombreScript) + "/");
  ActualziaRemoteIP(peticion.direccionRemota);
  return respuesta;
}

}  // namespace

http::response<http::string_body> TWebModuleCorvane::Atiende(const PeticionWeb& peticion) {
  const auto verbo = peticion.http.method();
  if (verbo != http::verb::get && verbo != http::verb::head) {
    RespuestaWeb respuesta =
        Responde(http::status::method_not_allowed, "text/plain; charset=utf-8",
                 "Método no permitido: fuera de /datasnap el servidor solo atiende GET y HEAD.\n");
    respuesta.set(http::field::allow, "GET, HEAD");
    return respuesta;
  }

  const std::string_view destino = Vista(peticion.http.target());
  const auto ruta = DecodificaPorciento(destino.substr(0, destino.find_first_of("?#")));
  if (!ruta) return AccionPredeterminada(peticion, false);
  if (ruta->empty() || *ruta == "/") return AccionPredeterminada(peticion, true);
  if (IgualesSinMayusculas(*ruta, "/ReverseString")) return Pagina(peticion, kPlantillaReverseString);
  if (IgualesSinMayusculas(*ruta, "/ServerFunctionInvoker") && EsLlamadorLocal(peticion.direccionRemota)) {
    return Pagina(peticion, kPlantillaInvocador);
  }
  if (const auto archivo = BuscaArchivoEstatico(*ruta)) {
    if (auto contenido = LeeArchivo(archivo->ruta)) {
      return Responde(http::status::ok, archivo->tipo, std::move(*contenido));
    }
  }
  return AccionPredeterminada(peticion, false);
}

}  // namespace quorvex
