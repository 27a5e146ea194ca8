// The T-SQL texts of the system and of client queries, rewritten for SQLite
// and run there with the T-SQL functions.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <regex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "db/DialectoSqlite.h"
#include "db/FuncionesSql.h"

namespace quorvex::db {
namespace {

using Filas = std::vector<std::vector<std::string>>;

// An in-memory SQLite database that runs T-SQL texts as the server does:
// rewritten, then prepared on a connection with the T-SQL functions.
class Base {
 public:
  explicit Base(bool conFunciones = true) {
    if (sqlite3_open(":memory:", &db_) != SQLITE_OK) throw std::runtime_error("sqlite3_open");
    if (conFunciones) RegistraFuncionesTSql(db_);
  }
  ~Base() { sqlite3_close(db_); }
  Base(const Base&) = delete;
  Base& operator=(const Base&) = delete;

  sqlite3* db() const { return db_; }

  // Plain SQLite text, for the fixtures.
  void Ejecuta(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
      const std::string mensaje = error != nullptr ? error : "?";
      sqlite3_free(error);
      throw std::runtime_error(mensaje + " en: " + sql);
    }
  }

  Filas Consulta(std::string_view tsql) {
    const std::string sql = TraduceTSqlASqlite(tsql);
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) {
      throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " en: " + sql);
    }
    Filas filas;
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
      auto& fila = filas.emplace_back();
      for (int i = 0; i < sqlite3_column_count(s); ++i) {
        const auto* texto = reinterpret_cast<const char*>(sqlite3_column_text(s, i));
        fila.emplace_back(texto != nullptr ? texto : "NULL");
      }
    }
    sqlite3_finalize(s);
    if (rc != SQLITE_DONE) throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " en: " + sql);
    return filas;
  }

  std::string Valor(std::string_view expresion) {
    const Filas filas = Consulta("SELECT " + std::string(expresion));
    if (filas.size() != 1 || filas[0].size() != 1) throw std::runtime_error("no es un solo valor");
    return filas[0][0];
  }

  // The message of a text that fails; empty when it runs.
  std::string Falla(std::string_view tsql) {
    try {
      Consulta(tsql);
      return {};
    } catch (const std::runtime_error& e) {
      return e.what();
    }
  }

 private:
  sqlite3* db_ = nullptr;
};

// Local calendar date `dias` days from today, "YYYY-MM-DD".
std::string FechaLocal(int dias) {
  std::time_t t = std::time(nullptr) + static_cast<std::time_t>(dias) * 86400;
  std::tm local{};
  localtime_r(&t, &local);
  char texto[16];
  std::strftime(texto, sizeof texto, "%Y-%m-%d", &local);
  return texto;
}

struct CasoTraduccion {
  const char* tsql;
  const char* sqlite;
};

