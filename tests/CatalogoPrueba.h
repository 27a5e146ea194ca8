#pragma once
// A catalogue of its own for the transport tests, so that every kind of
// parameter and result, failures and slow calls go through the transport.
// Look methods up with BuscaPrueba.
#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "db/ConjuntoDatos.h"
#include "db/TablaMemoria.h"
#include "hosting/Catalogo.h"
#include "tests/CursorPrueba.h"

namespace quorvex::pruebas {

using T = TipoParametro;
using R = TipoResultado;

inline std::string Texto(const Argumento& a) {
  if (auto s = std::get_if<std::string>(&a)) return "'" + *s + "'";
  if (auto i = std::get_if<std::int32_t>(&a)) return std::to_string(*i);
  if (auto d = std::get_if<double>(&a)) return std::to_string(*d);
  if (auto b = std::get_if<bool>(&a)) return *b ? "true" : "false";
  return db::TextoFechaHora(std::get<db::FechaHora>(a));
}

// Calls of Eco and Instancia; calls of Lento inside at once, and the most seen.
inline std::atomic<int> gLlamadas{0};
inline std::atomic<int> gDentro{0};
inline std::atomic<int> gMaximoDentro{0};

inline const MetodoRemoto* BuscaPrueba(std::string_view nombre) {
  static const std::vector<MetodoRemoto> metodos = {
      {"Eco",
       {{"a", T::Texto}, {"b", T::Entero}, {"c", T::Doble}, {"d", T::Booleano}, {"e", T::FechaHora}},
       R::Texto,
       [](TServerMethodsSync&, std::span<const Argumento> a) -> Resultado {
         ++gLlamadas;
         std::string s;
         for (const auto& x : a) s += (s.empty() ? "" : "|") + Texto(x);
         return s;
       }},
      {"Suma",
       {{"a", T::Entero}, {"b", T::Entero}},
       R::Entero,
       [](TServerMethodsSync&, std::span<const Argumento> a) -> Resultado {
         return std::get<std::int32_t>(a[0]) + std::get<std::int32_t>(a[1]);
       }},
      {"Instancia",
       {},
       R::Texto,
       [](TServerMethodsSync& m, std::span<const Argumento>) -> Resultado {
         ++gLlamadas;
         return std::to_string(reinterpret_cast<std::uintptr_t>(&m));
       }},
      {"Tabla",
       {{"filas", T::Entero}},
       R::ConjuntoDatos,
       [](TServerMethodsSync&, std::span<const Argumento> a) -> Resultado {
         const int filas = std::get<std::int32_t>(a[0]);
         if (filas == 0) return std::unique_ptr<db::ConjuntoDatos>();
         auto tabla = std::make_unique<db::TablaMemoria>(std::vector<std::string>{"CIDALMACEN", "CNOMBREALMACEN"});
         for (int i = 1; i <= filas; ++i) tabla->AgregaFila({std::to_string(i), "Almacén " + std::to_string(i)});
         return std::make_unique<db::ConjuntoDatos>(std::move(tabla));
       }},
      {"TablaRota",
       {},
       R::ConjuntoDatos,
       [](TServerMethodsSync&, std::span<const Argumento>) -> Resultado {
         auto cursor = std::make_unique<pruebas::CursorPrueba>(
             std::vector<db::Columna>{{"A", db::TipoDato::Texto}},
             std::vector<std::vector<pruebas::Celda>>{{pruebas::Tex("x")}, {pruebas::Tex("y")}}, 1);
         return std::make_unique<db::ConjuntoDatos>(std::move(cursor));
       }},
      {"Falla",
       {},
       R::Entero,
       [](TServerMethodsSync&, std::span<const Argumento>) -> Resultado {
         throw std::runtime_error("Violación de llave en admDocumentos");
       }},
      {"Lento",
       {},
       R::Booleano,
       [](TServerMethodsSync&, std::span<const Argumento>) -> Resultado {
         const int dentro = ++gDentro;
         int maximo = gMaximoDentro.load();
         while (dentro > maximo && !gMaximoDentro.compare_exchange_weak(maximo, dentro)) {
         }
         std::this_thread::sleep_for(std::chrono::milliseconds(5));
         --gDentro;
         return true;
       }},
      {"Pendiente", {{"Token", T::Texto}}, R::Entero, {}},
  };
  for (const auto& m : metodos)
    if (m.nombre == nombre) return &m;
  return nullptr;
}

}  // namespace quorvex::pruebas
