#include "documents/EncabezadoDocumento.h"

#include <iterator>
#include <vector>

#include "core/Texto.h"
#include "documents/CamposTexto.h"

namespace quorvex {

namespace {

constexpr std::size_t kCamposEncabezado = 60;

}  // namespace

std::optional<EncabezadoDocumento> LeeEncabezado(const std::string& pDatos) {
  std::vector<std::string> c = DivideCampos(pDatos);
  if (c.size() == kCamposEncabezado - 1) c = DivideCampos(pDatos + "|");
  if (c.size() != kCamposEncabezado) return std::nullopt;

  EncabezadoDocumento e;
  e.pTipo = c[0];
  e.pCSERIEDOCUMENTO = c[1];
  e.pCFOLIO = TextoAEntero(c[2], 0);
  e.pCFECHA = FechaDeTexto(c[3]);
  e.CLIENTE = c[4];
  e.PROVEEDO = c[5];
  e.pCRAZONSOCIAL = c[6];
  e.pCRFC = c[7];
  e.AGENTE = c[8];
  e.pCFECHAVENCIMIENTO = FechaDeTexto(c[9]);
  e.pCFECHAPRONTOPAGO = FechaDeTexto(c[10]);
  e.pCFECHAENTREGARECEPCION = FechaDeTexto(c[11]);
  e.pCREFERENCIA = c[12];
  e.pCOBSERVACIONES = c[13];
  double* const importes[] = {&e.pCNETO,
                              &e.pCIMPUESTO1,
                              &e.pCIMPUESTO2,
                              &e.pCIMPUESTO3,
                              &e.pCRETENCION1,
                              &e.pCRETENCION2,
                              &e.pCDESCUENTOMOV,
                              &e.pCDESCUENTODOC1,
                              &e.pCDESCUENTODOC2,
                              &e.pCGASTO1,
                              &e.pCGASTO2,
                              &e.pCGASTO3,
                              &e.pCTOTAL,
                              &e.pCPENDIENTE,
                              &e.pCTOTALUNIDADES,
                              &e.pCDESCUENTOPRONTOPAGO,
                              &e.pCPORCENTAJEIMPUESTO1,
                              &e.pCPORCENTAJEIMPUESTO2,
                              &e.pCPORCENTAJEIMPUESTO3,
                              &e.pCPORCENTAJERETENCION1,
                              &e.pCPORCENTAJERETENCION2,
                              &e.pCPORCENTAJEINTERES};
  for (std::size_t i = 0; i < std::size(importes); ++i) *importes[i] = TextoAReal(c[14 + i]);  // fields 14-35
  e.pCTEXTOEXTRA1 = c[36];
  e.pCTEXTOEXTRA2 = c[37];
  e.pCTEXTOEXTRA3 = c[38];
  e.pCFECHAEXTRA = FechaDeTexto(c[39]);
  e.pCIMPORTEEXTRA1 = TextoAReal(c[40]);
  e.pCIMPORTEEXTRA2 = TextoAReal(c[41]);
  e.pCIMPORTEEXTRA3 = TextoAReal(c[42]);
  e.pCIMPORTEEXTRA4 = TextoAReal(c[43]);
  e.pCDESTINATARIO = c[44];
  e.pCNUMEROGUIA = c[45];
  e.pCMENSAJERIA = c[46];
  e.pCCUENTAMENSAJERIA = c[47];
  e.pCNUMEROCAJAS = TextoAReal(c[48]);
  e.pCPESO = TextoAReal(c[49]);
  e.pCUNIDADESPENDIENTE = TextoAReal(c[50]);
  e.pCLUGAREXPE = c[51];
  e.pCMETODOPAGO = c[52];
  e.pCNUMPARCIA = TextoAEntero(c[53], 0);
  e.pCCANTPARCI = TextoAEntero(c[54], 0);
  e.pCCONDIPAGO = c[55];
  e.pCNUMCTAPAG = c[56];
  e.pCIDMONEDA = TextoAEntero(c[57], 1);
  // Read as a whole number: a rate with decimals gives the default 1.
  e.pCTIPOCAMBIO = TextoAEntero(c[58], 1);
  e.pUsoCFDI = c[59];
  return e;
}

}  // namespace quorvex
