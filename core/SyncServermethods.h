#pragma once
// TServerMethodsSync: one instance per REST session. Its public methods are the
// remote API (see hosting/Catalogo); everything private is internal. Calls on
// one instance are serialised by the REST front, so the system type and company
// set by a call's token check belong to that call alone.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/Filtros.h"
#include "db/Conexion.h"
#include "db/ConjuntoDatos.h"

namespace quorvex {

struct EncabezadoDocumento;
struct MovimientoDocumento;

// A data set result; null means no data set.
using DataSet = std::unique_ptr<db::ConjuntoDatos>;

class TServerMethodsSync {
 public:
  TServerMethodsSync();
  ~TServerMethodsSync();
  TServerMethodsSync(const TServerMethodsSync&) = delete;
  TServerMethodsSync& operator=(const TServerMethodsSync&) = delete;

  // Remote methods.
  bool ValidaToken(const std::string& pValue);
  std::int32_t VersionSync(const std::string& Token);
  std::string DameToken();
  std::string ValidaIP(const std::string& Token, const std::string& pValue);
  bool TerminaAplicacion(const std::string& Token);

  // Generic SQL services.
  DataSet DameConsultaSQL(const std::string& Token, const std::string& pConsulta, const std::string& pGUIDDSL);
  DataSet GetEmpresasComercialPremium(const std::string& Token);
  DataSet GetGUIDDSLComercialPremium(const std::string& Token);
  DataSet GetEmpresasContabilidadyBancos(const std::string& Token);
  DataSet GetGUIDDSLContabilidadyBancos(const std::string& Token);
  DataSet GetEmpresasNomina(const std::string& Token);

  // Customers and suppliers (queries/Clientes.cpp).
  DataSet GetClientesCompleto(const std::string& Token, const std::string& RFC, const std::string& IDCliente,
                              const std::string& NCliente, const std::string& Razon);
  DataSet GetProveedoresCompleto(const std::string& Token, const std::string& RFC, const std::string& IDCliente,
                                 const std::string& NCliente);

  // Products, units and characteristics (queries/Productos.cpp).
  DataSet GetProductos(const std::string& Token, const std::string& IDProducto, const std::string& Codigo,
                       const std::string& Nombre, const std::string& CTIPOPRODUCTO);
  DataSet GetUnidadesMedidaPeso(const std::string& Token);
  DataSet GetConversionesUnidad(const std::string& Token);
  DataSet GetCaracteristicasProducto(const std::string& Token, const std::string& IDProducto,
                                     const std::string& Codigo, const std::string& Nombre);
  DataSet GetCaracteristicas(const std::string& Token, const std::string& Nombre);
  DataSet GetCaracteristicasValores(const std::string& Token, const std::string& pIDPADRECARACTERISTICA,
                                    const std::string& pIDVALORCARACTERISTICA,
                                    const std::string& pVALORCARACTERISTICA);

  // Stock (queries/Existencias.cpp).
  DataSet GetExitenciaProducto(const std::string& Token, const std::string& CIDPRODUCTO,
                               const std::string& CIDALMACEN, const std::string& CCODIGOPRODUCTO,
                               const std::string& ccodaltern);
  DataSet GetExitenciaPaquete(const std::string& Token, const std::string& CIDPRODUCTO,
                              const std::string& CIDALMACEN, const std::string& CCODIGOPRODUCTO,
                              const std::string& ccodaltern);
  DataSet GetExitenciaProductoCapa(const std::string& Token, const std::string& CIDPRODUCTO,
                                   const std::string& CIDALMACEN, const std::string& CCODIGOPRODUCTO,
                                   const std::string& CNUMEROLOTE, const std::string& CPEDIMENTO,
                                   const std::string& CNUMEROSERIE, const std::string& cidcapa,
                                   const std::string& CIDSERIE);
  DataSet GetExitenciaCaracteristica(const std::string& Token, const std::string& CIDPRODUCTO,
                                     const std::string& CIDALMACEN, const std::string& CCODIGOPRODUCTO,
                                     const std::string& ccodaltern, const std::string& CIDCaracteristica,
                                     const std::string& pCIDVALORCARACTERISTICA1,
                                     const std::string& pCIDVALORCARACTERISTICA2,
                                     const std::string& pCIDVALORCARACTERISTICA3);

