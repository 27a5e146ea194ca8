#include "db/demo/Comercial.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace quorvex::db::demo {
namespace {

double Redondea(double importe) { return std::round(importe * 100) / 100; }

// Deterministic document GUIDs, so that two demo databases are identical.
std::string GuidDocumento(int id) {
  char texto[40];
  std::snprintf(texto, sizeof texto, "D0C00000-0000-4000-8000-%012d", id);
  return texto;
}

constexpr std::array<const char*, 10> kPrecios{"CPRECIO1", "CPRECIO2", "CPRECIO3", "CPRECIO4", "CPRECIO5",
                                               "CPRECIO6", "CPRECIO7", "CPRECIO8", "CPRECIO9", "CPRECIO10"};
constexpr std::array<const char*, 6> kClasificacionesProducto{
    "CIDVALORCLASIFICACION1", "CIDVALORCLASIFICACION2", "CIDVALORCLASIFICACION3",
    "CIDVALORCLASIFICACION4", "CIDVALORCLASIFICACION5", "CIDVALORCLASIFICACION6"};
constexpr std::array<const char*, 6> kClasificacionesCliente{
    "CIDVALORCLASIFCLIENTE1", "CIDVALORCLASIFCLIENTE2", "CIDVALORCLASIFCLIENTE3",
    "CIDVALORCLASIFCLIENTE4", "CIDVALORCLASIFCLIENTE5", "CIDVALORCLASIFCLIENTE6"};
constexpr std::array<const char*, 6> kClasificacionesProveedor{
    "CIDVALORCLASIFPROVEEDOR1", "CIDVALORCLASIFPROVEEDOR2", "CIDVALORCLASIFPROVEEDOR3",
    "CIDVALORCLASIFPROVEEDOR4", "CIDVALORCLASIFPROVEEDOR5", "CIDVALORCLASIFPROVEEDOR6"};
constexpr std::array<const char*, 3> kCaracteristicas{"CIDPADRECARACTERISTICA1", "CIDPADRECARACTERISTICA2",
                                                      "CIDPADRECARACTERISTICA3"};

// Warehouse-move type of a visible movement: 1 for the inventory documents
// and for the outgoing side of a transfer, 2 for its incoming side.
int TipoTraspaso(int documentoDe, int afecta) {
  if (documentoDe == 32 || documentoDe == 33) return 1;
  if (documentoDe == 34) return afecta == 2 ? 1 : 2;
  return 0;
}

}  // namespace

const std::vector<DocumentoModelo>& DocumentosModelo() {
  static const std::vector<DocumentoModelo> kModelos{
      {.id = 1, .descripcion = "Cotización"},
      {.id = 2, .descripcion = "Pedido"},
      {.id = 3, .descripcion = "Remisión", .naturaleza = 0, .afectaExistencia = 2, .afectaSaldos = true},
      {.id = 4, .descripcion = "Factura", .naturaleza = 0, .afectaExistencia = 2, .afectaSaldos = true, .cfdi = true},
      {.id = 5, .descripcion = "Devolución", .naturaleza = 1, .afectaExistencia = 1, .afectaSaldos = true, .cfdi = true},
      {.id = 7, .descripcion = "Nota de crédito", .naturaleza = 1, .afectaSaldos = true, .cfdi = true},
      {.id = 12, .descripcion = "Pago del cliente", .naturaleza = 1, .afectaSaldos = true, .cfdi = true},
      {.id = 13, .descripcion = "Nota de cargo", .naturaleza = 0, .afectaSaldos = true, .cfdi = true},
      {.id = 17, .descripcion = "Orden de compra", .proveedor = true},
      {.id = 19, .descripcion = "Compra", .naturaleza = 1, .afectaExistencia = 1, .afectaSaldos = true, .proveedor = true},
      {.id = 20, .descripcion = "Devolución de compra", .naturaleza = 0, .afectaExistencia = 2, .afectaSaldos = true,
       .proveedor = true},
      {.id = 32, .descripcion = "Entrada al almacén", .afectaExistencia = 1},
      {.id = 33, .descripcion = "Salida del almacén", .afectaExistencia = 2},
      {.id = 34, .descripcion = "Traspaso"},
  };
  return kModelos;
}

const DocumentoModelo& Modelo(int documentoDe) {
  const auto& modelos = DocumentosModelo();
  auto it = std::find_if(modelos.begin(), modelos.end(), [&](const auto& m) { return m.id == documentoDe; });
  if (it == modelos.end()) throw std::out_of_range("Tipo de documento desconocido: " + std::to_string(documentoDe));
  return *it;
}

double Precio(const Producto& p, int lista) { return Redondea(p.precio * (1 - 0.02 * (lista - 1))); }

