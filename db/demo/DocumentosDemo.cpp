// The demo company's documents: purchases that stock both warehouses
// (with lots, a customs entry and serial numbers), an inventory entry of
// clothes by characteristic, invoices (folios FA 147 to 150, 150 cancelled),
// an order, a quote, a return, a transfer, a write-off, a cash invoice and a
// purchase order.
#include <stdexcept>

#include "db/demo/Catalogo.h"

namespace quorvex::db::demo {
namespace {

enum class Valor { kVenta, kCosto };

const Concepto& ConceptoDemo(int id) {
  for (const Concepto& c : ConceptosDemo())
    if (c.id == id) return c;
  throw std::out_of_range("Concepto demo desconocido: " + std::to_string(id));
}

// A movement valued at the customer's price list or at cost; inventory
// documents carry no tax.
Movimiento Linea(int producto, int almacen, double unidades, Valor valor, int lista = 1) {
  const Producto& p = ProductoDemo(producto);
  Movimiento m;
  m.producto = producto;
  m.almacen = almacen;
  m.unidad = p.unidadBase;
  m.unidades = unidades;
  m.costo = p.costo;
  m.precio = valor == Valor::kVenta ? Precio(p, lista) : p.costo;
  m.iva = p.iva;
  return m;
}

class Documentos {
 public:
  Documento& Nuevo(int concepto, double folio, const char* fecha, int cliente = 0, int agente = 0) {
    const Concepto& c = ConceptoDemo(concepto);
    Documento d;
    d.id = static_cast<int>(v_.size()) + 1;
    d.concepto = concepto;
    d.documentoDe = c.documentoDe;
    d.serie = c.serie;
    d.folio = folio;
    d.fecha = std::string(fecha) + " 00:00:00.000";
    d.cliente = cliente;
    d.agente = agente;
    if (cliente != 0) {
      d.razon = ClienteDemo(cliente).razon;
      d.rfc = ClienteDemo(cliente).rfc;
    }
    v_.push_back(std::move(d));
    return v_.back();
  }

  // A sale line at the price list of the document's customer.
  Movimiento Venta(const Documento& d, int producto, int almacen, double unidades) const {
    return Linea(producto, almacen, unidades, Valor::kVenta, d.cliente != 0 ? ClienteDemo(d.cliente).lista : 1);
  }

  std::vector<Documento> Lista() && { return std::move(v_); }

