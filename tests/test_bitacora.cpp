#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "DirectorioTemporal.h"
#include "core/Bitacora.h"
#include "core/Programa.h"
#include "core/Registro.h"

namespace quorvex {
namespace {

using Reloj = std::chrono::system_clock;

// A local date and time; mktime also normalises days out of range.
Reloj::time_point MomentoLocal(int anio, int mes, int dia, int hora = 12, int minuto = 0, int segundo = 0) {
  std::tm local{};
  local.tm_year = anio - 1900;
  local.tm_mon = mes - 1;
  local.tm_mday = dia;
  local.tm_hour = hora;
  local.tm_min = minuto;
  local.tm_sec = segundo;
  local.tm_isdst = -1;
  return Reloj::from_time_t(std::mktime(&local));
}

std::vector<std::string> Lineas(const std::filesystem::path& archivo) {
  std::ifstream entrada(archivo);
  std::vector<std::string> lineas;
  for (std::string linea; std::getline(entrada, linea);) lineas.push_back(linea);
  return lineas;
}

class Bitacora : public pruebas::ConDirectorioTemporal {
 protected:
  Bitacora() { ActualziaRemoteIP("10.0.0.7"); }

  std::filesystem::path Archivo(const std::string& nombre) const { return directorio_.Ruta() / nombre; }
};

TEST(NombreArchivoBitacora, EsElDiaLocal) {
  EXPECT_EQ(NombreArchivoBitacora(MomentoLocal(2024, 1, 31, 0, 0, 0)), "BitacoraSync20240131.txt");
  EXPECT_EQ(NombreArchivoBitacora(MomentoLocal(2024, 1, 31, 23, 59, 59)), "BitacoraSync20240131.txt");
  EXPECT_EQ(NombreArchivoBitacora(MomentoLocal(2024, 2, 1, 0, 0, 0)), "BitacoraSync20240201.txt");
  EXPECT_EQ(NombreArchivoBitacora(MomentoLocal(1999, 12, 9)), "BitacoraSync19991209.txt");
}

TEST_F(Bitacora, LineaConFechaHoraDireccionYTexto) {
  detalle::Bitacora("Error de conexión: login failed", MomentoLocal(2024, 3, 2, 9, 5, 7));
  ActualziaRemoteIP("");  // empty: the address stays
  detalle::Bitacora("segunda", MomentoLocal(2024, 3, 2, 23, 59, 59));
  ActualziaRemoteIP("192.168.1.20");
  detalle::Bitacora("tercera", MomentoLocal(2024, 3, 2, 23, 59, 59));

  EXPECT_EQ(Lineas(Archivo("BitacoraSync20240302.txt")),
            (std::vector<std::string>{"2024-03-02 09:05:07 10.0.0.7 Error de conexión: login failed",
                                      "2024-03-02 23:59:59 10.0.0.7 segunda",
                                      "2024-03-02 23:59:59 192.168.1.20 tercera"}));
}

// Today is 2 March 2024: the days before it cross the leap day.
TEST_F(Bitacora, BorraSoloLosArchivosDeTresCuatroYCincoDiasAtras) {
  struct Viejo {
    int dias;
    std::string nombre;
    bool quedaTrasLaSegundaLinea;
  };
  const std::vector<Viejo> viejos = {
      {1, "BitacoraSync20240301.txt", true},  {2, "BitacoraSync20240229.txt", true},
      {3, "BitacoraSync20240228.txt", false}, {4, "BitacoraSync20240227.txt", false},
      {5, "BitacoraSync20240226.txt", false}, {6, "BitacoraSync20240225.txt", true},
      {7, "BitacoraSync20240224.txt", true},
  };
  for (const auto& viejo : viejos) std::ofstream(Archivo(viejo.nombre)) << "viejo\n";
  const auto hoy = Archivo("BitacoraSync20240302.txt");

  detalle::Bitacora("primera", MomentoLocal(2024, 3, 2, 0, 0, 1));
  EXPECT_EQ(Lineas(hoy).size(), 1u);
  for (const auto& viejo : viejos) {
    EXPECT_TRUE(std::filesystem::exists(Archivo(viejo.nombre))) << "first line of the day: " << viejo.nombre;
  }

  detalle::Bitacora("segunda", MomentoLocal(2024, 3, 2, 18));
  EXPECT_EQ(Lineas(hoy).size(), 2u);
  for (const auto& viejo : viejos) {
    EXPECT_EQ(std::filesystem::exists(Archivo(viejo.nombre)), viejo.quedaTrasLaSegundaLinea)
        << viejo.dias << " days ago: " << viejo.nombre;
  }
}

TEST_F(Bitacora, UltimoErrorGuardaLaUltimaLinea) {
  quorvex::Bitacora("uno");
  quorvex::Bitacora("dos");
  const auto lineas = Lineas(Archivo(NombreArchivoBitacora(Reloj::now())));
  ASSERT_FALSE(lineas.empty());
  const std::string ultimo = LeeDatoRegestry("Ultimo error ");
  ASSERT_TRUE(std::regex_match(ultimo, std::regex(R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2} 10\.0\.0\.7 dos)"))) << ultimo;
  // The date-time is taken afresh; the rest is the file's last line.
  EXPECT_EQ(ultimo.substr(19), lineas.back().substr(19));
  EXPECT_EQ(LeeDatoRegestry("Ultimo error"), "");
}

TEST_F(Bitacora, TrazaSoloCuandoEstaActiva) {
  const auto archivo = Archivo(NombreArchivoBitacora(Reloj::now()));
  FijaBitacoraMActiva(false);
  BitacoraM("apagada");
  EXPECT_FALSE(std::filesystem::exists(archivo));

  FijaBitacoraMActiva(true);
  BitacoraM("encendida");
  FijaBitacoraMActiva(false);
  const auto lineas = Lineas(archivo);
  ASSERT_EQ(lineas.size(), 1u);
  EXPECT_EQ(lineas[0].substr(19), " 10.0.0.7 encendida");
}

TEST_F(Bitacora, NoLanzaSiNoPuedeEscribir) {
  FijaDirectorioPrograma(directorio_.Ruta() / "no" / "existe");
  EXPECT_NO_THROW(quorvex::Bitacora("se pierde"));
}

// Long lines from threads of this process and of child processes: every line
// must arrive whole, exactly once.
TEST_F(Bitacora, LineasDeVariosHilosYProcesosNoSeMezclan) {
  constexpr int kProcesos = 3;  // this one and two children
  constexpr int kHilos = 4;
  constexpr int kLineas = 40;
  constexpr std::size_t kCuerpo = 6000;  // more than one buffer or page
  const auto ahora = MomentoLocal(2024, 3, 2);

  const auto escribe = [&](int proceso) {
    std::vector<std::thread> hilos;
    for (int h = 0; h < kHilos; ++h) {
      hilos.emplace_back([=] {
        for (int l = 0; l < kLineas; ++l) {
          std::ostringstream clave;
          clave << 'P' << proceso << 'H' << h << 'L' << l;
          detalle::Bitacora(clave.str() + " " + std::string(kCuerpo, static_cast<char>('a' + h)), ahora);
        }
      });
    }
    for (auto& hilo : hilos) hilo.join();
  };

  std::vector<pid_t> hijos;
  for (int p = 1; p < kProcesos; ++p) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      escribe(p);
      _exit(0);
    }
    hijos.push_back(pid);
  }
  escribe(0);
  for (const pid_t pid : hijos) {
    int estado = 0;
    ASSERT_EQ(waitpid(pid, &estado, 0), pid);
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
  }

  const std::string prefijo = "2024-03-02 12:00:00 10.0.0.7 ";
  std::map<std::string, int> vistas;
  for (const auto& linea : Lineas(Archivo("BitacoraSync20240302.txt"))) {
    ASSERT_EQ(linea.compare(0, prefijo.size(), prefijo), 0) << linea.substr(0, 80);
    const auto blanco = linea.find(' ', prefijo.size());
    ASSERT_NE(blanco, std::string::npos);
    const std::string clave = linea.substr(prefijo.size(), blanco - prefijo.size());
    const auto hilo = clave.substr(clave.find('H') + 1, clave.find('L') - clave.find('H') - 1);
    ASSERT_EQ(linea.substr(blanco + 1), std::string(kCuerpo, static_cast<char>('a' + std::stoi(hilo)))) << clave;
    ++vistas[clave];
  }
  EXPECT_EQ(vistas.size(), static_cast<std::size_t>(kProcesos * kHilos * kLineas));
  for (const auto& [clave, veces] : vistas) EXPECT_EQ(veces, 1) << clave;
}

}  // namespace
}  // namespace quorvex
