// The demo company as a Comercial Premium database (adDemo).
#include "db/demo/Catalogo.h"
#include "db/demo/DatosDemo.h"

namespace quorvex::db::demo {
namespace {

constexpr const char* kFechaAlta = "2024-06-03 00:00:00.000";

void AgregaCapas(Escritor& e) {
  for (const Capa& c : CapasDemo())
    e.Inserta("admCapasProducto", {
                                      {"CIDCAPA", c.id},
                                      {"CIDALMACEN", c.almacen},
                                      {"CIDPRODUCTO", c.producto},
                                      {"CFECHA", c.fecha},
                                      {"CTIPOCAPA", c.tipo},
                                      {"CNUMEROLOTE", c.lote},
                                      {"CFECHACADUCIDAD", c.caducidad},
                                      {"CFECHAFABRICACION", c.fabricacion},
                                      {"CPEDIMENTO", c.pedimento},
                                      {"CADUANA", c.aduana},
                                      {"CFECHAPEDIMENTO", c.fechaPedimento},
                                      {"CTIPOCAMBIO", c.tipoCambio},
                                      {"CEXISTENCIA", c.existencia},
                                      {"CCOSTO", c.costo},
                                      {"CNUMADUANA", c.numeroAduana},
                                      {"CCLAVESAT", c.numeroAduana},
                                  });
}

void AgregaSeries(Escritor& e) {
  for (const Serie& s : SeriesDemo())
    e.Inserta("admNumerosSerie", {
                                     {"CIDSERIE", s.id},
                                     {"CIDPRODUCTO", s.producto},
                                     {"CNUMEROSERIE", s.numero},
                                     {"CESTADO", s.estado},
                                     {"CESTADOANTERIOR", s.estado == 1 ? 0 : 1},
                                     {"CIDALMACEN", s.almacen},
                                     {"CCOSTO", s.costo},
                                 });
}

void AgregaPromociones(Escritor& e) {
  static constexpr const char* kColumnas[]{"CIDVALORCLASIFPRODUCTO1", "CIDVALORCLASIFPRODUCTO2",
                                           "CIDVALORCLASIFPRODUCTO3", "CIDVALORCLASIFPRODUCTO4",
                                           "CIDVALORCLASIFPRODUCTO5", "CIDVALORCLASIFPRODUCTO6"};
  for (const Promocion& p : PromocionesDemo())
    e.Inserta("admPromociones", {
                                    {"CIDPROMOCION", p.id},
                                    {"CCODIGOPROMOCION", p.codigo},
                                    {"CNOMBREPROMOCION", p.nombre},
                                    {"CFECHAINICIO", p.inicio},
                                    {"CFECHAFIN", p.fin},
                                    {"CPORCENTAJEDESCUENTO", p.descuento},
                                    {kColumnas[p.clasificacionProducto - 1], p.valor},
                                    {"CSTATUS", p.estatus},
                                });
}

}  // namespace

void LlenaCatalogosComercial(Escritor& e) {
  e.Inserta("admParametros", {
                                 {"CIDEMPRESA", 1},
                                 {"CNOMBREEMPRESA", kNombreEmpresa},
                                 {"CRFCEMPRESA", kRfcEmpresa},
                                 {"CVERSIONACTUAL", "1100"},
                                 {"CGUIDDSL", "8E6B3C1A-52D4-4F7B-9C0E-1A2B3C4D5E6F"},
                             });
  for (const DocumentoModelo& m : DocumentosModelo())
    e.Inserta("admDocumentosModelo", {
                                         {"CIDDOCUMENTODE", m.id},
                                         {"CDESCRIPCION", m.descripcion},
                                         {"CNATURALEZA", m.naturaleza},
                                         {"CAFECTAEXISTENCIA", m.afectaExistencia},
                                     });
  for (const Concepto& c : ConceptosDemo()) {
    const DocumentoModelo& m = Modelo(c.documentoDe);
    e.Inserta("admConceptos", {
                                  {"CIDCONCEPTODOCUMENTO", c.id},
                                  {"CCODIGOCONCEPTO", c.codigo},
                                  {"CNOMBRECONCEPTO", c.nombre},
                                  {"CIDDOCUMENTODE", c.documentoDe},
                                  {"CNATURALEZA", m.naturaleza},
                                  {"CESCFD", m.cfdi ? 1 : 0},
                                  {"CSERIEPOROMISION", c.serie},
                                  {"CIDALMACENCONSIGNACION", c.almacenConsignacion},
                              });
  }
  for (const Unidad& u : UnidadesDemo())
    e.Inserta("admUnidadesMedidaPeso", {
                                           {"CIDUNIDAD", u.id},
                                           {"CNOMBREUNIDAD", u.nombre},
                                           {"CABREVIATURA", u.abreviatura},
                                           {"CDESPLIEGUE", u.despliegue},
                                           {"CCLAVEINT", u.claveInt},
                                           {"CCLAVESAT", u.claveSat},
                                       });
  for (const Conversion& c : ConversionesDemo())
    e.Inserta("admConversionesUnidad", {
                                           {"CIDAUTOINCSQL", c.id},
                                           {"CIDUNIDAD1", c.de},
                                           {"CIDUNIDAD2", c.a},
                                           {"CFACTORCONVERSION", c.factor},
                                       });
  for (const Clasificacion& c : ClasificacionesDemo())
    e.Inserta("admClasificaciones", {{"CIDCLASIFICACION", c.id}, {"CNOMBRECLASIFICACION", c.nombre}});
  for (const ValorClasificacion& v : ValoresClasificacionDemo())
    e.Inserta("admClasificacionesValores", {
                                               {"CIDVALORCLASIFICACION", v.id},
                                               {"CVALORCLASIFICACION", v.valor},
                                               {"CIDCLASIFICACION", v.clasificacion},
                                               {"CCODIGOVALORCLASIFICACION", v.codigo},
                                           });
  for (const Caracteristica& c : CaracteristicasDemo())
    e.Inserta("admCaracteristicas", {{"CIDPADRECARACTERISTICA", c.id}, {"CNOMBRECARACTERISTICA", c.nombre}});
  for (const ValorCaracteristica& v : ValoresCaracteristicaDemo())
    e.Inserta("admCaracteristicasValores", {
                                               {"CIDVALORCARACTERISTICA", v.id},
                                               {"CIDPADRECARACTERISTICA", v.caracteristica},
                                               {"CVALORCARACTERISTICA", v.valor},
                                               {"CNEMOCARACTERISTICA", v.nemo},
                                           });
  for (const Almacen& a : AlmacenesDemo())
    e.Inserta("admAlmacenes", {
                                  {"CIDALMACEN", a.id},
                                  {"CCODIGOALMACEN", a.codigo},
                                  {"CNOMBREALMACEN", a.nombre},
                                  {"CFECHAALTAALMACEN", kFechaAlta},
                              });
  for (const Agente& a : AgentesDemo())
    e.Inserta("admAgentes", {
                                {"CIDAGENTE", a.id},
                                {"CCODIGOAGENTE", a.codigo},
                                {"CNOMBREAGENTE", a.nombre},
                                {"CFECHAALTAAGENTE", kFechaAlta},
                                {"CTIPOAGENTE", a.tipo},
                                {"CCOMISIONVENTAAGENTE", a.comisionVenta},
                                {"CCOMISIONCOBROAGENTE", a.comisionCobro},
                            });
}

// Each product's cost since the company's start, company-wide (warehouse 0)
// and per warehouse: the cost history new movements read and carry forward.
void AgregaCostosHistoricos(Escritor& e) {
  int id = 1;
  for (const Producto& p : ProductosDemo()) {
    if (p.costo == 0) continue;
    e.Inserta("admCostosHistoricos", {{"CIDCOSTOH", id++},
                                      {"CIDPRODUCTO", p.id},
                                      {"CIDALMACEN", 0},
                                      {"CFECHACOSTOH", kFechaAlta},
                                      {"CCOSTOH", p.costo},
                                      {"CULTIMOCOSTOH", p.costo}});
    for (const Almacen& a : AlmacenesDemo())
      e.Inserta("admCostosHistoricos", {{"CIDCOSTOH", id++},
                                        {"CIDPRODUCTO", p.id},
                                        {"CIDALMACEN", a.id},
                                        {"CFECHACOSTOH", kFechaAlta},
                                        {"CCOSTOH", p.costo},
                                        {"CULTIMOCOSTOH", p.costo}});
  }
}

void LlenaDemoComercial(Escritor& e) {
  LlenaCatalogosComercial(e);
  for (const Producto& p : ProductosDemo()) AgregaProducto(e, p);
  for (const VarianteProducto& v : VariantesDemo())
    e.Inserta("admProductosDetalles", {
                                          {"CIDPRODUCTO", v.id},
                                          {"CIDPRODUCTOPADRE", v.padre},
                                          {"CIDVALORCARACTERISTICA1", v.valores[0]},
                                          {"CIDVALORCARACTERISTICA2", v.valores[1]},
                                          {"CIDVALORCARACTERISTICA3", v.valores[2]},
                                      });
  for (const Componente& c : ComponentesDemo())
    e.Inserta("admComponentesPaquete",
              {{"CIDPAQUETE", c.paquete}, {"CIDPRODUCTO", c.producto}, {"CCANTIDADPRODUCTO", c.cantidad}});
  for (const Cliente& c : ClientesDemo()) AgregaCliente(e, c);
  AgregaPromociones(e);
  AgregaCapas(e);
  AgregaSeries(e);
  AgregaCostosHistoricos(e);
  int movimiento = 1;
  for (const Documento& d : DocumentosDemo()) movimiento = AgregaDocumento(e, d, movimiento);
}

}  // namespace quorvex::db::demo
