-- CONTPAQi Contabilidad y Bancos company database: only its parameters row,
-- which carries the company GUID that report scripts are installed under.
CREATE TABLE Parametros (
  Id INTEGER NOT NULL PRIMARY KEY,
  RazonSocial TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  RFC TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  GUIDDSL TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
