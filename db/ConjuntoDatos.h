#pragma once
// A data set as methods return it: the rows of an opened statement, or of an
// in-memory table, with whatever owns them.
#include <memory>

#include "db/Conexion.h"

namespace quorvex::db {

class ConjuntoDatos {
 public:
  // Opens the statement; throws Error when it yields no result.
  explicit ConjuntoDatos(std::unique_ptr<Sentencia> sentencia)
      : sentencia_(std::move(sentencia)), cursor_(&sentencia_->Abre()) {}
  explicit ConjuntoDatos(std::unique_ptr<Cursor> propio)
      : propio_(std::move(propio)), cursor_(propio_.get()) {}

  Cursor& Filas() { return *cursor_; }

 private:
  std::unique_ptr<Sentencia> sentencia_;
  std::unique_ptr<Cursor> propio_;
  Cursor* cursor_;
};

}  // namespace quorvex::db
