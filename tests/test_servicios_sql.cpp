#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Registro.h"
#include "tests/BaseEmpresaPrueba.h"

namespace quorvex {
namespace {

using pruebas::Filas;
using pruebas::Nombres;

class ServiciosSql : public pruebas::ConBaseEmpresa {
 protected:
  void SetUp() override {
    ConBaseEmpresa::SetUp();
    Crea("adDemo", "comercial",
         "insert into admParametros (CIDEMPRESA, CGUIDDSL) values (1, 'GUID-AD');"
         "insert into admAgentes (CIDAGENTE, CCODIGOAGENTE, CNOMBREAGENTE) values (1, 'A/1', 'Ana O''Neil');");
    Crea("CompacWAdmin", "compacwadmin",
         "insert into empresas values (1, '(Predeterminada)', 'C:\\Compac\\Empresas\\Predeterminada');"
         "insert into empresas values (2, 'Demo SA', 'C:\\Compac\\Empresas\\adDemo');");
    Crea("nomGenerales", "nomgenerales",
         "insert into NOM10000 values (1, 'Nómina Demo', 'NomDemo', 'ctNomDemo', 'G-1');"
         "insert into NOM10000 values (2, 'Sin datos', 'Vacia', '', 'G-2');");
  }

  const std::string token_ = "1111111112adDemo";
};

TEST_F(ServiciosSql, LasComillasDoblesSeVuelvenSimples) {
  auto r = m_.DameConsultaSQL(token_, R"(select CNOMBREAGENTE from admAgentes where CCODIGOAGENTE = "A$$1")", "");
  EXPECT_EQ(Filas(r), (std::vector<std::vector<std::string>>{{"Ana O'Neil"}})) << "$$ stands for /";
}

TEST_F(ServiciosSql, ElMarcadorDeGuidSeSustituyeUnaVez) {
  auto r = m_.DameConsultaSQL(token_, R"(select "x_XXXX_y" as g)", "_XXXX_");
  EXPECT_EQ(Filas(r), (std::vector<std::vector<std::string>>{{"x__XXXX__y"}}));
}

TEST_F(ServiciosSql, UnaConsultaErroneaDaLaTablaError) {
  auto r = m_.DameConsultaSQL(token_, "select nada from ningunatabla", "");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(Nombres(r), std::vector<std::string>{"Error"});
  const auto filas = Filas(r);
  ASSERT_EQ(filas.size(), 1u);
  EXPECT_NE(filas[0][0].find("ningunatabla"), std::string::npos);
  EXPECT_TRUE(filas[0][0].ends_with(" select nada from ningunatabla")) << filas[0][0];
  EXPECT_NE(LeeDatoRegestry("Ultimo error ").find("ningunatabla"), std::string::npos) << "the failure is logged";
}

TEST_F(ServiciosSql, ElMensajeDeErrorSeCortaA255) {
  const std::string larga = "select " + std::string(400, 'x') + " from nada";
  const auto filas = Filas(m_.DameConsultaSQL(token_, larga, ""));
  ASSERT_EQ(filas.size(), 1u);
  EXPECT_EQ(filas[0][0].size(), 255u);
}

TEST_F(ServiciosSql, UnaSentenciaSinFilasSeEjecutaPeroDaError) {
  auto r = m_.DameConsultaSQL(token_, R"(insert into admAgentes (CIDAGENTE, CCODIGOAGENTE) values (2, "A2"))", "");
  EXPECT_EQ(Nombres(r), std::vector<std::string>{"Error"});
  EXPECT_EQ(Filas(m_.DameConsultaSQL(token_, "select count(*) from admAgentes", "")),
            (std::vector<std::vector<std::string>>{{"2"}}));
}

TEST_F(ServiciosSql, TokenRechazadoNoEjecutaNada) {
  EXPECT_EQ(m_.DameConsultaSQL("9999999992adDemo", "select 1", ""), nullptr);
  EXPECT_EQ(m_.GetEmpresasNomina("999999999"), nullptr);
  EXPECT_EQ(m_.GetGUIDDSLComercialPremium("9999999992adDemo"), nullptr);
}

TEST_F(ServiciosSql, LosScriptsDeReportesNoEstanDisponiblesTodavia) {
  EXPECT_THROW(m_.DameConsultaSQL(token_, "Scrip Nomina", ""), std::runtime_error);
}

TEST_F(ServiciosSql, ListasDeEmpresasDesdeLaBaseGeneral) {
  auto comercial = m_.GetEmpresasComercialPremium("1111111115otraempresa");
  EXPECT_EQ(Nombres(comercial), (std::vector<std::string>{"Nombre", "Base"}));
  EXPECT_EQ(Filas(comercial), (std::vector<std::vector<std::string>>{{"Demo SA", "adDemo"}}));

  auto nomina = m_.GetEmpresasNomina("222222222" "2adDemo");
  EXPECT_EQ(Nombres(nomina), (std::vector<std::string>{"Nombre", "Base", "GUIDDSL"}));
  EXPECT_EQ(Filas(nomina), (std::vector<std::vector<std::string>>{{"NomDemo", "ctNomDemo", "G-1"}}));
}

TEST_F(ServiciosSql, GuidDeLaEmpresaDelToken) {
  EXPECT_EQ(Filas(m_.GetGUIDDSLComercialPremium(token_)), (std::vector<std::vector<std::string>>{{"GUID-AD"}}));
  auto contabilidad = m_.GetGUIDDSLContabilidadyBancos(token_);
  EXPECT_EQ(Nombres(contabilidad), std::vector<std::string>{"Error"}) << "no Parametros table in a Comercial database";
}

}  // namespace
}  // namespace quorvex
