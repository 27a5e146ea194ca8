// The customers and suppliers listings on each product's schema.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/BaseEmpresaPrueba.h"

namespace quorvex {
namespace {

using pruebas::Columna;
using pruebas::Filas;
using pruebas::Nombres;
using pruebas::Registros;
using pruebas::Textos;
using pruebas::TokenDe;

// The same four partners in every product: 1 and 4 share RFC and legal name,
// 2 is customer and supplier, 3 only a supplier.
constexpr const char* kComercial = R"sql(
  insert into admParametros (CIDEMPRESA, CVERSIONACTUAL) values (1, '924');
  insert into admAgentes (CIDAGENTE, CCODIGOAGENTE, CNOMBREAGENTE) values (7, 'AG7', 'Agente Siete');
  insert into admClasificacionesValores (CIDVALORCLASIFICACION, CVALORCLASIFICACION) values
    (0, '(Ninguna)'), (11, 'Cli1'), (12, 'Cli2'), (13, 'Cli3'), (14, 'Cli4'), (15, 'Cli5'), (16, 'Cli6'),
    (21, 'Prov1'), (22, 'Prov2'), (23, 'Prov3');
  insert into admClientes (CIDCLIENTEPROVEEDOR, CCODIGOCLIENTE, CRAZONSOCIAL, CRFC, CTIPOCLIENTE) values
    (1, 'C001', 'Alfa SA', 'AAA010101AA1', 1),
    (3, 'P003', 'Proveedora SA', 'CCC030303CC3', 3),
    (4, 'C004', 'Alfa SA', 'AAA010101AA1', 1);
  insert into admClientes (CIDCLIENTEPROVEEDOR, CCODIGOCLIENTE, CRAZONSOCIAL, CRFC, CTIPOCLIENTE, CIDAGENTEVENTA,
    CIDVALORCLASIFCLIENTE1, CIDVALORCLASIFCLIENTE2, CIDVALORCLASIFCLIENTE3, CIDVALORCLASIFCLIENTE4,
    CIDVALORCLASIFCLIENTE5, CIDVALORCLASIFCLIENTE6, CIDVALORCLASIFPROVEEDOR1, CIDVALORCLASIFPROVEEDOR2,
    CIDVALORCLASIFPROVEEDOR3, CLISTAPRECIOCLIENTE, CDESCUENTOMOVTO, CTEXTOEXTRA1, CDESGLOSAI2, CREGIMFISC) values
    (2, 'C002', 'O''Brien y Cía', 'BBB020202BB2', 2, 7, 11, 12, 13, 14, 15, 16, 21, 22, 23, 4, 2.5, 'Nota', 1, '601');
  insert into admDomicilios (CIDDIRECCION, CIDCATALOGO, CTIPOCATALOGO, CTIPODIRECCION, CNOMBRECALLE, CCIUDAD,
    CTEXTOEXTRA) values (1, 2, 1, 1, 'Calle Envío', 'Ciudad E', 'Ref envío'),
                        (2, 2, 1, 0, 'Calle Fiscal', 'Ciudad F', 'Ref fiscal'),
                        (3, 2, 3, 0, 'Calle Documento', 'Ciudad D', 'Ref documento');
)sql";

constexpr const char* kAdminpaq = R"sql(
  insert into MGW10001 (CIDAGENTE, CCODIGOA01, CNOMBREA01) values (7, 'AG7', 'Agente Siete');
  insert into MGW10019 (CIDCLASI01, CNOMBREC01) values (11, 'Cla1'), (12, 'Cla2'), (13, 'Cla3');
  insert into MGW10002 (CIDCLIEN01, CCODIGOC01, CRAZONSO01, CRFC, CTIPOCLI01) values
    (1, 'C001', 'Alfa SA', 'AAA010101AA1', 1),
    (3, 'P003', 'Proveedora SA', 'CCC030303CC3', 3),
    (4, 'C004', 'Alfa SA', 'AAA010101AA1', 1);
  insert into MGW10002 (CIDCLIEN01, CCODIGOC01, CRAZONSO01, CRFC, CTIPOCLI01, CIDAGENT01, CIDVALOR01, CIDVALOR02,
    CIDVALOR03, CIDVALOR04, CLISTAPR01, CDESCUEN01, CDESCUEN02, CTEXTOEX01) values
    (2, 'C002', 'O''Brien y Cía', 'BBB020202BB2', 2, 7, 11, 12, 13, 14, 3, 1.5, 2.5, 'Nota');
  insert into MGW10011 (CIDDIREC01, CIDCATAL01, CTIPOCAT01, CTIPODIR01, CNOMBREC01, CTEXTOEX01) values
    (1, 2, 1, 1, 'Calle Envío', 'Ref envío'), (2, 2, 1, 0, 'Calle Fiscal', 'Ref fiscal');
)sql";

