#pragma once
// The configuration store: named string values in a small SQLite file in the
// installation directory. Read on every access, so a value changed by the
// administrator or by the other program is seen at once; safe for many threads
// and for two processes.
#include <functional>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace quorvex {

// File name of the store inside the installation directory.
inline constexpr const char* kArchivoConfiguracion = "configuracion.db";

// Raised when the store cannot be opened, read or written.
class ErrorRegistro : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A missing value reads as empty text. Names are kept exactly, trailing blanks
// included ("Ultimo error "). With pPideDato and an empty value, the installed
// prompt handler is asked and its answer stored; the empty value read before
// the prompt is still what is returned. Without a handler, one log line names
// the missing value.
std::string LeeDatoRegestry(const std::string& pLlave, bool pPideDato = false);
// Several values read at once, in the order named (one lock of the file).
std::vector<std::string> LeeDatosRegestry(std::initializer_list<std::string> pLlaves);
// Never logs: the log keeps its last line here while it holds its own lock.
void GuardaDatoRegestry(const std::string& pLlave, const std::string& pValor);
std::vector<std::pair<std::string, std::string>> ListaDatosRegestry();

// Asks the operator for a missing value; nullopt when nothing was answered.
using ManejadorPregunta = std::function<std::optional<std::string>(const std::string& nombre)>;
void FijaManejadorPregunta(ManejadorPregunta manejador);

}  // namespace quorvex
