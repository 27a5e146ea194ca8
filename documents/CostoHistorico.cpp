// The cost history: one unit cost per product, warehouse and day. A
// movement's cost is read from it, and a day without a row gets one carried
// forward from the latest earlier day, so later reads of that day agree.
#include <chrono>

#include "core/SyncServermethods.h"
#include "db/Columnas.h"

namespace quorvex {

namespace {

// The history keeps days: a time of day must neither miss the day's row nor
// add a second row for it.
db::FechaHora Dia(db::FechaHora pFecha) {
  return std::chrono::time_point_cast<std::chrono::milliseconds>(std::chrono::floor<std::chrono::days>(pFecha));
}

}  // namespace

double TServerMethodsSync::RevisaCostoHistorico(std::int32_t pCIDPRODUCTO, std::int32_t pCIDALMACEN,
                                                std::int32_t pPrimero, db::FechaHora pFecha) {
  const db::FechaHora dia = Dia(pFecha);
  auto consulta = Prepara(
      "Select *\n"
      "from admCostosHistoricos\n"
      "where cFechaCostoH = :FECHA\n"
      "  AND CIDPRODUCTO = :CIDPRODUCTO\n"
      "  and CIDALMACEN  = :CIDALMACEN");
  consulta->Asigna("FECHA", dia);
  consulta->Asigna("CIDPRODUCTO", std::int64_t{pCIDPRODUCTO});
  consulta->Asigna("CIDALMACEN", std::int64_t{pCIDALMACEN});
  {
    db::Cursor& fila = consulta->Abre();
    if (fila.Siguiente()) return fila.Doble(db::IndiceColumna(fila, "CCOSTOH"));
  }

  // The key is computed inside the statement. The order names the table's
  // column: the bare name would be the select list's constant new date, and
  // any earlier row could be copied instead of the latest.
  auto arrastre = Prepara(
      "insert into admCostosHistoricos\n"
      "Select top 1 (Select max(cidcostoh) +1 from admCostosHistoricos) as cidcostoh, cidproducto, cidalmacen, "
      ":fecha1 as cfechacostoh, ccostoh, cultimocostoh, cidmovimiento, ctimestamp\n"
      "from admCostosHistoricos\n"
      "where cFechaCostoH < :Fecha\n"
      "  AND CIDPRODUCTO = :CIDPRODUCTO \n"
      "  and CIDALMACEN  = :CIDALMACEN  \n"
      "order by admCostosHistoricos.cfechacostoh desc ");
  arrastre->Asigna("fecha1", dia);
  arrastre->Asigna("Fecha", dia);
  arrastre->Asigna("CIDPRODUCTO", std::int64_t{pCIDPRODUCTO});
  arrastre->Asigna("CIDALMACEN", std::int64_t{pCIDALMACEN});
  EjecutaSentencia(*arrastre);
  return pPrimero == 1 ? RevisaCostoHistorico(pCIDPRODUCTO, pCIDALMACEN, 2, dia) : 0.0;
}

void TServerMethodsSync::AfectaExistenciayCosto(std::int32_t pCIDPRODUCTO, std::int32_t pCIDALMACEN,
                                                db::FechaHora pFecha, std::int32_t /*pCAFECTAEXISTENCIA*/,
                                                double /*pCUNIDADES*/, double /*pCosto*/) {
  // No running stock is kept: stock is the sum of the movements. What stays is
  // the day's cost row for the movement's own warehouse.
  RevisaCostoHistorico(pCIDPRODUCTO, pCIDALMACEN, 1, pFecha);
}

}  // namespace quorvex