constexpr const char* kSap = R"sql(
  insert into OCRG (GroupCode, GroupName) values (100, 'Mayoristas');
  insert into OCQG (GroupCode, GroupName) values (1, 'Propiedad 1'), (2, 'Propiedad 2');
  insert into OCRD (DocEntry, CardCode, CardName, CardType, GroupCode, LicTradNum, AliasName, ListNum,
    QryGroup1, QryGroup2) values
    (1, 'C001', 'Alfa SA', 'C', 100, 'AAA010101AA1', 'Alfa', 3, 'Y', 'N'),
    (2, 'C002', 'O''Brien y Cía', 'C', 100, 'BBB020202BB2', 'OB', 1, 'N', 'Y'),
    (3, 'P003', 'Proveedora SA', 'S', 100, 'CCC030303CC3', '', 1, 'N', 'N'),
    (4, 'C004', 'Alfa SA', 'C', 100, 'AAA010101AA1', '', 1, 'N', 'N');
)sql";

// Suppliers 1 and 3 belong to business entity 1, supplier 5 to another.
constexpr const char* kPro = R"sql(
  insert into orgBusinessEntity (BusinessEntityID, CommercialName, MetodoPago) values
    (10, 'Alfa', ''), (20, 'OB', 'PPD'), (30, 'Prov', ''), (40, 'Alfa 4', ''), (50, 'Ajena', '');
  insert into orgBusinessEntityMainInfo (BusinessEntityID, OfficialName, OfficialNumber, FormaPago) values
    (10, 'Alfa SA', 'AAA010101AA1', ''), (20, 'O''Brien y Cía', 'BBB020202BB2', '99'),
    (30, 'Proveedora SA', 'CCC030303CC3', ''), (40, 'Alfa SA', 'AAA010101AA1', ''),
    (50, 'Ajena SA', 'DDD040404DD4', '');
  insert into orgAddress (AddressID, BusinessEntityID, AddressTypeID, Street, City, Municipality) values
    (1, 20, 1, 'Calle Fiscal', 'Colonia X', 'Municipio Y'), (2, 20, 2, 'Calle Envío', 'Otra', 'Otro');
  insert into orgContact (ContactID, BusinessEntityID, ContactName) values (7, 1, 'Agente Siete');
  insert into orgCustomer (CustomerID, BusinessEntityID, CustomerCategory, SalesRepContactID, Discount, Comments)
    values (1, 10, '', 0, 0, ''), (2, 20, 'Categoría A', 7, 5, 'Comentario'), (4, 40, '', 0, 0, '');
  insert into orgSupplier (SupplierID, OwnedBusinessEntityID, BusinessEntityID, SupplierCategory, Comments, Discount)
    values (1, 1, 20, 'Cat prov', 'Nota prov', 3), (3, 1, 30, '', '', 0), (5, 2, 50, '', '', 0);
)sql";