  // Agents, warehouses, folios and concepts (queries/Referencias.cpp).
  DataSet GetAgentes(const std::string& Token);
  DataSet GetAlmacenes(const std::string& Token);
  std::int32_t GetSiguienteFolio(const std::string& Token, std::int32_t pCIDCONCEPTODOCUMENTO,
                                 const std::string& pCSERIE);
  DataSet DameIdTipoDocumentos(const std::string& Token, const std::string& pIdsDocumentoModelo,
                               const std::string& pIdDocumentoModelo, const std::string& pCIDCONCEPTODOCUMENTO);

  // Document header (documents/Encabezado.cpp): the new CIDDOCUMENTO, or 0.
  std::int32_t AgregaEncabezado(const std::string& Token, std::int32_t ID, const std::string& Datos);
  std::int32_t AgregaEncabezadoValidaDuplicado(const std::string& Token, std::int32_t ID, const std::string& Datos,
                                               bool pDuplicado);

  // Document movements (documents/Detalle.cpp): the new CIDMOVIMIENTO, or 0.
  std::int32_t AgregaDetalle(const std::string& Token, std::int32_t ID, std::int32_t pCIDDOCUMENTODE,
                             std::int32_t pCMOVTOOCULTO, std::int32_t pCIDMOVTOOWNER, std::int32_t pCIDMOVTOORIGEN,
                             const std::string& Datos);
  std::int32_t AgregaDetalleValidaDuplicado(const std::string& Token, std::int32_t ID, std::int32_t pCIDDOCUMENTODE,
                                            std::int32_t pCMOVTOOCULTO, std::int32_t pCIDMOVTOOWNER,
                                            std::int32_t pCIDMOVTOORIGEN, const std::string& Datos, bool pDuplicado);
  std::int32_t AgregaDetalleUM(const std::string& Token, std::int32_t ID, std::int32_t pCIDDOCUMENTODE,
                               std::int32_t pCMOVTOOCULTO, std::int32_t pCIDMOVTOOWNER, std::int32_t pCIDMOVTOORIGEN,
                               const std::string& Datos, bool pDuplicado, double pCUNIDADESNC, std::int32_t pCIDUNIDAD,
                               std::int32_t pCIDUNIDADNC, double pUNIDADESBASE);
  // Links a movement to a cost layer and recomputes the layer
  // (documents/Capas.cpp): 1 once the token is valid, 0 when it is rejected.
  std::int32_t AgregaCapa(const std::string& Token, std::int32_t pIdMovimiento, std::int32_t pCapa,
                          std::int32_t pCTIPOCAPA, const std::string& pCCODIGOPRODUCTO, db::FechaHora pCFECHA,
                          double pCUNIDADES);

  // What the last token check of this instance set up.
  int TipoSistema() const { return tipoSistema_; }
  const std::string& NEmpresa() const { return nEmpresa_; }
  const std::string& DirectorioEmpresa() const { return directorioEmpresa_; }
  // The company connection; nullptr while it is closed.
  db::Conexion* ConexionEmpresa() { return ADOConnectionMirant_.get(); }
  const std::string& CadenaConexion() const { return cadenaConexion_; }
  // Gives the company connection back between calls: an idle session holds
  // no database connection (the back ends keep idle ones for reuse). The next
  // token check takes one again.
  void SueltaConexion();
  // Prepares a statement on the company connection; db::Error while it is closed.
  std::unique_ptr<db::Sentencia> Prepara(std::string_view sql);

