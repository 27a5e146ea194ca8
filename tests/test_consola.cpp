#include <gtest/gtest.h>

#include <boost/asio/ip/tcp.hpp>
#include <chrono>
#include <string>
#include <thread>

#include "core/Registro.h"
#include "core/Token.h"
#include "hosting/Certificado.h"
#include "hosting/FormConsola.h"
#include "tests/ClienteHttpsPrueba.h"
#include "tests/DirectorioTemporal.h"

namespace quorvex {
namespace {

unsigned short PuertoLibre() {
  boost::asio::io_context io;
  boost::asio::ip::tcp::acceptor aceptor(io, {boost::asio::ip::tcp::v4(), 0});
  return aceptor.local_endpoint().port();
}

class Consola : public pruebas::ConDirectorioTemporal {
 protected:
  void SetUp() override {
    GeneraCertificadoAutofirmado(directorio_.Ruta());
    puerto_ = PuertoLibre();
    GuardaDatoRegestry("Puerto", std::to_string(puerto_));
  }
  void TearDown() override { FijaEnganchesToken({}); }

  std::string Token(const std::string& pragma = {}) {
    pruebas::ContextoCliente contexto;
    pruebas::ClienteHttps cliente(contexto, puerto_);
    return cliente.Get("/datasnap/rest/TServerMethodsSync/DameToken", pragma).body();
  }

  unsigned short puerto_ = 0;
};

TEST(PuertoConfigurado, UsaOchentaYUnoSinNumeroValido) {
  pruebas::DirectorioTemporal directorio;
  const std::pair<const char*, unsigned short> casos[] = {
      {"", 8081}, {"abc", 8081}, {"80a", 8081}, {"0", 8081}, {"70000", 8081}, {"9443", 9443}};
  for (const auto& [valor, esperado] : casos) {
    GuardaDatoRegestry("Puerto", valor);
    EXPECT_EQ(PuertoConfigurado(), esperado) << valor;
  }
}

TEST_F(Consola, ElServicioSirveAlCrearseYSeDetieneYReanuda) {
  TFormConsola1 consola(/*gServicio=*/true);
  ASSERT_TRUE(consola.Activo());
  EXPECT_EQ(consola.gPuerto(), puerto_);
  EXPECT_NE(Token().find(TokenAcceso::Global().token1()), std::string::npos);

  consola.Stop1Click();
  EXPECT_FALSE(consola.Activo());
  pruebas::ContextoCliente contexto;
  EXPECT_ANY_THROW(pruebas::ClienteHttps(contexto, puerto_));

  consola.StartServer();
  EXPECT_TRUE(consola.Activo());
  EXPECT_NE(Token().find(TokenAcceso::Global().token1()), std::string::npos);
}

TEST_F(Consola, ElEscritorioEmpiezaInactivo) {
  TFormConsola1 consola(/*gServicio=*/false);
  EXPECT_FALSE(consola.Activo());
  EXPECT_EQ(TokenAcceso::Global().token1().size(), 9u) << "the first token exists from creation";
}

TEST_F(Consola, UnPuertoOcupadoImpideIniciar) {
  boost::asio::io_context io;
  boost::asio::ip::tcp::acceptor ocupante(io, {boost::asio::ip::tcp::v4(), puerto_});
  TFormConsola1 consola(/*gServicio=*/false);
  EXPECT_THROW(consola.StartServer(), std::runtime_error);
  EXPECT_FALSE(consola.Activo());
}

TEST_F(Consola, ElTemporizadorRotaElTokenYRegistraCadaToken) {
  std::mutex mutex;
  std::vector<std::string> registrados;
  FijaEnganchesToken({.registra = [&](const std::string& t) {
                        std::lock_guard lock(mutex);
                        registrados.push_back(t);
                      },
                      .mantenSDK = {}});
  TFormConsola1 consola(/*gServicio=*/true, {.intervaloToken = std::chrono::milliseconds(50), .servidor = {}});
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  for (;;) {
    {
      std::lock_guard lock(mutex);
      if (registrados.size() >= 4) break;
    }
    ASSERT_LT(std::chrono::steady_clock::now(), limite) << "the timer did not rotate";
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::lock_guard lock(mutex);
  for (std::size_t i = 1; i < registrados.size(); ++i) EXPECT_EQ(registrados[i].size(), 9u);
  EXPECT_NE(registrados.front(), registrados.back());
}

}  // namespace
}  // namespace quorvex
