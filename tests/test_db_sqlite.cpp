#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "db/CadenaConexion.h"
#include "db/Conexion.h"
#include "db/Sqlite.h"
#include "db/TablaMemoria.h"
#include "tests/DirectorioTemporal.h"

namespace quorvex::db {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
namespace fs = std::filesystem;
using namespace std::chrono;

// Every row of a cursor as text; SQL NULL reads as "NULL".
std::vector<std::vector<std::string>> Filas(Cursor& cursor) {
  std::vector<std::vector<std::string>> filas;
  while (cursor.Siguiente()) {
    auto& fila = filas.emplace_back();
    for (int i = 0; i < static_cast<int>(cursor.Columnas().size()); ++i)
      fila.emplace_back(cursor.Tipo(i) == TipoDato::Nulo ? "NULL" : std::string(cursor.Texto(i)));
  }
  return filas;
}

using Tabla = std::vector<std::vector<std::string>>;

// A scratch folder of company databases, made with the SQLite C API so that
// the back end under test is not used to build its own fixtures.
class BaseSqlite : public ::testing::Test {
 protected:
  std::string CreaBase(const std::string& nombre, const std::string& sql) {
    const std::string archivo = (carpeta_ / (nombre + ".db")).string();
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(archivo.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
    return archivo;
  }

  // The company "empresa" with customers 1 Ana, 2 Beto, 3 NULL name.
  std::unique_ptr<Conexion> AbreEmpresa(const std::string& masSql = "") {
    return std::make_unique<ConexionSqlite>(
        CreaBase("empresa",
                 "CREATE TABLE clientes(id INTEGER PRIMARY KEY, nombre VARCHAR(60), saldo DECIMAL(18,4));"
                 "INSERT INTO clientes VALUES (1, 'Ana', 10.5), (2, 'Beto', 2.5), (3, NULL, NULL);" +
                     masSql));
  }

  std::string Cadena(const std::string& proveedor, const std::string& catalogo) const {
    return "Provider=" + proveedor + ";Persist Security Info=True;Password=x;User ID=sa;Initial Catalog=" +
           catalogo + ";Data Source=" + carpeta_.string();
  }

  pruebas::DirectorioTemporal directorio_;
  const fs::path carpeta_ = directorio_.Ruta();
};

TEST(TextoFechaHora, FormaFijaConMilisegundos) {
  const struct {
    FechaHora fecha;
    const char* texto;
  } casos[] = {
      {FechaHora{}, "1970-01-01 00:00:00.000"},
      {sys_days{2024y / February / 29d} + 23h + 59min + 59s + 999ms, "2024-02-29 23:59:59.999"},
      {sys_days{2005y / January / 2d} + 3h + 4min + 5s + 6ms, "2005-01-02 03:04:05.006"},
      {FechaHora{} - 1ms, "1969-12-31 23:59:59.999"},
  };
  for (const auto& caso : casos) EXPECT_EQ(TextoFechaHora(caso.fecha), caso.texto);
}

TEST_F(BaseSqlite, CadaValorVaYVuelveConSuTipo) {
  auto db = AbreEmpresa("CREATE TABLE valores(n INTEGER, v);");
  const FechaHora fecha = sys_days{2023y / March / 4d} + 5h + 6min + 7s + 89ms;
  const struct {
    Valor valor;
    TipoDato tipo;
    const char* texto;
  } casos[] = {
      {Nulo{}, TipoDato::Nulo, "NULL"},
      {std::int64_t{std::numeric_limits<std::int64_t>::max()}, TipoDato::Entero, "9223372036854775807"},
      {std::int64_t{-5}, TipoDato::Entero, "-5"},
      {2.5, TipoDato::Doble, "2.5"},
      {std::string("año ñ"), TipoDato::Texto, "año ñ"},
      {std::string(), TipoDato::Texto, ""},
      {fecha, TipoDato::Texto, "2023-03-04 05:06:07.089"},
  };
  auto inserta = db->Prepara("INSERT INTO valores VALUES (:n, :v)");
  for (std::int64_t n = 0; const auto& caso : casos) {
    inserta->Asigna("n", n++);
    inserta->Asigna("v", caso.valor);
    EXPECT_EQ(inserta->Ejecuta(), 1);
  }
  auto lee = db->Prepara("SELECT v FROM valores ORDER BY n");
  Cursor& filas = lee->Abre();
  for (const auto& caso : casos) {
    ASSERT_TRUE(filas.Siguiente());
    EXPECT_EQ(filas.Tipo(0), caso.tipo) << caso.texto;
    EXPECT_EQ(caso.tipo == TipoDato::Nulo ? "NULL" : std::string(filas.Texto(0)), caso.texto);
  }
  EXPECT_FALSE(filas.Siguiente());

  // The extremes survive as numbers, not only as text.
  auto extremo = db->Prepara("SELECT :e, :d");
  extremo->Asigna("e", std::int64_t{std::numeric_limits<std::int64_t>::min()});
  extremo->Asigna("d", 0.1);
  Cursor& fila = extremo->Abre();
  ASSERT_TRUE(fila.Siguiente());
  EXPECT_EQ(fila.Entero(0), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(fila.Doble(1), 0.1);
}

TEST_F(BaseSqlite, UnaComillaEnElValorNoRompeNiEnsanchaLaSentencia) {
  auto db = AbreEmpresa();
  const std::string malicioso = "O'Brien'); DELETE FROM clientes; --";
  auto inserta = db->Prepara("INSERT INTO clientes(id, nombre) VALUES (4, :nombre)");
  inserta->Asigna("nombre", malicioso);
  EXPECT_EQ(inserta->Ejecuta(), 1);

  auto busca = db->Prepara("SELECT nombre FROM clientes WHERE nombre = :nombre");
  busca->Asigna("nombre", malicioso);
  EXPECT_EQ(Filas(busca->Abre()), (Tabla{{malicioso}}));
  busca->Asigna("nombre", std::string("x' OR '1'='1"));
  EXPECT_TRUE(Filas(busca->Abre()).empty());

  EXPECT_EQ(Filas(db->Prepara("SELECT count(*) FROM clientes")->Abre()), (Tabla{{"4"}}));
}

TEST_F(BaseSqlite, ParametroDesconocidoFallaConSuNombre) {
  auto db = AbreEmpresa();
  auto sentencia = db->Prepara("SELECT nombre FROM clientes WHERE id = :id");
  try {
    sentencia->Asigna("idcliente", std::int64_t{1});
    FAIL() << "se esperaba db::Error";
  } catch (const Error& e) {
    EXPECT_THAT(e.what(), HasSubstr("idcliente"));
  }
  EXPECT_THROW(sentencia->Asigna(":id", std::int64_t{1}), Error);  // the name goes without its colon
}

TEST_F(BaseSqlite, UnaSentenciaSeVuelveAAsignarYCorrer) {
  auto db = AbreEmpresa();
  auto busca = db->Prepara("SELECT nombre FROM clientes WHERE id = :id OR id = :id + 10");
  busca->Asigna("id", std::int64_t{1});
  Cursor& filas = busca->Abre();
  ASSERT_TRUE(filas.Siguiente());
  EXPECT_EQ(filas.Texto(0), "Ana");
  // New values in the middle of a reading start a fresh run.
  busca->Asigna("id", std::int64_t{2});
  EXPECT_EQ(Filas(busca->Abre()), (Tabla{{"Beto"}}));
  EXPECT_EQ(Filas(busca->Abre()), (Tabla{{"Beto"}}));  // values stay bound

  auto cambia = db->Prepara("UPDATE clientes SET saldo = :saldo WHERE id = :id");
  for (const std::int64_t id : {1, 2}) {
    cambia->Asigna("id", id);
    cambia->Asigna("saldo", static_cast<double>(id) + 0.25);
    EXPECT_EQ(cambia->Ejecuta(), 1);
  }
  EXPECT_EQ(Filas(db->Prepara("SELECT saldo FROM clientes WHERE id < 3 ORDER BY id")->Abre()),
            (Tabla{{"1.25"}, {"2.25"}}));
}

TEST_F(BaseSqlite, ElCursorLeeMuchasFilasConNombresTiposYNulos) {
  auto db = AbreEmpresa(
      "CREATE TABLE movimientos(id INTEGER, producto CHAR(20), cantidad REAL, fecha DATETIME, cancelado BIT);"
      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000)"
      " INSERT INTO movimientos SELECT i, 'P' || i, i / 2.0, CASE WHEN i % 2 = 0 THEN '2024-01-02 03:04:05.000' END,"
      " i % 3 FROM n;");
  auto sentencia = db->Prepara("SELECT id, producto, cantidad, fecha, cancelado FROM movimientos ORDER BY id");
  Cursor& filas = sentencia->Abre();
  const std::vector<Columna> esperadas = {{"id", TipoDato::Entero},
                                          {"producto", TipoDato::Texto},
                                          {"cantidad", TipoDato::Doble},
                                          {"fecha", TipoDato::FechaHora},
                                          {"cancelado", TipoDato::Booleano}};
  ASSERT_EQ(filas.Columnas().size(), esperadas.size());
  for (std::size_t i = 0; i < esperadas.size(); ++i) {
    EXPECT_EQ(filas.Columnas()[i].nombre, esperadas[i].nombre);
    EXPECT_EQ(filas.Columnas()[i].tipo, esperadas[i].tipo) << esperadas[i].nombre;
  }
  std::int64_t leidas = 0;
  while (filas.Siguiente()) {
    ++leidas;
    ASSERT_EQ(filas.Entero(0), leidas);
    ASSERT_EQ(filas.Texto(1), "P" + std::to_string(leidas));
    ASSERT_EQ(filas.Doble(2), static_cast<double>(leidas) / 2);
    if (leidas % 2 == 0) {
      ASSERT_EQ(filas.Tipo(3), TipoDato::FechaHora);
      ASSERT_EQ(filas.Texto(3), "2024-01-02 03:04:05.000");
    } else {
      ASSERT_EQ(filas.Tipo(3), TipoDato::Nulo);
      ASSERT_EQ(filas.Texto(3), "");
    }
    ASSERT_EQ(filas.Tipo(4), TipoDato::Booleano);
  }
  EXPECT_EQ(leidas, 20000);
  EXPECT_FALSE(filas.Siguiente());
  EXPECT_THROW(filas.Texto(0), Error);
}

TEST_F(BaseSqlite, TiposDeclaradosSegunSuNombre) {
  const struct {
    const char* declarado;
    TipoDato tipo;
  } casos[] = {
      {"INTEGER", TipoDato::Entero},       {"bigint", TipoDato::Entero},       {"SMALLINT", TipoDato::Entero},
      {"REAL", TipoDato::Doble},           {"FLOAT", TipoDato::Doble},         {"DOUBLE PRECISION", TipoDato::Doble},
      {"NUMERIC(18,4)", TipoDato::Doble},  {"decimal", TipoDato::Doble},       {"MONEY", TipoDato::Doble},
      {"VARCHAR(30)", TipoDato::Texto},    {"NCHAR(3)", TipoDato::Texto},      {"TEXT", TipoDato::Texto},
      {"CLOB", TipoDato::Texto},           {"DATE", TipoDato::FechaHora},      {"DATETIME", TipoDato::FechaHora},
      {"TIMESTAMP", TipoDato::FechaHora},  {"BIT", TipoDato::Booleano},        {"BOOLEAN", TipoDato::Booleano},
      {"BLOB", TipoDato::Binario},         {"VARBINARY(16)", TipoDato::Binario}, {"UNIQUEIDENTIFIER", TipoDato::Nulo},
      {"", TipoDato::Nulo},
  };
  std::string crea = "CREATE TABLE tipos(";
  for (std::size_t i = 0; i < std::size(casos); ++i)
    crea += (i ? ", c" : "c") + std::to_string(i) + " " + casos[i].declarado;
  auto db = AbreEmpresa(crea + ");");
  auto sentencia = db->Prepara("SELECT * FROM tipos");
  const auto& columnas = sentencia->Abre().Columnas();
  ASSERT_EQ(columnas.size(), std::size(casos));
  for (std::size_t i = 0; i < std::size(casos); ++i) EXPECT_EQ(columnas[i].tipo, casos[i].tipo) << casos[i].declarado;
}

TEST_F(BaseSqlite, ColumnasDeExpresionesDicenSuTipoEnCadaFila) {
  auto db = AbreEmpresa();
  auto sentencia = db->Prepara("SELECT 1 + 1, 'a' || 'b' AS texto, NULL AS nada, saldo * 2 FROM clientes ORDER BY id");
  Cursor& filas = sentencia->Abre();
  ASSERT_EQ(filas.Columnas().size(), 4u);
  EXPECT_EQ(filas.Columnas()[0].nombre, "1 + 1");
  EXPECT_EQ(filas.Columnas()[1].nombre, "texto");
  for (const auto& columna : filas.Columnas()) EXPECT_EQ(columna.tipo, TipoDato::Nulo) << columna.nombre;
  ASSERT_TRUE(filas.Siguiente());
  EXPECT_EQ(filas.Tipo(0), TipoDato::Entero);
  EXPECT_EQ(filas.Tipo(1), TipoDato::Texto);
  EXPECT_EQ(filas.Tipo(2), TipoDato::Nulo);
  EXPECT_EQ(filas.Tipo(3), TipoDato::Doble);
  EXPECT_EQ(filas.Texto(0), "2");  // a number read as text
  EXPECT_EQ(filas.Tipo(0), TipoDato::Entero);  // and still a number after that
  ASSERT_TRUE(filas.Siguiente());
  EXPECT_EQ(filas.Tipo(3), TipoDato::Doble);
  ASSERT_TRUE(filas.Siguiente());
  EXPECT_EQ(filas.Tipo(3), TipoDato::Nulo);

  // Text read as a number converts the way SQLite does.
  auto conversion = db->Prepara("SELECT '17', ' 2.5', 'abc', '12abc'");
  Cursor& fila = conversion->Abre();
  ASSERT_TRUE(fila.Siguiente());
  EXPECT_EQ(fila.Entero(0), 17);
  EXPECT_EQ(fila.Doble(1), 2.5);
  EXPECT_EQ(fila.Entero(2), 0);
  EXPECT_EQ(fila.Entero(3), 12);
}

TEST_F(BaseSqlite, AbrirUnaSentenciaSinFilasFallaPeroLaEjecuta) {
  auto db = AbreEmpresa();
  auto inserta = db->Prepara("INSERT INTO clientes(id, nombre) VALUES (7, 'Carla')");
  try {
    inserta->Abre();
    FAIL() << "se esperaba db::Error";
  } catch (const Error& e) {
    EXPECT_THAT(e.what(), HasSubstr("no devolvió un conjunto de datos"));
  }
  EXPECT_EQ(Filas(db->Prepara("SELECT nombre FROM clientes WHERE id = 7")->Abre()), (Tabla{{"Carla"}}));
}

TEST_F(BaseSqlite, EjecutaDevuelveLasFilasAfectadasPorEsaSentencia) {
  auto db = AbreEmpresa();
  const struct {
    const char* sql;
    std::int64_t filas;
  } casos[] = {
      {"UPDATE clientes SET saldo = 1", 3},
      {"CREATE TABLE otra(x)", 0},  // not the count of the UPDATE before it
      {"DELETE FROM clientes WHERE id = 99", 0},
      {"SELECT * FROM clientes", 0},
      {"INSERT INTO otra SELECT id FROM clientes WHERE id > 1", 2},
      {"DELETE FROM clientes WHERE nombre IS NOT NULL;  -- fin", 2},
  };
  for (const auto& caso : casos) EXPECT_EQ(db->Prepara(caso.sql)->Ejecuta(), caso.filas) << caso.sql;
}

TEST_F(BaseSqlite, LasFallasDeSqliteLlevanSuMensaje) {
  auto db = AbreEmpresa("CREATE UNIQUE INDEX unico ON clientes(nombre);");
  const struct {
    const char* sql;
    const char* mensaje;
  } preparar[] = {
      {"SELEC * FROM clientes", "syntax error"},
      {"SELECT * FROM proveedores", "no such table: proveedores"},
      {"SELECT 1; SELECT 2", "más de una sentencia"},
      {"UPDATE clientes SET saldo = 0; DELETE FROM clientes", "más de una sentencia"},
      {"  -- nada", "vacía"},
  };
  for (const auto& caso : preparar) {
    try {
      db->Prepara(caso.sql);
      ADD_FAILURE() << "se esperaba db::Error: " << caso.sql;
    } catch (const Error& e) {
      EXPECT_THAT(e.what(), HasSubstr(caso.mensaje)) << caso.sql;
    }
  }
  auto repetido = db->Prepara("INSERT INTO clientes(id, nombre) VALUES (8, 'Ana')");
  try {
    repetido->Ejecuta();
    ADD_FAILURE() << "se esperaba db::Error";
  } catch (const Error& e) {
    EXPECT_THAT(e.what(), HasSubstr("UNIQUE constraint failed"));
  }
  // A failed statement leaves the connection usable.
  EXPECT_EQ(db->Prepara("UPDATE clientes SET saldo = 0 WHERE id = 1;")->Ejecuta(), 1);
}

TEST_F(BaseSqlite, NoImponeLlavesForaneasYPasaABitacoraAnticipada) {
  const std::string archivo = CreaBase(
      "empresa",
      "PRAGMA journal_mode=DELETE; PRAGMA foreign_keys=ON;"
      "CREATE TABLE padres(id INTEGER PRIMARY KEY);"
      "CREATE TABLE hijos(id INTEGER, padre INTEGER REFERENCES padres(id));");
  ConexionSqlite db(archivo);
  // Company tables are written row by row in any order; orphans are allowed.
  EXPECT_EQ(db.Prepara("INSERT INTO hijos VALUES (1, 42)")->Ejecuta(), 1);
  // Readers and the writer of other sessions must not block each other.
  EXPECT_EQ(Filas(db.Prepara("PRAGMA journal_mode")->Abre()), (Tabla{{"wal"}}));
}

// Connections are given back and reused; what one left must not reach the next.
TEST_F(BaseSqlite, UnaConexionReutilizadaEmpiezaComoNueva) {
  const std::string archivo = CreaBase("reusada", "CREATE TABLE t(x); INSERT INTO t VALUES ('uno');");
  {
    ConexionSqlite db(archivo);
    db.IniciaTransaccion();
    db.Prepara("INSERT INTO t VALUES ('sin confirmar')")->Ejecuta();
  }  // dropped inside its transaction
  {
    ConexionSqlite db(archivo);
    EXPECT_EQ(Filas(db.Prepara("SELECT x FROM t")->Abre()), (Tabla{{"uno"}}));
    db.IniciaTransaccion();  // no write lock left behind
    db.ConfirmaTransaccion();
  }
  // A file replaced under the same name (a restored backup) is read anew.
  fs::remove(archivo);
  CreaBase("reusada", "CREATE TABLE t(x); INSERT INTO t VALUES ('restaurada');");
  ConexionSqlite db(archivo);
  EXPECT_EQ(Filas(db.Prepara("SELECT x FROM t")->Abre()), (Tabla{{"restaurada"}}));
}

TEST_F(BaseSqlite, AbreConexionAbreLaBaseDeLaCarpeta) {
  CreaBase("ctEmpresa1", "CREATE TABLE t(x); INSERT INTO t VALUES ('uno');");
  CreaBase("ctEmpresa2", "CREATE TABLE t(x); INSERT INTO t VALUES ('dos');");
  for (const char* proveedor : {"SQLite", "sqlite", "SQLITE"}) {
    auto db = AbreConexion(Cadena(proveedor, " ctEmpresa2"));
    EXPECT_EQ(Filas(db->Prepara("SELECT x FROM t")->Abre()), (Tabla{{"dos"}})) << proveedor;
  }
}

TEST_F(BaseSqlite, AbreConexionFallaConMensajeClaro) {
  std::ofstream(carpeta_ / "texto.db") << "esto no es una base de datos, aunque lo parezca por su nombre";
  const std::string faltante = (carpeta_ / "noexiste.db").string();
  const struct {
    std::string cadena;
    std::string mensaje;
  } casos[] = {
      {Cadena("SQLite", " noexiste"), faltante},
      {Cadena("SQLite", " "), "Initial Catalog"},
      {Cadena("SQLite", " ../noexiste"), "no válido: ../noexiste"},
      {"Provider=SQLite;Initial Catalog= noexiste;Data Source=", "Data Source"},
      {Cadena("SQLite", "texto"), "texto.db"},
      {Cadena("OtroMotor", " ctEmpresa1"), "Proveedor no disponible: OtroMotor"},
      {"", "Proveedor no disponible: "},
  };
  for (const auto& caso : casos) {
    try {
      AbreConexion(caso.cadena);
      ADD_FAILURE() << "se esperaba db::Error: " << caso.cadena;
    } catch (const Error& e) {
      EXPECT_THAT(e.what(), HasSubstr(caso.mensaje)) << caso.cadena;
    }
  }
  EXPECT_FALSE(fs::exists(faltante));  // never created by the attempt
  EXPECT_FALSE(fs::exists(carpeta_.parent_path() / "noexiste.db"));
  // Opening the file directly does not create it either.
  EXPECT_THROW({ ConexionSqlite abierta(faltante); }, Error);
  EXPECT_FALSE(fs::exists(faltante));
}

TEST(CadenaConexion, SeLeePorPartes) {
  const struct {
    const char* cadena;
    CadenaConexion partes;
  } casos[] = {
      {"Provider=SQLNCLI11.1;Persist Security Info=True;Password=s3cr=t;User ID=sa;Initial Catalog= ctEmpresa;"
       "Data Source=SERVIDOR\\COMPAC",
       {"SQLNCLI11.1", "s3cr=t", "sa", "ctEmpresa", "SERVIDOR\\COMPAC"}},
      {"provider=SQLite;DATA SOURCE=/srv/empresas;initial catalog=  adDemo  ;user id=;",
       {"SQLite", "", "", "adDemo", "/srv/empresas"}},
      {" Provider = SQLite ; ; Data Source = /a b/c ;Extended Properties=x;Provider=Otro",
       {"Otro", "", "", "", "/a b/c"}},
      {"", {}},
      // Quoted values keep ";", blanks and the other quote; a doubled quote is one.
      {"Password=\"a;b \"\"c\"\" \" ;User ID='o''neil';Data Source = \"x\"",
       {"", "a;b \"c\" ", "o'neil", "", "x"}},
  };
  for (const auto& caso : casos) {
    const CadenaConexion partes = LeeCadenaConexion(caso.cadena);
    EXPECT_EQ(partes.proveedor, caso.partes.proveedor) << caso.cadena;
    EXPECT_EQ(partes.contrasena, caso.partes.contrasena) << caso.cadena;
    EXPECT_EQ(partes.usuario, caso.partes.usuario) << caso.cadena;
    EXPECT_EQ(partes.catalogo, caso.partes.catalogo) << caso.cadena;
    EXPECT_EQ(partes.origen, caso.partes.origen) << caso.cadena;
  }
  for (const char* mala : {"Provider=SQLite;Password=a;secretoXYZ;Data Source=x",
                           "Provider=SQLite;Password=\"secretoXYZ;Data Source=x",
                           "Provider=SQLite;Password=\"secreto\"XYZ;Data Source=x"}) {
    try {
      LeeCadenaConexion(mala);
      ADD_FAILURE() << "se esperaba db::Error: " << mala;
    } catch (const Error& e) {
      EXPECT_THAT(e.what(), Not(HasSubstr("secreto")));  // a password piece stays out of the message
    }
  }
}

TEST(CadenaConexion, CadaValorVuelveTalCualDeLaCadena) {
  for (const std::string valor : {"simple", "", "con;punto y coma", " blancos ", "\"comillas\"", "'una", "a\"b;c"}) {
    const std::string cadena = "Password=" + ValorCadenaConexion(valor) + ";User ID=sa";
    const CadenaConexion partes = LeeCadenaConexion(cadena);
    EXPECT_EQ(partes.contrasena, valor) << cadena;
    EXPECT_EQ(partes.usuario, "sa") << cadena;
  }
  EXPECT_EQ(ValorCadenaConexion("simple"), "simple") << "ordinary values go as they are";
}

TEST(TablaMemoria, SeLeeComoCualquierCursor) {
  TablaMemoria tabla({"Error", "Error2"});
  tabla.AgregaFila({"falló la consulta", "12abc"});
  tabla.AgregaFila({" 2.5", "texto"});
  EXPECT_THROW(tabla.AgregaFila({"solo una"}), Error);

  ASSERT_EQ(tabla.Columnas().size(), 2u);
  EXPECT_EQ(tabla.Columnas()[0].nombre, "Error");
  EXPECT_EQ(tabla.Columnas()[1].tipo, TipoDato::Texto);
  EXPECT_THROW(tabla.Texto(0), Error);  // before the first row

  ASSERT_TRUE(tabla.Siguiente());
  EXPECT_EQ(tabla.Tipo(0), TipoDato::Texto);
  EXPECT_EQ(tabla.Texto(0), "falló la consulta");
  EXPECT_EQ(tabla.Entero(0), 0);
  EXPECT_EQ(tabla.Entero(1), 12);
  EXPECT_THROW(tabla.Texto(2), Error);
  ASSERT_TRUE(tabla.Siguiente());
  EXPECT_EQ(tabla.Doble(0), 2.5);
  EXPECT_EQ(tabla.Texto(1), "texto");
  EXPECT_FALSE(tabla.Siguiente());
  EXPECT_FALSE(tabla.Siguiente());
  EXPECT_THROW(tabla.Texto(0), Error);
}

}  // namespace
}  // namespace quorvex::db
