#include "db/OdbcEntorno.h"

#include <chrono>
#include <deque>
#include <mutex>

#include "db/OdbcTexto.h"
#include "db/Valor.h"

namespace quorvex::db {
namespace {

// Login only: statements have no time limit (ODBC's default query timeout
// of 0). An unreachable server fails within this many seconds.
constexpr SQLULEN kEsperaConexionS = 15;

// Our own pool rather than the driver manager's: unixODBC pools only when
// odbcinst.ini switches pooling on for each driver, which an installation
// cannot be relied on to do. Calls without a session open a connection each;
// a SQL Server login costs far more than the call. Idle connections are kept
// a few minutes, a few in all, the oldest leaving first.
constexpr std::size_t kOciosasMaximo = 16;
constexpr auto kVidaOciosa = std::chrono::minutes(5);

using Reloj = std::chrono::steady_clock;

struct Ociosa {
  std::string cadena;
  SQLHDBC dbc;
  Reloj::time_point desde;
};

void Cierra(SQLHDBC dbc) {
  SQLDisconnect(dbc);
  SQLFreeHandle(SQL_HANDLE_DBC, dbc);
}

// Connections that outlive a process's last call are never freed: the
// environment lives as long as the process (no destruction order to meet
// with other process-wide objects that hold connections).
class Entorno {
 public:
  static Entorno& Global() {
    static Entorno* entorno = new Entorno();
    return *entorno;
  }

  SQLHENV env() const { return env_; }

  // Connections are closed outside the lock: a disconnect may wait on the
  // network, and every new connection passes here.
  SQLHDBC Toma(const std::string& cadena) {
    for (;;) {
      SQLHDBC dbc = SQL_NULL_HDBC;
      std::vector<SQLHDBC> caducas;
      {
        std::lock_guard<std::mutex> guarda(guarda_);
        caducas = Caducan();
        // The newest first: the one most likely still alive.
        for (std::size_t i = ociosas_.size(); i-- > 0;) {
          if (ociosas_[i].cadena != cadena) continue;
          dbc = ociosas_[i].dbc;
          ociosas_.erase(ociosas_.begin() + static_cast<std::ptrdiff_t>(i));
          break;
        }
      }
      for (SQLHDBC c : caducas) Cierra(c);
      if (dbc == SQL_NULL_HDBC) return dbc;
      SQLUINTEGER muerta = SQL_CD_FALSE;
      // Drivers that cannot tell are trusted; the first statement tells then.
      if (!SQL_SUCCEEDED(SQLGetConnectAttr(dbc, SQL_ATTR_CONNECTION_DEAD, &muerta, 0, nullptr)) ||
          muerta != SQL_CD_TRUE)
        return dbc;
      Cierra(dbc);
    }
  }

  void Devuelve(std::string cadena, SQLHDBC dbc) {
    std::vector<SQLHDBC> caducas;
    {
      std::lock_guard<std::mutex> guarda(guarda_);
      caducas = Caducan();
      if (ociosas_.size() == kOciosasMaximo) {
        caducas.push_back(ociosas_.front().dbc);
        ociosas_.pop_front();
      }
      ociosas_.push_back({std::move(cadena), dbc, Reloj::now()});
    }
    for (SQLHDBC c : caducas) Cierra(c);
  }

 private:
  Entorno() {
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env_)))
      throw Error("No se pudo iniciar el entorno ODBC");
    Verifica(SQLSetEnvAttr(env_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0), SQL_HANDLE_ENV,
             env_);
  }

  // Takes out the connections idle too long, for closing. Called with the
  // lock held; the oldest are at the front.
  std::vector<SQLHDBC> Caducan() {
    std::vector<SQLHDBC> caducas;
    const auto limite = Reloj::now() - kVidaOciosa;
    while (!ociosas_.empty() && ociosas_.front().desde < limite) {
      caducas.push_back(ociosas_.front().dbc);
      ociosas_.pop_front();
    }
    return caducas;
  }

  SQLHENV env_ = SQL_NULL_HENV;
  std::mutex guarda_;
  std::deque<Ociosa> ociosas_;
};

