#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/Cifrado.h"

namespace quorvex {
namespace {

const std::vector<std::string>& Claves() {
  static const std::vector<std::string> claves = {
      "",
      "a",
      "b",
      "secreto",
      "secreta",
      "Secreto",
      "P@ssw0rd!",
      "contraseña",                   // UTF-8: two bytes for the ñ
      "contrase\xf1" "a",             // the same in the 8-bit code page
      std::string("\0\0\0", 3),       // NUL bytes are text bytes too
      std::string("\xff\x80\x01\x7f", 4),
      std::string(300, 'z'),
  };
  return claves;
}

TEST(Cifrado, CadaClaveVuelveIntacta) {
  for (const auto& clave : Claves()) EXPECT_EQ(Descifrar(Cifrar(clave)), clave) << clave;

  std::mt19937 azar(20240131);
  for (std::size_t largo = 1; largo < 70; largo += 3) {
    std::string bytes(largo, '\0');
    for (auto& b : bytes) b = static_cast<char>(azar());
    EXPECT_EQ(Descifrar(Cifrar(bytes)), bytes) << "length " << largo;
  }
}

TEST(Cifrado, DosLetrasDeAaPPorByte) {
  for (const auto& clave : Claves()) {
    const std::string cifrado = Cifrar(clave);
    EXPECT_EQ(cifrado.size(), 2 * clave.size()) << clave;
    EXPECT_TRUE(std::all_of(cifrado.begin(), cifrado.end(), [](char c) { return c >= 'a' && c <= 'p'; })) << cifrado;
  }
}

// The state starts afresh for every text: the same password always gives the
// same stored text, and different passwords give different ones.
TEST(Cifrado, MismaClaveMismoTextoYClavesDistintasTextosDistintos) {
  std::set<std::string> cifrados;
  for (const auto& clave : Claves()) {
    const std::string primero = Cifrar(clave);
    Cifrar("otra cosa entre medias");
    EXPECT_EQ(Cifrar(clave), primero) << clave;
    cifrados.insert(primero);
  }
  EXPECT_EQ(cifrados.size(), Claves().size());
}

// Each plain byte feeds back into the key: changing one byte leaves the bytes
// before it alone and alters those after it, not just the byte itself.
TEST(Cifrado, UnByteCambiadoAlteraTodoLoQueSigue) {
  const std::string base(64, 'm');
  for (const std::size_t posicion : {0u, 1u, 10u, 40u, 62u}) {
    std::string otro = base;
    otro[posicion] = 'n';
    const std::string a = Cifrar(base);
    const std::string b = Cifrar(otro);
    EXPECT_EQ(a.substr(0, 2 * posicion), b.substr(0, 2 * posicion)) << posicion;
    EXPECT_NE(a.substr(2 * posicion, 2), b.substr(2 * posicion, 2)) << posicion;
    int iguales = 0;
    for (std::size_t k = posicion + 1; k < base.size(); ++k) iguales += a.substr(2 * k, 2) == b.substr(2 * k, 2);
    EXPECT_LE(iguales, 2) << "bytes after " << posicion << " left unchanged";
  }
}

// A repeated byte does not give a repeated cipher byte: the stream moves on.
TEST(Cifrado, BytesIgualesNoDanCifradoRepetido) {
  const std::string cifrado = Cifrar(std::string(32, 'x'));
  std::set<std::string> pares;
  for (std::size_t k = 0; k < cifrado.size(); k += 2) pares.insert(cifrado.substr(k, 2));
  EXPECT_GT(pares.size(), 24u);
}

TEST(Cifrado, TextoMalFormadoDescifraVacio) {
  const std::string bueno = Cifrar("secreto");
  for (const std::string& malo : {bueno.substr(1), std::string("abc"), std::string("aq"), std::string("za"),
                                  std::string("AB"), std::string("a "), bueno + "qa", std::string("a\0", 2)}) {
    EXPECT_EQ(Descifrar(malo), "") << malo;
  }
  EXPECT_EQ(Descifrar(""), "");
}

}  // namespace
}  // namespace quorvex
