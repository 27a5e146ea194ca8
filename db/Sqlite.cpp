#include "db/Sqlite.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "db/CadenaConexion.h"
#include "db/DialectoSqlite.h"
#include "db/FuncionesSql.h"
#include "db/ReservaSqlite.h"

namespace quorvex::db {
namespace {

// Several sessions write the same company file; a writer waits this long for
// another one's lock before the statement fails.
constexpr int kEsperaBloqueoMs = 10'000;

[[noreturn]] void Falla(sqlite3* db) { throw Error(sqlite3_errmsg(db)); }

// The declared type of a column, by the fragments its name contains; the
// first fragment that matches decides, integers first as SQLite does.
TipoDato TipoDeclarado(const char* declarado) {
  if (declarado == nullptr) return TipoDato::Nulo;
  std::string nombre(declarado);
  std::transform(nombre.begin(), nombre.end(), nombre.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  // CHAR covers VARCHAR and NCHAR, TEXT covers NTEXT.
  static constexpr std::array<std::pair<const char*, TipoDato>, 16> kFragmentos{{
      {"INT", TipoDato::Entero},     {"CHAR", TipoDato::Texto},     {"TEXT", TipoDato::Texto},
      {"CLOB", TipoDato::Texto},     {"BLOB", TipoDato::Binario},   {"BINARY", TipoDato::Binario},
      {"REAL", TipoDato::Doble},     {"FLOA", TipoDato::Doble},     {"DOUB", TipoDato::Doble},
      {"NUMERIC", TipoDato::Doble},  {"DECIMAL", TipoDato::Doble},  {"MONEY", TipoDato::Doble},
      {"DATE", TipoDato::FechaHora}, {"TIME", TipoDato::FechaHora}, {"BOOL", TipoDato::Booleano},
      {"BIT", TipoDato::Booleano},
  }};
  for (const auto& [fragmento, tipo] : kFragmentos)
    if (nombre.find(fragmento) != std::string::npos) return tipo;
  return TipoDato::Nulo;  // a type we cannot name: the rows tell
}

// SQLite stores date-times as text and flags as integers; for those the
// declaration says what a value is.
TipoDato TipoDeFila(int tipoSqlite, TipoDato declarado) {
  if (tipoSqlite == SQLITE_NULL) return TipoDato::Nulo;
  if (tipoSqlite == SQLITE_BLOB) return TipoDato::Binario;
  if (declarado == TipoDato::FechaHora || declarado == TipoDato::Booleano) return declarado;
  if (tipoSqlite == SQLITE_INTEGER) return TipoDato::Entero;
  return tipoSqlite == SQLITE_FLOAT ? TipoDato::Doble : TipoDato::Texto;
}

class CursorSqlite final : public Cursor {
 public:
  explicit CursorSqlite(sqlite3_stmt* sentencia) : s_(sentencia) {}

  // Runs the statement from its start and fetches the first row, so that a
  // failing query fails here and not while its rows are being sent.
  void Inicia() {
    Cierra();
    columnas_.clear();
    for (int i = 0, n = sqlite3_column_count(s_); i < n; ++i)
      columnas_.push_back({sqlite3_column_name(s_, i), TipoDeclarado(sqlite3_column_decltype(s_, i))});
    estado_ = Paso() ? Estado::Pendiente : Estado::Fin;
  }

  void Cierra() {
    sqlite3_reset(s_);  // its result repeats the last step's, already reported
    estado_ = Estado::Cerrado;
  }

  // One step: true on a row, false at the end. The statement is reset at the
  // end or on failure so that it holds no lock on the file.
  bool Paso() {
    const int rc = sqlite3_step(s_);
    if (rc == SQLITE_ROW) return true;
    sqlite3_reset(s_);
    if (rc == SQLITE_DONE) return false;
    Falla(sqlite3_db_handle(s_));
  }

  const std::vector<Columna>& Columnas() const override { return columnas_; }

  bool Siguiente() override {
    if (estado_ == Estado::Pendiente) {
      estado_ = Estado::EnFila;
    } else if (estado_ == Estado::EnFila) {
      estado_ = Estado::Fin;  // also when the step fails
      if (Paso()) estado_ = Estado::EnFila;
    }
    // The types are taken before any accessor converts a value.
    tipos_.clear();
    if (estado_ != Estado::EnFila) return false;
    for (std::size_t i = 0; i < columnas_.size(); ++i)
      tipos_.push_back(TipoDeFila(sqlite3_column_type(s_, static_cast<int>(i)), columnas_[i].tipo));
    return true;
  }

  TipoDato Tipo(int columna) const override { return tipos_[Indice(columna)]; }
  std::int64_t Entero(int columna) const override { return sqlite3_column_int64(s_, Indice(columna)); }
  double Doble(int columna) const override { return sqlite3_column_double(s_, Indice(columna)); }
  std::string_view Texto(int columna) const override {
    const int i = Indice(columna);
    const auto* texto = reinterpret_cast<const char*>(sqlite3_column_text(s_, i));
    if (texto == nullptr) return {};
    return {texto, static_cast<std::size_t>(sqlite3_column_bytes(s_, i))};
  }

 private:
  enum class Estado { Cerrado, Pendiente, EnFila, Fin };

  int Indice(int columna) const {
    if (estado_ != Estado::EnFila) throw Error("No hay fila actual");
    if (columna < 0 || static_cast<std::size_t>(columna) >= columnas_.size())
      throw Error("Columna fuera de rango: " + std::to_string(columna));
    return columna;
  }

  sqlite3_stmt* s_;
  std::vector<Columna> columnas_;
  std::vector<TipoDato> tipos_;
  Estado estado_ = Estado::Cerrado;
};

// Binds one Valor; date-times travel as their text.
struct Enlaza {
  sqlite3_stmt* s;
  int i;
  int operator()(Nulo) const { return sqlite3_bind_null(s, i); }
  int operator()(std::int64_t v) const { return sqlite3_bind_int64(s, i, v); }
  int operator()(double v) const { return sqlite3_bind_double(s, i, v); }
  int operator()(const std::string& v) const {
    return sqlite3_bind_text64(s, i, v.data(), v.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
  }
  int operator()(FechaHora v) const { return (*this)(TextoFechaHora(v)); }
};

class SentenciaSqlite final : public Sentencia {
 public:
  SentenciaSqlite(sqlite3_stmt* sentencia, std::string texto)
      : s_(sentencia), texto_(std::move(texto)), cursor_(sentencia) {}
  ~SentenciaSqlite() override { sqlite3_finalize(s_); }
  SentenciaSqlite(const SentenciaSqlite&) = delete;
  SentenciaSqlite& operator=(const SentenciaSqlite&) = delete;

  void Asigna(std::string_view nombre, const Valor& valor) override {
    cursor_.Cierra();  // a statement takes new values only between runs
    const std::string marca = ":" + std::string(nombre);
    const int i = sqlite3_bind_parameter_index(s_, marca.c_str());
    if (i == 0) throw Error("Parámetro desconocido: " + std::string(nombre));
    if (std::visit(Enlaza{s_, i}, valor) != SQLITE_OK) Falla(sqlite3_db_handle(s_));
  }

  Cursor& Abre() override {
    if (sqlite3_column_count(s_) == 0) {
      Ejecuta();  // run all the same, as callers expect of a statement opened by mistake
      throw Error("La sentencia no devolvió un conjunto de datos");
    }
    cursor_.Inicia();
    return cursor_;
  }

  std::int64_t Ejecuta() override {
    cursor_.Cierra();
    sqlite3* db = sqlite3_db_handle(s_);
    const auto antes = sqlite3_total_changes64(db);
    while (cursor_.Paso()) {
    }
    // sqlite3_changes keeps the count of the last INSERT, UPDATE or DELETE;
    // when nothing changed, this statement was not one or changed no row.
    return sqlite3_total_changes64(db) == antes ? 0 : sqlite3_changes64(db);
  }

  const std::string& Texto() const override { return texto_; }

 private:
  sqlite3_stmt* s_;
  std::string texto_;
  CursorSqlite cursor_;
};

}  // namespace

ConexionSqlite::ConexionSqlite(const std::string& archivo) : archivo_(archivo), identidad_(IdentidadDe(archivo)) {
  db_ = TomaConexionSqlite(archivo_, identidad_);
  if (db_ != nullptr) return;
  const int rc = sqlite3_open_v2(archivo.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  // Before the first read: another session committing its transaction holds
  // the file for a moment, and the read below must wait for it, not fail.
  if (rc == SQLITE_OK) sqlite3_busy_timeout(db_, kEsperaBloqueoMs);
  // Opening is lazy: reading the schema proves the file is a database.
  if (rc != SQLITE_OK ||
      sqlite3_exec(db_, "SELECT 1 FROM sqlite_master LIMIT 1", nullptr, nullptr, nullptr) != SQLITE_OK) {
    const std::string mensaje = "No se pudo abrir la base de datos " + archivo + ": " +
                                (db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(rc));
    sqlite3_close(db_);
    throw Error(mensaje);
  }
  // Write-ahead logging: readers and the one writer do not block each other,
  // and a commit syncs once instead of journal and database alike. The mode
  // stays with the file; while another connection holds the file in the old
  // mode the change fails and the file keeps working as it is.
  sqlite3_exec(db_, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
  sqlite3_db_config(db_, SQLITE_DBCONFIG_ENABLE_FKEY, 0, nullptr);
  try {
    RegistraFuncionesTSql(db_);
  } catch (...) {
    sqlite3_close(db_);
    throw;
  }
}

// Only a connection left as it was opened is reused: no transaction open, no
// statement alive (close_v2 defers the close until they are finalised).
ConexionSqlite::~ConexionSqlite() {
  if (sqlite3_get_autocommit(db_) != 0 && sqlite3_next_stmt(db_, nullptr) == nullptr)
    DevuelveConexionSqlite(archivo_, identidad_, db_);
  else
    sqlite3_close_v2(db_);
}

std::unique_ptr<Sentencia> ConexionSqlite::Prepara(std::string_view sql) {
  // The statements are T-SQL; the original text stays for messages.
  const std::string traducida = TraduceTSqlASqlite(sql);
  sqlite3_stmt* sentencia = nullptr;
  const char* resto = nullptr;
  if (sqlite3_prepare_v2(db_, traducida.data(), static_cast<int>(traducida.size()), &sentencia, &resto) != SQLITE_OK)
    Falla(db_);
  if (sentencia == nullptr) throw Error("La sentencia está vacía");
  auto preparada = std::make_unique<SentenciaSqlite>(sentencia, std::string(sql));
  // What follows may only be blanks, semicolons and comments, which prepare
  // to no statement.
  const char* fin = traducida.data() + traducida.size();
  sqlite3_stmt* otra = nullptr;
  const int rc = sqlite3_prepare_v2(db_, resto, static_cast<int>(fin - resto), &otra, nullptr);
  sqlite3_finalize(otra);
  if (rc != SQLITE_OK || otra != nullptr)
    throw Error("El texto contiene más de una sentencia: " + std::string(sql));
  return preparada;
}

void ConexionSqlite::Ejecuta(const char* sql) {
  if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) Falla(db_);
}

// IMMEDIATE takes the write lock at once: a transaction that reads a key and
// then inserts cannot be overtaken by another writer in between.
void ConexionSqlite::IniciaTransaccion() { Ejecuta("BEGIN IMMEDIATE"); }
void ConexionSqlite::ConfirmaTransaccion() { Ejecuta("COMMIT"); }
// After a failure SQLite may already have rolled back on its own.

void ConexionSqlite::RevierteTransaccion() {
  if (sqlite3_get_autocommit(db_) == 0) Ejecuta("ROLLBACK");
}

std::unique_ptr<Conexion> AbreSqlite(const std::string& carpeta, const std::string& base) {
  return std::make_unique<ConexionSqlite>(ArchivoBaseDatos(carpeta, base).string());
}

}  // namespace quorvex::db
