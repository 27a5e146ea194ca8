#pragma once
// The movement text of a document: 52 "|"-separated fields, converted to the
// values the movement insert writes, plus the values that the remote methods
// receive as arguments.
#include <cstdint>
#include <optional>
#include <string>

#include "db/Valor.h"

namespace quorvex {

// Fields that do not convert hold 0 (dates: StringToFecha's defaults).
struct MovimientoDocumento {
  std::int32_t pCIDDOCUMENTO = 0;
  std::int32_t pCNUMEROMOVIMIENTO = 0;
  std::string Codigo;   // product code
  std::string Almacen;  // warehouse code
  double pCUNIDADES = 0, pCUNIDADESCAPTURADAS = 0, pCPRECIO = 0, pCPRECIOCAPTURADO = 0, pCCOSTOCAPTURADO = 0;
  double pCNETO = 0;
  double pCIMPUESTO1 = 0, pCPORCENTAJEIMPUESTO1 = 0, pCIMPUESTO2 = 0, pCPORCENTAJEIMPUESTO2 = 0;
  double pCIMPUESTO3 = 0, pCPORCENTAJEIMPUESTO3 = 0;
  double pCRETENCION1 = 0, pCPORCENTAJERETENCION1 = 0, pCRETENCION2 = 0, pCPORCENTAJERETENCION2 = 0;
  double pCDESCUENTO1 = 0, pCPORCENTAJEDESCUENTO1 = 0, pCDESCUENTO2 = 0, pCPORCENTAJEDESCUENTO2 = 0;
  double pCDESCUENTO3 = 0, pCPORCENTAJEDESCUENTO3 = 0, pCDESCUENTO4 = 0, pCPORCENTAJEDESCUENTO4 = 0;
  double pCDESCUENTO5 = 0, pCPORCENTAJEDESCUENTO5 = 0;
  double pCTOTAL = 0, pCPORCENTAJECOMISION = 0;
  std::string pCREFERENCIA, pCOBSERVAMOV;
  std::int32_t pCAFECTADOSALDOS = 0, pCAFECTADOINVENTARIO = 0;
  db::FechaHora pCFECHA{};
  double pCUNIDADESPENDIENTES = 0, pCUNIDADESORIGEN = 0;
  std::int32_t pCTIPOTRASPASO = 0, pCIDVALORCLASIFICACION = 0;
  std::string pCTEXTOEXTRA1, pCTEXTOEXTRA2, pCTEXTOEXTRA3;
  db::FechaHora pCFECHAEXTRA{};
  double pCIMPORTEEXTRA1 = 0, pCIMPORTEEXTRA2 = 0, pCIMPORTEEXTRA3 = 0, pCIMPORTEEXTRA4 = 0;
  double pCGTOMOVTO = 0;
  std::string pCSCMOVTO;
  double pCCOMVENTA = 0;

  // From the remote method's arguments, not from the text.
  std::int32_t pCIDDOCUMENTODE = 0;  // the movement kind asked for; 0: the document's
  std::int32_t pCMOVTOOCULTO = 0, pCIDMOVTOOWNER = 0, pCIDMOVTOORIGEN = 0;
  double pCUNIDADESNC = 0;
  std::int32_t pCIDUNIDAD = 0, pCIDUNIDADNC = 0;
  std::int32_t pCIDMOVTODESTINO = 0, pCNUMEROCONSOLIDACIONES = 0;
};

// The movement text as it arrives: callers write "/" as "$$" inside a path
// segment, so every "$$" is read as "/".
std::string TextoMovimiento(const std::string& pDatos);

// The movement that pTexto (already passed through TextoMovimiento) spells;
// nullopt unless it splits into exactly 52 fields. Throws ErrorFecha for an
// impossible date.
std::optional<MovimientoDocumento> LeeMovimiento(const std::string& pTexto);

}  // namespace quorvex
