#include "hosting/ProxyJs.h"

#include <unistd.h>

#include <atomic>
#include <fstream>

#include "hosting/Catalogo.h"

namespace quorvex {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCabecera = R"JS(// serverfunctions.js: JavaScript client of this server's remote methods,
// written by the server from its method catalogue. It is written again
// whenever the server program is newer than this file, so edits do not last.
//
//   const servidor = new TServerMethodsSync();   // same origin as the page
//   servidor.DameToken().then((token) => ...);
//
// connectionInfo (optional): servidor, puerto, protocolo ("https"), rutaUrl
// (what precedes /datasnap), sesion (a session id to go on with) and
// alCambiarSesion(id), called whenever the session changes (null: none).
(function (global) {
  "use strict";

  // The methods of each server class in declaration order. Parameter types:
  // Texto, Entero, Doble, Booleano, FechaHora; results also ConjuntoDatos (a
  // table object).
  const metadatos = {
)JS";

constexpr std::string_view kFunciones = R"JS(  };

  function conCeros(numero, ancho) {
    return String(numero).padStart(ancho, "0");
  }

  // A Date as "YYYY-MM-DD HH:MM:SS.mmm" in local time, the form the server reads.
  function textoFechaHora(fecha) {
    return conCeros(fecha.getFullYear(), 4) + "-" + conCeros(fecha.getMonth() + 1, 2) + "-" +
      conCeros(fecha.getDate(), 2) + " " + conCeros(fecha.getHours(), 2) + ":" +
      conCeros(fecha.getMinutes(), 2) + ":" + conCeros(fecha.getSeconds(), 2) + "." +
      conCeros(fecha.getMilliseconds(), 3);
  }

  // One argument as a path segment; null, undefined and "" all travel as null.
  function segmento(valor) {
    if (valor === null || valor === undefined || valor === "") return "null";
    if (valor instanceof Date) valor = textoFechaHora(valor);
    return encodeURIComponent(String(valor));
  }

  function esTabla(valor) {
    return valor !== null && typeof valor === "object" && Array.isArray(valor.table);
  }

  // A table object as {columnas: [names], filas: [[values, ...], ...]}.
  function filasDeTabla(tabla) {
    const columnas = tabla.table.map((descripcion) => descripcion[0]);
    const cuenta = columnas.length ? (tabla[columnas[0]] || []).length : 0;
    const filas = [];
    for (let f = 0; f < cuenta; f++) filas.push(columnas.map((c) => (tabla[c] || [])[f]));
    return {columnas, filas};
  }

  // What the server refused: its "error" message, or what came instead of JSON.
  class ErrorRemoto extends Error {
    constructor(mensaje, estado) {
      super(mensaje);
      this.name = "ErrorRemoto";
      this.estado = estado;
    }
  }

  class Conexion {
    constructor(info = {}) {
      const origen = info.servidor
        ? (info.protocolo || "https") + "://" + info.servidor + (info.puerto ? ":" + info.puerto : "")
        : "";
      this.base = origen + (info.rutaUrl || "");
      this.sesion = info.sesion || null;
      this.alCambiarSesion = info.alCambiarSesion || null;
    }

    cambiaSesion(sesion) {
      if (sesion === this.sesion) return;
      this.sesion = sesion;
      if (this.alCambiarSesion) this.alCambiarSesion(sesion);
    }

    // The server names the session as "Pragma: dssession=<id>,dssessionexpires=<ms>".
    recuerdaSesion(respuesta) {
      const hallado = /dssession=([^,;\s]+)/.exec(respuesta.headers.get("Pragma") || "");
      if (hallado) this.cambiaSesion(hallado[1]);
    }

    pide(ruta) {
      const encabezados = {Accept: "application/json"};
      if (this.sesion !== null) encabezados.Pragma = "dssession=" + this.sesion;
      // Not "no-store": with it the browser adds a Pragma header of its own.
      return fetch(ruta, {method: "GET", headers: encabezados, cache: "no-cache"});
    }

    async llama(clase, metodo, argumentos) {
      let ruta = this.base + "/datasnap/rest/" + clase + "/" + metodo.nombre;
      for (let i = 0; i < metodo.parametros.length; i++) ruta += "/" + segmento(argumentos[i]);
      let respuesta = await this.pide(ruta);
      // An expired session is refused before the method runs: go on with a new one.
      if (respuesta.status === 403 && this.sesion !== null) {
        this.cambiaSesion(null);
        respuesta = await this.pide(ruta);
      }
      this.recuerdaSesion(respuesta);
      const texto = await respuesta.text();
      let cuerpo;
      try {
        cuerpo = JSON.parse(texto);
      } catch (e) {
        throw new ErrorRemoto("HTTP " + respuesta.status + ", respuesta que no es JSON: " + texto.slice(0, 200),
          respuesta.status);
      }
      if (respuesta.ok && cuerpo && Array.isArray(cuerpo.result)) return cuerpo.result[0];
      const mensaje = cuerpo && (cuerpo.error || cuerpo.SessionExpired);
      throw new ErrorRemoto(mensaje || "HTTP " + respuesta.status, respuesta.status);
    }
  }

)JS";

constexpr std::string_view kPie = R"JS(
  const proxy = {metadatos, textoFechaHora, esTabla, filasDeTabla, ErrorRemoto, TServerMethodsSync};
  global.TServerMethodsSync = TServerMethodsSync;
  global.QuorvexProxy = proxy;
  if (typeof module === "object" && module.exports) module.exports = proxy;
})(globalThis);
)JS";

