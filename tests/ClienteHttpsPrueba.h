#pragma once
// A small HTTPS client for the server tests: one connection per object,
// synchronous calls (each runs the shared I/O context until it is done or
// times out), and the TLS version chosen by the test.
#include <openssl/ssl.h>

#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ssl.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/ssl.hpp>
#include <chrono>
#include <string>

namespace quorvex::pruebas {

namespace net = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace ssl = net::ssl;

// The I/O context and TLS settings that clients share. Exactly one TLS
// version is offered; the server's certificate is not checked.
struct ContextoCliente {
  explicit ContextoCliente(int versionTls = TLS1_2_VERSION) : tls(ssl::context::tls_client) {
    SSL_CTX* ctx = tls.native_handle();
    // Old versions must really be offered, to see the server refuse them.
    SSL_CTX_set_security_level(ctx, 0);
    SSL_CTX_set_cipher_list(ctx, "ALL:@SECLEVEL=0");
    SSL_CTX_set_min_proto_version(ctx, versionTls);
    SSL_CTX_set_max_proto_version(ctx, versionTls);
    tls.set_verify_mode(ssl::verify_none);
  }
  net::io_context io;
  ssl::context tls;
};

using RespuestaHttp = http::response<http::string_body>;

class ClienteHttps {
 public:
  // Connects to 127.0.0.1 and shakes hands. Throws beast::system_error.
  ClienteHttps(ContextoCliente& contexto, unsigned short puerto) : io_(contexto.io), flujo_(contexto.io, contexto.tls) {
    const net::ip::tcp::endpoint servidor(net::ip::make_address("127.0.0.1"), puerto);
    Corre([&](auto listo) { beast::get_lowest_layer(flujo_).async_connect(servidor, listo); });
    Corre([&](auto listo) { flujo_.async_handshake(ssl::stream_base::client, listo); });
  }

  void Envia(http::request<http::string_body> peticion) {
    peticion.set(http::field::host, "127.0.0.1");
    peticion.prepare_payload();
    Corre([&](auto listo) { http::async_write(flujo_, peticion, listo); });
  }
  // Bytes as they are, for requests no well-behaved client would write.
  void EnviaCrudo(const std::string& texto) {
    Corre([&](auto listo) { net::async_write(flujo_, net::buffer(texto), listo); });
  }
  // cabeza: the answer to a HEAD request, which has no body whatever its headers say.
  RespuestaHttp Recibe(bool cabeza = false) {
    http::response_parser<http::string_body> parser;
    parser.body_limit(1ull << 30);
    parser.skip(cabeza);
    Corre([&](auto listo) { http::async_read(flujo_, buffer_, parser, listo); });
    return parser.release();
  }

  RespuestaHttp Pide(http::verb verbo, const std::string& objetivo, const std::string& cuerpo = {},
                     const std::string& pragma = {}, unsigned version = 11) {
    http::request<http::string_body> peticion(verbo, objetivo, version);
    if (!pragma.empty()) peticion.set(http::field::pragma, pragma);
    peticion.body() = cuerpo;
    Envia(std::move(peticion));
    return Recibe();
  }
  RespuestaHttp Get(const std::string& objetivo, const std::string& pragma = {}) {
    return Pide(http::verb::get, objetivo, {}, pragma);
  }

 private:
  template <typename Inicia>
  void Corre(Inicia inicia) {
    beast::error_code error = net::error::would_block;
    beast::get_lowest_layer(flujo_).expires_after(std::chrono::seconds(60));
    inicia([&error](beast::error_code e, auto&&...) { error = e; });
    io_.restart();
    io_.run();
    if (error) throw beast::system_error(error);
  }

  net::io_context& io_;
  beast::ssl_stream<beast::tcp_stream> flujo_;
  beast::flat_buffer buffer_;
};

}  // namespace quorvex::pruebas
