// Agents, warehouses, the last folio and the document concepts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/Valor.h"
#include "tests/BaseEmpresaPrueba.h"

namespace quorvex {
namespace {

using pruebas::Columna;
using pruebas::Filas;
using pruebas::Nombres;
using pruebas::Registros;
using pruebas::Textos;
using pruebas::TokenDe;

// Concept kinds: 1 quotation, 2 order, 3 delivery note, 4 invoice.
constexpr const char* kComercial = R"sql(
  insert into admAgentes (CIDAGENTE, CCODIGOAGENTE, CNOMBREAGENTE) values (1, 'A1', 'Ana');
  insert into admAlmacenes (CIDALMACEN, CCODIGOALMACEN, CNOMBREALMACEN) values (1, 'ALM1', 'Almacén 1');
  insert into admConceptos (CIDCONCEPTODOCUMENTO, CCODIGOCONCEPTO, CNOMBRECONCEPTO, CIDDOCUMENTODE) values
    (1, 'FAC', 'Factura', 4), (2, 'PED', 'Pedido', 2), (3, 'COT', 'Cotización', 1), (4, 'REM', 'Remisión', 3);
  insert into admDocumentos (CIDDOCUMENTO, CIDCONCEPTODOCUMENTO, CSERIEDOCUMENTO, CFOLIO) values
    (1, 1, 'A', 149), (2, 1, 'A', 150), (3, 1, 'B', 300), (4, 2, 'A', 500), (5, 1, '', 7);
)sql";

constexpr const char* kAdminpaq = R"sql(
  insert into MGW10001 (CIDAGENTE, CCODIGOA01, CNOMBREA01) values (1, 'A1', 'Ana');
  insert into MGW10003 (CIDALMACEN, CCODIGOA01, CNOMBREA01) values (1, 'ALM1', 'Almacén 1');
  insert into MGW10006 (CIDCONCE01, CCODIGOC01, CNOMBREC01, CIDDOCUM01) values
    (1, 'FAC', 'Factura', 4), (2, 'PED', 'Pedido', 2), (4, 'REM', 'Remisión', 3);
)sql";

// Warehouse 01 already has its id.
constexpr const char* kSap = R"sql(
  insert into OSLP (SlpCode, SlpName, Commission, GroupCode, Locked, EmpID) values (3, 'Vendedor', 10, 4, 'N', 5);
  insert into OWHS (WhsCode, WhsName, Street) values ('01', 'Principal', 'Calle 1'), ('02', 'Sucursal', 'Calle 2');
  insert into Ids001 (Id, Codigo, Tabla) values (5, '01', 'Almacenes');
)sql";

// Only employee 7 sells for business entity 1.
constexpr const char* kPro = R"sql(
  insert into orgContact (ContactID, ContactName) values (7, 'Vendedora'), (8, 'Almacenista'), (9, 'Ajeno');
  insert into orgEmployee (ContactID, OwnedBusinessEntityID, EmployeeNumber, SalesPosition) values
    (7, 1, 'E7', 1), (8, 1, 'E8', 0), (9, 2, 'E9', 1);
  insert into orgDepot (DepotID, OwnedBusinessEntityID, DepotName) values (1, 1, 'Matriz');
  insert into vwLBSModuleDocumentTypeName (ModuleID, DocumentTypeID, ModuleName, DocRecipient) values
    (155, 1, 'Ventas', 1), (155, 2, 'Ventas', 2), (155, 3, 'Ventas', 3), (156, 1, 'Compras', 2);
)sql";

class Referencias : public pruebas::ConBaseEmpresa {
 protected:
  void SetUp() override {
    ConBaseEmpresa::SetUp();
    Crea("ad", "comercial", kComercial);
    Crea("ap", "adminpaq", kAdminpaq);
    Crea("sap", "sap", kSap);
    Crea("pro", "comercialpro", kPro);
  }
};

struct Sistema {
  int tipo;
  const char* base;
};
constexpr Sistema kSistemas[] = {{1, "ap"}, {2, "ad"}, {3, "sap"}, {5, "pro"}};

const Textos kClasificacionesYTextos = {"CIDVALORCLASIFICACION1", "CIDVALORCLASIFICACION2", "CIDVALORCLASIFICACION3",
                                        "CIDVALORCLASIFICACION4", "CIDVALORCLASIFICACION5", "CTEXTOEXTRA1",
                                        "CTEXTOEXTRA2", "CTEXTOEXTRA3"};

Textos Con(Textos primeras) {
  primeras.insert(primeras.end(), kClasificacionesYTextos.begin(), kClasificacionesYTextos.end());
  return primeras;
}