class Clientes : public pruebas::ConBaseEmpresa {
 protected:
  void SetUp() override {
    ConBaseEmpresa::SetUp();
    Crea("ad", "comercial", kComercial);
    Crea("ap", "adminpaq", kAdminpaq);
    Crea("sap", "sap", kSap);
    Crea("pro", "comercialpro", kPro);
  }

  DataSet Clientes_(const std::string& token, const std::string& rfc = "", const std::string& id = "",
                    const std::string& codigo = "", const std::string& razon = "") {
    return m_.GetClientesCompleto(token, rfc, id, codigo, razon);
  }
};

// Columns 1 to 29 of both listings.
const Textos kGenerales = {
    "aliascliente", "idcliente", "calle", "categoríacliente1", "categoríacliente2", "categoríacliente3",
    "categoriaprecio", "ciudad", "colonia", "correocontacto", "cp", "curp", "estatus", "metodopago", "municipio",
    "estado", "pais", "noext", "noint", "nombrecontacto", "numerocliente", "observaciones", "razonsocial",
    "referenciadomicilio", "referenciapago", "rfc", "telefono1", "telefono2", "telefono3"};

Textos Con(Textos resto) {
  Textos todas = kGenerales;
  todas.insert(todas.end(), resto.begin(), resto.end());
  return todas;
}

const Textos kValoresCliente = {"CIDVALORclasifcliente1", "CIDVALORclasifcliente2", "CIDVALORclasifcliente3",
                                "CIDVALORclasifcliente4", "CIDVALORclasifcliente5", "CIDVALORclasifcliente6"};

Textos ColumnasCliente(const char* movimiento, const char* lista, Textos final) {
  Textos c = Con({"CDESCUENTODOCTO", movimiento, "categoríacliente4", "categoríacliente5", "categoríacliente6"});
  c.insert(c.end(), kValoresCliente.begin(), kValoresCliente.end());
  for (const char* n : {"CIDAGENTE", "CCODIGOAGENTE", "CNOMBREAGENTE", "CIDMONEDA", "CIDMONEDA2"}) c.push_back(n);
  c.push_back(lista);
  for (const char* n : {"CDIASCREDITOCLIENTE", "CLIMITECREDITOCLIENTE", "CEMAIL1", "CEMAIL2", "CEMAIL3",
                        "CMETODOPAG", "CUSOCFDI"})
    c.push_back(n);
  c.insert(c.end(), final.begin(), final.end());
  return c;
}

struct CasoColumnas {
  const char* nombre;
  bool proveedores;
  std::string token;
  Textos columnas;
};

TEST_F(Clientes, ColumnasYSuOrdenPorSistema) {
  const CasoColumnas casos[] = {
      {"AdminPAQ clientes", false, TokenDe(1, "ap"), ColumnasCliente("CDESCUENTOMOVT", "lista", {})},
      {"Comercial clientes", false, TokenDe(2, "ad"), ColumnasCliente("CDESCUENTOMOVTO", "Lista", {"CDESGLOSAIEPS"})},
      {"SAP clientes", false, TokenDe(3, "sap"), Con({"Lista", "CDIASCREDITOCLIENTE"})},
      {"Pro clientes", false, TokenDe(5, "pro"), ColumnasCliente("CDESCUENTOMOVTO", "Lista", {})},
      {"AdminPAQ proveedores", true, TokenDe(1, "ap"),
       Con({"lista", "CDIASCREDITOCLIENTE", "CDESCUENTODOCTO", "CDESCUENTOMOVT", "CIDMONEDA", "CIDMONEDA2"})},
      {"Comercial proveedores", true, TokenDe(2, "ad"),
       Con({"Lista", "CDIASCREDITOCLIENTE", "CDESCUENTODOCTO", "CDESCUENTOMOVTO", "CIDMONEDA", "CIDMONEDA2"})},
      {"SAP proveedores", true, TokenDe(3, "ad"), Con({"Lista", "CDIASCREDITOCLIENTE"})},
      {"Pro proveedores", true, TokenDe(5, "pro"),
       Con({"Lista", "CDIASCREDITOCLIENTE", "CDESCUENTODOCTO", "DESCUENTOMOVTO"})},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    auto r = caso.proveedores ? m_.GetProveedoresCompleto(caso.token, "", "", "") : Clientes_(caso.token);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Nombres(r), caso.columnas);
  }
  EXPECT_EQ(Nombres(Clientes_(TokenDe(3, "sap"))).size(), 31u);
  EXPECT_EQ(Nombres(m_.GetProveedoresCompleto(TokenDe(3, "ad"), "", "", "")).size(), 31u);
  EXPECT_EQ(Nombres(m_.GetProveedoresCompleto(TokenDe(5, "pro"), "", "", "")).size(), 33u);
}

