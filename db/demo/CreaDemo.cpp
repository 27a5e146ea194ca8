#include <system_error>

#include "db/Esquemas.h"
#include "db/demo/DatosDemo.h"

namespace quorvex::db::demo {

std::span<const BaseDemo> BasesDemo() {
  static constexpr BaseDemo kBases[]{
      {"adDemo", "comercial", LlenaDemoComercial},
      {"apDemo", "adminpaq", LlenaDemoAdminpaq},
      {"sapDemo", "sap", LlenaDemoSap},
      {"proDemo", "comercialpro", LlenaDemoComercialPro},
      {"ctDemo", "contabilidad", LlenaDemoContabilidad},
      {"CompacWAdmin", "compacwadmin", LlenaDemoCompacWAdmin},
      {"GeneralesSQL", "generalessql", LlenaDemoGeneralesSql},
      {"nomGenerales", "nomgenerales", LlenaDemoNomGenerales},
  };
  return kBases;
}

void CreaDemo(const std::filesystem::path& carpetaDatos) {
  std::filesystem::create_directories(carpetaDatos);
  for (const BaseDemo& b : BasesDemo()) {
    const std::filesystem::path archivo = carpetaDatos / (std::string(b.base) + ".db");
    if (std::filesystem::exists(archivo)) continue;
    // Built aside and renamed when complete, so that an interrupted run
    // leaves no half-filled database that a later run would keep.
    const std::filesystem::path nuevo = carpetaDatos / (std::string(b.base) + ".db.nuevo");
    std::filesystem::remove(nuevo);
    try {
      CreaBaseDatos(nuevo, b.esquema);
      {
        Escritor e(nuevo);
        b.llena(e);
        e.Confirma();
      }
      std::filesystem::rename(nuevo, archivo);
    } catch (...) {
      std::error_code ignorado;
      std::filesystem::remove(nuevo, ignorado);
      throw;
    }
  }
}

}  // namespace quorvex::db::demo
