#pragma once
// REST sessions. Each session owns one TServerMethodsSync instance; a caller
// stays on it by sending the session id back in its "Pragma" header. Sessions
// end after an idle time (20 minutes) or when all are ended at once.
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quorvex {

class TServerMethodsSync;

inline constexpr std::chrono::milliseconds kCaducidadSesion = std::chrono::minutes(20);

class SesionRest {
 public:
  explicit SesionRest(std::string id);
  ~SesionRest();
  SesionRest(const SesionRest&) = delete;
  SesionRest& operator=(const SesionRest&) = delete;

  const std::string& Id() const { return id_; }
  // Held while a method of the session runs and while its data set is read:
  // the system type, company and connection of the instance belong to one
  // call at a time.
  std::mutex& Turno() { return turno_; }
  // The session's instance, created on first use. Only with Turno() held.
  TServerMethodsSync& Instancia();

 private:
  friend class SesionesRest;
  std::string id_;
  std::mutex turno_;
  std::unique_ptr<TServerMethodsSync> instancia_;
  std::chrono::steady_clock::time_point ultimoUso_;  // guarded by the manager
};

class SesionesRest {
 public:
  using Reloj = std::function<std::chrono::steady_clock::time_point()>;

  explicit SesionesRest(std::chrono::milliseconds caducidad = kCaducidadSesion,
                        Reloj reloj = &std::chrono::steady_clock::now);

  std::chrono::milliseconds Caducidad() const { return caducidad_; }

  // A new session with an unguessable id. Throws std::runtime_error when no
  // random id can be drawn.
  std::shared_ptr<SesionRest> Nueva();
  // The live session with that id, its idle time restarted; nullptr when the
  // id is unknown or its session expired (which ends it).
  std::shared_ptr<SesionRest> Busca(const std::string& id);
  // Restarts the idle time, at the end of a call.
  void Renueva(SesionRest& sesion);
  // Ends the expired sessions.
  void Depura();
  // Ends every session (TerminateThreads); calls still running keep their
  // instance until they finish.
  void TerminaTodas();
  std::size_t Cantidad() const;

 private:
  bool Vencida(const SesionRest& sesion, std::chrono::steady_clock::time_point ahora) const;

  std::chrono::milliseconds caducidad_;
  Reloj reloj_;
  // Ended sessions are released only after it is unlocked: closing an
  // instance's connection may take a while.
  mutable std::mutex mutex_;
  std::unordered_map<std::string, std::shared_ptr<SesionRest>> sesiones_;
};

// The session id in a "Pragma" header value: the item "dssession=<id>" among
// comma-separated items. nullopt when there is none.
std::optional<std::string> SesionDePragma(std::string_view pragma);

// The "Pragma" header of an answer: "dssession=<id>,dssessionexpires=<ms>".
std::string PragmaDeSesion(const std::string& id, std::chrono::milliseconds caducidad);

}  // namespace quorvex
