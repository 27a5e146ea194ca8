// The ODBC back end, through the SQLite ODBC driver ("SQLite3" as Debian
// registers it) and, for connection failures, FreeTDS.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "core/Cifrado.h"
#include "core/Registro.h"
#include "core/SyncServermethods.h"
#include "core/Token.h"
#include "db/CadenaConexion.h"
#include "db/Conexion.h"
#include "db/OdbcDialecto.h"
#include "db/OdbcTexto.h"
#include "tests/BaseSqlitePrueba.h"
#include "tests/DirectorioTemporal.h"

namespace quorvex::db {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using namespace std::chrono;
using Tabla = std::vector<std::vector<std::string>>;

Tabla Filas(Cursor& cursor) {
  Tabla filas;
  while (cursor.Siguiente()) {
    auto& fila = filas.emplace_back();
    for (int i = 0; i < static_cast<int>(cursor.Columnas().size()); ++i)
      fila.emplace_back(cursor.Tipo(i) == TipoDato::Nulo ? "NULL" : std::string(cursor.Texto(i)));
  }
  return filas;
}

std::string Cadena(const std::string& proveedor, const std::string& base, const std::string& origen,
                   const std::string& contrasena = "") {
  return "Provider=" + proveedor + ";Persist Security Info=True;Password=" + contrasena +
         ";User ID=sa;Initial Catalog= " + base + ";Data Source=" + origen;
}

// Company files made with the SQLite C API, opened through the driver.
class OdbcSqlite : public ::testing::Test {
 protected:
  void SetUp() override {
    Sql("CREATE TABLE clientes(id INTEGER PRIMARY KEY, nombre VARCHAR(60), saldo REAL, alta DATETIME,"
        " activo BIT, firma BLOB, notas TEXT);"
        "INSERT INTO clientes VALUES (1, 'Peña', 10.5, '2024-01-31 08:00:00.000', 1, X'00FF10', NULL),"
        " (2, NULL, 3, '2024-02-01', 0, NULL, 'x');");
  }

