#include "hosting/ConexionHttps.h"

#include <boost/asio/dispatch.hpp>
#include <boost/asio/post.hpp>
#include <chrono>

#include "hosting/Json.h"
#include "hosting/WebModule.h"

namespace quorvex {

namespace {

constexpr auto kEsperaSaludo = std::chrono::seconds(30);
// Covers waiting for the next request on a kept-alive connection and reading it.
constexpr auto kEsperaPeticion = std::chrono::seconds(120);
constexpr auto kEsperaEscritura = std::chrono::seconds(120);
constexpr auto kEsperaCierre = std::chrono::seconds(5);

std::string_view Vista(beast::string_view v) { return {v.data(), v.size()}; }

std::string PragmaDe(const http::request<http::string_body>& peticion) {
  std::string pragma;
  for (auto [it, fin] = peticion.equal_range(http::field::pragma); it != fin; ++it) {
    if (!pragma.empty()) pragma += ',';
    pragma.append(Vista(it->value()));
  }
  return pragma;
}

// Paths under "/datasnap" go to the REST transport, every other to the web module.
Respuesta Responde(const http::request<http::string_body>& peticion, const std::string& remota,
                   const EntornoConexiones& entorno) {
  try {
    const std::string_view objetivo = Vista(peticion.target());
    if (objetivo.starts_with("/datasnap")) {
      const std::string pragma = PragmaDe(peticion);
      return entorno.rest->Atiende({peticion.method(), objetivo, peticion.body(), pragma});
    }
    TWebModuleCorvane modulo;
    Respuesta respuesta;
    respuesta.http = modulo.Atiende({peticion, remota, entorno.puerto});
    return respuesta;
  } catch (const std::exception& e) {
    return RespuestaJson(http::status::internal_server_error, ObjetoError(e.what()));
  } catch (...) {
    return RespuestaJson(http::status::internal_server_error, ObjetoError("Excepción desconocida"));
  }
}

std::string DireccionRemota(const net::ip::tcp::socket& socket) {
  beast::error_code error;
  const auto extremo = socket.remote_endpoint(error);
  return error ? std::string() : extremo.address().to_string();
}

}  // namespace

ConexionHttps::ConexionHttps(net::ip::tcp::socket socket, net::ssl::context& tls, const EntornoConexiones& entorno)
    : flujo_(beast::tcp_stream(std::move(socket)), tls), entorno_(entorno) {
  remota_ = DireccionRemota(beast::get_lowest_layer(flujo_).socket());
}

void ConexionHttps::Inicia() {
  // The acceptor's handler is not on this connection's strand.
  net::dispatch(flujo_.get_executor(), [self = shared_from_this()] {
    beast::get_lowest_layer(self->flujo_).expires_after(kEsperaSaludo);
    self->flujo_.async_handshake(net::ssl::stream_base::server, [self](beast::error_code error) {
      if (!error) self->Lee();
    });
  });
}

void ConexionHttps::Lee() {
  parser_.emplace();
  parser_->header_limit(static_cast<std::uint32_t>(entorno_.limiteEncabezado));
  parser_->body_limit(entorno_.limiteCuerpo);
  beast::get_lowest_layer(flujo_).expires_after(kEsperaPeticion);
  http::async_read(flujo_, buffer_, *parser_,
                   [self = shared_from_this()](beast::error_code error, std::size_t) { self->AlLeer(error); });
}

void ConexionHttps::AlLeer(beast::error_code error) {
  if (error == http::error::header_limit)
    return RespondeError(http::status::request_header_fields_too_large,
                         "El encabezado de la petición (ruta incluida) excede el límite de " +
                             std::to_string(entorno_.limiteEncabezado) + " bytes");
  if (error == http::error::body_limit)
    return RespondeError(http::status::payload_too_large, "El cuerpo de la petición excede el límite de " +
                                                              std::to_string(entorno_.limiteCuerpo) + " bytes");
  if (error == http::error::end_of_stream) return Cierra();
  if (error && error.category() == http::make_error_code(http::error::bad_target).category())
    return RespondeError(http::status::bad_request, "Petición HTTP no válida: " + error.message());
  if (error) return;  // timeout, reset or TLS failure: the connection is dropped

  peticion_ = parser_->release();
  beast::get_lowest_layer(flujo_).expires_never();
  net::post(*entorno_.trabajadores, [self = shared_from_this()] {
    Respuesta respuesta = Responde(self->peticion_, self->remota_, self->entorno_);
    net::post(self->flujo_.get_executor(),
              [self, respuesta = std::move(respuesta)]() mutable { self->Escribe(std::move(respuesta), false); });
  });
}

void ConexionHttps::RespondeError(http::status estado, const std::string& mensaje) {
  peticion_ = {};
  Escribe(RespuestaJson(estado, ObjetoError(mensaje)), true);
}

void ConexionHttps::Escribe(Respuesta respuesta, bool cerrar) {
  respuesta_ = std::move(respuesta);
  auto& mensaje = respuesta_.http;
  const bool enTrozos = respuesta_.flujo && peticion_.version() >= 11;
  // Without chunked encoding (HTTP/1.0) a streamed body ends when the connection does.
  mantener_ = !cerrar && peticion_.keep_alive() && (!respuesta_.flujo || enTrozos);
  mensaje.version(peticion_.version());
  mensaje.keep_alive(mantener_);
  const bool soloEncabezado = peticion_.method() == http::verb::head;
  beast::get_lowest_layer(flujo_).expires_after(kEsperaEscritura);

  if (!respuesta_.flujo) {
    if (!soloEncabezado) {
      mensaje.prepare_payload();
    } else if (!mensaje.has_content_length()) {
      // HEAD: the size of what GET would send, without the body.
      mensaje.content_length(mensaje.body().size());
      mensaje.body().clear();
    }
    http::async_write(flujo_, mensaje,
                      [self = shared_from_this()](beast::error_code error, std::size_t) { self->AlEscribir(error); });
    return;
  }
  encabezado_.emplace(std::move(mensaje.base()));
  encabezado_->chunked(enTrozos);
  serializador_.emplace(*encabezado_);
  http::async_write_header(flujo_, *serializador_,
                           [self = shared_from_this(), soloEncabezado](beast::error_code error, std::size_t) {
                             if (error || soloEncabezado) return self->AlEscribir(error);
                             self->EscribePieza();
                           });
}

void ConexionHttps::EscribePieza() {
  std::string_view pieza;
  try {
    pieza = respuesta_.flujo->Siguiente();
  } catch (const std::exception&) {
    return;  // the header is gone already: only dropping the connection is left
  }
  auto sigue = [self = shared_from_this()](beast::error_code error, std::size_t) {
    if (error) return self->AlEscribir(error);
    self->EscribePieza();
  };
  const bool enTrozos = encabezado_->chunked();
  if (pieza.empty()) {
    if (!enTrozos) return AlEscribir({});
    net::async_write(flujo_, http::make_chunk_last(),
                     [self = shared_from_this()](beast::error_code error, std::size_t) { self->AlEscribir(error); });
  } else if (enTrozos) {
    net::async_write(flujo_, http::make_chunk(net::buffer(pieza.data(), pieza.size())), std::move(sigue));
  } else {
    net::async_write(flujo_, net::buffer(pieza.data(), pieza.size()), std::move(sigue));
  }
}

void ConexionHttps::AlEscribir(beast::error_code error) {
  peticion_ = {};  // an idle connection keeps no body
  respuesta_ = {};
  serializador_.reset();
  encabezado_.reset();
  if (error) return;
  if (mantener_) return Lee();
  Cierra();
}

void ConexionHttps::Cierra() {
  beast::get_lowest_layer(flujo_).expires_after(kEsperaCierre);
  flujo_.async_shutdown([self = shared_from_this()](beast::error_code) {
    beast::error_code ignorado;
    beast::get_lowest_layer(self->flujo_).socket().shutdown(net::ip::tcp::socket::shutdown_both, ignorado);
  });
}

}  // namespace quorvex