// The ids each product gives the four partners, and their codes.
struct Producto {
  int tipo;
  const char* base;
  const char* codigo4;      // NCliente of customer 4
  const char* codigo3;      // NCliente of supplier 3
  Textos proveedores;       // every supplier's idcliente
  const char* idProveedor;  // a supplier's IDCliente that is not 3
};

const Producto kProductos[] = {
    {1, "ap", "C004", "P003", {"2", "3"}, "2"},
    {2, "ad", "C004", "P003", {"2", "3"}, "2"},
    {3, "sap", "C004", "P003", {"2", "3"}, "2"},
    {5, "pro", "4", "3", {"1", "3"}, "1"},
};

// SAP suppliers are read from the Comercial Premium tables.
std::string TokenProveedores(const Producto& p) { return TokenDe(p.tipo, p.tipo == 3 ? "ad" : p.base); }

TEST_F(Clientes, FiltrosDeClientesJuntosYSolos) {
  for (const auto& p : kProductos) {
    SCOPED_TRACE(p.base);
    const std::string token = TokenDe(p.tipo, p.base);
    struct Caso {
      std::string rfc, id, codigo, razon;
      Textos ids;
    };
    const Caso casos[] = {
        {"", "", "", "", {"1", "2", "4"}},
        {"AAA010101AA1", "", "", "", {"1", "4"}},
        {"", "", "", "O'Brien y Cía", {"2"}},
        {"", "4", "", "", {"4"}},
        {"", "", p.codigo4, "", {"4"}},
        {"AAA010101AA1", "", p.codigo4, "", {"4"}},
        {"AAA010101AA1", "2", "", "", {}},
        {"", "", "", "Alfa SA", {"1", "4"}},
        {"AAA010101AA1' or '1'='1", "", "", "", {}},
        {"", "", "", "x' or 'a'='a", {}},
    };
    for (const auto& c : casos) {
      SCOPED_TRACE(c.rfc + "|" + c.id + "|" + c.codigo + "|" + c.razon);
      auto r = Clientes_(token, c.rfc, c.id, c.codigo, c.razon);
      ASSERT_NE(r, nullptr);
      EXPECT_EQ(Columna(r, "idcliente"), c.ids);
    }
  }
}

TEST_F(Clientes, FiltrosDeProveedoresJuntosYSolos) {
  for (const auto& p : kProductos) {
    SCOPED_TRACE(p.base);
    const std::string token = TokenProveedores(p);
    struct Caso {
      std::string rfc, id, codigo;
      Textos ids;
    };
    const Caso casos[] = {
        {"", "", "", p.proveedores},
        {"CCC030303CC3", "", "", {"3"}},
        {"", p.idProveedor, "", {p.idProveedor}},
        {"", "", p.codigo3, {"3"}},
        {"CCC030303CC3", "", p.codigo3, {"3"}},
        {"BBB020202BB2", "", p.codigo3, {}},
        {"CCC030303CC3' or '1'='1", "", "", {}},
    };
    for (const auto& c : casos) {
      SCOPED_TRACE(c.rfc + "|" + c.id + "|" + c.codigo);
      auto r = m_.GetProveedoresCompleto(token, c.rfc, c.id, c.codigo);
      ASSERT_NE(r, nullptr);
      EXPECT_EQ(Columna(r, "idcliente"), c.ids);
    }
  }
}

