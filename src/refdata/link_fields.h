#pragma once
// The seven link parameters as the catalogue windows show, check and name
// them, in the order of their boxes txt1(0..6): shifts Dx, Dy, Dz in metres,
// rotations Wx, Wy, Wz in arc seconds, the scale correction m as a pure
// number.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace vexilor {

struct LinkField {
  std::string_view label;    // "" for the scale correction, which its frame names
  std::string_view mask;     // "" shows the general number form
  double bound;              // largest magnitude the editors accept
  std::string_view refusal;  // message for a value that is not a number or out of bound
};

inline constexpr std::size_t kLinkFieldCount = 7;

inline constexpr std::array<LinkField, kLinkFieldCount> kLinkFields{{
    {"Dx, м", "0.00", 3000.0, "Неверное значение параметра Dx."},
    {"Dy, м", "0.00", 3000.0, "Неверное значение параметра Dy."},
    {"Dz, м", "0.00", 3000.0, "Неверное значение параметра Dz."},
    {"Wx,\"", "0.000", 10.0, "Неверное значение параметра Wx."},
    {"Wy,\"", "0.000", 10.0, "Неверное значение параметра Wy."},
    {"Wz,\"", "0.000", 10.0, "Неверное значение параметра Wz."},
    {"", "", 0.00001, "Неверное значение масштабной поправки."},
}};

// The value of a typed `text` when it is a number written with "." as the
// decimal separator (a comma is refused whatever the locale) within
// [lo, hi]; empty otherwise.
std::optional<double> ReadBoundedNumber(std::string_view text, double lo, double hi);

// The value of link parameter `k` typed as `text`, when it is a number whose
// magnitude stays within the parameter's bound; empty otherwise.
std::optional<double> ReadLinkValue(std::size_t k, std::string_view text);

}  // namespace vexilor
