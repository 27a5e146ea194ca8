#include "db/demo/Escritor.h"

#include <sqlite3.h>

#include <stdexcept>
#include <type_traits>

namespace quorvex::db::demo {

void Escritor::Finaliza::operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }

Escritor::Escritor(const std::filesystem::path& archivo) {
  if (sqlite3_open_v2(archivo.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
    const std::string error = db_ != nullptr ? sqlite3_errmsg(db_) : "sin memoria";
    sqlite3_close(db_);
    throw std::runtime_error("No se pudo abrir " + archivo.string() + ": " + error);
  }
  try {
    Ejecuta("BEGIN");
  } catch (...) {
    sqlite3_close(db_);
    throw;
  }
  abierta_ = true;
}

Escritor::~Escritor() {
  sentencias_.clear();
  if (abierta_) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(db_);
}

void Escritor::Inserta(std::string_view tabla, std::initializer_list<Campo> campos) {
  Inserta(tabla, std::span<const Campo>(campos.begin(), campos.size()));
}

void Escritor::Inserta(std::string_view tabla, std::span<const Campo> campos) {
  if (!abierta_) throw std::logic_error("Escritor: la transacción ya se confirmó");
  sqlite3_stmt* s = Prepara(tabla, campos);
  int i = 0;
  for (const Campo& c : campos) {
    ++i;
    // The texts stay alive until the bindings are cleared below.
    const int rc = std::visit(
        [&](const auto& v) {
          using T = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<T, std::monostate>)
            return sqlite3_bind_null(s, i);
          else if constexpr (std::is_same_v<T, std::int64_t>)
            return sqlite3_bind_int64(s, i, v);
          else if constexpr (std::is_same_v<T, double>)
            return sqlite3_bind_double(s, i, v);
          else
            return sqlite3_bind_text(s, i, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
        },
        c.valor.valor());
    if (rc != SQLITE_OK) Falla(std::string(tabla) + "." + std::string(c.columna));
  }
  const int rc = sqlite3_step(s);
  sqlite3_reset(s);
  sqlite3_clear_bindings(s);
  if (rc != SQLITE_DONE) Falla(tabla);
}

void Escritor::Confirma() {
  Ejecuta("COMMIT");
  abierta_ = false;
}

sqlite3_stmt* Escritor::Prepara(std::string_view tabla, std::span<const Campo> campos) {
  std::string sql = "INSERT INTO ";
  sql.append(tabla).append(" (");
  std::string valores;
  for (const Campo& c : campos) {
    if (!valores.empty()) {
      sql += ", ";
      valores += ", ";
    }
    sql += c.columna;
    valores += '?';
  }
  sql.append(") VALUES (").append(valores).append(")");

  auto it = sentencias_.find(sql);
  if (it == sentencias_.end()) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &s, nullptr) != SQLITE_OK) Falla(sql);
    it = sentencias_.emplace(std::move(sql), Sentencia(s)).first;
  }
  return it->second.get();
}

void Escritor::Ejecuta(const char* sql) {
  if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) Falla(sql);
}

void Escritor::Falla(std::string_view que) const {
  throw std::runtime_error(std::string(que) + ": " + sqlite3_errmsg(db_));
}

}  // namespace quorvex::db::demo
