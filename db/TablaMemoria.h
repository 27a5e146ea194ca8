#pragma once
// An in-memory table of text columns, read through the cursor interface (the
// one-row "Error" data set, for instance).
#include <string>
#include <vector>

#include "db/Conexion.h"

namespace quorvex::db {

class TablaMemoria final : public Cursor {
 public:
  explicit TablaMemoria(std::vector<std::string> nombres);
  void AgregaFila(std::vector<std::string> valores);

  const std::vector<Columna>& Columnas() const override { return columnas_; }
  bool Siguiente() override;
  TipoDato Tipo(int columna) const override;
  std::int64_t Entero(int columna) const override;
  double Doble(int columna) const override;
  std::string_view Texto(int columna) const override;

 private:
  std::vector<Columna> columnas_;
  std::vector<std::vector<std::string>> filas_;
  std::size_t siguiente_ = 0;
};

}  // namespace quorvex::db
