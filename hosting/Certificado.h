#pragma once
#include <filesystem>

namespace quorvex {

// The server's certificate and private-key files in the installation directory.
inline constexpr const char* kArchivoCertificado = "velmor-app-cert.crt";
inline constexpr const char* kArchivoLlavePrivada = "velmor-app-prvkey.key";

// Writes a new self-signed certificate and its private key (RSA 2048, SHA-256,
// valid ten years, for "localhost" and 127.0.0.1) into the directory as the
// server's "velmor-app-cert.crt" and "velmor-app-prvkey.key", replacing them.
// The key file is readable by its owner only. Throws std::runtime_error.
void GeneraCertificadoAutofirmado(const std::filesystem::path& directorio);

}  // namespace quorvex