void AgregaProducto(Escritor& e, const Producto& p) {
  std::vector<Campo> campos{
      {"CIDPRODUCTO", p.id},
      {"CCODIGOPRODUCTO", p.codigo},
      {"CNOMBREPRODUCTO", p.nombre},
      {"CTIPOPRODUCTO", p.tipo},
      {"CFECHAALTAPRODUCTO", p.fechaAlta},
      {"CCONTROLEXISTENCIA", p.control},
      {"CSTATUSPRODUCTO", p.estatus},
      {"CIDUNIDADBASE", p.unidadBase},
      {"CIDUNIDADCOMPRA", p.unidadCompra != 0 ? p.unidadCompra : p.unidadBase},
      {"CIDUNIDADVENTA", p.unidadBase},
      {"CIDUNIXML", p.unidadXml != 0 ? p.unidadXml : p.unidadBase},
      {"CCOSTOESTANDAR", p.costo},
      {"CMARGENUTILIDAD", p.precio > 0 ? Redondea((p.precio - p.costo) * 100 / p.precio) : 0.0},
      {"CIMPUESTO1", p.iva},
      {"CESEXENTO", p.iva == 0 && p.tipo == 3 ? 1 : 0},
      {"CCLAVESAT", p.claveSat},
      {"CCODALTERN", p.codigoAlterno},
  };
  for (int n = 1; n <= 10; ++n) campos.push_back({kPrecios[n - 1], Precio(p, n)});
  for (std::size_t n = 0; n < p.clasificaciones.size(); ++n)
    campos.push_back({kClasificacionesProducto[n], p.clasificaciones[n]});
  for (std::size_t n = 0; n < p.caracteristicas.size(); ++n)
    campos.push_back({kCaracteristicas[n], p.caracteristicas[n]});
  e.Inserta("admProductos", campos);
}

void AgregaCliente(Escritor& e, const Cliente& c) {
  std::vector<Campo> campos{
      {"CIDCLIENTEPROVEEDOR", c.id},
      {"CCODIGOCLIENTE", c.codigo},
      {"CRAZONSOCIAL", c.razon},
      {"CFECHAALTA", c.fechaAlta},
      {"CRFC", c.rfc},
      {"CCURP", c.curp},
      {"CDENCOMERCIAL", c.comercial.empty() ? c.razon : c.comercial},
      {"CREPLEGAL", c.representante},
      {"CLISTAPRECIOCLIENTE", c.lista},
      {"CDESCUENTODOCTO", c.descuento},
      {"CTIPOCLIENTE", c.tipo},
      {"CESTATUS", c.estatus},
      {"CIDAGENTEVENTA", c.agente},
      {"CLIMITECREDITOCLIENTE", c.limiteCredito},
      {"CDIASCREDITOCLIENTE", c.diasCredito},
      {"CTEXTOEXTRA1", c.observaciones},
      {"CEMAIL1", c.email},
      {"CMETODOPAG", c.metodoPago},
      {"CUSOCFDI", c.usoCfdi},
      {"CREGIMFISC", c.regimen},
  };
  for (std::size_t n = 0; n < 6; ++n) {
    campos.push_back({kClasificacionesCliente[n], c.clasificaciones[n]});
    campos.push_back({kClasificacionesProveedor[n], c.clasificacionesProveedor[n]});
  }
  e.Inserta("admClientes", campos);

  const Domicilio& d = c.domicilio;
  e.Inserta("admDomicilios", {
                                 {"CIDDIRECCION", d.id},
                                 {"CIDCATALOGO", c.id},
                                 {"CTIPOCATALOGO", 1},
                                 {"CTIPODIRECCION", 0},
                                 {"CNOMBRECALLE", d.calle},
                                 {"CNUMEROEXTERIOR", d.exterior},
                                 {"CNUMEROINTERIOR", d.interior},
                                 {"CCOLONIA", d.colonia},
                                 {"CCODIGOPOSTAL", d.codigoPostal},
                                 {"CTELEFONO1", d.telefono},
                                 {"CEMAIL", d.email},
                                 {"CPAIS", d.pais},
                                 {"CESTADO", d.estado},
                                 {"CCIUDAD", d.ciudad},
                                 {"CMUNICIPIO", d.municipio},
                             });
}

int AfectaExistencia(const Documento& d, const Movimiento& m) {
  return m.afecta >= 0 ? m.afecta : Modelo(d.documentoDe).afectaExistencia;
}

