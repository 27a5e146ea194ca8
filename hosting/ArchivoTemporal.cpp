#include "hosting/ArchivoTemporal.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace quorvex {

namespace {

[[noreturn]] void Falla(const std::string& que) {
  throw std::runtime_error(que + " del archivo temporal: " + std::strerror(errno));
}

int AbreAnonimo() {
  const std::string directorio = std::filesystem::temp_directory_path().string();
  int fd = ::open(directorio.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd >= 0) return fd;
  // File systems without O_TMPFILE: a named file, unlinked at once.
  std::string plantilla = directorio + "/quorvex-XXXXXX";
  fd = ::mkostemp(plantilla.data(), O_CLOEXEC);
  if (fd < 0) Falla("Error al crear");
  ::unlink(plantilla.c_str());
  return fd;
}

}  // namespace

ArchivoTemporal::ArchivoTemporal() : fd_(AbreAnonimo()) {}

ArchivoTemporal::~ArchivoTemporal() { ::close(fd_); }

std::uint64_t ArchivoTemporal::Agrega(std::string_view datos) {
  const std::uint64_t inicio = fin_;
  while (!datos.empty()) {
    const ssize_t escritos = ::pwrite(fd_, datos.data(), datos.size(), static_cast<off_t>(fin_));
    if (escritos < 0) {
      if (errno == EINTR) continue;
      Falla("Error al escribir");
    }
    datos.remove_prefix(static_cast<std::size_t>(escritos));
    fin_ += static_cast<std::uint64_t>(escritos);
  }
  return inicio;
}

void ArchivoTemporal::Lee(std::uint64_t desde, std::span<char> destino) const {
  while (!destino.empty()) {
    const ssize_t leidos = ::pread(fd_, destino.data(), destino.size(), static_cast<off_t>(desde));
    if (leidos < 0 && errno == EINTR) continue;
    if (leidos < 0) Falla("Error al leer");
    if (leidos == 0) throw std::runtime_error("Lectura más allá del fin del archivo temporal");
    destino = destino.subspan(static_cast<std::size_t>(leidos));
    desde += static_cast<std::uint64_t>(leidos);
  }
}

}  // namespace quorvex
