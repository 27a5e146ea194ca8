#include "core/Registro.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>
#include <mutex>
#include <span>

#include "core/Bitacora.h"
#include "core/Programa.h"

namespace quorvex {

namespace {

// How long a statement waits for another thread or process that holds the
// file's write lock before it fails.
constexpr int kEsperaOcupadoMs = 5000;

constexpr const char* kCreaTabla =
    "PRAGMA journal_mode=WAL;"
    // With WAL this still never corrupts the file; it spares a disk flush on
    // every log line, which keeps its last line here.
    "PRAGMA synchronous=NORMAL;"
    "CREATE TABLE IF NOT EXISTS configuracion (name TEXT PRIMARY KEY, value TEXT)";
constexpr const char* kLee = "SELECT value FROM configuracion WHERE name = ?1";
constexpr const char* kGuarda =
    "INSERT INTO configuracion (name, value) VALUES (?1, ?2) "
    "ON CONFLICT (name) DO UPDATE SET value = excluded.value";
constexpr const char* kLista = "SELECT name, value FROM configuracion ORDER BY name";

struct CierraBase {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct FinalizaSentencia {
  void operator()(sqlite3_stmt* sentencia) const { sqlite3_finalize(sentencia); }
};
using Base = std::unique_ptr<sqlite3, CierraBase>;
using Sentencia = std::unique_ptr<sqlite3_stmt, FinalizaSentencia>;

// Leaves a prepared statement ready for its next use, however this one ends.
class UsoSentencia {
 public:
  explicit UsoSentencia(sqlite3_stmt* sentencia) : sentencia_(sentencia) {}
  ~UsoSentencia() {
    sqlite3_reset(sentencia_);
    sqlite3_clear_bindings(sentencia_);
  }
  UsoSentencia(const UsoSentencia&) = delete;
  UsoSentencia& operator=(const UsoSentencia&) = delete;

 private:
  sqlite3_stmt* sentencia_;
};

std::string TextoColumna(sqlite3_stmt* sentencia, int columna) {
  const auto* texto = sqlite3_column_text(sentencia, columna);
  if (texto == nullptr) return {};
  return {reinterpret_cast<const char*>(texto), static_cast<std::size_t>(sqlite3_column_bytes(sentencia, columna))};
}

// One thread's connection to the store file. It keeps no values: every read
// runs a statement against the file.
class Almacen {
 public:
  explicit Almacen(const std::filesystem::path& ruta) : ruta_(ruta) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(ruta_.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                                   nullptr);
    base_.reset(db);
    if (rc != SQLITE_OK) Falla(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    sqlite3_busy_timeout(db, kEsperaOcupadoMs);
    if (sqlite3_exec(db, kCreaTabla, nullptr, nullptr, nullptr) != SQLITE_OK) Falla();
    lee_ = Prepara(kLee);
    guarda_ = Prepara(kGuarda);
    lista_ = Prepara(kLista);
    identidad_ = Identidad(ruta_);
  }

  // False once the installation directory changed or the file was replaced
  // (deleted and created anew), so that the thread opens the current file.
  bool Vigente(const std::filesystem::path& ruta) const { return ruta == ruta_ && Identidad(ruta) == identidad_; }

  std::string Lee(const std::string& nombre) {
    UsoSentencia uso(lee_.get());
    Vincula(lee_.get(), 1, nombre);
    const int rc = sqlite3_step(lee_.get());
    if (rc == SQLITE_ROW) return TextoColumna(lee_.get(), 0);
    if (rc != SQLITE_DONE) Falla();
    return {};
  }

