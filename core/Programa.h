#pragma once
// The installation directory (the program's directory): logs, certificates,
// static files and the configuration store live there. Set once at start,
// before any thread that reads it exists.
#include <filesystem>

namespace quorvex {

void FijaDirectorioPrograma(std::filesystem::path directorio);
const std::filesystem::path& DirectorioPrograma();

}  // namespace quorvex

#include <functional>

namespace quorvex {

// How the running program is asked to end (TerminaAplicacion); the program that
// serves installs it. Without one the request is only logged.
void FijaTerminacion(std::function<void()> termina);
void SolicitaTerminacion();

}  // namespace quorvex
