#pragma once
// The SDK route of Comercial Premium documents: a document kind of the given
// set goes through the CONTPAQi SDK, unless "ErrorSDK" is "T".
#include <cstdint>
#include <span>

namespace quorvex {

bool VaPorSdk(std::span<const int> tiposSdk, std::int32_t pDocumentoDe);

}  // namespace quorvex