  void Sql(const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((carpeta_ / "empresa.db").c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
  }

  std::unique_ptr<Conexion> Abre() { return AbreConexion(Cadena("SQLite3", "empresa", carpeta_.ruta().string())); }

  std::int64_t Cuenta(const std::string& tabla) {
    auto consulta = Abre()->Prepara("SELECT count(*) FROM " + tabla);
    Cursor& c = consulta->Abre();
    c.Siguiente();
    return c.Entero(0);
  }

  prueba::CarpetaTemporal carpeta_;
};

TEST_F(OdbcSqlite, CadaTipoDeParametroIdaYVuelta) {
  auto db = Abre();
  db->Prepara("CREATE TABLE v(entero INTEGER, doble REAL, texto TEXT, fecha DATETIME)")->Ejecuta();
  const FechaHora fecha = sys_days{2024y / February / 29} + 13h + 45min + 7s + 89ms;
  const std::string largo = std::string(70'000, 'x') + "ñ€😀";
  const struct {
    const char* columna;
    Valor valor;
    TipoDato tipo;
    std::string texto;
  } casos[] = {
      {"entero", std::int64_t{9'007'199'254'740'993}, TipoDato::Entero, "9007199254740993"},
      {"entero", std::int64_t{-42}, TipoDato::Entero, "-42"},
      {"doble", 2.5, TipoDato::Doble, "2.5"},
      {"doble", 3.0, TipoDato::Doble, "3.0"},
      {"texto", std::string("Año ñandú — “comillas” 'simples' 😀"), TipoDato::Texto,
       "Año ñandú — “comillas” 'simples' 😀"},
      {"texto", std::string(), TipoDato::Texto, ""},
      {"texto", largo, TipoDato::Texto, largo},
      {"fecha", fecha, TipoDato::FechaHora, "2024-02-29 13:45:07.089"},
      {"texto", Nulo{}, TipoDato::Nulo, ""},
  };
  for (const auto& caso : casos) {
    const std::string columna = caso.columna;
    db->Prepara("DELETE FROM v")->Ejecuta();
    auto inserta = db->Prepara("INSERT INTO v(" + columna + ") VALUES (:valor)");
    inserta->Asigna("valor", caso.valor);
    EXPECT_EQ(inserta->Ejecuta(), 1);
    // The value reads back, and compares equal to the same parameter.
    auto lee = db->Prepara("SELECT " + columna + ", (" + columna + " = :valor) AS igual FROM v");
    lee->Asigna("valor", caso.valor);
    Cursor& c = lee->Abre();
    ASSERT_TRUE(c.Siguiente()) << columna;
    EXPECT_EQ(c.Tipo(0), caso.tipo) << caso.texto.substr(0, 40);
    EXPECT_EQ(c.Texto(0), caso.texto) << columna;
    if (caso.tipo != TipoDato::Nulo) {
      EXPECT_EQ(c.Entero(1), 1) << caso.texto.substr(0, 40);
    }
    if (caso.tipo == TipoDato::Entero) {
      EXPECT_EQ(c.Entero(0), std::get<std::int64_t>(caso.valor));
    }
    EXPECT_FALSE(c.Siguiente());
  }
  // Stored as the embedded back end stores it: the text the listings compare.
  db->Prepara("DELETE FROM v")->Ejecuta();
  auto inserta = db->Prepara("INSERT INTO v(fecha) VALUES (:f)");
  inserta->Asigna("f", fecha);
  inserta->Ejecuta();
  auto consulta = db->Prepara("SELECT typeof(fecha) || ' ' || fecha FROM v");
  EXPECT_EQ(Filas(consulta->Abre()), (Tabla{{"text 2024-02-29 13:45:07.089"}}));
}

TEST_F(OdbcSqlite, NombresDeParametroRepetidosYDosPuntosEnLiterales) {
  auto db = Abre();
  auto s = db->Prepara(
      "SELECT :a + :a AS doble, ':b' AS literal, '10:30' AS hora, [x:y] AS corchetes, :b AS b, :sinValor AS nulo"
      " FROM (SELECT 1 AS [x:y]) -- :comentario\n");
  s->Asigna("a", std::int64_t{21});
  s->Asigna("b", std::string("bé"));
  EXPECT_THROW(s->Asigna("comentario", std::int64_t{1}), Error);
  EXPECT_THROW(s->Asigna("c", std::int64_t{1}), Error);
  EXPECT_EQ(Filas(s->Abre()), (Tabla{{"42", ":b", "10:30", "1", "bé", "NULL"}}));
  // New values between runs.
  s->Asigna("a", std::int64_t{1});
  EXPECT_EQ(Filas(s->Abre())[0][0], "2");
}

TEST(OdbcTexto, LosParametrosSeVuelvenPosicionales) {
  const struct {
    const char* sql;
    const char* texto;
    std::vector<std::string> nombres;
  } casos[] = {
      {"select :a, :b, :a", "select ?, ?, ?", {"a", "b", "a"}},
      {"where x = ':a' and y = 'it''s :b' and z = :c", "where x = ':a' and y = 'it''s :b' and z = ?", {"c"}},
      {"select [a:b], \"c:d\", x::int /* :e */ -- :f\n, :g_1",
       "select [a:b], \"c:d\", x::int /* :e */ -- :f\n, ?",
       {"g_1"}},
      {"select '10:30', :1, :", "select '10:30', :1, :", {}},
      {"select 'sin cerrar :a", "select 'sin cerrar :a", {}},
  };
  for (const auto& caso : casos) {
    const TextoPosicional r = ParametrosPosicionales(caso.sql);
    EXPECT_EQ(r.texto, caso.texto);
    EXPECT_EQ(r.nombres, caso.nombres) << caso.sql;
  }
}

TEST(OdbcTexto, Utf16IdaYVuelta) {
  for (const std::string t : {"", "ñÑáéíóú", "€ 😀 中文", "categoríacliente1"}) EXPECT_EQ(Utf8(Utf16(t)), t);
  EXPECT_EQ(Utf16("😀").size(), 2u) << "a surrogate pair";
  EXPECT_EQ(Utf8(Utf16("a\xff")), "a\xEF\xBF\xBD") << "invalid UTF-8 becomes U+FFFD";
}

TEST_F(OdbcSqlite, ColumnasConSuNombreYSuTipo) {
  auto db = Abre();
  auto s = db->Prepara(
      "SELECT id, nombre AS [categoríacliente1], saldo, alta, activo, firma, notas, max(c.id, 0)"
      " FROM clientes c ORDER BY id");
  Cursor& c = s->Abre();
  std::vector<std::string> nombres;
  std::vector<TipoDato> tipos;
  for (const auto& columna : c.Columnas()) {
    nombres.push_back(columna.nombre);
    tipos.push_back(columna.tipo);
  }
  // An expression is named as written (the driver's plain names drop what
  // precedes a dot); its type is the driver's guess.
  EXPECT_EQ(nombres, (std::vector<std::string>{"id", "categoríacliente1", "saldo", "alta", "activo", "firma", "notas",
                                               "max(c.id, 0)"}));
  tipos.pop_back();
  EXPECT_EQ(tipos, (std::vector<TipoDato>{TipoDato::Entero, TipoDato::Texto, TipoDato::Doble, TipoDato::FechaHora,
                                          TipoDato::Booleano, TipoDato::Binario, TipoDato::Texto}));
  ASSERT_TRUE(c.Siguiente());
  EXPECT_EQ(c.Texto(1), "Peña");
  EXPECT_DOUBLE_EQ(c.Doble(2), 10.5);
  EXPECT_EQ(c.Texto(3), "2024-01-31 08:00:00.000");
  EXPECT_EQ(c.Tipo(4), TipoDato::Booleano);
  EXPECT_EQ(c.Entero(4), 1);
  EXPECT_EQ(c.Texto(5), std::string("\x00\xFF\x10", 3));
  EXPECT_EQ(c.Entero(7), 1);
  EXPECT_EQ(c.Tipo(6), TipoDato::Nulo);
  ASSERT_TRUE(c.Siguiente());
  EXPECT_EQ(c.Tipo(1), TipoDato::Nulo);
  EXPECT_EQ(c.Texto(2), "3.0") << "as SQLite writes a real";
  EXPECT_EQ(c.Texto(3), "2024-02-01") << "a date-time keeps the text it was stored with";
  EXPECT_EQ(c.Tipo(5), TipoDato::Nulo);
  EXPECT_FALSE(c.Siguiente());
  EXPECT_THROW(c.Texto(0), Error) << "no current row";
}

TEST_F(OdbcSqlite, LasFilasSeLeenTrasSoltarLaConexion) {
  auto db = Abre();
  auto s = db->Prepara("SELECT nombre FROM clientes ORDER BY id");
  db.reset();
  EXPECT_EQ(Filas(s->Abre()), (Tabla{{"Peña"}, {"NULL"}}));
}

TEST_F(OdbcSqlite, LasSentenciasTSqlSeTraducen) {
  auto db = Abre();
  auto s = db->Prepara(
      "SELECT TOP 1 ISNULL(nombre, 'sin nombre') AS nombre, LEN(CONVERT(varchar(10), GETDATE(), 120)) AS hoy,"
      " LEFT('abc', 2) AS izq FROM dbo.clientes WHERE id > :id ORDER BY id");
  s->Asigna("id", std::int64_t{1});
  EXPECT_EQ(Filas(s->Abre()), (Tabla{{"sin nombre", "10", "ab"}})) << "GETDATE comes from libquorvexsql.so";
}

TEST_F(OdbcSqlite, UnaTransaccionSinConfirmarNoDejaNadaYExcluyeAOtrosEscritores) {
  auto db = Abre();
  db->IniciaTransaccion();
  EXPECT_THROW(db->IniciaTransaccion(), Error) << "not nested";
  db->Prepara("INSERT INTO clientes(id, nombre) VALUES (3, 'Tres')")->Ejecuta();
  // The write lock is taken at the start: another writer cannot begin.
  sqlite3* otra = nullptr;
  ASSERT_EQ(sqlite3_open((carpeta_ / "empresa.db").c_str(), &otra), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(otra, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_BUSY);
  db->RevierteTransaccion();
  EXPECT_EQ(Cuenta("clientes"), 2);

  db->IniciaTransaccion();
  db->Prepara("INSERT INTO clientes(id, nombre) VALUES (3, 'Tres')")->Ejecuta();
  db->ConfirmaTransaccion();
  EXPECT_EQ(Cuenta("clientes"), 3);

  // A connection dropped inside a transaction leaves nothing for the next
  // user of the pooled connection, and no lock.
  db->IniciaTransaccion();
  db->Prepara("INSERT INTO clientes(id, nombre) VALUES (4, 'Cuatro')")->Ejecuta();
  db.reset();
  EXPECT_EQ(Cuenta("clientes"), 3);
  EXPECT_EQ(sqlite3_exec(otra, "BEGIN IMMEDIATE; ROLLBACK", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(otra);
}

TEST_F(OdbcSqlite, LosFallosDanErrorConElMensajeDelDriver) {
  auto db = Abre();
  const struct {
    const char* sql;
    const char* mensaje;
  } casos[] = {
      {"SELEC 1", "syntax error"},
      {"SELECT nada FROM ningunatabla", "ningunatabla"},
      {"SELECT 1; DELETE FROM clientes", "one SQL statement"},
  };
  for (const auto& caso : casos) {
    try {
      db->Prepara(caso.sql)->Abre();
      ADD_FAILURE() << "se esperaba db::Error: " << caso.sql;
    } catch (const Error& e) {
      EXPECT_THAT(e.what(), HasSubstr(caso.mensaje)) << caso.sql;
    }
  }
  EXPECT_EQ(Cuenta("clientes"), 2) << "the second statement never ran";
  // A statement without rows runs all the same when opened.
  try {
    db->Prepara("DELETE FROM clientes WHERE id = 2")->Abre();
    ADD_FAILURE() << "se esperaba db::Error";
  } catch (const Error& e) {
    EXPECT_THAT(e.what(), HasSubstr("no devolvió un conjunto de datos"));
  }
  EXPECT_EQ(Cuenta("clientes"), 1);
  EXPECT_EQ(db->Prepara("UPDATE clientes SET nombre = 'x' WHERE id = 99")->Ejecuta(), 0);
}

TEST_F(OdbcSqlite, LaBaseSeBuscaSoloEnSuCarpeta) {
  const std::string carpeta = carpeta_.ruta().string();
  const struct {
    std::string base;
    std::string mensaje;
  } casos[] = {
      {"noexiste", "No existe la base de datos " + (carpeta_ / "noexiste.db").string()},
      {"../empresa", "no válido: ../empresa"},
      {"a\\b", "no válido"},
      {"", "Initial Catalog"},
  };
  for (const auto& caso : casos) {
    try {
      AbreConexion(Cadena("SQLite3", caso.base, carpeta));
      ADD_FAILURE() << "se esperaba db::Error: " << caso.base;
    } catch (const Error& e) {
      EXPECT_THAT(e.what(), HasSubstr(caso.mensaje)) << caso.base;
    }
  }
  EXPECT_FALSE(std::filesystem::exists(carpeta_ / "noexiste.db")) << "never created";
}

TEST(OdbcProveedor, ElProveedorEligeElDriver) {
  const std::vector<DriverOdbc> soloFreeTds{{"FreeTDS", "libtdsodbc.so"}, {"SQLite3", "libsqlite3odbc.so"}};
  const std::vector<DriverOdbc> conMicrosoft{{"FreeTDS", "libtdsodbc.so"},
                                             {"ODBC Driver 17 for SQL Server", "libmsodbcsql-17.so"},
                                             {"ODBC Driver 18 for SQL Server", "libmsodbcsql-18.so"}};
  const std::vector<DriverOdbc> soloSqlite{{"SQLite3", "libsqlite3odbc.so"}};
  const struct {
    const char* proveedor;
    const std::vector<DriverOdbc>* registrados;
    const char* driver;  // nullptr: none
  } casos[] = {
      {"SQLNCLI11.1", &soloFreeTds, "FreeTDS"},
      {"sqloledb", &soloFreeTds, "FreeTDS"},
      {"SQLNCLI10.1", &conMicrosoft, "ODBC Driver 18 for SQL Server"},
      {"freetds", &conMicrosoft, "FreeTDS"},
      {"SQLite3", &soloFreeTds, "SQLite3"},
      {"Oracle", &soloFreeTds, nullptr},
      {"SQLOLEDB", &soloSqlite, nullptr},
  };
  for (const auto& caso : casos) {
    const auto elegido = EligeDriver(caso.proveedor, *caso.registrados);
    if (caso.driver == nullptr) {
      EXPECT_FALSE(elegido.has_value()) << caso.proveedor;
    } else {
      ASSERT_TRUE(elegido.has_value()) << caso.proveedor;
      EXPECT_EQ(elegido->nombre, caso.driver) << caso.proveedor;
    }
  }
}

TEST(OdbcProveedor, LaCadenaDelDriverEscapaSusValores) {
  CadenaConexion partes{"FreeTDS", "p;w}d", "sa", "ctEmpresa", "servidor\\SQL2019,1433"};
  EXPECT_EQ(CadenaOdbc({"FreeTDS", "libtdsodbc.so"}, partes),
            "Driver={FreeTDS};Server=servidor\\SQL2019,1433;Database=ctEmpresa;UID=sa;PWD={p;w}}d};"
            "MARS_Connection=yes;TDS_Version=7.4;ClientCharset=UTF-8;");
  partes.contrasena = "secreta";
  EXPECT_EQ(CadenaOdbc({"ODBC Driver 18 for SQL Server", "libmsodbcsql-18.so"}, partes),
            "Driver={ODBC Driver 18 for SQL Server};Server=servidor\\SQL2019,1433;Database=ctEmpresa;UID=sa;"
            "PWD=secreta;MARS_Connection=yes;TrustServerCertificate=yes;");
}

TEST(OdbcProveedor, UnProveedorDesconocidoNoEstaDisponible) {
  try {
    AbreConexion(Cadena("NoEsUnDriver", "empresa", "/tmp"));
    ADD_FAILURE() << "se esperaba db::Error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Proveedor no disponible: NoEsUnDriver");
  }
}

TEST(OdbcFreeTds, UnServidorInalcanzableFallaSinMostrarLaContrasena) {
  // Port 1 of this machine: nothing listens, the refusal is immediate.
  for (const char* proveedor : {"FreeTDS", "SQLOLEDB"}) {
    try {
      AbreConexion(Cadena(proveedor, "ctEmpresa", "127.0.0.1,1", "Secreta}99"));
      ADD_FAILURE() << "se esperaba db::Error: " << proveedor;
    } catch (const Error& e) {
      EXPECT_THAT(e.what(), HasSubstr("No se pudo conectar con la base de datos")) << proveedor;
      EXPECT_THAT(e.what(), HasSubstr("FreeTDS")) << proveedor;
      EXPECT_THAT(e.what(), Not(HasSubstr("Secreta"))) << proveedor;
    }
  }
}

// Through the server methods: the failure is logged and the method answers
// its failure value.
class OdbcMetodos : public pruebas::ConDirectorioTemporal {
 protected:
  void SetUp() override {
    TokenAcceso::Global().Fija("111111111", "222222222");
    GuardaDatoRegestry("Provider", "FreeTDS");
    GuardaDatoRegestry("ServidorDB", "127.0.0.1,1");
    GuardaDatoRegestry("UsuarioDB", "sa");
    GuardaDatoRegestry("PasswordDB", Cifrar("Secreta99"));
  }

  std::string Bitacora() const {
    std::string todo;
    for (const auto& e : std::filesystem::directory_iterator(directorio_.Ruta()))
      if (e.path().filename().string().starts_with("BitacoraSync")) {
        std::ifstream f(e.path());
        todo += std::string(std::istreambuf_iterator<char>(f), {});
      }
    return todo;
  }

  TServerMethodsSync m_;
};

TEST_F(OdbcMetodos, UnServidorInalcanzableSeRegistraYElMetodoFalla) {
  auto r = m_.DameConsultaSQL("1111111112ctEmpresa", "select 1 as uno", "");
  EXPECT_EQ(m_.ConexionEmpresa(), nullptr);
  ASSERT_NE(r, nullptr);
  ASSERT_EQ(r->Filas().Columnas().size(), 1u);
  EXPECT_EQ(r->Filas().Columnas()[0].nombre, "Error");
  ASSERT_TRUE(r->Filas().Siguiente());
  EXPECT_THAT(std::string(r->Filas().Texto(0)), HasSubstr("select 1 as uno"));
  const std::string bitacora = Bitacora();
  EXPECT_THAT(bitacora, HasSubstr("No se pudo conectar con la base de datos"));
  EXPECT_THAT(bitacora, HasSubstr("FreeTDS"));
  EXPECT_THAT(bitacora, Not(HasSubstr("Secreta99")));
}

}  // namespace
}  // namespace quorvex::db
