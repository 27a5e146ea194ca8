#include "db/OdbcDialecto.h"

#include <algorithm>
#include <cctype>

#include "db/Valor.h"

namespace quorvex::db {
namespace {

constexpr Dialecto kSqlServer{
    .traduceTSql = false,
    .fechasComoTexto = false,
    .inicioTransaccion = nullptr,
    .liberaMemoria = nullptr,
    .leeSinConfirmar = true,
};

// SQLite's deferred BEGIN (what the driver issues with autocommit off) would
// let two writers read the same highest key; IMMEDIATE takes the write lock at
// once, as the embedded back end does.
constexpr Dialecto kSqlite{
    .traduceTSql = true,
    .fechasComoTexto = true,
    .inicioTransaccion = "BEGIN IMMEDIATE",
    .liberaMemoria = "PRAGMA shrink_memory",
    .leeSinConfirmar = false,
};

// A writer waits this long for another one's lock, as on the embedded back end.
constexpr int kEsperaBloqueoMs = 10'000;

std::string Minusculas(std::string_view t) {
  std::string r(t);
  std::transform(r.begin(), r.end(), r.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return r;
}

bool Contiene(std::string_view texto, std::string_view parte) {
  return Minusculas(texto).find(Minusculas(parte)) != std::string::npos;
}

bool EsSqlite(const DriverOdbc& d) { return Contiene(d.nombre, "sqlite") || Contiene(d.biblioteca, "sqlite"); }
bool EsFreeTds(const DriverOdbc& d) { return Contiene(d.nombre, "freetds") || Contiene(d.biblioteca, "tdsodbc"); }
bool EsMicrosoft(const DriverOdbc& d) { return Contiene(d.nombre, "odbc driver") && Contiene(d.nombre, "sql server"); }

bool EsProveedorOleDbSqlServer(std::string_view proveedor) {
  const std::string p = Minusculas(proveedor);
  return p == "sqloledb" || p.starts_with("sqlncli") || p.starts_with("msoledbsql");
}

// A "}" inside braces is doubled.
std::string EntreLlaves(std::string_view v) {
  std::string r = "{";
  for (char c : v) {
    r += c;
    if (c == '}') r += '}';
  }
  return r + "}";
}

// A value goes inside braces when it could end its piece early or be read
// otherwise.
std::string Valor(std::string_view v) {
  const bool llano =
      v.find_first_of(";{}=") == std::string_view::npos && (v.empty() || (v.front() != ' ' && v.back() != ' '));
  return llano ? std::string(v) : EntreLlaves(v);
}

std::string Pieza(std::string_view clave, std::string_view valor) {
  return std::string(clave) + "=" + Valor(valor) + ";";
}

}  // namespace

const Dialecto& DialectoDe(const DriverOdbc& driver) { return EsSqlite(driver) ? kSqlite : kSqlServer; }

std::optional<DriverOdbc> EligeDriver(std::string_view proveedor, const std::vector<DriverOdbc>& registrados) {
  if (EsProveedorOleDbSqlServer(proveedor)) {
    // Microsoft's drivers speak every SQL Server version best, the newest first.
    for (const char* nombre : {"ODBC Driver 18 for SQL Server", "ODBC Driver 17 for SQL Server"})
      for (const auto& d : registrados)
        if (Minusculas(d.nombre) == Minusculas(nombre)) return d;
    for (const auto& d : registrados)
      if (EsFreeTds(d)) return d;
    return std::nullopt;
  }
  for (const auto& d : registrados)
    if (Minusculas(d.nombre) == Minusculas(proveedor)) return d;
  return std::nullopt;
}

std::string CadenaOdbc(const DriverOdbc& driver, const CadenaConexion& partes) {
  std::string cadena = "Driver=" + EntreLlaves(driver.nombre) + ";";
  if (EsSqlite(driver)) {
    const std::filesystem::path extension = RutaExtensionSql();
    std::error_code error;
    if (!std::filesystem::is_regular_file(extension, error))
      throw Error("No se encuentra la extensión SQL " + extension.string());
    // NoCreat: a missing company is an error, never a new empty file.
    // StepAPI: rows are stepped one by one instead of read whole first.
    return cadena + Pieza("Database", ArchivoBaseDatos(partes.origen, partes.catalogo).string()) +
           Pieza("LoadExt", extension.string()) + "NoCreat=1;StepAPI=1;" +
           Pieza("Timeout", std::to_string(kEsperaBloqueoMs));
  }
  cadena += Pieza("Server", partes.origen) + Pieza("Database", partes.catalogo) + Pieza("UID", partes.usuario) +
            Pieza("PWD", partes.contrasena);
  // Several statements of a connection may have rows pending at once, as on
  // the embedded back end (a cursor read while another statement runs).
  cadena += "MARS_Connection=yes;";
  if (EsFreeTds(driver)) cadena += "TDS_Version=7.4;ClientCharset=UTF-8;";
  // Encrypted as the driver requires, but a company server's certificate is
  // usually its own self-signed one.
  if (EsMicrosoft(driver)) cadena += "TrustServerCertificate=yes;";
  return cadena;
}

std::filesystem::path RutaExtensionSql() {
  std::error_code error;
  const auto programa = std::filesystem::read_symlink("/proc/self/exe", error);
  return (error ? std::filesystem::current_path() : programa.parent_path()) / "libquorvexsql.so";
}

}  // namespace quorvex::db
