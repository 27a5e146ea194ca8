#include "db/Odbc.h"

#include <utility>

#include "db/DialectoSqlite.h"
#include "db/OdbcEntorno.h"
#include "db/OdbcSentencia.h"
#include "db/OdbcTexto.h"

namespace quorvex::db {
namespace {

void EjecutaDirecto(SQLHDBC dbc, const char* sql) {
  SQLHSTMT s = SQL_NULL_HSTMT;
  Verifica(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &s), SQL_HANDLE_DBC, dbc);
  std::u16string texto = Utf16(sql);
  const SQLRETURN rc = SQLExecDirectW(s, Ancho(texto), static_cast<SQLINTEGER>(texto.size()));
  const std::string mensaje = SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA ? "" : Diagnostico(SQL_HANDLE_STMT, s);
  SQLFreeHandle(SQL_HANDLE_STMT, s);
  if (!mensaje.empty()) throw Error(mensaje);
}

void Autocommit(SQLHDBC dbc, bool activo) {
  const SQLULEN valor = activo ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF;
  Verifica(SQLSetConnectAttr(dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(valor), 0), SQL_HANDLE_DBC, dbc);
}

class ConexionOdbc final : public Conexion {
 public:
  ConexionOdbc(std::shared_ptr<Enlace> enlace, const Dialecto& dialecto)
      : enlace_(std::move(enlace)), dialecto_(dialecto) {}
  // The connection goes idle: a transaction left open is rolled back, and the
  // database is told to give back the cache of the last call.
  ~ConexionOdbc() override {
    try {
      RevierteTransaccion();
      if (dialecto_.liberaMemoria != nullptr) EjecutaDirecto(enlace_->dbc(), dialecto_.liberaMemoria);
    } catch (...) {  // a destructor must not throw; RevierteTransaccion keeps the connection out of the pool
    }
  }
  ConexionOdbc(const ConexionOdbc&) = delete;
  ConexionOdbc& operator=(const ConexionOdbc&) = delete;

  std::unique_ptr<Sentencia> Prepara(std::string_view sql) override {
    if (dialecto_.traduceTSql) return PreparaOdbc(enlace_, dialecto_, TraduceTSqlASqlite(sql), std::string(sql));
    return PreparaOdbc(enlace_, dialecto_, sql, std::string(sql));
  }

  void IniciaTransaccion() override {
    if (enTransaccion_) throw Error("Ya hay una transacción iniciada en esta conexión");
    if (dialecto_.inicioTransaccion != nullptr) {
      EjecutaDirecto(enlace_->dbc(), dialecto_.inicioTransaccion);
    } else {
      Autocommit(enlace_->dbc(), false);
    }
    enTransaccion_ = true;
  }

  // A failed commit leaves the transaction open, for the rollback that follows.
  void ConfirmaTransaccion() override {
    if (!enTransaccion_) throw Error("No hay una transacción iniciada en esta conexión");
    Termina(SQL_COMMIT);
    enTransaccion_ = false;
  }

  void RevierteTransaccion() override {
    if (!enTransaccion_) return;
    enTransaccion_ = false;
    try {
      Termina(SQL_ROLLBACK);
    } catch (...) {
      enlace_->Descarta();
      throw;
    }
  }

 private:
  void Termina(SQLSMALLINT como) {
    if (dialecto_.inicioTransaccion != nullptr) {
      EjecutaDirecto(enlace_->dbc(), como == SQL_COMMIT ? "COMMIT" : "ROLLBACK");
      return;
    }
    Verifica(SQLEndTran(SQL_HANDLE_DBC, enlace_->dbc(), como), SQL_HANDLE_DBC, enlace_->dbc());
    Autocommit(enlace_->dbc(), true);
  }

  std::shared_ptr<Enlace> enlace_;
  const Dialecto& dialecto_;
  bool enTransaccion_ = false;
};

// The password never leaves in a message, whatever a driver echoes.
std::string SinContrasena(std::string mensaje, const std::string& contrasena) {
  if (contrasena.empty()) return mensaje;
  for (auto i = mensaje.find(contrasena); i != std::string::npos; i = mensaje.find(contrasena, i + 3))
    mensaje.replace(i, contrasena.size(), "***");
  return mensaje;
}

}  // namespace

std::optional<DriverOdbc> BuscaDriverOdbc(std::string_view proveedor) {
  if (proveedor.empty()) return std::nullopt;
  return EligeDriver(proveedor, DriversRegistrados());
}

std::unique_ptr<Conexion> AbreOdbc(const DriverOdbc& driver, const CadenaConexion& partes) {
  const Dialecto& dialecto = DialectoDe(driver);
  try {
    return std::make_unique<ConexionOdbc>(std::make_shared<Enlace>(CadenaOdbc(driver, partes), dialecto), dialecto);
  } catch (const Error& e) {
    throw Error(SinContrasena(e.what(), partes.contrasena));
  }
}

}  // namespace quorvex::db
