#include "db/demo/Generador.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "db/Esquemas.h"
#include "db/demo/Catalogo.h"
#include "db/demo/Comercial.h"
#include "db/demo/DatosDemo.h"

namespace quorvex::db::demo {
namespace {

// The n-th value of a classification of the demo company, cycling.
int Valor(int clasificacion, int n) {
  const std::vector<int> valores = ValoresDe(clasificacion);
  return valores[static_cast<std::size_t>(n) % valores.size()];
}

std::string Numero(const char* formato, int n) {
  char texto[64];
  std::snprintf(texto, sizeof texto, formato, n);
  return texto;
}

// Product n: units, lines and prices cycle so that every listing has a mix.
Producto ProductoGenerado(int n) {
  // Demo units: pieces (bought by the box) most often, then boxes, kilograms,
  // litres and packs.
  constexpr int kUnidades[]{1, 1, 1, 2, 3, 4, 6};
  Producto p;
  p.id = n;
  p.codigo = Numero("P%07d", n);
  p.nombre = Numero("Artículo de prueba %07d", n);
  p.unidadBase = kUnidades[n % 7];
  p.unidadCompra = p.unidadBase == 1 ? 2 : 0;
  p.precio = 10 + static_cast<double>(static_cast<long long>(n) * 37 % 9000) / 10;
  p.costo = std::round(p.precio * 70) / 100;
  p.iva = n % 3 == 0 ? 0 : 16;
  p.claveSat = "01010101";
  p.codigoAlterno = Numero("7509%09d", n);
  p.clasificaciones = {Valor(kClasificacionLinea, n), Valor(kClasificacionOrigen, n), 0, 0, 0, 0};
  return p;
}

Cliente ClienteGenerado(int n) {
  Cliente c;
  c.id = n;
  c.codigo = Numero("C%06d", n);
  c.razon = Numero("Cliente de prueba %06d, S.A. de C.V.", n);
  c.rfc = Numero("CPR%06dXX", n % 1'000'000) + std::to_string(n % 10);
  c.tipo = n % 20 == 0 ? 3 : n % 10 == 0 ? 2 : 1;
  c.agente = AgentesDemo()[static_cast<std::size_t>(n) % AgentesDemo().size()].id;
  c.lista = 1 + n % 3;
  c.limiteCredito = (n % 5) * 10000.0;
  c.diasCredito = (n % 5) * 15;
  c.email = Numero("cliente%06d@ejemplo.com.mx", n);
  if (c.tipo == 3)
    c.clasificacionesProveedor[0] = Valor(kClasificacionTipoProveedor, n);
  else
    c.clasificaciones = {Valor(kClasificacionZona, n), Valor(kClasificacionGiro, n), 0, 0, 0, 0};
  Domicilio& d = c.domicilio;
  d.id = n;
  d.calle = "Av. Constituyentes";
  d.exterior = std::to_string(n);
  d.colonia = "Centro";
  d.codigoPostal = "76000";
  d.ciudad = d.municipio = d.estado = "Querétaro";
  d.telefono = Numero("442 %07d", n % 10'000'000);
  d.email = c.email;
  return c;
}

Documento DocumentoGenerado(int n, const Volumen& v, int& folioFactura, int& folioCompra) {
  const bool compra = n % 5 == 0;
  Documento d;
  d.id = n;
  d.concepto = d.documentoDe = compra ? 19 : 4;  // the demo concepts "Compra" and "Factura"
  d.serie = compra ? "CO" : "FA";
  d.folio = compra ? ++folioCompra : ++folioFactura;
  d.fecha = Numero("2025-%02d-", 1 + n % 12) + Numero("%02d 00:00:00.000", 1 + n % 28);
  d.cliente = 1 + static_cast<int>(static_cast<long long>(n) * 7919 % v.clientes);
  const Cliente c = ClienteGenerado(d.cliente);
  d.razon = c.razon;
  d.rfc = c.rfc;
  d.agente = compra ? 0 : c.agente;
  d.cancelado = n % 50 == 0;
  for (int j = 0; j < v.movimientosPorDocumento; ++j) {
    const Producto p =
        ProductoGenerado(1 + static_cast<int>((static_cast<long long>(n) * 31 + j * 17) % v.productos));
    Movimiento m;
    m.producto = p.id;
    m.almacen = compra ? 1 : 1 + (n + j) % 2;
    m.unidad = p.unidadBase;
    m.unidades = 1 + (n + j) % 10;
    m.costo = p.costo;
    m.precio = compra ? p.costo : Precio(p, c.lista);
    m.iva = p.iva;
    d.movimientos.push_back(std::move(m));
  }
  return d;
}

}  // namespace

void GeneraComercial(const std::filesystem::path& archivo, const Volumen& v) {
  if (v.productos < 0 || v.clientes < 0 || v.documentos < 0 || v.movimientosPorDocumento < 0)
    throw std::invalid_argument("Los volúmenes no pueden ser negativos");
  if (v.documentos > 0 && (v.clientes == 0 || (v.productos == 0 && v.movimientosPorDocumento > 0)))
    throw std::invalid_argument("Los documentos necesitan clientes y productos");
  CreaBaseDatos(archivo, "comercial");
  try {
    Escritor e(archivo);
    LlenaCatalogosComercial(e);
    for (int n = 1; n <= v.productos; ++n) AgregaProducto(e, ProductoGenerado(n));
    for (int n = 1; n <= v.clientes; ++n) AgregaCliente(e, ClienteGenerado(n));
    int movimiento = 1, folioFactura = 0, folioCompra = 0;
    for (int n = 1; n <= v.documentos; ++n)
      movimiento = AgregaDocumento(e, DocumentoGenerado(n, v, folioFactura, folioCompra), movimiento);
    e.Confirma();
  } catch (...) {
    std::error_code ignorado;
    std::filesystem::remove(archivo, ignorado);
    throw;
  }
}

}  // namespace quorvex::db::demo
