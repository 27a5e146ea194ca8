#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>

#include "DirectorioTemporal.h"
#include "core/Bitacora.h"
#include "core/Programa.h"

namespace quorvex {
namespace {

class Terminacion : public pruebas::ConDirectorioTemporal {
 protected:
  ~Terminacion() override { FijaTerminacion(nullptr); }

  std::string TextoBitacora() const {
    std::ifstream archivo(directorio_.Ruta() / NombreArchivoBitacora(std::chrono::system_clock::now()));
    return {std::istreambuf_iterator<char>(archivo), {}};
  }
};

TEST_F(Terminacion, LlamaAlManejadorInstalado) {
  int llamadas = 0;
  FijaTerminacion([&] { ++llamadas; });
  SolicitaTerminacion();
  EXPECT_EQ(llamadas, 1);
  EXPECT_EQ(TextoBitacora(), "");
}

TEST_F(Terminacion, SinManejadorSoloLaAnota) {
  FijaTerminacion(nullptr);
  SolicitaTerminacion();
  EXPECT_NE(TextoBitacora().find("Se pidió terminar la aplicación"), std::string::npos) << TextoBitacora();
}

}  // namespace
}  // namespace quorvex
