#include "hosting/ComandoDemo.h"

#include <exception>

#include "core/Registro.h"
#include "db/demo/DatosDemo.h"
#include "hosting/Certificado.h"
#include "hosting/FormConsola.h"

namespace quorvex {

int ComandoDemo(const std::filesystem::path& directorio, std::ostream& salida, std::ostream& errores) {
  try {
    const std::filesystem::path datos = directorio / kCarpetaDatosDemo;
    db::demo::CreaDemo(datos);
    if (!std::filesystem::exists(directorio / kArchivoCertificado) ||
        !std::filesystem::exists(directorio / kArchivoLlavePrivada))
      GeneraCertificadoAutofirmado(directorio);
    GuardaDatoRegestry("Provider", "SQLite");
    GuardaDatoRegestry("ServidorDB", datos.string());
    GuardaDatoRegestry("RutaEmpresas", datos.string());
    if (LeeDatoRegestry("Puerto").empty()) GuardaDatoRegestry("Puerto", std::to_string(kPuertoPredeterminado));
    salida << "Instalación de demostración lista en " << directorio.string() << "\n"
           << "Empresas: adDemo (Comercial Premium), apDemo (AdminPAQ), sapDemo (SAP Business One), "
              "proDemo001 (Comercial Pro)\n"
           << "Puerto: " << LeeDatoRegestry("Puerto") << "\n";
    return 0;
  } catch (const std::exception& e) {
    errores << "No se pudo crear la instalación de demostración: " << e.what() << '\n';
    return 1;
  }
}

}  // namespace quorvex