  // Several values in one read transaction: the file is locked once.
  std::vector<std::string> LeeVarios(std::span<const std::string> nombres) {
    if (sqlite3_exec(base_.get(), "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK) Falla();
    std::vector<std::string> valores;
    try {
      for (const auto& nombre : nombres) valores.push_back(Lee(nombre));
    } catch (...) {
      sqlite3_exec(base_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
      throw;
    }
    if (sqlite3_exec(base_.get(), "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) Falla();
    return valores;
  }

  void Guarda(const std::string& nombre, const std::string& valor) {
    UsoSentencia uso(guarda_.get());
    Vincula(guarda_.get(), 1, nombre);
    Vincula(guarda_.get(), 2, valor);
    if (sqlite3_step(guarda_.get()) != SQLITE_DONE) Falla();
  }

  std::vector<std::pair<std::string, std::string>> Lista() {
    UsoSentencia uso(lista_.get());
    std::vector<std::pair<std::string, std::string>> datos;
    int rc;
    while ((rc = sqlite3_step(lista_.get())) == SQLITE_ROW) {
      datos.emplace_back(TextoColumna(lista_.get(), 0), TextoColumna(lista_.get(), 1));
    }
    if (rc != SQLITE_DONE) Falla();
    return datos;
  }

 private:
  struct IdArchivo {
    dev_t dispositivo = 0;
    ino_t nodo = 0;
    bool operator==(const IdArchivo&) const = default;
  };

  static IdArchivo Identidad(const std::filesystem::path& ruta) {
    struct stat datos {};
    if (stat(ruta.c_str(), &datos) != 0) return {};
    return {datos.st_dev, datos.st_ino};
  }

  [[noreturn]] void Falla() const { Falla(sqlite3_errmsg(base_.get())); }
  [[noreturn]] void Falla(const char* mensaje) const {
    throw ErrorRegistro("Configuración " + ruta_.string() + ": " + mensaje);
  }

  Sentencia Prepara(const char* sql) {
    sqlite3_stmt* sentencia = nullptr;
    if (sqlite3_prepare_v3(base_.get(), sql, -1, SQLITE_PREPARE_PERSISTENT, &sentencia, nullptr) != SQLITE_OK) Falla();
    return Sentencia(sentencia);
  }

  void Vincula(sqlite3_stmt* sentencia, int posicion, const std::string& texto) {
    if (sqlite3_bind_text64(sentencia, posicion, texto.data(), texto.size(), SQLITE_TRANSIENT, SQLITE_UTF8) != SQLITE_OK) {
      Falla();
    }
  }

  std::filesystem::path ruta_;
  Base base_;
  Sentencia lee_, guarda_, lista_;
  IdArchivo identidad_;
};

thread_local std::unique_ptr<Almacen> tAlmacen;

// Runs an operation on this thread's connection; after a failure the
// connection is dropped so that the next access starts from a fresh one.
template <typename Operacion>
auto ConAlmacen(Operacion operacion) {
  try {
    const auto ruta = DirectorioPrograma() / kArchivoConfiguracion;
    if (!tAlmacen || !tAlmacen->Vigente(ruta)) {
      tAlmacen.reset();
      tAlmacen = std::make_unique<Almacen>(ruta);
    }
    return operacion(*tAlmacen);
  } catch (const ErrorRegistro&) {
    tAlmacen.reset();
    throw;
  }
}

std::mutex gMutexPregunta;
ManejadorPregunta gManejadorPregunta;

void PideDato(const std::string& pLlave) {
  ManejadorPregunta manejador;
  {
    std::lock_guard bloqueo(gMutexPregunta);
    manejador = gManejadorPregunta;
  }
  if (!manejador) {
    Bitacora("Falta el valor de configuración \"" + pLlave + "\"");
    return;
  }
  const auto respuesta = manejador(pLlave);
  if (respuesta && !respuesta->empty()) GuardaDatoRegestry(pLlave, *respuesta);
}

}  // namespace

std::string LeeDatoRegestry(const std::string& pLlave, bool pPideDato) {
  std::string valor = ConAlmacen([&](Almacen& almacen) { return almacen.Lee(pLlave); });
  // Callers that prompt read the value again; this call answers what it read.
  if (valor.empty() && pPideDato) PideDato(pLlave);
  return valor;
}

std::vector<std::string> LeeDatosRegestry(std::initializer_list<std::string> pLlaves) {
  return ConAlmacen([&](Almacen& almacen) { return almacen.LeeVarios({pLlaves.begin(), pLlaves.end()}); });
}

void GuardaDatoRegestry(const std::string& pLlave, const std::string& pValor) {
  ConAlmacen([&](Almacen& almacen) { almacen.Guarda(pLlave, pValor); });
}

std::vector<std::pair<std::string, std::string>> ListaDatosRegestry() {
  return ConAlmacen([](Almacen& almacen) { return almacen.Lista(); });
}

void FijaManejadorPregunta(ManejadorPregunta manejador) {
  std::lock_guard bloqueo(gMutexPregunta);
  gManejadorPregunta = std::move(manejador);
}

}  // namespace quorvex
