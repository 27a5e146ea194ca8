#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "DirectorioTemporal.h"
#include "core/Bitacora.h"
#include "core/Programa.h"
#include "core/Registro.h"

namespace quorvex {
namespace {

using pruebas::ConDirectorioTemporal;
using Datos = std::vector<std::pair<std::string, std::string>>;

class Registro : public ConDirectorioTemporal {};

TEST_F(Registro, GuardaYLeeCadaValorBajoSuNombreExacto) {
  const Datos datos = {
      {"Ultimo error ", "con blanco final"},
      {"Ultimo error", "sin blanco final"},
      {"Puerto", "8443"},
      {"PasswordDB", "ikfmbnhcpa"},
      {"DirectorioSistemaComercial adDemo", "C:\\Compac\\Comercial"},
      {"Comillas", "say \"hi\" and 'bye'"},
      {"Acentos", "Configuración año"},
      {"Vacio", ""},
      {"Largo", std::string(10000, 'x')},
  };
  for (const auto& [nombre, valor] : datos) GuardaDatoRegestry(nombre, valor);
  for (const auto& [nombre, valor] : datos) EXPECT_EQ(LeeDatoRegestry(nombre), valor) << nombre;

  GuardaDatoRegestry("Puerto", "9000");
  EXPECT_EQ(LeeDatoRegestry("Puerto"), "9000");
  EXPECT_EQ(LeeDatoRegestry("Ultimo error "), "con blanco final");
}

TEST_F(Registro, ValorAusenteSeLeeVacio) {
  EXPECT_EQ(LeeDatoRegestry("NoExiste"), "");
  GuardaDatoRegestry("Ultimo error ", "x");
  EXPECT_EQ(LeeDatoRegestry("Ultimo error  "), "");
  EXPECT_EQ(LeeDatoRegestry("ultimo error "), "");
}

TEST_F(Registro, VariosValoresDeUnaVezEnElOrdenPedido) {
  GuardaDatoRegestry("Provider", "SQLite");
  GuardaDatoRegestry("ServidorDB", "/datos");
  EXPECT_EQ(LeeDatosRegestry({"ServidorDB", "Falta", "Provider"}), (std::vector<std::string>{"/datos", "", "SQLite"}));
  GuardaDatoRegestry("Provider", "Otro");
  EXPECT_EQ(LeeDatosRegestry({"Provider"}), std::vector<std::string>{"Otro"}) << "read afresh each time";
}

TEST_F(Registro, ListaTodoOrdenadoPorNombre) {
  const Datos datos = {{"b", "2"}, {"Z", "26"}, {"a ", "1b"}, {"a", "1"}, {"C", "3"}};
  for (const auto& [nombre, valor] : datos) GuardaDatoRegestry(nombre, valor);
  Datos esperado = datos;
  std::sort(esperado.begin(), esperado.end());
  EXPECT_EQ(ListaDatosRegestry(), esperado);
}

// The administrator's tool writes the file directly; the next read must see it
// although this thread already has the store open.
TEST_F(Registro, LeeElCambioHechoPorOtraConexion) {
  GuardaDatoRegestry("Congelado", "S");
  ASSERT_EQ(LeeDatoRegestry("Congelado"), "S");

  sqlite3* otra = nullptr;
  const auto archivo = DirectorioPrograma() / kArchivoConfiguracion;
  ASSERT_EQ(sqlite3_open(archivo.c_str(), &otra), SQLITE_OK);
  sqlite3_busy_timeout(otra, 5000);
  EXPECT_EQ(sqlite3_exec(otra,
                         "UPDATE configuracion SET value = 'N' WHERE name = 'Congelado';"
                         "INSERT INTO configuracion (name, value) VALUES ('ErrorSDK', 'T');",
                         nullptr, nullptr, nullptr),
            SQLITE_OK)
      << sqlite3_errmsg(otra);
  sqlite3_close(otra);

  EXPECT_EQ(LeeDatoRegestry("Congelado"), "N");
  EXPECT_EQ(LeeDatoRegestry("ErrorSDK"), "T");
}

TEST_F(Registro, OtroHiloVeLoQueEsteEscribe) {
  GuardaDatoRegestry("Congelado", "S");
  std::string visto;
  std::thread([&] { visto = LeeDatoRegestry("Congelado"); }).join();
  EXPECT_EQ(visto, "S");

  std::thread([] { GuardaDatoRegestry("Congelado", "N"); }).join();
  EXPECT_EQ(LeeDatoRegestry("Congelado"), "N");
}

std::string NombreDe(int hilo, int valor) {
  std::string nombre = "h";
  nombre += std::to_string(hilo);
  nombre += 'v';
  nombre += std::to_string(valor);
  return nombre;
}

std::string ValorDe(int hilo, int valor) { return NombreDe(hilo, valor) + "=" + std::to_string(hilo * valor); }

TEST_F(Registro, EscritoresConcurrentesNoPierdenValores) {
  constexpr int kHilos = 8;
  constexpr int kValores = 50;
  std::vector<std::thread> hilos;
  std::vector<int> fallos(kHilos, 0);
  for (int h = 0; h < kHilos; ++h) {
    hilos.emplace_back([h, &fallos] {
      for (int v = 0; v < kValores; ++v) {
        GuardaDatoRegestry(NombreDe(h, v), ValorDe(h, v));
        GuardaDatoRegestry("Compartido", NombreDe(h, v));
        if (LeeDatoRegestry(NombreDe(h, v)) != ValorDe(h, v)) ++fallos[h];
      }
    });
  }
  for (auto& hilo : hilos) hilo.join();

  EXPECT_EQ(fallos, std::vector<int>(kHilos, 0));
  EXPECT_EQ(ListaDatosRegestry().size(), static_cast<std::size_t>(kHilos * kValores + 1));
  for (int h = 0; h < kHilos; ++h) {
    for (int v = 0; v < kValores; ++v) EXPECT_EQ(LeeDatoRegestry(NombreDe(h, v)), ValorDe(h, v));
  }
  // The last of the racing writes names one of the values written.
  EXPECT_NE(LeeDatoRegestry(LeeDatoRegestry("Compartido")), "");
}

TEST_F(Registro, SinDirectorioUsableFallaConErrorRegistro) {
  FijaDirectorioPrograma(directorio_.Ruta() / "no" / "existe");
  EXPECT_THROW(LeeDatoRegestry("Puerto"), ErrorRegistro);
  EXPECT_THROW(GuardaDatoRegestry("Puerto", "1"), ErrorRegistro);
  EXPECT_THROW(ListaDatosRegestry(), ErrorRegistro);

  FijaDirectorioPrograma(directorio_.Ruta());
  GuardaDatoRegestry("Puerto", "1");
  EXPECT_EQ(LeeDatoRegestry("Puerto"), "1");
}

class LecturaConPregunta : public ConDirectorioTemporal {
 protected:
  ~LecturaConPregunta() override { FijaManejadorPregunta(nullptr); }

