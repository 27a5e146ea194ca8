#include "db/demo/Catalogo.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <stdexcept>

namespace quorvex::db::demo {
namespace {

// Units.
constexpr int kPieza = 1, kCaja = 2, kKilogramo = 3, kLitro = 4, kServicio = 5, kPaquete = 6, kGramo = 7;
// Classification values: customer zones and lines of business, supplier
// kinds, product lines and origins.
constexpr int kZonaCentro = 1, kZonaNorte = 2, kZonaSur = 3, kZonaBajio = 4;
constexpr int kGiroTienda = 5, kGiroRestaurante = 6, kGiroMayorista = 7, kGiroHotel = 8;
constexpr int kProveedorNacional = 9;
constexpr int kAbarrotes = 11, kBebidas = 12, kLimpieza = 13, kRopa = 14, kFerreteria = 15, kServicios = 16;
constexpr int kNacional = 17, kImportado = kOrigenImportado;
// Characteristics.
constexpr int kTalla = 1, kColor = 2, kManga = 3;

constexpr Almacen kAlmacenes[]{
    {1, "ALM01", "Almacén General"},
    {2, "ALM02", "Sucursal Centro"},
    {3, "ALM03", "Almacén de Consignación"},
};

constexpr Agente kAgentes[]{
    {1, "AG001", "María Fernanda López Ruiz", 1, 3.0, 0.0},
    {2, "AG002", "José Luis Hernández Pérez", 2, 2.5, 1.0},
    {3, "AG003", "Ana Sofía Martínez Gómez", 1, 3.0, 0.0},
    {4, "AG004", "Ricardo Ortega Núñez", 3, 0.0, 1.5},
};

constexpr Unidad kUnidades[]{
    {kPieza, "Pieza", "pza", "Pieza(s)", "06", "H87"},
    {kCaja, "Caja", "cja", "Caja(s)", "", "XBX"},
    {kKilogramo, "Kilogramo", "kg", "Kilogramo(s)", "01", "KGM"},
    {kLitro, "Litro", "l", "Litro(s)", "08", "LTR"},
    {kServicio, "Servicio", "srv", "Servicio(s)", "", "E48"},
    {kPaquete, "Paquete", "paq", "Paquete(s)", "", "XPK"},
    {kGramo, "Gramo", "g", "Gramo(s)", "02", "GRM"},
};

constexpr Conversion kConversiones[]{
    {1, kCaja, kPieza, 12.0},
    {2, kPieza, kCaja, 1.0 / 12.0},
    {3, kKilogramo, kGramo, 1000.0},
    {4, kGramo, kKilogramo, 0.001},
};

constexpr Clasificacion kClasificaciones[]{
    {1, "Agente 1"},     {2, "Agente 2"},        {3, "Agente 3"},        {4, "Agente 4"},
    {5, "Agente 5"},     {6, "Agente 6"},        {7, "Zona"},            {8, "Giro"},
    {9, "Cliente 3"},    {10, "Cliente 4"},      {11, "Cliente 5"},      {12, "Cliente 6"},
    {13, "Tipo de proveedor"}, {14, "Proveedor 2"}, {15, "Proveedor 3"}, {16, "Proveedor 4"},
    {17, "Proveedor 5"}, {18, "Proveedor 6"},    {19, "Almacén 1"},      {20, "Almacén 2"},
    {21, "Almacén 3"},   {22, "Almacén 4"},      {23, "Almacén 5"},      {24, "Almacén 6"},
    {25, "Línea"},       {26, "Origen"},         {27, "Producto 3"},     {28, "Producto 4"},
    {29, "Producto 5"},  {30, "Producto 6"},
};

constexpr ValorClasificacion kValoresClasificacion[]{
    {0, 0, "", "(Ninguna)"},
    {kZonaCentro, kClasificacionZona, "ZC", "Centro"},
    {kZonaNorte, kClasificacionZona, "ZN", "Norte"},
    {kZonaSur, kClasificacionZona, "ZS", "Sur"},
    {kZonaBajio, kClasificacionZona, "ZB", "Bajío"},
    {kGiroTienda, kClasificacionGiro, "TI", "Tienda de abarrotes"},
    {kGiroRestaurante, kClasificacionGiro, "RE", "Restaurante"},
    {kGiroMayorista, kClasificacionGiro, "MA", "Mayorista"},
    {kGiroHotel, kClasificacionGiro, "HO", "Hotel"},
    {kProveedorNacional, kClasificacionTipoProveedor, "NAC", "Nacional"},
    {kProveedorImportacion, kClasificacionTipoProveedor, "IMP", "Importación"},
    {kAbarrotes, kClasificacionLinea, "ABA", "Abarrotes"},
    {kBebidas, kClasificacionLinea, "BEB", "Bebidas"},
    {kLimpieza, kClasificacionLinea, "LIM", "Limpieza"},
    {kRopa, kClasificacionLinea, "ROP", "Ropa"},
    {kFerreteria, kClasificacionLinea, "FER", "Ferretería"},
    {kServicios, kClasificacionLinea, "SER", "Servicios"},
    {kNacional, kClasificacionOrigen, "NAC", "Nacional"},
    {kImportado, kClasificacionOrigen, "IMP", "Importado"},
};

constexpr Caracteristica kCaracteristicas[]{
    {0, "Características"},
    {kTalla, "Talla"},
    {kColor, "Color"},
    {kManga, "Manga"},
};

// Value 0 stands for "no value" in the third slot of a product with two
// characteristics; it belongs to no characteristic, so that it never shows
// up among the values of the root characteristic.
constexpr ValorCaracteristica kValoresCaracteristica[]{
    {0, -1, "(Ninguno)", ""}, {1, kTalla, "Chica", "CH"},  {2, kTalla, "Mediana", "M"}, {3, kTalla, "Grande", "G"},
    {4, kTalla, "Extra grande", "EG"}, {5, kColor, "Rojo", "RJ"}, {6, kColor, "Azul", "AZ"},
    {7, kColor, "Negro", "NG"},  {8, kColor, "Blanco", "BL"}, {9, kManga, "Corta", "MC"},
    {10, kManga, "Larga", "ML"},
};

// Products 21 and 22 have three characteristics, 23 only two.
constexpr VarianteProducto kVariantes[]{
    {1001, 21, {2, 6, 9}}, {1002, 21, {3, 6, 9}}, {1003, 21, {2, 7, 10}}, {1004, 21, {1, 8, 9}},
    {1005, 22, {2, 8, 10}}, {1006, 22, {3, 6, 10}}, {1007, 23, {2, 5, 0}}, {1008, 23, {3, 7, 0}},
};

constexpr Componente kComponentes[]{
    {32, 1, 1}, {32, 2, 2}, {32, 3, 1}, {32, 4, 1},  // Despensa básica
    {33, 16, 1}, {33, 17, 3}, {33, 18, 2},          // Kit de limpieza
};

constexpr Concepto kConceptos[]{
    {1, "1", "Cotización", 1, "COT", 0},
    {2, "2", "Pedido", 2, "PED", 0},
    {3, "3", "Remisión", 3, "REM", 3},
    {4, "4", "Factura", 4, "FA", 0},
    {5, "5", "Devolución", 5, "DEV", 0},
    {7, "7", "Nota de crédito", 7, "NC", 0},
    {12, "12", "Pago del cliente", 12, "PAG", 0},
    {13, "13", "Nota de cargo", 13, "NCA", 0},
    {17, "17", "Orden de compra", 17, "OC", 0},
    {19, "19", "Compra", 19, "CO", 0},
    {20, "20", "Devolución de compra", 20, "DCO", 0},
    {32, "32", "Entrada al almacén", 32, "ENT", 0},
    {33, "33", "Salida del almacén", 33, "SAL", 0},
    {34, "34", "Traspaso entre almacenes", 34, "TRA", 0},
    {41, "41", "Factura de contado", 4, "FC", 0},
};

constexpr Promocion kPromociones[]{
    {1, "PROMO01", "Temporada de limpieza", "2020-01-01 00:00:00.000", "2099-12-31 00:00:00.000", 10, 1, kLimpieza, 1},
    {2, "PROMO02", "Importados con descuento", "2020-01-01 00:00:00.000", "2099-12-31 00:00:00.000", 5, 2, kImportado,
     1},
    {3, "BUENFIN24", "Buen Fin 2024 ferretería", "2024-11-15 00:00:00.000", "2024-11-18 00:00:00.000", 15, 1,
     kFerreteria, 1},
    {4, "LIQROPA", "Liquidación de ropa", "2020-01-01 00:00:00.000", "2099-12-31 00:00:00.000", 20, 1, kRopa, 0},
};

constexpr Capa kCapas[]{
    {1, 6, 1, 1, "2024-12-02 00:00:00.000", "L2412-C", "2024-11-20 00:00:00.000", "2025-11-20 00:00:00.000", "", "",
     nullptr, 1, 0, 138, ""},
    {2, 6, 1, 1, "2025-01-06 00:00:00.000", "L2501-A", "2024-12-28 00:00:00.000", "2025-12-28 00:00:00.000", "", "",
     nullptr, 1, 30, 140, ""},
    {3, 7, 1, 2, "2025-01-08 00:00:00.000", "", nullptr, nullptr, "25 16 3421 5000123", "Manzanillo, Colima",
     "2025-01-03 00:00:00.000", 20.45, 42, 120, "16"},
    {4, 6, 2, 1, "2025-01-09 00:00:00.000", "L2501-B", "2025-01-02 00:00:00.000", "2026-01-02 00:00:00.000", "", "",
     nullptr, 1, 16, 140, ""},
};

constexpr Serie kSeries[]{
    {1, 24, 1, "TP750-25A0001", 7, 890}, {2, 24, 1, "TP750-25A0002", 7, 890}, {3, 24, 1, "TP750-25A0003", 1, 890},
    {4, 24, 1, "TP750-25A0004", 1, 890}, {5, 24, 1, "TP750-25A0005", 1, 890}, {6, 25, 1, "EA115-25B0001", 1, 760},
    {7, 25, 1, "EA115-25B0002", 1, 760}, {8, 25, 1, "EA115-25B0003", 1, 760},
};

std::vector<Producto> CreaProductos() {
  auto p = [](int id, const char* codigo, const char* nombre, int unidad, double precio, double costo, double iva,
              const char* claveSat, int linea, int origen = kNacional) {
    Producto r;
    r.id = id;
    r.codigo = codigo;
    r.nombre = nombre;
    r.unidadBase = unidad;
    r.precio = precio;
    r.costo = costo;
    r.iva = iva;
    r.claveSat = claveSat;
    r.clasificaciones = {linea, origen, 0, 0, 0, 0};
    return r;
  };
  std::vector<Producto> v{
      p(1, "AB001", "Azúcar estándar 1 kg", kPieza, 32.50, 24.80, 0, "50161509", kAbarrotes),
      p(2, "AB002", "Arroz súper extra 1 kg", kPieza, 29.90, 21.50, 0, "50221101", kAbarrotes),
      p(3, "AB003", "Frijol negro a granel", kKilogramo, 38.00, 27.00, 0, "50221102", kAbarrotes),
      p(4, "AB004", "Aceite vegetal comestible 1 L", kPieza, 45.50, 33.00, 0, "50151513", kAbarrotes),
      p(5, "AB005", "Café soluble clásico 200 g", kPieza, 119.00, 85.00, 0, "50201706", kAbarrotes),
      p(6, "AB006", "Leche en polvo entera 1 kg", kPieza, 185.00, 140.00, 0, "50131702", kAbarrotes),
      p(7, "AB007", "Aceite de oliva extra virgen 500 ml", kPieza, 189.00, 120.00, 0, "50151513", kAbarrotes,
        kImportado),
      p(8, "AB008", "Galletas marías 170 g", kPieza, 22.00, 15.00, 0, "50181903", kAbarrotes),
      p(9, "AB009", "Atún en agua 140 g", kPieza, 24.50, 17.00, 0, "50121537", kAbarrotes),
      p(10, "AB010", "Sal de mesa yodatada 1 kg", kPieza, 14.00, 9.00, 0, "50171551", kAbarrotes),
      p(11, "AB011", "Harina de trigo 1 kg", kPieza, 23.00, 16.00, 0, "50221200", kAbarrotes),
      p(12, "BE001", "Refresco de cola 2 L", kPieza, 38.00, 27.00, 16, "50202306", kBebidas),
      p(13, "BE002", "Agua purificada 1.5 L", kPieza, 14.50, 8.50, 0, "50202301", kBebidas),
      p(14, "BE003", "Jugo de naranja 1 L", kPieza, 32.00, 23.00, 0, "50202304", kBebidas),
      p(15, "BE004", "Refresco de cola lata 355 ml, caja con 24", kCaja, 310.00, 240.00, 16, "50202306", kBebidas),
      p(16, "LI001", "Detergente en polvo 1 kg", kPieza, 42.00, 30.00, 16, "47131807", kLimpieza),
      p(17, "LI002", "Jabón de tocador 150 g", kPieza, 18.50, 12.00, 16, "53131608", kLimpieza),
      p(18, "LI003", "Cloro blanqueador", kLitro, 21.00, 14.00, 16, "47131810", kLimpieza),
      p(19, "LI004", "Limpiador multiusos lavanda 1 L", kPieza, 36.00, 25.00, 16, "47131803", kLimpieza, kImportado),
      p(20, "LI005", "Papel higiénico 4 rollos", kPaquete, 39.00, 28.00, 16, "14111704", kLimpieza),
      p(21, "RO001", "Playera de algodón cuello redondo", kPieza, 149.00, 85.00, 16, "53102501", kRopa),
      p(22, "RO002", "Camisa de vestir", kPieza, 349.00, 190.00, 16, "53101602", kRopa),
      p(23, "RO003", "Gorra bordada", kPieza, 129.00, 70.00, 16, "53102503", kRopa),
      p(24, "FE001", "Taladro percutor 1/2 in 750 W", kPieza, 1299.00, 890.00, 16, "27112700", kFerreteria,
        kImportado),
      p(25, "FE002", "Esmeriladora angular 4 1/2 in", kPieza, 1099.00, 760.00, 16, "27112700", kFerreteria,
        kImportado),
      p(26, "FE003", "Juego de desarmadores 6 piezas", kPieza, 189.00, 110.00, 16, "27111701", kFerreteria),
      p(27, "FE004", "Cinta métrica 5 m", kPieza, 79.00, 45.00, 16, "27111801", kFerreteria),
      p(28, "FE005", "Tornillo para madera 1 in, caja con 100", kCaja, 65.00, 38.00, 16, "31161500", kFerreteria),
      p(29, "FE006", "Clavo estándar 2 1/2 in", kKilogramo, 48.00, 32.00, 16, "31162001", kFerreteria),
      p(30, "SE001", "Servicio de entrega a domicilio", kServicio, 150.00, 0, 16, "78102203", kServicios),
      p(31, "SE002", "Instalación y armado de mobiliario", kServicio, 350.00, 0, 16, "72151500", kServicios),
      p(32, "PQ001", "Despensa básica", kPaquete, 170.00, 0, 0, "01010101", kAbarrotes),
      p(33, "PQ002", "Kit de limpieza para el hogar", kPaquete, 120.00, 0, 16, "01010101", kLimpieza),
  };
  for (Producto& x : v) {
    // Bar codes for what is sold by the piece; cases come from the supplier.
    if (x.unidadBase == kPieza) x.codigoAlterno = "750100011" + std::to_string(1000 + x.id);
    if (x.unidadBase == kPieza && x.clasificaciones[0] != kRopa) x.unidadCompra = kCaja;
  }
  auto producto = [&](int id) -> Producto& { return v.at(static_cast<std::size_t>(id - 1)); };
  producto(6).control = 8;   // lots
  producto(7).control = 16;  // customs entries
  producto(11).estatus = 0;  // discontinued
  producto(21).caracteristicas = {kTalla, kColor, kManga};
  producto(22).caracteristicas = {kTalla, kColor, kManga};
  producto(23).caracteristicas = {kTalla, kColor, 0};
  for (int id : {21, 22, 23}) producto(id).control = 2;
  for (int id : {24, 25}) producto(id).control = 4;  // serial numbers
  for (int id : {30, 31}) producto(id).tipo = 3;
  for (int id : {32, 33}) producto(id).tipo = 2;
  return v;
}

struct Ciudad {
  const char* ciudad;
  const char* municipio;
  const char* estado;
  const char* lada;
  std::array<std::pair<const char*, const char*>, 3> colonias;  // name, postal code
};

constexpr Ciudad kCiudades[]{
    {"Querétaro", "Querétaro", "Querétaro", "442",
     {{{"Centro", "76000"}, {"Jardines de la Hacienda", "76180"}, {"Álamos 2a Sección", "76160"}}}},
    {"Guadalajara", "Guadalajara", "Jalisco", "33",
     {{{"Americana", "44160"}, {"Providencia", "44630"}, {"Centro", "44100"}}}},
    {"Monterrey", "Monterrey", "Nuevo León", "81",
     {{{"Centro", "64000"}, {"Mitras Centro", "64460"}, {"Obispado", "64060"}}}},
    {"León", "León", "Guanajuato", "477", {{{"Centro", "37000"}, {"Jardines del Moral", "37160"}, {"San Isidro", "37530"}}}},
    {"Ciudad de México", "Cuauhtémoc", "Ciudad de México", "55",
     {{{"Roma Norte", "06700"}, {"Doctores", "06720"}, {"Juárez", "06600"}}}},
    {"Puebla", "Puebla", "Puebla", "222", {{{"Centro", "72000"}, {"La Paz", "72160"}, {"Anzures", "72530"}}}},
    {"Morelia", "Morelia", "Michoacán", "443",
     {{{"Centro", "58000"}, {"Chapultepec Norte", "58260"}, {"Félix Ireta", "58070"}}}},
    {"San Luis Potosí", "San Luis Potosí", "San Luis Potosí", "444",
     {{{"Centro", "78000"}, {"Tequisquiapan", "78250"}, {"Lomas 4a Sección", "78216"}}}},
    {"Aguascalientes", "Aguascalientes", "Aguascalientes", "449",
     {{{"Centro", "20000"}, {"Jardines de la Asunción", "20270"}, {"Del Trabajo", "20180"}}}},
    {"Celaya", "Celaya", "Guanajuato", "461", {{{"Centro", "38000"}, {"Alameda", "38050"}, {"Las Insurgentes", "38080"}}}},
};
enum { kQro, kGdl, kMty, kLeon, kCdmx, kPue, kMor, kSlp, kAgs, kCelaya };

constexpr const char* kCalles[]{"Av. Constituyentes", "Calle Hidalgo",  "Av. Juárez",    "Calle Morelos",
                                "Blvd. Bernardo Quintana", "Calle Allende", "Av. Revolución", "Calle Zaragoza",
                                "Av. Universidad", "Calle 5 de Mayo", "Calle Guerrero",  "Av. Insurgentes"};

constexpr const char* kRepresentantes[]{"Alejandro Torres Medina", "Claudia Ivonne Reyes Soto", "Roberto Salinas Ibarra",
                                        "Verónica Aguilar Campos", "Fernando Ruiz Esparza", "Gabriela Domínguez León",
                                        "Héctor Manuel Cruz Olvera", "Lorena Patricia Vega Ríos"};

struct DatosCliente {
  const char* codigo;
  const char* razon;
  const char* comercial;  // empty: the business name
  const char* rfc;
  int tipo;
  int ciudad;
  int zona;
  int giro;
  int agente;
  int lista;
  double limite;
  int dias;
  const char* regimen;
};

// A natural person (13-character RFC) is its own representative.
constexpr DatosCliente kClientes[]{
    {"CL001", "María Guadalupe Ramírez Torres", "Abarrotes Doña Lupita", "RATG780415KJ2", 1, kQro, kZonaCentro, kGiroTienda, 1, 1, 15000, 15, "612"},
    {"CL002", "Restaurante El Fogón de Jalisco, S.A. de C.V.", "", "RFJ0903127H1", 1, kGdl, kZonaCentro, kGiroRestaurante, 2, 2, 50000, 30, "601"},
    {"CL003", "Ferretería y Materiales Hernández, S.A. de C.V.", "", "FMH110822AB3", 1, kLeon, kZonaBajio, kGiroMayorista, 2, 2, 80000, 30, "601"},
    {"CL004", "Hotel Misión Colonial, S.A. de C.V.", "", "HMC050601QW5", 1, kMor, kZonaSur, kGiroHotel, 3, 1, 40000, 30, "601"},
    {"CL005", "Comercializadora Bajío Norte, S.A. de C.V.", "", "CBN150310LM8", 2, kCelaya, kZonaBajio, kGiroMayorista, 2, 3, 120000, 45, "601"},
    {"CL006", "José Antonio Méndez Salas", "Mini Súper La Esperanza", "MESA850930TT4", 1, kQro, kZonaCentro, kGiroTienda, 1, 1, 10000, 15, "612"},
    {"CL007", "Rosa María Jiménez Ortiz", "Cocina Económica Los Arcos", "JIOR700212HN6", 1, kQro, kZonaCentro, kGiroRestaurante, 3, 1, 5000, 7, "612"},
    {"CL008", "Tiendas Mercasol, S.A. de C.V.", "", "TME081105RS2", 1, kMty, kZonaNorte, kGiroMayorista, 2, 3, 150000, 45, "601"},
    {"CL009", "Distribuidora Ñandú del Norte, S.A. de C.V.", "", "DNN120704PP1", 2, kMty, kZonaNorte, kGiroMayorista, 2, 3, 100000, 30, "601"},
    {"CL010", "Público en general", "", "XAXX010101000", 1, kQro, 0, 0, 0, 1, 0, 0, "616"},
    {"CL011", "Cafetería La Parroquia de Puebla, S.A. de C.V.", "", "CPP990415KK7", 1, kPue, kZonaSur, kGiroRestaurante, 3, 2, 30000, 30, "601"},
    {"CL012", "Abarrotera Potosina, S.A. de C.V.", "", "APO060920UJ9", 2, kSlp, kZonaNorte, kGiroMayorista, 2, 3, 90000, 30, "601"},
    {"CL013", "Hotel Plaza Aguascalientes, S.A. de C.V.", "", "HPA100115CD4", 1, kAgs, kZonaBajio, kGiroHotel, 3, 2, 35000, 30, "601"},
    {"CL014", "Juan Carlos Vázquez Luna", "Tortillería y Abarrotes San Judas", "VALJ800605MN1", 1, kCelaya, kZonaBajio, kGiroTienda, 1, 1, 8000, 15, "612"},
    {"CL015", "Restaurante Mariscos El Güero, S.A. de C.V.", "", "RMG130830GH2", 1, kGdl, kZonaCentro, kGiroRestaurante, 2, 2, 25000, 15, "601"},
    {"CL016", "Súper Abarrotes El Ahorro, S.A. de C.V.", "", "SAA140218JK3", 1, kLeon, kZonaBajio, kGiroTienda, 1, 2, 45000, 30, "601"},
    {"CL017", "Ana Karen Castillo Rivas", "Papelería y Regalos Ana", "CARA920318PL5", 1, kCdmx, kZonaCentro, 0, 3, 1, 0, 0, "626"},
    {"CL018", "Comedor Industrial del Bajío, S.A. de C.V.", "", "CIB160509FG6", 1, kQro, kZonaBajio, kGiroRestaurante, 1, 2, 60000, 30, "601"},
    {"CL019", "Luis Fernando Ortega Peña", "Abarrotes y Cremería La Vaquita", "OEPL870722BV8", 1, kMor, kZonaSur, kGiroTienda, 3, 1, 12000, 15, "612"},
    {"CL020", "Grupo Hotelero Sierra Gorda, S.A. de C.V.", "", "GHS111121QA1", 2, kQro, kZonaCentro, kGiroHotel, 1, 2, 70000, 30, "601"},
    {"CL021", "Patricia Hernández Flores", "Minisúper El Oasis", "HEFP750110SD2", 1, kPue, kZonaSur, kGiroTienda, 3, 1, 9000, 15, "612"},
    {"CL022", "Restaurante Bar La Cantina de Don Chuy, S.A. de C.V.", "", "RBC170712WE3", 1, kCdmx, kZonaCentro, kGiroRestaurante, 2, 2, 40000, 30, "601"},
    {"CL023", "Mayoreo Central de Abastos Puebla, S.A. de C.V.", "", "MCA040830RT4", 1, kPue, kZonaSur, kGiroMayorista, 2, 3, 200000, 60, "601"},
    {"CL024", "Miguel Ángel Sánchez Ruiz", "Tienda de Conveniencia Los Pinos", "SARM810927YU5", 1, kSlp, kZonaNorte, kGiroTienda, 1, 1, 7000, 15, "612"},
    {"CL025", "Soledad Gutiérrez Mora", "Fonda Doña Chole", "GUMS650403IO6", 1, kAgs, kZonaBajio, kGiroRestaurante, 3, 1, 5000, 7, "612"},
    {"CL026", "Hospital San José de Celaya, S.A. de C.V.", "", "HSJ980226ZX7", 1, kCelaya, kZonaBajio, 0, 2, 2, 100000, 60, "601"},
    {"CL027", "Club Deportivo Campestre, A.C.", "", "CDC850115CV8", 1, kLeon, kZonaBajio, 0, 1, 1, 20000, 30, "603"},
    {"CL028", "Jorge Núñez Castro", "Abarrotes Hermanos Núñez", "NUCJ900815BN9", 1, kGdl, kZonaCentro, kGiroTienda, 2, 1, 10000, 15, "612"},
    {"CL029", "Cadena Comercial Siete Días, S.A. de C.V.", "", "CCS020611MQ1", 1, kMty, kZonaNorte, kGiroMayorista, 2, 3, 250000, 60, "601"},
    {"CL030", "Comercial La Antigua, S.A. de C.V.", "", "CAN000101AA1", 1, kQro, kZonaCentro, kGiroTienda, 1, 1, 0, 0, "601"},
    {"PR001", "Distribuidora de Abarrotes del Centro, S.A. de C.V.", "", "DAC970814JH2", 3, kQro, 0, kProveedorNacional, 0, 1, 0, 30, "601"},
    {"PR002", "Embotelladora del Bajío, S.A. de C.V.", "", "EBA880301KL3", 3, kLeon, 0, kProveedorNacional, 0, 1, 0, 30, "601"},
    {"PR003", "Productos de Limpieza Brillo, S.A. de C.V.", "", "PLB050525QW4", 3, kGdl, 0, kProveedorNacional, 0, 1, 0, 30, "601"},
    {"PR004", "Textiles y Confecciones de Puebla, S.A. de C.V.", "", "TCP101010ER5", 3, kPue, 0, kProveedorNacional, 0, 1, 0, 45, "601"},
    {"PR005", "Herramientas Industriales del Norte, S.A. de C.V.", "", "HIN030217TY6", 3, kMty, 0, kProveedorNacional, 0, 1, 0, 30, "601"},
    {"PR006", "Importadora Mediterránea de Alimentos, S.A. de C.V.", "", "IMA120905UI7", 3, kCdmx, 0, kProveedorImportacion, 0, 1, 0, 60, "601"},
    {"PR007", "Lácteos La Pradera, S.A. de C.V.", "", "LPR070713OP8", 3, kAgs, 0, kProveedorNacional, 0, 1, 0, 15, "601"},
    {"PR008", "Transportes y Fletes Rápidos, S.A. de C.V.", "", "TFR150120AS9", 3, kQro, 0, kProveedorNacional, 0, 1, 0, 15, "601"},
    {"PR009", "Papelera del Centro, S.A. de C.V.", "", "PCE090430DF1", 3, kSlp, 0, kProveedorNacional, 0, 1, 0, 30, "601"},
    {"PR010", "Herramientas Importadas Tokio, S.A. de C.V.", "", "HIT180808GH2", 3, kGdl, 0, kProveedorImportacion, 0, 1, 0, 60, "601"},
};

std::vector<Cliente> CreaClientes() {
  std::vector<Cliente> v;
  int id = 0;
  for (const DatosCliente& d : kClientes) {
    ++id;
    Cliente c;
    c.id = id;
    c.codigo = d.codigo;
    c.razon = d.razon;
    c.comercial = d.comercial;
    c.rfc = d.rfc;
    c.tipo = d.tipo;
    c.estatus = c.codigo == "CL030" ? 0 : 1;
    const bool fisica = c.rfc.size() == 13;
    c.representante = fisica ? d.razon : kRepresentantes[id % std::size(kRepresentantes)];
    c.agente = d.agente;
    c.lista = d.lista;
    c.limiteCredito = d.limite;
    c.diasCredito = d.dias;
    c.regimen = d.regimen;
    c.metodoPago = d.dias > 0 ? "99" : "01";
    c.usoCfdi = c.rfc == "XAXX010101000" ? "S01" : "G03";
    if (d.tipo == 3) {
      c.clasificacionesProveedor[0] = d.giro;
    } else {
      c.clasificaciones = {d.zona, d.giro, 0, 0, 0, 0};
      if (d.tipo == 2) c.clasificacionesProveedor[0] = kProveedorNacional;
    }
    std::string correo = c.codigo;
    std::transform(correo.begin(), correo.end(), correo.begin(), [](unsigned char x) { return std::tolower(x); });
    c.email = "contacto." + correo + "@ejemplo.com.mx";
    if (c.estatus == 0) c.observaciones = "Cliente dado de baja por cierre del negocio";

    const Ciudad& ciudad = kCiudades[d.ciudad];
    const auto& [colonia, cp] = ciudad.colonias[static_cast<std::size_t>(id) % ciudad.colonias.size()];
    Domicilio& dom = c.domicilio;
    dom.id = id;
    dom.calle = kCalles[static_cast<std::size_t>(id) % std::size(kCalles)];
    dom.exterior = std::to_string(100 + id * 37 % 900);
    dom.interior = id % 4 == 0 ? "Local " + std::to_string(id % 7 + 1) : "";
    dom.colonia = colonia;
    dom.codigoPostal = cp;
    dom.ciudad = ciudad.ciudad;
    dom.municipio = ciudad.municipio;
    dom.estado = ciudad.estado;
    const std::string lada = ciudad.lada;
    const std::string numero = std::to_string(2150000 + id * 1373);
    dom.telefono = lada + " " + numero.substr(0, 10 - lada.size() - 4) + " " + numero.substr(numero.size() - 4);
    dom.email = c.email;
    v.push_back(std::move(c));
  }
  return v;
}

template <typename Lista>
const auto& PorId(const Lista& v, int id, const char* que) {
  auto it = std::find_if(std::begin(v), std::end(v), [&](const auto& x) { return x.id == id; });
  if (it == std::end(v)) throw std::out_of_range(std::string(que) + " demo desconocido: " + std::to_string(id));
  return *it;
}

}  // namespace

std::span<const Almacen> AlmacenesDemo() { return kAlmacenes; }
const Almacen& AlmacenDemo(int id) { return PorId(kAlmacenes, id, "Almacén"); }
std::span<const Agente> AgentesDemo() { return kAgentes; }
std::span<const Unidad> UnidadesDemo() { return kUnidades; }
const Unidad& UnidadDemo(int id) { return PorId(kUnidades, id, "Unidad"); }
std::span<const Conversion> ConversionesDemo() { return kConversiones; }
std::span<const Clasificacion> ClasificacionesDemo() { return kClasificaciones; }
std::span<const ValorClasificacion> ValoresClasificacionDemo() { return kValoresClasificacion; }
std::span<const Caracteristica> CaracteristicasDemo() { return kCaracteristicas; }
std::span<const ValorCaracteristica> ValoresCaracteristicaDemo() { return kValoresCaracteristica; }
std::span<const VarianteProducto> VariantesDemo() { return kVariantes; }
std::span<const Componente> ComponentesDemo() { return kComponentes; }
std::span<const Concepto> ConceptosDemo() { return kConceptos; }
std::span<const Promocion> PromocionesDemo() { return kPromociones; }
std::span<const Capa> CapasDemo() { return kCapas; }
std::span<const Serie> SeriesDemo() { return kSeries; }

std::vector<int> ValoresDe(int clasificacion) {
  std::vector<int> ids;
  for (const ValorClasificacion& v : kValoresClasificacion)
    if (v.clasificacion == clasificacion) ids.push_back(v.id);
  return ids;
}

std::string_view NombreValorClasificacion(int id) {
  for (const ValorClasificacion& v : kValoresClasificacion)
    if (v.id == id) return v.valor;
  throw std::out_of_range("Valor de clasificación demo desconocido: " + std::to_string(id));
}

const std::vector<Producto>& ProductosDemo() {
  static const std::vector<Producto> kProductos = CreaProductos();
  return kProductos;
}

const Producto& ProductoDemo(int id) { return PorId(ProductosDemo(), id, "Producto"); }

const std::vector<Cliente>& ClientesDemo() {
  static const std::vector<Cliente> kClientesDemo = CreaClientes();
  return kClientesDemo;
}

const Cliente& ClienteDemo(int id) { return PorId(ClientesDemo(), id, "Cliente"); }

}  // namespace quorvex::db::demo
