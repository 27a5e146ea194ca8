#include "documents/MovimientoDocumento.h"

#include <iterator>
#include <vector>

#include "core/Texto.h"
#include "documents/CamposTexto.h"

namespace quorvex {

namespace {

constexpr std::size_t kCamposMovimiento = 52;

}  // namespace

std::string TextoMovimiento(const std::string& pDatos) { return Sustituye("$$", "/", pDatos); }

std::optional<MovimientoDocumento> LeeMovimiento(const std::string& pTexto) {
  const std::vector<std::string> c = DivideCampos(pTexto);
  // Unlike the header text, a missing last field is not supplied.
  if (c.size() != kCamposMovimiento) return std::nullopt;

  MovimientoDocumento m;
  m.pCIDDOCUMENTO = TextoAEntero(c[0], 0);
  m.pCNUMEROMOVIMIENTO = TextoAEntero(c[1], 0);
  m.Codigo = c[2];
  m.Almacen = c[3];
  double* const importes[] = {&m.pCUNIDADES,       &m.pCUNIDADESCAPTURADAS,
                              &m.pCPRECIO,         &m.pCPRECIOCAPTURADO,
                              &m.pCCOSTOCAPTURADO, &m.pCNETO,
                              &m.pCIMPUESTO1,      &m.pCPORCENTAJEIMPUESTO1,
                              &m.pCIMPUESTO2,      &m.pCPORCENTAJEIMPUESTO2,
                              &m.pCIMPUESTO3,      &m.pCPORCENTAJEIMPUESTO3,
                              &m.pCRETENCION1,     &m.pCPORCENTAJERETENCION1,
                              &m.pCRETENCION2,     &m.pCPORCENTAJERETENCION2,
                              &m.pCDESCUENTO1,     &m.pCPORCENTAJEDESCUENTO1,
                              &m.pCDESCUENTO2,     &m.pCPORCENTAJEDESCUENTO2,
                              &m.pCDESCUENTO3,     &m.pCPORCENTAJEDESCUENTO3,
                              &m.pCDESCUENTO4,     &m.pCPORCENTAJEDESCUENTO4,
                              &m.pCDESCUENTO5,     &m.pCPORCENTAJEDESCUENTO5,
                              &m.pCTOTAL,          &m.pCPORCENTAJECOMISION};
  for (std::size_t i = 0; i < std::size(importes); ++i) *importes[i] = TextoAReal(c[4 + i]);  // fields 4-31
  m.pCREFERENCIA = c[32];
  m.pCOBSERVAMOV = c[33];
  m.pCAFECTADOSALDOS = TextoAEntero(c[34], 0);
  m.pCAFECTADOINVENTARIO = TextoAEntero(c[35], 0);
  m.pCFECHA = FechaDeTexto(c[36]);
  m.pCUNIDADESPENDIENTES = TextoAReal(c[37]);
  m.pCUNIDADESORIGEN = TextoAReal(c[38]);
  m.pCTIPOTRASPASO = TextoAEntero(c[39], 0);
  m.pCIDVALORCLASIFICACION = TextoAEntero(c[40], 0);
  m.pCTEXTOEXTRA1 = c[41];
  m.pCTEXTOEXTRA2 = c[42];
  m.pCTEXTOEXTRA3 = c[43];
  m.pCFECHAEXTRA = FechaDeTexto(c[44]);
  m.pCIMPORTEEXTRA1 = TextoAReal(c[45]);
  m.pCIMPORTEEXTRA2 = TextoAReal(c[46]);
  m.pCIMPORTEEXTRA3 = TextoAReal(c[47]);
  m.pCIMPORTEEXTRA4 = TextoAReal(c[48]);
  m.pCGTOMOVTO = TextoAReal(c[49]);
  m.pCSCMOVTO = c[50];
  m.pCCOMVENTA = TextoAReal(c[51]);
  return m;
}

}  // namespace quorvex
