-- CompacWAdmin: the general database of CONTPAQi Comercial Premium, listing
-- its companies. CRUTADATOS is the company's data folder on the CONTPAQi
-- server ("C:\Compac\Empresas\" + database name); the "(Predeterminada)" row
-- is the template company.
CREATE TABLE empresas (
  CIDEMPRESA INTEGER NOT NULL PRIMARY KEY,
  CNOMBREEMPRESA TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  CRUTADATOS TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
