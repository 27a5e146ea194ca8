#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "core/Version.h"

namespace quorvex {
namespace {

TEST(VersionContpaq, TerceraParteDeLaVersion) {
  const struct {
    std::string version;
    int esperado;
  } casos[] = {
      {"2.1.2.208", 2}, {"2.1.15.3", 15}, {"10.20.30", 30}, {"2.1.x.208", 1},
      {"2.1..208", 1},  {"", 1},          {"2.1.2a.9", 1},
  };
  for (const auto& c : casos) EXPECT_EQ(VersionContpaq(c.version), c.esperado) << c.version;
}

TEST(VersionPrograma, CuatroPartesNumericas) {
  EXPECT_TRUE(std::regex_match(VersionPrograma(), std::regex(R"(\d+\.\d+\.\d+\.\d+)"))) << VersionPrograma();
}

}  // namespace
}  // namespace quorvex
