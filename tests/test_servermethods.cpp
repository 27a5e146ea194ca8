#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <fstream>
#include <future>
#include <string>

#include "core/Programa.h"
#include "core/Registro.h"
#include "core/SyncServermethods.h"
#include "core/Token.h"
#include "core/Version.h"
#include "tests/DirectorioTemporal.h"

namespace quorvex {
namespace {

constexpr const char* kActual = "111111111";
constexpr const char* kAnterior = "222222222";

// An installation on the embedded back end with two empty company databases.
class MetodosServidor : public pruebas::ConDirectorioTemporal {
 protected:
  void SetUp() override {
    TokenAcceso::Global().Fija(kActual, kAnterior);
    datos_ = directorio_.Ruta() / "datos";
    std::filesystem::create_directory(datos_);
    for (const char* empresa : {"adDemo", "otra"}) CreaBase(datos_ / (std::string(empresa) + ".db"));
    GuardaDatoRegestry("Provider", "SQLite");
    GuardaDatoRegestry("ServidorDB", datos_.string());
    GuardaDatoRegestry("RutaEmpresas", "/empresas");
  }
  void TearDown() override { FijaTerminacion(nullptr); }

  static void CreaBase(const std::filesystem::path& archivo) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(archivo.c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "create table t(x)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }

  std::string Bitacora() const {
    std::string todo;
    for (const auto& e : std::filesystem::directory_iterator(directorio_.Ruta())) {
      if (e.path().filename().string().starts_with("BitacoraSync")) {
        std::ifstream f(e.path());
        todo += std::string(std::istreambuf_iterator<char>(f), {});
      }
    }
    return todo;
  }

  std::filesystem::path datos_;
  TServerMethodsSync metodos_;
};

TEST_F(MetodosServidor, UnTokenValidoApuntaLaConexionALaEmpresa) {
  ASSERT_TRUE(metodos_.ValidaToken(std::string(kActual) + "2  adDemo "));
  EXPECT_EQ(metodos_.TipoSistema(), 2);
  EXPECT_EQ(metodos_.NEmpresa(), "adDemo");
  EXPECT_EQ(metodos_.DirectorioEmpresa(), "/empresas/adDemo");
  EXPECT_NE(metodos_.ConexionEmpresa(), nullptr);
  EXPECT_EQ(metodos_.CadenaConexion(),
            "Provider=SQLite;Persist Security Info=True;Password=;User ID=;Initial Catalog= adDemo;Data Source=" +
                datos_.string());
}

TEST_F(MetodosServidor, LaMismaEmpresaReutilizaLaConexionYOtraLaReemplaza) {
  ASSERT_TRUE(metodos_.ValidaToken(std::string(kActual) + "2adDemo"));
  db::Conexion* primera = metodos_.ConexionEmpresa();
  ASSERT_TRUE(metodos_.ValidaToken(std::string(kAnterior) + "2adDemo"));
  EXPECT_EQ(metodos_.ConexionEmpresa(), primera) << "same database: no reconnect";

  ASSERT_TRUE(metodos_.ValidaToken(std::string(kActual) + "2otra"));
  EXPECT_NE(metodos_.ConexionEmpresa(), nullptr);
  EXPECT_EQ(metodos_.DirectorioEmpresa(), "/empresas/otra");
  EXPECT_NE(metodos_.CadenaConexion().find("Initial Catalog= otra;"), std::string::npos);
}

TEST_F(MetodosServidor, UnaEmpresaInexistenteSeRegistraYNoSeCrea) {
  EXPECT_TRUE(metodos_.ValidaToken(std::string(kActual) + "2noexiste")) << "the check itself still passes";
  EXPECT_EQ(metodos_.ConexionEmpresa(), nullptr);
  EXPECT_FALSE(std::filesystem::exists(datos_ / "noexiste.db"));
  EXPECT_NE(Bitacora().find("noexiste"), std::string::npos);
}

TEST_F(MetodosServidor, TipoCeroVaciaLaConexionYRegistraElFallo) {
  ASSERT_TRUE(metodos_.ValidaToken(std::string(kActual) + "2adDemo"));
  EXPECT_TRUE(metodos_.ValidaToken(std::string(kActual) + "0adDemo"));
  EXPECT_EQ(metodos_.ConexionEmpresa(), nullptr);
  EXPECT_EQ(metodos_.CadenaConexion(), "");
  EXPECT_EQ(metodos_.DirectorioEmpresa(), "/empresas/adDemo") << "left unchanged for type 0";
  EXPECT_FALSE(Bitacora().empty());
}

TEST_F(MetodosServidor, TokenValidoSinEmpresaUsaLaEmpresaUno) {
  ASSERT_TRUE(metodos_.ValidaToken(std::string(kActual) + "2"));
  EXPECT_EQ(metodos_.NEmpresa(), "1");
}

TEST_F(MetodosServidor, UnTokenViejoSeRechazaSinTocarLaConexion) {
  EXPECT_FALSE(metodos_.ValidaToken("333333333" + std::string("2adDemo")));
  EXPECT_EQ(metodos_.ConexionEmpresa(), nullptr);
  EXPECT_EQ(metodos_.VersionSync("3333333332adDemo"), 0);
  EXPECT_EQ(metodos_.VersionSync(std::string(kActual) + "2adDemo"), VersionContpaq());
}

TEST_F(MetodosServidor, ValidaIPConCodigosMaestros) {
  EXPECT_EQ(metodos_.ValidaIP("Garnet58", "abc"), kActual);
  EXPECT_EQ(metodos_.ValidaIP("Rq4TmZw8Lc", "abc"), kActual);
  EXPECT_EQ(metodos_.ValidaIP(std::string(kAnterior) + "2adDemo", "abc"), "abc");
  EXPECT_EQ(metodos_.ValidaIP("Garnet58x", "abc"), "");
  EXPECT_EQ(metodos_.ValidaIP("9999999992adDemo", "abc"), "");
}

TEST_F(MetodosServidor, DameTokenGeneraElPrimerToken) {
  TokenAcceso::Global().Fija("", "");
  const std::string token = metodos_.DameToken();
  EXPECT_EQ(token.size(), 9u);
  EXPECT_EQ(TokenAcceso::Global().token1(), token);
  EXPECT_EQ(LeeDatoRegestry("RutaToken"), kRutaTokenFija) << "the service address is stored when empty";
}

TEST_F(MetodosServidor, CongeladoDetieneLaVerificacionHastaQueCambia) {
  GuardaDatoRegestry("Congelado", "S");
  auto verificacion = std::async(std::launch::async, [this] { return metodos_.ValidaToken(std::string(kActual) + "2adDemo"); });
  EXPECT_EQ(verificacion.wait_for(std::chrono::milliseconds(400)), std::future_status::timeout);
  GuardaDatoRegestry("Congelado", "N");
  EXPECT_TRUE(verificacion.get());
}

TEST_F(MetodosServidor, TerminaAplicacionDescongelaYPideTerminarSoloConTokenValido) {
  int solicitudes = 0;
  FijaTerminacion([&] { ++solicitudes; });
  GuardaDatoRegestry("Congelado", "S");
  EXPECT_FALSE(metodos_.TerminaAplicacion("9999999992adDemo"));
  EXPECT_EQ(LeeDatoRegestry("Congelado"), "N") << "reset even when the token is refused";
  EXPECT_EQ(solicitudes, 0);
  EXPECT_TRUE(metodos_.TerminaAplicacion(std::string(kActual) + "2adDemo"));
  EXPECT_EQ(solicitudes, 1);
}

}  // namespace
}  // namespace quorvex