SQLHDBC Conecta(const std::string& cadena) {
  SQLHENV env = Entorno::Global().env();
  SQLHDBC dbc = SQL_NULL_HDBC;
  Verifica(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc), SQL_HANDLE_ENV, env);
  SQLSetConnectAttr(dbc, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(kEsperaConexionS), 0);
  std::u16string ancha = Utf16(cadena);
  const SQLRETURN rc = SQLDriverConnectW(dbc, nullptr, Ancho(ancha), static_cast<SQLSMALLINT>(ancha.size()), nullptr, 0,
                                         nullptr, SQL_DRIVER_NOPROMPT);
  if (!SQL_SUCCEEDED(rc)) {
    const std::string mensaje = Diagnostico(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    throw Error("No se pudo conectar con la base de datos: " + mensaje);
  }
  return dbc;
}

}  // namespace

std::string Diagnostico(SQLSMALLINT tipo, SQLHANDLE handle) {
  std::string mensaje;
  for (SQLSMALLINT registro = 1;; ++registro) {
    SQLWCHAR estado[6];
    SQLINTEGER nativo = 0;
    std::u16string texto(1024, u'\0');
    SQLSMALLINT largo = 0;
    const SQLRETURN rc = SQLGetDiagRecW(tipo, handle, registro, estado, &nativo, Ancho(texto),
                                        static_cast<SQLSMALLINT>(texto.size()), &largo);
    if (!SQL_SUCCEEDED(rc)) break;
    texto.resize(std::min<std::size_t>(static_cast<std::size_t>(largo), texto.size() - 1));
    if (!mensaje.empty()) mensaje += " ";
    AgregaUtf8(mensaje, texto);
  }
  return mensaje.empty() ? "Error de ODBC sin diagnóstico" : mensaje;
}

void Verifica(SQLRETURN rc, SQLSMALLINT tipo, SQLHANDLE handle) {
  if (!SQL_SUCCEEDED(rc)) throw Error(Diagnostico(tipo, handle));
}

// Read afresh on every connection (a few lines of odbcinst.ini): a driver
// installed later is found without a restart.
std::vector<DriverOdbc> DriversRegistrados() {
  SQLHENV env = Entorno::Global().env();
  // The environment keeps the position of the listing: one reader at a time.
  static std::mutex guarda;
  std::lock_guard<std::mutex> bloqueo(guarda);
  std::vector<DriverOdbc> drivers;
  SQLUSMALLINT direccion = SQL_FETCH_FIRST;
  for (;;) {
    std::u16string nombre(256, u'\0');
    std::u16string atributos(2048, u'\0');
    SQLSMALLINT largoNombre = 0;
    SQLSMALLINT largoAtributos = 0;
    const SQLRETURN rc =
        SQLDriversW(env, direccion, Ancho(nombre), static_cast<SQLSMALLINT>(nombre.size()), &largoNombre,
                    Ancho(atributos), static_cast<SQLSMALLINT>(atributos.size()), &largoAtributos);
    if (!SQL_SUCCEEDED(rc)) break;
    direccion = SQL_FETCH_NEXT;
    nombre.resize(std::min<std::size_t>(static_cast<std::size_t>(largoNombre), nombre.size() - 1));
    DriverOdbc driver{Utf8(nombre), {}};
    // "key=value" pairs, each ended by a NUL.
    atributos.resize(std::min<std::size_t>(static_cast<std::size_t>(largoAtributos), atributos.size() - 1));
    for (std::size_t i = 0; i < atributos.size();) {
      const std::size_t fin = std::min(atributos.find(u'\0', i), atributos.size());
      const std::string par = Utf8(std::u16string_view(atributos).substr(i, fin - i));
      if (par.starts_with("Driver=")) driver.biblioteca = par.substr(7);
      i = fin + 1;
    }
    drivers.push_back(std::move(driver));
  }
  return drivers;
}

Enlace::Enlace(std::string cadena, const Dialecto& dialecto) : cadena_(std::move(cadena)) {
  dbc_ = Entorno::Global().Toma(cadena_);
  if (dbc_ != SQL_NULL_HDBC) return;
  dbc_ = Conecta(cadena_);
  // Drivers that know no such level (SQLite's) keep their own.
  if (dialecto.leeSinConfirmar)
    SQLSetConnectAttr(dbc_, SQL_ATTR_TXN_ISOLATION, reinterpret_cast<SQLPOINTER>(SQL_TXN_READ_UNCOMMITTED), 0);
}

Enlace::~Enlace() {
  if (reutilizable_) {
    Entorno::Global().Devuelve(std::move(cadena_), dbc_);
  } else {
    Cierra(dbc_);
  }
}

}  // namespace quorvex::db
