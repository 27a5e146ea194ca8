#pragma once
// Large Comercial Premium databases for benchmarks: the demo company's
// catalogues with as many generated products, customers and documents as
// asked for. The same input gives the same database.
#include <filesystem>

namespace quorvex::db::demo {

struct Volumen {
  int productos = 100'000;
  int clientes = 10'000;
  int documentos = 10'000;
  int movimientosPorDocumento = 5;
};

// Creates archivo (which must not exist) with products 1..productos (prices,
// units, classifications), customers 1..clientes (every 10th also a
// supplier, every 20th only a supplier) and documents 1..documentos: every
// 5th a purchase into warehouse 1, the others invoices out of warehouse 1
// or 2, every 50th cancelled. Throws std::invalid_argument for a negative
// count, or for documents without products or customers.
void GeneraComercial(const std::filesystem::path& archivo, const Volumen& v);

}  // namespace quorvex::db::demo
