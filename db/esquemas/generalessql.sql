-- GeneralesSQL: the general database of CONTPAQi Contabilidad y Bancos,
-- listing its companies; AliasBDD is the company's database name.
CREATE TABLE ListaEmpresas (
  Id INTEGER NOT NULL PRIMARY KEY,
  Nombre TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  AliasBDD TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
