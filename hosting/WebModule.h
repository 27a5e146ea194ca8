#pragma once
// The web module: every request whose path does not begin with "/datasnap"
// (the test pages, static files of the installation directory, the generated
// JavaScript proxy, redirects).
#include <boost/beast/http.hpp>
#include <string>

namespace quorvex {

namespace http = boost::beast::http;

struct PeticionWeb {
  const http::request<http::string_body>& http;
  std::string direccionRemota;  // caller address as text, e.g. "127.0.0.1" or "::1"
  unsigned short puertoServidor;
};

class TWebModuleCorvane {
 public:
  http::response<http::string_body> Atiende(const PeticionWeb& peticion);
};

}  // namespace quorvex
