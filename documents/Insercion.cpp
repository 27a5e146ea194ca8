#include "documents/Insercion.h"

#include "core/SyncServermethods.h"

namespace quorvex {

std::unique_ptr<db::Sentencia> PreparaInsercion(TServerMethodsSync& metodos, const std::string& pTabla,
                                                const ValoresColumnas& pValores) {
  std::string columnas;
  std::string parametros;
  for (const auto& [columna, valor] : pValores) {
    const char* separador = columnas.empty() ? "" : ", ";
    columnas += separador + columna;
    parametros += separador + (":" + columna);
  }
  auto sentencia = metodos.Prepara("insert into " + pTabla + " (" + columnas + ")\nvalues (" + parametros + ")");
  for (const auto& [columna, valor] : pValores) sentencia->Asigna(columna, valor);
  return sentencia;
}

}  // namespace quorvex
