#pragma once
// The rotating access token and the token text that callers send:
// positions 1-9 access token, 10 system-type digit, 11-110 company database.
#include <functional>
#include <mutex>
#include <random>
#include <string>
#include <string_view>

namespace quorvex {

struct TextoToken {
  std::string acceso;   // positions 1-9
  int tipoSistema = 2;  // position 10; 2 when it is not a digit or missing
  std::string empresa;  // positions 11-110, trimmed; type 5 drops a numeric "001"-style suffix
};
TextoToken LeeTextoToken(std::string_view pValue);

// token1 (current) and Token2 (previous), safe to read and rotate from any thread.
class TokenAcceso {
 public:
  static TokenAcceso& Global();

  std::string token1() const;
  std::string Token2() const;
  bool Acepta(std::string_view acceso) const;
  // Token2 := token1; token1 := a new random 9-digit token (padded with 9s);
  // on the first rotation Token2 becomes an unpadded random number.
  void Rota();
  // For tests: fixes both tokens.
  void Fija(std::string actual, std::string anterior);

  // The token text of a random draw R: its first 9 digits, padded with 9s.
  static std::string DeNumero(unsigned long long r);

 private:
  unsigned long long Sorteo();

  mutable std::mutex mutex_;
  std::string token1_, token2_;
  std::mt19937_64 generador_{std::random_device{}()};
};

// What a rotation does besides the token itself, installed by the program that
// runs the timer: registration with the maker's directory service (only while
// the HTTPS server is active) and the SDK keep-alive.
struct EnganchesToken {
  std::function<void(const std::string& token)> registra;
  std::function<void()> mantenSDK;
};
void FijaEnganchesToken(EnganchesToken enganches);

// Registers the current token, when there is one, through the installed
// registration; a failure is logged and the token stays in force.
void RegistraToken();

// The timer's tick: rotation, the service address default, registration and
// keep-alive. Failures end the tick; the new token stays in force.
void TimerTokenTimer();

// Address of the maker's token service, stored under "RutaToken" when empty.
inline constexpr const char* kRutaTokenFija = "https://directorio.velmor.mx/CorvaneWSCONTPAQ/WsPutToken.asmx";

}  // namespace quorvex