TEST(TraduceTSqlASqlite, ReescribeElTSqlYRespetaLiteralesYComentarios) {
  const CasoTraduccion casos[] = {
      // TOP at the top level, with DISTINCT, in parentheses, before a subquery.
      {"Select top 1 cidproducto from admProductos order by cidproducto",
       "Select cidproducto from admProductos order by cidproducto LIMIT 1"},
      {"SELECT DISTINCT TOP (5) a FROM t", "SELECT DISTINCT a FROM t LIMIT 5"},
      {"insert into admCostosHistoricos\r\nSelect top 1 (Select max(cidcostoh) +1 from admCostosHistoricos) as "
       "cidcostoh, ccostoh\r\nfrom admCostosHistoricos\r\norder by cfechacostoh desc \r\n",
       "insert into admCostosHistoricos\r\nSelect (Select max(cidcostoh) +1 from admCostosHistoricos) as "
       "cidcostoh, ccostoh\r\nfrom admCostosHistoricos\r\norder by cfechacostoh desc LIMIT 1 \r\n"},
      // TOP in subqueries: the LIMIT closes that subquery.
      {"SELECT a, (SELECT TOP 1 b FROM u WHERE u.k = t.k ORDER BY b DESC) c FROM t",
       "SELECT a, (SELECT b FROM u WHERE u.k = t.k ORDER BY b DESC LIMIT 1) c FROM t"},
      {"select top 2 x from (select top 5 y x from t order by y) s where x in (select top(1) z from v)",
       "select x from (select y x from t order by y LIMIT 5) s where x in (select z from v LIMIT 1) LIMIT 2"},
      // Members of compounds, statement ends and trailing comments.
      {"SELECT TOP 1 a FROM t UNION ALL SELECT b FROM u",
       "SELECT * FROM (SELECT a FROM t LIMIT 1) UNION ALL SELECT b FROM u"},
      {"SELECT a FROM t UNION SELECT TOP 2 b FROM u", "SELECT a FROM t UNION SELECT * FROM (SELECT b FROM u LIMIT 2)"},
      {"SELECT TOP 1 a FROM t; -- fin", "SELECT a FROM t LIMIT 1; -- fin"},
      {"SELECT TOP 1 a FROM t -- TOP 1\n", "SELECT a FROM t LIMIT 1 -- TOP 1\n"},
      {"SELECT TOP 10 PERCENT a FROM t", "SELECT TOP 10 PERCENT a FROM t"},
      // Schema prefix, bracketed names, Unicode literals.
      {"SELECT dbo.orgProduct.ProductKey FROM dbo.orgProduct LEFT JOIN [dbo].[orgDepot] ON 1=1",
       "SELECT orgProduct.ProductKey FROM orgProduct LEFT JOIN \"orgDepot\" ON 1=1"},
      {"SELECT [Nombre Empresa], [a]]b], [c\"d] FROM [t]", "SELECT \"Nombre Empresa\", \"a]b\", \"c\"\"d\" FROM \"t\""},
      {"SELECT N'Dirección fiscal', n'x'", "SELECT 'Dirección fiscal', 'x'"},
      // CONVERT and CAST.
      {"where CFECHAINICIO <= CONVERT (date, GETDATE())",
       "where CFECHAINICIO <= tsql_convert('date', GETDATE()) COLLATE tsql_fecha"},
      {" CAST(CONVERT(NVARCHAR(10),docDocumentCFD.CFDIFechaExpedicion) AS DATETIME) CFECHAEMI , "
       "CONVERT(NVARCHAR(20),CAST(docDocumentCFD.CFDIFechaExpedicion AS datetime),8) CHORAEMI,",
       " tsql_convert('DATETIME', tsql_convert('NVARCHAR(10)',docDocumentCFD.CFDIFechaExpedicion)) COLLATE tsql_fecha"
       " CFECHAEMI , tsql_convert('NVARCHAR(20)',tsql_convert('datetime', docDocumentCFD.CFDIFechaExpedicion) "
       "COLLATE tsql_fecha,8) CHORAEMI,"},
      {"SELECT CONVERT(decimal(18, 2), x), CAST(y AS varchar(200))",
       "SELECT tsql_convert('decimal(18,2)', x), CAST(y AS varchar(200))"},
      // Functions whose names SQLite reads as keywords, and date parts.
      {"Update admCapasProducto set CEXISTENCIA = ISNULL((Select 1), CEXISTENCIA)",
       "Update admCapasProducto set CEXISTENCIA = ifnull((Select 1), CEXISTENCIA)"},
      {"SELECT LEFT(a, 2), Right(b, 1) FROM t LEFT JOIN u ON 1=1",
       "SELECT tsql_left(a, 2), tsql_right(b, 1) FROM t LEFT JOIN u ON 1=1"},
      {"SELECT DATEADD(day, 1, x), DATEDIFF(MONTH, a, b)", "SELECT DATEADD('day', 1, x), DATEDIFF('MONTH', a, b)"},
      // "+": text with a literal or a text call, chained; numeric otherwise.
      {"SELECT 'Folio ' + CFOLIO + '-' + t.CSERIE + x FROM t",
       "SELECT 'Folio ' || CFOLIO || '-' || t.CSERIE || x FROM t"},
      {"SELECT CONVERT(varchar(10), a) + b, ISNULL(c, '') + d, e + LTRIM(f), CAST(g AS nvarchar) + h",
       "SELECT tsql_convert('varchar(10)', a) || b, ifnull(c, '') || d, e || LTRIM(f), CAST(g AS nvarchar) || h"},
      {"SELECT CNETO + CIMPUESTO1, CONVERT(int, a) + 1, max(x) +1, SUBSTRING(r, CHARINDEX('E', r) + 9, 3) FROM t",
       "SELECT CNETO + CIMPUESTO1, tsql_convert('int', a) + 1, max(x) +1, SUBSTRING(r, CHARINDEX('E', r) + 9, 3) FROM "
       "t"},
      {"SELECT a WHERE b = +'x'", "SELECT a WHERE b = +'x'"},
      // Literals, quoted names and comments are never rewritten.
      {"SELECT 'TOP 1 dbo.x [y] a+b', \"dbo\" FROM t WHERE c = 'it''s + [dbo].'",
       "SELECT 'TOP 1 dbo.x [y] a+b', \"dbo\" FROM t WHERE c = 'it''s + [dbo].'"},
      {"SELECT a /* TOP 1 [x] + 'y' CONVERT(date, z) */ FROM t -- dbo.t + 'z'",
       "SELECT a /* TOP 1 [x] + 'y' CONVERT(date, z) */ FROM t -- dbo.t + 'z'"},
      {"SELECT GETDATE()", "SELECT GETDATE()"},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(TraduceTSqlASqlite(caso.tsql), caso.sqlite) << caso.tsql;
  }
}

