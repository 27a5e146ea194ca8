#include "core/SyncServermethods.h"

#include <chrono>
#include <exception>
#include <filesystem>
#include <thread>

#include "core/Bitacora.h"
#include "core/Cifrado.h"
#include "core/Programa.h"
#include "core/Registro.h"
#include "core/Token.h"
#include "core/Version.h"
#include "db/CadenaConexion.h"

namespace quorvex {

namespace {

// Master codes that obtain the current token without one.
constexpr std::string_view kCodigosMaestros[] = {"Rq4TmZw8Lc", "Garnet58"};

std::string Recortado(const std::string& s) {
  const auto inicio = s.find_first_not_of(' ');
  if (inicio == std::string::npos) return {};
  return s.substr(inicio, s.find_last_not_of(' ') - inicio + 1);
}

// An administrator holds every token check while "Congelado" is "S".
void EsperaDescongelado() {
  while (LeeDatoRegestry("Congelado") == "S") std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

void AseguraToken() {
  if (TokenAcceso::Global().token1().empty()) TimerTokenTimer();
}

}  // namespace

TServerMethodsSync::TServerMethodsSync() = default;
TServerMethodsSync::~TServerMethodsSync() = default;

void TServerMethodsSync::ApuntaStringConeccion(const std::string& vEmpresa, int pTipoSistema) {
  std::string candidata;
  if (pTipoSistema != 0) {
    // One read of the store for every value the connection needs.
    const auto v = LeeDatosRegestry({"RutaEmpresas", "Provider", "PasswordDB", "UsuarioDB", "ServidorDB"});
    directorioEmpresa_ = (std::filesystem::path(v[0]) / Recortado(vEmpresa)).string();
    // Credentials are quoted when they hold a ";" or blanks at their ends:
    // every character of a password counts.
    candidata = "Provider=" + v[1] + ";Persist Security Info=True;" +
                "Password=" + db::ValorCadenaConexion(Descifrar(v[2])) + ";" +
                "User ID=" + db::ValorCadenaConexion(v[3]) + ";" + "Initial Catalog=" + vEmpresa + ";" +
                "Data Source=" + v[4];
  }
  if (candidata != cadenaConexion_) {
    ADOConnectionMirant_.reset();
    // Read once per database, not once per instance: a session may change company.
    versionBaseDatos_.reset();
    cadenaConexion_ = candidata;
  }
  if (ADOConnectionMirant_) return;
  try {
    ADOConnectionMirant_ = db::AbreConexion(candidata);
  } catch (const std::exception& e) {
    Bitacora(e.what());
  }
}

void TServerMethodsSync::SueltaConexion() { ADOConnectionMirant_.reset(); }

std::unique_ptr<db::Sentencia> TServerMethodsSync::Prepara(std::string_view sql) {
  if (!ADOConnectionMirant_) throw db::Error("No hay conexión con la base de datos de la empresa");
  return ADOConnectionMirant_->Prepara(sql);
}

bool TServerMethodsSync::ValidaToken(const std::string& pValue) {
  EsperaDescongelado();
  TextoToken texto = LeeTextoToken(pValue);
  tipoSistema_ = texto.tipoSistema;
  nEmpresa_ = std::move(texto.empresa);
  if (!TokenAcceso::Global().Acepta(texto.acceso)) return false;
  if (nEmpresa_.empty()) nEmpresa_ = "1";
  ApuntaStringConeccion(" " + nEmpresa_, tipoSistema_);
  return true;
}

std::int32_t TServerMethodsSync::VersionSync(const std::string& Token) {
  return ValidaToken(Token) ? VersionContpaq() : 0;
}

std::string TServerMethodsSync::DameToken() {
  AseguraToken();
  return TokenAcceso::Global().token1();
}

std::string TServerMethodsSync::ValidaIP(const std::string& Token, const std::string& pValue) {
  AseguraToken();
  for (auto codigo : kCodigosMaestros)
    if (Token == codigo) return TokenAcceso::Global().token1();
  return ValidaToken(Token) ? pValue : std::string();
}

bool TServerMethodsSync::TerminaAplicacion(const std::string& Token) {
  if (LeeDatoRegestry("Congelado") == "S") GuardaDatoRegestry("Congelado", "N");
  if (!ValidaToken(Token)) return false;
  SolicitaTerminacion();
  return true;
}

}  // namespace quorvex
