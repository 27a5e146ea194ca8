// The demo company as a Comercial Pro database (proDemo). Business entity 1
// is the company; partner n of the catalogue is business entity n + 1, its
// customer id is n and its main contact 100 + n; employees are contacts 1 to
// 5 (1 to 4 the agents). Documents mirror the Comercial Premium ones: one
// item per movement (per variant for matrix products, keyed by the short
// names of size and colour) and one stock-ledger row per item that moves
// stock or is still to be delivered.
#include <cstdio>
#include <string>

#include "db/demo/Catalogo.h"
#include "db/demo/DatosDemo.h"

namespace quorvex::db::demo {
namespace {

constexpr int kModuloVentas = 155, kModuloCompras = 160, kModuloInventarios = 170;

int EntidadDe(int cliente) { return cliente + 1; }

int Modulo(const DocumentoModelo& m) {
  if (m.proveedor) return kModuloCompras;
  return m.id >= 32 ? kModuloInventarios : kModuloVentas;
}

// 1 customer, 2 supplier, 3 internal.
int Destinatario(const DocumentoModelo& m) {
  const int modulo = Modulo(m);
  return modulo == kModuloVentas ? 1 : modulo == kModuloCompras ? 2 : 3;
}

constexpr std::pair<const char*, const char*> kClavesProdServ[]{
    {"01010101", "No existe en el catálogo"},
    {"14111704", "Papel higiénico"},
    {"27111701", "Destornilladores"},
    {"27111801", "Cintas métricas"},
    {"27112700", "Herramientas eléctricas"},
    {"31161500", "Tornillos"},
    {"31162001", "Clavos"},
    {"47131803", "Limpiadores de uso general"},
    {"47131807", "Detergentes"},
    {"47131810", "Blanqueadores"},
    {"50121537", "Atún"},
    {"50131702", "Leche en polvo"},
    {"50151513", "Aceites vegetales comestibles"},
    {"50161509", "Azúcar"},
    {"50171551", "Sal"},
    {"50181903", "Galletas"},
    {"50201706", "Café instantáneo"},
    {"50202301", "Agua embotellada"},
    {"50202304", "Jugos"},
    {"50202306", "Refrescos"},
    {"50221101", "Arroz"},
    {"50221102", "Frijoles"},
    {"50221200", "Harinas"},
    {"53101602", "Camisas"},
    {"53102501", "Camisetas"},
    {"53102503", "Gorras"},
    {"53131608", "Jabones"},
    {"72151500", "Servicios de instalación"},
    {"78102203", "Servicios de envío y entrega"},
};

constexpr int kDiasPlazo[]{0, 7, 15, 30, 45, 60};

int Plazo(int dias) {
  for (int i = 0; i < static_cast<int>(std::size(kDiasPlazo)); ++i)
    if (kDiasPlazo[i] == dias) return i + 1;
  return 1;
}

// The name of a classification value, empty for none.
std::string_view Categoria(int valor) { return valor == 0 ? "" : NombreValorClasificacion(valor); }

std::string_view Nemo(int valorCaracteristica) {
  for (const ValorCaracteristica& v : ValoresCaracteristicaDemo())
    if (v.id == valorCaracteristica) return v.nemo;
  return "";
}

void LlenaCatalogos(Escritor& e) {
  e.Inserta("engRefCurrency", {{"CurrencyID", 1}, {"CurrencyCode", "MXN"}, {"CurrencyName", "Peso mexicano"}});
  e.Inserta("engRefCurrency", {{"CurrencyID", 2}, {"CurrencyCode", "USD"}, {"CurrencyName", "Dólar estadounidense"}});
  e.Inserta("engTaxType", {{"TaxTypeID", 1}, {"TaxTypeName", "IVA 16 %"}, {"TaxPerc", 0.16}});
  e.Inserta("engTaxType", {{"TaxTypeID", 2}, {"TaxTypeName", "IVA 0 %"}, {"TaxPerc", 0.0}});
  e.Inserta("engTaxType", {{"TaxTypeID", 3}, {"TaxTypeName", "Exento"}, {"TaxPerc", 0.0}});
  for (int i = 0; i < static_cast<int>(std::size(kDiasPlazo)); ++i) {
    const int dias = kDiasPlazo[i];
    e.Inserta("engPaymentTerm", {{"PaymentTermID", i + 1},
                                 {"PaymentTermName", dias == 0 ? "Contado" : "Crédito " + std::to_string(dias) + " días"},
                                 {"Days", dias}});
  }
  e.Inserta("engDepotType", {{"DepotTypeID", 1}, {"DepotType", "Almacén"}});
  e.Inserta("engDepotType", {{"DepotTypeID", 2}, {"DepotType", "Sucursal"}});
  e.Inserta("engDepotType", {{"DepotTypeID", 8}, {"DepotType", "Consignación"}});
  for (const Unidad& u : UnidadesDemo())
    e.Inserta("vwcboAnexo20v33_ClaveUnidad", {{"ClaveUnidad", u.claveSat}, {"Nombre", u.nombre}});
  for (const auto& [clave, descripcion] : kClavesProdServ)
    e.Inserta("vwcboAnexo20v33_ClaveProdServ", {{"ClaveProdServ", clave}, {"Descripcion", descripcion}});
  constexpr const char* kGarantias[]{"Sin garantía", "3 meses", "6 meses", "1 año"};
  for (int i = 0; i < 4; ++i) e.Inserta("vwcboWarantyPeriod", {{"ID", i}, {"WarantyPeriod", kGarantias[i]}});
  constexpr const char* kEntregas[]{"Entrega a domicilio", "Recoge en sucursal", "Paquetería"};
  for (int i = 0; i < 3; ++i) e.Inserta("vwcboCustomerDeliveryType", {{"DeliveryTypeID", i + 1}, {"DeliveryType", kEntregas[i]}});
  for (const DocumentoModelo& m : DocumentosModelo())
    e.Inserta("vwLBSModuleDocumentTypeName", {
                                                 {"ModuleID", Modulo(m)},
                                                 {"DocumentTypeID", m.id},
                                                 {"ModuleName", m.descripcion},
                                                 {"DocRecipient", m.id},
                                             });
  e.Inserta("orgCustomerType", {{"CustomerTypeID", 1}, {"CustomerTypeName", "Mayoreo"}});
  e.Inserta("orgCustomerType", {{"CustomerTypeID", 2}, {"CustomerTypeName", "Menudeo"}});
  e.Inserta("orgCustomerType", {{"CustomerTypeID", 3}, {"CustomerTypeName", "Público en general"}});
}

void AgregaEntidad(Escritor& e, int id, const std::string& nombre, const std::string& razon, const std::string& rfc,
                   const Cliente* c, const Domicilio& d) {
  e.Inserta("orgBusinessEntity", {
                                     {"BusinessEntityID", id},
                                     {"CommercialName", nombre},
                                     {"Email", d.email},
                                     {"Phone", d.telefono},
                                     {"MainContactID", c != nullptr ? 100 + c->id : 1},
                                     {"MetodoPago", c != nullptr && c->diasCredito > 0 ? "PPD" : "PUE"},
                                 });
  e.Inserta("orgBusinessEntityMainInfo", {
                                             {"BusinessEntityID", id},
                                             {"OfficialName", razon},
                                             {"OfficialNumber", rfc},
                                             {"FormaPago", c != nullptr ? c->metodoPago : "03"},
                                             {"ReceptorUsoCFDI", c != nullptr ? c->usoCfdi : "G03"},
                                             {"RegimenFiscal", c != nullptr ? c->regimen : "601"},
                                         });
  e.Inserta("orgAddress", {
                              {"AddressID", id},
                              {"BusinessEntityID", id},
                              {"AddressTypeID", 1},
                              {"Street", d.calle},
                              {"ExtNumber", d.exterior},
                              {"IntNumber", d.interior},
                              {"City", d.colonia},
                              {"Municipality", d.municipio},
                              {"StateProvince", d.estado},
                              {"CountryName", d.pais},
                              {"ZipCode", d.codigoPostal},
                          });
}

void LlenaPartes(Escritor& e) {
  Domicilio empresa;
  empresa.calle = "Av. 5 de Febrero";
  empresa.exterior = "1204";
  empresa.colonia = "Parque Industrial Benito Juárez";
  empresa.codigoPostal = "76120";
  empresa.ciudad = empresa.municipio = empresa.estado = "Querétaro";
  empresa.telefono = "442 215 0000";
  empresa.email = "ventas@losalamos.com.mx";
  AgregaEntidad(e, 1, "Comercializadora Los Álamos", kNombreEmpresa, kRfcEmpresa, nullptr, empresa);

  for (const Agente& a : AgentesDemo()) {
    e.Inserta("orgContact", {{"ContactID", a.id}, {"BusinessEntityID", 1}, {"ContactName", a.nombre}});
    e.Inserta("orgEmployee", {{"ContactID", a.id}, {"EmployeeNumber", a.codigo}, {"SalesPosition", a.tipo != 3 ? 1 : 0}});
  }
  e.Inserta("orgContact", {{"ContactID", 5}, {"BusinessEntityID", 1}, {"ContactName", "Laura Beatriz Campos Díaz"}});
  e.Inserta("orgEmployee", {{"ContactID", 5}, {"EmployeeNumber", "EMP005"}, {"SalesPosition", 0}});

  int proveedor = 0;
  // Suppliers proper first, so that supplier 1 is the main one.
  for (int tipo : {3, 2})
    for (const Cliente& c : ClientesDemo())
      if (c.tipo == tipo) {
        const bool importador = c.clasificacionesProveedor[0] == kProveedorImportacion;
        e.Inserta("orgSupplier", {
                                     {"SupplierID", ++proveedor},
                                     {"BusinessEntityID", EntidadDe(c.id)},
                                     {"SupplierCategory", Categoria(c.clasificacionesProveedor[0])},
                                     {"CurrencyID", importador ? 2 : 1},
                                     {"TaxTypeID", 1},
                                 });
      }
  for (const Cliente& c : ClientesDemo()) {
    const int entidad = EntidadDe(c.id);
    AgregaEntidad(e, entidad, c.comercial.empty() ? c.razon : c.comercial, c.razon, c.rfc, &c, c.domicilio);
    e.Inserta("orgContact", {{"ContactID", 100 + c.id}, {"BusinessEntityID", entidad}, {"ContactName", c.representante},
                             {"Email", c.email}, {"Phone", c.domicilio.telefono}});
    if (c.tipo == 3) continue;
    const int tipoCliente = c.rfc == "XAXX010101000" ? 3 : c.lista == 3 ? 1 : 2;
    e.Inserta("orgCustomer", {
                                 {"CustomerID", c.id},
                                 {"BusinessEntityID", entidad},
                                 {"CustomerTypeID", tipoCliente},
                                 {"CustomerCategory", Categoria(c.clasificaciones[1])},
                                 {"TaxTypeID", 1},
                                 {"DeliveryTypeID", 1},
                                 {"PaymentTermID", Plazo(c.diasCredito)},
                                 {"SalesRepContactID", c.agente},
                                 {"CreditLimit", c.limiteCredito},
                                 {"Comments", c.observaciones},
                             });
  }
}

void LlenaProductos(Escritor& e) {
  for (const Almacen& a : AlmacenesDemo())
    e.Inserta("orgDepot", {
                              {"DepotID", a.id},
                              {"DepotName", a.nombre},
                              {"DepotTypeID", a.id == 3 ? 8 : a.id},
                              {"StateProvince", "Querétaro"},
                              {"City", "Querétaro"},
                          });
  for (const Producto& p : ProductosDemo()) {
    e.Inserta("engRefMultilingual", {{"ResID", p.id}, {"ResText", p.nombre}});
    e.Inserta("orgProduct", {
                                {"ProductID", p.id},
                                {"ProductKey", p.codigo},
                                {"ProductName", p.nombre},
                                {"ResIDProductName", p.id},
                                {"ProductTypeID", p.tipo == 3 ? 4 : p.tipo == 2 ? 3 : 1},
                                {"ProductIsMatrix", p.control == 2 ? 1 : 0},
                                {"Category1", Categoria(p.clasificaciones[0])},
                                {"Category2", Categoria(p.clasificaciones[1])},
                                {"ClaveUnidad", UnidadDemo(p.unidadBase).claveSat},
                                {"ClaveProdServ", p.claveSat},
                                {"TaxTypeID", p.iva > 0 ? 1 : 2},
                                {"WarantyPeriodID", p.control == 4 ? 3 : 0},
                                {"CostPrice", p.costo},
                                {"PriceList", p.precio},
                            });
  }
}

void LlenaDocumentos(Escritor& e) {
  int partida = 0, kardex = 0;
  for (const Documento& d : DocumentosDemo()) {
    const DocumentoModelo& modelo = Modelo(d.documentoDe);
    char folio[32];
    std::snprintf(folio, sizeof folio, "%s%.0f", d.serie.c_str(), d.folio);
    e.Inserta("docDocument", {
                                 {"DocumentID", d.id},
                                 {"ModuleID", Modulo(modelo)},
                                 {"DocumentTypeID", d.documentoDe},
                                 {"Folio", folio},
                                 {"DateDocument", d.fecha},
                                 {"BusinessEntityID", d.cliente != 0 ? EntidadDe(d.cliente) : 1},
                                 {"CancelledOn", d.cancelado ? Dato(d.fecha) : Dato(nullptr)},
                             });
    // Quotes never move stock; orders are still to be delivered.
    const bool porEntregar = d.documentoDe == 2 || d.documentoDe == 17;
    for (const Movimiento& m : d.movimientos) {
      const int afecta = AfectaExistencia(d, m);
      std::vector<std::pair<int, double>> partes;  // variant (0: none), units
      if (m.variantes.empty()) partes.emplace_back(0, m.unidades);
      for (const Variante& v : m.variantes) partes.emplace_back(v.producto, v.unidades);
      for (const auto& [variante, unidades] : partes) {
        std::string_view talla, color;
        for (const VarianteProducto& v : VariantesDemo())
          if (v.id == variante) {
            talla = Nemo(v.valores[0]);
            color = Nemo(v.valores[1]);
          }
        e.Inserta("docDocumentItem", {
                                         {"DocumentItemID", ++partida},
                                         {"DocumentID", d.id},
                                         {"MatrixKey1", talla},
                                         {"MatrixKey2", color},
                                     });
        if (afecta == 0 && !porEntregar) continue;
        e.Inserta("orgProductKardex", {
                                          {"ProductKardexID", ++kardex},
                                          {"ProductID", m.producto},
                                          {"DepotID", m.almacen},
                                          {"DocumentID", d.id},
                                          {"DocumentItemID", partida},
                                          {"DocRecipientID", Destinatario(modelo)},
                                          {"Quantity", afecta == 1 ? unidades : afecta == 2 ? -unidades : 0.0},
                                          {"QuantityToBeDelivered", porEntregar ? unidades : 0.0},
                                          {"Cancelled", d.cancelado ? 1 : 0},
                                      });
      }
    }
  }
}

}  // namespace

void LlenaDemoComercialPro(Escritor& e) {
  LlenaCatalogos(e);
  LlenaPartes(e);
  LlenaProductos(e);
  LlenaDocumentos(e);
}

}  // namespace quorvex::db::demo
