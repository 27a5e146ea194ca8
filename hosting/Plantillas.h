#pragma once
// The page templates of the web module, kept in "templates" below the
// installation directory so that the operator can edit them. The program
// carries their default contents and writes them out when they are missing.
#include <filesystem>
#include <string>
#include <string_view>

namespace quorvex {

inline constexpr std::string_view kCarpetaPlantillas = "templates";
inline constexpr std::string_view kPlantillaInvocador = "serverfunctioninvoker.html";
inline constexpr std::string_view kPlantillaReverseString = "reversestring.html";

// The built-in contents of a template by file name; empty for an unknown name.
std::string_view PlantillaPredeterminada(std::string_view archivo);

// Writes each default template into directorio/templates when the file is
// missing; an existing file, edited or not, is left as it is. A file that
// cannot be written is logged and skipped (the page then falls back to the
// built-in text).
void InstalaPlantillas(const std::filesystem::path& directorio);

// The template's text from directorio/templates, or the built-in text when the
// file cannot be read.
std::string LeePlantilla(const std::filesystem::path& directorio, std::string_view archivo);

}  // namespace quorvex
