#include "core/Programa.h"

#include <mutex>
#include <utility>

#include "core/Bitacora.h"

namespace quorvex {

namespace {

std::filesystem::path gDirectorioPrograma;

std::mutex gMutexTerminacion;
std::function<void()> gTermina;

}  // namespace

void FijaDirectorioPrograma(std::filesystem::path directorio) { gDirectorioPrograma = std::move(directorio); }

const std::filesystem::path& DirectorioPrograma() { return gDirectorioPrograma; }

void FijaTerminacion(std::function<void()> termina) {
  std::lock_guard bloqueo(gMutexTerminacion);
  gTermina = std::move(termina);
}

void SolicitaTerminacion() {
  std::function<void()> termina;
  {
    std::lock_guard bloqueo(gMutexTerminacion);
    termina = gTermina;
  }
  // Called outside the lock: the handler may well stop threads that log or
  // install another handler.
  if (termina) {
    termina();
  } else {
    Bitacora("Se pidió terminar la aplicación, pero no hay quien la termine");
  }
}

}  // namespace quorvex
