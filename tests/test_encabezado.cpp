// The document header: the header text, the row it writes, the duplicate
// check, the digital folio, routing by system type and concurrent writers.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <ctime>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "core/Texto.h"
#include "documents/CamposTexto.h"
#include "tests/BaseEmpresaPrueba.h"
#include "tests/TextosDocumento.h"

namespace quorvex {
namespace {

using pruebas::TextoEncabezado;
using pruebas::TokenDe;
using Registro = std::map<std::string, std::string>;

constexpr const char* kBase = "empresa";

// Concept 10: a quotation (kind 1, not an SDK kind); 20: an invoice (kind 4,
// an SDK kind) that is an electronic invoice. Customer 12 has a CFDI use.
constexpr const char* kDatos = R"sql(
  insert into admParametros (CIDEMPRESA, CVERSIONACTUAL) values (1, '924');
  insert into admConceptos (CIDCONCEPTODOCUMENTO, CCODIGOCONCEPTO, CIDDOCUMENTODE, CNATURALEZA, CESCFD) values
    (10, 'COT', 1, 1, 0), (20, 'FAC', 4, 0, 1);
  insert into admClientes (CIDCLIENTEPROVEEDOR, CCODIGOCLIENTE, CRAZONSOCIAL, CUSOCFDI) values
    (12, 'C012', 'Cliente Doce', 'G03');
)sql";

class Encabezado : public pruebas::ConBaseEmpresa {
 protected:
  void SetUp() override {
    ConBaseEmpresa::SetUp();
    Crea(kBase, "comercial", kDatos);
  }

  std::int32_t Agrega(const std::string& datos, bool duplicado = false) {
    return m_.AgregaEncabezadoValidaDuplicado(TokenDe(2, kBase), 0, datos, duplicado);
  }

  std::vector<Registro> Consulta(const std::string& sql) { return ConBaseEmpresa::Consulta(kBase, sql); }

  Registro Documento(std::int32_t id) {
    auto filas = Consulta("select * from admDocumentos where CIDDOCUMENTO = " + std::to_string(id));
    EXPECT_EQ(filas.size(), 1u) << "documento " << id;
    return filas.empty() ? Registro{} : filas[0];
  }

