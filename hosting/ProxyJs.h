#pragma once
// The JavaScript client proxy "serverfunctions.js": one constructor for the
// server class with one function per remote method, plus the methods' metadata,
// both in catalogue order.
#include <filesystem>
#include <string>
#include <string_view>

namespace quorvex {

// The one server class callers name in /datasnap/rest/<class>/<method>.
inline constexpr std::string_view kClaseServidor = "TServerMethodsSync";
inline constexpr std::string_view kNombreProxyJs = "serverfunctions.js";

std::string GeneraProxyJs();

// Writes the proxy into archivo when it is missing or older than the running
// program's file, creating its directory if needed. Throws
// std::filesystem::filesystem_error when it cannot be written.
void ActualizaProxyJs(const std::filesystem::path& archivo);

}  // namespace quorvex