TEST_F(Clientes, UnSocioClienteYProveedorApareceEnAmbasListas) {
  for (const char* base : {"ad", "ap"}) {
    SCOPED_TRACE(base);
    const int tipo = std::string(base) == "ad" ? 2 : 1;
    EXPECT_EQ(Columna(Clientes_(TokenDe(tipo, base)), "razonsocial"),
              (Textos{"Alfa SA", "O'Brien y Cía", "Alfa SA"}));
    EXPECT_EQ(Columna(m_.GetProveedoresCompleto(TokenDe(tipo, base), "", "", ""), "razonsocial"),
              (Textos{"O'Brien y Cía", "Proveedora SA"}));
  }
}

TEST_F(Clientes, UnIdClienteNoNumericoDaElConjuntoError) {
  for (const auto& p : kProductos) {
    SCOPED_TRACE(p.base);
    for (bool proveedores : {false, true}) {
      auto r = proveedores ? m_.GetProveedoresCompleto(TokenProveedores(p), "", "abc", "")
                           : Clientes_(TokenDe(p.tipo, p.base), "", "2 or 1=1");
      ASSERT_NE(r, nullptr);
      EXPECT_EQ(Nombres(r), Textos{"Error"});
      EXPECT_EQ(Filas(r).size(), 1u);
    }
  }
}

TEST_F(Clientes, TokenRechazadoOSistemaSinListadoNoDanConjunto) {
  EXPECT_EQ(Clientes_("9999999992ad"), nullptr);
  EXPECT_EQ(m_.GetProveedoresCompleto("9999999992ad", "", "", ""), nullptr);
  EXPECT_EQ(Clientes_(TokenDe(4, "ad")), nullptr);
  EXPECT_EQ(m_.GetProveedoresCompleto(TokenDe(4, "ad"), "", "", ""), nullptr);
}

TEST_F(Clientes, ComercialDatosDelSocio) {
  const auto cliente = Registros(Clientes_(TokenDe(2, "ad"), "", "2"));
  ASSERT_EQ(cliente.size(), 1u) << "only the fiscal address of the partner is joined";
  const auto& c = cliente[0];
  EXPECT_EQ(c.at("calle"), "Calle Fiscal");
  EXPECT_EQ(c.at("ciudad"), "Ciudad F");
  EXPECT_EQ(c.at("referenciadomicilio"), "Ref fiscal");
  EXPECT_EQ(c.at("observaciones"), "Nota");
  const Textos categorias = {c.at("categoríacliente1"), c.at("categoríacliente2"), c.at("categoríacliente3"),
                             c.at("categoríacliente4"), c.at("categoríacliente5"), c.at("categoríacliente6")};
  EXPECT_EQ(categorias, (Textos{"Cli1", "Cli2", "Cli3", "Cli4", "Cli5", "Cli6"}));
  EXPECT_EQ(c.at("CIDVALORclasifcliente6"), "16");
  EXPECT_EQ(c.at("CIDAGENTE"), "7");
  EXPECT_EQ(c.at("CNOMBREAGENTE"), "Agente Siete");
  EXPECT_EQ(c.at("Lista"), "4");
  EXPECT_EQ(c.at("categoriaprecio"), "4");
  EXPECT_EQ(c.at("CDESCUENTOMOVTO"), "2.5");
  EXPECT_EQ(c.at("CDESGLOSAIEPS"), "1");

  const auto proveedor = Registros(m_.GetProveedoresCompleto(TokenDe(2, "ad"), "", "2", ""));
  ASSERT_EQ(proveedor.size(), 1u);
  EXPECT_EQ(proveedor[0].at("categoríacliente1"), "Prov1") << "suppliers use their own classifications";
  EXPECT_EQ(proveedor[0].at("categoríacliente3"), "Prov3");
  EXPECT_EQ(proveedor[0].at("calle"), "Calle Fiscal");
}