TEST_F(Referencias, AgentesColumnasPorSistema) {
  const Textos columnas = Con({"CIDAGENTE", "CCODIGOAGENTE", "CNOMBREAGENTE", "CTIPOAGENTE", "CCOMISIONVENTAAGENTE",
                               "CCOMISIONCOBROAGENTE"});
  for (const auto& s : kSistemas) {
    SCOPED_TRACE(s.base);
    auto r = m_.GetAgentes(TokenDe(s.tipo, s.base));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Nombres(r), columnas);
  }
}

TEST_F(Referencias, AgentesDeSapYDeComercialPro) {
  const auto sap = Registros(m_.GetAgentes(TokenDe(3, "sap")));
  ASSERT_EQ(sap.size(), 1u);
  EXPECT_EQ(sap[0].at("CIDAGENTE"), "3");
  EXPECT_EQ(sap[0].at("CCODIGOAGENTE"), "3");
  EXPECT_EQ(sap[0].at("CNOMBREAGENTE"), "Vendedor");
  EXPECT_EQ(sap[0].at("CTIPOAGENTE"), "1");
  EXPECT_EQ(sap[0].at("CCOMISIONCOBROAGENTE"), "10.0");
  EXPECT_EQ(sap[0].at("CIDVALORCLASIFICACION5"), "2");
  EXPECT_EQ(sap[0].at("CTEXTOEXTRA3"), "5");

  auto pro = m_.GetAgentes(TokenDe(5, "pro"));
  EXPECT_EQ(Filas(pro), (std::vector<Textos>{{"7", "E7", "Vendedora", "0", "0", "0", "", "", "", "", "", "", "", ""}}))
      << "only the sales employees of business entity 1";
}

TEST_F(Referencias, AlmacenesColumnasPorSistema) {
  const Textos columnas = Con({"CIDALMACEN", "CCODIGOALMACEN", "CNOMBREALMACEN"});
  for (const auto& s : kSistemas) {
    SCOPED_TRACE(s.base);
    auto r = m_.GetAlmacenes(TokenDe(s.tipo, s.base));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Nombres(r), columnas);
  }
  EXPECT_EQ(Filas(m_.GetAlmacenes(TokenDe(1, "ap"))),
            (std::vector<Textos>{{"1", "ALM1", "Almacén 1", "0", "0", "0", "0", "0", "", "", ""}}));
}

TEST_F(Referencias, AlmacenesDeSapSeNumeranUnaSolaVez) {
  const std::string token = TokenDe(3, "sap");
  auto ids = [&] { return Filas(m_.DameConsultaSQL(token, "select Id, Codigo from Ids001 order by Id", "")); };

  auto primera = m_.GetAlmacenes(token);
  EXPECT_EQ(Columna(primera, "CCODIGOALMACEN"), (Textos{"01", "02"}));
  const auto numerados = ids();
  ASSERT_EQ(numerados.size(), 2u);
  EXPECT_EQ(numerados[0], (Textos{"5", "01"})) << "a mapped code keeps its id";
  EXPECT_EQ(numerados[1][1], "02");

  Ejecuta("sap", "insert into OWHS (WhsCode, WhsName) values ('03', 'Nuevo')");
  auto segunda = Registros(m_.GetAlmacenes(token));
  ASSERT_EQ(segunda.size(), 3u) << "each code once";
  const auto renumerados = ids();
  ASSERT_EQ(renumerados.size(), 3u);
  EXPECT_EQ(Textos(renumerados[1]), numerados[1]);
  EXPECT_EQ(renumerados[2][1], "03");
  for (const auto& almacen : segunda) {
    SCOPED_TRACE(almacen.at("CCODIGOALMACEN"));
    bool encontrado = false;
    for (const auto& fila : renumerados)
      encontrado |= fila[0] == almacen.at("CIDALMACEN") && fila[1] == almacen.at("CCODIGOALMACEN");
    EXPECT_TRUE(encontrado) << "CIDALMACEN is the code's id";
  }
}

TEST_F(Referencias, UnFalloAlNumerarAlmacenesDeSapSoloSeRegistra) {
  Ejecuta("sap", "create trigger sin_altas before insert on Ids001 begin select raise(abort, 'sin altas'); end");
  auto r = m_.GetAlmacenes(TokenDe(3, "sap"));
  EXPECT_EQ(Columna(r, "CCODIGOALMACEN"), Textos{"01"}) << "the listing still runs";
  EXPECT_NE(LeeDatoRegestry("Ultimo error ").find("sin altas"), std::string::npos);
}

