#pragma once
// The statements of the system and the clients' own queries are written for
// SQL Server (T-SQL). This rewriter turns the subset they use into SQLite, for
// the embedded back end; the functions it calls are registered on every
// connection by RegistraFuncionesTSql (db/FuncionesSql.h).
//
// Rewrites, never inside string literals, quoted identifiers or comments:
// - SELECT [DISTINCT|ALL] TOP n / TOP (expr): "LIMIT n" at the end of that
//   SELECT (its closing parenthesis, ";", UNION/EXCEPT/INTERSECT or the end of
//   the text). A member of a compound with TOP becomes
//   "SELECT * FROM (member LIMIT n)", since SQLite only limits whole compounds.
//   TOP ... PERCENT, TOP ... WITH TIES and UPDATE/DELETE TOP are left alone.
// - The schema prefix dbo. / [dbo]. is removed; [name] becomes "name".
// - N'text' becomes 'text'.
// - CONVERT(type, x[, style]) becomes tsql_convert('type', x[, style]);
//   CAST(x AS date|datetime|datetime2|smalldatetime) becomes
//   tsql_convert('type', x), since SQLite would cast those to numbers. Both
//   date forms are followed by COLLATE tsql_fecha, so that "YYYY-MM-DD" and
//   "YYYY-MM-DD HH:MM:SS.mmm" texts compare as the moments they stand for.
// - ISNULL( becomes ifnull(, LEFT( and RIGHT( become tsql_left( and
//   tsql_right( (SQLite reads those three names as keywords); the first
//   argument of DATEADD, DATEDIFF and DATEPART (a bare date part) is quoted.
// - "+" becomes "||" when one of its operands is a string literal, a call that
//   returns text (CONVERT or CAST to a character type, SUBSTRING, LTRIM,
//   RTRIM, UPPER, LOWER, REPLACE, LEFT, RIGHT, ISNULL of such) or the result of
//   such a concatenation. Any other "+" stays numeric, so adding two text
//   columns needs a literal or a CONVERT; and "||" binds tighter than "*" in
//   SQLite, so "'a' + b * c" must be written with parentheses.
//
// Text comparisons: SQL Server compares case-insensitively by default; the
// SQLite schemas declare their text columns COLLATE NOCASE for that.
#include <string>
#include <string_view>

namespace quorvex::db {

// One statement text (or several separated by ";"); a text with nothing to
// rewrite comes back unchanged.
std::string TraduceTSqlASqlite(std::string_view tsql);

}  // namespace quorvex::db
