// Creates a Comercial Premium company database for benchmarks:
//   genera_datos ARCHIVO [PRODUCTOS [CLIENTES [DOCUMENTOS [MOVIMIENTOS]]]]
// (defaults 100000 products, 10000 customers, 10000 documents of 5 movements).
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>

#include "db/demo/Generador.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 6) {
    std::fprintf(stderr, "Uso: %s ARCHIVO [PRODUCTOS [CLIENTES [DOCUMENTOS [MOVIMIENTOS]]]]\n", argv[0]);
    return 2;
  }
  quorvex::db::demo::Volumen v;
  try {
    int* cuentas[]{&v.productos, &v.clientes, &v.documentos, &v.movimientosPorDocumento};
    for (int i = 2; i < argc; ++i) *cuentas[i - 2] = std::stoi(argv[i]);
    const auto inicio = std::chrono::steady_clock::now();
    quorvex::db::demo::GeneraComercial(argv[1], v);
    const std::chrono::duration<double> segundos = std::chrono::steady_clock::now() - inicio;
    std::printf("%s: %d productos, %d clientes, %d documentos de %d movimientos en %.2f s\n", argv[1], v.productos,
                v.clientes, v.documentos, v.movimientosPorDocumento, segundos.count());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "Error: %s\n", e.what());
    return 1;
  }
  return 0;
}