struct CasoValor {
  const char* expresion;
  const char* valor;
};

void CompruebaValores(Base& base, std::initializer_list<CasoValor> casos) {
  for (const auto& caso : casos) {
    EXPECT_EQ(base.Valor(caso.expresion), caso.valor) << caso.expresion;
  }
}

TEST(FuncionesTSql, CadenasConLaSemanticaDeSqlServer) {
  Base base;
  CompruebaValores(base, {
                             {"CHARINDEX('b', 'abcb')", "2"},
                             {"CHARINDEX('b', 'abcb', 3)", "4"},
                             {"CHARINDEX('b', 'abcb', 0)", "2"},
                             {"CHARINDEX('b', 'abcb', -5)", "2"},
                             {"CHARINDEX('a', 'abc', 10)", "0"},
                             {"CHARINDEX('z', 'abc')", "0"},
                             {"CHARINDEX('', 'abc')", "0"},
                             {"CHARINDEX('EMPRESAS\\', 'C:\\Compac\\empresas\\ad1')", "11"},
                             {"CHARINDEX('c', 'ñandúc')", "6"},
                             {"CHARINDEX(NULL, 'abc')", "NULL"},
                             {"SUBSTRING('abcdef', 2, 3)", "bcd"},
                             {"SUBSTRING('abcdef', 0, 3)", "ab"},
                             {"SUBSTRING('abcdef', -1, 3)", "a"},
                             {"SUBSTRING('abcdef', -2, 3)", ""},
                             {"SUBSTRING('abcdef', 5, 100)", "ef"},
                             {"SUBSTRING('abcdef', 7, 2)", ""},
                             {"SUBSTRING('abc', 1, 0)", ""},
                             {"SUBSTRING('ñandú', 2, 3)", "and"},
                             {"SUBSTRING(NULL, 1, 2)", "NULL"},
                             {"LEN('ab  ')", "2"},
                             {"LEN('  ab')", "4"},
                             {"LEN('')", "0"},
                             {"LEN('ñú')", "2"},
                             {"LEFT('abc', 2)", "ab"},
                             {"LEFT('ñandú', 10)", "ñandú"},
                             {"RIGHT('ñandú', 2)", "dú"},
                             {"RIGHT('abc', 0)", ""},
                             {"ISNULL(NULL, 'b') + ISNULL('a', 'b')", "ba"},
                             {"IIF(1 > 2, 'si', 'no')", "no"},
                         });
}

