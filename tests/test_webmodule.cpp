#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "DirectorioTemporal.h"
#include "core/Bitacora.h"
#include "hosting/Catalogo.h"
#include "hosting/Plantillas.h"
#include "hosting/ProxyJs.h"
#include "hosting/WebModule.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using RespuestaWeb = http::response<http::string_body>;

std::string Lee(const fs::path& archivo) {
  std::ifstream entrada(archivo, std::ios::binary);
  return {std::istreambuf_iterator<char>(entrada), {}};
}

class WebModule : public pruebas::ConDirectorioTemporal {
 protected:
  RespuestaWeb Pide(const std::string& destino, const std::string& ip = "127.0.0.1",
                 http::verb verbo = http::verb::get, const std::string& host = "quorvex.ejemplo:8443") {
    http::request<http::string_body> peticion{verbo, destino, 11};
    if (!host.empty()) peticion.set(http::field::host, host);
    return TWebModuleCorvane().Atiende(PeticionWeb{peticion, ip, 8443});
  }

  fs::path Ruta(const fs::path& relativa) const { return directorio_.Ruta() / relativa; }

  void Escribe(const fs::path& relativa, const std::string& contenido) const {
    fs::create_directories(Ruta(relativa).parent_path());
    std::ofstream(Ruta(relativa), std::ios::binary) << contenido;
  }

  void EscribePlantillaInvocador(const std::string& contenido) const {
    Escribe(fs::path(kCarpetaPlantillas) / kPlantillaInvocador, contenido);
  }

  static void EsperaRedireccion(const RespuestaWeb& r, const std::string& caso) {
    EXPECT_EQ(r.result(), http::status::found) << caso;
    EXPECT_EQ(r[http::field::location], "/") << caso;
  }
};

TEST_F(WebModule, ReemplazaLasEtiquetasSinDistinguirMayusculas) {
  EscribePlantillaInvocador(
      "[<#URLPath>][<#Port>][<#HOST>][<#ClassName>][<#loginRequired>][<#ServerFunctionsJS>]"
      "[<#desconocida>][<# suelta>][<#>][<#host clase=\"x\">][<#port");
  Escribe(fs::path(kCarpetaPlantillas) / kPlantillaReverseString, "<#classname> al reves");

  const RespuestaWeb raiz = Pide("/");
  EXPECT_EQ(raiz.result(), http::status::ok);
  EXPECT_EQ(raiz[http::field::content_type], "text/html; charset=utf-8");
  EXPECT_EQ(raiz.body(),
            "[][8443][quorvex.ejemplo][TServerMethodsSync][false][/js/serverfunctions.js]"
            "[][<# suelta>][<#>][quorvex.ejemplo][<#port");
  EXPECT_EQ(Pide("/?run=DameToken").body(), raiz.body());
  EXPECT_EQ(Pide("").body(), raiz.body());
  EXPECT_EQ(Pide("/reversestring", "10.0.0.8").body(), "TServerMethodsSync al reves");
}

TEST_F(WebModule, HostSinPuertoYEscapado) {
  EscribePlantillaInvocador("<#host>");
  const struct {
    std::string encabezado, esperado;
  } casos[] = {
      {"quorvex.ejemplo:8443", "quorvex.ejemplo"},
      {"quorvex.ejemplo", "quorvex.ejemplo"},
      {"[::1]:8443", "[::1]"},
      {"", ""},
      {"<script>\"x'&", "&lt;script&gt;&quot;x&#39;&amp;"},
  };
  for (const auto& c : casos) EXPECT_EQ(Pide("/", "127.0.0.1", http::verb::get, c.encabezado).body(), c.esperado);
}

