#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/SyncServermethods.h"
#include "hosting/ArgumentosRest.h"
#include "hosting/Catalogo.h"
#include "tests/DirectorioTemporal.h"

namespace quorvex {
namespace {

// The remote API in the order the module declares it: what the metadata and
// the JavaScript proxy list.
const std::vector<std::string> kMetodos = {
    "MSfAltaDocumento", "CancelaDocumento", "EliminaDocumento", "GetExitenciaProducto", "GetExitenciaPaquete",
    "GetExitenciaProductoCapa", "GetExitenciaCaracteristica", "ValidaCreditoCliente", "DameIdTipoDocumentos",
    "AgregaPago", "SaldaDocumento", "BorrarAsociacion", "ActualizaMovimientoOrigen", "ActualizaPendientePedido",
    "AgregaEncabezado", "AgregaEncabezadoValidaDuplicado", "AgregaDetalle", "AgregaDetalleValidaDuplicado",
    "AgregaDetalleUM", "AgregaMovimientoCapaValidaDuplicado", "AgregaMovimientoCapaUM",
    "AgregaMovimientoCaracteristicaValidaDuplicado", "AgregaMovimientoCaracteristicaUM", "AgregaCapa",
    "AgregaCliente", "ModificaCliente", "ModificaClienteDomicilio", "AltaDomicilio", "ModificaDomicilio",
    "LlamaTimbradoComercial", "GetAlmacenes", "DameConsultaSQL", "GetAgentes", "GetClientesCompleto",
    "GetProveedoresCompleto", "GetProductos", "GetUnidadesMedidaPeso", "GetConversionesUnidad",
    "GetCaracteristicasProducto", "GetCaracteristicas", "GetCaracteristicasValores", "GetSiguienteFolio",
    "GetEmpresasComercialPremium", "GetGUIDDSLComercialPremium", "GetEmpresasContabilidadyBancos",
    "GetGUIDDSLContabilidadyBancos", "GetEmpresasNomina", "ValidaToken", "VersionSync", "DameToken", "ValidaIP",
    "InsertaUUID", "InsertaUUIDTotal", "InsertaXMLUUID", "TerminaAplicacion"};

TEST(Catalogo, ListaLosMetodosRemotosEnSuOrden) {
  std::vector<std::string> nombres;
  for (const auto& m : Catalogo()) nombres.emplace_back(m.nombre);
  EXPECT_EQ(nombres, kMetodos);
}

TEST(Catalogo, ElTokenEsElPrimerArgumentoSalvoEnDameTokenYValidaToken) {
  for (const auto& m : Catalogo()) {
    if (m.nombre == "DameToken") {
      EXPECT_TRUE(m.parametros.empty());
    } else if (m.nombre == "ValidaToken") {
      ASSERT_EQ(m.parametros.size(), 1u);
      EXPECT_EQ(m.parametros[0].nombre, "pValue");
    } else {
      ASSERT_FALSE(m.parametros.empty()) << m.nombre;
      EXPECT_EQ(m.parametros[0].nombre, "Token") << m.nombre;
      EXPECT_EQ(m.parametros[0].tipo, TipoParametro::Texto) << m.nombre;
    }
  }
}

TEST(Catalogo, LasOperacionesInternasNoSonRemotas) {
  for (const char* interna : {"AltaDocumento", "EjecutaConsulta", "ApuntaStringConeccion", "EjecutaQuery",
                              "Timer1Timer", "DSServerModuleCreate", "getproductos", ""})
    EXPECT_EQ(BuscaMetodo(interna), nullptr) << interna;
  EXPECT_NE(BuscaMetodo("GetProductos"), nullptr);
}

// Each built method takes the arguments its declared types convert to: a
// mismatch between the catalogue and the member would only show at a call.
TEST(Catalogo, CadaMetodoConstruidoAceptaSusArgumentosDeclarados) {
  pruebas::DirectorioTemporal directorio;
  for (const auto& m : Catalogo()) {
    if (!m.invoca) continue;
    std::vector<Argumento> nulos;
    for (const auto& p : m.parametros) nulos.push_back(ArgumentoNulo(p.tipo));
    TServerMethodsSync instancia;
    Resultado r;
    ASSERT_NO_THROW(r = m.invoca(instancia, nulos)) << m.nombre;
    const std::size_t esperado = [&] {
      switch (m.resultado) {
        case TipoResultado::Texto: return 0u;
        case TipoResultado::Entero: return 1u;
        case TipoResultado::Doble: return 2u;
        case TipoResultado::Booleano: return 3u;
        case TipoResultado::ConjuntoDatos: return 4u;
      }
      return 99u;
    }();
    EXPECT_EQ(r.index(), esperado) << m.nombre << " answers another type than it declares";
  }
}

}  // namespace
}  // namespace quorvex
