// The movement text: its 52 fields, "$$" read as "/", quoted fields and the
// defaults of texts that do not convert.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "core/Texto.h"
#include "documents/MovimientoDocumento.h"

namespace quorvex {
namespace {

// Every numeric field i holds i + 0.25 (whole-number fields hold i), so a
// value read from the wrong position shows; texts and dates are named.
std::string TextoPrueba(const std::map<int, std::string>& cambios = {}, int campos = 52) {
  const std::map<int, std::string> textos{{2, "P001"}, {3, "A01"}, {32, "Ref"}, {33, "Obs"},        {36, "2024-03-15"},
                                          {41, "X1"},  {42, "X2"}, {43, "X3"},  {44, "2024-05-01"}, {50, "SC"}};
  const int enteros[] = {0, 1, 34, 35, 39, 40};
  std::string texto;
  for (int i = 0; i < campos; ++i) {
    std::string valor;
    if (auto t = textos.find(i); t != textos.end()) {
      valor = t->second;
    } else if (std::find(std::begin(enteros), std::end(enteros), i) != std::end(enteros)) {
      valor = std::to_string(i + 100);
    } else {
      valor = std::to_string(i) + ".25";
    }
    if (auto c = cambios.find(i); c != cambios.end()) valor = c->second;
    texto += (i == 0 ? "" : "|") + valor;
  }
  return texto;
}

db::FechaHora Fecha(int anio, unsigned mes, unsigned dia) {
  using namespace std::chrono;
  return time_point_cast<milliseconds>(sys_days(year{anio} / month{mes} / day{dia}));
}

TEST(MovimientoTexto, CadaCampoLlegaASuValor) {
  const auto m = LeeMovimiento(TextoPrueba());
  ASSERT_TRUE(m);
  EXPECT_EQ(m->pCIDDOCUMENTO, 100);
  EXPECT_EQ(m->pCNUMEROMOVIMIENTO, 101);
  EXPECT_EQ(m->Codigo, "P001");
  EXPECT_EQ(m->Almacen, "A01");
  const std::pair<double, int> reales[] = {{m->pCUNIDADES, 4},
                                           {m->pCUNIDADESCAPTURADAS, 5},
                                           {m->pCPRECIO, 6},
                                           {m->pCPRECIOCAPTURADO, 7},
                                           {m->pCCOSTOCAPTURADO, 8},
                                           {m->pCNETO, 9},
                                           {m->pCIMPUESTO1, 10},
                                           {m->pCPORCENTAJEIMPUESTO1, 11},
                                           {m->pCIMPUESTO3, 14},
                                           {m->pCRETENCION1, 16},
                                           {m->pCPORCENTAJERETENCION2, 19},
                                           {m->pCDESCUENTO1, 20},
                                           {m->pCPORCENTAJEDESCUENTO1, 21},
                                           {m->pCDESCUENTO5, 28},
                                           {m->pCPORCENTAJEDESCUENTO5, 29},
                                           {m->pCTOTAL, 30},
                                           {m->pCPORCENTAJECOMISION, 31},
                                           {m->pCUNIDADESPENDIENTES, 37},
                                           {m->pCUNIDADESORIGEN, 38},
                                           {m->pCIMPORTEEXTRA1, 45},
                                           {m->pCIMPORTEEXTRA4, 48},
                                           {m->pCGTOMOVTO, 49},
                                           {m->pCCOMVENTA, 51}};
  for (const auto& [valor, campo] : reales) EXPECT_DOUBLE_EQ(valor, campo + 0.25) << "campo " << campo;
  EXPECT_EQ(m->pCREFERENCIA, "Ref");
  EXPECT_EQ(m->pCOBSERVAMOV, "Obs");
  EXPECT_EQ(m->pCAFECTADOSALDOS, 134);
  EXPECT_EQ(m->pCAFECTADOINVENTARIO, 135);
  EXPECT_EQ(m->pCFECHA, Fecha(2024, 3, 15));
  EXPECT_EQ(m->pCTIPOTRASPASO, 139);
  EXPECT_EQ(m->pCIDVALORCLASIFICACION, 140);
  EXPECT_EQ(m->pCTEXTOEXTRA1, "X1");
  EXPECT_EQ(m->pCTEXTOEXTRA3, "X3");
  EXPECT_EQ(m->pCFECHAEXTRA, Fecha(2024, 5, 1));
  EXPECT_EQ(m->pCSCMOVTO, "SC");
}

TEST(MovimientoTexto, SoloCincuentaYDosCamposSonUnMovimiento) {
  // Unlike the header text, a missing last field is not supplied.
  for (int campos : {51, 53, 1}) EXPECT_FALSE(LeeMovimiento(TextoPrueba({}, campos))) << campos;
  EXPECT_FALSE(LeeMovimiento(""));
  EXPECT_FALSE(LeeMovimiento(TextoPrueba() + "|"));  // a trailing "|" is a 53rd field
  // A "|" inside a quoted field does not split.
  const auto m = LeeMovimiento(TextoPrueba({{32, "\"a|b\""}}));
  ASSERT_TRUE(m);
  EXPECT_EQ(m->pCREFERENCIA, "a|b");
  EXPECT_FALSE(LeeMovimiento(TextoPrueba({{32, "a|b"}})));
}

TEST(MovimientoTexto, DobleSignoDePesosSeLeeComoDiagonal) {
  EXPECT_EQ(TextoMovimiento("a$$b$$$$c$d"), "a/b//c$d");
  const auto m = LeeMovimiento(TextoMovimiento(TextoPrueba({{36, "2024$$03$$15"}, {33, "uno$$dos"}})));
  ASSERT_TRUE(m);
  EXPECT_EQ(m->pCFECHA, Fecha(2024, 3, 15));
  EXPECT_EQ(m->pCOBSERVAMOV, "uno/dos");
}

TEST(MovimientoTexto, TextosQueNoConviertenTomanElValorPorOmision) {
  const struct {
    int campo;
    std::string texto;
  } casos[] = {{0, "12a"}, {1, "1.5"}, {4, "dos"}, {9, "1,5"}, {30, ""}, {34, "x"}, {39, " 1"}, {51, "nan"}};
  for (const auto& caso : casos) {
    const auto m = LeeMovimiento(TextoPrueba({{caso.campo, caso.texto}}));
    ASSERT_TRUE(m) << caso.campo;
    const double leido = caso.campo == 0    ? m->pCIDDOCUMENTO
                         : caso.campo == 1  ? m->pCNUMEROMOVIMIENTO
                         : caso.campo == 4  ? m->pCUNIDADES
                         : caso.campo == 9  ? m->pCNETO
                         : caso.campo == 30 ? m->pCTOTAL
                         : caso.campo == 34 ? m->pCAFECTADOSALDOS
                         : caso.campo == 39 ? m->pCTIPOTRASPASO
                                            : m->pCCOMVENTA;
    EXPECT_EQ(leido, 0) << "campo " << caso.campo << " \"" << caso.texto << "\"";
  }
  const auto m = LeeMovimiento(TextoPrueba({{36, "no es fecha"}}));
  ASSERT_TRUE(m);
  EXPECT_EQ(m->pCFECHA, Fecha(2014, 1, 1));
  EXPECT_THROW(LeeMovimiento(TextoPrueba({{44, "2024-02-30"}})), ErrorFecha);
}

}  // namespace
}  // namespace quorvex
