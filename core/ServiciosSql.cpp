// Generic SQL services: the query helpers every listing runs through, the
// callers' own queries and the company lists of the CONTPAQi products.
#include <exception>
#include <stdexcept>

#include "core/Bitacora.h"
#include "core/SyncServermethods.h"
#include "core/Texto.h"
#include "db/TablaMemoria.h"

namespace quorvex {

namespace {

// The clients' keep-alive query, never traced.
constexpr const char* kConsultaViva = "SELECT GETDATE()";
// The width of the "Error" column.
constexpr std::size_t kAnchoError = 255;

DataSet TablaError(const std::string& mensaje) {
  auto tabla = std::make_unique<db::TablaMemoria>(std::vector<std::string>{"Error"});
  tabla->AgregaFila({mensaje.substr(0, kAnchoError)});
  return std::make_unique<db::ConjuntoDatos>(std::unique_ptr<db::Cursor>(std::move(tabla)));
}

std::string ConComillasSimples(const std::string& texto) { return Sustituye("\"", "'", texto); }

}  // namespace

DataSet TServerMethodsSync::EjecutaConsulta(const std::string& vConsulta, const Filtros& filtros) {
  if (vConsulta != kConsultaViva) BitacoraM(vConsulta);
  const std::string texto = ConComillasSimples(vConsulta);
  try {
    if (!filtros.Error().empty()) throw db::Error(filtros.Error());
    std::unique_ptr<db::Sentencia> sentencia = Prepara(texto);
    for (const auto& [nombre, valor] : filtros.Valores()) sentencia->Asigna(nombre, valor);
    return std::make_unique<db::ConjuntoDatos>(std::move(sentencia));
  } catch (const std::exception& e) {
    const std::string mensaje = std::string(e.what()) + " " + texto;
    Bitacora(mensaje);
    return TablaError(mensaje);
  }
}

bool TServerMethodsSync::EjecutaQuery(const std::string& sentencia) {
  const std::string texto = ConComillasSimples(sentencia);
  try {
    Prepara(texto)->Ejecuta();
    return true;
  } catch (const std::exception& e) {
    Bitacora(std::string(e.what()) + " " + texto);
    return false;
  }
}

bool TServerMethodsSync::EjecutaSentencia(db::Sentencia& sentencia) {
  try {
    sentencia.Ejecuta();
    return true;
  } catch (const std::exception& e) {
    Bitacora(std::string(e.what()) + " " + sentencia.Texto());
    return false;
  }
}

DataSet TServerMethodsSync::DameConsultaSQL(const std::string& Token, const std::string& pConsulta,
                                            const std::string& pGUIDDSL) {
  if (pConsulta != kConsultaViva) BitacoraM(Token + " " + pConsulta);
  if (!ValidaToken(Token)) return nullptr;
  for (const char* peticion : {"Scrip Premium", "Scrip Contabilidad", "Scrip Nomina", "Scrip Pro"}) {
    // The report scripts come from the maker's directory service.
    if (pConsulta.find(peticion) != std::string::npos)
      throw std::runtime_error("La instalación de scripts de reportes aún no está disponible");
  }
  std::string consulta = Sustituye("$$", "/", pConsulta);
  consulta = Sustituye("_XXXX_", "_" + pGUIDDSL + "_", consulta);
  return EjecutaConsulta(consulta);
}

DataSet TServerMethodsSync::ListaEmpresas(const std::string& Token, const char* baseGeneral, const char* consulta) {
  return DameConsultaSQL(Token.substr(0, 9) + "2" + baseGeneral, consulta, "");
}

DataSet TServerMethodsSync::GetEmpresasComercialPremium(const std::string& Token) {
  return ListaEmpresas(Token, "CompacWAdmin",
                       R"sql(Select cnombreempresa Nombre, SUBSTRING(crutadatos, CHARINDEX("Empresas\", crutadatos, 1) + 9, 100) Base from empresas where CNOMBREEMPRESA <> "(Predeterminada)")sql");
}

DataSet TServerMethodsSync::GetEmpresasContabilidadyBancos(const std::string& Token) {
  return ListaEmpresas(Token, "GeneralesSQL", "Select  Nombre, AliasBDD Base from ListaEmpresas ");
}

DataSet TServerMethodsSync::GetEmpresasNomina(const std::string& Token) {
  return ListaEmpresas(Token, "nomGenerales",
                       R"sql(Select NombreCorto Nombre, RutaEmpresa Base, GUIDDSL from NOM10000 where RutaEmpresa <> "")sql");
}

DataSet TServerMethodsSync::GetGUIDDSLComercialPremium(const std::string& Token) {
  return DameConsultaSQL(Token, "Select CGUIDDSL GUIDDSL from admParametros", "");
}

DataSet TServerMethodsSync::GetGUIDDSLContabilidadyBancos(const std::string& Token) {
  return DameConsultaSQL(Token, "Select GUIDDSL from Parametros", "");
}

}  // namespace quorvex
