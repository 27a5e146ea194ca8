#pragma once
// T-SQL functions for SQLite connections, so that the statements rewritten by
// TraduceTSqlASqlite (db/DialectoSqlite.h) run with SQL Server's meaning.
// The same code is built into the server and into the loadable extension
// libquorvexsql.so (db/extension/), which other SQLite clients such as the
// SQLite ODBC driver ("LoadExt" setting) load.
//
// Registered (names are case-insensitive in SQL):
//   GETDATE()                       local time, "YYYY-MM-DD HH:MM:SS.mmm"
//   NEWID()                         random GUID text
//   tsql_convert(type, x[, style])  CONVERT: char/varchar/nchar/nvarchar[(n|max)],
//                                   date, datetime, smalldatetime, datetime2,
//                                   int, bigint, smallint, tinyint, bit, float,
//                                   real, decimal/numeric[(p,s)], money; date
//                                   styles 1/101, 3/103, 4/104, 5/105, 8/108,
//                                   12/112, 14/114, 20/120, 21/121, 23, 126
//   CHARINDEX(needle, text[, start]), SUBSTRING(text, start, length),
//   LEN(text), tsql_left(text, n), tsql_right(text, n)
//   DATEADD(part, n, date), DATEDIFF(part, from, to), DATEPART(part, date),
//   YEAR(date), MONTH(date), DAY(date)
//   collation tsql_fecha            compares date-time texts as moments
// ISNULL and IIF are SQLite's ifnull and iif.
//
// Date-times are texts "YYYY-MM-DD HH:MM:SS.mmm" and dates "YYYY-MM-DD", as
// the databases store them; "T" may stand for the blank, seconds and
// milliseconds may be missing, and "YYYYMMDD" is read too. Since a text does
// not say whether it is a date, a conversion to text applies a style only to
// a text that reads as a date-time, and without a style keeps the text as it
// is. Positions and lengths count characters (UTF-8), and CHARINDEX ignores
// the case of ASCII letters, as SQL Server's default collation does.
struct sqlite3;

namespace quorvex::db {

// Throws Error when SQLite refuses a registration.
void RegistraFuncionesTSql(sqlite3* db);

}  // namespace quorvex::db
