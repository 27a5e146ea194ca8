// How much the table object adds to reading the rows: runs GetProductos on a
// company database, once stepping through the rows and touching every value,
// once writing the whole table object, and compares the two. Wall time is the
// target; the process's CPU time is shown beside it, as a busy server pays
// that and not the wall time.
//   bench_serializacion DATA_FOLDER COMPANY [REPETITIONS]
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

#include "core/Programa.h"
#include "core/Registro.h"
#include "core/SyncServermethods.h"
#include "core/Token.h"
#include "hosting/TablaJson.h"

using namespace quorvex;
using Reloj = std::chrono::steady_clock;

namespace {

double Segundos(Reloj::duration d) { return std::chrono::duration<double>(d).count(); }

double SegundosCpu() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Reads every value as the writer would; returns the rows.
std::size_t Recorre(db::Cursor& c) {
  std::size_t filas = 0, suma = 0;
  const int columnas = static_cast<int>(c.Columnas().size());
  while (c.Siguiente()) {
    ++filas;
    for (int i = 0; i < columnas; ++i) {
      switch (c.Tipo(i)) {
        case db::TipoDato::Nulo: break;
        case db::TipoDato::Entero: case db::TipoDato::Booleano: suma += static_cast<std::size_t>(c.Entero(i)); break;
        case db::TipoDato::Doble: suma += static_cast<std::size_t>(c.Doble(i) > 0); break;
        default: suma += c.Texto(i).size();
      }
    }
  }
  if (suma == 42) std::puts("");  // keeps the reads from being optimised away
  return filas;
}

std::size_t Escribe(db::Cursor& c) {
  auto cuerpo = CuerpoTabla(c, R"({"result":[)", "]}");
  std::size_t bytes = 0;
  for (auto pieza = cuerpo->Siguiente(); !pieza.empty(); pieza = cuerpo->Siguiente()) bytes += pieza.size();
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "uso: bench_serializacion CARPETA_DATOS EMPRESA [REPETICIONES]\n";
    return 2;
  }
  const int repeticiones = argc > 3 ? std::stoi(argv[3]) : 5;
  const auto home = std::filesystem::temp_directory_path() / ("bench_serializacion_" + std::to_string(getpid()));
  std::filesystem::create_directories(home);
  FijaDirectorioPrograma(home);
  GuardaDatoRegestry("Provider", "SQLite");
  GuardaDatoRegestry("ServidorDB", std::filesystem::absolute(argv[1]).string());
  TokenAcceso::Global().Fija("111111111", "222222222");
  const std::string token = std::string("1111111112") + argv[2];

  TServerMethodsSync metodos;
  double mejorPaso = 1e9, mejorEscritura = 1e9, cpuPaso = 1e9, cpuEscritura = 1e9;
  std::size_t filas = 0, bytes = 0;
  for (int i = 0; i < repeticiones; ++i) {
    auto inicio = Reloj::now();
    double cpu = SegundosCpu();
    filas = Recorre(metodos.GetProductos(token, "", "", "", "")->Filas());
    mejorPaso = std::min(mejorPaso, Segundos(Reloj::now() - inicio));
    cpuPaso = std::min(cpuPaso, SegundosCpu() - cpu);
    inicio = Reloj::now();
    cpu = SegundosCpu();
    bytes = Escribe(metodos.GetProductos(token, "", "", "", "")->Filas());
    mejorEscritura = std::min(mejorEscritura, Segundos(Reloj::now() - inicio));
    cpuEscritura = std::min(cpuEscritura, SegundosCpu() - cpu);
  }
  std::filesystem::remove_all(home);
  std::printf("filas %zu, bytes %zu\n", filas, bytes);
  std::printf("leer las filas      %.3f s  (CPU %.3f s)\n", mejorPaso, cpuPaso);
  std::printf("leer y serializar   %.3f s  (CPU %.3f s, %.0f MB/s)\n", mejorEscritura, cpuEscritura,
              bytes / mejorEscritura / 1e6);
  std::printf("la serialización añade %.0f %% al tiempo de lectura (%.0f %% de CPU)\n",
              100 * (mejorEscritura - mejorPaso) / mejorPaso, 100 * (cpuEscritura - cpuPaso) / cpuPaso);
}
