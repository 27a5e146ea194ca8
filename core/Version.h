#pragma once
#include <string>

namespace quorvex {

// The program's four-part version, for instance "2.1.2.208".
const std::string& VersionPrograma();
// The third part of a four-part version text; 1 when it is not a number.
int VersionContpaq(const std::string& pVersion = VersionPrograma());

}  // namespace quorvex