TEST(FuncionesTSql, ConvertConTiposYEstilos) {
  Base base;
  CompruebaValores(base, {
                             {"CONVERT(varchar(10), '2024-03-05 14:07:09.123', 103)", "05/03/2024"},
                             {"CONVERT(varchar, '2024-03-05 14:07:09.123', 112)", "20240305"},
                             {"CONVERT(nvarchar(20), '2024-03-05 14:07:09.123', 8)", "14:07:09"},
                             {"CONVERT(varchar(30), '2024-03-05T14:07:09', 120)", "2024-03-05 14:07:09"},
                             {"CONVERT(varchar(30), '2024-03-05 14:07', 121)", "2024-03-05 14:07:00.000"},
                             {"CONVERT(varchar(30), 'sin fecha', 103)", "sin fecha"},
                             {"CONVERT(varchar(3), 'abcdef')", "abc"},
                             {"CONVERT(nvarchar(3), 'ñandú')", "ñan"},
                             {"CONVERT(char(5), 'ab') + '|'", "ab   |"},
                             {"LEN(CONVERT(varchar, '1234567890123456789012345678901234567890'))", "30"},
                             {"CONVERT(varchar(max), 15)", "15"},
                             {"CONVERT(date, '2024-03-05 14:07:09.123')", "2024-03-05"},
                             {"CONVERT(datetime, '2024-03-05')", "2024-03-05 00:00:00.000"},
                             {"CONVERT(datetime, '20240305 08:30')", "2024-03-05 08:30:00.000"},
                             {"CONVERT(date, '05/03/2024', 103)", "2024-03-05"},
                             {"CONVERT(date, '03/05/24', 1)", "2024-03-05"},
                             {"CAST('2024-03-05' AS DATETIME)", "2024-03-05 00:00:00.000"},
                             {"CONVERT(int, ' 42 ')", "42"},
                             {"CONVERT(int, -42.9)", "-42"},
                             {"CONVERT(bit, 5)", "1"},
                             {"CONVERT(float, '2.5') * 2", "5.0"},
                             {"CONVERT(decimal(10, 2), 2.346)", "2.35"},
                             {"CONVERT(decimal, 7.5)", "8"},
                             {"CONVERT(date, NULL)", "NULL"},
                         });
}

TEST(FuncionesTSql, FechasYPartes) {
  Base base;
  CompruebaValores(base, {
                             {"DATEADD(day, 1, '2024-02-28')", "2024-02-29"},
                             {"DATEADD(dd, -1, '2024-03-01 10:00:00.000')", "2024-02-29 10:00:00.000"},
                             {"DATEADD(month, 1, '2024-01-31 10:00:00.000')", "2024-02-29 10:00:00.000"},
                             {"DATEADD(year, 1, '2024-02-29')", "2025-02-28"},
                             {"DATEADD(quarter, -1, '2024-05-31')", "2024-02-29"},
                             {"DATEADD(hour, -3, '2024-03-01')", "2024-02-29 21:00:00.000"},
                             {"DATEADD(week, 2, '2024-12-25 00:00:00.000')", "2025-01-08 00:00:00.000"},
                             {"DATEDIFF(day, '2024-03-01 23:59:59.000', '2024-03-02 00:00:01.000')", "1"},
                             {"DATEDIFF(month, '2024-01-31', '2024-02-01')", "1"},
                             {"DATEDIFF(quarter, '2024-03-31', '2024-04-01')", "1"},
                             {"DATEDIFF(year, '2024-01-01', '2023-12-31')", "-1"},
                             {"DATEDIFF(week, '2024-03-09', '2024-03-10')", "1"},
                             {"DATEDIFF(week, '2024-03-10', '2024-03-16')", "0"},
                             {"DATEDIFF(hour, '2024-03-01 10:59:59.000', '2024-03-01 11:00:00.000')", "1"},
                             {"DATEDIFF(ms, '2024-03-01 10:00:00.500', '2024-03-01 10:00:01.250')", "750"},
                             {"YEAR('2024-03-05') * 10000 + MONTH('2024-03-05') * 100 + DAY('2024-03-05')", "20240305"},
                             {"DATEPART(weekday, '2024-03-10')", "1"},
                             {"DATEPART(dw, '2024-03-09')", "7"},
                             {"DATEPART(week, '2024-01-06')", "1"},
                             {"DATEPART(week, '2024-01-07')", "2"},
                             {"DATEPART(dayofyear, '2024-12-31')", "366"},
                             {"DATEPART(ms, '2024-03-01 10:00:00.25')", "250"},
                             // Date texts compare as moments once converted.
                             {"CONVERT(datetime, '2024-03-05') = '2024-03-05'", "1"},
                             {"'2024-03-05 00:00:00.000' <= CONVERT(date, '2024-03-05 18:00')", "1"},
                             {"'2024-03-05 00:00:00.001' <= CONVERT(date, '2024-03-05 18:00')", "0"},
                         });
}

