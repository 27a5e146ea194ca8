#pragma once
// The console: owns the HTTPS server and the token timer. The service build
// starts serving when the console is created; the desktop build starts and
// stops it from its menu.
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "hosting/ServidorHttps.h"

namespace quorvex {

inline constexpr unsigned short kPuertoPredeterminado = 8081;

struct OpcionesConsola {
  // Interval of the token rotation.
  std::chrono::milliseconds intervaloToken{300'000};
  // Settings of the HTTPS server; its directory defaults to the installation directory.
  OpcionesServidor servidor;
};

class TFormConsola1 {
 public:
  // Creates the server, starts it when gServicio (a start failure raises),
  // rotates the token once and starts the token timer.
  TFormConsola1(bool gServicio, OpcionesConsola opciones = {});
  ~TFormConsola1();
  TFormConsola1(const TFormConsola1&) = delete;
  TFormConsola1& operator=(const TFormConsola1&) = delete;

  // Listens on "Puerto" (8081 when empty or not a number) and registers the
  // current token. Raises when the server cannot start.
  void StartServer();
  // Ends all REST sessions and stops listening.
  void Stop1Click();
  bool Activo() const { return FServer.Activo(); }
  unsigned short gPuerto() const { return FServer.Puerto(); }

 private:
  void TimerToken(std::stop_token alto);

  ServidorHttps FServer;
  std::chrono::milliseconds intervaloToken_;
  std::mutex mutexTimer_;
  std::condition_variable_any despierta_;
  std::jthread timer_;
};

// The port of the configuration value "Puerto".
unsigned short PuertoConfigurado();

}  // namespace quorvex
