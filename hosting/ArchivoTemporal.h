#pragma once
// An anonymous temporary file (no name in the file system, gone when closed)
// that grows by appending and is read back by position.
#include <cstdint>
#include <span>
#include <string_view>

namespace quorvex {

class ArchivoTemporal {
 public:
  // Created in the system's temporary directory. Throws std::runtime_error.
  ArchivoTemporal();
  ~ArchivoTemporal();
  ArchivoTemporal(const ArchivoTemporal&) = delete;
  ArchivoTemporal& operator=(const ArchivoTemporal&) = delete;

  // Appends the data; returns the offset where it begins. Throws std::runtime_error.
  std::uint64_t Agrega(std::string_view datos);
  // Fills destino from the offset. Throws std::runtime_error.
  void Lee(std::uint64_t desde, std::span<char> destino) const;

 private:
  int fd_;
  std::uint64_t fin_ = 0;
};

}  // namespace quorvex
