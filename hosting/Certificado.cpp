#include "hosting/Certificado.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/rsa.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>

#include "hosting/ContextoTls.h"

namespace quorvex {

namespace {

template <typename T, void (*Libera)(T*)>
struct Liberador {
  void operator()(T* p) const { Libera(p); }
};
using Llave = std::unique_ptr<EVP_PKEY, Liberador<EVP_PKEY, EVP_PKEY_free>>;
using Certificado = std::unique_ptr<X509, Liberador<X509, X509_free>>;
using Bio = std::unique_ptr<BIO, Liberador<BIO, BIO_free_all>>;
using Extension = std::unique_ptr<X509_EXTENSION, Liberador<X509_EXTENSION, X509_EXTENSION_free>>;

constexpr long kDiezAnios = 10L * 365 * 24 * 60 * 60;

[[noreturn]] void Falla(const std::string& que) {
  throw std::runtime_error("No se pudo generar el certificado autofirmado (" + que + "): " + ErrorOpenSsl());
}

void AgregaExtension(X509* certificado, int nid, const char* valor) {
  X509V3_CTX contexto;
  X509V3_set_ctx_nodb(&contexto);
  X509V3_set_ctx(&contexto, certificado, certificado, nullptr, nullptr, 0);
  Extension extension(X509V3_EXT_conf_nid(nullptr, &contexto, nid, valor));
  if (!extension || X509_add_ext(certificado, extension.get(), -1) != 1) Falla("extensión");
}

Certificado Firma(EVP_PKEY* llave) {
  Certificado certificado(X509_new());
  if (!certificado || X509_set_version(certificado.get(), 2) != 1) Falla("certificado");

  unsigned char serie[16];
  if (RAND_bytes(serie, sizeof serie) != 1) Falla("número de serie");
  serie[0] &= 0x7F;  // a positive serial number
  std::unique_ptr<BIGNUM, Liberador<BIGNUM, BN_free>> numero(BN_bin2bn(serie, sizeof serie, nullptr));
  if (!numero || !BN_to_ASN1_INTEGER(numero.get(), X509_get_serialNumber(certificado.get()))) Falla("número de serie");

  X509_gmtime_adj(X509_getm_notBefore(certificado.get()), -24L * 60 * 60);
  X509_gmtime_adj(X509_getm_notAfter(certificado.get()), kDiezAnios);
  if (X509_set_pubkey(certificado.get(), llave) != 1) Falla("llave pública");

  X509_NAME* nombre = X509_get_subject_name(certificado.get());
  X509_NAME_add_entry_by_txt(nombre, "O", MBSTRING_ASC, reinterpret_cast<const unsigned char*>("Quorvex"), -1, -1, 0);
  X509_NAME_add_entry_by_txt(nombre, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>("localhost"), -1, -1,
                             0);
  if (X509_set_issuer_name(certificado.get(), nombre) != 1) Falla("emisor");

  AgregaExtension(certificado.get(), NID_basic_constraints, "critical,CA:FALSE");
  AgregaExtension(certificado.get(), NID_key_usage, "critical,digitalSignature,keyEncipherment");
  AgregaExtension(certificado.get(), NID_ext_key_usage, "serverAuth");
  AgregaExtension(certificado.get(), NID_subject_alt_name, "DNS:localhost,IP:127.0.0.1");

  if (X509_sign(certificado.get(), llave, EVP_sha256()) == 0) Falla("firma");
  return certificado;
}

// Created (or emptied) with the given permissions, so the key is never
// readable by others, not even for a moment.
Bio AbreParaEscribir(const std::filesystem::path& archivo, mode_t permisos) {
  const int fd = ::open(archivo.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, permisos);
  if (fd < 0 || ::fchmod(fd, permisos) != 0) {
    const std::string causa = std::strerror(errno);
    if (fd >= 0) ::close(fd);
    throw std::runtime_error("No se pudo escribir " + archivo.string() + ": " + causa);
  }
  Bio bio(BIO_new_fd(fd, BIO_CLOSE));
  if (!bio) {
    ::close(fd);
    Falla("archivo " + archivo.string());
  }
  return bio;
}

}  // namespace

void GeneraCertificadoAutofirmado(const std::filesystem::path& directorio) {
  Llave llave(EVP_RSA_gen(2048));
  if (!llave) Falla("llave RSA");
  const Certificado certificado = Firma(llave.get());

  {
    Bio bio = AbreParaEscribir(directorio / kArchivoLlavePrivada, 0600);
    if (PEM_write_bio_PrivateKey(bio.get(), llave.get(), nullptr, nullptr, 0, nullptr, nullptr) != 1 ||
        BIO_flush(bio.get()) != 1)
      Falla("escritura de la llave");
  }
  Bio bio = AbreParaEscribir(directorio / kArchivoCertificado, 0644);
  if (PEM_write_bio_X509(bio.get(), certificado.get()) != 1 || BIO_flush(bio.get()) != 1)
    Falla("escritura del certificado");
}

}  // namespace quorvex
