#include "hosting/Plantillas.h"

#include <array>
#include <fstream>
#include <sstream>

#include "core/Bitacora.h"

namespace quorvex {

namespace {

namespace fs = std::filesystem;

// The remote-method test page. It builds its method list from the proxy's
// metadata, so it follows the catalogue without being edited. "?run=A,B" runs
// those methods on load, in order; "?run=M&param=value" fills M's arguments.
constexpr std::string_view kInvocador = R"HTML(<!DOCTYPE html>
<html lang="es">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Quorvex - Funciones del servidor</title>
<style>
  :root { --borde: #c9d1d9; --fondo: #f6f8fa; --acento: #0b5cad; --error: #b42318; --ok: #1a7f37; }
  * { box-sizing: border-box; }
  body { margin: 0; font: 14px/1.45 system-ui, sans-serif; color: #1f2328; }
  header { padding: 12px 20px; background: #17324d; color: #fff; }
  header h1 { margin: 0 0 4px; font-size: 20px; }
  header a { color: #9fd1ff; }
  main { padding: 12px 20px; max-width: 1200px; }
  fieldset { border: 1px solid var(--borde); border-radius: 6px; margin: 0 0 12px; }
  label { display: inline-flex; flex-direction: column; margin: 4px 12px 4px 0; font-size: 12px; color: #57606a; }
  input, select { font: 13px ui-monospace, monospace; padding: 4px 6px; border: 1px solid var(--borde);
                  border-radius: 4px; min-width: 16em; }
  button { font: inherit; padding: 4px 12px; border: 1px solid var(--acento); border-radius: 4px;
           background: var(--acento); color: #fff; cursor: pointer; }
  button.secundario { background: #fff; color: var(--acento); }
  code, pre { font: 12px ui-monospace, monospace; }
  #metodos { list-style: none; padding: 0; }
  .metodo { border: 1px solid var(--borde); border-radius: 6px; margin: 6px 0; }
  .metodo summary { padding: 6px 10px; cursor: pointer; background: var(--fondo); }
  .metodo .firma { color: #57606a; margin-left: 6px; }
  .metodo form { padding: 8px 10px; }
  .resultado pre { background: var(--fondo); padding: 8px; overflow: auto; max-height: 320px; }
  .estado.ok { color: var(--ok); }
  .estado.error { color: var(--error); }
  table { border-collapse: collapse; margin: 6px 0; }
  th, td { border: 1px solid var(--borde); padding: 2px 6px; text-align: left; font: 12px ui-monospace, monospace; }
  th { background: var(--fondo); }
  td.nulo { color: #8c959f; font-style: italic; }
</style>
<script src="<#serverfunctionsjs>"></script>
</head>
<body>
<header>
  <h1>Funciones del servidor <code><#classname></code></h1>
  <div>Servidor <b><#host></b>, puerto <b><#port></b>; hora del servidor al abrir la página: <b><#servertime></b></div>
  <#serverfunctioninvoker>
</header>
<main>
  <fieldset id="panel-token">
    <legend>Texto de token</legend>
    <label>Token de acceso (9 dígitos)<input id="token-acceso" maxlength="9" autocomplete="off"></label>
    <label>Tipo de sistema<select id="tipo-sistema">
      <option value="2">2 - CONTPAQi Comercial Premium</option>
      <option value="1">1 - AdminPAQ</option>
      <option value="3">3 - SAP Business One</option>
      <option value="5">5 - CONTPAQi Comercial Pro</option>
    </select></label>
    <label>Base de datos de la empresa<input id="empresa" autocomplete="off"></label>
    <button type="button" id="boton-dametoken">DameToken</button>
    <div>Texto de token: <code id="texto-token"></code>
      <small>(va en todo argumento Token que se deje vacío)</small></div>
  </fieldset>
  <fieldset id="panel-sesion">
    <legend>Sesión REST</legend>
    Sesión actual: <code id="sesion">(ninguna)</code>
    <button type="button" class="secundario" id="boton-nueva-sesion">Nueva sesión</button>
  </fieldset>
  <div id="aviso" class="estado error"></div>
  <label>Filtrar métodos<input id="filtro" type="search" autocomplete="off"></label>
  <span id="cuenta-metodos"></span>
  <ol id="metodos"></ol>
</main>
<script>
"use strict";
(function () {
  const clase = "<#classname>";
  const $ = (id) => document.getElementById(id);

  if (typeof QuorvexProxy === "undefined") {
    $("aviso").textContent = "No se pudo cargar el proxy <#serverfunctionsjs>.";
    return;
  }

  function el(etiqueta, atributos = {}, ...hijos) {
    const nodo = document.createElement(etiqueta);
    for (const [nombre, valor] of Object.entries(atributos)) nodo.setAttribute(nombre, valor);
    nodo.append(...hijos);
    return nodo;
  }

  // The session survives a reload of the page (not the closing of the tab).
  const llaveSesion = "quorvex.sesion." + clase;
  function sesionGuardada() {
    try { return sessionStorage.getItem(llaveSesion); } catch (e) { return null; }
  }
  function muestraSesion(sesion) {
    $("sesion").textContent = sesion || "(ninguna)";
    try {
      if (sesion) sessionStorage.setItem(llaveSesion, sesion); else sessionStorage.removeItem(llaveSesion);
    } catch (e) { /* storage off: the session lives as long as the page */ }
  }

  const servidor = new QuorvexProxy[clase]({
    rutaUrl: "<#urlpath>",
    sesion: sesionGuardada(),
    alCambiarSesion: muestraSesion
  });
  muestraSesion(servidor.conexion.sesion);

  function textoToken() {
    return $("token-acceso").value.trim() + $("tipo-sistema").value + $("empresa").value.trim();
  }
  function muestraTextoToken() { $("texto-token").textContent = textoToken(); }
  for (const id of ["token-acceso", "tipo-sistema", "empresa"]) $(id).addEventListener("input", muestraTextoToken);
  muestraTextoToken();

  const consulta = new URLSearchParams(location.search);
  const aEjecutar = (consulta.get("run") || "").split(",").filter((nombre) => nombre);

  function idEntrada(metodo, parametro) { return "arg-" + metodo.nombre + "-" + parametro.nombre; }

  function creaEntrada(metodo, parametro) {
    const id = idEntrada(metodo, parametro);
    let entrada;
    if (parametro.tipo === "Booleano") {
      entrada = el("select", {id}, el("option", {value: ""}, "(null)"), el("option", {value: "true"}, "true"),
                   el("option", {value: "false"}, "false"));
    } else {
      entrada = el("input", {id, autocomplete: "off"});
      if (parametro.tipo === "Entero") entrada.inputMode = "numeric";
      if (parametro.tipo === "Doble") entrada.inputMode = "decimal";
      if (parametro.tipo === "FechaHora") entrada.placeholder = "AAAA-MM-DD HH:MM:SS.mmm";
      if (parametro.nombre === "Token") entrada.placeholder = "(el texto de token de arriba)";
    }
    if (aEjecutar.includes(metodo.nombre) && consulta.has(parametro.nombre)) {
      entrada.value = consulta.get(parametro.nombre);
    }
    const etiqueta = el("label", {}, parametro.nombre + " (" + parametro.tipo + ")", entrada);
    if (parametro.tipo === "FechaHora") {
      const ahora = el("button", {type: "button", class: "secundario"}, "ahora");
      ahora.addEventListener("click", () => { entrada.value = QuorvexProxy.textoFechaHora(new Date()); });
      etiqueta.append(ahora);
    }
    return etiqueta;
  }

  // An empty input is a null argument, except Token, which takes the token text.
  function argumento(metodo, parametro) {
    const valor = $(idEntrada(metodo, parametro)).value;
    if (valor === "" && parametro.nombre === "Token") return textoToken();
    return valor === "" ? null : valor;
  }

  function tablaHtml(valor) {
    const {columnas, filas} = QuorvexProxy.filasDeTabla(valor);
    const encabezado = el("tr", {}, ...columnas.map((c) => el("th", {}, c)));
    const cuerpo = el("tbody");
    for (const fila of filas) {
      cuerpo.append(el("tr", {}, ...fila.map((celda) => celda === null || celda === undefined
        ? el("td", {class: "nulo"}, "null")
        : el("td", {}, typeof celda === "object" ? JSON.stringify(celda) : String(celda)))));
    }
    const tabla = el("table", {class: "conjunto"}, el("thead", {}, encabezado), cuerpo);
    return [el("div", {}, filas.length + " filas"), tabla];
  }

  function muestraResultado(caja, metodo, valor, milisegundos) {
    const json = el("pre", {class: "json", id: "json-" + metodo.nombre}, JSON.stringify(valor, null, 2));
    const estado = el("div", {class: "estado ok"}, "Correcto, " + Math.round(milisegundos) + " ms");
    if (QuorvexProxy.esTabla(valor)) {
      caja.replaceChildren(estado, ...tablaHtml(valor), el("details", {}, el("summary", {}, "JSON"), json));
    } else {
      caja.replaceChildren(estado, json);
    }
  }

  async function ejecuta(metodo) {
    const caja = $("resultado-" + metodo.nombre);
    const argumentos = metodo.parametros.map((parametro) => argumento(metodo, parametro));
    caja.replaceChildren(el("div", {class: "estado"}, "Llamando…"));
    const inicio = performance.now();
    try {
      const valor = await servidor[metodo.nombre](...argumentos);
      muestraResultado(caja, metodo, valor, performance.now() - inicio);
      if (metodo.nombre === "DameToken" && typeof valor === "string") {
        $("token-acceso").value = valor;
        muestraTextoToken();
      }
    } catch (error) {
      caja.replaceChildren(el("div", {class: "estado error", id: "error-" + metodo.nombre}, "Error: " + error.message));
    }
  }

  function creaMetodo(metodo) {
    const firma = "(" + metodo.parametros.map((p) => p.nombre + ": " + p.tipo).join(", ") + "): " + metodo.resultado;
    const formulario = el("form", {}, ...metodo.parametros.map((parametro) => creaEntrada(metodo, parametro)),
                          el("div", {}, el("button", {type: "submit"}, "Ejecutar")),
                          el("div", {class: "resultado", id: "resultado-" + metodo.nombre}));
    formulario.addEventListener("submit", (evento) => { evento.preventDefault(); ejecuta(metodo); });
    const resumen = el("summary", {}, el("b", {}, metodo.nombre), el("span", {class: "firma"}, firma));
    const detalles = el("details", {}, resumen, formulario);
    return el("li", {class: "metodo", id: "metodo-" + metodo.nombre}, detalles);
  }

  const metodos = QuorvexProxy.metadatos[clase];
  $("metodos").append(...metodos.map(creaMetodo));
  $("cuenta-metodos").textContent = metodos.length + " métodos";

  $("filtro").addEventListener("input", () => {
    const filtro = $("filtro").value.trim().toLowerCase();
    for (const metodo of metodos) {
      $("metodo-" + metodo.nombre).hidden = filtro !== "" && !metodo.nombre.toLowerCase().includes(filtro);
    }
  });

  const dameToken = metodos.find((metodo) => metodo.nombre === "DameToken");
  $("boton-dametoken").addEventListener("click", () => {
    $("metodo-DameToken").querySelector("details").open = true;
    ejecuta(dameToken);
  });
  $("boton-nueva-sesion").addEventListener("click", () => servidor.conexion.cambiaSesion(null));

  (async () => {
    for (const nombre of aEjecutar) {
      const metodo = metodos.find((m) => m.nombre === nombre);
      if (!metodo) {
        $("aviso").textContent = "Método desconocido: " + nombre;
        return;
      }
      const elemento = $("metodo-" + nombre);
      elemento.querySelector("details").open = true;
      elemento.scrollIntoView();
      await ejecuta(metodo);
    }
  })();
})();
</script>
</body>
</html>
)HTML";

// A small page that needs no remote method: it turns a text around in the
// browser. "?text=..." fills it in and turns it at once.
constexpr std::string_view kReverseString = R"HTML(<!DOCTYPE html>
<html lang="es">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Quorvex - Invertir texto</title>
<style>
  body { margin: 0; font: 14px/1.45 system-ui, sans-serif; color: #1f2328; }
  header { padding: 12px 20px; background: #17324d; color: #fff; }
  header h1 { margin: 0 0 4px; font-size: 20px; }
  header a { color: #9fd1ff; }
  main { padding: 12px 20px; }
  input { font: 14px ui-monospace, monospace; padding: 4px 6px; min-width: 24em; }
  button { font: inherit; padding: 4px 12px; }
  output { font: 14px ui-monospace, monospace; }
</style>
</head>
<body>
<header>
  <h1>Invertir texto</h1>
  <div>Servidor <b><#host></b>, puerto <b><#port></b>, clase <b><#classname></b>;
    hora del servidor: <b><#servertime></b></div>
  <#serverfunctioninvoker>
</header>
<main>
  <form id="formulario">
    <input id="texto" autocomplete="off" placeholder="Texto a invertir">
    <button type="submit">Invertir</button>
  </form>
  <p>Resultado: <output id="resultado"></output></p>
  <p><a href="<#urlpath>/">Página principal</a></p>
</main>
<script>
"use strict";
(function () {
  const texto = document.getElementById("texto");
  const resultado = document.getElementById("resultado");
  // By code points, so that a character outside the BMP stays whole.
  const invierte = () => { resultado.textContent = Array.from(texto.value).reverse().join(""); };
  document.getElementById("formulario").addEventListener("submit", (evento) => {
    evento.preventDefault();
    invierte();
  });
  const inicial = new URLSearchParams(location.search).get("text");
  if (inicial !== null) {
    texto.value = inicial;
    invierte();
  }
})();
</script>
</body>
</html>
)HTML";

struct Plantilla {
  std::string_view archivo;
  std::string_view contenido;
};

constexpr std::array kPlantillas = {Plantilla{kPlantillaInvocador, kInvocador},
                                    Plantilla{kPlantillaReverseString, kReverseString}};

fs::path RutaPlantilla(const fs::path& directorio, std::string_view archivo) {
  return directorio / kCarpetaPlantillas / archivo;
}

}  // namespace

std::string_view PlantillaPredeterminada(std::string_view archivo) {
  for (const auto& p : kPlantillas) {
    if (p.archivo == archivo) return p.contenido;
  }
  return {};
}

void InstalaPlantillas(const fs::path& directorio) {
  for (const auto& p : kPlantillas) {
    const fs::path ruta = RutaPlantilla(directorio, p.archivo);
    std::error_code error;
    if (fs::exists(ruta, error)) continue;
    fs::create_directories(ruta.parent_path(), error);
    std::ofstream salida(ruta, std::ios::binary);
    salida << p.contenido;
    salida.close();
    if (error || !salida) {
      // A half-written file would be taken for an edited one and kept for good.
      fs::remove(ruta, error);
      Bitacora("No se pudo escribir la plantilla " + ruta.string());
    }
  }
}

std::string LeePlantilla(const fs::path& directorio, std::string_view archivo) {
  std::ifstream entrada(RutaPlantilla(directorio, archivo), std::ios::binary);
  if (!entrada) return std::string(PlantillaPredeterminada(archivo));
  std::ostringstream texto;
  texto << entrada.rdbuf();
  return texto.str();
}

}  // namespace quorvex
