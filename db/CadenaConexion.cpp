#include "db/CadenaConexion.h"

#include <algorithm>
#include <cctype>

#include "db/Conexion.h"
#include "db/Odbc.h"
#include "db/Sqlite.h"

namespace quorvex::db {
namespace {

std::string_view SinBlancos(std::string_view texto) {
  const auto inicio = texto.find_first_not_of(" \t");
  if (inicio == std::string_view::npos) return {};
  return texto.substr(inicio, texto.find_last_not_of(" \t") - inicio + 1);
}

bool IgualSinMayusculas(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace

CadenaConexion LeeCadenaConexion(std::string_view cadena) {
  CadenaConexion partes;
  const std::pair<std::string_view, std::string CadenaConexion::*> kClaves[] = {
      {"Provider", &CadenaConexion::proveedor},         {"Password", &CadenaConexion::contrasena},
      {"User ID", &CadenaConexion::usuario},            {"Initial Catalog", &CadenaConexion::catalogo},
      {"Data Source", &CadenaConexion::origen},
  };
  while (!cadena.empty()) {
    const auto fin = std::min(cadena.find(';'), cadena.size());
    const std::string_view pieza = cadena.substr(0, fin);
    cadena.remove_prefix(std::min(fin + 1, cadena.size()));
    if (SinBlancos(pieza).empty()) continue;
    const auto igual = pieza.find('=');
    // The piece stays out of the message: it may be part of a password.
    if (igual == std::string_view::npos) throw Error("Cadena de conexión mal formada: falta \"=\" en una parte");
    const std::string_view clave = SinBlancos(pieza.substr(0, igual));
    for (const auto& [nombre, campo] : kClaves)
      if (IgualSinMayusculas(clave, nombre)) partes.*campo = SinBlancos(pieza.substr(igual + 1));
  }
  return partes;
}

std::filesystem::path ArchivoBaseDatos(const std::string& carpeta, const std::string& base) {
  if (carpeta.empty()) throw Error("Falta la carpeta de las bases de datos (Data Source)");
  if (base.empty()) throw Error("Falta el nombre de la base de datos (Initial Catalog)");
  if (base.find_first_of("/\\") != std::string::npos || base.find('\0') != std::string::npos)
    throw Error("Nombre de base de datos no válido: " + base);
  const std::filesystem::path archivo = std::filesystem::path(carpeta) / (base + ".db");
  std::error_code error;
  if (!std::filesystem::is_regular_file(archivo, error)) throw Error("No existe la base de datos " + archivo.string());
  return archivo;
}

// Each back end is chosen here by its provider name: "SQLite" is the embedded
// one, any other name an ODBC driver (db/OdbcDialecto.h).
std::unique_ptr<Conexion> AbreConexion(const std::string& cadena) {
  const CadenaConexion partes = LeeCadenaConexion(cadena);
  if (IgualSinMayusculas(partes.proveedor, "SQLite")) return AbreSqlite(partes.origen, partes.catalogo);
  if (auto driver = BuscaDriverOdbc(partes.proveedor)) return AbreOdbc(*driver, partes);
  throw Error("Proveedor no disponible: " + partes.proveedor);
}

}  // namespace quorvex::db
