-- CONTPAQi Comercial Pro company database: org* (organisation), eng*
-- (reference data), doc* (documents) tables and the vwLBS*/vwcbo* views the
-- listings read. Views whose source in the product is opaque (catalogue
-- lookups) are plain tables here. Business entity 1 is the company itself
-- (OwnedBusinessEntityID 1 everywhere in the demo).
-- Conventions: ids and flags INTEGER, amounts REAL, texts TEXT COLLATE
-- NOCASE, dates DATETIME.

CREATE TABLE engRefCurrency (
  CurrencyID INTEGER NOT NULL PRIMARY KEY,
  CurrencyCode TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  CurrencyName TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);

-- TaxPerc is a fraction (0.16 for 16 %).
CREATE TABLE engTaxType (
  TaxTypeID INTEGER NOT NULL PRIMARY KEY,
  TaxTypeName TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  TaxPerc REAL NOT NULL DEFAULT 0
);

CREATE VIEW vwLBSTaxTotalPerc AS
  SELECT TaxTypeID, TaxPerc FROM engTaxType;

CREATE TABLE engPaymentTerm (
  PaymentTermID INTEGER NOT NULL PRIMARY KEY,
  PaymentTermName TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  Days INTEGER NOT NULL DEFAULT 0
);

-- Multilingual texts of the catalogue (product names and the like).
CREATE TABLE engRefMultilingual (
  ResID INTEGER NOT NULL PRIMARY KEY,
  ResText TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);

CREATE TABLE engDepotType (
  DepotTypeID INTEGER NOT NULL PRIMARY KEY,
  DepotType TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);

-- SAT catalogues (CFDI annex 20) and small lookups, as the product exposes
-- them to its combo boxes.
CREATE TABLE vwcboAnexo20v33_ClaveUnidad (
  ClaveUnidad TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  Nombre TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);

CREATE TABLE vwcboAnexo20v33_ClaveProdServ (
  ClaveProdServ TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  Descripcion TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);

CREATE TABLE vwcboWarantyPeriod (
  ID INTEGER NOT NULL PRIMARY KEY,
  WarantyPeriod TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);

CREATE TABLE vwcboCustomerDeliveryType (
  DeliveryTypeID INTEGER NOT NULL PRIMARY KEY,
  DeliveryType TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);

-- Document types per module; DocRecipient is the document kind.
CREATE TABLE vwLBSModuleDocumentTypeName (
  ModuleID INTEGER NOT NULL,
  DocumentTypeID INTEGER NOT NULL,
  ModuleName TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  DocRecipient INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (ModuleID, DocumentTypeID)
);

-- Companies, customers, suppliers: every party is a business entity.
-- MetodoPago is the CFDI payment method (PUE, PPD).
CREATE TABLE orgBusinessEntity (
  BusinessEntityID INTEGER NOT NULL PRIMARY KEY,
  CommercialName TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  Email TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  Phone TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  MainContactID INTEGER NOT NULL DEFAULT 0,
  MetodoPago TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);

-- Fiscal data of a business entity: OfficialNumber is the RFC.
CREATE TABLE orgBusinessEntityMainInfo (
  BusinessEntityID INTEGER NOT NULL PRIMARY KEY,
  OfficialName TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  OfficialNumber TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  FormaPago TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  ReceptorUsoCFDI TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  RegimenFiscal TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);

