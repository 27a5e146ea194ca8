#pragma once
// Reading a row by column name, for statements that select "*".
#include <strings.h>

#include <string>

#include "db/Conexion.h"

namespace quorvex::db {

// The first column of that name, compared as the database compares names
// (without regard to case). Throws Error when there is none.
inline int IndiceColumna(const Cursor& fila, const char* nombre) {
  const auto& columnas = fila.Columnas();
  for (std::size_t i = 0; i < columnas.size(); ++i)
    if (strcasecmp(columnas[i].nombre.c_str(), nombre) == 0) return static_cast<int>(i);
  throw Error(std::string("Falta la columna ") + nombre);
}

}  // namespace quorvex::db
