#include "db/OdbcSentencia.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "db/OdbcCursor.h"
#include "db/OdbcTexto.h"

namespace quorvex::db {
namespace {

// SQL Server's nvarchar holds up to this many characters; longer texts go as
// nvarchar(max). Every shorter text is declared this long, so that SQL Server
// keeps one plan per statement rather than one per length of its values.
constexpr std::size_t kTextoCorto = 4000;

// The value of one named parameter and the buffers it is bound from; all the
// markers of the name share them. Unassigned, it is NULL, as on the embedded
// back end.
struct Parametro {
  db::Valor valor;
  std::int64_t entero = 0;
  double doble = 0;
  std::u16string texto;
  SQL_TIMESTAMP_STRUCT fecha{};
  SQLLEN indicador = 0;
};

struct Enlazado {
  SQLSMALLINT tipoC;
  SQLSMALLINT tipoSql;
  SQLULEN tamano;
  SQLSMALLINT decimales;
  SQLPOINTER datos;
  SQLLEN largo;
};

// Fills the buffers of p for its value and tells how to bind them.
struct Prepara {
  Parametro& p;
  const Dialecto& dialecto;

  Enlazado operator()(Nulo) const {
    p.texto.clear();
    p.indicador = SQL_NULL_DATA;
    return {SQL_C_WCHAR, SQL_WVARCHAR, kTextoCorto, 0, p.texto.data(), 0};
  }
  Enlazado operator()(std::int64_t v) const {
    p.entero = v;
    p.indicador = sizeof p.entero;
    return {SQL_C_SBIGINT, SQL_BIGINT, 19, 0, &p.entero, 0};
  }
  Enlazado operator()(double v) const {
    p.doble = v;
    p.indicador = sizeof p.doble;
    return {SQL_C_DOUBLE, SQL_DOUBLE, 15, 0, &p.doble, 0};
  }
  Enlazado operator()(const std::string& v) const {
    p.texto = Utf16(v);
    const std::size_t n = p.texto.size();
    p.indicador = static_cast<SQLLEN>(n * sizeof(char16_t));
    const bool largo = n > kTextoCorto;
    return {SQL_C_WCHAR,
            static_cast<SQLSMALLINT>(largo ? SQL_WLONGVARCHAR : SQL_WVARCHAR),
            largo ? n : kTextoCorto,
            0,
            p.texto.data(),
            p.indicador};
  }
  Enlazado operator()(FechaHora v) const {
    if (dialecto.fechasComoTexto) return (*this)(TextoFechaHora(v));
    using namespace std::chrono;
    const auto dia = floor<days>(v);
    const year_month_day fecha{dia};
    const hh_mm_ss hora{v - dia};
    p.fecha = {static_cast<SQLSMALLINT>(static_cast<int>(fecha.year())),
               static_cast<SQLUSMALLINT>(static_cast<unsigned>(fecha.month())),
               static_cast<SQLUSMALLINT>(static_cast<unsigned>(fecha.day())),
               static_cast<SQLUSMALLINT>(hora.hours().count()),
               static_cast<SQLUSMALLINT>(hora.minutes().count()),
               static_cast<SQLUSMALLINT>(hora.seconds().count()),
               static_cast<SQLUINTEGER>(hora.subseconds().count() * 1'000'000)};
    p.indicador = sizeof p.fecha;
    // "YYYY-MM-DD HH:MM:SS.mmm": 23 characters, 3 of them decimals.
    return {SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP, 23, 3, &p.fecha, sizeof p.fecha};
  }
};

class SentenciaOdbc final : public Sentencia {
 public:
  SentenciaOdbc(std::shared_ptr<Enlace> enlace, const Dialecto& dialecto, SQLHSTMT s, std::string original,
                const std::vector<std::string>& marcas)
      : enlace_(std::move(enlace)), dialecto_(dialecto), s_(s), texto_(std::move(original)), cursor_(s, dialecto) {
    for (const std::string& nombre : marcas) {
      auto it = std::find(nombres_.begin(), nombres_.end(), nombre);
      if (it == nombres_.end()) it = nombres_.insert(nombres_.end(), nombre);
      posiciones_.push_back(static_cast<std::size_t>(it - nombres_.begin()));
    }
    parametros_.resize(nombres_.size());
  }
  ~SentenciaOdbc() override { SQLFreeHandle(SQL_HANDLE_STMT, s_); }
  SentenciaOdbc(const SentenciaOdbc&) = delete;
  SentenciaOdbc& operator=(const SentenciaOdbc&) = delete;

  void Asigna(std::string_view nombre, const db::Valor& valor) override {
    cursor_.Cierra();  // a statement takes new values only between runs
    const auto it = std::find(nombres_.begin(), nombres_.end(), nombre);
    if (it == nombres_.end()) throw Error("Parámetro desconocido: " + std::string(nombre));
    parametros_[static_cast<std::size_t>(it - nombres_.begin())].valor = valor;
  }

