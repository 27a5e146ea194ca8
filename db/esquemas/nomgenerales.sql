-- nomGenerales: the general database of CONTPAQi Nóminas, listing its
-- companies; RutaEmpresa is the company's database name, empty for a
-- company without data.
CREATE TABLE NOM10000 (
  IDEmpresa INTEGER NOT NULL PRIMARY KEY,
  NombreEmpresa TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  NombreCorto TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  RutaEmpresa TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  GUIDDSL TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