 private:
  std::vector<Documento> v_;
};

Movimiento Costo(int producto, int almacen, double unidades) {
  return Linea(producto, almacen, unidades, Valor::kCosto);
}

Movimiento Inventario(int producto, int almacen, double unidades, int afecta = -1) {
  Movimiento m = Costo(producto, almacen, unidades);
  m.iva = 0;
  m.afecta = afecta;
  return m;
}

Movimiento ConCapas(Movimiento m, std::vector<UnidadesCapa> capas) {
  m.capas = std::move(capas);
  return m;
}

Movimiento ConSeries(Movimiento m, std::vector<int> series) {
  m.series = std::move(series);
  return m;
}

Movimiento ConVariantes(Movimiento m, std::vector<Variante> variantes) {
  m.variantes = std::move(variantes);
  return m;
}

std::vector<Documento> CreaDocumentos() {
  constexpr int kGeneral = 1, kCentro = 2;
  Documentos docs;
  {
    Documento& d = docs.Nuevo(19, 1, "2024-12-02", 37);  // Lácteos La Pradera
    d.movimientos = {ConCapas(Costo(6, kGeneral, 12), {{1, 12}})};
  }
  {
    Documento& d = docs.Nuevo(4, 147, "2024-12-20", 6, 1);
    d.movimientos = {ConCapas(docs.Venta(d, 6, kGeneral, 12), {{1, 12}})};
  }
  {
    Documento& d = docs.Nuevo(19, 2, "2025-01-06", 31);  // Distribuidora de Abarrotes del Centro
    d.movimientos = {Costo(1, kGeneral, 200), Costo(2, kGeneral, 150), Costo(3, kGeneral, 100),
                     Costo(4, kGeneral, 120), Costo(5, kGeneral, 60),  ConCapas(Costo(6, kGeneral, 40), {{2, 40}}),
                     Costo(8, kGeneral, 80),  Costo(9, kGeneral, 100), Costo(10, kGeneral, 90),
                     Costo(12, kGeneral, 144), Costo(13, kGeneral, 120), Costo(14, kGeneral, 60),
                     Costo(15, kGeneral, 20)};
  }
  {
    Documento& d = docs.Nuevo(19, 3, "2025-01-07", 33);  // Productos de Limpieza Brillo
    d.movimientos = {Costo(16, kGeneral, 50), Costo(17, kGeneral, 150), Costo(18, kGeneral, 80),
                     Costo(20, kGeneral, 60)};
  }
  {
    Documento& d = docs.Nuevo(19, 4, "2025-01-08", 36);  // Importadora Mediterránea
    d.referencia = "Pedimento 25 16 3421 5000123";
    d.movimientos = {ConCapas(Costo(7, kGeneral, 48), {{3, 48, 2}}), Costo(19, kGeneral, 40)};
  }
  {
    Documento& d = docs.Nuevo(19, 5, "2025-01-08", 40);  // Herramientas Importadas Tokio
    d.movimientos = {ConSeries(Costo(24, kGeneral, 5), {1, 2, 3, 4, 5}), ConSeries(Costo(25, kGeneral, 3), {6, 7, 8}),
                     Costo(26, kGeneral, 20), Costo(27, kGeneral, 30), Costo(28, kGeneral, 25),
                     Costo(29, kGeneral, 50)};
  }
  {
    Documento& d = docs.Nuevo(19, 6, "2025-01-09", 31);
    d.movimientos = {Costo(1, kCentro, 60), Costo(2, kCentro, 40), ConCapas(Costo(6, kCentro, 20), {{4, 20}}),
                     Costo(12, kCentro, 48), Costo(13, kCentro, 48)};
  }
  {
    Documento& d = docs.Nuevo(32, 1, "2025-01-10");
    d.observaciones = "Inventario inicial de ropa";
    d.movimientos = {ConVariantes(Inventario(21, kGeneral, 20), {{1001, 6}, {1002, 6}, {1003, 4}, {1004, 4}}),
                     ConVariantes(Inventario(22, kGeneral, 8), {{1005, 4}, {1006, 4}}),
                     ConVariantes(Inventario(23, kGeneral, 10), {{1007, 5}, {1008, 5}})};
  }
  {
    Documento& d = docs.Nuevo(4, 148, "2025-02-03", 1, 1);
    d.movimientos = {docs.Venta(d, 1, kGeneral, 20), docs.Venta(d, 2, kGeneral, 10), docs.Venta(d, 12, kGeneral, 24),
                     docs.Venta(d, 16, kGeneral, 5)};
  }
  {
    Documento& d = docs.Nuevo(4, 149, "2025-02-05", 3, 2);
    d.movimientos = {ConSeries(docs.Venta(d, 24, kGeneral, 2), {1, 2}),
                     ConCapas(docs.Venta(d, 6, kGeneral, 10), {{2, 10}}),
                     ConCapas(docs.Venta(d, 7, kGeneral, 6), {{3, 6, 2}}),
                     ConVariantes(docs.Venta(d, 21, kGeneral, 3), {{1001, 2}, {1003, 1}})};
  }
  {
    Documento& d = docs.Nuevo(4, 150, "2025-02-07", 5, 2);
    d.cancelado = true;
    d.observaciones = "Cancelada: el cliente duplicó su pedido";
    d.movimientos = {docs.Venta(d, 3, kGeneral, 15), docs.Venta(d, 18, kGeneral, 12)};
  }
  {
    Documento& d = docs.Nuevo(2, 1, "2025-02-10", 2, 2);
    d.movimientos = {docs.Venta(d, 1, kGeneral, 30), docs.Venta(d, 13, kGeneral, 24)};
  }
  {
    Documento& d = docs.Nuevo(1, 1, "2025-02-11", 4, 3);
    d.movimientos = {docs.Venta(d, 31, kGeneral, 1), docs.Venta(d, 25, kGeneral, 1)};
  }
  {
    Documento& d = docs.Nuevo(5, 1, "2025-02-12", 1, 1);
    d.referencia = "FA 148";
    d.movimientos = {docs.Venta(d, 1, kGeneral, 2)};
  }
  {
    Documento& d = docs.Nuevo(34, 1, "2025-02-14");
    d.movimientos = {Inventario(12, kGeneral, 12, 2), Inventario(12, kCentro, 12, 1)};
  }
  {
    Documento& d = docs.Nuevo(33, 1, "2025-02-15");
    d.observaciones = "Merma por empaque dañado";
    d.movimientos = {Inventario(13, kCentro, 6)};
  }
  {
    Documento& d = docs.Nuevo(41, 1, "2025-02-17", 10);
    Movimiento entrega = docs.Venta(d, 30, kCentro, 1);
    entrega.afecta = 0;  // a service is never in stock
    d.movimientos = {docs.Venta(d, 1, kCentro, 5), ConCapas(docs.Venta(d, 6, kCentro, 4), {{4, 4}}), entrega};
  }
  {
    Documento& d = docs.Nuevo(17, 1, "2025-02-18", 31);
    d.movimientos = {Costo(1, kGeneral, 100), Costo(2, kGeneral, 100)};
  }
  return std::move(docs).Lista();
}

}  // namespace

const std::vector<Documento>& DocumentosDemo() {
  static const std::vector<Documento> kDocumentos = CreaDocumentos();
  return kDocumentos;
}

std::map<std::pair<int, int>, Flujo> FlujosDemo(std::string_view desde, std::string_view hasta) {
  std::map<std::pair<int, int>, Flujo> flujos;
  for (const Documento& d : DocumentosDemo()) {
    if (d.cancelado || d.fecha < desde || d.fecha >= hasta) continue;
    for (const Movimiento& m : d.movimientos) {
      const int afecta = AfectaExistencia(d, m);
      Flujo& f = flujos[{m.producto, m.almacen}];
      if (afecta == 1) f.entradas += m.unidades;
      if (afecta == 2) f.salidas += m.unidades;
    }
  }
  std::erase_if(flujos, [](const auto& par) { return par.second.entradas == 0 && par.second.salidas == 0; });
  return flujos;
}

}  // namespace quorvex::db::demo
