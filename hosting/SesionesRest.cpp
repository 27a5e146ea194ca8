#include "hosting/SesionesRest.h"

#include <openssl/rand.h>

#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "core/SyncServermethods.h"

namespace quorvex {

namespace {

// Three random groups of digits, e.g. "2384721934.118273645.3987123456".
std::string IdAleatorio() {
  std::array<std::uint32_t, 3> grupos{};
  if (RAND_bytes(reinterpret_cast<unsigned char*>(grupos.data()), sizeof grupos) != 1)
    throw std::runtime_error("No se pudo generar un identificador de sesión");
  return std::to_string(grupos[0]) + "." + std::to_string(grupos[1]) + "." + std::to_string(grupos[2]);
}

std::string_view Recorta(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

SesionRest::SesionRest(std::string id) : id_(std::move(id)) {}

SesionRest::~SesionRest() = default;

TServerMethodsSync& SesionRest::Instancia() {
  if (!instancia_) instancia_ = std::make_unique<TServerMethodsSync>();
  return *instancia_;
}

SesionesRest::SesionesRest(std::chrono::milliseconds caducidad, Reloj reloj)
    : caducidad_(caducidad), reloj_(std::move(reloj)) {}

bool SesionesRest::Vencida(const SesionRest& sesion, std::chrono::steady_clock::time_point ahora) const {
  return ahora - sesion.ultimoUso_ >= caducidad_;
}

std::shared_ptr<SesionRest> SesionesRest::Nueva() {
  std::lock_guard bloqueo(mutex_);
  std::string id;
  do {
    id = IdAleatorio();
  } while (sesiones_.contains(id));
  auto sesion = std::make_shared<SesionRest>(id);
  sesion->ultimoUso_ = reloj_();
  sesiones_.emplace(std::move(id), sesion);
  return sesion;
}

std::shared_ptr<SesionRest> SesionesRest::Busca(const std::string& id) {
  std::shared_ptr<SesionRest> vencida;
  std::lock_guard bloqueo(mutex_);
  const auto it = sesiones_.find(id);
  if (it == sesiones_.end()) return nullptr;
  const auto ahora = reloj_();
  if (Vencida(*it->second, ahora)) {
    vencida = std::move(it->second);
    sesiones_.erase(it);
    return nullptr;
  }
  it->second->ultimoUso_ = ahora;
  return it->second;
}

void SesionesRest::Renueva(SesionRest& sesion) {
  std::lock_guard bloqueo(mutex_);
  sesion.ultimoUso_ = reloj_();
}

void SesionesRest::Depura() {
  std::vector<std::shared_ptr<SesionRest>> vencidas;
  std::lock_guard bloqueo(mutex_);
  const auto ahora = reloj_();
  for (auto it = sesiones_.begin(); it != sesiones_.end();) {
    if (Vencida(*it->second, ahora)) {
      vencidas.push_back(std::move(it->second));
      it = sesiones_.erase(it);
    } else {
      ++it;
    }
  }
}

void SesionesRest::TerminaTodas() {
  decltype(sesiones_) terminadas;
  std::lock_guard bloqueo(mutex_);
  terminadas.swap(sesiones_);
}

std::size_t SesionesRest::Cantidad() const {
  std::lock_guard bloqueo(mutex_);
  return sesiones_.size();
}

std::optional<std::string> SesionDePragma(std::string_view pragma) {
  constexpr std::string_view kClave = "dssession=";
  while (!pragma.empty()) {
    const auto coma = pragma.find(',');
    const std::string_view item = Recorta(pragma.substr(0, coma));
    if (item.starts_with(kClave)) return std::string(Recorta(item.substr(kClave.size())));
    if (coma == std::string_view::npos) break;
    pragma.remove_prefix(coma + 1);
  }
  return std::nullopt;
}

std::string PragmaDeSesion(const std::string& id, std::chrono::milliseconds caducidad) {
  return "dssession=" + id + ",dssessionexpires=" + std::to_string(caducidad.count());
}

}  // namespace quorvex
