#pragma once
// A data set as the table object of REST answers:
//   {"table":[[name, typeCode, ordinal, subTypeCode, scale, size, precision,
//              childPos, nullable, hidden, paramDirection, valueParam, literal], ...],
//    "COL1":[values in row order], "COL2":[...], ...}
// The object is column-major, so every row is read (once) before anything is
// sent. Values wait in per-column buffers; whenever the buffers together pass
// the memory budget they are appended to an anonymous temporary file, so the
// memory held does not grow with the size of the answer.
#include <cstddef>
#include <memory>
#include <string>

#include "db/Conexion.h"
#include "hosting/Respuesta.h"

namespace quorvex {

inline constexpr std::size_t kPresupuestoTabla = 1024 * 1024;

// Reads the cursor to its end and returns the body prefijo + table object +
// sufijo. Throws what the cursor throws, or std::runtime_error when the
// temporary file fails; either way before any byte is produced.
std::unique_ptr<FuenteCuerpo> CuerpoTabla(db::Cursor& cursor, std::string prefijo, std::string sufijo,
                                          std::size_t presupuesto = kPresupuestoTabla);

}  // namespace quorvex
