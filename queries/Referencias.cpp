// Reference data a caller reads before writing documents: agents,
// warehouses, the last folio of a concept and series, and the concepts.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/SyncServermethods.h"

namespace quorvex {

namespace {

constexpr const char* kAgentesAdminpaq =
    "Select CIDAGENTE, CCODIGOA01 CCODIGOAGENTE, CNOMBREA01 CNOMBREAGENTE, CTIPOAGE01 CTIPOAGENTE, "
    "CCOMISIO01 CCOMISIONVENTAAGENTE, CCOMISIO02 CCOMISIONCOBROAGENTE, CIDVALOR01 CIDVALORCLASIFICACION1, "
    "CIDVALOR02 CIDVALORCLASIFICACION2, CIDVALOR03 CIDVALORCLASIFICACION3, CIDVALOR04 CIDVALORCLASIFICACION4, "
    "CIDVALOR05 CIDVALORCLASIFICACION5, CTEXTOEX01 CTEXTOEXTRA1, CTEXTOEX02 CTEXTOEXTRA2, CTEXTOEX03 CTEXTOEXTRA3"
    " from MGW10001";
constexpr const char* kAgentesComercial =
    "Select CIDAGENTE, CCODIGOAGENTE, CNOMBREAGENTE, CTIPOAGENTE, CCOMISIONVENTAAGENTE, CCOMISIONCOBROAGENTE, "
    "CIDVALORCLASIFICACION1, CIDVALORCLASIFICACION2, CIDVALORCLASIFICACION3, CIDVALORCLASIFICACION4, "
    "CIDVALORCLASIFICACION5, CTEXTOEXTRA1, CTEXTOEXTRA2, CTEXTOEXTRA3"
    " from admAgentes ";
// SAP sales employees.
constexpr const char* kAgentesSap =
    "Select SlpCode CIDAGENTE, SlpCode CCODIGOAGENTE, SlpName CNOMBREAGENTE, 1 CTIPOAGENTE, "
    "Commission CCOMISIONVENTAAGENTE, Commission CCOMISIONCOBROAGENTE, 2 CIDVALORCLASIFICACION1, "
    "2 CIDVALORCLASIFICACION2, 2 CIDVALORCLASIFICACION3, 2 CIDVALORCLASIFICACION4, 2 CIDVALORCLASIFICACION5, "
    "GroupCode CTEXTOEXTRA1, Locked CTEXTOEXTRA2, EmpID CTEXTOEXTRA3"
    " from oslp ";
constexpr const char* kAgentesPro =
    R"(Select ContactID CIDAGENTE, EmployeeNumber CCODIGOAGENTE, Employee CNOMBREAGENTE, 0 CTIPOAGENTE, )"
    R"(0 CCOMISIONVENTAAGENTE, 0 CCOMISIONCOBROAGENTE, "" CIDVALORCLASIFICACION1, "" CIDVALORCLASIFICACION2, )"
    R"("" CIDVALORCLASIFICACION3, "" CIDVALORCLASIFICACION4, "" CIDVALORCLASIFICACION5, "" CTEXTOEXTRA1, )"
    R"("" CTEXTOEXTRA2, "" CTEXTOEXTRA3)"
    " FROM vwLBSEmployeeList "
    "WHERE SalesPosition=1 AND OwnedBusinessEntityID=1";

constexpr const char* kAlmacenesAdminpaq =
    "Select CIDALMACEN, CCODIGOA01 CCODIGOALMACEN, CNOMBREA01 CNOMBREALMACEN, CIDVALOR01 CIDVALORCLASIFICACION1, "
    "CIDVALOR02 CIDVALORCLASIFICACION2, CIDVALOR03 CIDVALORCLASIFICACION3, CIDVALOR04 CIDVALORCLASIFICACION4, "
    "CIDVALOR05 CIDVALORCLASIFICACION5, CTEXTOEX01 CTEXTOEXTRA1, CTEXTOEX02 CTEXTOEXTRA2, CTEXTOEX03 CTEXTOEXTRA3"
    " from MGW10003";
constexpr const char* kAlmacenesComercial =
    "Select CIDALMACEN, CCODIGOALMACEN, CNOMBREALMACEN, CIDVALORCLASIFICACION1, CIDVALORCLASIFICACION2, "
    "CIDVALORCLASIFICACION3, CIDVALORCLASIFICACION4, CIDVALORCLASIFICACION5, CTEXTOEXTRA1, CTEXTOEXTRA2, "
    "CTEXTOEXTRA3"
    " from admAlmacenes";
constexpr const char* kAlmacenesSap =
    "Select Ids001.Id CIDALMACEN, OWHS.WhsCode CCODIGOALMACEN, OWHS.WhsName CNOMBREALMACEN, "
    "2 CIDVALORCLASIFICACION1, 2 CIDVALORCLASIFICACION2, 2 CIDVALORCLASIFICACION3, 2 CIDVALORCLASIFICACION4, "
    "2 CIDVALORCLASIFICACION5, OWHS.Street CTEXTOEXTRA1, OWHS.Block CTEXTOEXTRA2, OWHS.ZipCode CTEXTOEXTRA3"
    " from OWHS inner join Ids001 on (Ids001.Codigo = OWHS.WhsCode)";
// SAP warehouse codes are texts; Ids001 gives each new one the whole-number id
// that callers use as CIDALMACEN (Ids001.Id numbers itself).
constexpr const char* kIdsAlmacenesSap =
    "Insert into Ids001 (Codigo, Tabla)\n"
    "Select WhsCode, 'Almacenes' \n"
    "from OWHS \n"
    "where WhsCode not in (select Codigo from Ids001 where Tabla = 'Almacenes')";
constexpr const char* kAlmacenesPro =
    "Select DepotID CIDALMACEN, DepotID CCODIGOALMACEN, DepotName CNOMBREALMACEN, 0 CIDVALORCLASIFICACION1, "
    "0 CIDVALORCLASIFICACION2, 0 CIDVALORCLASIFICACION3, 0 CIDVALORCLASIFICACION4, 0 CIDVALORCLASIFICACION5, "
    "DepotType CTEXTOEXTRA1, StateProvince CTEXTOEXTRA2, City CTEXTOEXTRA3"
    " FROM vwLBSDepotList "
    "WHERE OwnedBusinessEntityID = ";

// The highest folio already used by a concept and series.
constexpr const char* kUltimoFolio =
    "select max(CSERIEDOCUMENTO) cserie, max(cfolio) cfolio\n"
    "from admdocumentos\n"
    "where CIDCONCEPTODOCUMENTO= :Tipo\n"
    "  and CSERIEDOCUMENTO = :CSERIE";

// The concepts of one system type and the columns their filters compare.
struct Conceptos {
  const char* select;
  const char* from;
  const char* where;
  const char* documentoDe;  // document kind
  const char* concepto;     // concept id
};

constexpr Conceptos kConceptosAdminpaq = {
    "Select CIDCONCE01 IdTipoDocumento, CCODIGOC01 CCODIGOCONCEPTO, CNOMBREC01 CNOMBRECONCEPTO,  CIDDOCUM01 "
    "CIDDOCUMENTODE",
    "from MGW10006  ", "", "CIDDOCUM01", "CIDCONCE01"};
constexpr Conceptos kConceptosComercial = {
    "Select CIDCONCEPTODOCUMENTO IdTipoDocumento, CCODIGOCONCEPTO, CNOMBRECONCEPTO, CIDDOCUMENTODE ",
    "from admConceptos ", "", "CIDDOCUMENTODE", "CIDCONCEPTODOCUMENTO"};
// Comercial Pro's sales module.
constexpr Conceptos kConceptosPro = {
    "Select ModuleID IdTipoDocumento, ModuleID CCODIGOCONCEPTO, DocumentTypeID, ModuleName CNOMBRECONCEPTO, "
    "DocRecipient CIDDOCUMENTODE",
    "from vwLBSModuleDocumentTypeName", " where ModuleID = 155", "DocRecipient", "ModuleID"};

// The list "2,3" written back from its integers; false when an element is
// not an integer.
bool ListaDeEnteros(std::string_view lista, std::string& normalizada) {
  normalizada.clear();
  while (true) {
    const auto coma = lista.find(',');
    std::string_view elemento = lista.substr(0, coma);
    while (!elemento.empty() && elemento.front() == ' ') elemento.remove_prefix(1);
    while (!elemento.empty() && elemento.back() == ' ') elemento.remove_suffix(1);
    std::int64_t numero = 0;
    const char* fin = elemento.data() + elemento.size();
    const auto r = std::from_chars(elemento.data(), fin, numero);
    if (elemento.empty() || r.ec != std::errc{} || r.ptr != fin) return false;
    normalizada += (normalizada.empty() ? "" : ",") + std::to_string(numero);
    if (coma == std::string_view::npos) return true;
    lista.remove_prefix(coma + 1);
  }
}

// cfolio read as an integer, as the folio field of the document: no document yet is 0.
std::int32_t FolioLeido(db::Cursor& filas) {
  if (!filas.Siguiente()) return 0;
  switch (filas.Tipo(1)) {
    case db::TipoDato::Nulo:
      return 0;
    case db::TipoDato::Entero:
      return static_cast<std::int32_t>(filas.Entero(1));
    default:
      return static_cast<std::int32_t>(std::llround(filas.Doble(1)));
  }
}

}  // namespace

DataSet TServerMethodsSync::GetAgentes(const std::string& Token) {
  if (!ValidaToken(Token)) return nullptr;
  switch (TipoSistema()) {
    case 1:
      return EjecutaConsulta(kAgentesAdminpaq);
    case 2:
      return EjecutaConsulta(kAgentesComercial);
    case 3:
      return EjecutaConsulta(kAgentesSap);
    case 5:
      return EjecutaConsulta(kAgentesPro);
    default:
      return nullptr;
  }
}

DataSet TServerMethodsSync::GetAlmacenes(const std::string& Token) {
  if (!ValidaToken(Token)) return nullptr;
  switch (TipoSistema()) {
    case 1:
      return EjecutaConsulta(kAlmacenesAdminpaq);
    case 2:
      return EjecutaConsulta(kAlmacenesComercial);
    case 3:
      // A failed insert is logged; the warehouses already mapped are still listed.
      EjecutaQuery(kIdsAlmacenesSap);
      return EjecutaConsulta(kAlmacenesSap);
    case 5:
      return EjecutaConsulta(kAlmacenesPro + std::to_string(numeroEntidad_));
    default:
      return nullptr;
  }
}

std::int32_t TServerMethodsSync::GetSiguienteFolio(const std::string& Token, std::int32_t pCIDCONCEPTODOCUMENTO,
                                                   const std::string& pCSERIE) {
  if (!ValidaToken(Token) || TipoSistema() != 2) return 0;
  auto consulta = Prepara(kUltimoFolio);
  consulta->Asigna("Tipo", std::int64_t{pCIDCONCEPTODOCUMENTO});
  consulta->Asigna("CSERIE", pCSERIE);
  return FolioLeido(consulta->Abre());
}

DataSet TServerMethodsSync::DameIdTipoDocumentos(const std::string& Token, const std::string& pIdsDocumentoModelo,
                                                 const std::string& pIdDocumentoModelo,
                                                 const std::string& pCIDCONCEPTODOCUMENTO) {
  if (!ValidaToken(Token)) return nullptr;
  const Conceptos* conceptos = nullptr;
  switch (TipoSistema()) {
    case 1:
      conceptos = &kConceptosAdminpaq;
      break;
    case 2:
      conceptos = &kConceptosComercial;
      break;
    case 5:
      conceptos = &kConceptosPro;
      break;
    default:
      return nullptr;
  }
  Filtros filtros(conceptos->where);
  filtros.AgregaWhereL(conceptos->documentoDe, 0, "=", pIdDocumentoModelo);
  filtros.AgregaWhereL(conceptos->concepto, 0, "=", pCIDCONCEPTODOCUMENTO);
  if (!pIdsDocumentoModelo.empty()) {
    std::string lista;
    if (ListaDeEnteros(pIdsDocumentoModelo, lista))
      filtros.AgregaCondicion(std::string(conceptos->documentoDe) + " in (" + lista + ")");
    else  // never written into the statement: the filter keeps it as a non-number, answered with "Error"
      filtros.AgregaWhereL(conceptos->documentoDe, 0, "in", pIdsDocumentoModelo);
  }
  return EjecutaConsulta(std::string(conceptos->select) + " " + conceptos->from + " " + filtros.Where(), filtros);
}

}  // namespace quorvex
