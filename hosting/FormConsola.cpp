#include "hosting/FormConsola.h"

#include "core/Programa.h"
#include "core/Registro.h"
#include "core/Texto.h"
#include "core/Token.h"

namespace quorvex {

namespace {

OpcionesServidor ConDirectorio(OpcionesServidor opciones) {
  if (opciones.directorio.empty()) opciones.directorio = DirectorioPrograma();
  return opciones;
}

}  // namespace

unsigned short PuertoConfigurado() {
  const int puerto = TextoAEntero(LeeDatoRegestry("Puerto"), kPuertoPredeterminado);
  return puerto > 0 && puerto <= 65535 ? static_cast<unsigned short>(puerto) : kPuertoPredeterminado;
}

TFormConsola1::TFormConsola1(bool gServicio, OpcionesConsola opciones)
    : FServer(ConDirectorio(std::move(opciones.servidor))), intervaloToken_(opciones.intervaloToken) {
  if (gServicio) StartServer();
  TimerTokenTimer();
  timer_ = std::jthread([this](std::stop_token alto) { TimerToken(alto); });
}

TFormConsola1::~TFormConsola1() {
  timer_.request_stop();
  timer_.join();
  Stop1Click();
}

void TFormConsola1::StartServer() {
  FServer.Start(PuertoConfigurado());
  RegistraToken();
}

void TFormConsola1::Stop1Click() {
  FServer.TerminateThreads();
  FServer.Detiene();
}

void TFormConsola1::TimerToken(std::stop_token alto) {
  std::unique_lock lock(mutexTimer_);
  for (;;) {
    // Wakes at the interval, or at once when the console is destroyed.
    despierta_.wait_for(lock, alto, intervaloToken_, [] { return false; });
    if (alto.stop_requested()) return;
    lock.unlock();
    TimerTokenTimer();
    lock.lock();
  }
}

}  // namespace quorvex
