// A movement's product, warehouse, document and concept lookups.

#include "documents/LecturasMovimiento.h"

#include "core/SyncServermethods.h"

namespace quorvex {

namespace {

std::int64_t Entero(std::int32_t v) { return v; }

}  // namespace

Producto LeeProducto(TServerMethodsSync& metodos, const std::string& pCodigo) {
  Producto producto;
  if (pCodigo.empty()) return producto;
  auto consulta = metodos.Prepara(
      "Select CIDPRODUCTO, CIDUNIDADBASE, CIMPUESTO1\n"
      "from admProductos\n"
      "Where CCODIGOPRODUCTO= :CCODIGOPRODUCTO");
  consulta->Asigna("CCODIGOPRODUCTO", pCodigo);
  db::Cursor& fila = consulta->Abre();
  if (!fila.Siguiente()) return producto;
  producto.CIDPRODUCTO = static_cast<std::int32_t>(fila.Entero(0));
  producto.CIDUNIDADBASE = static_cast<std::int32_t>(fila.Entero(1));
  producto.CIMPUESTO1 = fila.Doble(2);
  return producto;
}

std::int32_t IdAlmacen(TServerMethodsSync& metodos, const std::string& pCodigo) {
  if (pCodigo.empty()) return 0;
  auto consulta = metodos.Prepara(
      "Select CIDALMACEN\n"
      "from admalmacenes\n"
      "where CCODIGOALMACEN = :CCODIGOALMACEN");
  consulta->Asigna("CCODIGOALMACEN", pCodigo);
  db::Cursor& fila = consulta->Abre();
  return fila.Siguiente() ? static_cast<std::int32_t>(fila.Entero(0)) : 0;
}

DocumentoMovimiento LeeDocumento(TServerMethodsSync& metodos, std::int32_t pIdDocumento) {
  auto consulta = metodos.Prepara(
      "Select admDocumentos.CIDCONCEPTODOCUMENTO, admConceptos.CIDDOCUMENTODE, CSERIEDOCUMENTO, CFOLIO,\n"
      "       admDocumentosModelo.CAFECTAEXISTENCIA\n"
      "from admDocumentos\n"
      "inner join admConceptos\n"
      "on  admConceptos.CIDCONCEPTODOCUMENTO = admDocumentos.CIDCONCEPTODOCUMENTO\n"
      "inner join admDocumentosModelo\n"
      "on (admDocumentosModelo.CIDDOCUMENTODE = admConceptos.CIDDOCUMENTODE)\n"
      "Where CIDDOCUMENTO = :CIDDOCUMENTO");
  consulta->Asigna("CIDDOCUMENTO", Entero(pIdDocumento));
  db::Cursor& fila = consulta->Abre();
  DocumentoMovimiento documento;
  if (!fila.Siguiente()) return documento;
  documento.CIDCONCEPTODOCUMENTO = static_cast<std::int32_t>(fila.Entero(0));
  documento.CIDDOCUMENTODE = static_cast<std::int32_t>(fila.Entero(1));
  documento.CSERIEDOCUMENTO = std::string(fila.Texto(2));
  documento.CFOLIO = fila.Doble(3);
  documento.CAFECTAEXISTENCIA = static_cast<std::int32_t>(fila.Entero(4));
  return documento;
}

CalculoConcepto LeeCalculoConcepto(TServerMethodsSync& metodos, std::int32_t pIdConcepto) {
  auto consulta = metodos.Prepara(
      "Select CIDALMACENCONSIGNACION, CPRECIOSCONIVA, CORDENCALCULO, CDECIMALESUNIDADES, CDECIMALESPRECIOVENTA\n"
      "From admConceptos, admParametros\n"
      "where CIDCONCEPTODOCUMENTO = :CIDCONCEPTODOCUMENTO");
  consulta->Asigna("CIDCONCEPTODOCUMENTO", Entero(pIdConcepto));
  db::Cursor& fila = consulta->Abre();
  CalculoConcepto calculo;
  if (!fila.Siguiente()) return calculo;
  calculo.CIDALMACENCONSIGNACION = static_cast<std::int32_t>(fila.Entero(0));
  calculo.CPRECIOSCONIVA = fila.Entero(1);
  calculo.CORDENCALCULO = fila.Entero(2);
  calculo.CDECIMALESUNIDADES = fila.Entero(3);
  calculo.CDECIMALESPRECIOVENTA = fila.Entero(4);
  return calculo;
}

}  // namespace quorvex
