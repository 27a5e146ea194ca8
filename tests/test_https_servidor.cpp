#include <gtest/gtest.h>
#include <openssl/err.h>
#include <rapidjson/document.h>

#include <boost/asio/read.hpp>
#include <boost/asio/write.hpp>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/Registro.h"
#include "core/Token.h"
#include "hosting/Certificado.h"
#include "hosting/ServidorHttps.h"
#include "tests/CatalogoPrueba.h"
#include "tests/ClienteHttpsPrueba.h"
#include "tests/DirectorioTemporal.h"

namespace quorvex {
namespace {

using pruebas::ClienteHttps;
using pruebas::ContextoCliente;
using pruebas::RespuestaHttp;
namespace beast = pruebas::beast;
namespace net = pruebas::net;

constexpr const char* kActual = "111111111";
constexpr const char* kAnterior = "222222222";
const std::string kRuta = "/datasnap/rest/TServerMethodsSync/";
const std::string kTokenValido = std::string(kActual) + "2adDemo";
const std::string kExpirada =
    R"({"SessionExpired":"The specified session has expired due to inactivity or was an invalid Session ID"})";

// An installation directory with a fresh self-signed certificate and a server
// on a free port serving the real catalogue.
class ServidorEnMarcha : public pruebas::ConDirectorioTemporal {
 protected:
  void SetUp() override {
    TokenAcceso::Global().Fija(kActual, kAnterior);
    GeneraCertificadoAutofirmado(directorio_.Ruta());
    Arranca({.directorio = directorio_.Ruta()});
  }

  void Arranca(OpcionesServidor opciones) {
    servidor_.emplace(std::move(opciones));
    servidor_->Start(0);
    puerto_ = servidor_->Puerto();
  }

  RespuestaHttp Get(const std::string& objetivo, const std::string& pragma = {}) {
    return Cliente().Get(objetivo, pragma);
  }
  ClienteHttps& Cliente() {
    if (!cliente_) cliente_ = std::make_unique<ClienteHttps>(contexto_, puerto_);
    return *cliente_;
  }

