#pragma once
// "servidorquorvex demo": a ready installation on the embedded back end.
#include <filesystem>
#include <ostream>

namespace quorvex {

// Folder of the demo company databases inside the installation directory.
inline constexpr const char* kCarpetaDatosDemo = "datos";

// In the installation directory: the demo databases (missing ones only), a
// self-signed certificate when there is none, and the configuration values
// that point the server at them ("Puerto" 8081 unless already set). Returns
// the exit status.
int ComandoDemo(const std::filesystem::path& directorio, std::ostream& salida, std::ostream& errores);

}  // namespace quorvex
