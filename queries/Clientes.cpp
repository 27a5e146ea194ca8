// The customers and suppliers listings: one SELECT per system type, whose
// column aliases are the same words in every schema so that one caller serves
// every product.
#include <charconv>
#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/SyncServermethods.h"

namespace quorvex {

namespace {

// The source of an empty column; EjecutaConsulta turns it into ''.
constexpr const char* kVacio = R"("")";

// A column of the listings: its alias and its source in each system type's
// statement; nullptr where that type's list leaves the column out.
struct Columna {
  const char* alias;
  const char* adminpaq;   // 1
  const char* comercial;  // 2
  const char* sap;        // 3
  const char* pro;        // 5
  // Comercial Pro suppliers, where they differ from its customers.
  const char* proProveedor = nullptr;
};

// SAP business-partner properties 1 and 2: the property's name when the
// partner has it.
constexpr const char* kPropiedadSap1 =
    R"(case when OCRD.QryGroup1 = "Y" then (select OCQG.GroupName from OCQG where OCQG.GroupCode = 1) else "" end)";
constexpr const char* kPropiedadSap2 =
    R"(case when OCRD.QryGroup2 = "Y" then (select OCQG.GroupName from OCQG where OCQG.GroupCode = 2) else "" end)";

// Columns 1 to 29, the same for customers and suppliers.
constexpr Columna kGenerales[] = {
    {"aliascliente", "CDENCOME01", "CDENCOMErcial", "cast(OCRD.AliasName as varchar(200))",
     "vwLBSBusinessEntityList.CommercialName"},
    {"idcliente", "cidclien01", "cidclienteproveedor", "OCRD.DocEntry", "CustomerID", "SupplierID"},
    {"calle", "MGW10011.CNOMBREC01", "MGW10011.CNOMBREcalle", "OCRD.Address", "AddressFiscalStreet"},
    {"categoríacliente1", "cat1.CNOMBREC01", "cat1.CVALORCLASIFICACION", "OCRG.GroupName", "CustomerCategory",
     "orgSupplier.SupplierCategory"},
    {"categoríacliente2", "cat2.CNOMBREC01", "cat2.CVALORCLASIFICACION", kPropiedadSap1, kVacio},
    {"categoríacliente3", "cat3.CNOMBREC01", "cat3.CVALORCLASIFICACION", kPropiedadSap2, kVacio},
    {"categoriaprecio", "CLISTAPR01", "CLISTAPReciocliente", "OCRD.ListNum", kVacio},
    {"ciudad", "CCIUDAD", "CCIUDAD", "OCRD.City", "AddressFiscalMunicipality"},
    {"colonia", "CCOLONIA", "CCOLONIA", "OCRD.Block", "AddressFiscalCity"},
    {"correocontacto", "CEMAIL", "CEMAIL", "OCRD.E_Mail", "BusinessEntityEmail"},
    {"cp", "CCODIGOP01", "CCODIGOPostal", "OCRD.ZipCode", "AddressFiscalZipCode"},
    {"curp", "CCURP", "CCURP", "OCRD.LicTradNum", kVacio},
    {"estatus", "CESTATUS", "CESTATUS", "OCRD.VatStatus", kVacio},
    {"metodopago", "CMETODOPAG", "CMETODOPAG", kVacio, "metodopago"},
    {"municipio", "CMUNICIPIO", "CMUNICIPIO", "OCRD.City", "AddressFiscalCity"},
    {"estado", "CESTADO", "CESTADO", "OCRD.State1", "AddressFiscalStateProvince"},
    {"pais", "CPAIS", "CPAIS", "OCRD.Country", "AddressFiscalCountryName"},
    {"noext", "CNUMEROE01", "CNUMEROExterior", kVacio, "AddressFiscalExtNumber"},
    {"noint", "CNUMEROI01", "CNUMEROInterior", kVacio, "AddressFiscalIntNumber"},
    {"nombrecontacto", "CREPLEGAL", "CREPLEGAL", "OCRD.CntctPrsn", "MainContactName"},
    {"numerocliente", "CCODIGOC01", "CCODIGOCliente", "OCRD.CardCode", "CustomerID", "SupplierID"},
    {"observaciones", "MGW10002.CTEXTOEX01", "MGW10002.CTEXTOEXtra1", kVacio, "orgcustomer.Comments",
     "orgSupplier.Comments"},
    {"razonsocial", "crazonso01", "crazonsocial", "OCRD.CardName", "vwLBSBusinessEntityList.OfficialName"},
    {"referenciadomicilio", "MGW10011.CTEXTOEX01", "MGW10011.CTEXTOEXtra", kVacio, kVacio},
    {"referenciapago", "CNumCtaPag", "CNumCtaPag", kVacio, kVacio},
    {"rfc", "crfc", "crfc", "OCRD.LicTradNum", "OfficialNumber"},
    {"telefono1", "CTELEFONO1", "CTELEFONO1", "OCRD.Phone1", "BusinessEntityPhone"},
    {"telefono2", "CTELEFONO2", "CTELEFONO2", "OCRD.Phone2", kVacio},
    {"telefono3", "CTELEFONO3", "CTELEFONO3", "OCRD.Fax", kVacio},
};

// The customers' columns after the 29 general ones. AdminPAQ joins only three
// classification values, so its categories 4 to 6 repeat the first.
constexpr Columna kClientes[] = {
    {"CDESCUENTODOCTO", "CDESCUEN01", "CDESCUENTODOCTO", nullptr, "orgcustomer.Discount"},
    {"CDESCUENTOMOVT", "CDESCUEN02", nullptr, nullptr, nullptr},
    {"CDESCUENTOMOVTO", nullptr, "CDESCUENTOMOVTO", nullptr, "0"},
    {"categoríacliente4", "cat1.CNOMBREC01", "cat4.CVALORCLASIFICACION", nullptr, kVacio},
    {"categoríacliente5", "cat1.CNOMBREC01", "cat5.CVALORCLASIFICACION", nullptr, kVacio},
    {"categoríacliente6", "cat1.CNOMBREC01", "cat6.CVALORCLASIFICACION", nullptr, kVacio},
    {"CIDVALORclasifcliente1", "mgw10002.CIDVALOR01", "CIDVALORclasifcliente1", nullptr, kVacio},
    {"CIDVALORclasifcliente2", "mgw10002.CIDVALOR02", "CIDVALORclasifcliente2", nullptr, kVacio},
    {"CIDVALORclasifcliente3", "mgw10002.CIDVALOR03", "CIDVALORclasifcliente3", nullptr, kVacio},
    {"CIDVALORclasifcliente4", "mgw10002.CIDVALOR04", "CIDVALORclasifcliente4", nullptr, kVacio},
    {"CIDVALORclasifcliente5", "mgw10002.CIDVALOR05", "CIDVALORclasifcliente5", nullptr, kVacio},
    {"CIDVALORclasifcliente6", "mgw10002.CIDVALOR06", "CIDVALORclasifcliente6", nullptr, kVacio},
    {"CIDAGENTE", "MGW10001.CIDAGENTE", "admAgentes.CIDAGENTE", nullptr, "SalesRepContactID"},
    {"CCODIGOAGENTE", "MGW10001.CCODIGOA01", "admAgentes.CCODIGOAGENTE", nullptr, kVacio},
    {"CNOMBREAGENTE", "MGW10001.CNOMBREA01", "admAgentes.CNOMBREAGENTE", nullptr, "ContactName"},
    {"CIDMONEDA", "CIDMONEDA", "CIDMONEDA", nullptr, "orgcustomer.CurrencyID"},
    {"CIDMONEDA2", "CIDMONEDA2", "CIDMONEDA2", nullptr, kVacio},
    {"lista", "CLISTAPR01", nullptr, nullptr, nullptr},
    {"Lista", nullptr, "CLISTAPRECIOCLIENTE", "OCRD.ListNum", kVacio},
    {"CDIASCREDITOCLIENTE", "CDIASCRE01", "CDIASCREDITOCLIENTE", "0", "0"},
    {"CLIMITECREDITOCLIENTE", "CLIMITEC01", "CLIMITECREDITOCLIENTE", nullptr, "CreditLimit"},
    {"CEMAIL1", "CEMAIL1", "CEMAIL1", nullptr, kVacio},
    {"CEMAIL2", "CEMAIL2", "CEMAIL2", nullptr, kVacio},
    {"CEMAIL3", "CEMAIL3", "CEMAIL3", nullptr, kVacio},
    {"CMETODOPAG", "CMETODOPAG", "CMETODOPAG", nullptr, "FormaPago"},
    {"CUSOCFDI", "CUSOCFDI", "CUSOCFDI", nullptr, "ReceptorUsoCFDI"},
    {"CDESGLOSAIEPS", nullptr, "CDESGLOSAI2", nullptr, nullptr},
};

// Comercial Premium databases after version 924 keep the customer's tax regime.
constexpr int kVersionRegimenFiscal = 924;
constexpr const char* kRegimenFiscal = ", CREGIMFISC CREGIMFISC";

// The suppliers' columns after the 29 general ones; SAP suppliers live in the
// Comercial Premium tables.
constexpr Columna kProveedores[] = {
    {"lista", "CLISTAPR01", nullptr, nullptr, nullptr},
    {"Lista", nullptr, "mgw10002.CLISTAPRECIOCLIENTE", "mgw10002.CLISTAPRECIOCLIENTE", "0"},
    {"CDIASCREDITOCLIENTE", "CDIASCRE01", "CDIASCREDITOCLIENTE", "CDIASCREDITOCLIENTE", "0"},
    {"CDESCUENTODOCTO", "CDESCUEN01", "CDESCUENTODOCTO", nullptr, "orgSupplier.Discount"},
    {"CDESCUENTOMOVT", "CDESCUEN02", nullptr, nullptr, nullptr},
    {"CDESCUENTOMOVTO", nullptr, "CDESCUENTOMOVTO", nullptr, nullptr},
    {"DESCUENTOMOVTO", nullptr, nullptr, nullptr, "0"},
    {"CIDMONEDA", "CIDMONEDA", "CIDMONEDA", nullptr, nullptr},
    {"CIDMONEDA2", "CIDMONEDA2", "CIDMONEDA2", nullptr, nullptr},
};

using Fuente = const char* (*)(const Columna&);
constexpr Fuente kAdminpaq = [](const Columna& c) { return c.adminpaq; };
constexpr Fuente kComercial = [](const Columna& c) { return c.comercial; };
constexpr Fuente kSap = [](const Columna& c) { return c.sap; };
constexpr Fuente kPro = [](const Columna& c) { return c.pro; };
constexpr Fuente kProProveedor = [](const Columna& c) { return c.proProveedor ? c.proProveedor : c.pro; };

// "Select source alias, ..." of the general columns and then the others.
std::string ListaSelect(Fuente generales, std::span<const Columna> resto, Fuente fuente) {
  std::string lista;
  auto agrega = [&lista](const Columna& c, Fuente f) {
    if (const char* origen = f(c)) lista += (lista.empty() ? "Select " : ", ") + std::string(origen) + " " + c.alias;
  };
  for (const Columna& c : kGenerales) agrega(c, generales);
  for (const Columna& c : resto) agrega(c, fuente);
  return lista;
}

// " left join <tabla> catN on catN.<llave> = mgw10002.<valor>N" for N = 1..n.
std::string Clasificaciones(const char* tabla, const char* llave, const char* valor, int n) {
  std::string joins;
  for (int i = 1; i <= n; ++i) {
    const std::string cat = "cat" + std::to_string(i);
    joins += std::string(" left join ") + tabla + " " + cat + " on " + cat + "." + llave + " = mgw10002." + valor +
             std::to_string(i);
  }
  return joins;
}

std::string ClasificacionesAdminpaq() { return Clasificaciones("MGW10019", "CIDCLASI01", "CIDVALOR0", 3); }

// The fiscal address of the partner.
constexpr const char* kDomicilioAdminpaq =
    " left join MGW10011 on CIDCATAL01 = mgw10002.CIDCLIEN01 and CTIPOCAT01 = 1 and CTIPODIR01 = 0";
constexpr const char* kDomicilioComercial =
    " left join admdomicilios MGW10011 on CIDCATALogo = mgw10002.CIDCLIENteproveedor and CTIPOCATalogo = 1 and "
    "CTIPODIReccion = 0";

// Suppliers of SAP companies are read from these Comercial Premium tables too.
std::string FromProveedoresComercial() {
  return "from admclientes mgw10002" +
         Clasificaciones("admClasificacionesValores", "CIDVALORCLASIFICACION", "CIDVALORCLASIFPROVEEDOR", 3) +
         kDomicilioComercial;
}

// One listing statement: its parts and the columns its filters compare.
struct Listado {
  std::string select, from, where, order;
  std::string_view rfc, razon, id, codigo;
};

std::optional<Listado> ListadoClientes(int tipoSistema, const std::function<int()>& versionBaseDatos) {
  switch (tipoSistema) {
    case 1:
      return Listado{ListaSelect(kAdminpaq, kClientes, kAdminpaq),
                     "from mgw10002 left join MGW10001 on MGW10001.CIDAGENTE = mgw10002.CIDAGENT01" +
                         ClasificacionesAdminpaq() + kDomicilioAdminpaq,
                     " Where mgw10002.ctipocli01 in (1,2) ", "Order by cidclien01",
                     "mgw10002.cRFC", "mgw10002.CRAZONSO01", "mgw10002.cidclien01", "mgw10002.CCODIGOC01"};
    case 2: {
      std::string select = ListaSelect(kComercial, kClientes, kComercial);
      if (versionBaseDatos() > kVersionRegimenFiscal) select += kRegimenFiscal;
      return Listado{std::move(select),
                     "from admclientes mgw10002"
                     " left join admAgentes on admAgentes.CIDAGENTE = mgw10002.CIDAGENTEVENTA" +
                         Clasificaciones("admClasificacionesValores", "CIDVALORCLASIFICACION",
                                         "CIDVALORclasifcliente", 6) +
                         kDomicilioComercial,
                     " where mgw10002.CTIPOCLIENTE in (1,2) ", "Order by cidclienteproveedor",
                     "mgw10002.cRFC", "mgw10002.CRAZONSOCIAL", "mgw10002.cidclienteproveedor",
                     "mgw10002.CCODIGOCliente"};
    }
    case 3:
      return Listado{ListaSelect(kSap, kClientes, kSap),
                     "from OCRD inner join OCRG on OCRG.GroupCode = ocrd.GroupCode left join OSLP on OSLP.SlpCode = "
                     "OCRD.SlpCode",
                     R"( where OCRD.CardType = "C" )", "",
                     "OCRD.LicTradNum", "OCRD.CardName", "OCRD.DocEntry", "OCRD.CardCode"};
    case 5:
      // No WHERE: the filters extend the last inner join's condition.
      return Listado{ListaSelect(kPro, kClientes, kPro),
                     "FROM dbo.orgCustomer"
                     " LEFT OUTER JOIN dbo.orgCustomerType"
                     " ON orgCustomer.CustomerTypeID = orgCustomerType.CustomerTypeID"
                     " LEFT OUTER JOIN dbo.engRefCurrency ON orgCustomer.CurrencyID = engRefCurrency.CurrencyID"
                     " LEFT OUTER JOIN dbo.engTaxType ON orgCustomer.TaxTypeID = engTaxType.TaxTypeID"
                     " LEFT OUTER JOIN dbo.vwcboCustomerDeliveryType"
                     " ON orgCustomer.DeliveryTypeID = vwcboCustomerDeliveryType.DeliveryTypeID"
                     " INNER JOIN dbo.vwLBSBusinessEntityList"
                     " ON orgCustomer.BusinessEntityID = vwLBSBusinessEntityList.BusinessEntityID"
                     " LEFT OUTER JOIN dbo.engPaymentTerm ON orgCustomer.PaymentTermID = engPaymentTerm.PaymentTermID"
                     " LEFT OUTER JOIN dbo.vwLBSContactList"
                     " ON orgCustomer.SalesRepContactID = vwLBSContactList.ContactID"
                     " INNER JOIN orgBusinessEntityMainInfo"
                     " ON orgCustomer.BusinessEntityID = orgBusinessEntityMainInfo.BusinessEntityID",
                     "  ", "",
                     "orgBusinessEntityMainInfo.OfficialNumber", "vwLBSBusinessEntityList.OfficialName", "CustomerID",
                     "CustomerID"};
    default:
      return std::nullopt;
  }
}

std::optional<Listado> ListadoProveedores(int tipoSistema) {
  switch (tipoSistema) {
    case 1:
      return Listado{ListaSelect(kAdminpaq, kProveedores, kAdminpaq),
                     "from mgw10002" + ClasificacionesAdminpaq() + kDomicilioAdminpaq,
                     " Where mgw10002.ctipocli01 in (3,2)", "",
                     "mgw10002.cRFC", {}, "mgw10002.cidclien01", "mgw10002.CCODIGOC01"};
    case 2:
    case 3:
      return Listado{ListaSelect(kComercial, kProveedores, tipoSistema == 2 ? kComercial : kSap),
                     FromProveedoresComercial(), " where mgw10002.CTIPOCLIENTE in (3,2)", "",
                     "mgw10002.cRFC", {}, "mgw10002.cidclienteproveedor", "mgw10002.CCODIGOCliente"};
    case 5:
      // The whole supplier list of business entity 1: the list and its
      // filters take SupplierID as the id and code of many suppliers, so the
      // condition does not pin it to supplier 1.
      return Listado{ListaSelect(kProProveedor, kProveedores, kPro),
                     "FROM dbo.engTaxType RIGHT OUTER JOIN"
                     " (dbo.engRefCurrency RIGHT OUTER JOIN dbo.orgSupplier"
                     " ON engRefCurrency.CurrencyID = orgSupplier.CurrencyID)"
                     " ON engTaxType.TaxTypeID = orgSupplier.TaxTypeID"
                     " INNER JOIN dbo.vwLBSBusinessEntityList"
                     " ON orgSupplier.BusinessEntityID = vwLBSBusinessEntityList.BusinessEntityID"
                     " INNER JOIN orgBusinessEntityMainInfo"
                     " ON orgSupplier.BusinessEntityID = orgBusinessEntityMainInfo.BusinessEntityID",
                     " WHERE orgSupplier.OwnedBusinessEntityID=1", "",
                     "orgBusinessEntityMainInfo.OfficialNumber", {}, "SupplierID", "SupplierID"};
    default:
      return std::nullopt;
  }
}

// The listing's filters, in the order the statement gets them; the id is
// compared as a number, the others as texts.
Filtros FiltrosListado(const Listado& listado, const std::string& RFC, const std::string& Razon,
                       const std::string& IDCliente, const std::string& NCliente) {
  Filtros filtros(listado.where);
  filtros.AgregaWhereL(listado.rfc, 1, "=", RFC);
  filtros.AgregaWhereL(listado.razon, 1, "=", Razon);
  filtros.AgregaWhereL(listado.id, 0, "=", IDCliente);
  filtros.AgregaWhereL(listado.codigo, 1, "=", NCliente);
  return filtros;
}

std::string Sentencia(const Listado& listado, const Filtros& filtros) {
  return listado.select + " " + listado.from + " " + filtros.Where() + " " + listado.order;
}

int VersionLeida(db::Cursor& filas) {
  if (!filas.Siguiente()) return 0;
  if (filas.Tipo(0) == db::TipoDato::Entero) return static_cast<int>(filas.Entero(0));
  const std::string_view texto = filas.Texto(0);
  int version = 0;
  const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), version);
  if (error != std::errc{} || fin != texto.data() + texto.size() || texto.empty())
    throw std::runtime_error("'" + std::string(texto) + "' no es un valor entero válido");
  return version;
}

}  // namespace

