// The demo company as an AdminPAQ database (apDemo). AdminPAQ keeps stock per
// fiscal year: year 1 is 2024, year 2 (the current one) is 2025 and opens
// with the stock 2024 left.
#include "db/demo/Catalogo.h"
#include "db/demo/DatosDemo.h"

namespace quorvex::db::demo {
namespace {

constexpr const char* kFechaAlta = "2024-06-03 00:00:00.000";
constexpr const char* kValores[]{"CIDVALOR01", "CIDVALOR02", "CIDVALOR03", "CIDVALOR04", "CIDVALOR05", "CIDVALOR06"};
constexpr const char* kPrecios[]{"CPRECIO1", "CPRECIO2", "CPRECIO3", "CPRECIO4", "CPRECIO5",
                                 "CPRECIO6", "CPRECIO7", "CPRECIO8", "CPRECIO9", "CPRECIO10"};

void AgregaClienteAdminpaq(Escritor& e, const Cliente& c) {
  const auto& valores = c.tipo == 3 ? c.clasificacionesProveedor : c.clasificaciones;
  std::vector<Campo> campos{
      {"CIDCLIEN01", c.id},
      {"CCODIGOC01", c.codigo},
      {"CRAZONSO01", c.razon},
      {"CFECHAAL01", c.fechaAlta},
      {"CRFC", c.rfc},
      {"CCURP", c.curp},
      {"CDENCOME01", c.comercial.empty() ? c.razon : c.comercial},
      {"CREPLEGAL", c.representante},
      {"CLISTAPR01", c.lista},
      {"CDESCUEN01", c.descuento},
      {"CTIPOCLI01", c.tipo},
      {"CESTATUS", c.estatus},
      {"CIDAGENT01", c.agente},
      {"CLIMITEC01", c.limiteCredito},
      {"CDIASCRE01", c.diasCredito},
      {"CTEXTOEX01", c.observaciones},
      {"CEMAIL1", c.email},
      {"CMETODOPAG", c.metodoPago},
      {"CUSOCFDI", c.usoCfdi},
  };
  for (std::size_t n = 0; n < valores.size(); ++n) campos.push_back({kValores[n], valores[n]});
  e.Inserta("MGW10002", campos);

  const Domicilio& d = c.domicilio;
  e.Inserta("MGW10011", {
                            {"CIDDIREC01", d.id},
                            {"CIDCATAL01", c.id},
                            {"CTIPOCAT01", 1},
                            {"CTIPODIR01", 0},
                            {"CNOMBREC01", d.calle},
                            {"CNUMEROE01", d.exterior},
                            {"CNUMEROI01", d.interior},
                            {"CCOLONIA", d.colonia},
                            {"CCODIGOP01", d.codigoPostal},
                            {"CTELEFONO1", d.telefono},
                            {"CEMAIL", d.email},
                            {"CPAIS", d.pais},
                            {"CESTADO", d.estado},
                            {"CCIUDAD", d.ciudad},
                            {"CMUNICIPIO", d.municipio},
                        });
}

void AgregaProductoAdminpaq(Escritor& e, const Producto& p) {
  std::vector<Campo> campos{
      {"CIDPRODU01", p.id},
      {"CCODIGOP01", p.codigo},
      {"CNOMBREP01", p.nombre},
      {"CTIPOPRO01", p.tipo},
      {"CFECHAAL01", p.fechaAlta},
      {"CSTATUSP01", p.estatus},
      {"CIDUNIDA01", p.unidadBase},
      {"CCOSTOES01", p.costo},
      {"CIMPUESTO1", p.iva},
      {"CCODALTERN", p.codigoAlterno},
  };
  for (int n = 1; n <= 10; ++n) campos.push_back({kPrecios[n - 1], Precio(p, n)});
  for (std::size_t n = 0; n < p.clasificaciones.size(); ++n) campos.push_back({kValores[n], p.clasificaciones[n]});
  e.Inserta("MGW10005", campos);
}

void AgregaExistencias(Escritor& e) {
  auto existencia = [&](int ejercicio, const std::pair<int, int>& clave, const Flujo& f) {
    e.Inserta("MGW10030", {
                              {"CIDEJERC01", ejercicio},
                              {"CIDALMACEN", clave.second},
                              {"CIDPRODU01", clave.first},
                              {"CTIPOEXI01", 1},
                              {"CENTRADA13", f.entradas},
                              {"CSALIDAS13", f.salidas},
                          });
  };
  auto actual = FlujosDemo("2025", "2026");
  for (const auto& [clave, f] : FlujosDemo("", "2025")) {
    existencia(1, clave, f);
    actual[clave].entradas += f.entradas - f.salidas;
  }
  for (const auto& [clave, f] : actual) existencia(2, clave, f);
}

}  // namespace

void LlenaDemoAdminpaq(Escritor& e) {
  e.Inserta("MGW10000", {
                            {"CIDEMPRESA", 1},
                            {"CNOMBREE01", kNombreEmpresa},
                            {"CRFCEMPR01", kRfcEmpresa},
                            {"CIDEJERC01", 2},
                        });
  for (const Agente& a : AgentesDemo())
    e.Inserta("MGW10001", {
                              {"CIDAGENTE", a.id},
                              {"CCODIGOA01", a.codigo},
                              {"CNOMBREA01", a.nombre},
                              {"CFECHAAL01", kFechaAlta},
                              {"CTIPOAGE01", a.tipo},
                              {"CCOMISIO01", a.comisionVenta},
                              {"CCOMISIO02", a.comisionCobro},
                          });
  for (const Almacen& a : AlmacenesDemo())
    e.Inserta("MGW10003", {
                              {"CIDALMACEN", a.id},
                              {"CCODIGOA01", a.codigo},
                              {"CNOMBREA01", a.nombre},
                              {"CFECHAAL01", kFechaAlta},
                          });
  for (const Concepto& c : ConceptosDemo()) {
    const DocumentoModelo& m = Modelo(c.documentoDe);
    e.Inserta("MGW10006", {
                              {"CIDCONCE01", c.id},
                              {"CCODIGOC01", c.codigo},
                              {"CNOMBREC01", c.nombre},
                              {"CIDDOCUM01", c.documentoDe},
                              {"CNATURAL01", m.naturaleza},
                              {"CESCFD", m.cfdi ? 1 : 0},
                              {"CSERIEPO01", c.serie},
                          });
  }
  for (const Clasificacion& c : ClasificacionesDemo())
    e.Inserta("MGW10019", {{"CIDCLASI01", c.id}, {"CNOMBREC01", c.nombre}});
  for (const ValorClasificacion& v : ValoresClasificacionDemo())
    e.Inserta("MGW10020", {
                              {"CIDVALOR01", v.id},
                              {"CVALORCL01", v.valor},
                              {"CIDCLASI01", v.clasificacion},
                              {"CCODIGOV01", v.codigo},
                          });
  for (const Unidad& u : UnidadesDemo())
    e.Inserta("MGW10026", {
                              {"CIDUNIDAD", u.id},
                              {"CNOMBREU01", u.nombre},
                              {"CABREVIA01", u.abreviatura},
                              {"CDESPLIE01", u.despliegue},
                          });
  for (const Cliente& c : ClientesDemo()) AgregaClienteAdminpaq(e, c);
  for (const Producto& p : ProductosDemo()) AgregaProductoAdminpaq(e, p);
  AgregaExistencias(e);
}

}  // namespace quorvex::db::demo