TEST_F(WebModule, HoraDelServidorEsLaHoraLocalDeLaPeticion) {
  EscribePlantillaInvocador("<#ServerTime>");
  const auto texto = [](std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    char salida[32];
    std::strftime(salida, sizeof salida, "%Y-%m-%d %H:%M:%S", &local);
    return std::string(salida);
  };
  const std::string antes = texto(std::time(nullptr));
  const std::string hora = Pide("/").body();
  const std::string despues = texto(std::time(nullptr));
  EXPECT_TRUE(std::regex_match(hora, std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)"))) << hora;
  EXPECT_LE(antes, hora);
  EXPECT_LE(hora, despues);
}

TEST_F(WebModule, ServerFunctionInvokerSoloParaLlamadoresLocales) {
  EscribePlantillaInvocador("[<#serverfunctioninvoker>]");
  const std::string enlace =
      "[<div><a href=\"/ServerFunctionInvoker\" target=\"_blank\">Server Functions</a></div>]";
  const struct {
    std::string ip;
    bool local;
  } casos[] = {
      {"127.0.0.1", true},  {"::1", true},         {"0:0:0:0:0:0:0:1", true}, {"::ffff:127.0.0.1", true},
      {"10.0.0.5", false},  {"127.0.0.2", false}, {"::ffff:10.0.0.5", false}, {"", false},
  };
  for (const auto& c : casos) {
    const RespuestaWeb pagina = Pide("/ServerFunctionInvoker", c.ip);
    if (c.local) {
      EXPECT_EQ(pagina.result(), http::status::ok) << c.ip;
      EXPECT_EQ(pagina.body(), enlace) << c.ip;
    } else {
      EsperaRedireccion(pagina, c.ip);
    }
    // The root page is served to everyone; only its link depends on the caller.
    EXPECT_EQ(Pide("/", c.ip).body(), c.local ? enlace : "[]") << c.ip;
  }
}

TEST_F(WebModule, ArchivosEstaticosConLaTablaDeTiposMime) {
  const struct {
    std::string archivo, tipo;  // empty type: not served
  } casos[] = {
      {"estilo.css", "text/css"},     {"js/app.js", "text/javascript"}, {"img/logo.png", "image/x-png"},
      {"a.htm", "text/html"},         {"sub/b.html", "text/html"},      {"c.jpg", "image/jpeg"},
      {"d.jpeg", "image/jpeg"},       {"e.jpe", "image/jpeg"},          {"f.gif", "image/gif"},
      {"MAYUS.CSS", "text/css"},      {"g.PNG", "image/x-png"},         {"datos.txt", ""},
      {"velmor-app-prvkey.key", ""},  {"configuracion.db", ""},         {"sin_extension", ""},
      {"h.json", ""},                 {"i.svg", ""},
  };
  for (const auto& c : casos) Escribe(c.archivo, "contenido de " + c.archivo + std::string("\0\xff", 2));
  for (const auto& c : casos) {
    const RespuestaWeb r = Pide("/" + c.archivo, "10.1.1.1");
    if (c.tipo.empty()) {
      EsperaRedireccion(r, c.archivo);
    } else {
      EXPECT_EQ(r.result(), http::status::ok) << c.archivo;
      EXPECT_EQ(r[http::field::content_type], c.tipo) << c.archivo;
      EXPECT_EQ(r.body(), Lee(Ruta(c.archivo))) << c.archivo;
    }
  }
  EXPECT_EQ(Pide("/./sub//b.html?v=2").body(), Lee(Ruta("sub/b.html")));
  EXPECT_EQ(Pide("/con%20espacio.css").result(), http::status::found);
  Escribe("con espacio.css", "x");
  EXPECT_EQ(Pide("/con%20espacio.css").body(), "x");
}

TEST_F(WebModule, LaCarpetaDePlantillasNoSeSirve) {
  EscribePlantillaInvocador("<html>plantilla</html>");
  Escribe("templates/estilo.css", "css");
  Escribe("templates/sub/app.js", "js");
  fs::create_directory_symlink(Ruta("templates"), Ruta("vista"));
  for (const std::string destino :
       {"/templates/serverfunctioninvoker.html", "/templates/estilo.css", "/templates/sub/app.js",
        "/./templates//estilo.css", "/vista/estilo.css", "/templates/serverfunctions.js"}) {
    EsperaRedireccion(Pide(destino), destino);
  }
  EXPECT_FALSE(fs::exists(Ruta("templates/serverfunctions.js")));
}

TEST_F(WebModule, NoSaleDelDirectorioDeInstalacion) {
  const fs::path fuera = directorio_.Ruta().string() + "-fuera";
  fs::create_directories(fuera / "js");
  std::ofstream(fuera / "secreto.css") << "secreto";
  fs::create_symlink(fuera / "secreto.css", Ruta("enlace.css"));
  fs::create_directory_symlink(fuera, Ruta("carpeta"));
  const std::string hermano = directorio_.Ruta().filename().string() + "-fuera";
  for (const std::string& destino : std::vector<std::string>{
           "/../" + hermano + "/secreto.css", "/%2e%2e/" + hermano + "/secreto.css",
           "/sub/../../" + hermano + "/secreto.css",
        "/..%2f" + hermano + "%2fsecreto.css", "/" + (fuera / "secreto.css").string(), "/enlace.css",
        "/carpeta/secreto.css", "/carpeta/js/serverfunctions.js", "/secreto.css%00.css"}) {
    const RespuestaWeb r = Pide(destino);
    EsperaRedireccion(r, destino);
    EXPECT_EQ(r.body().find("secreto"), std::string::npos) << destino;
  }
  EXPECT_FALSE(fs::exists(fuera / "js" / kNombreProxyJs));
  fs::remove_all(fuera);
}

TEST_F(WebModule, LoDemasRedirigeALaRaiz) {
  Escribe("css/a.css", "a");
  for (const std::string destino :
       {"/noexiste", "/noexiste.css", "/css", "/css/", "/ServerFunctionInvoker/", "/%zz.css", "/%4", "/datasnapx"}) {
    const RespuestaWeb r = Pide(destino, "10.2.2.2");
    EsperaRedireccion(r, destino);
    EXPECT_EQ(r.body(), "") << destino;
  }
}

TEST_F(WebModule, SoloGetYHead) {
  Escribe("a.css", "cuerpo de a");
  for (const auto verbo : {http::verb::post, http::verb::put, http::verb::delete_, http::verb::options}) {
    const RespuestaWeb r = Pide("/a.css", "127.0.0.1", verbo);
    EXPECT_EQ(r.result(), http::status::method_not_allowed) << verbo;
    EXPECT_EQ(r[http::field::allow], "GET, HEAD");
    EXPECT_NE(r.body().find("GET y HEAD"), std::string::npos) << r.body();
  }
  // HEAD is answered like GET; the connection leaves the body out.
  const RespuestaWeb cabeza = Pide("/a.css", "127.0.0.1", http::verb::head);
  EXPECT_EQ(cabeza.result(), http::status::ok);
  EXPECT_EQ(cabeza[http::field::content_type], "text/css");
  EXPECT_EQ(cabeza.body(), "cuerpo de a");
}

// The log line written next shows the address the web module recorded.
TEST_F(WebModule, LaAccionPredeterminadaAnotaLaDireccionDelLlamador) {
  Escribe("a.css", "a");
  const struct {
    std::string destino, ip, anotada;
  } casos[] = {
      {"/", "10.9.8.7", "10.9.8.7"},
      {"/noexiste", "10.9.8.6", "10.9.8.6"},
      {"/noexiste", "", "10.9.8.6"},        // an empty address leaves the last one
      {"/a.css", "10.9.8.5", "10.9.8.6"},   // a static file is not the default action
      {"/ReverseString", "10.9.8.4", "10.9.8.6"},
  };
  for (const auto& c : casos) {
    Pide(c.destino, c.ip);
    Bitacora("marca " + c.destino);
    const std::string texto = Lee(Ruta(NombreArchivoBitacora(std::chrono::system_clock::now())));
    const std::string ultima = texto.substr(texto.rfind('\n', texto.size() - 2) + 1);
    EXPECT_NE(ultima.find(" " + c.anotada + " marca " + c.destino + "\n"), std::string::npos) << ultima;
  }
}

class ProxyEnDirectorio : public WebModule {
 protected:
  static fs::file_time_type FechaPrograma() { return fs::last_write_time("/proc/self/exe"); }
};

TEST_F(ProxyEnDirectorio, SeGeneraCuandoFaltaYSeSirveComoJavaScript) {
  for (const std::string carpeta : {"js", "otra/carpeta"}) {
    const RespuestaWeb r = Pide("/" + carpeta + "/serverfunctions.js", "10.3.3.3");
    EXPECT_EQ(r.result(), http::status::ok) << carpeta;
    EXPECT_EQ(r[http::field::content_type], "text/javascript");
    EXPECT_EQ(r.body(), GeneraProxyJs());
    EXPECT_EQ(Lee(Ruta(carpeta) / "serverfunctions.js"), GeneraProxyJs());
  }
  // No temporary file is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(Ruta("js")), fs::directory_iterator()), 1);
}

TEST_F(ProxyEnDirectorio, SeRegeneraSoloSiEsMasViejoQueElPrograma) {
  const fs::path archivo = Ruta("js/serverfunctions.js");
  const struct {
    fs::file_time_type::duration respectoAlPrograma;
    bool regenera;
  } casos[] = {
      {-std::chrono::hours(1), true},
      {std::chrono::hours(1), false},
      {fs::file_time_type::duration::zero(), false},
  };
  for (const auto& c : casos) {
    Escribe("js/serverfunctions.js", "// editado");
    fs::last_write_time(archivo, FechaPrograma() + c.respectoAlPrograma);
    const RespuestaWeb r = Pide("/js/serverfunctions.js");
    const std::string esperado = c.regenera ? GeneraProxyJs() : "// editado";
    EXPECT_EQ(r.body(), esperado);
    EXPECT_EQ(Lee(archivo), esperado);
    if (c.regenera) {
      EXPECT_GE(fs::last_write_time(archivo), FechaPrograma());
    } else {
      EXPECT_EQ(fs::last_write_time(archivo), FechaPrograma() + c.respectoAlPrograma);
    }
  }
}

// The class's functions and the metadata both follow the catalogue: names,
// order and parameter names.
TEST(ProxyJs, SigueAlCatalogoEnOrden) {
  const std::string js = GeneraProxyJs();
  std::vector<std::string> funciones, metadatos;
  const std::regex funcion(R"re(\n    (\w+)\(([^)]*)\) \{\n)re");
  const auto clase = js.find("class " + std::string(kClaseServidor) + " {");
  ASSERT_NE(clase, std::string::npos);
  for (std::sregex_iterator i(js.begin() + clase, js.end(), funcion), fin; i != fin; ++i) {
    if ((*i)[1] != "constructor") funciones.push_back((*i)[1].str() + "(" + (*i)[2].str() + ")");
  }
  const std::regex entrada(R"re(\{"nombre": "(\w+)", "parametros": \[(.*)\], "resultado": "(\w+)"\})re");
  const std::regex parametro(R"re(\{"nombre": "(\w+)", "tipo": "(\w+)"\})re");
  for (std::sregex_iterator i(js.begin(), js.end(), entrada), fin; i != fin; ++i) {
    std::string lista;
    const std::string texto = (*i)[2];
    for (std::sregex_iterator p(texto.begin(), texto.end(), parametro); p != fin; ++p) {
      lista += (lista.empty() ? "" : ", ") + (*p)[1].str();
    }
    metadatos.push_back((*i)[1].str() + "(" + lista + ")");
  }

  std::vector<std::string> esperado;
  for (const auto& m : Catalogo()) {
    std::string lista;
    for (const auto& p : m.parametros) lista += (lista.empty() ? "" : ", ") + std::string(p.nombre);
    esperado.push_back(std::string(m.nombre) + "(" + lista + ")");
  }
  ASSERT_EQ(esperado.size(), 55u);
  EXPECT_EQ(funciones, esperado);
  EXPECT_EQ(metadatos, esperado);
}

// Runs the generated proxy under Node with a fake fetch: the URL it builds,
// the session it keeps, and what it makes of results and errors.
TEST(ProxyJs, LlamaPorRestYConservaLaSesion) {
  if (std::system("command -v node >/dev/null 2>&1") != 0) GTEST_SKIP() << "node no está instalado";
  pruebas::DirectorioTemporal directorio;
  std::ofstream(directorio.Ruta() / "serverfunctions.js") << GeneraProxyJs();
  std::ofstream(directorio.Ruta() / "prueba.js") << R"JS(
const assert = require("assert");
const proxy = require("./serverfunctions.js");
const pedidas = [];
const respuestas = [];
function responde(estado, cuerpo, pragma) {
  respuestas.push({status: estado, ok: estado >= 200 && estado < 300,
    headers: {get: (n) => (n.toLowerCase() === "pragma" ? pragma || null : null)},
    text: async () => cuerpo});
}
global.fetch = async (url, opciones) => {
  pedidas.push({url, pragma: opciones.headers.Pragma, metodo: opciones.method});
  return respuestas.shift();
};
(async () => {
  const sesiones = [];
  const s = new proxy.TServerMethodsSync({alCambiarSesion: (id) => sesiones.push(id)});

  responde(200, '{"result":["123456789"]}', "dssession=A1.B2,dssessionexpires=1200000");
  assert.strictEqual(await s.DameToken(), "123456789");
  assert.deepStrictEqual(pedidas[0],
    {url: "/datasnap/rest/TServerMethodsSync/DameToken", pragma: undefined, metodo: "GET"});

  responde(200, '{"result":[7]}');
  const fecha = new Date(2024, 0, 31, 9, 5, 7, 45);
  assert.strictEqual(await s.AgregaMovimientoCapaUM("1234567892emp", 5, null, undefined, 1.5, -2, "a/b c%", "",
    "é?#", "2024-02-01 00:00:00.000", "L1", fecha, null, true, 0, false), 7);
  assert.strictEqual(pedidas[1].url, "/datasnap/rest/TServerMethodsSync/AgregaMovimientoCapaUM/" +
    "1234567892emp/5/null/null/1.5/-2/a%2Fb%20c%25/null/%C3%A9%3F%23/2024-02-01%2000%3A00%3A00.000/L1/" +
    "2024-01-31%2009%3A05%3A07.045/null/true/0/false");
  assert.strictEqual(pedidas[1].pragma, "dssession=A1.B2");

  responde(500, '{"error":"Server method X consumed only 1"}');
  await assert.rejects(s.VersionSync("t"), (e) => e instanceof proxy.ErrorRemoto && e.estado === 500 &&
    e.message === "Server method X consumed only 1");

  // An expired session: dropped, and the call made once more without it.
  responde(403, '{"SessionExpired":"expirada"}');
  responde(200, '{"result":[true]}', "dssession=C3,dssessionexpires=1200000");
  assert.strictEqual(await s.ValidaToken("t"), true);
  assert.strictEqual(pedidas[3].pragma, "dssession=A1.B2");
  assert.strictEqual(pedidas[4].pragma, undefined);
  assert.deepStrictEqual(sesiones, ["A1.B2", null, "C3"]);

  responde(200, '<html>no</html>');
  await assert.rejects(s.GetAlmacenes("t"), /HTTP 200/);

  const tabla = {table: [["A", 1], ["B", 1]], A: [1, 2], B: ["x", null]};
  assert.ok(proxy.esTabla(tabla) && !proxy.esTabla(null) && !proxy.esTabla("t"));
  assert.deepStrictEqual(proxy.filasDeTabla(tabla), {columnas: ["A", "B"], filas: [[1, "x"], [2, null]]});

  const remota = new proxy.TServerMethodsSync({servidor: "srv", puerto: 8081, sesion: "Z9"});
  responde(200, '{"result":[1]}');
  await remota.VersionSync("t");
  assert.strictEqual(pedidas[6].url, "https://srv:8081/datasnap/rest/TServerMethodsSync/VersionSync/t");
  assert.strictEqual(pedidas[6].pragma, "dssession=Z9");
  console.log("bien");
})().catch((e) => { console.error(e); process.exit(1); });
)JS";
  const fs::path salida = directorio.Ruta() / "salida.txt";
  const std::string orden = "cd '" + directorio.Ruta().string() + "' && node prueba.js >'" + salida.string() + "' 2>&1";
  EXPECT_EQ(std::system(orden.c_str()), 0) << Lee(salida);
  EXPECT_EQ(Lee(salida), "bien\n");
}

