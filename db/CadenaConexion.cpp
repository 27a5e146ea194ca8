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

// A value up to the next ";", trimmed; or, when it opens with a quote, up to
// the closing quote, a doubled quote standing for itself. Consumes the ";".
std::string LeeValor(std::string_view& cadena) {
  cadena = cadena.substr(std::min(cadena.find_first_not_of(" \t"), cadena.size()));
  if (cadena.empty() || (cadena.front() != '"' && cadena.front() != '\'')) {
    const auto fin = std::min(cadena.find(';'), cadena.size());
    std::string valor(SinBlancos(cadena.substr(0, fin)));
    cadena.remove_prefix(std::min(fin + 1, cadena.size()));
    return valor;
  }
  const char comilla = cadena.front();
  std::string valor;
  std::size_t i = 1;
  for (;; ++i) {
    if (i >= cadena.size()) throw Error("Cadena de conexión mal formada: falta cerrar las comillas de un valor");
    if (cadena[i] != comilla) {
      valor += cadena[i];
    } else if (i + 1 < cadena.size() && cadena[i + 1] == comilla) {
      valor += comilla;
      ++i;
    } else {
      break;
    }
  }
  cadena.remove_prefix(i + 1);
  const auto fin = std::min(cadena.find(';'), cadena.size());
  if (!SinBlancos(cadena.substr(0, fin)).empty())
    throw Error("Cadena de conexión mal formada: texto después de las comillas de un valor");
  cadena.remove_prefix(std::min(fin + 1, cadena.size()));
  return valor;
}

}  // namespace

std::string ValorCadenaConexion(std::string_view valor) {
  const bool simple = valor.find(';') == std::string_view::npos && SinBlancos(valor) == valor &&
                      (valor.empty() || (valor.front() != '"' && valor.front() != '\''));
  if (simple) return std::string(valor);
  std::string entre = "\"";
  for (char c : valor) entre += c == '"' ? std::string("\"\"") : std::string(1, c);
  return entre + '"';
}

CadenaConexion LeeCadenaConexion(std::string_view cadena) {
  CadenaConexion partes;
  const std::pair<std::string_view, std::string CadenaConexion::*> kClaves[] = {
      {"Provider", &CadenaConexion::proveedor},         {"Password", &CadenaConexion::contrasena},
      {"User ID", &CadenaConexion::usuario},            {"Initial Catalog", &CadenaConexion::catalogo},
      {"Data Source", &CadenaConexion::origen},
  };
  while (!cadena.empty()) {
    const auto igual = cadena.find('=');
    const auto puntoYComa = cadena.find(';');
    if (puntoYComa < igual) {
      // The piece stays out of the message: it may be part of a password.
      if (!SinBlancos(cadena.substr(0, puntoYComa)).empty())
        throw Error("Cadena de conexión mal formada: falta \"=\" en una parte");
      cadena.remove_prefix(puntoYComa + 1);
      continue;
    }
    if (igual == std::string_view::npos) {
      if (!SinBlancos(cadena).empty()) throw Error("Cadena de conexión mal formada: falta \"=\" en una parte");
      break;
    }
    const std::string_view clave = SinBlancos(cadena.substr(0, igual));
    cadena.remove_prefix(igual + 1);
    const std::string valor = LeeValor(cadena);
    for (const auto& [nombre, campo] : kClaves)
      if (IgualSinMayusculas(clave, nombre)) partes.*campo = valor;
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
