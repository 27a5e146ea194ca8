#pragma once
// The schemas of the databases that the server reads: one SQLite script per
// product family and general database, kept in db/esquemas/*.sql and built
// into the program.
#include <filesystem>
#include <span>
#include <string_view>

namespace quorvex::db {

struct Esquema {
  std::string_view nombre;  // file stem: "comercial", "adminpaq", "sap", ...
  std::string_view sql;
};

// Every schema, in name order.
std::span<const Esquema> Esquemas();

// The script of the schema named nombre; std::invalid_argument when there is
// no such schema.
std::string_view EsquemaSql(std::string_view nombre);

// Creates the database file archivo with the schema named esquema. Fails
// (std::runtime_error) when the file already exists, and leaves no file
// behind when the script fails.
void CreaBaseDatos(const std::filesystem::path& archivo, std::string_view esquema);

}  // namespace quorvex::db
