#pragma once
// TServerMethodsSync: one instance per REST session. Its public methods are the
// remote API (see hosting/Catalogo); everything private is internal. Calls on
// one instance are serialised by the REST front, so the system type and company
// set by a call's token check belong to that call alone.
#include <cstdint>
#include <memory>
#include <string>

#include "db/Conexion.h"

namespace quorvex {

class TServerMethodsSync {
 public:
  TServerMethodsSync();
  ~TServerMethodsSync();
  TServerMethodsSync(const TServerMethodsSync&) = delete;
  TServerMethodsSync& operator=(const TServerMethodsSync&) = delete;

  // Remote methods.
  bool ValidaToken(const std::string& pValue);
  std::int32_t VersionSync(const std::string& Token);
  std::string DameToken();
  std::string ValidaIP(const std::string& Token, const std::string& pValue);
  bool TerminaAplicacion(const std::string& Token);

  // What the last token check of this instance set up.
  int TipoSistema() const { return tipoSistema_; }
  const std::string& NEmpresa() const { return nEmpresa_; }
  const std::string& DirectorioEmpresa() const { return directorioEmpresa_; }
  // The company connection; nullptr while it is closed.
  db::Conexion* ConexionEmpresa() { return ADOConnectionMirant_.get(); }
  const std::string& CadenaConexion() const { return cadenaConexion_; }

 private:
  void ApuntaStringConeccion(const std::string& vEmpresa, int pTipoSistema);

  int tipoSistema_ = 2;
  std::string nEmpresa_;
  std::string directorioEmpresa_;
  std::unique_ptr<db::Conexion> ADOConnectionMirant_;
  std::string cadenaConexion_;
};

// The connection string of a company database, from the configuration values
// "Provider", "PasswordDB" (deciphered), "UsuarioDB" and "ServidorDB".
std::string CadenaConexionEmpresa(const std::string& vEmpresa);

}  // namespace quorvex
