#pragma once
// "servidorquorvex config ...": lists, reads and writes configuration values.
#include <ostream>
#include <string>
#include <vector>

namespace quorvex {

// Runs the subcommand given its arguments (after "config"); returns the exit status.
int ComandoConfig(const std::vector<std::string>& argumentos, std::ostream& salida, std::ostream& errores);

}  // namespace quorvex
