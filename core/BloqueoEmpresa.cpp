#include "core/BloqueoEmpresa.h"

#include <map>

#include "core/SyncServermethods.h"

namespace quorvex {

std::unique_lock<std::mutex> BloqueaEmpresa(const std::string& cadena) {
  static std::mutex guardaMapa;
  // A node map: a company's mutex keeps its address while others are added.
  // The companies of one installation are few, so entries are never removed.
  static std::map<std::string, std::mutex> bloqueos;
  std::mutex* bloqueo = nullptr;
  {
    std::lock_guard<std::mutex> guarda(guardaMapa);
    bloqueo = &bloqueos[cadena];
  }
  return std::unique_lock<std::mutex>(*bloqueo);
}

std::int32_t SiguienteId(TServerMethodsSync& metodos, const std::string& pTabla, const std::string& pLlave) {
  auto consulta = metodos.Prepara("Select ISNULL(max(" + pLlave + "), 0) + 1 as " + pLlave + " from " + pTabla);
  db::Cursor& fila = consulta->Abre();
  if (!fila.Siguiente()) throw db::Error("Sin resultado al leer el siguiente " + pLlave + " de " + pTabla);
  return static_cast<std::int32_t>(fila.Entero(0));
}

}  // namespace quorvex