TEST_F(Clientes, AdminpaqRepiteLaPrimeraClasificacionYNombraDistintoDescuentoYLista) {
  const auto cliente = Registros(Clientes_(TokenDe(1, "ap"), "", "2"));
  ASSERT_EQ(cliente.size(), 1u);
  const auto& c = cliente[0];
  const Textos categorias = {c.at("categoríacliente1"), c.at("categoríacliente2"), c.at("categoríacliente3"),
                             c.at("categoríacliente4"), c.at("categoríacliente5"), c.at("categoríacliente6")};
  EXPECT_EQ(categorias, (Textos{"Cla1", "Cla2", "Cla3", "Cla1", "Cla1", "Cla1"}));
  EXPECT_EQ(c.at("CIDVALORclasifcliente4"), "14");
  EXPECT_EQ(c.at("CDESCUENTODOCTO"), "1.5");
  EXPECT_EQ(c.at("CDESCUENTOMOVT"), "2.5");
  EXPECT_EQ(c.at("lista"), "3");
  EXPECT_EQ(c.at("CNOMBREAGENTE"), "Agente Siete");
  EXPECT_EQ(c.at("calle"), "Calle Fiscal");
  EXPECT_EQ(c.at("referenciadomicilio"), "Ref fiscal");
  EXPECT_EQ(c.at("observaciones"), "Nota");

  const auto proveedor = Registros(m_.GetProveedoresCompleto(TokenDe(1, "ap"), "", "2", ""));
  ASSERT_EQ(proveedor.size(), 1u);
  EXPECT_EQ(proveedor[0].at("CDESCUENTOMOVT"), "2.5");
  EXPECT_EQ(proveedor[0].at("lista"), "3");
}

TEST_F(Clientes, SapPropiedadesDelSocioComoCategorias) {
  const auto clientes = Registros(Clientes_(TokenDe(3, "sap")));
  ASSERT_EQ(clientes.size(), 3u);
  EXPECT_EQ(clientes[0].at("categoríacliente1"), "Mayoristas");
  EXPECT_EQ(clientes[0].at("categoríacliente2"), "Propiedad 1");
  EXPECT_EQ(clientes[0].at("categoríacliente3"), "");
  EXPECT_EQ(clientes[1].at("categoríacliente2"), "");
  EXPECT_EQ(clientes[1].at("categoríacliente3"), "Propiedad 2");
  EXPECT_EQ(clientes[0].at("aliascliente"), "Alfa");
  EXPECT_EQ(clientes[0].at("Lista"), "3");
  EXPECT_EQ(clientes[0].at("categoriaprecio"), "3");
  EXPECT_EQ(clientes[0].at("CDIASCREDITOCLIENTE"), "0");
  EXPECT_EQ(clientes[0].at("curp"), "AAA010101AA1");
  EXPECT_EQ(clientes[0].at("numerocliente"), "C001");
}

