#pragma once
// The parts of an ADO-style connection string:
// "Provider=X;Persist Security Info=True;Password=...;User ID=...;Initial Catalog= name;Data Source=...".
#include <filesystem>
#include <string>
#include <string_view>

namespace quorvex::db {

struct CadenaConexion {
  std::string proveedor;   // Provider
  std::string contrasena;  // Password
  std::string usuario;     // User ID
  std::string catalogo;    // Initial Catalog: the database
  std::string origen;      // Data Source: the server, or the folder of the embedded databases
};

// Keys are matched without regard to case, values are trimmed of surrounding
// blanks, keys this layer does not use are skipped, the last of a repeated key
// counts. A value may be quoted ("a;b" or 'a;b', the quote doubled inside).
// A piece without "=" is an Error.
CadenaConexion LeeCadenaConexion(std::string_view cadena);

// The value as it is written into a connection string: as it is, or quoted
// when it holds a ";", starts with a quote or has surrounding blanks.
std::string ValorCadenaConexion(std::string_view valor);

// The file of the SQLite database `base` in the folder `carpeta`:
// carpeta/base.db. The name comes from the caller's token, so one that could
// reach another folder is an Error, and so is a file that does not exist.
std::filesystem::path ArchivoBaseDatos(const std::string& carpeta, const std::string& base);

}  // namespace quorvex::db
