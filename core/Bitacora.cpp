#include "core/Bitacora.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <thread>

#include "core/Programa.h"
#include "core/Registro.h"

namespace quorvex {

namespace {

using Reloj = std::chrono::system_clock;

// A line that cannot be written after these attempts is dropped: the log must
// never hold up the operation that logs.
constexpr int kIntentosEscritura = 3;
constexpr auto kPausaReintento = std::chrono::milliseconds(20);

// One writer at a time in the process, so that the rotation, the line and
// "Ultimo error " stay in step.
std::mutex gMutexBitacora;

std::mutex gMutexRemoteAddr;
std::string gRemoteAddr;

std::atomic<bool> gBitacoraMActiva{false};

std::tm HoraLocal(Reloj::time_point momento) {
  const std::time_t segundos = Reloj::to_time_t(momento);
  std::tm local{};
  localtime_r(&segundos, &local);
  return local;
}

std::chrono::year_month_day DiaLocal(Reloj::time_point momento) {
  const std::tm local = HoraLocal(momento);
  return std::chrono::year{local.tm_year + 1900} / std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)) /
         std::chrono::day(static_cast<unsigned>(local.tm_mday));
}

std::string NombreDia(std::chrono::year_month_day dia) {
  char nombre[32];
  std::snprintf(nombre, sizeof nombre, "BitacoraSync%04d%02u%02u.txt", static_cast<int>(dia.year()),
                static_cast<unsigned>(dia.month()), static_cast<unsigned>(dia.day()));
  return nombre;
}

std::string FechaHora(Reloj::time_point momento) {
  const std::tm local = HoraLocal(momento);
  char texto[32];
  std::strftime(texto, sizeof texto, "%Y-%m-%d %H:%M:%S", &local);
  return texto;
}

std::string RemoteAddr() {
  std::lock_guard bloqueo(gMutexRemoteAddr);
  return gRemoteAddr;
}

// One append write per line: lines of other threads and processes then never
// interleave. A short write already left part of the line in the file, so it
// is not repeated.
bool AgregaLinea(const std::filesystem::path& archivo, const std::string& linea) {
  const int fd = ::open(archivo.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  ssize_t escritos;
  do {
    escritos = ::write(fd, linea.data(), linea.size());
  } while (escritos < 0 && errno == EINTR);
  ::close(fd);
  return escritos >= 0;
}

void EscribeLinea(const std::filesystem::path& archivo, const std::string& linea) {
  for (int intento = 1; !AgregaLinea(archivo, linea) && intento < kIntentosEscritura; ++intento) {
    std::this_thread::sleep_for(kPausaReintento);
  }
}

}  // namespace

std::string NombreArchivoBitacora(Reloj::time_point dia) { return NombreDia(DiaLocal(dia)); }

namespace detalle {

void Bitacora(const std::string& pDato, Reloj::time_point ahora) {
  try {
    std::lock_guard bloqueo(gMutexBitacora);
    const auto& directorio = DirectorioPrograma();
    const auto hoy = DiaLocal(ahora);
    const auto archivo = directorio / NombreDia(hoy);
    std::error_code error;
    // Old files go only on a day whose log already exists; the two days
    // before today always stay.
    if (std::filesystem::exists(archivo, error)) {
      for (int dias : {3, 4, 5}) {
        const std::chrono::year_month_day viejo{std::chrono::sys_days(hoy) - std::chrono::days(dias)};
        std::filesystem::remove(directorio / NombreDia(viejo), error);
      }
    }
    const std::string remoto = RemoteAddr();
    EscribeLinea(archivo, FechaHora(ahora) + " " + remoto + " " + pDato + "\n");
    GuardaDatoRegestry("Ultimo error ", FechaHora(Reloj::now()) + " " + remoto + " " + pDato);
  } catch (...) {
    // Logging is best effort: the operation that logs goes on regardless.
  }
}

}  // namespace detalle

void Bitacora(const std::string& pDato) { detalle::Bitacora(pDato, Reloj::now()); }

void BitacoraM(const std::string& pDato) {
  if (BitacoraMActiva()) Bitacora(pDato);
}

void ActualziaRemoteIP(const std::string& pIP) {
  if (pIP.empty()) return;
  std::lock_guard bloqueo(gMutexRemoteAddr);
  gRemoteAddr = pIP;
}

void FijaBitacoraMActiva(bool activa) { gBitacoraMActiva = activa; }

bool BitacoraMActiva() { return gBitacoraMActiva; }

}  // namespace quorvex