int AgregaDocumento(Escritor& e, const Documento& d, int primerMovimiento) {
  const DocumentoModelo& modelo = Modelo(d.documentoDe);
  // Quotes and orders keep their units pending until they are supplied.
  const bool surtible = modelo.afectaExistencia == 0 && !modelo.afectaSaldos;
  double neto = 0, impuesto = 0, unidades = 0, pendientes = 0;
  int id = primerMovimiento;
  int numero = 0;
  for (const Movimiento& m : d.movimientos) {
    const int afecta = AfectaExistencia(d, m);
    const int afectado = afecta != 0 ? 1 : 0;
    const double netoMovimiento = Redondea(m.unidades * m.precio);
    const double iva = Redondea(netoMovimiento * m.iva / 100);
    const double pendiente = surtible ? m.unidades : 0;
    neto += netoMovimiento;
    impuesto += iva;
    unidades += m.unidades;
    pendientes += pendiente;

    const int owner = id++;
    e.Inserta("admMovimientos", {
                                    {"CIDMOVIMIENTO", owner},
                                    {"CIDDOCUMENTO", d.id},
                                    {"CNUMEROMOVIMIENTO", ++numero},
                                    {"CIDDOCUMENTODE", d.documentoDe},
                                    {"CIDPRODUCTO", m.producto},
                                    {"CIDALMACEN", m.almacen},
                                    {"CUNIDADES", m.unidades},
                                    {"CUNIDADESCAPTURADAS", m.unidades},
                                    {"CIDUNIDAD", m.unidad},
                                    {"CPRECIO", m.precio},
                                    {"CPRECIOCAPTURADO", m.precio},
                                    {"CCOSTOCAPTURADO", m.costo},
                                    {"CCOSTOESPECIFICO", Redondea(m.costo * m.unidades)},
                                    {"CNETO", netoMovimiento},
                                    {"CIMPUESTO1", iva},
                                    {"CPORCENTAJEIMPUESTO1", m.iva},
                                    {"CTOTAL", netoMovimiento + iva},
                                    {"CAFECTAEXISTENCIA", afecta},
                                    {"CAFECTADOSALDOS", modelo.afectaSaldos ? 1 : 0},
                                    {"CAFECTADOINVENTARIO", afectado},
                                    {"CFECHA", d.fecha},
                                    {"CUNIDADESPENDIENTES", pendiente},
                                    {"CTIPOTRASPASO", TipoTraspaso(d.documentoDe, afecta)},
                                });
    for (const Variante& v : m.variantes)
      e.Inserta("admMovimientos", {
                                      {"CIDMOVIMIENTO", id++},
                                      {"CIDDOCUMENTO", 0},
                                      {"CIDDOCUMENTODE", d.documentoDe},
                                      {"CIDPRODUCTO", v.producto},
                                      {"CIDALMACEN", m.almacen},
                                      {"CUNIDADES", v.unidades},
                                      {"CUNIDADESCAPTURADAS", v.unidades},
                                      {"CIDUNIDAD", m.unidad},
                                      {"CAFECTAEXISTENCIA", afecta},
                                      {"CAFECTADOINVENTARIO", afectado},
                                      {"CFECHA", d.fecha},
                                      {"CMOVTOOCULTO", 1},
                                      {"CIDMOVTOOWNER", owner},
                                      {"CUNIDADESPENDIENTES", v.unidades},
                                      {"CTIPOTRASPASO", 4},
                                  });
    for (const UnidadesCapa& c : m.capas)
      e.Inserta("admMovimientosCapas", {
                                           {"CIDMOVIMIENTO", owner},
                                           {"CIDCAPA", c.capa},
                                           {"CFECHA", d.fecha},
                                           {"CUNIDADES", c.unidades},
                                           {"CTIPOCAPA", c.tipoCapa},
                                           {"CIDUNIDAD", m.unidad},
                                       });
    for (int serie : m.series)
      e.Inserta("admMovimientosSerie", {{"CIDMOVIMIENTO", owner}, {"CIDSERIE", serie}, {"CFECHA", d.fecha}});
  }

  const double total = neto + impuesto;
  const bool conCliente = d.cliente != 0 && !modelo.proveedor;
  const bool conProveedor = d.cliente != 0 && modelo.proveedor;
  e.Inserta("admDocumentos", {
                                 {"CIDDOCUMENTO", d.id},
                                 {"CIDDOCUMENTODE", d.documentoDe},
                                 {"CIDCONCEPTODOCUMENTO", d.concepto},
                                 {"CSERIEDOCUMENTO", d.serie},
                                 {"CFOLIO", d.folio},
                                 {"CFECHA", d.fecha},
                                 {"CIDCLIENTEPROVEEDOR", d.cliente},
                                 {"CRAZONSOCIAL", d.razon},
                                 {"CRFC", d.rfc},
                                 {"CIDAGENTE", d.agente},
                                 {"CFECHAVENCIMIENTO", d.fecha},
                                 {"CFECHAPRONTOPAGO", d.fecha},
                                 {"CFECHAENTREGARECEPCION", d.fecha},
                                 {"CFECHAULTIMOINTERES", d.fecha},
                                 {"CREFERENCIA", d.referencia},
                                 {"COBSERVACIONES", d.observaciones},
                                 {"CNATURALEZA", modelo.naturaleza},
                                 {"CUSACLIENTE", conCliente ? 1 : 0},
                                 {"CUSAPROVEEDOR", conProveedor ? 1 : 0},
                                 {"CAFECTADO", d.cancelado ? 0 : 1},
                                 {"CCANCELADO", d.cancelado ? 1 : 0},
                                 {"CNETO", neto},
                                 {"CIMPUESTO1", impuesto},
                                 {"CTOTAL", total},
                                 {"CPENDIENTE", modelo.afectaSaldos && !d.cancelado ? total : 0.0},
                                 {"CTOTALUNIDADES", unidades},
                                 {"CUNIDADESPENDIENTES", pendientes},
                                 {"CESCFD", modelo.cfdi ? 1 : 0},
                                 {"CGUIDDOCUMENTO", GuidDocumento(d.id)},
                             });
  return id;
}

}  // namespace quorvex::db::demo
