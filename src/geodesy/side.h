#pragma once
// The two sides of a transformation: the source coordinates, which are
// read, and the target coordinates, which are written.

#include <array>

namespace vexilor {

enum class Side { Source, Target };

inline constexpr std::array<Side, 2> kSides = {Side::Source, Side::Target};

// One value for each side.
template <typename T>
struct PerSide {
  T source{};
  T target{};

  T& operator[](Side side) { return side == Side::Source ? source : target; }
  const T& operator[](Side side) const { return side == Side::Source ? source : target; }

  bool operator==(const PerSide&) const = default;
};

}  // namespace vexilor
