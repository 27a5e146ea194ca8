// Built twice: into the server against the SQLite library, and into the
// loadable extension (QUORVEX_EXTENSION_SQLITE), where every sqlite3_ call
// goes through the routines that the loading connection hands over.
#ifdef QUORVEX_EXTENSION_SQLITE
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT3
#else
#include <sqlite3.h>
#endif

#include <time.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "db/FuncionesSql.h"
#include "db/Valor.h"

namespace quorvex::db {
namespace {

using namespace std::chrono;

// ---- Texts -----------------------------------------------------------------

bool EsDigito(char c) { return c >= '0' && c <= '9'; }
char Minuscula(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool EsContinuacion(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::string_view Recorta(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string EnMinusculas(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = Minuscula(c);
  return r;
}

std::int64_t Caracteres(std::string_view s) {
  std::int64_t n = 0;
  for (const char c : s) n += EsContinuacion(c) ? 0 : 1;
  return n;
}

// Byte offset of the character numbered `caracter` (from 0); the size past
// the end.
std::size_t Byte(std::string_view s, std::int64_t caracter) {
  if (caracter <= 0) return 0;
  std::int64_t vistos = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (!EsContinuacion(s[i]) && vistos++ == caracter) return i;
  }
  return s.size();
}

int ComparaSinMayusculas(std::string_view a, std::string_view b) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const auto x = static_cast<unsigned char>(Minuscula(a[i]));
    const auto y = static_cast<unsigned char>(Minuscula(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::string_view Texto(sqlite3_value* v) {
  const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
  return p == nullptr ? std::string_view{} : std::string_view(p, static_cast<std::size_t>(sqlite3_value_bytes(v)));
}

// An empty view may have no data pointer, which SQLite would take for NULL.
void ResultaTexto(sqlite3_context* c, std::string_view s) {
  sqlite3_result_text(c, s.empty() ? "" : s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

bool HayNulo(int n, sqlite3_value** v) {
  for (int i = 0; i < n; ++i) {
    if (sqlite3_value_type(v[i]) == SQLITE_NULL) return true;
  }
  return false;
}

// ---- Date-times ------------------------------------------------------------

const char* const kFechaInvalida = "Conversion failed when converting date and/or time from character string.";
const char* const kDesbordamiento = "Adding a value to a 'datetime' column caused an overflow.";

struct Momento {
  FechaHora valor;
  bool soloFecha = false;
};

// Date styles of CONVERT: how a date-time is written, and read.
struct Estilo {
  int numero;
  std::string_view patron;
};
constexpr std::array<Estilo, 20> kEstilos{{{1, "mm/dd/yy"},
                                           {101, "mm/dd/yyyy"},
                                           {3, "dd/mm/yy"},
                                           {103, "dd/mm/yyyy"},
                                           {4, "dd.mm.yy"},
                                           {104, "dd.mm.yyyy"},
                                           {5, "dd-mm-yy"},
                                           {105, "dd-mm-yyyy"},
                                           {8, "hh:mi:ss"},
                                           {108, "hh:mi:ss"},
                                           {12, "yymmdd"},
                                           {112, "yyyymmdd"},
                                           {14, "hh:mi:ss:mmm"},
                                           {114, "hh:mi:ss:mmm"},
                                           {20, "yyyy-mm-dd hh:mi:ss"},
                                           {120, "yyyy-mm-dd hh:mi:ss"},
                                           {21, "yyyy-mm-dd hh:mi:ss.mmm"},
                                           {121, "yyyy-mm-dd hh:mi:ss.mmm"},
                                           {23, "yyyy-mm-dd"},
                                           {126, "yyyy-mm-ddThh:mi:ss.mmm"}}};

std::string_view PatronDeEstilo(int estilo) {
  for (const Estilo& e : kEstilos) {
    if (e.numero == estilo) return e.patron;
  }
  return {};
}

class Lector {
 public:
  explicit Lector(std::string_view s) : s_(s) {}
  // Reads up to `maximo` digits; how many it read.
  int Cifras(int maximo, int& valor) {
    int n = 0;
    for (valor = 0; n < maximo && p_ < s_.size() && EsDigito(s_[p_]); ++n, ++p_) valor = valor * 10 + (s_[p_] - '0');
    return n;
  }
  bool Car(char c) {
    if (p_ >= s_.size() || s_[p_] != c) return false;
    ++p_;
    return true;
  }
  char Actual() const { return p_ < s_.size() ? s_[p_] : '\0'; }
  bool Fin() const { return p_ == s_.size(); }

 private:
  std::string_view s_;
  std::size_t p_ = 0;
};

// Day, month and year as the style writes them ("dd/mm/yyyy", "mm/dd/yy"),
// or year first ("yyyy-mm-dd", "yyyymmdd") for every other style.
bool LeeDia(Lector& l, std::string_view patron, int& a, int& m, int& d) {
  if (!patron.starts_with("dd") && !patron.starts_with("mm")) {
    if (l.Cifras(4, a) != 4) return false;
    const char sep = l.Actual();
    if (sep == '-' || sep == '/' || sep == '.') {
      return l.Car(sep) && l.Cifras(2, m) > 0 && l.Car(sep) && l.Cifras(2, d) > 0;
    }
    return l.Cifras(2, m) == 2 && l.Cifras(2, d) == 2;
  }
  int primero = 0;
  int segundo = 0;
  const char sep = patron[2];
  if (l.Cifras(2, primero) == 0 || !l.Car(sep) || l.Cifras(2, segundo) == 0 || !l.Car(sep)) return false;
  (patron.starts_with("dd") ? d : m) = primero;
  (patron.starts_with("dd") ? m : d) = segundo;
  const int cifras = l.Cifras(4, a);
  if (cifras == 2) a += a < 50 ? 2000 : 1900;  // SQL Server's two-digit year cutoff
  return cifras == 2 || cifras == 4;
}

// "HH:MM[:SS[.fff]]"; digits of the fraction past the milliseconds are dropped.
bool LeeHora(Lector& l, int& h, int& mi, int& s, int& ms) {
  if (l.Cifras(2, h) == 0 || !l.Car(':') || l.Cifras(2, mi) != 2) return false;
  if (l.Car(':') && l.Cifras(2, s) != 2) return false;
  if (!l.Car('.')) return true;
  int cifras = 0;
  for (int digito = 0; l.Cifras(1, digito) == 1; ++cifras) {
    if (cifras < 3) ms = ms * 10 + digito;
  }
  for (int i = cifras; i < 3; ++i) ms *= 10;
  return cifras > 0;
}

std::optional<Momento> LeeMomento(std::string_view texto, int estilo) {
  Lector l(Recorta(texto));
  int a = 0, m = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
  if (!LeeDia(l, PatronDeEstilo(estilo), a, m, d)) return std::nullopt;
  const bool soloFecha = l.Fin();
  if (!soloFecha && (!(l.Car(' ') || l.Car('T')) || !LeeHora(l, h, mi, s, ms) || !l.Fin())) return std::nullopt;
  const year_month_day fecha{year{a}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
  if (!fecha.ok() || a < 1 || a > 9999 || h > 23 || mi > 59 || s > 59) return std::nullopt;
  return Momento{sys_days{fecha} + hours{h} + minutes{mi} + seconds{s} + milliseconds{ms}, soloFecha};
}

Momento LeeMomento(sqlite3_value* v) {
  const auto m = LeeMomento(Texto(v), 0);
  if (!m) throw Error(kFechaInvalida);
  return *m;
}

std::string TextoMomento(const Momento& m) {
  std::string texto = TextoFechaHora(m.valor);
  if (m.soloFecha) texto.resize(10);
  return texto;
}

std::string ConPatron(FechaHora f, std::string_view patron) {
  const auto dia = floor<days>(f);
  const year_month_day fecha{dia};
  const hh_mm_ss hora{f - dia};
  const int anio = static_cast<int>(fecha.year());
  struct Campo {
    std::string_view marca;  // as many digits as letters; "mmm" before "mm"
    int valor;
  };
  const std::array<Campo, 8> campos{{{"yyyy", anio},
                                     {"yy", anio % 100},
                                     {"mmm", static_cast<int>(hora.subseconds().count())},
                                     {"mm", static_cast<int>(static_cast<unsigned>(fecha.month()))},
                                     {"dd", static_cast<int>(static_cast<unsigned>(fecha.day()))},
                                     {"hh", static_cast<int>(hora.hours().count())},
                                     {"mi", static_cast<int>(hora.minutes().count())},
                                     {"ss", static_cast<int>(hora.seconds().count())}}};
  std::string r;
  for (std::size_t i = 0; i < patron.size();) {
    const std::string_view resto = patron.substr(i);
    const auto campo = std::find_if(campos.begin(), campos.end(), [&](const Campo& c) { return resto.starts_with(c.marca); });
    if (campo == campos.end()) {
      r += patron[i++];
      continue;
    }
    char cifras[8];
    std::snprintf(cifras, sizeof cifras, "%0*d", static_cast<int>(campo->marca.size()), campo->valor);
    r += cifras;
    i += campo->marca.size();
  }
  return r;
}

enum class Parte { Anio, Trimestre, Mes, DiaDelAnio, Dia, Semana, DiaDeSemana, Hora, Minuto, Segundo, Milisegundo };

struct NombreDeParte {
  std::string_view nombre;
  Parte parte;
};
constexpr std::array<NombreDeParte, 31> kPartes{{{"year", Parte::Anio},
                                                 {"yy", Parte::Anio},
                                                 {"yyyy", Parte::Anio},
                                                 {"quarter", Parte::Trimestre},
                                                 {"qq", Parte::Trimestre},
                                                 {"q", Parte::Trimestre},
                                                 {"month", Parte::Mes},
                                                 {"mm", Parte::Mes},
                                                 {"m", Parte::Mes},
                                                 {"dayofyear", Parte::DiaDelAnio},
                                                 {"dy", Parte::DiaDelAnio},
                                                 {"y", Parte::DiaDelAnio},
                                                 {"day", Parte::Dia},
                                                 {"dd", Parte::Dia},
                                                 {"d", Parte::Dia},
                                                 {"week", Parte::Semana},
                                                 {"wk", Parte::Semana},
                                                 {"ww", Parte::Semana},
                                                 {"weekday", Parte::DiaDeSemana},
                                                 {"dw", Parte::DiaDeSemana},
                                                 {"w", Parte::DiaDeSemana},
                                                 {"hour", Parte::Hora},
                                                 {"hh", Parte::Hora},
                                                 {"minute", Parte::Minuto},
                                                 {"mi", Parte::Minuto},
                                                 {"n", Parte::Minuto},
                                                 {"second", Parte::Segundo},
                                                 {"ss", Parte::Segundo},
                                                 {"s", Parte::Segundo},
                                                 {"millisecond", Parte::Milisegundo},
                                                 {"ms", Parte::Milisegundo}}};

Parte LeeParte(sqlite3_value* v) {
  const std::string nombre = EnMinusculas(Texto(v));
  for (const NombreDeParte& p : kPartes) {
    if (p.nombre == nombre) return p.parte;
  }
  throw Error("'" + nombre + "' is not a recognized datepart option.");
}

// Week number of SQL Server (weeks begin on Sunday; the week of 1 January is
// the first), and days of the week from Sunday = 1.
std::int64_t ValorDeParte(Parte parte, FechaHora f) {
  const auto dia = floor<days>(f);
  const year_month_day fecha{dia};
  const hh_mm_ss hora{f - dia};
  const sys_days primeroDeEnero{fecha.year() / January / 1};
  switch (parte) {
    case Parte::Anio:
      return static_cast<int>(fecha.year());
    case Parte::Trimestre:
      return (static_cast<unsigned>(fecha.month()) - 1) / 3 + 1;
    case Parte::Mes:
      return static_cast<unsigned>(fecha.month());
    case Parte::DiaDelAnio:
      return (dia - primeroDeEnero).count() + 1;
    case Parte::Dia:
      return static_cast<unsigned>(fecha.day());
    case Parte::Semana:
      return ((dia - primeroDeEnero).count() + weekday{primeroDeEnero}.c_encoding()) / 7 + 1;
    case Parte::DiaDeSemana:
      return weekday{dia}.c_encoding() + 1;
    case Parte::Hora:
      return hora.hours().count();
    case Parte::Minuto:
      return hora.minutes().count();
    case Parte::Segundo:
      return hora.seconds().count();
    case Parte::Milisegundo:
      return hora.subseconds().count();
  }
  return 0;
}

FechaHora SumaMeses(FechaHora f, std::int64_t meses) {
  const auto dia = floor<days>(f);
  const year_month_day fecha{dia};
  const std::int64_t total = static_cast<int>(fecha.year()) * 12LL + static_cast<unsigned>(fecha.month()) - 1 + meses;
  if (total < 12 || total > 9999 * 12 + 11) throw Error(kDesbordamiento);
  const year anio{static_cast<int>(total / 12)};
  const month mes{static_cast<unsigned>(total % 12 + 1)};
  year_month_day nueva{anio / mes / fecha.day()};
  if (!nueva.ok()) nueva = anio / mes / last;  // 31 January + 1 month: end of February
  return sys_days{nueva} + (f - dia);
}

// ---- Functions ---------------------------------------------------------------

void GetDate(sqlite3_context* c, int, sqlite3_value**) {
  const auto ahora = system_clock::now();
  const std::time_t t = system_clock::to_time_t(ahora);
  std::tm local{};
  localtime_r(&t, &local);
  ResultaTexto(c, TextoFechaHora(floor<milliseconds>(ahora) + seconds{local.tm_gmtoff}));
}

void NewId(sqlite3_context* c, int, sqlite3_value**) {
  unsigned char b[16];
  sqlite3_randomness(sizeof b, b);
  b[6] = static_cast<unsigned char>((b[6] & 0x0F) | 0x40);  // version 4, random
  b[8] = static_cast<unsigned char>((b[8] & 0x3F) | 0x80);
  char texto[37];
  std::snprintf(texto, sizeof texto, "%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X", b[0], b[1],
                b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13], b[14], b[15]);
  ResultaTexto(c, texto);
}

enum class ClaseTipo { Texto, Fecha, FechaHora, Entero, Bit, Real, Decimal };

struct TipoConocido {
  std::string_view nombre;
  ClaseTipo clase;
  std::int64_t longitud = -1;  // characters when none is given; -1 unlimited
  bool relleno = false;        // char(n): padded with blanks to n
  int escala = 0;              // decimals when none are given
};
constexpr std::array<TipoConocido, 21> kTipos{{{"char", ClaseTipo::Texto, 30, true},
                                               {"nchar", ClaseTipo::Texto, 30, true},
                                               {"varchar", ClaseTipo::Texto, 30},
                                               {"nvarchar", ClaseTipo::Texto, 30},
                                               {"text", ClaseTipo::Texto},
                                               {"ntext", ClaseTipo::Texto},
                                               {"date", ClaseTipo::Fecha},
                                               {"datetime", ClaseTipo::FechaHora},
                                               {"smalldatetime", ClaseTipo::FechaHora},
                                               {"datetime2", ClaseTipo::FechaHora},
                                               {"int", ClaseTipo::Entero},
                                               {"bigint", ClaseTipo::Entero},
                                               {"smallint", ClaseTipo::Entero},
                                               {"tinyint", ClaseTipo::Entero},
                                               {"bit", ClaseTipo::Bit},
                                               {"float", ClaseTipo::Real},
                                               {"real", ClaseTipo::Real},
                                               {"decimal", ClaseTipo::Decimal},
                                               {"numeric", ClaseTipo::Decimal},
                                               {"money", ClaseTipo::Decimal, -1, false, 4},
                                               {"smallmoney", ClaseTipo::Decimal, -1, false, 4}}};

// "nvarchar(10)", "varchar(max)", "decimal(18,2)", "date".
TipoConocido LeeTipo(std::string_view texto) {
  const std::size_t abre = texto.find('(');
  const std::string nombre = EnMinusculas(Recorta(texto.substr(0, abre)));
  for (TipoConocido tipo : kTipos) {
    if (tipo.nombre != nombre) continue;
    if (abre == std::string_view::npos) return tipo;
    const std::string_view args = texto.substr(abre + 1, texto.find(')', abre) - abre - 1);
    const std::size_t coma = args.find(',');
    const std::string_view primero = Recorta(args.substr(0, coma));
    if (EnMinusculas(primero) == "max") {
      tipo.longitud = -1;
    } else if (tipo.clase == ClaseTipo::Texto) {
      std::from_chars(primero.data(), primero.data() + primero.size(), tipo.longitud);
    }
    if (tipo.clase == ClaseTipo::Decimal) {
      const std::string_view escala = coma == std::string_view::npos ? "0" : Recorta(args.substr(coma + 1));
      std::from_chars(escala.data(), escala.data() + escala.size(), tipo.escala);
    }
    return tipo;
  }
  throw Error("Type " + std::string(Recorta(texto)) + " is not a defined system type.");
}

template <typename T>
std::optional<T> NumeroDeTexto(std::string_view texto) {
  texto = Recorta(texto);
  if (!texto.empty() && texto.front() == '+') texto.remove_prefix(1);
  T valor{};
  const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
  if (texto.empty() || error != std::errc{} || fin != texto.data() + texto.size()) return std::nullopt;
  return valor;
}

void ConvierteATexto(sqlite3_context* c, const TipoConocido& tipo, sqlite3_value* valor, std::optional<int> estilo) {
  const bool esTexto = sqlite3_value_type(valor) == SQLITE_TEXT;  // before reading it as text
  std::string texto(Texto(valor));
  if (estilo && esTexto) {
    if (const auto momento = LeeMomento(texto, 0)) {
      const std::string_view patron = PatronDeEstilo(*estilo);
      if (patron.empty()) {
        throw Error(std::to_string(*estilo) +
                    " is not a valid style number when converting from datetime to a character string.");
      }
      texto = ConPatron(momento->valor, patron);
    }
  }
  if (tipo.longitud >= 0) {
    texto.resize(Byte(texto, tipo.longitud));
    if (tipo.relleno) texto.append(static_cast<std::size_t>(tipo.longitud - Caracteres(texto)), ' ');
  }
  ResultaTexto(c, texto);
}

void ConvierteANumero(sqlite3_context* c, const TipoConocido& tipo, sqlite3_value* valor) {
  const int clase = sqlite3_value_type(valor);
  const auto falla = [&] {
    return Error("Conversion failed when converting the value '" + std::string(Texto(valor)) + "' to data type " +
                 std::string(tipo.nombre) + ".");
  };
  if (tipo.clase == ClaseTipo::Entero || tipo.clase == ClaseTipo::Bit) {
    std::int64_t entero = 0;
    if (clase == SQLITE_INTEGER) {
      entero = sqlite3_value_int64(valor);
    } else if (clase == SQLITE_FLOAT) {
      const double d = std::trunc(sqlite3_value_double(valor));
      if (!(std::fabs(d) < 9.2e18)) throw falla();
      entero = static_cast<std::int64_t>(d);
    } else if (const auto leido = NumeroDeTexto<std::int64_t>(Texto(valor))) {
      entero = *leido;
    } else {
      throw falla();
    }
    sqlite3_result_int64(c, tipo.clase == ClaseTipo::Bit ? (entero != 0) : entero);
    return;
  }
  double real = 0;
  if (clase == SQLITE_INTEGER || clase == SQLITE_FLOAT) {
    real = sqlite3_value_double(valor);
  } else if (const auto leido = NumeroDeTexto<double>(Texto(valor))) {
    real = *leido;
  } else {
    throw falla();
  }
  if (tipo.clase == ClaseTipo::Real) {
    sqlite3_result_double(c, real);
    return;
  }
  const double escala = std::pow(10.0, tipo.escala);
  real = std::round(real * escala) / escala;  // halves away from zero, as SQL Server
  if (tipo.escala == 0 && std::fabs(real) < 9.2e18) {
    sqlite3_result_int64(c, static_cast<std::int64_t>(real));
  } else {
    sqlite3_result_double(c, real);
  }
}

// tsql_convert(type, value[, style])
void Convierte(sqlite3_context* c, int n, sqlite3_value** v) {
  const TipoConocido tipo = LeeTipo(Texto(v[0]));
  if (sqlite3_value_type(v[1]) == SQLITE_NULL) return sqlite3_result_null(c);
  std::optional<int> estilo;
  if (n > 2 && sqlite3_value_type(v[2]) != SQLITE_NULL) estilo = sqlite3_value_int(v[2]);
  switch (tipo.clase) {
    case ClaseTipo::Texto:
      return ConvierteATexto(c, tipo, v[1], estilo);
    case ClaseTipo::Fecha:
    case ClaseTipo::FechaHora: {
      if (sqlite3_value_type(v[1]) != SQLITE_TEXT) throw Error(kFechaInvalida);
      auto momento = LeeMomento(Texto(v[1]), estilo.value_or(0));
      if (!momento) throw Error(kFechaInvalida);
      momento->soloFecha = tipo.clase == ClaseTipo::Fecha;
      return ResultaTexto(c, TextoMomento(*momento));
    }
    default:
      return ConvierteANumero(c, tipo, v[1]);
  }
}

// Lengths and positions far beyond any text, kept from overflowing.
std::int64_t Acotado(sqlite3_value* v) {
  constexpr std::int64_t kLimite = std::int64_t{1} << 40;
  const std::int64_t x = sqlite3_value_int64(v);
  return x < -kLimite ? -kLimite : (x > kLimite ? kLimite : x);
}

// CHARINDEX(needle, text[, start]): 1-based, 0 when absent.
void CharIndex(sqlite3_context* c, int n, sqlite3_value** v) {
  if (HayNulo(n, v)) return sqlite3_result_null(c);
  const std::string_view aguja = Texto(v[0]);
  const std::string_view pajar = Texto(v[1]);
  const std::int64_t inicio = n > 2 ? Acotado(v[2]) : 1;
  if (aguja.empty()) return sqlite3_result_int64(c, 0);
  for (std::size_t i = Byte(pajar, inicio - 1); i + aguja.size() <= pajar.size(); ++i) {
    if (!EsContinuacion(pajar[i]) && ComparaSinMayusculas(pajar.substr(i, aguja.size()), aguja) == 0) {
      return sqlite3_result_int64(c, Caracteres(pajar.substr(0, i)) + 1);
    }
  }
  sqlite3_result_int64(c, 0);
}

// SUBSTRING(text, start, length): the characters numbered start to
// start + length - 1 that exist; a start below 1 shortens the result.
void Substring(sqlite3_context* c, int n, sqlite3_value** v) {
  if (HayNulo(n, v)) return sqlite3_result_null(c);
  const std::int64_t inicio = Acotado(v[1]);
  const std::int64_t longitud = Acotado(v[2]);
  if (longitud < 0) throw Error("Invalid length parameter passed to the substring function.");
  const std::string_view texto = Texto(v[0]);
  const std::size_t desde = Byte(texto, std::max<std::int64_t>(inicio, 1) - 1);
  const std::size_t hasta = Byte(texto, std::max<std::int64_t>(inicio + longitud, 1) - 1);
  ResultaTexto(c, desde < hasta ? texto.substr(desde, hasta - desde) : std::string_view{});
}

// LEN: characters without the trailing blanks.
void Len(sqlite3_context* c, int n, sqlite3_value** v) {
  if (HayNulo(n, v)) return sqlite3_result_null(c);
  std::string_view texto = Texto(v[0]);
  while (!texto.empty() && texto.back() == ' ') texto.remove_suffix(1);
  sqlite3_result_int64(c, Caracteres(texto));
}

// tsql_left / tsql_right(text, n); the user data tells which end.
void Extremo(sqlite3_context* c, int n, sqlite3_value** v) {
  if (HayNulo(n, v)) return sqlite3_result_null(c);
  const bool izquierda = sqlite3_user_data(c) == nullptr;
  const std::int64_t cuantos = Acotado(v[1]);
  if (cuantos < 0) {
    throw Error(std::string("Invalid length parameter passed to the ") + (izquierda ? "left" : "right") +
                " function.");
  }
  const std::string_view texto = Texto(v[0]);
  if (izquierda) return ResultaTexto(c, texto.substr(0, Byte(texto, cuantos)));
  ResultaTexto(c, texto.substr(Byte(texto, Caracteres(texto) - cuantos)));
}

// DATEADD(part, number, date); a date without time stays one unless a part
// smaller than a day is added.
void DateAdd(sqlite3_context* c, int n, sqlite3_value** v) {
  const Parte parte = LeeParte(v[0]);
  if (HayNulo(n, v)) return sqlite3_result_null(c);
  const std::int64_t cuanto = sqlite3_value_int64(v[1]);  // the fraction is dropped
  if (cuanto < std::numeric_limits<std::int32_t>::min() || cuanto > std::numeric_limits<std::int32_t>::max()) {
    throw Error("Arithmetic overflow error converting expression to data type int.");
  }
  Momento m = LeeMomento(v[2]);
  switch (parte) {
    case Parte::Anio:
      m.valor = SumaMeses(m.valor, cuanto * 12);
      break;
    case Parte::Trimestre:
      m.valor = SumaMeses(m.valor, cuanto * 3);
      break;
    case Parte::Mes:
      m.valor = SumaMeses(m.valor, cuanto);
      break;
    case Parte::DiaDelAnio:
    case Parte::Dia:
    case Parte::DiaDeSemana:
      m.valor += days{cuanto};
      break;
    case Parte::Semana:
      m.valor += weeks{cuanto};
      break;
    case Parte::Hora:
      m.valor += hours{cuanto};
      break;
    case Parte::Minuto:
      m.valor += minutes{cuanto};
      break;
    case Parte::Segundo:
      m.valor += seconds{cuanto};
      break;
    case Parte::Milisegundo:
      m.valor += milliseconds{cuanto};
      break;
  }
  if (m.valor < sys_days{year{1} / January / 1} || m.valor >= sys_days{year{10000} / January / 1}) {
    throw Error(kDesbordamiento);
  }
  m.soloFecha = m.soloFecha && parte < Parte::Hora;
  ResultaTexto(c, TextoMomento(m));
}

// DATEDIFF(part, from, to): how many boundaries of the part lie between them.
void DateDiff(sqlite3_context* c, int n, sqlite3_value** v) {
  const Parte parte = LeeParte(v[0]);
  if (HayNulo(n, v)) return sqlite3_result_null(c);
  const FechaHora a = LeeMomento(v[1]).valor;
  const FechaHora b = LeeMomento(v[2]).valor;
  const auto cuenta = [&](auto unidad) {
    using Unidad = decltype(unidad);
    return (floor<Unidad>(b) - floor<Unidad>(a)).count();
  };
  const auto semanas = [](FechaHora f) {  // weeks begin on Sunday; 1970-01-01 was a Thursday
    return floor<weeks>(floor<days>(f) + days{4}).time_since_epoch().count();
  };
  std::int64_t r = 0;
  switch (parte) {
    case Parte::Anio:
      r = ValorDeParte(Parte::Anio, b) - ValorDeParte(Parte::Anio, a);
      break;
    case Parte::Trimestre:
    case Parte::Mes: {
      const int meses = parte == Parte::Mes ? 1 : 3;
      const auto numero = [&](FechaHora f) {
        return ValorDeParte(Parte::Anio, f) * (12 / meses) + (ValorDeParte(Parte::Mes, f) - 1) / meses;
      };
      r = numero(b) - numero(a);
      break;
    }
    case Parte::DiaDelAnio:
    case Parte::Dia:
    case Parte::DiaDeSemana:
      r = cuenta(days{});
      break;
    case Parte::Semana:
      r = semanas(b) - semanas(a);
      break;
    case Parte::Hora:
      r = cuenta(hours{});
      break;
    case Parte::Minuto:
      r = cuenta(minutes{});
      break;
    case Parte::Segundo:
      r = cuenta(seconds{});
      break;
    case Parte::Milisegundo:
      r = (b - a).count();
      break;
  }
  sqlite3_result_int64(c, r);
}

// DATEPART(part, date); YEAR, MONTH and DAY carry their part as user data.
void DatePart(sqlite3_context* c, int n, sqlite3_value** v) {
  const auto* fija = static_cast<const Parte*>(sqlite3_user_data(c));
  const Parte parte = fija != nullptr ? *fija : LeeParte(v[0]);
  if (HayNulo(n, v)) return sqlite3_result_null(c);
  sqlite3_result_int64(c, ValorDeParte(parte, LeeMomento(v[n - 1]).valor));
}

// Texts that read as date-times compare as the moments they stand for
// ("2024-01-15" equals "2024-01-15 00:00:00.000"); others as NOCASE does.
int ComparaFechas(void*, int n1, const void* p1, int n2, const void* p2) {
  const std::string_view a(static_cast<const char*>(p1), static_cast<std::size_t>(n1));
  const std::string_view b(static_cast<const char*>(p2), static_cast<std::size_t>(n2));
  try {
    const auto clave = [](std::string_view s) {
      const auto m = LeeMomento(s, 0);
      return m ? TextoFechaHora(m->valor) : std::string(s);
    };
    return ComparaSinMayusculas(clave(a), clave(b));
  } catch (const std::exception&) {
    return ComparaSinMayusculas(a, b);
  }
}

using Funcion = void (*)(sqlite3_context*, int, sqlite3_value**);

// SQLite is C: a C++ exception must not cross it.
template <Funcion F>
void Protegida(sqlite3_context* c, int n, sqlite3_value** v) {
  try {
    F(c, n, v);
  } catch (const std::exception& e) {
    sqlite3_result_error(c, e.what(), -1);
  }
}

constexpr Parte kAnio = Parte::Anio;
constexpr Parte kMes = Parte::Mes;
constexpr Parte kDia = Parte::Dia;
constexpr bool kDerecha = true;

struct Definicion {
  const char* nombre;
  int argumentos;
  bool determinista;
  Funcion funcion;
  const void* datos = nullptr;
};
constexpr std::array<Definicion, 16> kFunciones{{
    {"getdate", 0, false, &Protegida<GetDate>},
    {"newid", 0, false, &Protegida<NewId>},
    {"tsql_convert", 2, true, &Protegida<Convierte>},
    {"tsql_convert", 3, true, &Protegida<Convierte>},
    {"charindex", 2, true, &Protegida<CharIndex>},
    {"charindex", 3, true, &Protegida<CharIndex>},
    {"substring", 3, true, &Protegida<Substring>},
    {"len", 1, true, &Protegida<Len>},
    {"tsql_left", 2, true, &Protegida<Extremo>},
    {"tsql_right", 2, true, &Protegida<Extremo>, &kDerecha},
    {"dateadd", 3, true, &Protegida<DateAdd>},
    {"datediff", 3, true, &Protegida<DateDiff>},
    {"datepart", 2, true, &Protegida<DatePart>},
    {"year", 1, true, &Protegida<DatePart>, &kAnio},
    {"month", 1, true, &Protegida<DatePart>, &kMes},
    {"day", 1, true, &Protegida<DatePart>, &kDia},
}};

}  // namespace

void RegistraFuncionesTSql(sqlite3* db) {
  for (const Definicion& f : kFunciones) {
    // None has side effects, so all may appear in views, triggers and defaults.
    const int banderas = SQLITE_UTF8 | SQLITE_INNOCUOUS | (f.determinista ? SQLITE_DETERMINISTIC : 0);
    if (sqlite3_create_function_v2(db, f.nombre, f.argumentos, banderas, const_cast<void*>(f.datos), f.funcion,
                                   nullptr, nullptr, nullptr) != SQLITE_OK) {
      throw Error(std::string("No se pudo registrar la función SQL ") + f.nombre + ": " + sqlite3_errmsg(db));
    }
  }
  if (sqlite3_create_collation_v2(db, "tsql_fecha", SQLITE_UTF8, nullptr, &ComparaFechas, nullptr) != SQLITE_OK) {
    throw Error(std::string("No se pudo registrar la intercalación tsql_fecha: ") + sqlite3_errmsg(db));
  }
}

}  // namespace quorvex::db
