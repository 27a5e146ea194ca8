// The service binary as an operator runs it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "core/Registro.h"
#include "hosting/Certificado.h"
#include "tests/ClienteHttpsPrueba.h"
#include "tests/DirectorioTemporal.h"

namespace quorvex {
namespace {

struct Salida {
  int estado;
  std::string texto;  // stdout and stderr together
};

Salida Ejecuta(const std::string& argumentos) {
  const std::string orden = std::string(QUORVEX_BINARY) + " " + argumentos + " 2>&1";
  FILE* tubo = popen(orden.c_str(), "r");
  Salida salida{-1, {}};
  std::array<char, 4096> bloque{};
  while (std::size_t n = fread(bloque.data(), 1, bloque.size(), tubo)) salida.texto.append(bloque.data(), n);
  salida.estado = WEXITSTATUS(pclose(tubo));
  return salida;
}

class Servicio : public pruebas::ConDirectorioTemporal {
 protected:
  std::string Home() const { return "--home '" + directorio_.Ruta().string() + "' "; }
};

TEST_F(Servicio, ConfigGuardaLeeYListaValores) {
  EXPECT_EQ(Ejecuta(Home() + "config set Puerto 9443").estado, 0);
  EXPECT_EQ(Ejecuta(Home() + "config set 'Ultimo error ' 'x y'").estado, 0);
  EXPECT_EQ(Ejecuta(Home() + "config get Puerto").texto, "9443\n");
  EXPECT_EQ(Ejecuta(Home() + "config get NoExiste").texto, "\n");
  EXPECT_EQ(Ejecuta(Home() + "config list").texto, "Puerto=9443\nUltimo error =x y\n");
  EXPECT_EQ(LeeDatoRegestry("Puerto"), "9443") << "the binary and the library share the store";
}

TEST_F(Servicio, LosSecretosSeGuardanCifrados) {
  ASSERT_EQ(Ejecuta(Home() + "config set-secret PasswordDB 'Contraseña 1'").estado, 0);
  const std::string guardado = LeeDatoRegestry("PasswordDB");
  EXPECT_EQ(guardado.find_first_not_of("abcdefghijklmnop"), std::string::npos);
  EXPECT_NE(guardado.find("Contra"), 0u);
  EXPECT_EQ(Ejecuta(Home() + "config get-secret PasswordDB").texto, "Contraseña 1\n");
}

TEST_F(Servicio, UsoIncorrectoTerminaConError) {
  for (const char* mal : {"config", "config set Puerto", "config borra x", "otra-cosa"})
    EXPECT_NE(Ejecuta(Home() + mal).estado, 0) << mal;
}

TEST_F(Servicio, DemoPreparaUnaInstalacionCompletaSinPisarElPuerto) {
  GuardaDatoRegestry("Puerto", "9443");
  ASSERT_EQ(Ejecuta(Home() + "demo").estado, 0);
  const auto datos = directorio_.Ruta() / "datos";
  for (const char* base : {"adDemo", "apDemo", "sapDemo", "proDemo", "CompacWAdmin", "GeneralesSQL", "nomGenerales"})
    EXPECT_TRUE(std::filesystem::exists(datos / (std::string(base) + ".db"))) << base;
  EXPECT_TRUE(std::filesystem::exists(directorio_.Ruta() / kArchivoCertificado));
  EXPECT_EQ(LeeDatoRegestry("Provider"), "SQLite");
  EXPECT_EQ(LeeDatoRegestry("ServidorDB"), datos.string());
  EXPECT_EQ(LeeDatoRegestry("Puerto"), "9443");

  const auto certificado = std::filesystem::last_write_time(directorio_.Ruta() / kArchivoCertificado);
  EXPECT_EQ(Ejecuta(Home() + "demo").estado, 0) << "a second run keeps what is there";
  EXPECT_EQ(std::filesystem::last_write_time(directorio_.Ruta() / kArchivoCertificado), certificado);
}

TEST_F(Servicio, SinCertificadoNoArrancaYLoDice) {
  const Salida s = Ejecuta(Home());
  EXPECT_NE(s.estado, 0);
  EXPECT_NE(s.texto.find("velmor-app-cert.crt"), std::string::npos) << s.texto;
}

TEST_F(Servicio, SirveHastaSigtermYTerminaLimpio) {
  GeneraCertificadoAutofirmado(directorio_.Ruta());
  boost::asio::io_context io;
  unsigned short puerto = 0;
  {
    boost::asio::ip::tcp::acceptor libre(io, {boost::asio::ip::tcp::v4(), 0});
    puerto = libre.local_endpoint().port();
  }
  GuardaDatoRegestry("Puerto", std::to_string(puerto));

  const pid_t hijo = fork();
  ASSERT_GE(hijo, 0);
  if (hijo == 0) {
    execl(QUORVEX_BINARY, QUORVEX_BINARY, "--home", directorio_.Ruta().c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  std::string cuerpo;
  for (int intento = 0; intento < 100 && cuerpo.empty(); ++intento) {
    try {
      pruebas::ContextoCliente contexto;
      pruebas::ClienteHttps cliente(contexto, puerto);
      cuerpo = cliente.Get("/datasnap/rest/TServerMethodsSync/DameToken").body();
    } catch (const std::exception&) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  }
  EXPECT_EQ(cuerpo.size(), std::string(R"({"result":["123456789"]})").size()) << cuerpo;
  kill(hijo, SIGTERM);
  int estado = 0;
  ASSERT_EQ(waitpid(hijo, &estado, 0), hijo);
  EXPECT_TRUE(WIFEXITED(estado));
  EXPECT_EQ(WEXITSTATUS(estado), 0);
}

}  // namespace
}  // namespace quorvex
