#include "hosting/ServidorHttps.h"

#include <sys/resource.h>

#include <algorithm>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/strand.hpp>
#include <optional>
#include <stdexcept>
#include <thread>
#include <vector>

#include "core/Bitacora.h"
#include "hosting/ConexionHttps.h"
#include "hosting/ContextoTls.h"

namespace quorvex {

namespace {

using tcp = net::ip::tcp;

// Every connection is a descriptor; the default soft limit would refuse
// callers long before the memory or the threads run short.
void ElevaLimiteDescriptores() {
  rlimit limite{};
  if (getrlimit(RLIMIT_NOFILE, &limite) != 0) return;
  const rlim_t deseado = limite.rlim_max == RLIM_INFINITY ? rlim_t{1 << 20} : limite.rlim_max;
  if (limite.rlim_cur >= deseado) return;
  limite.rlim_cur = deseado;
  setrlimit(RLIMIT_NOFILE, &limite);
}

void Escucha(tcp::acceptor& aceptador, unsigned short puerto) {
  const tcp::endpoint extremo(tcp::v4(), puerto);
  beast::error_code error;
  aceptador.open(extremo.protocol(), error);
  if (!error) aceptador.set_option(net::socket_base::reuse_address(true), error);
  if (!error) aceptador.bind(extremo, error);
  if (!error) aceptador.listen(net::socket_base::max_listen_connections, error);
  if (error == net::error::address_in_use)
    throw std::runtime_error("El puerto " + std::to_string(puerto) + " se encuentra ocupado");
  if (error) throw std::runtime_error("No se pudo abrir el puerto " + std::to_string(puerto) + ": " + error.message());
}

}  // namespace

// Everything that exists only while the server is active.
struct ServidorHttps::Marcha {
  Marcha(const OpcionesServidor& opciones, const TransporteRest& rest, SesionesRest& todas, unsigned short puerto)
      : tls(CreaContextoTls(opciones.directorio / kArchivoCertificado, opciones.directorio / kArchivoLlavePrivada)),
        aceptador(io),
        reintento(io),
        depuracion(io),
        sesiones(todas),
        periodoDepuracion(std::clamp<std::chrono::milliseconds>(opciones.caducidadSesion / 2, std::chrono::seconds(1),
                                                                std::chrono::minutes(1))) {
    Escucha(aceptador, puerto);
    trabajadores.emplace(std::max(1u, opciones.hilosMetodos));
    entorno = {&*trabajadores, &rest, aceptador.local_endpoint().port(), opciones.limiteEncabezado,
               opciones.limiteCuerpo};
  }

  // Stops in this order: I/O threads, then the method calls (those still
  // running finish; queued ones are dropped), then the connections and the
  // listener with the I/O context.
  ~Marcha() {
    io.stop();
    for (auto& hilo : hilos) hilo.join();
    if (trabajadores) {
      trabajadores->stop();
      trabajadores->join();
      trabajadores.reset();
    }
  }

  void Arranca(unsigned hilosIo) {
    Acepta();
    ProgramaDepuracion();
    for (unsigned i = 0; i < std::max(1u, hilosIo); ++i) hilos.emplace_back([this] { CorreIo(); });
  }

  void Acepta() {
    aceptador.async_accept(net::make_strand(io), [this](beast::error_code error, tcp::socket socket) {
      if (error == net::error::operation_aborted) return;
      if (error) {
        // Out of descriptors, for instance: try again shortly instead of spinning.
        reintento.expires_after(std::chrono::milliseconds(50));
        reintento.async_wait([this](beast::error_code e) {
          if (!e) Acepta();
        });
        return;
      }
      // A streamed answer goes out as several writes; without this the later
      // ones wait for the client's delayed acknowledgement (40 ms).
      socket.set_option(tcp::no_delay(true), error);
      std::make_shared<ConexionHttps>(std::move(socket), tls, entorno)->Inicia();
      Acepta();
    });
  }

  void ProgramaDepuracion() {
    depuracion.expires_after(periodoDepuracion);
    depuracion.async_wait([this](beast::error_code error) {
      if (error) return;
      sesiones.Depura();
      ProgramaDepuracion();
    });
  }

  void CorreIo() {
    for (;;) {
      try {
        io.run();
        return;
      } catch (const std::exception& e) {
        Bitacora(std::string("Error en el servidor HTTPS: ") + e.what());
      }
    }
  }

  net::ssl::context tls;
  net::io_context io;
  tcp::acceptor aceptador;
  net::steady_timer reintento;
  net::steady_timer depuracion;
  SesionesRest& sesiones;
  std::chrono::milliseconds periodoDepuracion;
  std::optional<net::thread_pool> trabajadores;
  EntornoConexiones entorno{};
  std::vector<std::thread> hilos;
};

ServidorHttps::ServidorHttps(OpcionesServidor opciones)
    : opciones_(std::move(opciones)),
      sesiones_(opciones_.caducidadSesion),
      rest_(sesiones_, opciones_.presupuestoTabla, opciones_.buscaMetodo) {}

ServidorHttps::~ServidorHttps() { Detiene(); }

void ServidorHttps::Start(unsigned short puerto) {
  std::lock_guard bloqueo(control_);
  if (marcha_) return;
  ElevaLimiteDescriptores();
  auto marcha = std::make_unique<Marcha>(opciones_, rest_, sesiones_, puerto);
  marcha->Arranca(opciones_.hilosIo);
  marcha_ = std::move(marcha);
}

void ServidorHttps::Detiene() {
  std::lock_guard bloqueo(control_);
  if (!marcha_) return;
  marcha_.reset();
  sesiones_.TerminaTodas();
}

bool ServidorHttps::Activo() const {
  std::lock_guard bloqueo(control_);
  return marcha_ != nullptr;
}

unsigned short ServidorHttps::Puerto() const {
  std::lock_guard bloqueo(control_);
  return marcha_ ? marcha_->entorno.puerto : 0;
}

void ServidorHttps::TerminateThreads() { sesiones_.TerminaTodas(); }

}  // namespace quorvex
