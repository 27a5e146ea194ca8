#pragma once
// Statements and cursors of the ODBC back end. Internal to it.
#include <memory>
#include <string_view>

#include "db/Conexion.h"
#include "db/OdbcEntorno.h"

namespace quorvex::db {

// sql is the statement as the database reads it (already in its dialect),
// with ":name" parameters; `original` is kept for messages and Texto().
std::unique_ptr<Sentencia> PreparaOdbc(std::shared_ptr<Enlace> enlace, const Dialecto& dialecto, std::string_view sql,
                                       std::string original);

}  // namespace quorvex::db