  std::size_t Cuenta(const std::string& tabla) { return Consulta("select * from " + tabla).size(); }
};

TEST(CamposTexto, DivideSoloEnElDelimitadorYLeeCamposEntreComillas) {
  const struct {
    std::string texto;
    std::vector<std::string> campos;
  } casos[] = {
      {"", {}},
      {"a", {"a"}},
      {"a|", {"a", ""}},
      {"|", {"", ""}},
      {"a||b", {"a", "", "b"}},
      {" a , b |c d", {" a , b ", "c d"}},
      {"\"x|y\"|z", {"x|y", "z"}},
      {"\"O\"\"Brien\"|z", {"O\"Brien", "z"}},
      {"\"ab\"cd|x", {"ab", "cd", "x"}},
      {"\"sin cerrar|x", {"sin cerrar|x"}},
      {"a\"b|c", {"a\"b", "c"}},
  };
  for (const auto& caso : casos) EXPECT_EQ(DivideCampos(caso.texto), caso.campos) << caso.texto;
}

TEST(CamposTexto, NumerosYTextosRecortados) {
  EXPECT_DOUBLE_EQ(TextoAReal("12.5"), 12.5);
  EXPECT_DOUBLE_EQ(TextoAReal(" -3 "), -3);
  EXPECT_DOUBLE_EQ(TextoAReal("+2e1"), 20);
  for (const char* malo : {"", "abc", "1,5", "12.5x", "+-1", "nan", "inf"}) EXPECT_EQ(TextoAReal(malo), 0) << malo;
  EXPECT_EQ(PrimerosCaracteres("ñañaña", 4), "ñaña");
  EXPECT_EQ(PrimerosCaracteres("abc", 5), "abc");
}

TEST_F(Encabezado, EscribeElDocumentoConLosValoresDelTexto) {
  const std::string referencia(25, 'R');
  std::string extra;
  for (int i = 0; i < 60; ++i) extra += "é";
  const std::int32_t id = m_.AgregaEncabezado(TokenDe(2, kBase), 0, TextoEncabezado({{12, referencia}, {36, extra}}));
  ASSERT_EQ(id, 1);  // an empty table starts at 1
  Registro r = Documento(id);
  const Registro esperado{
      {"CIDDOCUMENTODE", "1"},
      {"CIDCONCEPTODOCUMENTO", "10"},
      {"CSERIEDOCUMENTO", "A"},
      {"CFOLIO", "7.0"},
      {"CFECHA", "2024-03-15 00:00:00.000"},
      {"CIDCLIENTEPROVEEDOR", "12"},
      {"CUSACLIENTE", "1"},
      {"CUSAPROVEEDOR", "0"},
      {"CRAZONSOCIAL", "Cliente Doce"},
      {"CRFC", "CDO120101AB1"},
      {"CIDAGENTE", "3"},
      {"CFECHAVENCIMIENTO", "2024-04-14 00:00:00.000"},
      {"CFECHAPRONTOPAGO", "2024-03-20 00:00:00.000"},
      {"CFECHAENTREGARECEPCION", "2024-03-16 00:00:00.000"},
      {"CFECHAULTIMOINTERES", "2024-03-16 00:00:00.000"},
      {"CFECHAEXTRA", "2024-05-01 00:00:00.000"},
      {"CIDMONEDA", "1"},
      {"CTIPOCAMBIO", "1.0"},
      {"CREFERENCIA", std::string(20, 'R')},
      {"COBSERVACIONES", "Obs"},
      {"CNATURALEZA", "1"},
      {"CNETO", "100.5"},
      {"CIMPUESTO1", "16.08"},
      {"CTOTAL", "116.58"},
      {"CPENDIENTE", "116.58"},
      {"CTOTALUNIDADES", "2.0"},
      {"CPORCENTAJEIMPUESTO1", "16.0"},
      {"CTEXTOEXTRA1", extra.substr(0, 50 * 2)},  // 50 two-byte characters
      {"CTEXTOEXTRA2", "Extra2"},
      {"CIMPORTEEXTRA4", "4.0"},
      {"CDESTINATARIO", "Destino"},
      {"CCUENTAMENSAJERIA", "Cuenta"},
      {"CNUMEROCAJAS", "2.0"},
      {"CPESO", "1.5"},
      {"CUNIDADESPENDIENTES", "2.0"},
      {"CLUGAREXPE", "Ciudad"},
      {"CMETODOPAG", "PUE"},
      {"CNUMPARCIA", "1"},
      {"CCANTPARCI", "1"},
      {"CCONDIPAGO", "Contado"},
      {"CNUMCTAPAG", "1234"},
      {"CAFECTADO", "1"},
      {"CCANCELADO", "0"},
      {"CESTADOCONTABLE", "1"},
      {"CSISTORIG", "205"},
      {"CESCFD", "0"},
      {"CTIMESTAMP", ""},
  };
  for (const auto& [columna, valor] : esperado) EXPECT_EQ(r[columna], valor) << columna;
  EXPECT_EQ(r["CGUIDDOCUMENTO"].size(), 36u);
  EXPECT_EQ(Cuenta("admFoliosDigitales"), 0u);  // not an electronic invoice
}

TEST_F(Encabezado, TextosQueNoConviertenTomanElValorPorOmision) {
  const struct {
    std::map<int, std::string> campos;
    std::string columna;
    std::string esperado;
  } casos[] = {
      {{{57, "0"}}, "CIDMONEDA", "1"},
      {{{57, "dólar"}}, "CIDMONEDA", "1"},
      {{{57, "2"}}, "CIDMONEDA", "2"},
      {{{58, "17.25"}}, "CTIPOCAMBIO", "1.0"},
      {{{58, "18"}}, "CTIPOCAMBIO", "18.0"},
      {{{2, "7a"}}, "CFOLIO", "0.0"},
      {{{14, "cien"}}, "CNETO", "0.0"},
      {{{8, "x"}}, "CIDAGENTE", "0"},
      {{{53, "2.5"}}, "CNUMPARCIA", "0"},
      {{{3, "no es fecha"}}, "CFECHA", "2014-01-01 00:00:00.000"},
      {{{4, "0"}, {5, "0"}}, "CIDCLIENTEPROVEEDOR", "0"},
      {{{4, "12"}, {5, "7"}}, "CIDCLIENTEPROVEEDOR", "7"},
      {{{4, "12"}, {5, "7"}}, "CUSACLIENTE", "1"},
      {{{4, "12"}, {5, "7"}}, "CUSAPROVEEDOR", "1"},
      {{{4, "x"}, {5, "0"}}, "CUSACLIENTE", "0"},
      {{{6, "\"Uno|Dos\""}}, "CRAZONSOCIAL", "Uno|Dos"},
      {{{0, "999"}}, "CIDDOCUMENTODE", "0"},  // unknown concept: written with zeros
      {{{0, "999"}}, "CNATURALEZA", "0"},
  };
  for (const auto& caso : casos) {
    const std::int32_t id = Agrega(TextoEncabezado(caso.campos));
    ASSERT_NE(id, 0) << caso.columna;
    EXPECT_EQ(Documento(id)[caso.columna], caso.esperado) << caso.columna << " " << caso.campos.begin()->second;
  }
}

TEST_F(Encabezado, CincuentaYNueveCamposValenComoSesenta) {
  const std::int32_t con60 = Agrega(TextoEncabezado({{59, ""}}));
  const std::int32_t con59 = Agrega(TextoEncabezado({}, 59));
  ASSERT_NE(con60, 0);
  ASSERT_NE(con59, 0);
  Registro a = Documento(con60);
  Registro b = Documento(con59);
  for (const char* distinto : {"CIDDOCUMENTO", "CGUIDDOCUMENTO"}) a.erase(distinto), b.erase(distinto);
  EXPECT_EQ(a, b);
}

TEST_F(Encabezado, OtraCantidadDeCamposNoEscribeNada) {
  for (int campos : {58, 61, 1}) EXPECT_EQ(Agrega(TextoEncabezado({}, campos)), 0) << campos;
  EXPECT_EQ(Agrega(""), 0);
  EXPECT_EQ(Cuenta("admDocumentos"), 0u);
}

TEST_F(Encabezado, UnaFechaImposibleTerminaLaLlamadaSinEscribir) {
  EXPECT_THROW(Agrega(TextoEncabezado({{9, "2024-02-30"}})), ErrorFecha);
  EXPECT_EQ(Cuenta("admDocumentos"), 0u);
}

TEST_F(Encabezado, TokenRechazadoYSistemasSinEncabezadoDevuelvenCero) {
  EXPECT_EQ(m_.AgregaEncabezado("999999999" + std::string("2") + kBase, 0, TextoEncabezado()), 0);
  EXPECT_EQ(m_.AgregaEncabezadoValidaDuplicado("9999999992" + std::string(kBase), 0, TextoEncabezado(), true), 0);
  for (int tipo : {3, 5, 1}) EXPECT_EQ(m_.AgregaEncabezado(TokenDe(tipo, kBase), 0, TextoEncabezado()), 0) << tipo;
  EXPECT_NE(LeeDatoRegestry("Ultimo error ").find("AdminPAQ"), std::string::npos);  // the log says why
  EXPECT_EQ(Cuenta("admDocumentos"), 0u);
}

TEST_F(Encabezado, ElDuplicadoDevuelveElDocumentoExistente) {
  const std::int32_t primero = Agrega(TextoEncabezado());
  ASSERT_EQ(primero, 1);
  EXPECT_EQ(Agrega(TextoEncabezado(), true), primero);
  EXPECT_EQ(Cuenta("admDocumentos"), 1u);
  // Another folio, series, date or concept is another document.
  const std::map<int, std::string> otros[] = {{{2, "8"}}, {{1, "B"}}, {{3, "2024-03-16"}}, {{0, "999"}}};
  for (const auto& otro : otros) EXPECT_GT(Agrega(TextoEncabezado(otro), true), primero);
  // Without the check, the same header is written again.
  EXPECT_GT(Agrega(TextoEncabezado()), primero);
  EXPECT_EQ(Cuenta("admDocumentos"), 6u);
}

TEST_F(Encabezado, LosConceptosDelSdkNoSeEscribenSinLaLibreria) {
  for (const char* errorSdk : {"", "F", "t"}) {
    GuardaDatoRegestry("ErrorSDK", errorSdk);
    EXPECT_EQ(Agrega(TextoEncabezado({{0, "20"}})), 0) << errorSdk;
  }
  EXPECT_NE(LeeDatoRegestry("Ultimo error ").find("SDK"), std::string::npos);
  EXPECT_EQ(Cuenta("admDocumentos"), 0u);
}

TEST_F(Encabezado, LaFacturaElectronicaLlevaSuFolioDigital) {
  GuardaDatoRegestry("ErrorSDK", "T");
  Ejecuta(kBase, "insert into admFoliosDigitales (CIDFOLDIG, CIDDOCTO) values (5, 99);");
  const std::int32_t id = Agrega(TextoEncabezado({{0, "20"}, {59, ""}}));
  ASSERT_EQ(id, 1);
  EXPECT_EQ(Documento(id)["CESCFD"], "1");
  auto folios = Consulta("select * from admFoliosDigitales where CIDDOCTO = 1");
  ASSERT_EQ(folios.size(), 1u);
  Registro f = folios[0];
  const std::time_t ahora = std::time(nullptr);
  std::tm local{};
  localtime_r(&ahora, &local);
  char hoy[32];
  std::strftime(hoy, sizeof hoy, "%Y-%m-%d 00:00:00.000", &local);
  const Registro esperado{
      {"CIDFOLDIG", "6"},
      {"CTOTAL", "116.58"},
      {"CESTADO", "1"},
      {"CESTRAD", "3"},
      {"CIDDOCTODE", "4"},
      {"CIDCPTODOC", "20"},
      {"CFOLIO", "7.0"},
      {"CSERIE", "A"},
      {"CRFC", "CDO120101AB1"},
      {"CFECHAEMI", hoy},
      {"CFECAPROB", "1899-12-30 00:00:00.000"},
      {"CFINVIG", "1899-12-30 00:00:00.000"},
      {"CCODCONCBA", "G03"},  // the customer's
      {"CUUID", ""},
      {"CENTREGADO", "0"},
  };
  for (const auto& [columna, valor] : esperado) EXPECT_EQ(f[columna], valor) << columna;

  const std::int32_t otro = Agrega(TextoEncabezado({{0, "20"}, {59, "P01"}}));
  ASSERT_EQ(otro, 2);
  EXPECT_EQ(Consulta("select * from admFoliosDigitales where CIDDOCTO = 2").at(0)["CCODCONCBA"], "P01");
}

TEST_F(Encabezado, SiFallaElFolioDigitalElDocumentoQueda) {
  GuardaDatoRegestry("ErrorSDK", "T");
  Ejecuta(kBase, R"sql(create trigger rechaza before insert on admFoliosDigitales
                       begin select raise(abort, 'folio rechazado'); end;)sql");
  const std::int32_t id = Agrega(TextoEncabezado({{0, "20"}}));
  EXPECT_EQ(id, 1);
  EXPECT_EQ(Cuenta("admDocumentos"), 1u);
  EXPECT_EQ(Cuenta("admFoliosDigitales"), 0u);
}

TEST_F(Encabezado, SiFallaElDocumentoNoQuedaNada) {
  Ejecuta(kBase, R"sql(create trigger rechaza before insert on admDocumentos when new.CRAZONSOCIAL = 'Falla'
                       begin select raise(abort, 'documento rechazado'); end;)sql");
  EXPECT_EQ(Agrega(TextoEncabezado({{6, "Falla"}})), 0);
  EXPECT_EQ(Cuenta("admDocumentos"), 0u);
  // The connection is usable afterwards: no transaction was left open.
  EXPECT_EQ(Agrega(TextoEncabezado()), 1);
}

TEST_F(Encabezado, SesionesConcurrentesObtienenIdsDistintosSinPerderFilas) {
  GuardaDatoRegestry("ErrorSDK", "T");  // electronic invoices: two keys per header
  constexpr int kHilos = 16;
  constexpr int kPorHilo = 8;
  std::vector<std::vector<std::int32_t>> ids(kHilos);
  std::vector<std::thread> hilos;
  for (int h = 0; h < kHilos; ++h) {
    hilos.emplace_back([&, h] {
      TServerMethodsSync metodos;
      for (int i = 0; i < kPorHilo; ++i) {
        std::int32_t id = -1;  // an exception (status 500 for the caller)
        try {
          id = metodos.AgregaEncabezado(TokenDe(2, kBase), 0,
                                        TextoEncabezado({{0, "20"}, {2, std::to_string(h * 100 + i)}}));
        } catch (const std::exception& e) {
          ADD_FAILURE() << e.what();
        }
        ids[static_cast<std::size_t>(h)].push_back(id);
      }
    });
  }
  for (auto& hilo : hilos) hilo.join();
  std::set<std::int32_t> distintos;
  for (const auto& delHilo : ids)
    for (std::int32_t id : delHilo) {
      EXPECT_GT(id, 0);
      distintos.insert(id);
    }
  constexpr std::size_t kTotal = kHilos * kPorHilo;
  EXPECT_EQ(distintos.size(), kTotal);
  EXPECT_EQ(Cuenta("admDocumentos"), kTotal);
  // Every document has its own folio row, and each returned id is the row
  // written with that thread's folio.
  EXPECT_EQ(Consulta("select distinct CIDDOCTO from admFoliosDigitales").size(), kTotal);
  for (int h = 0; h < kHilos; ++h)
    for (int i = 0; i < kPorHilo; ++i)
      EXPECT_EQ(Documento(ids[static_cast<std::size_t>(h)][static_cast<std::size_t>(i)])["CFOLIO"],
                std::to_string(h * 100 + i) + ".0");
}

TEST_F(Encabezado, ElMismoEncabezadoConcurrenteConValidacionSeEscribeUnaVez) {
  constexpr int kHilos = 16;
  std::vector<std::int32_t> ids(kHilos, -1);
  std::vector<std::thread> hilos;
  for (int h = 0; h < kHilos; ++h) {
    hilos.emplace_back([&, h] {
      TServerMethodsSync metodos;
      try {
        ids[static_cast<std::size_t>(h)] =
            metodos.AgregaEncabezadoValidaDuplicado(TokenDe(2, kBase), 0, TextoEncabezado(), true);
      } catch (const std::exception& e) {
        ADD_FAILURE() << e.what();
      }
    });
  }
  for (auto& hilo : hilos) hilo.join();
  EXPECT_EQ(std::set<std::int32_t>(ids.begin(), ids.end()), std::set<std::int32_t>{1});
  EXPECT_EQ(Cuenta("admDocumentos"), 1u);
}

}  // namespace
}  // namespace quorvex
