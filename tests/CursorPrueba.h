#pragma once
// A cursor over rows given in the test, with typed values, and optionally a
// failure when a given row is reached.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "db/Conexion.h"
#include "hosting/Respuesta.h"

namespace quorvex::pruebas {

struct Celda {
  db::TipoDato tipo = db::TipoDato::Nulo;
  std::int64_t entero = 0;
  double doble = 0;
  std::string texto;
};

inline Celda Nul() { return {}; }
inline Celda Ent(std::int64_t v) { return {db::TipoDato::Entero, v, 0, {}}; }
inline Celda Dob(double v) { return {db::TipoDato::Doble, 0, v, {}}; }
inline Celda Boo(bool v) { return {db::TipoDato::Booleano, v ? 1 : 0, 0, {}}; }
inline Celda Tex(std::string v) { return {db::TipoDato::Texto, 0, 0, std::move(v)}; }
inline Celda Fec(std::string v) { return {db::TipoDato::FechaHora, 0, 0, std::move(v)}; }
inline Celda Bin(std::string v) { return {db::TipoDato::Binario, 0, 0, std::move(v)}; }

class CursorPrueba final : public db::Cursor {
 public:
  CursorPrueba(std::vector<db::Columna> columnas, std::vector<std::vector<Celda>> filas, int fallaEnFila = -1)
      : columnas_(std::move(columnas)), filas_(std::move(filas)), fallaEnFila_(fallaEnFila) {}

  const std::vector<db::Columna>& Columnas() const override { return columnas_; }
  bool Siguiente() override {
    ++actual_;
    if (actual_ == fallaEnFila_) throw db::Error("fallo de lectura en la fila " + std::to_string(actual_));
    return static_cast<std::size_t>(actual_) < filas_.size();
  }
  db::TipoDato Tipo(int c) const override { return Fila(c).tipo; }
  std::int64_t Entero(int c) const override { return Fila(c).entero; }
  double Doble(int c) const override { return Fila(c).doble; }
  std::string_view Texto(int c) const override { return Fila(c).texto; }

 private:
  const Celda& Fila(int c) const {
    return filas_.at(static_cast<std::size_t>(actual_)).at(static_cast<std::size_t>(c));
  }

  std::vector<db::Columna> columnas_;
  std::vector<std::vector<Celda>> filas_;
  int fallaEnFila_;
  int actual_ = -1;
};

// Everything a body source yields, piece by piece.
inline std::string LeeTodo(FuenteCuerpo& fuente, std::size_t* mayorPieza = nullptr) {
  std::string todo;
  for (std::string_view pieza = fuente.Siguiente(); !pieza.empty(); pieza = fuente.Siguiente()) {
    if (mayorPieza) *mayorPieza = std::max(*mayorPieza, pieza.size());
    todo += pieza;
  }
  return todo;
}

// The body of an answer, streamed or not.
inline std::string CuerpoDe(Respuesta& r) { return r.flujo ? LeeTodo(*r.flujo) : r.http.body(); }

}  // namespace quorvex::pruebas
