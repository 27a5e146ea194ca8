#pragma once
// Fixture for end-to-end tests: the demo installation in a temporary
// directory, served over HTTPS on a free port.
#include <optional>

#include "core/Registro.h"
#include "core/Token.h"
#include "db/demo/DatosDemo.h"
#include "hosting/Certificado.h"
#include "hosting/ServidorHttps.h"
#include "tests/ClienteHttpsPrueba.h"
#include "tests/DirectorioTemporal.h"

namespace quorvex::pruebas {

class ConServidorDemo : public ConDirectorioTemporal {
 protected:
  void SetUp() override {
    TokenAcceso::Global().Fija("111111111", "222222222");
    GeneraCertificadoAutofirmado(directorio_.Ruta());
    db::demo::CreaDemo(directorio_.Ruta() / "datos");
    GuardaDatoRegestry("Provider", "SQLite");
    GuardaDatoRegestry("ServidorDB", (directorio_.Ruta() / "datos").string());
    servidor_.emplace(OpcionesServidor{.directorio = directorio_.Ruta()});
    servidor_->Start(0);
  }

  std::optional<ServidorHttps> servidor_;
  ContextoCliente contexto_;
};

}  // namespace quorvex::pruebas