TEST_F(WebModule, InstalaPlantillasSinPisarLasEditadas) {
  EscribePlantillaInvocador("editada por el operador");
  InstalaPlantillas(directorio_.Ruta());
  EXPECT_EQ(Lee(Ruta(fs::path(kCarpetaPlantillas) / kPlantillaInvocador)), "editada por el operador");
  EXPECT_EQ(Lee(Ruta(fs::path(kCarpetaPlantillas) / kPlantillaReverseString)),
            PlantillaPredeterminada(kPlantillaReverseString));

  fs::remove_all(Ruta(kCarpetaPlantillas));
  InstalaPlantillas(directorio_.Ruta());
  for (const auto archivo : {kPlantillaInvocador, kPlantillaReverseString}) {
    EXPECT_FALSE(PlantillaPredeterminada(archivo).empty());
    EXPECT_EQ(Lee(Ruta(fs::path(kCarpetaPlantillas) / archivo)), PlantillaPredeterminada(archivo));
  }
}

// Without a template file the built-in page is served, its tags filled in.
TEST_F(WebModule, SinPlantillaSirveLaIncorporada) {
  const std::string pagina = Pide("/").body();
  EXPECT_NE(pagina.find("<script src=\"/js/serverfunctions.js\"></script>"), std::string::npos);
  EXPECT_NE(pagina.find("const clase = \"TServerMethodsSync\";"), std::string::npos);
  EXPECT_EQ(pagina.find("<#"), std::string::npos);
  EXPECT_NE(Pide("/ReverseString").body().find("<b>quorvex.ejemplo</b>"), std::string::npos);
}

}  // namespace
}  // namespace quorvex
