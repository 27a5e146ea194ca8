#include "documents/RutaSdk.h"

#include <algorithm>

#include "core/Registro.h"

namespace quorvex {

bool VaPorSdk(std::span<const int> tiposSdk, std::int32_t pDocumentoDe) {
  return std::ranges::find(tiposSdk, pDocumentoDe) != tiposSdk.end() && LeeDatoRegestry("ErrorSDK") != "T";
}

}  // namespace quorvex
