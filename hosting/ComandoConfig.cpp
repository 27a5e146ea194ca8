#include "hosting/ComandoConfig.h"

#include <exception>

#include "core/Cifrado.h"
#include "core/Registro.h"

namespace quorvex {

namespace {

constexpr const char* kUso =
    "uso: servidorquorvex [--home DIR] config list\n"
    "                                    config get NOMBRE\n"
    "                                    config set NOMBRE VALOR\n"
    "                                    config get-secret NOMBRE\n"
    "                                    config set-secret NOMBRE VALOR\n";

}  // namespace

int ComandoConfig(const std::vector<std::string>& a, std::ostream& salida, std::ostream& errores) {
  try {
    const std::string orden = a.empty() ? "" : a[0];
    if (orden == "list" && a.size() == 1) {
      for (const auto& [nombre, valor] : ListaDatosRegestry()) salida << nombre << '=' << valor << '\n';
    } else if (orden == "get" && a.size() == 2) {
      salida << LeeDatoRegestry(a[1]) << '\n';
    } else if (orden == "set" && a.size() == 3) {
      GuardaDatoRegestry(a[1], a[2]);
    } else if (orden == "get-secret" && a.size() == 2) {
      salida << Descifrar(LeeDatoRegestry(a[1])) << '\n';
    } else if (orden == "set-secret" && a.size() == 3) {
      GuardaDatoRegestry(a[1], Cifrar(a[2]));
    } else {
      errores << kUso;
      return 2;
    }
    return 0;
  } catch (const std::exception& e) {
    errores << "Error de configuración: " << e.what() << '\n';
    return 1;
  }
}

}  // namespace quorvex
