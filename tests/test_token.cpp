#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

#include "core/Token.h"

namespace quorvex {
namespace {

struct CasoTexto {
  std::string texto;
  std::string acceso;
  int tipo;
  std::string empresa;
};

// Readable test names, stable from build to build.
void PrintTo(const CasoTexto& c, std::ostream* os) { *os << '"' << c.texto << '"'; }

class LecturaTextoToken : public ::testing::TestWithParam<CasoTexto> {};

TEST_P(LecturaTextoToken, SeparaAccesoTipoYEmpresa) {
  const auto& c = GetParam();
  TextoToken t = LeeTextoToken(c.texto);
  EXPECT_EQ(t.acceso, c.acceso);
  EXPECT_EQ(t.tipoSistema, c.tipo);
  EXPECT_EQ(t.empresa, c.empresa);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LecturaTextoToken,
    ::testing::Values(CasoTexto{"1234567892adDemo", "123456789", 2, "adDemo"},
                      CasoTexto{"1234567891  apDemo  ", "123456789", 1, "apDemo"},
                      CasoTexto{"123456789XadDemo", "123456789", 2, "adDemo"},  // not a digit: type 2
                      CasoTexto{"123456789", "123456789", 2, ""},              // shorter than 10
                      CasoTexto{"12345", "12345", 2, ""},
                      CasoTexto{"1234567895proDemo001", "123456789", 5, "proDemo"},
                      CasoTexto{"1234567895proDemo000", "123456789", 5, "proDemo000"},  // 000 is not > 0
                      CasoTexto{"1234567895proDemoabc", "123456789", 5, "proDemoabc"},
                      CasoTexto{"1234567892proDemo001", "123456789", 2, "proDemo001"},  // only type 5 shortens
                      CasoTexto{"1234567890adDemo", "123456789", 0, "adDemo"}));

TEST(TextoToken, EmpresaSeCortaTrasLaPosicion110) {
  const std::string empresa(120, 'e');
  TextoToken t = LeeTextoToken("1234567892" + empresa);
  EXPECT_EQ(t.empresa, std::string(100, 'e'));
}

TEST(TokenAcceso, UnSorteoCortoSeRellenaConNueves) {
  EXPECT_EQ(TokenAcceso::DeNumero(1234), "123499999");
  EXPECT_EQ(TokenAcceso::DeNumero(0), "099999999");
  EXPECT_EQ(TokenAcceso::DeNumero(987654321), "987654321");
}

TEST(TokenAcceso, LaRotacionAceptaElActualYElAnteriorHastaLaSiguiente) {
  TokenAcceso tokens;
  tokens.Rota();
  const std::string primero = tokens.token1();
  ASSERT_EQ(primero.size(), 9u);
  EXPECT_FALSE(tokens.Token2().empty()) << "the first rotation draws a previous token too";

  tokens.Rota();
  const std::string segundo = tokens.token1();
  EXPECT_EQ(tokens.Token2(), primero);
  EXPECT_TRUE(tokens.Acepta(primero));
  EXPECT_TRUE(tokens.Acepta(segundo));

  tokens.Rota();
  if (tokens.token1() != primero) {
    EXPECT_FALSE(tokens.Acepta(primero)) << "two rotations back is rejected";
  }
  EXPECT_TRUE(tokens.Acepta(segundo));
}

TEST(TokenAcceso, SinTokenNadaSeAcepta) {
  TokenAcceso tokens;
  EXPECT_FALSE(tokens.Acepta(""));
  EXPECT_FALSE(tokens.Acepta("123456789"));
}

TEST(TokenAcceso, LosTokensSonNueveDigitosYVarian) {
  TokenAcceso tokens;
  std::set<std::string> vistos;
  for (int i = 0; i < 50; ++i) {
    tokens.Rota();
    const std::string t = tokens.token1();
    ASSERT_EQ(t.size(), 9u);
    EXPECT_EQ(t.find_first_not_of("0123456789"), std::string::npos) << t;
    vistos.insert(t);
  }
  EXPECT_GT(vistos.size(), 45u);
}

}  // namespace
}  // namespace quorvex