TEST(FuncionesTSql, ErroresComoSqlServer) {
  Base base;
  const std::pair<const char*, const char*> casos[] = {
      {"SELECT SUBSTRING('abc', 1, -1)", "Invalid length parameter passed to the substring function."},
      {"SELECT LEFT('abc', -1)", "Invalid length parameter passed to the left function."},
      {"SELECT CONVERT(int, '12.5')", "Conversion failed when converting the value '12.5' to data type int."},
      {"SELECT CONVERT(date, '2024-02-30')", "Conversion failed when converting date and/or time"},
      {"SELECT CONVERT(datetime, 20240305)", "Conversion failed when converting date and/or time"},
      {"SELECT CONVERT(varchar(10), '2024-03-05', 999)", "999 is not a valid style number"},
      {"SELECT CONVERT(geography, 'x')", "Type geography is not a defined system type."},
      {"SELECT DATEADD(fortnight, 1, '2024-03-05')", "'fortnight' is not a recognized datepart option."},
      {"SELECT DATEADD(year, 8000, '2024-03-05')", "caused an overflow"},
      {"SELECT YEAR('ayer')", "Conversion failed when converting date and/or time"},
  };
  for (const auto& [tsql, mensaje] : casos) {
    EXPECT_NE(base.Falla(tsql).find(mensaje), std::string::npos) << tsql << " -> " << base.Falla(tsql);
  }
}

