#pragma once
// Rows of a Comercial Premium company database as the demo data and the
// benchmark generator write them: each Agrega... fills every column of its
// tables from a few meaningful fields, the way CONTPAQi would have.
#include <array>
#include <string>
#include <vector>

#include "db/demo/Escritor.h"

namespace quorvex::db::demo {

// A document kind (admDocumentosModelo).
struct DocumentoModelo {
  int id = 0;
  const char* descripcion = "";
  int naturaleza = 2;         // 0 charge, 1 credit, 2 none
  int afectaExistencia = 0;   // 0 none, 1 inflow, 2 outflow
  bool afectaSaldos = false;  // leaves an amount pending with the partner
  bool proveedor = false;     // its partner is a supplier
  bool cfdi = false;          // its concepts issue a CFDI
};

// The document kinds the demo company uses; Modelo throws
// std::out_of_range for any other.
const std::vector<DocumentoModelo>& DocumentosModelo();
const DocumentoModelo& Modelo(int documentoDe);

struct Producto {
  int id = 0;
  std::string codigo;
  std::string nombre;
  int tipo = 1;      // 1 product, 2 package, 3 service
  int control = 1;   // CCONTROLEXISTENCIA
  int estatus = 1;
  int unidadBase = 1;
  int unidadCompra = 0;  // 0: the base unit
  int unidadXml = 0;     // 0: the base unit
  double precio = 0;     // list 1; lists 2 to 10 come down 2 % each
  double costo = 0;
  double iva = 16;       // percentage
  std::string claveSat;
  std::string codigoAlterno;
  std::array<int, 6> clasificaciones{};  // admClasificacionesValores ids
  std::array<int, 3> caracteristicas{};  // admCaracteristicas ids
  std::string fechaAlta = "2024-06-03 00:00:00.000";
};

// Price list n (1 to 10) of a product.
double Precio(const Producto& p, int lista);
void AgregaProducto(Escritor& e, const Producto& p);

struct Domicilio {
  int id = 0;
  std::string calle, exterior, interior, colonia, codigoPostal;
  std::string ciudad, municipio, estado, pais = "México";
  std::string telefono, email;
};

// A customer or supplier with its fiscal address.
struct Cliente {
  int id = 0;
  std::string codigo;
  std::string razon;
  std::string rfc;
  int tipo = 1;  // 1 customer, 2 customer and supplier, 3 supplier
  int estatus = 1;
  std::string comercial, representante, curp, email, observaciones;
  int agente = 0;
  int lista = 1;
  int diasCredito = 0;
  double limiteCredito = 0;
  double descuento = 0;
  std::array<int, 6> clasificaciones{};           // as customer
  std::array<int, 6> clasificacionesProveedor{};  // as supplier
  std::string metodoPago = "99", usoCfdi = "G03", regimen = "601";
  std::string fechaAlta = "2024-06-03 00:00:00.000";
  Domicilio domicilio;
};

void AgregaCliente(Escritor& e, const Cliente& c);

// A variant (characteristic combination) row hanging from a movement.
struct Variante {
  int producto = 0;  // admProductosDetalles id
  double unidades = 0;
};

// Units of a movement taken from, or put into, a lot or customs layer.
struct UnidadesCapa {
  int capa = 0;
  double unidades = 0;
  int tipoCapa = 1;
};

struct Movimiento {
  int producto = 0;
  int almacen = 0;
  int unidad = 1;  // the product's base unit
  double unidades = 0;
  double precio = 0;
  double costo = 0;  // unit cost
  double iva = 0;    // percentage
  int afecta = -1;   // stock effect; -1: the document kind's
  std::vector<Variante> variantes;
  std::vector<UnidadesCapa> capas;
  std::vector<int> series;  // serial-number ids
};

struct Documento {
  int id = 0;
  int concepto = 0;
  int documentoDe = 0;
  std::string serie;
  double folio = 0;
  std::string fecha;  // "YYYY-MM-DD HH:MM:SS.mmm"
  int cliente = 0;    // customer or supplier, 0 for none
  std::string razon, rfc;
  int agente = 0;
  bool cancelado = false;
  std::string referencia, observaciones;
  std::vector<Movimiento> movimientos;
};

// Stock effect of a movement of the document (0 none, 1 in, 2 out).
int AfectaExistencia(const Documento& d, const Movimiento& m);

// Writes the document, its movements (ids from primerMovimiento on, the
// hidden variant rows right after their owner) and their layer and serial
// links, with the header totals summed from the movements. Returns the next
// free movement id.
int AgregaDocumento(Escritor& e, const Documento& d, int primerMovimiento);

}  // namespace quorvex::db::demo
