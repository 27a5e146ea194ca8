#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "hosting/Rest.h"
#include "tests/CatalogoPrueba.h"
#include "tests/CursorPrueba.h"
#include "tests/DirectorioTemporal.h"

namespace quorvex {
namespace {

using pruebas::BuscaPrueba;
using pruebas::gLlamadas;
using pruebas::gMaximoDentro;

class Transporte : public pruebas::ConDirectorioTemporal {
 protected:
  void SetUp() override { gLlamadas = 0; }

  Respuesta Pide(std::string objetivo, http::verb verbo = http::verb::get, std::string cuerpo = {},
                 std::string pragma = {}) {
    return transporte_.Atiende({verbo, objetivo, cuerpo, pragma});
  }
  // Status and body of a call.
  std::pair<int, std::string> Llama(std::string objetivo, http::verb verbo = http::verb::get, std::string cuerpo = {}) {
    Respuesta r = Pide(std::move(objetivo), verbo, std::move(cuerpo));
    return {static_cast<int>(r.http.result_int()), pruebas::CuerpoDe(r)};
  }

  SesionesRest sesiones_;
  TransporteRest transporte_{sesiones_, kPresupuestoTabla, &BuscaPrueba};
};

constexpr const char* kRuta = "/datasnap/rest/TServerMethodsSync/";

std::string Ruta(const std::string& resto) { return kRuta + resto; }
std::string Error(const std::string& mensaje) { return R"({"error":")" + mensaje + R"("})"; }
std::pair<int, std::string> Ok(const std::string& valor) { return {200, R"({"result":[)" + valor + "]}"}; }

TEST_F(Transporte, ConvierteCadaSegmentoAlTipoDeSuParametro) {
  EXPECT_EQ(Llama(Ruta("Eco/a%2Fb/-5/2.5/true/2024-05-06%2007:08:09.010")),
            Ok(R"("'a/b'|-5|2.500000|true|2024-05-06 07:08:09.010")"));
  EXPECT_EQ(Llama(Ruta("Eco/null/null/null/null/null")), Ok(R"("''|0|0.000000|false|1970-01-01 00:00:00.000")"));
  EXPECT_EQ(Llama(Ruta("Suma/40/2?ignorado=1")), Ok("42"));
}

TEST_F(Transporte, LosParametrosSinSegmentoSalenDelCuerpoOSonNull) {
  EXPECT_EQ(Llama(Ruta("Eco/x")), Ok(R"("'x'|0|0.000000|false|1970-01-01 00:00:00.000")"));
  EXPECT_EQ(Llama(Ruta("Eco/x"), http::verb::get, "7"), Ok(R"("'x'|7|0.000000|false|1970-01-01 00:00:00.000")"));
  EXPECT_EQ(Llama(Ruta("Eco/x"), http::verb::get, R"({"_parameters":[7, 1.5, "true"]})"),
            Ok(R"("'x'|7|1.500000|true|1970-01-01 00:00:00.000")"));
  EXPECT_EQ(Llama(Ruta("\"Eco\""), http::verb::post, R"({"_parameters":["y", null, 2]})"),
            Ok(R"("'y'|0|2.000000|false|1970-01-01 00:00:00.000")"));
  // An object that is not the parameter list is the next value.
  EXPECT_EQ(Llama(Ruta("Eco"), http::verb::get, R"({"_parameters":[1],"otro":2})"),
            Ok(R"("'{\"_parameters\":[1],\"otro\":2}'|0|0.000000|false|1970-01-01 00:00:00.000")"));
  EXPECT_EQ(Llama(Ruta("Suma/1/2"), http::verb::get, " \r\n"), Ok("3"));
}

TEST_F(Transporte, RechazaLoQueNoPuedeConvertirOContar) {
  const auto rechazo = [](const std::string& mensaje) { return std::pair<int, std::string>{500, Error(mensaje)}; };
  EXPECT_EQ(Llama(Ruta("Suma/1/x")), rechazo("Cannot convert JSON value x input into Integer"));
  EXPECT_EQ(Llama(Ruta("Suma/1"), http::verb::get, R"("1.5")"),
            rechazo("Cannot convert JSON value 1.5 input into Integer"));
  EXPECT_EQ(Llama(Ruta("Suma/1/2/3")),
            rechazo("Server method Suma consumed only 2 input parameters out of 3. Either call with more parameters "
                    "or change method definition."));
  EXPECT_EQ(Llama(Ruta("Suma/1"), http::verb::get, R"({"_parameters":[2,3,4]})"),
            rechazo("Server method Suma consumed only 2 input parameters out of 4. Either call with more parameters "
                    "or change method definition."));
  EXPECT_EQ(Llama(Ruta("Suma/1"), http::verb::get, "{no es json"),
            rechazo("Message content is not a valid JSON value."));
  EXPECT_EQ(Llama(Ruta("Suma/1"), http::verb::get, "2 3"), rechazo("Message content is not a valid JSON value."));
  EXPECT_EQ(Llama(Ruta("Suma/1/%G1")), rechazo("Invalid URL encoding in path segment \\\"%G1\\\"."));
  EXPECT_EQ(Llama("/datasnap/rest/TServerMethodsSync"),
            rechazo("Invalid request format. /className/methodName and eventual parameters expected."));
  EXPECT_EQ(Llama("/datasnap/rest/TServerMethods1/Suma/1/2"), rechazo("Server class TServerMethods1 not found."));
  EXPECT_EQ(Llama(Ruta("NoExiste")), rechazo("Server method NoExiste not found."));
  EXPECT_EQ(Llama(Ruta("Pendiente/t")), rechazo("El método Pendiente aún no está disponible"));
  EXPECT_EQ(gLlamadas, 0);
}

TEST_F(Transporte, ElVerboPoneSuPrefijoSalvoConElMetodoEntreComillas) {
  EXPECT_EQ(Llama(Ruta("Suma/1/2"), http::verb::post), std::pair(500, Error("Server method updateSuma not found.")));
  EXPECT_EQ(Llama(Ruta("Suma/1/2"), http::verb::put), std::pair(500, Error("Server method acceptSuma not found.")));
  EXPECT_EQ(Llama(Ruta("Suma/1/2"), http::verb::delete_), std::pair(500, Error("Server method cancelSuma not found.")));
  EXPECT_EQ(Llama(Ruta("\"Suma\"/1/2"), http::verb::post), Ok("3"));
  EXPECT_EQ(Llama(Ruta("%22Suma%22/1/2"), http::verb::put), std::pair(201, std::string(R"({"result":[3]})")));
  EXPECT_EQ(Llama(Ruta("\"Suma\"/1/2"), http::verb::delete_), Ok("3"));
  EXPECT_EQ(Llama(Ruta("\"Suma\"/1/2")), Ok("3"));
  EXPECT_EQ(Llama(Ruta("\"Suma\"/1/2"), http::verb::patch), std::pair(500, Error("Unsupported request method PATCH.")));
}

TEST_F(Transporte, UnaExcepcionDelMetodoEsError500ConSuMensaje) {
  EXPECT_EQ(Llama(Ruta("Falla")), std::pair(500, Error("Violación de llave en admDocumentos")));
  EXPECT_EQ(Llama(Ruta("TablaRota")), std::pair(500, Error("fallo de lectura en la fila 1")));
}

TEST_F(Transporte, UnConjuntoDeDatosSeEnviaComoTabla) {
  Respuesta r = Pide(Ruta("Tabla/2"));
  EXPECT_EQ(r.http.result(), http::status::ok);
  ASSERT_TRUE(r.flujo);
  EXPECT_EQ(pruebas::CuerpoDe(r), R"({"result":[{"table":[["CIDALMACEN",26,0,0,0,1,1,0,true,false,0,false,false],)"
                                  R"(["CNOMBREALMACEN",26,1,0,0,9,9,0,true,false,0,false,false]],)"
                                  R"("CIDALMACEN":["1","2"],"CNOMBREALMACEN":["Almacén 1","Almacén 2"]}]})");
  EXPECT_EQ(Llama(Ruta("Tabla/0")), Ok("null"));
}

TEST_F(Transporte, FueraDeRestNoHayRecurso) {
  Respuesta r = Pide("/datasnap/tunnel");
  EXPECT_EQ(r.http.result(), http::status::not_found);
  EXPECT_EQ(r.http.body(), Error("Resource not found: /datasnap/tunnel"));
}

TEST_F(Transporte, ElPragmaMantieneLaSesionYSuInstancia) {
  Respuesta primera = Pide(Ruta("Instancia"));
  const std::string pragma(primera.http[http::field::pragma]);
  const auto id = SesionDePragma(pragma);
  ASSERT_TRUE(id);
  EXPECT_EQ(pragma, "dssession=" + *id + ",dssessionexpires=1200000");

  Respuesta misma = Pide(Ruta("Instancia"), http::verb::get, {}, "dssession=" + *id);
  EXPECT_EQ(misma.http[http::field::pragma], pragma);
  EXPECT_EQ(misma.http.body(), primera.http.body());

  Respuesta otra = Pide(Ruta("Instancia"));
  EXPECT_NE(SesionDePragma(std::string(otra.http[http::field::pragma])), id);
  EXPECT_NE(otra.http.body(), primera.http.body());
  EXPECT_EQ(sesiones_.Cantidad(), 2u);
}

TEST_F(Transporte, UnaSesionDesconocidaOTerminadaEs403SinLlamarAlMetodo) {
  Respuesta primera = Pide(Ruta("Instancia"));
  const std::string pragma(primera.http[http::field::pragma]);
  sesiones_.TerminaTodas();
  gLlamadas = 0;
  for (const std::string& p : {pragma, std::string("dssession=1.2.3"), std::string("dssession=")}) {
    Respuesta r = Pide(Ruta("Instancia"), http::verb::get, {}, p);
    EXPECT_EQ(r.http.result(), http::status::forbidden);
    EXPECT_EQ(r.http.reason(), "Session has expired");
    EXPECT_EQ(
        r.http.body(),
        R"({"SessionExpired":"The specified session has expired due to inactivity or was an invalid Session ID"})");
    EXPECT_EQ(r.http.count(http::field::pragma), 0u);
  }
  EXPECT_EQ(gLlamadas, 0);
}

TEST_F(Transporte, LasLlamadasDeUnaSesionNoSeSolapan) {
  const std::string pragma(Pide(Ruta("Instancia")).http[http::field::pragma]);
  gMaximoDentro = 0;
  std::vector<std::thread> hilos;
  for (int i = 0; i < 8; ++i)
    hilos.emplace_back([&] {
      for (int j = 0; j < 5; ++j)
        EXPECT_EQ(Pide(Ruta("Lento"), http::verb::get, {}, pragma).http.body(), R"({"result":[true]})");
    });
  for (auto& h : hilos) h.join();
  EXPECT_EQ(gMaximoDentro, 1);
}

TEST(TransporteCatalogo, LosProcedimientosInternosNoSonMetodos) {
  SesionesRest sesiones;
  TransporteRest transporte(sesiones);
  for (const char* interno : {"AltaDocumento", "EjecutaConsulta", "ApuntaStringConeccion", "DSServerModuleCreate"}) {
    Respuesta r = transporte.Atiende({http::verb::get, std::string(kRuta) + interno + "/1234567892adDemo", {}, {}});
    EXPECT_EQ(r.http.result(), http::status::internal_server_error) << interno;
    EXPECT_EQ(r.http.body(), Error(std::string("Server method ") + interno + " not found.")) << interno;
  }
}

}  // namespace
}  // namespace quorvex