TEST_F(Clientes, ComercialProDatosDelClienteYDelProveedor) {
  const auto cliente = Registros(Clientes_(TokenDe(5, "pro"), "", "2"));
  ASSERT_EQ(cliente.size(), 1u);
  const auto& c = cliente[0];
  EXPECT_EQ(c.at("numerocliente"), "2");
  EXPECT_EQ(c.at("calle"), "Calle Fiscal");
  EXPECT_EQ(c.at("ciudad"), "Municipio Y");
  EXPECT_EQ(c.at("colonia"), "Colonia X");
  EXPECT_EQ(c.at("municipio"), "Colonia X");
  EXPECT_EQ(c.at("categoríacliente1"), "Categoría A");
  EXPECT_EQ(c.at("observaciones"), "Comentario");
  EXPECT_EQ(c.at("razonsocial"), "O'Brien y Cía");
  EXPECT_EQ(c.at("metodopago"), "PPD");
  EXPECT_EQ(c.at("CMETODOPAG"), "99");
  EXPECT_EQ(c.at("CIDAGENTE"), "7");
  EXPECT_EQ(c.at("CNOMBREAGENTE"), "Agente Siete");
  EXPECT_EQ(c.at("CDESCUENTODOCTO"), "5.0");
  EXPECT_EQ(c.at("CDESCUENTOMOVTO"), "0");

  const auto proveedor = Registros(m_.GetProveedoresCompleto(TokenDe(5, "pro"), "", "1", ""));
  ASSERT_EQ(proveedor.size(), 1u);
  const auto& p = proveedor[0];
  EXPECT_EQ(p.at("idcliente"), "1");
  EXPECT_EQ(p.at("numerocliente"), "1");
  EXPECT_EQ(p.at("categoríacliente1"), "Cat prov");
  EXPECT_EQ(p.at("observaciones"), "Nota prov");
  EXPECT_EQ(p.at("razonsocial"), "O'Brien y Cía");
  EXPECT_EQ(p.at("CDESCUENTODOCTO"), "3.0");
  EXPECT_EQ(p.at("DESCUENTOMOVTO"), "0");
}

// The Comercial Premium version decides whether customers carry CREGIMFISC.
class VersionBaseDatos : public Clientes {
 protected:
  void FijaVersion(const std::string& base, const std::string& version) {
    Ejecuta(base, "update admParametros set CVERSIONACTUAL = '" + version + "'");
  }
};

TEST_F(VersionBaseDatos, HastaLa924SinRegimenFiscalDesdeLa925Con) {
  EXPECT_EQ(Nombres(Clientes_(TokenDe(2, "ad"))).size(), 54u);
  Crea("ad925", "comercial", kComercial);
  FijaVersion("ad925", "925");
  TServerMethodsSync otro;
  auto r = otro.GetClientesCompleto(TokenDe(2, "ad925"), "", "2", "", "");
  const Textos nombres = Nombres(r);
  ASSERT_EQ(nombres.size(), 55u);
  EXPECT_EQ(nombres.back(), "CREGIMFISC");
  EXPECT_EQ(Columna(r, "CREGIMFISC"), Textos{"601"});
}

TEST_F(VersionBaseDatos, SeLeeUnaVezPorBaseDeDatos) {
  EXPECT_EQ(Nombres(Clientes_(TokenDe(2, "ad"))).size(), 54u);
  FijaVersion("ad", "1000");
  EXPECT_EQ(Nombres(Clientes_(TokenDe(2, "ad"))).size(), 54u) << "the first value read stays";
  Crea("ad2", "comercial", kComercial);
  FijaVersion("ad2", "1000");
  EXPECT_EQ(Nombres(Clientes_(TokenDe(2, "ad2"))).size(), 55u) << "another database is read anew";
}

TEST_F(VersionBaseDatos, SinParametrosEsCero) {
  Ejecuta("ad", "delete from admParametros");
  EXPECT_EQ(Nombres(Clientes_(TokenDe(2, "ad"))).size(), 54u);
}

TEST_F(VersionBaseDatos, UnaVersionNoEnteraFallaLaLlamada) {
  for (const char* version : {"9.25", "", "925a"}) {
    SCOPED_TRACE(version);
    FijaVersion("ad", version);
    TServerMethodsSync nuevo;
    EXPECT_THROW(nuevo.GetClientesCompleto(TokenDe(2, "ad"), "", "", "", ""), std::runtime_error);
  }
  EXPECT_NE(Clientes_(TokenDe(1, "ap")), nullptr) << "other systems never read it";
}

}  // namespace
}  // namespace quorvex
