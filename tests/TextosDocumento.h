#pragma once
// Document texts as callers send them: "|"-separated fields.
#include <map>
#include <string>
#include <vector>

namespace quorvex::pruebas {

inline std::string UneCampos(const std::vector<std::string>& campos) {
  std::string texto;
  for (std::size_t i = 0; i < campos.size(); ++i) texto += (i == 0 ? "" : "|") + campos[i];
  return texto;
}

// A header text: the fields of a quotation, with `cambios` applied by field
// number; `campos` fields in all (the extra ones empty).
inline std::string TextoEncabezado(const std::map<int, std::string>& cambios = {}, int campos = 60) {
  std::vector<std::string> f{"10",
                             "A",
                             "7",
                             "2024-03-15",
                             "12",
                             "0",
                             "Cliente Doce",
                             "CDO120101AB1",
                             "3",
                             "2024-04-14",
                             "2024-03-20",
                             "2024-03-16",
                             "Ref",
                             "Obs",
                             "100.5",
                             "16.08",
                             "0",
                             "0",
                             "0",
                             "0",
                             "0",
                             "0",
                             "0",
                             "0",
                             "0",
                             "0",
                             "116.58",
                             "116.58",
                             "2",
                             "0",
                             "16",
                             "0",
                             "0",
                             "0",
                             "0",
                             "0",
                             "Extra1",
                             "Extra2",
                             "Extra3",
                             "2024-05-01",
                             "1",
                             "2",
                             "3",
                             "4",
                             "Destino",
                             "Guia",
                             "Mensajeria",
                             "Cuenta",
                             "2",
                             "1.5",
                             "2",
                             "Ciudad",
                             "PUE",
                             "1",
                             "1",
                             "Contado",
                             "1234",
                             "1",
                             "1",
                             "G01"};
  f.resize(static_cast<std::size_t>(campos));
  for (const auto& [campo, valor] : cambios) f[static_cast<std::size_t>(campo)] = valor;
  return UneCampos(f);
}

// A movement text of document `documento`: product code, warehouse code,
// units (also the captured units) and date, every amount 0 and every text
// empty; then `cambios` applied by field number.
inline std::string MovimientoDe(int documento, const std::string& producto, const std::string& almacen,
                                const std::string& unidades, const std::string& fecha = "2024-03-15",
                                const std::map<int, std::string>& cambios = {}) {
  std::vector<std::string> f(52, "0");
  f[0] = std::to_string(documento);
  f[1] = "1";
  f[2] = producto;
  f[3] = almacen;
  f[4] = f[5] = unidades;
  f[32] = f[33] = f[41] = f[42] = f[43] = f[50] = "";
  f[36] = f[44] = fecha;
  for (const auto& [campo, valor] : cambios) f[static_cast<std::size_t>(campo)] = valor;
  return UneCampos(f);
}

}  // namespace quorvex::pruebas
