#pragma once
#include <cstddef>

#include "hosting/Catalogo.h"
#include "hosting/Respuesta.h"
#include "hosting/TablaJson.h"

namespace quorvex {

// Status 200 with {"result":[value]}: text, number, true/false, a table
// object, or null for a method that returned no data set. A data set is read
// to its end and released here, so the caller must still hold the session
// whose connection it reads through.
Respuesta RespuestaResultado(Resultado resultado, std::size_t presupuesto = kPresupuestoTabla);

}  // namespace quorvex
