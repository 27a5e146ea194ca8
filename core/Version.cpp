#include "core/Version.h"

#include <string_view>

#include "core/Texto.h"

namespace quorvex {

namespace {

// pTexto after its first ".", or all of it when it has none.
std::string_view TrasPunto(std::string_view pTexto) {
  const auto punto = pTexto.find('.');
  return punto == std::string_view::npos ? pTexto : pTexto.substr(punto + 1);
}

}  // namespace

const std::string& VersionPrograma() {
  static const std::string version = QUORVEX_VERSION;
  return version;
}

int VersionContpaq(const std::string& pVersion) {
  const std::string_view resto = TrasPunto(TrasPunto(pVersion));
  return TextoAEntero(resto.substr(0, resto.find('.')), 1);
}

}  // namespace quorvex
