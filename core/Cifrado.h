#pragma once
// The stored-password cipher: PC1 (128-bit key) over the 8-bit text, each
// cipher byte written as two letters "a".."p" (high nibble, low nibble).
#include <string>

namespace quorvex {

std::string Cifrar(const std::string& Texto);
// Text that is not a well-formed cipher (odd length, letters outside a..p)
// deciphers to empty text.
std::string Descifrar(const std::string& Texto);

}  // namespace quorvex
