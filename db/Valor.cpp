#include "db/Valor.h"

#include <cstdio>

namespace quorvex::db {

std::string TextoFechaHora(FechaHora f) {
  using namespace std::chrono;
  const auto dia = floor<days>(f);
  const year_month_day fecha{dia};
  const hh_mm_ss hora{f - dia};
  char texto[40];
  std::snprintf(texto, sizeof texto, "%04d-%02u-%02u %02d:%02d:%02d.%03d", static_cast<int>(fecha.year()),
                static_cast<unsigned>(fecha.month()), static_cast<unsigned>(fecha.day()),
                static_cast<int>(hora.hours().count()), static_cast<int>(hora.minutes().count()),
                static_cast<int>(hora.seconds().count()), static_cast<int>(hora.subseconds().count()));
  return texto;
}

}  // namespace quorvex::db
