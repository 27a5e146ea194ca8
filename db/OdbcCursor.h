#pragma once
// The rows of an executed ODBC statement, fetched one at a time. Internal to
// the ODBC back end.
#include <cstdint>
#include <string>
#include <vector>

#include "db/Conexion.h"
#include "db/OdbcEntorno.h"

namespace quorvex::db {

class CursorOdbc final : public Cursor {
 public:
  CursorOdbc(SQLHSTMT sentencia, const Dialecto& dialecto) : s_(sentencia), dialecto_(dialecto) {}

  // After the statement ran with a result: describes the columns and fetches
  // the first row, so that a failing query fails here and not while its rows
  // are being sent.
  void Inicia();
  // Frees the statement's result, if any; it may run again.
  void Cierra();

  const std::vector<Columna>& Columnas() const override { return columnas_; }
  bool Siguiente() override;
  TipoDato Tipo(int columna) const override { return Celda(columna).tipo; }
  std::int64_t Entero(int columna) const override;
  double Doble(int columna) const override;
  std::string_view Texto(int columna) const override;

 private:
  enum class Estado { Cerrado, Pendiente, EnFila, Fin };

  // One value of the current row. Numbers keep their text form once asked.
  struct Valor {
    TipoDato tipo = TipoDato::Nulo;
    std::int64_t entero = 0;
    double doble = 0;
    std::string texto;  // texts, date-times and bytes
    mutable std::string formato;
    mutable bool formateado = false;
  };

  // Fetches and reads a row: false at the end, where the result is freed.
  bool Paso();
  void Lee(int columna);
  // A text or binary value read in pieces of any length; false for NULL.
  bool LeeTexto(int columna, std::string& destino);
  bool LeeBytes(int columna, std::string& destino);
  const Valor& Celda(int columna) const;

  SQLHSTMT s_;
  const Dialecto& dialecto_;
  std::vector<Columna> columnas_;
  std::vector<Valor> fila_;
  std::u16string ancho_;  // reused for the pieces of wide texts
  Estado estado_ = Estado::Cerrado;
};

}  // namespace quorvex::db
