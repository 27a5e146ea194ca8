#pragma once
// Writers of one company database take turns. A new row's key is the highest
// key of its table plus one; two sessions that read that maximum at the same
// time would both insert the same key. Holding the company's lock and a write
// transaction from the read of the maximum to the last insert of the
// operation makes the pair atomic: the lock orders this process's sessions
// (a transaction alone does not keep a second reader of the maximum out on
// every database server), the transaction leaves nothing half-written.
#include <cstdint>
#include <mutex>
#include <string>

namespace quorvex {

class TServerMethodsSync;

// The process-wide lock of the company database that `cadena` (a call's
// connection string) names; held until the returned lock is released.
std::unique_lock<std::mutex> BloqueaEmpresa(const std::string& cadena);

// max(pLlave) + 1 over pTabla, 1 for an empty table. Valid only while the
// company lock and a transaction on the instance's connection are held.
// Throws db::Error.
std::int32_t SiguienteId(TServerMethodsSync& metodos, const std::string& pTabla, const std::string& pLlave);

}  // namespace quorvex