  // Installs a handler that records what it was asked and answers respuesta.
  void Responde(std::optional<std::string> respuesta) {
    FijaManejadorPregunta([this, respuesta](const std::string& nombre) {
      preguntas_.push_back(nombre);
      return respuesta;
    });
  }

  std::string TextoBitacora() const {
    std::ifstream archivo(DirectorioPrograma() / NombreArchivoBitacora(std::chrono::system_clock::now()));
    return {std::istreambuf_iterator<char>(archivo), {}};
  }

  std::vector<std::string> preguntas_;
};

TEST_F(LecturaConPregunta, GuardaLaRespuestaPeroDevuelveElValorVacio) {
  Responde("C:\\Timbrado");
  EXPECT_EQ(LeeDatoRegestry("OrigenCFDI adDemo", true), "");
  EXPECT_EQ(preguntas_, std::vector<std::string>{"OrigenCFDI adDemo"});
  EXPECT_EQ(LeeDatoRegestry("OrigenCFDI adDemo", true), "C:\\Timbrado");
  EXPECT_EQ(preguntas_.size(), 1u) << "a value that is there is not asked for";
}

TEST_F(LecturaConPregunta, SinPideDatoNoPregunta) {
  Responde("x");
  EXPECT_EQ(LeeDatoRegestry("OrigenCFDI adDemo"), "");
  EXPECT_TRUE(preguntas_.empty());
  EXPECT_EQ(LeeDatoRegestry("OrigenCFDI adDemo"), "");
}

TEST_F(LecturaConPregunta, RespuestaVaciaNoGuardaNada) {
  for (const auto& respuesta : {std::optional<std::string>{}, std::optional<std::string>{""}}) {
    Responde(respuesta);
    EXPECT_EQ(LeeDatoRegestry("PrefijoCFDI adDemo", true), "");
  }
  EXPECT_EQ(preguntas_.size(), 2u);
  EXPECT_TRUE(ListaDatosRegestry().empty());
}

TEST_F(LecturaConPregunta, SinManejadorEscribeEnLaBitacora) {
  FijaManejadorPregunta(nullptr);
  EXPECT_EQ(LeeDatoRegestry("PassCertificado adDemo", true), "");
  EXPECT_NE(TextoBitacora().find("Falta el valor de configuración \"PassCertificado adDemo\"\n"), std::string::npos)
      << TextoBitacora();
  EXPECT_EQ(LeeDatoRegestry("PassCertificado adDemo"), "");
}

}  // namespace
}  // namespace quorvex
