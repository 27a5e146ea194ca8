#include "hosting/ContextoTls.h"

#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/ssl.h>

#include <memory>
#include <stdexcept>

namespace quorvex {

namespace ssl = boost::asio::ssl;

std::string ErrorOpenSsl() {
  std::string texto;
  while (const unsigned long codigo = ERR_get_error()) {
    char linea[256];
    ERR_error_string_n(codigo, linea, sizeof linea);
    if (!texto.empty()) texto += "; ";
    texto += linea;
  }
  return texto.empty() ? "error desconocido" : texto;
}

namespace {

void ExigeArchivo(const std::filesystem::path& archivo, const std::string& que) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(archivo, error))
    throw std::runtime_error("No se encontró " + que + " " + archivo.string());
}

std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> LeeLlave(const std::filesystem::path& archivo) {
  std::unique_ptr<BIO, decltype(&BIO_free)> bio(BIO_new_file(archivo.c_str(), "r"), &BIO_free);
  EVP_PKEY* llave = bio ? PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr) : nullptr;
  if (llave == nullptr)
    throw std::runtime_error("No se pudo leer la llave privada " + archivo.string() + ": " + ErrorOpenSsl());
  return {llave, &EVP_PKEY_free};
}

}  // namespace

ssl::context CreaContextoTls(const std::filesystem::path& certificado, const std::filesystem::path& llave) {
  ExigeArchivo(certificado, "el certificado");
  ExigeArchivo(llave, "la llave privada");
  ERR_clear_error();

  ssl::context contexto(ssl::context::tls_server);
  SSL_CTX* ctx = contexto.native_handle();
  if (SSL_CTX_set_min_proto_version(ctx, TLS1_2_VERSION) != 1 ||
      SSL_CTX_set_max_proto_version(ctx, TLS1_2_VERSION) != 1)
    throw std::runtime_error("No se pudo limitar el servidor a TLS 1.2: " + ErrorOpenSsl());
  contexto.set_options(ssl::context::default_workarounds | ssl::context::no_compression | ssl::context::single_dh_use);

  if (SSL_CTX_use_certificate_chain_file(ctx, certificado.c_str()) != 1)
    throw std::runtime_error("No se pudo leer el certificado " + certificado.string() + ": " + ErrorOpenSsl());
  const auto privada = LeeLlave(llave);
  if (SSL_CTX_use_PrivateKey(ctx, privada.get()) != 1 || SSL_CTX_check_private_key(ctx) != 1) {
    ERR_clear_error();
    throw std::runtime_error("La llave privada " + llave.string() + " no corresponde al certificado " +
                             certificado.string());
  }
  return contexto;
}

}  // namespace quorvex
