#pragma once
// Fills a database with rows: one cached prepared INSERT per table and column
// list, everything in one transaction. The demo data and the benchmark data
// generator write through it.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <variant>

struct sqlite3;
struct sqlite3_stmt;

namespace quorvex::db::demo {

// A value to write: SQL NULL, a whole number, a real number or a text. A
// null C string is SQL NULL.
class Dato {
 public:
  Dato(std::nullptr_t) {}
  Dato(int v) : v_(std::int64_t{v}) {}
  Dato(std::int64_t v) : v_(v) {}
  Dato(double v) : v_(v) {}
  Dato(const char* v) {
    if (v != nullptr) v_ = std::string(v);
  }
  Dato(std::string_view v) : v_(std::string(v)) {}
  Dato(std::string v) : v_(std::move(v)) {}

  const std::variant<std::monostate, std::int64_t, double, std::string>& valor() const { return v_; }

 private:
  std::variant<std::monostate, std::int64_t, double, std::string> v_;
};

struct Campo {
  std::string_view columna;
  Dato valor;
};

class Escritor {
 public:
  // Opens an existing database and begins the transaction. Errors are
  // std::runtime_error, here and in every operation.
  explicit Escritor(const std::filesystem::path& archivo);
  // Rolls back whatever was not confirmed.
  ~Escritor();
  Escritor(const Escritor&) = delete;
  Escritor& operator=(const Escritor&) = delete;

  void Inserta(std::string_view tabla, std::initializer_list<Campo> campos);
  void Inserta(std::string_view tabla, std::span<const Campo> campos);
  // Commits the rows written so far; nothing may be written afterwards.
  void Confirma();

 private:
  struct Finaliza {
    void operator()(sqlite3_stmt* s) const;
  };
  using Sentencia = std::unique_ptr<sqlite3_stmt, Finaliza>;

  sqlite3_stmt* Prepara(std::string_view tabla, std::span<const Campo> campos);
  void Ejecuta(const char* sql);
  [[noreturn]] void Falla(std::string_view que) const;

  sqlite3* db_ = nullptr;
  std::map<std::string, Sentencia, std::less<>> sentencias_;  // by INSERT text
  bool abierta_ = false;                                       // transaction in progress
};

}  // namespace quorvex::db::demo