TEST_F(Referencias, UltimoFolioDelConceptoYSerie) {
  struct Caso {
    int concepto;
    const char* serie;
    int folio;
  };
  const Caso casos[] = {{1, "A", 150}, {1, "B", 300}, {2, "A", 500}, {1, "", 7},
                        {1, "C", 0},   {3, "A", 0},   {1, "A' or '1'='1", 0}};
  for (const auto& c : casos) {
    SCOPED_TRACE(std::to_string(c.concepto) + " " + c.serie);
    EXPECT_EQ(m_.GetSiguienteFolio(TokenDe(2, "ad"), c.concepto, c.serie), c.folio);
  }
}

TEST_F(Referencias, UltimoFolioRechazosYErrores) {
  EXPECT_EQ(m_.GetSiguienteFolio("9999999992ad", 1, "A"), 0);
  EXPECT_EQ(m_.GetSiguienteFolio(TokenDe(1, "ad"), 1, "A"), 0) << "Comercial Premium only";
  EXPECT_THROW(m_.GetSiguienteFolio(TokenDe(2, "ap"), 1, "A"), db::Error) << "no admDocumentos table";
}

TEST_F(Referencias, ConceptosPorTipoDeDocumento) {
  struct Caso {
    std::string lista, tipo, concepto;
    Textos ids;
  };
  const Caso casos[] = {
      {"", "", "", {"1", "2", "3", "4"}},
      {"2,3", "", "", {"2", "4"}},
      {" 2 , 3 ", "", "", {"2", "4"}},
      {"", "4", "", {"1"}},
      {"", "", "3", {"3"}},
      {"2,3", "2", "", {"2"}},
      {"2,3", "", "1", {}},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.lista + "|" + c.tipo + "|" + c.concepto);
    auto r = m_.DameIdTipoDocumentos(TokenDe(2, "ad"), c.lista, c.tipo, c.concepto);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Nombres(r), (Textos{"IdTipoDocumento", "CCODIGOCONCEPTO", "CNOMBRECONCEPTO", "CIDDOCUMENTODE"}));
    EXPECT_EQ(Columna(r, "IdTipoDocumento"), c.ids);
  }
}

TEST_F(Referencias, ConceptosConValoresNoNumericosDanElConjuntoError) {
  struct Caso {
    std::string lista, tipo, concepto;
  };
  const Caso casos[] = {{"2,x", "", ""}, {"2) or (1=1", "", ""}, {"2,,3", "", ""}, {",", "", ""},
                        {"", "x", ""},   {"", "", "1 or 1=1"}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.lista + "|" + c.tipo + "|" + c.concepto);
    auto r = m_.DameIdTipoDocumentos(TokenDe(2, "ad"), c.lista, c.tipo, c.concepto);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Nombres(r), Textos{"Error"});
    EXPECT_EQ(Filas(r).size(), 1u);
  }
}

TEST_F(Referencias, ConceptosDeAdminpaqYComercialPro) {
  auto adminpaq = m_.DameIdTipoDocumentos(TokenDe(1, "ap"), "2,3", "", "");
  EXPECT_EQ(Nombres(adminpaq), (Textos{"IdTipoDocumento", "CCODIGOCONCEPTO", "CNOMBRECONCEPTO", "CIDDOCUMENTODE"}));
  EXPECT_EQ(Filas(adminpaq), (std::vector<Textos>{{"2", "PED", "Pedido", "2"}, {"4", "REM", "Remisión", "3"}}));

  auto pro = m_.DameIdTipoDocumentos(TokenDe(5, "pro"), "2,3", "", "");
  EXPECT_EQ(Nombres(pro), (Textos{"IdTipoDocumento", "CCODIGOCONCEPTO", "DocumentTypeID", "CNOMBRECONCEPTO",
                                  "CIDDOCUMENTODE"}));
  EXPECT_EQ(Filas(pro), (std::vector<Textos>{{"155", "155", "2", "Ventas", "2"}, {"155", "155", "3", "Ventas", "3"}}))
      << "the sales module only";
  EXPECT_EQ(Columna(m_.DameIdTipoDocumentos(TokenDe(5, "pro"), "", "", ""), "DocumentTypeID"),
            (Textos{"1", "2", "3"}));
}

TEST_F(Referencias, TokenRechazadoOSistemaSinListadoNoDanConjunto) {
  EXPECT_EQ(m_.GetAgentes("9999999992ad"), nullptr);
  EXPECT_EQ(m_.GetAlmacenes("9999999992ad"), nullptr);
  EXPECT_EQ(m_.DameIdTipoDocumentos("9999999992ad", "", "", ""), nullptr);
  EXPECT_EQ(m_.GetAgentes(TokenDe(4, "ad")), nullptr);
  EXPECT_EQ(m_.GetAlmacenes(TokenDe(4, "ad")), nullptr);
  EXPECT_EQ(m_.DameIdTipoDocumentos(TokenDe(3, "sap"), "", "", ""), nullptr) << "no SAP concepts";
}

}  // namespace
}  // namespace quorvex
