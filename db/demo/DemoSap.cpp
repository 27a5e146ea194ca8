// The demo company as a SAP Business One database (sapDemo): business
// partners grouped by line of business, items grouped by product line with
// price lists 1 and 2, stock per warehouse, and every warehouse already given
// its id in Ids001.
#include <string>

#include "db/demo/Catalogo.h"
#include "db/demo/DatosDemo.h"

namespace quorvex::db::demo {
namespace {

// Business-partner groups: 100 for customers without a line of business,
// otherwise 100 + the classification value of the customer's line of
// business or of the supplier's kind.
constexpr int kGrupoBase = 100;

int Grupo(const Cliente& c) { return kGrupoBase + (c.tipo == 3 ? c.clasificacionesProveedor[0] : c.clasificaciones[1]); }

const char* SiNo(bool valor) { return valor ? "Y" : "N"; }

struct DireccionAlmacen {
  const char* calle;
  const char* colonia;
  const char* codigoPostal;
};

constexpr DireccionAlmacen kDirecciones[]{
    {"Av. 5 de Febrero 1204", "Parque Industrial Benito Juárez", "76120"},
    {"Calle Madero 45", "Centro", "76000"},
    {"Carretera a Celaya km 3.5", "El Pueblito", "76900"},
};

}  // namespace

void LlenaDemoSap(Escritor& e) {
  e.Inserta("OCRG", {{"GroupCode", kGrupoBase}, {"GroupName", "Otros clientes"}, {"GroupType", "C"}});
  for (const ValorClasificacion& v : ValoresClasificacionDemo())
    if (v.clasificacion == kClasificacionGiro || v.clasificacion == kClasificacionTipoProveedor)
      e.Inserta("OCRG", {{"GroupCode", kGrupoBase + v.id},
                         {"GroupName", v.valor},
                         {"GroupType", v.clasificacion == kClasificacionGiro ? "C" : "S"}});
  e.Inserta("OCQG", {{"GroupCode", 1}, {"GroupName", "Cliente preferente"}});
  e.Inserta("OCQG", {{"GroupCode", 2}, {"GroupName", "Crédito autorizado"}});

  e.Inserta("OSLP", {{"SlpCode", -1}, {"SlpName", "-Ningún empleado del departamento de ventas-"}});
  for (const Agente& a : AgentesDemo())
    e.Inserta("OSLP", {
                          {"SlpCode", a.id},
                          {"SlpName", a.nombre},
                          {"Commission", a.comisionVenta},
                          {"EmpID", a.id},
                      });

  for (const Cliente& c : ClientesDemo()) {
    const Domicilio& d = c.domicilio;
    std::string direccion = d.calle + " " + d.exterior;
    if (!d.interior.empty()) direccion += ", " + d.interior;
    e.Inserta("OCRD", {
                          {"DocEntry", c.id},
                          {"CardCode", c.codigo},
                          {"CardName", c.razon},
                          {"CardType", c.tipo == 3 ? "S" : "C"},
                          {"GroupCode", Grupo(c)},
                          {"AliasName", c.comercial},
                          {"Address", direccion},
                          {"Block", d.colonia},
                          {"City", d.ciudad},
                          {"ZipCode", d.codigoPostal},
                          {"State1", d.estado},
                          {"Country", "MX"},
                          {"E_Mail", c.email},
                          {"Phone1", d.telefono},
                          {"CntctPrsn", c.representante},
                          {"LicTradNum", c.rfc},
                          {"ListNum", c.lista},
                          {"SlpCode", c.agente != 0 ? c.agente : -1},
                          {"QryGroup1", SiNo(c.lista >= 2)},
                          {"QryGroup2", SiNo(c.limiteCredito > 0)},
                      });
  }

  for (const ValorClasificacion& v : ValoresClasificacionDemo())
    if (v.clasificacion == kClasificacionLinea) e.Inserta("OITB", {{"ItmsGrpCod", v.id}, {"ItmsGrpNam", v.valor}});
  constexpr const char* kPropiedades[]{"Importado", "Con número de serie", "Con lote", "Con pedimento",
                                       "Descontinuado"};
  for (int n = 1; n <= 5; ++n) e.Inserta("OITG", {{"ItmsTypCod", n}, {"ItmsGrpNam", kPropiedades[n - 1]}});

  const auto flujos = FlujosDemo();
  for (const Producto& p : ProductosDemo()) {
    double existencia = 0;
    for (const auto& [clave, f] : flujos)
      if (clave.first == p.id) existencia += f.entradas - f.salidas;
    e.Inserta("OITM", {
                          {"DocEntry", p.id},
                          {"ItemCode", p.codigo},
                          {"ItemName", p.nombre},
                          {"ItmsGrpCod", p.clasificaciones[0]},
                          {"CodeBars", p.codigoAlterno},
                          {"ItemClass", p.tipo == 3 ? "1" : "2"},
                          {"BaseUnit", UnidadDemo(p.unidadBase).nombre},
                          {"LastPurPrc", p.costo},
                          {"OnHand", existencia},
                          {"Deleted", SiNo(p.estatus == 0)},
                          {"QryGroup1", SiNo(p.clasificaciones[1] == kOrigenImportado)},
                          {"QryGroup2", SiNo(p.control == 4)},
                          {"QryGroup3", SiNo(p.control == 8)},
                          {"QryGroup4", SiNo(p.control == 16)},
                          {"QryGroup5", SiNo(p.estatus == 0)},
                      });
    for (int lista : {1, 2})
      e.Inserta("ITM1", {{"ItemCode", p.codigo}, {"PriceList", lista}, {"Price", Precio(p, lista)}, {"Currency", "MXN"}});
  }

  for (const Almacen& a : AlmacenesDemo()) {
    const DireccionAlmacen& d = kDirecciones[a.id - 1];
    e.Inserta("OWHS", {
                          {"WhsCode", a.codigo},
                          {"WhsName", a.nombre},
                          {"Street", d.calle},
                          {"Block", d.colonia},
                          {"ZipCode", d.codigoPostal},
                          {"City", "Querétaro"},
                      });
    e.Inserta("Ids001", {{"Id", a.id}, {"Codigo", a.codigo}, {"Tabla", "Almacenes"}});
  }
  for (const auto& [clave, f] : flujos)
    e.Inserta("OITW", {
                          {"ItemCode", ProductoDemo(clave.first).codigo},
                          {"WhsCode", AlmacenDemo(clave.second).codigo},
                          {"OnHand", f.entradas - f.salidas},
                      });
}

}  // namespace quorvex::db::demo
