#pragma once
// An answer as the dispatchers hand it to the connection that writes it.
#include <boost/beast/http.hpp>
#include <memory>
#include <string_view>

namespace quorvex {

namespace http = boost::beast::http;

// A body produced piece by piece, so an answer of any size is sent without
// being held whole in memory.
class FuenteCuerpo {
 public:
  virtual ~FuenteCuerpo() = default;
  // The next piece, valid until the following call; empty at the end.
  // Throws std::runtime_error when the data cannot be read.
  virtual std::string_view Siguiente() = 0;
};

struct Respuesta {
  // Status, headers and, unless flujo is set, the whole body.
  http::response<http::string_body> http;
  // When set the body comes from here (chunked transfer encoding).
  std::unique_ptr<FuenteCuerpo> flujo;
};

inline constexpr const char* kTipoJson = "application/json";

// A complete JSON answer.
Respuesta RespuestaJson(http::status estado, std::string cuerpo);

}  // namespace quorvex
