#include "core/Token.h"

#include <cctype>
#include <charconv>
#include <exception>

#include "core/Bitacora.h"
#include "core/Registro.h"

namespace quorvex {

namespace {

std::string_view Recorta(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

// A Comercial Pro database name ends in a number such as "001" that the
// company name does not carry.
void AcortaEmpresaComercialPro(std::string& empresa) {
  if (empresa.size() < 3) return;
  std::string_view cola(empresa.data() + empresa.size() - 3, 3);
  if (cola.front() == '+') cola.remove_prefix(1);
  int numero = 0;
  auto [fin, error] = std::from_chars(cola.data(), cola.data() + cola.size(), numero);
  if (error == std::errc{} && fin == cola.data() + cola.size() && numero > 0) empresa.resize(empresa.size() - 3);
}

std::mutex gMutexEnganches;
EnganchesToken gEnganches;

EnganchesToken Enganches() {
  std::lock_guard lock(gMutexEnganches);
  return gEnganches;
}

}  // namespace

TextoToken LeeTextoToken(std::string_view pValue) {
  TextoToken t;
  t.acceso = std::string(pValue.substr(0, 9));
  if (pValue.size() >= 10 && std::isdigit(static_cast<unsigned char>(pValue[9]))) t.tipoSistema = pValue[9] - '0';
  if (pValue.size() > 10) t.empresa = std::string(Recorta(pValue.substr(10, 100)));
  if (t.tipoSistema == 5) AcortaEmpresaComercialPro(t.empresa);
  return t;
}

TokenAcceso& TokenAcceso::Global() {
  static TokenAcceso instancia;
  return instancia;
}

std::string TokenAcceso::token1() const {
  std::lock_guard lock(mutex_);
  return token1_;
}

std::string TokenAcceso::Token2() const {
  std::lock_guard lock(mutex_);
  return token2_;
}

bool TokenAcceso::Acepta(std::string_view acceso) const {
  std::lock_guard lock(mutex_);
  return (!token1_.empty() && acceso == token1_) || (!token2_.empty() && acceso == token2_);
}

std::string TokenAcceso::DeNumero(unsigned long long r) { return (std::to_string(r) + "999999999").substr(0, 9); }

unsigned long long TokenAcceso::Sorteo() {
  return std::uniform_int_distribution<unsigned long long>(0, 999'999'998)(generador_);
}

void TokenAcceso::Rota() {
  std::lock_guard lock(mutex_);
  token2_ = token1_;
  token1_ = DeNumero(Sorteo());
  if (token2_.empty()) token2_ = std::to_string(Sorteo());
}

void TokenAcceso::Fija(std::string actual, std::string anterior) {
  std::lock_guard lock(mutex_);
  token1_ = std::move(actual);
  token2_ = std::move(anterior);
}

void FijaEnganchesToken(EnganchesToken enganches) {
  std::lock_guard lock(gMutexEnganches);
  gEnganches = std::move(enganches);
}

void RegistraToken() {
  const std::string token = TokenAcceso::Global().token1();
  const EnganchesToken enganches = Enganches();
  if (token.empty() || !enganches.registra) return;
  try {
    enganches.registra(token);
  } catch (const std::exception& e) {
    // The token stays in force; the next tick registers again.
    Bitacora(std::string("Error al registrar el token: ") + e.what());
  }
}

void TimerTokenTimer() {
  TokenAcceso::Global().Rota();
  try {
    if (LeeDatoRegestry("RutaToken").empty()) GuardaDatoRegestry("RutaToken", kRutaTokenFija);
  } catch (const std::exception& e) {
    Bitacora(std::string("Error al guardar RutaToken: ") + e.what());
  }
  RegistraToken();
  const EnganchesToken enganches = Enganches();
  if (!enganches.mantenSDK) return;
  try {
    enganches.mantenSDK();
  } catch (const std::exception& e) {
    Bitacora(std::string("Error al mantener el SDK: ") + e.what());
  }
}

}  // namespace quorvex
