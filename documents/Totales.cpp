// The document totals: the header's amounts recomputed from its movements each
// time one is added, so the header always matches its lines.
#include "core/SyncServermethods.h"

namespace quorvex {

void TServerMethodsSync::ActualizaDocumento(std::int32_t pID, std::int32_t /*pIDOwner1*/, std::int32_t /*pIdOwner2*/,
                                            std::int32_t /*pIdMoneda*/, std::int32_t /*pIDTIPOACUMULADO*/,
                                            std::int32_t /*pTIPOOWNER1*/, std::int32_t /*pTIPOOWNER2*/,
                                            double /*pTipoDeCambio*/, db::FechaHora /*pFecha*/) {
  auto sumas = Prepara(
      "SELECT sum(CUNIDADES) CUNIDADES,\n"
      "       sum(CUNIDADESCAPTURADAS) CUNIDADESCAPTURADAS,\n"
      "       sum(CNETO) CNETO,\n"
      "       sum(CIMPUESTO1) CIMPUESTO1,\n"
      "       sum(CIMPUESTO2) CIMPUESTO2,\n"
      "       sum(CIMPUESTO3) CIMPUESTO3,\n"
      "       sum(CDESCUENTO1) CDESCUENTO1,\n"
      "       sum(CDESCUENTO2) CDESCUENTO2,\n"
      "       sum(CDESCUENTO3) CDESCUENTO3,\n"
      "       sum(CDESCUENTO4) CDESCUENTO4,\n"
      "       sum(CDESCUENTO5) CDESCUENTO5,\n"
      "       sum(CTOTAL) CTOTAL,\n"
      "       sum(CUNIDADESPENDIENTES) CUNIDADESPENDIENTES\n"
      "FROM admMovimientos\n"
      "where CIDDOCUMENTO = :CIDDOCUMENTO");
  sumas->Asigna("CIDDOCUMENTO", std::int64_t{pID});
  db::Cursor& fila = sumas->Abre();
  if (!fila.Siguiente()) throw db::Error("Sin resultado al sumar los movimientos del documento");
  // A sum over no rows is NULL, read as 0.
  auto suma = [&fila](int columna) { return fila.Tipo(columna) == db::TipoDato::Nulo ? 0.0 : fila.Doble(columna); };
  const double descuentos = suma(6) + suma(7) + suma(8) + suma(9) + suma(10);

  auto actualiza = Prepara(
      "Update admDocumentos\n"
      "set CNETO = :CNETO,\n"
      "    CIMPUESTO1 = :CIMPUESTO1,\n"
      "    CIMPUESTO2 = :CIMPUESTO2,\n"
      "    CIMPUESTO3 = :CIMPUESTO3,\n"
      "    CTOTAL     = :CTOTAL,\n"
      "    CPENDIENTE = :CPENDIENTE,\n"
      "    CTOTALUNIDADES = :CTOTALUNIDADES,\n"
      "    CUNIDADESPENDIENTES = :CUNIDADESPENDIENTES,\n"
      "    CDESCUENTOMOV = :CDESCUENTOMOV\n"
      "where CIDDOCUMENTO = :CIDDOCUMENTO");
  actualiza->Asigna("CNETO", suma(2));
  actualiza->Asigna("CIMPUESTO1", suma(3));
  actualiza->Asigna("CIMPUESTO2", suma(4));
  actualiza->Asigna("CIMPUESTO3", suma(5));
  actualiza->Asigna("CTOTAL", suma(11));
  actualiza->Asigna("CPENDIENTE", suma(11));  // nothing of a new document is paid
  actualiza->Asigna("CTOTALUNIDADES", suma(0));
  actualiza->Asigna("CUNIDADESPENDIENTES", suma(12));
  actualiza->Asigna("CDESCUENTOMOV", descuentos);
  actualiza->Asigna("CIDDOCUMENTO", std::int64_t{pID});
  actualiza->Ejecuta();
}

}  // namespace quorvex
