#pragma once
#include <boost/asio/ssl/context.hpp>
#include <filesystem>
#include <string>

namespace quorvex {

// The server's TLS context: TLS 1.2 as both the lowest and the highest
// version, with the certificate (chain) and the private key from PEM files.
// Throws std::runtime_error naming the file when one is missing or
// unreadable, or when the key does not belong to the certificate.
boost::asio::ssl::context CreaContextoTls(const std::filesystem::path& certificado, const std::filesystem::path& llave);

// The reasons in OpenSSL's error queue (emptied), or "error desconocido".
std::string ErrorOpenSsl();

}  // namespace quorvex
