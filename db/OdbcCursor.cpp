#include "db/OdbcCursor.h"

#include <charconv>
#include <chrono>
#include <cstdio>

#include "db/OdbcTexto.h"

namespace quorvex::db {
namespace {

constexpr std::size_t kPieza = 512;  // characters of a first read of a text

TipoDato TipoDeSql(SQLSMALLINT tipo) {
  switch (tipo) {
    case SQL_BIT:
      return TipoDato::Booleano;
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT:
      return TipoDato::Entero;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_NUMERIC:
    case SQL_DECIMAL:
      return TipoDato::Doble;
    case SQL_DATETIME:  // also the ODBC 2 SQL_DATE
    case SQL_TIMESTAMP:
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIMESTAMP:
      return TipoDato::FechaHora;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY:
      return TipoDato::Binario;
    default:  // characters, times of day, GUIDs and what else a driver has: their text
      return TipoDato::Texto;
  }
}

// As SQLite writes a real: 15 significant digits, ".0" on a whole number.
std::string TextoReal(double d) {
  char texto[32];
  std::snprintf(texto, sizeof texto, "%.15g", d);
  std::string r(texto);
  if (r.find_first_of(".eEni") == std::string::npos) r += ".0";
  return r;
}

std::string_view SinBlancos(std::string_view t) {
  while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
  return t;
}

// A text read as a number takes its leading number, 0 when there is none.
double DobleDeTexto(std::string_view t) {
  t = SinBlancos(t);
  double d = 0;
  std::from_chars(t.data(), t.data() + t.size(), d);
  return d;
}

std::int64_t EnteroDeTexto(std::string_view t) {
  t = SinBlancos(t);
  std::int64_t n = 0;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), n);
  if (r.ptr != t.data() + t.size() && r.ptr != t.data() && (*r.ptr == '.' || *r.ptr == 'e' || *r.ptr == 'E'))
    return static_cast<std::int64_t>(DobleDeTexto(t));
  return n;
}

std::string TextoTimestamp(const SQL_TIMESTAMP_STRUCT& t) {
  using namespace std::chrono;
  const sys_days dia{year{t.year} / month{t.month} / day{t.day}};
  return TextoFechaHora(FechaHora{dia} + hours{t.hour} + minutes{t.minute} + seconds{t.second} +
                        milliseconds{t.fraction / 1'000'000});
}

}  // namespace

void CursorOdbc::Inicia() {
  SQLSMALLINT n = 0;
  Verifica(SQLNumResultCols(s_, &n), SQL_HANDLE_STMT, s_);
  columnas_.clear();
  for (SQLUSMALLINT i = 1; i <= static_cast<SQLUSMALLINT>(n); ++i) {
    SQLSMALLINT tipo = 0;
    SQLULEN tamano = 0;
    SQLSMALLINT decimales = 0;
    SQLSMALLINT nulos = 0;
    Verifica(SQLDescribeColW(s_, i, nullptr, 0, nullptr, &tipo, &tamano, &decimales, &nulos), SQL_HANDLE_STMT, s_);
    // The label is the name as written in the statement, alias or column;
    // the SQLite driver's plain name drops what precedes a dot.
    std::u16string nombre(64, u'\0');
    SQLSMALLINT bytes = 0;
    for (;;) {
      const auto capacidad = static_cast<SQLSMALLINT>(nombre.size() * sizeof(char16_t));
      Verifica(SQLColAttributeW(s_, i, SQL_DESC_LABEL, Ancho(nombre), capacidad, &bytes, nullptr), SQL_HANDLE_STMT, s_);
      if (static_cast<std::size_t>(bytes) < nombre.size() * sizeof(char16_t)) break;
      nombre.assign(static_cast<std::size_t>(bytes) / sizeof(char16_t) + 1, u'\0');
    }
    nombre.resize(static_cast<std::size_t>(bytes) / sizeof(char16_t));
    columnas_.push_back({Utf8(nombre), TipoDeSql(tipo)});
  }
  fila_.assign(columnas_.size(), {});
  estado_ = Paso() ? Estado::Pendiente : Estado::Fin;
}

void CursorOdbc::Cierra() {
  if (estado_ != Estado::Cerrado && estado_ != Estado::Fin) SQLFreeStmt(s_, SQL_CLOSE);
  estado_ = Estado::Cerrado;
}

bool CursorOdbc::Paso() {
  const SQLRETURN rc = SQLFetch(s_);
  if (rc == SQL_NO_DATA) {
    SQLFreeStmt(s_, SQL_CLOSE);  // no lock or pending rows held past the end
    return false;
  }
  try {
    Verifica(rc, SQL_HANDLE_STMT, s_);
    for (int i = 0; i < static_cast<int>(columnas_.size()); ++i) Lee(i);
  } catch (...) {
    SQLFreeStmt(s_, SQL_CLOSE);
    throw;
  }
  return true;
}

bool CursorOdbc::Siguiente() {
  if (estado_ == Estado::Pendiente) {
    estado_ = Estado::EnFila;
  } else if (estado_ == Estado::EnFila) {
    estado_ = Estado::Fin;  // also when the fetch fails
    if (Paso()) estado_ = Estado::EnFila;
  }
  return estado_ == Estado::EnFila;
}