std::string_view NombreTipo(TipoParametro tipo) {
  switch (tipo) {
    case TipoParametro::Texto: return "Texto";
    case TipoParametro::Entero: return "Entero";
    case TipoParametro::Doble: return "Doble";
    case TipoParametro::Booleano: return "Booleano";
    case TipoParametro::FechaHora: return "FechaHora";
  }
  return "Texto";
}

std::string_view NombreTipo(TipoResultado tipo) {
  switch (tipo) {
    case TipoResultado::Texto: return "Texto";
    case TipoResultado::Entero: return "Entero";
    case TipoResultado::Doble: return "Doble";
    case TipoResultado::Booleano: return "Booleano";
    case TipoResultado::ConjuntoDatos: return "ConjuntoDatos";
  }
  return "Texto";
}

std::string Entrecomillado(std::string_view texto) { return "\"" + std::string(texto) + "\""; }

// The catalogue's names are identifiers, so they need no escaping in JSON or JS.
std::string Metadatos(const std::vector<MetodoRemoto>& metodos) {
  std::string js = "    " + Entrecomillado(kClaseServidor) + ": [\n";
  for (std::size_t i = 0; i < metodos.size(); ++i) {
    const auto& m = metodos[i];
    js += "      {\"nombre\": " + Entrecomillado(m.nombre) + ", \"parametros\": [";
    for (std::size_t p = 0; p < m.parametros.size(); ++p) {
      if (p) js += ", ";
      js += "{\"nombre\": " + Entrecomillado(m.parametros[p].nombre) +
            ", \"tipo\": " + Entrecomillado(NombreTipo(m.parametros[p].tipo)) + "}";
    }
    js += "], \"resultado\": " + Entrecomillado(NombreTipo(m.resultado)) + "}";
    js += i + 1 < metodos.size() ? ",\n" : "\n";
  }
  return js + "    ]\n";
}

std::string Clase(const std::vector<MetodoRemoto>& metodos) {
  const std::string clase(kClaseServidor);
  std::string js = "  const metodos = metadatos." + clase + ";\n\n";
  js += "  class " + clase + " {\n";
  js += "    constructor(connectionInfo) {\n      this.conexion = new Conexion(connectionInfo);\n    }\n";
  for (std::size_t i = 0; i < metodos.size(); ++i) {
    std::string lista;
    for (const auto& p : metodos[i].parametros) lista += (lista.empty() ? "" : ", ") + std::string(p.nombre);
    js += "\n    " + std::string(metodos[i].nombre) + "(" + lista + ") {\n";
    js += "      return this.conexion.llama(" + Entrecomillado(clase) + ", metodos[" + std::to_string(i) + "], [" +
          lista + "]);\n    }\n";
  }
  return js + "  }\n";
}

fs::file_time_type FechaPrograma() { return fs::last_write_time("/proc/self/exe"); }

// Written beside the target and renamed over it, so that a concurrent request
// never serves half a file.
void EscribeAtomico(const fs::path& archivo, const std::string& contenido) {
  static std::atomic<unsigned> contador{0};
  const fs::path temporal = archivo.parent_path() / ("." + archivo.filename().string() + "." +
                                                    std::to_string(::getpid()) + "." + std::to_string(++contador));
  {
    std::ofstream salida(temporal, std::ios::binary | std::ios::trunc);
    salida << contenido;
    salida.close();
    if (!salida) {
      std::error_code ignorado;
      fs::remove(temporal, ignorado);
      throw fs::filesystem_error("no se pudo escribir", temporal, std::make_error_code(std::errc::io_error));
    }
  }
  fs::rename(temporal, archivo);
}

}  // namespace

std::string GeneraProxyJs() {
  const auto& metodos = Catalogo();
  std::string js(kCabecera);
  js += Metadatos(metodos);
  js += kFunciones;
  js += Clase(metodos);
  js += kPie;
  return js;
}

void ActualizaProxyJs(const fs::path& archivo) {
  std::error_code error;
  const auto fecha = fs::last_write_time(archivo, error);
  if (!error && fecha >= FechaPrograma()) return;
  fs::create_directories(archivo.parent_path());
  EscribeAtomico(archivo, GeneraProxyJs());
}

}  // namespace quorvex