  std::optional<ServidorHttps> servidor_;
  unsigned short puerto_ = 0;
  ContextoCliente contexto_;
  std::unique_ptr<ClienteHttps> cliente_;
};

// The call answered on one kept-alive connection: status, body, JSON type and session.
void EsperaResultado(const RespuestaHttp& r, const std::string& valor, unsigned estado = 200) {
  EXPECT_EQ(r.result_int(), estado);
  EXPECT_EQ(r.body(), R"({"result":[)" + valor + "]}");
  EXPECT_EQ(r[http::field::content_type], "application/json");
  EXPECT_TRUE(SesionDePragma(std::string(r[http::field::pragma])).has_value());
}

void EsperaError(const RespuestaHttp& r, const std::string& mensaje) {
  EXPECT_EQ(r.result_int(), 500u);
  EXPECT_EQ(r.body(), R"({"error":")" + mensaje + R"("})");
}

TEST_F(ServidorEnMarcha, AtiendeLosMetodosDelCatalogo) {
  EsperaResultado(Get(kRuta + "DameToken"), R"("111111111")");
  EsperaResultado(Get(kRuta + "ValidaToken/" + kTokenValido), "true");
  EsperaResultado(Get(kRuta + "ValidaToken/" + std::string(kAnterior) + "2adDemo"), "true");
  EsperaResultado(Get(kRuta + "VersionSync/" + kTokenValido), "2");
  EsperaResultado(Get(kRuta + "ValidaIP/" + kTokenValido + "/a%2Fb%20c"), R"("a/b c")");
  // Rejected tokens answer the method's rejected value with status 200.
  EsperaResultado(Get(kRuta + "ValidaToken/9999999992adDemo"), "false");
  EsperaResultado(Get(kRuta + "VersionSync/9999999992adDemo"), "0");
  EsperaResultado(Get(kRuta + "ValidaIP/9999999992adDemo/x"), R"("")");
  EsperaResultado(Get(kRuta + "VersionSync/null"), "0");
  EsperaResultado(Get(kRuta + "VersionSync"), "0");
}

TEST_F(ServidorEnMarcha, LosRechazosDelTransporteSonError500) {
  EsperaError(Get(kRuta + "NoExiste/" + kTokenValido), "Server method NoExiste not found.");
  EsperaError(Get(kRuta + "AltaDocumento/" + kTokenValido), "Server method AltaDocumento not found.");
  EsperaError(Get(kRuta + "VersionSync/" + kTokenValido + "/sobra"),
              "Server method VersionSync consumed only 1 input parameters out of 2. Either call with more "
              "parameters or change method definition.");
  EsperaError(Get(kRuta + "GetSiguienteFolio/" + kTokenValido + "/abc/A"),
              "Cannot convert JSON value abc input into Integer");
  EsperaError(Get(kRuta + "ValidaIP/" + kTokenValido + "/%2"), R"(Invalid URL encoding in path segment \"%2\".)");
  EsperaError(Cliente().Pide(http::verb::post, kRuta + "%22ValidaIP%22/" + kTokenValido, "{x"),
              "Message content is not a valid JSON value.");
  EsperaError(Get("/datasnap/rest/Otra/DameToken"), "Server class Otra not found.");
  EsperaError(Get("/datasnap/rest/DameToken"),
              "Invalid request format. /className/methodName and eventual parameters expected.");
}

TEST_F(ServidorEnMarcha, LosVerbosNombranOtroMetodoSalvoEntreComillas) {
  auto& c = Cliente();
  EsperaError(c.Pide(http::verb::post, kRuta + "VersionSync/" + kTokenValido),
              "Server method updateVersionSync not found.");
  EsperaError(c.Pide(http::verb::delete_, kRuta + "VersionSync/" + kTokenValido),
              "Server method cancelVersionSync not found.");
  EsperaResultado(c.Pide(http::verb::post, kRuta + "\"VersionSync\"/" + kTokenValido), "2");
  EsperaResultado(c.Pide(http::verb::put, kRuta + "%22VersionSync%22/" + kTokenValido), "2", 201);
  // Missing arguments from the body: one value, or the parameter list.
  EsperaResultado(c.Pide(http::verb::post, kRuta + "\"ValidaIP\"/" + kTokenValido, R"("del cuerpo")"),
                  R"("del cuerpo")");
  EsperaResultado(c.Pide(http::verb::get, kRuta + "ValidaIP", R"({"_parameters":[")" + kTokenValido + R"(","z"]})"),
                  R"("z")");
}

TEST_F(ServidorEnMarcha, ElPragmaDevuelveALaMismaSesionHastaQueSeTerminan) {
  const RespuestaHttp primera = Get(kRuta + "DameToken");
  const std::string pragma(primera[http::field::pragma]);
  const auto id = SesionDePragma(pragma);
  ASSERT_TRUE(id);
  EXPECT_EQ(pragma, "dssession=" + *id + ",dssessionexpires=1200000");

  const RespuestaHttp misma = Get(kRuta + "VersionSync/" + kTokenValido, "dssession=" + *id);
  EsperaResultado(misma, "2");
  EXPECT_EQ(misma[http::field::pragma], pragma);
  EXPECT_NE(Get(kRuta + "DameToken")[http::field::pragma], pragma);

  servidor_->TerminateThreads();
  const RespuestaHttp vencida = Get(kRuta + "DameToken", pragma);
  EXPECT_EQ(vencida.result_int(), 403u);
  EXPECT_EQ(vencida.reason(), "Session has expired");
  EXPECT_EQ(vencida.body(), kExpirada);
}

TEST_F(ServidorEnMarcha, UnaSesionSinUsoCaduca) {
  servidor_.reset();
  Arranca({.directorio = directorio_.Ruta(), .caducidadSesion = std::chrono::milliseconds(100)});
  const std::string pragma(Get(kRuta + "DameToken")[http::field::pragma]);
  EXPECT_EQ(pragma.substr(pragma.find(',')), ",dssessionexpires=100");
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  const RespuestaHttp r = Get(kRuta + "DameToken", pragma);
  EXPECT_EQ(r.result_int(), 403u);
  EXPECT_EQ(r.reason(), "Session has expired");
  EXPECT_EQ(r.body(), kExpirada);
}

TEST_F(ServidorEnMarcha, DetenidoYArrancadoDeNuevoOlvidaLasSesiones) {
  const std::string pragma(Get(kRuta + "DameToken")[http::field::pragma]);
  servidor_->Detiene();
  servidor_->Detiene();
  EXPECT_FALSE(servidor_->Activo());
  EXPECT_EQ(servidor_->Puerto(), 0);
  EXPECT_THROW(Cliente().Get(kRuta + "DameToken"), boost::system::system_error);

  servidor_->Start(0);
  EXPECT_TRUE(servidor_->Activo());
  puerto_ = servidor_->Puerto();
  cliente_.reset();
  EXPECT_EQ(Get(kRuta + "DameToken", pragma).result_int(), 403u);
}

TEST_F(ServidorEnMarcha, LoQueNoEsDatasnapVaAlModuloWeb) {
  const RespuestaHttp invocador = Get("/ServerFunctionInvoker");  // served to local callers only
  EXPECT_EQ(invocador.result_int(), 200u);
  EXPECT_NE(invocador.body().find("TServerMethodsSync"), std::string::npos);
  const RespuestaHttp otro = Get("/no-existe");
  EXPECT_EQ(otro.result_int(), 302u);
  EXPECT_EQ(otro[http::field::location], "/");
}

TEST_F(ServidorEnMarcha, HeadDaLosEncabezadosSinCuerpoYLaConexionSigue) {
  auto& c = Cliente();
  const std::string pagina = c.Get("/ServerFunctionInvoker").body();
  const std::string error = R"({"error":"Unsupported request method HEAD."})";

  c.Envia({http::verb::head, "/ServerFunctionInvoker", 11});
  RespuestaHttp r = c.Recibe(true);
  EXPECT_EQ(r.result_int(), 200u);
  EXPECT_EQ(r[http::field::content_length], std::to_string(pagina.size()));
  c.Envia({http::verb::head, kRuta + "DameToken", 11});
  r = c.Recibe(true);
  EXPECT_EQ(r.result_int(), 500u);
  EXPECT_EQ(r[http::field::content_length], std::to_string(error.size()));
  EsperaResultado(c.Get(kRuta + "DameToken"), R"("111111111")");
}

// The reason OpenSSL gives for a failed client handshake.
int MotivoDelRechazo(int versionTls, unsigned short puerto) {
  ContextoCliente contexto(versionTls);
  try {
    ClienteHttps cliente(contexto, puerto);
  } catch (const boost::system::system_error& e) {
    return ERR_GET_REASON(static_cast<unsigned long>(e.code().value()));
  }
  return 0;
}

TEST_F(ServidorEnMarcha, SoloAceptaTls12) {
  // The refusal must come from the server (its protocol-version alert), not
  // from a client unable to offer the version.
  for (int version : {TLS1_VERSION, TLS1_1_VERSION, TLS1_3_VERSION})
    EXPECT_EQ(MotivoDelRechazo(version, puerto_), SSL_R_TLSV1_ALERT_PROTOCOL_VERSION) << std::hex << version;
  EXPECT_EQ(MotivoDelRechazo(TLS1_2_VERSION, puerto_), 0);
}

TEST_F(ServidorEnMarcha, NoContestaHttpSinTls) {
  net::io_context io;
  beast::tcp_stream flujo(io);
  flujo.connect(net::ip::tcp::endpoint(net::ip::make_address("127.0.0.1"), puerto_));
  net::write(flujo, net::buffer(std::string("GET " + kRuta + "DameToken HTTP/1.1\r\nHost: x\r\n\r\n")));
  std::string recibido;
  beast::error_code error;
  flujo.expires_after(std::chrono::seconds(30));
  net::async_read(flujo, net::dynamic_buffer(recibido), [&](beast::error_code e, std::size_t) { error = e; });
  io.run();
  EXPECT_NE(error, beast::error::timeout);  // the server closed the connection
  EXPECT_FALSE(recibido.starts_with("HTTP/")) << recibido;
}

TEST_F(ServidorEnMarcha, LosExcesosSeContestanConErrorYElServidorSigue) {
  struct Caso {
    std::string peticion;
    unsigned estado;
    std::string mensaje;
  };
  const std::vector<Caso> casos = {
      {"GET " + kRuta + "ValidaIP/" + kTokenValido + "/" + std::string(20000, 'a') + " HTTP/1.1\r\nHost: x\r\n\r\n",
       431, "El encabezado de la petición (ruta incluida) excede el límite de 8192 bytes"},
      {"GET " + kRuta + "DameToken HTTP/1.1\r\nHost: x\r\nX-Relleno: " + std::string(10000, 'b') + "\r\n\r\n", 431,
       "El encabezado de la petición (ruta incluida) excede el límite de 8192 bytes"},
      {"POST " + kRuta + "%22DameToken%22 HTTP/1.1\r\nHost: x\r\nContent-Length: 16777217\r\n\r\n", 413,
       "El cuerpo de la petición excede el límite de 16777216 bytes"},
      {"GET /datasnap HTTP/1.1\r\nContent-Length: x\r\n\r\n", 400, ""},
  };
  for (const auto& caso : casos) {
    ClienteHttps cliente(contexto_, puerto_);
    cliente.EnviaCrudo(caso.peticion);
    const RespuestaHttp r = cliente.Recibe();
    EXPECT_EQ(r.result_int(), caso.estado);
    EXPECT_FALSE(r.keep_alive());
    rapidjson::Document d;
    d.Parse(r.body().c_str());
    ASSERT_TRUE(d.IsObject() && d.HasMember("error")) << r.body();
    if (!caso.mensaje.empty()) {
      EXPECT_EQ(d["error"].GetString(), caso.mensaje);
    }
  }
  EsperaResultado(Get(kRuta + "DameToken"), R"("111111111")");
}

TEST_F(ServidorEnMarcha, UnaLlamadaLentaNoDetieneALasDemas) {
  // A token check waits while the administrator holds it ("Congelado").
  // More held calls than I/O threads: none of them may take one.
  GuardaDatoRegestry("Congelado", "S");
  std::vector<std::unique_ptr<ClienteHttps>> lentos;
  for (int i = 0; i < 4; ++i) {
    lentos.push_back(std::make_unique<ClienteHttps>(contexto_, puerto_));
    lentos.back()->Envia({http::verb::get, kRuta + "ValidaToken/" + kTokenValido, 11});
  }

  for (int i = 0; i < 3; ++i)
    EsperaResultado(ClienteHttps(contexto_, puerto_).Get(kRuta + "DameToken"), R"("111111111")");

  GuardaDatoRegestry("Congelado", "N");
  for (auto& lento : lentos) EsperaResultado(lento->Recibe(), "true");
}

TEST_F(ServidorEnMarcha, MilConexionesAbiertasALaVez) {
  constexpr int kConexiones = 1000;
  std::vector<std::unique_ptr<ClienteHttps>> clientes;
  for (int i = 0; i < kConexiones; ++i) clientes.push_back(std::make_unique<ClienteHttps>(contexto_, puerto_));
  // Every request is in before any answer is read, then each connection is used again.
  for (auto& c : clientes) c->Envia({http::verb::get, kRuta + "DameToken", 11});
  for (auto& c : clientes) EsperaResultado(c->Recibe(), R"("111111111")");
  for (auto& c : clientes) EsperaResultado(c->Get(kRuta + "VersionSync/" + kTokenValido), "2");
}

TEST_F(ServidorEnMarcha, NoArrancaSinCertificadoValidoNiConElPuertoOcupado) {
  ServidorHttps otro({.directorio = directorio_.Ruta()});
  try {
    otro.Start(puerto_);
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(e.what(), "El puerto " + std::to_string(puerto_) + " se encuentra ocupado");
  }
  EXPECT_FALSE(otro.Activo());

  pruebas::DirectorioTemporal ajeno;
  GeneraCertificadoAutofirmado(ajeno.Ruta());
  const auto llave = directorio_.Ruta() / kArchivoLlavePrivada;
  std::filesystem::copy_file(ajeno.Ruta() / kArchivoLlavePrivada, llave,
                             std::filesystem::copy_options::overwrite_existing);
  const auto mensajeAlArrancar = [&] {
    try {
      otro.Start(0);
    } catch (const std::runtime_error& e) {
      return std::string(e.what());
    }
    return std::string("arrancó");
  };
  EXPECT_EQ(mensajeAlArrancar(), "La llave privada " + llave.string() + " no corresponde al certificado " +
                                     (directorio_.Ruta() / kArchivoCertificado).string());

  std::filesystem::resize_file(llave, 20);
  EXPECT_TRUE(mensajeAlArrancar().starts_with("No se pudo leer la llave privada " + llave.string()));

  std::filesystem::remove(directorio_.Ruta() / kArchivoCertificado);
  EXPECT_EQ(mensajeAlArrancar(),
            "No se encontró el certificado " + (directorio_.Ruta() / kArchivoCertificado).string());
  EXPECT_FALSE(otro.Activo());
}

// A data set larger than the memory budget, through a catalogue of the test.
TEST_F(ServidorEnMarcha, UnaTablaGrandeLlegaEnTrozos) {
  servidor_.reset();
  Arranca({.directorio = directorio_.Ruta(), .presupuestoTabla = 4096, .buscaMetodo = &pruebas::BuscaPrueba});
  for (unsigned version : {11u, 10u}) {
    ClienteHttps cliente(contexto_, puerto_);
    const RespuestaHttp r = cliente.Pide(http::verb::get, kRuta + "Tabla/30000", {}, {}, version);
    EXPECT_EQ(r.result_int(), 200u);
    EXPECT_EQ(r.chunked(), version == 11);
    rapidjson::Document d;
    d.Parse(r.body().c_str(), r.body().size());
    ASSERT_FALSE(d.HasParseError()) << "HTTP " << version;
    const auto& tabla = d["result"][0];
    ASSERT_EQ(tabla["CIDALMACEN"].Size(), 30000u);
    EXPECT_STREQ(tabla["CIDALMACEN"][29999].GetString(), "30000");
    EXPECT_STREQ(tabla["CNOMBREALMACEN"][0].GetString(), "Almacén 1");
    if (version == 11) {
      EsperaResultado(cliente.Get(kRuta + "Suma/2/3"), "5");  // still alive
    }
  }
}

}  // namespace
}  // namespace quorvex
