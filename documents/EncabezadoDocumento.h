#pragma once
// The header text of a document: 60 "|"-separated fields, converted to the
// values the header insert writes.
#include <cstdint>
#include <optional>
#include <string>

#include "db/Valor.h"

namespace quorvex {

// Fields that do not convert hold the defaults of the header text's table.
// Ids that the header carries as text are converted where they are used.
struct EncabezadoDocumento {
  std::string pTipo;  // concept id
  std::string pCSERIEDOCUMENTO;
  std::int32_t pCFOLIO = 0;
  db::FechaHora pCFECHA{};
  std::string CLIENTE;
  std::string PROVEEDO;
  std::string pCRAZONSOCIAL;
  std::string pCRFC;
  std::string AGENTE;
  db::FechaHora pCFECHAVENCIMIENTO{};
  db::FechaHora pCFECHAPRONTOPAGO{};
  db::FechaHora pCFECHAENTREGARECEPCION{};
  std::string pCREFERENCIA;
  std::string pCOBSERVACIONES;
  double pCNETO = 0, pCIMPUESTO1 = 0, pCIMPUESTO2 = 0, pCIMPUESTO3 = 0, pCRETENCION1 = 0, pCRETENCION2 = 0;
  double pCDESCUENTOMOV = 0, pCDESCUENTODOC1 = 0, pCDESCUENTODOC2 = 0, pCGASTO1 = 0, pCGASTO2 = 0, pCGASTO3 = 0;
  double pCTOTAL = 0, pCPENDIENTE = 0, pCTOTALUNIDADES = 0, pCDESCUENTOPRONTOPAGO = 0;
  double pCPORCENTAJEIMPUESTO1 = 0, pCPORCENTAJEIMPUESTO2 = 0, pCPORCENTAJEIMPUESTO3 = 0;
  double pCPORCENTAJERETENCION1 = 0, pCPORCENTAJERETENCION2 = 0, pCPORCENTAJEINTERES = 0;
  std::string pCTEXTOEXTRA1, pCTEXTOEXTRA2, pCTEXTOEXTRA3;
  db::FechaHora pCFECHAEXTRA{};
  double pCIMPORTEEXTRA1 = 0, pCIMPORTEEXTRA2 = 0, pCIMPORTEEXTRA3 = 0, pCIMPORTEEXTRA4 = 0;
  std::string pCDESTINATARIO, pCNUMEROGUIA, pCMENSAJERIA, pCCUENTAMENSAJERIA;
  double pCNUMEROCAJAS = 0, pCPESO = 0, pCUNIDADESPENDIENTE = 0;
  std::string pCLUGAREXPE, pCMETODOPAGO;
  std::int32_t pCNUMPARCIA = 0, pCCANTPARCI = 0;
  std::string pCCONDIPAGO, pCNUMCTAPAG;
  std::int32_t pCIDMONEDA = 1;
  double pCTIPOCAMBIO = 1;
  std::string pUsoCFDI;
};

// The header that pDatos spells; nullopt unless it splits into 60 fields, or
// into 59 (read as if a "|" closed it). Throws ErrorFecha for an impossible date.
std::optional<EncabezadoDocumento> LeeEncabezado(const std::string& pDatos);

}  // namespace quorvex
