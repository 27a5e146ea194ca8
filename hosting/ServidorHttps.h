#pragma once
// The HTTPS server that the console owns: TLS 1.2 only, certificate and key
// from the installation directory, keep-alive connections served by a few I/O
// threads, and method calls run on a bounded worker pool so that a slow call
// never holds up other connections. Paths under "/datasnap" go to the REST
// transport, every other path to the web module.
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <mutex>

#include "hosting/Certificado.h"
#include "hosting/Rest.h"
#include "hosting/SesionesRest.h"
#include "hosting/TablaJson.h"

namespace quorvex {

struct OpcionesServidor {
  // Where kArchivoCertificado and kArchivoLlavePrivada are: the installation directory.
  std::filesystem::path directorio;
  unsigned hilosIo = 2;
  unsigned hilosMetodos = 32;
  std::chrono::milliseconds caducidadSesion = kCaducidadSesion;
  // Request line and headers together; beyond it the answer is 431.
  std::size_t limiteEncabezado = 8 * 1024;
  // Beyond it the answer is 413.
  std::size_t limiteCuerpo = 16 * 1024 * 1024;
  std::size_t presupuestoTabla = kPresupuestoTabla;
  // The methods served; the catalogue of TServerMethodsSync unless a test says otherwise.
  TransporteRest::Buscador buscaMetodo = &BuscaMetodo;
};

class ServidorHttps {
 public:
  explicit ServidorHttps(OpcionesServidor opciones);
  ~ServidorHttps();
  ServidorHttps(const ServidorHttps&) = delete;
  ServidorHttps& operator=(const ServidorHttps&) = delete;

  // Reads the certificate and key, listens on the port on every IPv4 address
  // (0: a free port, see Puerto) and serves. Does nothing while active.
  // Throws std::runtime_error, with the server left inactive, when the port is
  // taken or the certificate or key is missing, unreadable or mismatched.
  void Start(unsigned short puerto);
  // Closes the listener, drops every connection, waits for the method calls
  // still running and ends all sessions. Does nothing while inactive. Must not
  // be called from a method call (it waits for those).
  void Detiene();
  bool Activo() const;
  // The port listened on; 0 while inactive.
  unsigned short Puerto() const;
  // Ends all REST sessions; a later call naming one of them gets status 403.
  void TerminateThreads();

 private:
  struct Marcha;

  OpcionesServidor opciones_;
  SesionesRest sesiones_;
  TransporteRest rest_;
  mutable std::mutex control_;
  std::unique_ptr<Marcha> marcha_;
};

}  // namespace quorvex