 private:
  void ApuntaStringConeccion(const std::string& vEmpresa, int pTipoSistema);

  // Runs a SELECT (double quotes become single quotes) with the filters'
  // values bound; a failure is logged and answered with the one-row "Error"
  // data set.
  DataSet EjecutaConsulta(const std::string& vConsulta, const Filtros& filtros = Filtros());
  // Runs a statement without rows; false, logged, on failure.
  bool EjecutaQuery(const std::string& sentencia);
  // Runs a prepared statement whose parameters are already bound; false, logged, on failure.
  bool EjecutaSentencia(db::Sentencia& sentencia);
  // The list of companies of a product family's general database.
  DataSet ListaEmpresas(const std::string& Token, const char* baseGeneral, const char* consulta);

  // Document header (documents/Encabezado.cpp). AltaDoc checks for a
  // duplicate and routes by system type; AltaDocumento writes the header.
  std::int32_t AltaDoc(const EncabezadoDocumento& pEncabezado, bool pDuplicado);
  std::int32_t ValidaDuplicadoEncabezado(const std::string& pTipo, const std::string& pCSERIEDOCUMENTO,
                                         std::int32_t pCFOLIO, db::FechaHora pCFECHA);
  std::int32_t AltaDocumento(const EncabezadoDocumento& pEncabezado);

  // Document movements (documents/Detalle.cpp). AltaDocDet checks for a
  // duplicate and routes by system type; AltaDetalleDocumento writes the movement.
  std::int32_t AltaDocDet(const MovimientoDocumento& pMovimiento, bool pDuplicado);
  std::int32_t ValidaDuplicadoDetalle(std::int32_t pCIDDOCUMENTO, const std::string& Codigo,
                                      const std::string& Almacen);
  std::int32_t AltaDetalleDocumento(const MovimientoDocumento& pMovimiento);

  // Document totals (documents/Totales.cpp): the header's amounts become the
  // sums of its movements. Only pID is used. Throws db::Error.
  void ActualizaDocumento(std::int32_t pID, std::int32_t pIDOwner1, std::int32_t pIdOwner2, std::int32_t pIdMoneda,
                          std::int32_t pIDTIPOACUMULADO, std::int32_t pTIPOOWNER1, std::int32_t pTIPOOWNER2,
                          double pTipoDeCambio, db::FechaHora pFecha);

  // Cost history (documents/CostoHistorico.cpp). RevisaCostoHistorico answers
  // the unit cost of a product in a warehouse on a day, carrying the latest
  // earlier cost forward to that day when it has no row (pPrimero 1 reads the
  // carried row back). AfectaExistenciayCosto makes sure of that row for a
  // movement that moves stock. Throw db::Error.
  double RevisaCostoHistorico(std::int32_t pCIDPRODUCTO, std::int32_t pCIDALMACEN, std::int32_t pPrimero,
                              db::FechaHora pFecha);
  void AfectaExistenciayCosto(std::int32_t pCIDPRODUCTO, std::int32_t pCIDALMACEN, db::FechaHora pFecha,
                              std::int32_t pCAFECTAEXISTENCIA, double pCUNIDADES, double pCosto);
  // A layer's stock and unit cost recomputed from its movement links
  // (documents/Capas.cpp). Throws db::Error.
  void RecalculaCapa(std::int32_t pCIDCAPA);

  // admParametros.CVERSIONACTUAL, read once per instance (queries/Clientes.cpp).
  int VersionBaseDatos();

  int tipoSistema_ = 2;
  std::optional<int> versionBaseDatos_;
  // Never assigned: the Comercial Pro warehouse listing reads it as 0.
  std::int32_t numeroEntidad_ = 0;
  std::string nEmpresa_;
  std::string directorioEmpresa_;
  std::unique_ptr<db::Conexion> ADOConnectionMirant_;
  std::string cadenaConexion_;
};

}  // namespace quorvex