-- AddressTypeID: 1 fiscal, 2 shipping.
CREATE TABLE orgAddress (
  AddressID INTEGER NOT NULL PRIMARY KEY,
  BusinessEntityID INTEGER NOT NULL DEFAULT 0,
  AddressTypeID INTEGER NOT NULL DEFAULT 1,
  Street TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  ExtNumber TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  IntNumber TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  City TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  Municipality TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  StateProvince TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  CountryName TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  ZipCode TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE INDEX orgAddress_BusinessEntity ON orgAddress (BusinessEntityID, AddressTypeID);

-- People: contacts of business entities, and the company's employees.
CREATE TABLE orgContact (
  ContactID INTEGER NOT NULL PRIMARY KEY,
  BusinessEntityID INTEGER NOT NULL DEFAULT 0,
  ContactName TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  Email TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  Phone TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);

-- SalesPosition 1: the employee sells (a sales representative).
CREATE TABLE orgEmployee (
  ContactID INTEGER NOT NULL PRIMARY KEY,
  OwnedBusinessEntityID INTEGER NOT NULL DEFAULT 1,
  EmployeeNumber TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  SalesPosition INTEGER NOT NULL DEFAULT 0
);

CREATE VIEW vwLBSContactList AS
  SELECT ContactID, BusinessEntityID, ContactName
  FROM orgContact;

CREATE VIEW vwLBSEmployeeList AS
  SELECT orgEmployee.ContactID, orgEmployee.OwnedBusinessEntityID, orgEmployee.EmployeeNumber,
         orgContact.ContactName AS Employee, orgEmployee.SalesPosition
  FROM orgEmployee INNER JOIN orgContact ON orgContact.ContactID = orgEmployee.ContactID;

-- A business entity with its fiscal address and main contact.
CREATE VIEW vwLBSBusinessEntityList AS
  SELECT orgBusinessEntity.BusinessEntityID,
         orgBusinessEntity.CommercialName,
         orgBusinessEntityMainInfo.OfficialName,
         orgAddress.Street AS AddressFiscalStreet,
         orgAddress.ExtNumber AS AddressFiscalExtNumber,
         orgAddress.IntNumber AS AddressFiscalIntNumber,
         orgAddress.City AS AddressFiscalCity,
         orgAddress.Municipality AS AddressFiscalMunicipality,
         orgAddress.StateProvince AS AddressFiscalStateProvince,
         orgAddress.CountryName AS AddressFiscalCountryName,
         orgAddress.ZipCode AS AddressFiscalZipCode,
         orgBusinessEntity.Email AS BusinessEntityEmail,
         orgBusinessEntity.Phone AS BusinessEntityPhone,
         orgContact.ContactName AS MainContactName,
         orgBusinessEntity.MetodoPago AS metodopago
  FROM orgBusinessEntity
  LEFT JOIN orgBusinessEntityMainInfo
    ON orgBusinessEntityMainInfo.BusinessEntityID = orgBusinessEntity.BusinessEntityID
  LEFT JOIN orgAddress
    ON orgAddress.BusinessEntityID = orgBusinessEntity.BusinessEntityID AND orgAddress.AddressTypeID = 1
  LEFT JOIN orgContact ON orgContact.ContactID = orgBusinessEntity.MainContactID;

CREATE TABLE orgCustomerType (
  CustomerTypeID INTEGER NOT NULL PRIMARY KEY,
  CustomerTypeName TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);

-- SalesRepContactID is an employee's ContactID.
CREATE TABLE orgCustomer (
  CustomerID INTEGER NOT NULL PRIMARY KEY,
  OwnedBusinessEntityID INTEGER NOT NULL DEFAULT 1,
  BusinessEntityID INTEGER NOT NULL DEFAULT 0,
  CustomerTypeID INTEGER NOT NULL DEFAULT 0,
  CustomerCategory TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  CurrencyID INTEGER NOT NULL DEFAULT 1,
  TaxTypeID INTEGER NOT NULL DEFAULT 0,
  DeliveryTypeID INTEGER NOT NULL DEFAULT 0,
  PaymentTermID INTEGER NOT NULL DEFAULT 0,
  SalesRepContactID INTEGER NOT NULL DEFAULT 0,
  CreditLimit REAL NOT NULL DEFAULT 0,
  Discount REAL NOT NULL DEFAULT 0,
  Comments TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);

CREATE TABLE orgSupplier (
  SupplierID INTEGER NOT NULL PRIMARY KEY,
  OwnedBusinessEntityID INTEGER NOT NULL DEFAULT 1,
  BusinessEntityID INTEGER NOT NULL DEFAULT 0,
  SupplierCategory TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  CurrencyID INTEGER NOT NULL DEFAULT 1,
  TaxTypeID INTEGER NOT NULL DEFAULT 0,
  Discount REAL NOT NULL DEFAULT 0,
  Comments TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);

-- Depots (branches and warehouses); DepotTypeID 8 is a consignment depot.
CREATE TABLE orgDepot (
  DepotID INTEGER NOT NULL PRIMARY KEY,
  OwnedBusinessEntityID INTEGER NOT NULL DEFAULT 1,
  DepotName TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  DepotTypeID INTEGER NOT NULL DEFAULT 1,
  StateProvince TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  City TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);

CREATE VIEW vwLBSDepotList AS
  SELECT orgDepot.DepotID, orgDepot.OwnedBusinessEntityID, orgDepot.DepotName,
         engDepotType.DepotType, orgDepot.StateProvince, orgDepot.City
  FROM orgDepot LEFT JOIN engDepotType ON engDepotType.DepotTypeID = orgDepot.DepotTypeID;

-- Products. ProductTypeID 4 is a service (never in stock). A matrix product
-- (ProductIsMatrix 1) is kept per MatrixKey1/MatrixKey2 of its document
-- items (size, colour). ResIDProductName points to engRefMultilingual.
CREATE TABLE orgProduct (
  ProductID INTEGER NOT NULL PRIMARY KEY,
  ProductKey TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  ProductName TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  ResIDProductName INTEGER NOT NULL DEFAULT 0,
  ProductTypeID INTEGER NOT NULL DEFAULT 1,
  ProductIsMatrix INTEGER NOT NULL DEFAULT 0,
  Category1 TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  Category2 TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  Category3 TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  Category4 TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  ClaveUnidad TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  ClaveProdServ TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  CurrencyID INTEGER NOT NULL DEFAULT 1,
  TaxTypeID INTEGER NOT NULL DEFAULT 0,
  WarantyPeriodID INTEGER NOT NULL DEFAULT 0,
  CostPrice REAL NOT NULL DEFAULT 0,
  PriceList REAL NOT NULL DEFAULT 0
);
CREATE INDEX orgProduct_ProductKey ON orgProduct (ProductKey);

CREATE TABLE docDocument (
  DocumentID INTEGER NOT NULL PRIMARY KEY,
  OwnedBusinessEntityID INTEGER NOT NULL DEFAULT 1,
  ModuleID INTEGER NOT NULL DEFAULT 0,
  DocumentTypeID INTEGER NOT NULL DEFAULT 0,
  Folio TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  DateDocument DATETIME,
  BusinessEntityID INTEGER NOT NULL DEFAULT 0,
  DeletedOn DATETIME,
  CancelledOn DATETIME
);

CREATE TABLE docDocumentItem (
  DocumentItemID INTEGER NOT NULL PRIMARY KEY,
  DocumentID INTEGER NOT NULL DEFAULT 0,
  MatrixKey1 TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  MatrixKey2 TEXT COLLATE NOCASE NOT NULL DEFAULT '',
  DeletedOn DATETIME
);
CREATE INDEX docDocumentItem_Document ON docDocumentItem (DocumentID);

-- Stock ledger: one row per document item and depot. Quantity is signed
-- (inflows positive); QuantityToBeDelivered is what is still to be handed
-- over, by DocRecipientID (1 customer, 2 supplier, 3 and above internal).
CREATE TABLE orgProductKardex (
  ProductKardexID INTEGER NOT NULL PRIMARY KEY,
  ProductID INTEGER NOT NULL DEFAULT 0,
  DepotID INTEGER,
  DocumentID INTEGER NOT NULL DEFAULT 0,
  DocumentItemID INTEGER NOT NULL DEFAULT 0,
  DocRecipientID INTEGER NOT NULL DEFAULT 0,
  Quantity REAL NOT NULL DEFAULT 0,
  QuantityToBeDelivered REAL NOT NULL DEFAULT 0,
  Cancelled INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX orgProductKardex_Product ON orgProductKardex (ProductID, DepotID);