TEST(FuncionesTSql, GetDateDaLaHoraLocalYNewIdGuidsDistintos) {
  // A zone six hours west of UTC, so that UTC would show.
  const char* zonaAnterior = getenv("TZ");
  const std::optional<std::string> anterior = zonaAnterior ? std::optional<std::string>(zonaAnterior) : std::nullopt;
  setenv("TZ", "QVX+6", 1);
  tzset();
  const auto ahora = [] {
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char texto[24];
    std::strftime(texto, sizeof texto, "%Y-%m-%d %H:%M:%S", &local);
    return std::string(texto);
  };
  Base base;
  const std::string antes = ahora();
  const std::string getdate = base.Valor("GETDATE()");
  const std::string despues = ahora();
  if (anterior) {
    setenv("TZ", anterior->c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();

  EXPECT_TRUE(std::regex_match(getdate, std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3})"))) << getdate;
  EXPECT_LE(antes, getdate.substr(0, 19));
  EXPECT_GE(despues, getdate.substr(0, 19));

  const std::string guid = base.Valor("NEWID()");
  EXPECT_TRUE(std::regex_match(guid, std::regex("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}")))
      << guid;
  EXPECT_NE(guid, base.Valor("NEWID()"));
}

TEST(FuncionesTSql, SoloLasDeterministasSirvenEnIndices) {
  Base base;
  base.Ejecuta("CREATE TABLE t(c TEXT)");
  EXPECT_NO_THROW(base.Ejecuta("CREATE INDEX i1 ON t(charindex('a', c), tsql_convert('date', c))"));
  EXPECT_THROW(base.Ejecuta("CREATE INDEX i2 ON t(getdate())"), std::runtime_error);
  EXPECT_THROW(base.Ejecuta("CREATE INDEX i3 ON t(newid())"), std::runtime_error);
}

// The statements of the system on small tables.
class SentenciasDelSistema : public ::testing::Test {
 protected:
  Base base_;
};

TEST_F(SentenciasDelSistema, EmpresasDeComercialPremium) {
  base_.Ejecuta(
      "CREATE TABLE empresas(CIDEMPRESA INTEGER, CNOMBREEMPRESA TEXT COLLATE NOCASE, CRUTADATOS TEXT COLLATE NOCASE);"
      "INSERT INTO empresas VALUES (1, '(Predeterminada)', 'C:\\Compac\\Empresas\\Reportes'),"
      " (2, 'Mi Empresa', 'C:\\Compac\\Empresas\\adMIEMPRESA'), (3, 'Otra', 'D:\\DATOS\\EMPRESAS\\adOTRA');");
  const Filas filas = base_.Consulta(
      "Select cnombreempresa Nombre, SUBSTRING(crutadatos, CHARINDEX('Empresas\\', crutadatos, 1) + 9, 100) Base "
      "from empresas where CNOMBREEMPRESA <> '(Predeterminada)'");
  EXPECT_EQ(filas, (Filas{{"Mi Empresa", "adMIEMPRESA"}, {"Otra", "adOTRA"}}));
}

TEST_F(SentenciasDelSistema, PromocionesVigentesHoy) {
  const std::string hoy = FechaLocal(0);
  base_.Ejecuta("CREATE TABLE admPromociones(CIDPROMOCION INTEGER, CFECHAINICIO TEXT, CFECHAFIN TEXT, CSTATUS INTEGER)");
  base_.Ejecuta("INSERT INTO admPromociones VALUES"
                " (1, '" + hoy + " 00:00:00.000', '" + hoy + " 00:00:00.000', 1),"  // only today, date-time texts
                " (2, '" + hoy + "', '" + hoy + "', 1),"                            // only today, date texts
                " (3, '" + FechaLocal(-9) + "', '" + FechaLocal(-1) + " 23:59:59.997', 1),"  // ended yesterday
                " (4, '" + FechaLocal(1) + "', '" + FechaLocal(9) + "', 1),"                 // starts tomorrow
                " (5, '" + FechaLocal(-1) + " 12:00:00.000', '" + hoy + " 18:00:00.000', 1),"
                " (6, '" + hoy + "', '" + hoy + "', 0)");  // inactive
  const Filas filas = base_.Consulta(
      "Select CIDPROMOCION from admPromociones where CFECHAINICIO <= CONVERT (date, GETDATE()) "
      "and CFECHAFIN >= CONVERT (date, GETDATE()) and admPromociones.CSTATUS = 1 order by CIDPROMOCION");
  EXPECT_EQ(filas, (Filas{{"1"}, {"2"}, {"5"}}));
}

TEST_F(SentenciasDelSistema, CostoHistoricoMasRecienteConTop1) {
  base_.Ejecuta(
      "CREATE TABLE admCostosHistoricos(cidcostoh INTEGER, cidproducto INTEGER, cfechacostoh TEXT, ccostoh REAL);"
      "INSERT INTO admCostosHistoricos VALUES (1, 7, '2024-01-10 00:00:00.000', 10),"
      " (2, 7, '2024-02-10 00:00:00.000', 12), (3, 7, '2024-03-10 00:00:00.000', 15);");
  const std::string insercion =
      "insert into admCostosHistoricos\r\n"
      "Select top 1 (Select max(cidcostoh) +1 from admCostosHistoricos) as cidcostoh, cidproducto, "
      "'2024-03-01 00:00:00.000' as cfechacostoh, ccostoh\r\n"
      "from admCostosHistoricos\r\nwhere cFechaCostoH < '2024-03-01 00:00:00.000'\r\n  AND CIDPRODUCTO = 7 \r\n"
      "order by admCostosHistoricos.cfechacostoh desc \r\n";
  base_.Consulta(insercion);
  EXPECT_EQ(base_.Consulta("Select top 2 cidcostoh, ccostoh from dbo.admCostosHistoricos order by cidcostoh desc"),
            (Filas{{"4", "12.0"}, {"3", "15.0"}}));
}

TEST_F(SentenciasDelSistema, IsNullEIifEnActualizacionesYSaldos) {
  base_.Ejecuta(
      "CREATE TABLE admCapasProducto(CIDCAPA INTEGER, CEXISTENCIA REAL);"
      "CREATE TABLE admMovimientosCapas(CIDCAPA INTEGER, CUNIDADES REAL);"
      "INSERT INTO admCapasProducto VALUES (1, 99), (2, 99);"
      "INSERT INTO admMovimientosCapas VALUES (1, 3), (1, 4);"
      "CREATE TABLE admDocumentos(CIDCLIENTEPROVEEDOR INTEGER, CPENDIENTE REAL, CFECHAVENCIMIENTO TEXT);"
      "INSERT INTO admDocumentos VALUES (1, 10, '2000-01-01 00:00:00.000'), (1, 5, '2999-01-01'),"
      " (1, 1, '2001-05-05');");
  base_.Consulta(
      "Update admCapasProducto set CEXISTENCIA = ISNULL((\r\nSelect Sum(CUNIDADES) Cantidad FROM admMovimientosCapas\r\n"
      "where admMovimientosCapas.CIDCAPA = admCapasProducto.CIDCAPA), CEXISTENCIA)");
  EXPECT_EQ(base_.Consulta("SELECT CIDCAPA, CEXISTENCIA FROM admCapasProducto ORDER BY 1"),
            (Filas{{"1", "7.0"}, {"2", "99.0"}}));
  EXPECT_EQ(base_.Consulta("SELECT SUM(admDocumentos.CPENDIENTE) AS Saldo, SUM(iif(CFECHAVENCIMIENTO < getDate(), 1, 0))"
                           " Vencidos FROM admDocumentos GROUP BY CIDCLIENTEPROVEEDOR"),
            (Filas{{"16.0", "2"}}));
}

TEST_F(SentenciasDelSistema, FechaYHoraDeTimbradoDeComercialPro) {
  base_.Ejecuta(
      "CREATE TABLE docDocumentCFD(DocumentID INTEGER, CFDIFechaExpedicion TEXT);"
      "INSERT INTO docDocumentCFD VALUES (1, '2024-03-05T14:07:09'), (2, '2024-12-31 23:59:58.000');");
  const Filas filas = base_.Consulta(
      "SELECT DocumentID, CAST(CONVERT(NVARCHAR(10),docDocumentCFD.CFDIFechaExpedicion) AS DATETIME) CFECHAEMI , "
      "CONVERT(NVARCHAR(20),CAST(docDocumentCFD.CFDIFechaExpedicion AS datetime),8) CHORAEMI "
      "FROM dbo.docDocumentCFD ORDER BY DocumentID");
  EXPECT_EQ(filas, (Filas{{"1", "2024-03-05 00:00:00.000", "14:07:09"}, {"2", "2024-12-31 00:00:00.000", "23:59:58"}}));
}

TEST_F(SentenciasDelSistema, ConcatenacionYSumaConMas) {
  base_.Ejecuta(
      "CREATE TABLE admDocumentos(CSERIEDOCUMENTO TEXT, CFOLIO REAL, CNETO REAL, CIMPUESTO1 REAL);"
      "INSERT INTO admDocumentos VALUES ('A', 15, 100, 16);");
  EXPECT_EQ(base_.Consulta("SELECT 'Folio ' + CSERIEDOCUMENTO + '-' + CONVERT(varchar(10), CONVERT(int, CFOLIO)), "
                           "CNETO + CIMPUESTO1 FROM admDocumentos"),
            (Filas{{"Folio A-15", "116.0"}}));
}

TEST(ExtensionSql, SeCargaEnUnaConexionSqliteCualquiera) {
  Base base(false);
  EXPECT_FALSE(base.Falla("SELECT CHARINDEX('b', 'abc')").empty());
  ASSERT_EQ(sqlite3_enable_load_extension(base.db(), 1), SQLITE_OK);
  char* error = nullptr;
  const int rc = sqlite3_load_extension(base.db(), QUORVEX_EXTENSION_SQL, nullptr, &error);
  const std::string mensaje = error != nullptr ? error : "";
  sqlite3_free(error);
  ASSERT_EQ(rc, SQLITE_OK) << mensaje;
  EXPECT_EQ(base.Valor("CHARINDEX('b', 'abc')"), "2");
  EXPECT_EQ(base.Valor("SUBSTRING('abcdef', -1, 3)"), "a");
  EXPECT_EQ(base.Valor("CONVERT(varchar(10), '2024-03-05 14:07:09.123', 103)"), "05/03/2024");
  EXPECT_EQ(base.Valor("CONVERT(datetime, '2024-03-05') = '2024-03-05'"), "1");
  EXPECT_NE(base.Falla("SELECT LEFT('abc', -1)").find("Invalid length parameter"), std::string::npos);
}

}  // namespace
}  // namespace quorvex::db