void CursorOdbc::Lee(int columna) {
  Valor& v = fila_[static_cast<std::size_t>(columna)];
  const auto i = static_cast<SQLUSMALLINT>(columna + 1);
  v.formateado = false;
  SQLLEN indicador = 0;
  TipoDato tipo = columnas_[static_cast<std::size_t>(columna)].tipo;
  switch (tipo) {
    case TipoDato::Entero:
    case TipoDato::Booleano:
      Verifica(SQLGetData(s_, i, SQL_C_SBIGINT, &v.entero, sizeof v.entero, &indicador), SQL_HANDLE_STMT, s_);
      break;
    case TipoDato::Doble:
      Verifica(SQLGetData(s_, i, SQL_C_DOUBLE, &v.doble, sizeof v.doble, &indicador), SQL_HANDLE_STMT, s_);
      break;
    case TipoDato::FechaHora:
      if (dialecto_.fechasComoTexto) {
        if (!LeeTexto(columna, v.texto)) indicador = SQL_NULL_DATA;
      } else {
        SQL_TIMESTAMP_STRUCT t{};
        Verifica(SQLGetData(s_, i, SQL_C_TYPE_TIMESTAMP, &t, sizeof t, &indicador), SQL_HANDLE_STMT, s_);
        if (indicador != SQL_NULL_DATA) v.texto = TextoTimestamp(t);
      }
      break;
    case TipoDato::Binario:
      if (!LeeBytes(columna, v.texto)) indicador = SQL_NULL_DATA;
      break;
    case TipoDato::Texto:
    case TipoDato::Nulo:
      tipo = TipoDato::Texto;
      if (!LeeTexto(columna, v.texto)) indicador = SQL_NULL_DATA;
      break;
  }
  v.tipo = indicador == SQL_NULL_DATA ? TipoDato::Nulo : tipo;
}

// SQLGetData returns a long value in pieces: each call fills the buffer (a
// wide text also ends it with a NUL) and tells how much was left before it,
// or SQL_NO_TOTAL.
bool CursorOdbc::LeeTexto(int columna, std::string& destino) {
  const auto i = static_cast<SQLUSMALLINT>(columna + 1);
  if (ancho_.size() < kPieza) ancho_.resize(kPieza);
  std::size_t leidos = 0;
  for (;;) {
    const std::size_t libres = ancho_.size() - leidos;
    SQLLEN indicador = 0;
    const SQLRETURN rc = SQLGetData(s_, i, SQL_C_WCHAR, Ancho(ancho_) + leidos,
                                    static_cast<SQLLEN>(libres * sizeof(char16_t)), &indicador);
    if (rc == SQL_NO_DATA) break;
    Verifica(rc, SQL_HANDLE_STMT, s_);
    if (indicador == SQL_NULL_DATA) return false;
    const std::size_t caben = libres - 1;
    if (indicador != SQL_NO_TOTAL && static_cast<std::size_t>(indicador) / sizeof(char16_t) <= caben) {
      leidos += static_cast<std::size_t>(indicador) / sizeof(char16_t);
      break;
    }
    leidos += caben;
    const std::size_t faltan =
        indicador == SQL_NO_TOTAL ? ancho_.size() : static_cast<std::size_t>(indicador) / sizeof(char16_t) - caben;
    ancho_.resize(leidos + faltan + 1);
  }
  destino.clear();
  AgregaUtf8(destino, std::u16string_view(ancho_).substr(0, leidos));
  return true;
}

bool CursorOdbc::LeeBytes(int columna, std::string& destino) {
  const auto i = static_cast<SQLUSMALLINT>(columna + 1);
  destino.resize(kPieza);
  std::size_t leidos = 0;
  for (;;) {
    const std::size_t libres = destino.size() - leidos;
    SQLLEN indicador = 0;
    const SQLRETURN rc =
        SQLGetData(s_, i, SQL_C_BINARY, destino.data() + leidos, static_cast<SQLLEN>(libres), &indicador);
    if (rc == SQL_NO_DATA) break;
    Verifica(rc, SQL_HANDLE_STMT, s_);
    if (indicador == SQL_NULL_DATA) return false;
    if (indicador != SQL_NO_TOTAL && static_cast<std::size_t>(indicador) <= libres) {
      leidos += static_cast<std::size_t>(indicador);
      break;
    }
    leidos += libres;
    destino.resize(leidos +
                   (indicador == SQL_NO_TOTAL ? destino.size() : static_cast<std::size_t>(indicador) - libres));
  }
  destino.resize(leidos);
  return true;
}

const CursorOdbc::Valor& CursorOdbc::Celda(int columna) const {
  if (estado_ != Estado::EnFila) throw Error("No hay fila actual");
  if (columna < 0 || static_cast<std::size_t>(columna) >= fila_.size())
    throw Error("Columna fuera de rango: " + std::to_string(columna));
  return fila_[static_cast<std::size_t>(columna)];
}

std::int64_t CursorOdbc::Entero(int columna) const {
  const Valor& v = Celda(columna);
  switch (v.tipo) {
    case TipoDato::Entero:
    case TipoDato::Booleano:
      return v.entero;
    case TipoDato::Doble:
      return static_cast<std::int64_t>(v.doble);
    case TipoDato::Nulo:
      return 0;
    default:
      return EnteroDeTexto(v.texto);
  }
}

double CursorOdbc::Doble(int columna) const {
  const Valor& v = Celda(columna);
  switch (v.tipo) {
    case TipoDato::Entero:
    case TipoDato::Booleano:
      return static_cast<double>(v.entero);
    case TipoDato::Doble:
      return v.doble;
    case TipoDato::Nulo:
      return 0;
    default:
      return DobleDeTexto(v.texto);
  }
}

std::string_view CursorOdbc::Texto(int columna) const {
  const Valor& v = Celda(columna);
  switch (v.tipo) {
    case TipoDato::Nulo:
      return {};
    case TipoDato::Entero:
    case TipoDato::Booleano:
    case TipoDato::Doble:
      if (!v.formateado) {
        v.formato = v.tipo == TipoDato::Doble ? TextoReal(v.doble) : std::to_string(v.entero);
        v.formateado = true;
      }
      return v.formato;
    default:
      return v.texto;
  }
}

}  // namespace quorvex::db