int TServerMethodsSync::VersionBaseDatos() {
  if (versionBaseDatos_) return *versionBaseDatos_;
  auto consulta = Prepara("Select CVERSIONACTUAL from  admParametros");
  versionBaseDatos_ = VersionLeida(consulta->Abre());
  return *versionBaseDatos_;
}

DataSet TServerMethodsSync::GetClientesCompleto(const std::string& Token, const std::string& RFC,
                                                const std::string& IDCliente, const std::string& NCliente,
                                                const std::string& Razon) {
  if (!ValidaToken(Token)) return nullptr;
  const auto listado = ListadoClientes(TipoSistema(), [this] { return VersionBaseDatos(); });
  if (!listado) return nullptr;
  const Filtros filtros = FiltrosListado(*listado, RFC, Razon, IDCliente, NCliente);
  return EjecutaConsulta(Sentencia(*listado, filtros), filtros);
}

DataSet TServerMethodsSync::GetProveedoresCompleto(const std::string& Token, const std::string& RFC,
                                                   const std::string& IDCliente, const std::string& NCliente) {
  if (!ValidaToken(Token)) return nullptr;
  const auto listado = ListadoProveedores(TipoSistema());
  if (!listado) return nullptr;
  const Filtros filtros = FiltrosListado(*listado, RFC, {}, IDCliente, NCliente);
  return EjecutaConsulta(Sentencia(*listado, filtros), filtros);
}

}  // namespace quorvex
