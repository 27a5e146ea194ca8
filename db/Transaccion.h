#pragma once
// A write transaction that is rolled back unless it is confirmed: a failure
// (or an exception) between the first and the last statement leaves nothing
// half-written.
#include "db/Conexion.h"

namespace quorvex::db {

class Transaccion {
 public:
  explicit Transaccion(Conexion& conexion) : conexion_(conexion) { conexion_.IniciaTransaccion(); }
  ~Transaccion() {
    if (abierta_) {
      try {
        conexion_.RevierteTransaccion();
      } catch (...) {  // a destructor must not throw; the database drops an unfinished transaction
      }
    }
  }
  Transaccion(const Transaccion&) = delete;
  Transaccion& operator=(const Transaccion&) = delete;

  void Confirma() {
    conexion_.ConfirmaTransaccion();
    abierta_ = false;
  }

 private:
  Conexion& conexion_;
  bool abierta_ = true;
};

}  // namespace quorvex::db
