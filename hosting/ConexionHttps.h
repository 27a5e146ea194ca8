#pragma once
// One accepted TLS connection: handshake, then request/answer cycles while the
// caller keeps it alive. Reading and writing run on the connection's strand;
// the answer is made on the worker pool, since a method may take long, and is
// written back on the strand.
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ssl.hpp>
#include <boost/asio/thread_pool.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/ssl.hpp>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "hosting/Respuesta.h"
#include "hosting/Rest.h"

namespace quorvex {

namespace net = boost::asio;
namespace beast = boost::beast;

// What every connection of a running server shares; outlives the connections.
struct EntornoConexiones {
  net::thread_pool* trabajadores;
  const TransporteRest* rest;
  unsigned short puerto;
  std::size_t limiteEncabezado;
  std::size_t limiteCuerpo;
};

class ConexionHttps : public std::enable_shared_from_this<ConexionHttps> {
 public:
  ConexionHttps(net::ip::tcp::socket socket, net::ssl::context& tls, const EntornoConexiones& entorno);
  void Inicia();

 private:
  void Lee();
  void AlLeer(beast::error_code error);
  void RespondeError(http::status estado, const std::string& mensaje);
  void Escribe(Respuesta respuesta, bool cerrar);
  void EscribePieza();
  void AlEscribir(beast::error_code error);
  void Cierra();

  beast::ssl_stream<beast::tcp_stream> flujo_;
  const EntornoConexiones& entorno_;
  std::string remota_;
  beast::flat_buffer buffer_;
  std::optional<http::request_parser<http::string_body>> parser_;
  http::request<http::string_body> peticion_;
  // The answer being written; a streamed one goes as header then pieces.
  Respuesta respuesta_;
  std::optional<http::response<http::empty_body>> encabezado_;
  std::optional<http::response_serializer<http::empty_body>> serializador_;
  bool mantener_ = false;
};

}  // namespace quorvex
