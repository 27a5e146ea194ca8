#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "hosting/ErrorRest.h"
#include "hosting/RutaRest.h"

namespace quorvex {
namespace {

struct CasoRuta {
  std::string resto;  // after "/datasnap/rest/"
  std::string clase;
  std::string metodo;
  bool entreComillas;
  std::vector<std::string> argumentos;
  friend std::ostream& operator<<(std::ostream& os, const CasoRuta& c) { return os << '"' << c.resto << '"'; }
};

class LecturaRuta : public ::testing::TestWithParam<CasoRuta> {};

TEST_P(LecturaRuta, SeparaClaseMetodoYArgumentos) {
  const auto& c = GetParam();
  const RutaRest ruta = LeeRutaRest(c.resto);
  EXPECT_EQ(ruta.clase, c.clase);
  EXPECT_EQ(ruta.metodo, c.metodo);
  EXPECT_EQ(ruta.entreComillas, c.entreComillas);
  EXPECT_EQ(ruta.argumentos, c.argumentos);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LecturaRuta,
    ::testing::Values(CasoRuta{"TServerMethodsSync/DameToken", "TServerMethodsSync", "DameToken", false, {}},
                      CasoRuta{"TServerMethodsSync/DameToken/", "TServerMethodsSync", "DameToken", false, {}},
                      CasoRuta{"C/M/a/b/c", "C", "M", false, {"a", "b", "c"}},
                      // Empty segments are empty arguments; only one trailing "/" is dropped.
                      CasoRuta{"C/M//x//", "C", "M", false, {"", "x", ""}},
                      // Split first, decode afterwards: an encoded "/" stays inside its argument.
                      CasoRuta{"C/M/a%2Fb/c", "C", "M", false, {"a/b", "c"}},
                      CasoRuta{"C/M/%41%62%2f%20+", "C", "M", false, {"Ab/ +"}},
                      CasoRuta{"C/M/100%25", "C", "M", false, {"100%"}},
                      CasoRuta{"C/M/$$x$$", "C", "M", false, {"$$x$$"}},
                      CasoRuta{"C/M/null", "C", "M", false, {"null"}},
                      CasoRuta{"C/M/%C3%B1", "C", "M", false, {"\xC3\xB1"}},
                      CasoRuta{"C/\"VersionSync\"/t", "C", "VersionSync", true, {"t"}},
                      CasoRuta{"C/%22VersionSync%22/t", "C", "VersionSync", true, {"t"}},
                      CasoRuta{"C/\"/t", "C", "\"", false, {"t"}}, CasoRuta{"C/\"\"", "C", "", true, {}},
                      CasoRuta{"%54ServerMethodsSync/M", "TServerMethodsSync", "M", false, {}}));

class RutaInvalida : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(RutaInvalida, SeRechazaConElMensajeDelTransporte) {
  const auto& [resto, mensaje] = GetParam();
  try {
    LeeRutaRest(resto);
    FAIL() << "aceptó " << resto;
  } catch (const ErrorTransporte& e) {
    EXPECT_EQ(e.what(), mensaje);
  }
}

constexpr const char* kFormato = "Invalid request format. /className/methodName and eventual parameters expected.";

INSTANTIATE_TEST_SUITE_P(
    Casos, RutaInvalida,
    ::testing::Values(std::pair<std::string, std::string>{"", kFormato},
                      std::pair<std::string, std::string>{"TServerMethodsSync", kFormato},
                      std::pair<std::string, std::string>{"TServerMethodsSync/", kFormato},
                      std::pair<std::string, std::string>{"C/M/a%2", "Invalid URL encoding in path segment \"a%2\"."},
                      std::pair<std::string, std::string>{"C/M/%zz", "Invalid URL encoding in path segment \"%zz\"."},
                      std::pair<std::string, std::string>{"C/M/ok/%", "Invalid URL encoding in path segment \"%\"."},
                      std::pair<std::string, std::string>{"C/M%2/x", "Invalid URL encoding in path segment \"M%2\"."}));

}  // namespace
}  // namespace quorvex