  Cursor& Abre() override {
    Corre();
    SQLSMALLINT columnas = 0;
    // A batch may answer row counts before its rows.
    try {
      Verifica(SQLNumResultCols(s_, &columnas), SQL_HANDLE_STMT, s_);
      while (columnas == 0 && SiguienteResultado()) Verifica(SQLNumResultCols(s_, &columnas), SQL_HANDLE_STMT, s_);
    } catch (...) {
      SQLFreeStmt(s_, SQL_CLOSE);
      throw;
    }
    if (columnas == 0) {
      SQLFreeStmt(s_, SQL_CLOSE);
      throw Error("La sentencia no devolvió un conjunto de datos");
    }
    cursor_.Inicia();
    return cursor_;
  }

  std::int64_t Ejecuta() override {
    std::int64_t filas = 0;
    try {
      bool hay = Corre();
      do {
        SQLSMALLINT columnas = 0;
        Verifica(SQLNumResultCols(s_, &columnas), SQL_HANDLE_STMT, s_);
        SQLLEN cuenta = 0;
        if (hay && columnas == 0 && SQL_SUCCEEDED(SQLRowCount(s_, &cuenta)) && cuenta > 0) filas += cuenta;
        hay = true;
      } while (SiguienteResultado());
    } catch (...) {
      SQLFreeStmt(s_, SQL_CLOSE);
      throw;
    }
    SQLFreeStmt(s_, SQL_CLOSE);
    return filas;
  }

  const std::string& Texto() const override { return texto_; }

 private:
  // Binds every marker and runs; false when the statement touched no row
  // (SQL_NO_DATA).
  bool Corre() {
    cursor_.Cierra();
    std::vector<Enlazado> enlaces;
    enlaces.reserve(parametros_.size());
    for (Parametro& p : parametros_) enlaces.push_back(std::visit(Prepara{p, dialecto_}, p.valor));
    for (std::size_t marca = 0; marca < posiciones_.size(); ++marca) {
      const Enlazado& e = enlaces[posiciones_[marca]];
      Verifica(SQLBindParameter(s_, static_cast<SQLUSMALLINT>(marca + 1), SQL_PARAM_INPUT, e.tipoC, e.tipoSql, e.tamano,
                                e.decimales, e.datos, e.largo, &parametros_[posiciones_[marca]].indicador),
               SQL_HANDLE_STMT, s_);
    }
    const SQLRETURN rc = SQLExecute(s_);
    if (rc == SQL_NO_DATA) return false;
    if (!SQL_SUCCEEDED(rc)) {
      const std::string mensaje = Diagnostico(SQL_HANDLE_STMT, s_);
      SQLFreeStmt(s_, SQL_CLOSE);  // a batch may have results pending after its failure
      throw Error(mensaje);
    }
    return true;
  }

  // Moves to the next result of a batch; false when there is none.
  bool SiguienteResultado() {
    const SQLRETURN rc = SQLMoreResults(s_);
    if (rc == SQL_NO_DATA) return false;
    Verifica(rc, SQL_HANDLE_STMT, s_);
    return true;
  }

  std::shared_ptr<Enlace> enlace_;  // outlives the statement handle
  const Dialecto& dialecto_;
  SQLHSTMT s_;
  std::string texto_;
  std::vector<std::string> nombres_;     // each name once
  std::vector<std::size_t> posiciones_;  // per marker, its name's index
  std::vector<Parametro> parametros_;    // per name
  CursorOdbc cursor_;
};

}  // namespace

std::unique_ptr<Sentencia> PreparaOdbc(std::shared_ptr<Enlace> enlace, const Dialecto& dialecto, std::string_view sql,
                                       std::string original) {
  const TextoPosicional posicional = ParametrosPosicionales(sql);
  SQLHSTMT s = SQL_NULL_HSTMT;
  Verifica(SQLAllocHandle(SQL_HANDLE_STMT, enlace->dbc(), &s), SQL_HANDLE_DBC, enlace->dbc());
  std::u16string texto = Utf16(posicional.texto);
  const SQLRETURN rc = SQLPrepareW(s, Ancho(texto), static_cast<SQLINTEGER>(texto.size()));
  if (!SQL_SUCCEEDED(rc)) {
    const std::string mensaje = Diagnostico(SQL_HANDLE_STMT, s);
    SQLFreeHandle(SQL_HANDLE_STMT, s);
    throw Error(mensaje);
  }
  return std::make_unique<SentenciaOdbc>(std::move(enlace), dialecto, s, std::move(original), posicional.nombres);
}

}  // namespace quorvex::db
