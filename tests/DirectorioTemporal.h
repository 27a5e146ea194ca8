#pragma once
// A fresh installation directory for one test: created empty, made the
// program's directory, and removed with everything in it afterwards (the
// previous program directory is restored).
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

#include "core/Programa.h"

namespace quorvex::pruebas {

class DirectorioTemporal {
 public:
  DirectorioTemporal() : anterior_(DirectorioPrograma()) {
    std::string plantilla = (std::filesystem::temp_directory_path() / "quorvex-XXXXXX").string();
    if (mkdtemp(plantilla.data()) == nullptr) {
      throw std::system_error(errno, std::generic_category(), "mkdtemp " + plantilla);
    }
    ruta_ = plantilla;
    FijaDirectorioPrograma(ruta_);
  }
  ~DirectorioTemporal() {
    FijaDirectorioPrograma(anterior_);
    std::error_code ignorado;
    std::filesystem::remove_all(ruta_, ignorado);
  }
  DirectorioTemporal(const DirectorioTemporal&) = delete;
  DirectorioTemporal& operator=(const DirectorioTemporal&) = delete;

  const std::filesystem::path& Ruta() const { return ruta_; }

 private:
  std::filesystem::path anterior_;
  std::filesystem::path ruta_;
};

// Fixture for tests that need nothing but their own installation directory.
class ConDirectorioTemporal : public ::testing::Test {
 protected:
  DirectorioTemporal directorio_;
};

}  // namespace quorvex::pruebas
