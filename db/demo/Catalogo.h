#pragma once
// The demo company, "Comercializadora Los Álamos", a distributor of
// groceries, cleaning products, clothes and hardware in Querétaro. Its data is
// written in Comercial Premium terms; the AdminPAQ, SAP and Comercial Pro
// demo databases show the same company in their own tables.
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "db/demo/Comercial.h"

namespace quorvex::db::demo {

inline constexpr const char* kNombreEmpresa = "Comercializadora Los Álamos, S.A. de C.V.";
inline constexpr const char* kRfcEmpresa = "CAL950612QX4";

// The classifications the demo company uses (customers: zone and line of
// business; suppliers: kind; products: line and origin) and the values that
// other families single out.
inline constexpr int kClasificacionZona = 7, kClasificacionGiro = 8, kClasificacionTipoProveedor = 13,
                     kClasificacionLinea = 25, kClasificacionOrigen = 26;
inline constexpr int kProveedorImportacion = 10, kOrigenImportado = 18;

struct Almacen {
  int id;
  const char* codigo;
  const char* nombre;
};

struct Agente {
  int id;
  const char* codigo;
  const char* nombre;
  int tipo;  // 1 sales, 2 sales and collection, 3 collection
  double comisionVenta;
  double comisionCobro;
};

struct Unidad {
  int id;
  const char* nombre;
  const char* abreviatura;
  const char* despliegue;
  const char* claveInt;  // foreign-trade unit key
  const char* claveSat;
};

struct Conversion {
  int id;
  int de;  // one unit of this ...
  int a;   // ... is factor units of this
  double factor;
};

struct Clasificacion {
  int id;
  const char* nombre;
};

struct ValorClasificacion {
  int id;
  int clasificacion;
  const char* codigo;
  const char* valor;
};

struct Caracteristica {
  int id;
  const char* nombre;
};

struct ValorCaracteristica {
  int id;
  int caracteristica;
  const char* valor;
  const char* nemo;
};

// A product variant: its parent and the values of its three characteristics
// (0 where the parent has fewer).
struct VarianteProducto {
  int id;
  int padre;
  int valores[3];
};

struct Componente {
  int paquete;
  int producto;
  double cantidad;
};

struct Concepto {
  int id;
  const char* codigo;
  const char* nombre;
  int documentoDe;
  const char* serie;
  int almacenConsignacion;
};

struct Promocion {
  int id;
  const char* codigo;
  const char* nombre;
  const char* inicio;
  const char* fin;
  double descuento;
  int clasificacionProducto;  // 1 to 6
  int valor;                  // the product classification value it applies to
  int estatus;
};

// A lot (tipo 1) or customs-entry (tipo 2) layer with the units left.
struct Capa {
  int id;
  int producto;
  int almacen;
  int tipo;
  const char* fecha;
  const char* lote;
  const char* fabricacion;
  const char* caducidad;
  const char* pedimento;
  const char* aduana;
  const char* fechaPedimento;
  double tipoCambio;
  double existencia;
  double costo;
  const char* numeroAduana;
};

struct Serie {
  int id;
  int producto;
  int almacen;
  const char* numero;
  int estado;  // 1 in stock, 7 sold
  double costo;
};

std::span<const Almacen> AlmacenesDemo();
const Almacen& AlmacenDemo(int id);
std::span<const Agente> AgentesDemo();
std::span<const Unidad> UnidadesDemo();
const Unidad& UnidadDemo(int id);
std::span<const Conversion> ConversionesDemo();
// All 30 classifications, named or not.
std::span<const Clasificacion> ClasificacionesDemo();
// Starts with the "(Ninguna)" value 0.
std::span<const ValorClasificacion> ValoresClasificacionDemo();
// The values of one classification, in id order.
std::vector<int> ValoresDe(int clasificacion);
std::string_view NombreValorClasificacion(int id);
// Starts with the root characteristic 0.
std::span<const Caracteristica> CaracteristicasDemo();
// Starts with the "(Ninguno)" value 0, which belongs to no characteristic.
std::span<const ValorCaracteristica> ValoresCaracteristicaDemo();
std::span<const VarianteProducto> VariantesDemo();
std::span<const Componente> ComponentesDemo();
std::span<const Concepto> ConceptosDemo();
std::span<const Promocion> PromocionesDemo();
std::span<const Capa> CapasDemo();
std::span<const Serie> SeriesDemo();

const std::vector<Producto>& ProductosDemo();
const Producto& ProductoDemo(int id);
// Customers, then suppliers; ids 1 to 40.
const std::vector<Cliente>& ClientesDemo();
const Cliente& ClienteDemo(int id);
// In date order; ids 1 up.
const std::vector<Documento>& DocumentosDemo();

// Units moved in and out per (product, warehouse) by the visible movements of
// the demo documents that are not cancelled, dated from desde (inclusive) to
// hasta (exclusive), both date prefixes ("2025").
struct Flujo {
  double entradas = 0;
  double salidas = 0;
};
std::map<std::pair<int, int>, Flujo> FlujosDemo(std::string_view desde = "", std::string_view hasta = "9999");

}  // namespace quorvex::db::demo
