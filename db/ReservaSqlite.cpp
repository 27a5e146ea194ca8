#include "db/ReservaSqlite.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <chrono>
#include <deque>
#include <mutex>
#include <vector>

namespace quorvex::db {
namespace {

using Reloj = std::chrono::steady_clock;

// All files together: each connection holds up to three descriptors (the
// database, its write-ahead log and the shared index).
constexpr std::size_t kMaximoOciosas = 48;
constexpr auto kVidaOciosa = std::chrono::minutes(5);

struct Ociosa {
  std::string archivo;
  IdentidadArchivo identidad;
  sqlite3* db;
  Reloj::time_point desde;
};

struct Reserva {
  std::mutex guarda;
  std::deque<Ociosa> ociosas;  // oldest first
};

// Never destroyed: a connection may still come back while the program ends.
Reserva& LaReserva() {
  static auto* reserva = new Reserva;
  return *reserva;
}

// Takes out what is beyond the limits, for closing outside the lock.
std::vector<sqlite3*> Sobrantes(std::deque<Ociosa>& ociosas) {
  std::vector<sqlite3*> sobrantes;
  const auto limite = Reloj::now() - kVidaOciosa;
  while (!ociosas.empty() && (ociosas.size() > kMaximoOciosas || ociosas.front().desde < limite)) {
    sobrantes.push_back(ociosas.front().db);
    ociosas.pop_front();
  }
  return sobrantes;
}

void Cierra(const std::vector<sqlite3*>& conexiones) {
  for (sqlite3* db : conexiones) sqlite3_close_v2(db);
}

}  // namespace

IdentidadArchivo IdentidadDe(const std::string& archivo) {
  struct stat datos {};
  if (stat(archivo.c_str(), &datos) != 0) return {};
  return {datos.st_dev, datos.st_ino};
}

sqlite3* TomaConexionSqlite(const std::string& archivo, IdentidadArchivo identidad) {
  if (identidad == IdentidadArchivo{}) return nullptr;
  std::vector<sqlite3*> sobrantes;
  sqlite3* db = nullptr;
  {
    Reserva& r = LaReserva();
    std::lock_guard bloqueo(r.guarda);
    auto& ociosas = r.ociosas;
    sobrantes = Sobrantes(ociosas);
    // The most recently used: its pages are the likeliest to be in memory.
    for (auto i = ociosas.rbegin(); i != ociosas.rend(); ++i) {
      if (i->archivo == archivo && i->identidad == identidad) {
        db = i->db;
        ociosas.erase(std::next(i).base());
        break;
      }
    }
  }
  Cierra(sobrantes);
  return db;
}

void DevuelveConexionSqlite(const std::string& archivo, IdentidadArchivo identidad, sqlite3* db) {
  sqlite3_db_release_memory(db);
  std::vector<sqlite3*> sobrantes;
  {
    Reserva& r = LaReserva();
    std::lock_guard bloqueo(r.guarda);
    r.ociosas.push_back({archivo, identidad, db, Reloj::now()});
    sobrantes = Sobrantes(r.ociosas);
  }
  Cierra(sobrantes);
}

}  // namespace quorvex::db
