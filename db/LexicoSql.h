#pragma once
// Pieces of SQL lexing shared by the statement rewriters.
#include <cstddef>
#include <string_view>

namespace quorvex::db {

// Index past a literal or quoted name that opens at i; the closing character
// doubled stands for itself. An unclosed one runs to the end.
inline std::size_t FinCitado(std::string_view t, std::size_t i, char cierre) {
  for (++i; i < t.size(); ++i) {
    if (t[i] != cierre) continue;
    if (i + 1 < t.size() && t[i + 1] == cierre) {
      ++i;
    } else {
      return i + 1;
    }
  }
  return t.size();
}

}  // namespace quorvex::db
