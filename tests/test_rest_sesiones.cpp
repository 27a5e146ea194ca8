#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <set>
#include <string>

#include "hosting/SesionesRest.h"

namespace quorvex {
namespace {

using namespace std::chrono_literals;

// Sessions on a clock the test moves by hand.
class Sesiones : public ::testing::Test {
 protected:
  std::chrono::steady_clock::time_point ahora_{};
  SesionesRest sesiones_{1000ms, [this] { return ahora_; }};
};

TEST_F(Sesiones, UnaSesionSeEncuentraPorSuIdentificador) {
  auto a = sesiones_.Nueva();
  auto b = sesiones_.Nueva();
  EXPECT_NE(a->Id(), b->Id());
  EXPECT_EQ(sesiones_.Busca(a->Id()), a);
  EXPECT_EQ(sesiones_.Busca(b->Id()), b);
  EXPECT_EQ(sesiones_.Busca("123.456.789"), nullptr);
  EXPECT_EQ(sesiones_.Busca(""), nullptr);
}

TEST_F(Sesiones, CaducaTrasElTiempoSinUsoYNoAntes) {
  auto s = sesiones_.Nueva();
  ahora_ += 999ms;
  EXPECT_EQ(sesiones_.Busca(s->Id()), s);  // use restarts the idle time
  ahora_ += 999ms;
  sesiones_.Renueva(*s);
  ahora_ += 999ms;
  EXPECT_EQ(sesiones_.Busca(s->Id()), s);
  ahora_ += 1000ms;
  EXPECT_EQ(sesiones_.Busca(s->Id()), nullptr);
  ahora_ -= 1000ms;  // an expired session stays ended
  EXPECT_EQ(sesiones_.Busca(s->Id()), nullptr);
}

TEST_F(Sesiones, LaDepuracionTerminaSoloLasCaducadas) {
  auto vieja = sesiones_.Nueva();
  ahora_ += 600ms;
  auto nueva = sesiones_.Nueva();
  ahora_ += 600ms;
  sesiones_.Depura();
  EXPECT_EQ(sesiones_.Cantidad(), 1u);
  EXPECT_EQ(sesiones_.Busca(nueva->Id()), nueva);
  EXPECT_EQ(sesiones_.Busca(vieja->Id()), nullptr);
}

TEST_F(Sesiones, TerminarTodasDejaSinSesiones) {
  auto s = sesiones_.Nueva();
  sesiones_.Nueva();
  sesiones_.TerminaTodas();
  EXPECT_EQ(sesiones_.Cantidad(), 0u);
  EXPECT_EQ(sesiones_.Busca(s->Id()), nullptr);
}

TEST_F(Sesiones, LosIdentificadoresNoSeRepitenYCabenEnElPragma) {
  std::set<std::string> ids;
  for (int i = 0; i < 2000; ++i) {
    const std::string id = sesiones_.Nueva()->Id();
    EXPECT_EQ(id.find_first_of(", ;="), std::string::npos) << id;
    ids.insert(id);
  }
  EXPECT_EQ(ids.size(), 2000u);
}

TEST(Pragma, EncuentraLaSesionEntreLosElementos) {
  EXPECT_EQ(SesionDePragma("dssession=1.2.3"), "1.2.3");
  EXPECT_EQ(SesionDePragma("dssession=1.2.3,dssessionexpires=1200000"), "1.2.3");
  EXPECT_EQ(SesionDePragma("no-cache, dssession=77 "), "77");
  EXPECT_EQ(SesionDePragma("dssessionexpires=5,dssession=9"), "9");
  EXPECT_EQ(SesionDePragma("dssession="), "");
  EXPECT_EQ(SesionDePragma("dssessionexpires=5"), std::nullopt);
  EXPECT_EQ(SesionDePragma("no-cache"), std::nullopt);
  EXPECT_EQ(SesionDePragma(""), std::nullopt);
}

TEST(Pragma, LaRespuestaLlevaIdentificadorYCaducidad) {
  EXPECT_EQ(PragmaDeSesion("1.2.3", std::chrono::minutes(20)), "dssession=1.2.3,dssessionexpires=1200000");
}

}  // namespace
}  // namespace quorvex
