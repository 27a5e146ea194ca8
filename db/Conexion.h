#pragma once
// The database layer's small interface: a connection prepares statements with
// named parameters (":name"); a statement runs to a streaming cursor.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "db/Valor.h"

namespace quorvex::db {

struct Columna {
  std::string nombre;
  // Declared type when the back end knows it; Nulo when the column is an
  // expression whose type only the rows tell.
  TipoDato tipo = TipoDato::Nulo;
};

// Rows of a result, read forward once. Accessors refer to the current row and
// are valid until the next call of Siguiente.
class Cursor {
 public:
  virtual ~Cursor() = default;
  virtual const std::vector<Columna>& Columnas() const = 0;
  // Advances to the next row; false at the end. Throws Error on failure.
  virtual bool Siguiente() = 0;
  virtual TipoDato Tipo(int columna) const = 0;  // Nulo for SQL NULL
  virtual std::int64_t Entero(int columna) const = 0;
  virtual double Doble(int columna) const = 0;
  virtual std::string_view Texto(int columna) const = 0;
};

class Sentencia {
 public:
  virtual ~Sentencia() = default;
  // Binds a named parameter, name without the colon. Unknown names throw Error.
  virtual void Asigna(std::string_view nombre, const Valor& valor) = 0;
  // Runs a statement that returns rows. The cursor borrows the statement:
  // keep the statement alive while reading.
  virtual Cursor& Abre() = 0;
  // Runs a statement without rows; returns the rows affected.
  virtual std::int64_t Ejecuta() = 0;
  virtual const std::string& Texto() const = 0;
};

class Conexion {
 public:
  virtual ~Conexion() = default;
  virtual std::unique_ptr<Sentencia> Prepara(std::string_view sql) = 0;
  // A write transaction: once begun, no other connection writes the database
  // until it is confirmed or rolled back. Not nested. Throw Error.
  virtual void IniciaTransaccion() = 0;
  virtual void ConfirmaTransaccion() = 0;
  virtual void RevierteTransaccion() = 0;
};

// Opens the connection that an ADO-style connection string names
// ("Provider=...;...;Initial Catalog=...;Data Source=..."). Throws Error.
std::unique_ptr<Conexion> AbreConexion(const std::string& cadena);

}  // namespace quorvex::db
