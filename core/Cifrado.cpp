#include "core/Cifrado.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace quorvex {

namespace {

// The program's own 128-bit key; stored passwords depend on it, so it never
// changes.
constexpr std::array<std::uint8_t, 16> kClave = {0x51, 0x75, 0x6f, 0x72, 0x76, 0x65, 0x78, 0x2d,
                                                 0x56, 0x65, 0x6c, 0x6d, 0x6f, 0x72, 0x37, 0x31};

// PC1 with a 128-bit key: 16-bit arithmetic throughout, wrapping as the
// original 16-bit registers do.
class Pc1 {
 public:
  // The byte that masks the next text byte.
  std::uint8_t Mascara() {
    Ensambla();
    return static_cast<std::uint8_t>((inter_ >> 8) ^ (inter_ & 0xff));
  }

  // The plain byte feeds back into the key, so a change of one byte alters
  // everything after it.
  void Realimenta(std::uint8_t claro) {
    for (auto& byte : cle_) byte ^= claro;
  }

 private:
  static std::uint16_t Multiplica(std::uint16_t a, std::uint16_t b) {
    return static_cast<std::uint16_t>(static_cast<std::uint32_t>(a) * b);
  }

  std::uint16_t Palabra(int k) const { return static_cast<std::uint16_t>((cle_[2 * k] << 8) | cle_[2 * k + 1]); }

  void Code() {
    constexpr std::uint16_t bx = 0x4e35;
    std::uint16_t dx = static_cast<std::uint16_t>(x1a2_ + i_);
    std::uint16_t ax = x1a0_[i_];
    std::uint16_t cx = 0x015a;

    std::swap(ax, si_);
    std::swap(ax, dx);
    if (ax != 0) ax = Multiplica(ax, bx);
    std::swap(ax, cx);
    if (ax != 0) {
      ax = Multiplica(ax, si_);
      cx = static_cast<std::uint16_t>(ax + cx);
    }
    std::swap(ax, si_);
    ax = Multiplica(ax, bx);
    dx = static_cast<std::uint16_t>(cx + dx);
    ax = static_cast<std::uint16_t>(ax + 1);

    x1a2_ = dx;
    x1a0_[i_] = ax;
    res_ = ax ^ dx;
    ++i_;
  }

  void Ensambla() {
    x1a0_[0] = Palabra(0);
    Code();
    inter_ = res_;
    for (int k = 1; k < 8; ++k) {
      x1a0_[k] = x1a0_[k - 1] ^ Palabra(k);
      Code();
      inter_ ^= res_;
    }
    i_ = 0;
  }

  std::array<std::uint16_t, 8> x1a0_{};
  std::uint16_t x1a2_ = 0;
  std::uint16_t si_ = 0;
  std::uint16_t inter_ = 0;
  std::uint16_t res_ = 0;
  std::uint16_t i_ = 0;
  std::array<std::uint8_t, 16> cle_ = kClave;
};

std::optional<std::uint8_t> Nibble(char letra) {
  if (letra < 'a' || letra > 'p') return std::nullopt;
  return static_cast<std::uint8_t>(letra - 'a');
}

}  // namespace

std::string Cifrar(const std::string& Texto) {
  Pc1 pc1;
  std::string cifrado;
  cifrado.reserve(2 * Texto.size());
  for (const char letra : Texto) {
    const auto claro = static_cast<std::uint8_t>(letra);
    const std::uint8_t mascara = pc1.Mascara();
    pc1.Realimenta(claro);
    const auto byte = static_cast<std::uint8_t>(claro ^ mascara);
    cifrado += static_cast<char>('a' + (byte >> 4));
    cifrado += static_cast<char>('a' + (byte & 0x0f));
  }
  return cifrado;
}

std::string Descifrar(const std::string& Texto) {
  if (Texto.size() % 2 != 0) return {};
  Pc1 pc1;
  std::string claro;
  claro.reserve(Texto.size() / 2);
  for (std::size_t k = 0; k < Texto.size(); k += 2) {
    const auto alto = Nibble(Texto[k]);
    const auto bajo = Nibble(Texto[k + 1]);
    if (!alto || !bajo) return {};
    const auto byte = static_cast<std::uint8_t>(pc1.Mascara() ^ ((*alto << 4) | *bajo));
    pc1.Realimenta(byte);
    claro += static_cast<char>(byte);
  }
  return claro;
}

}  // namespace quorvex
