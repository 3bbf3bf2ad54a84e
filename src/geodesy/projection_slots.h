#pragma once
// The projection parameters of the two sides of a transformation as the
// engine reads them: ten numbered slots per side.
//
//  1 kind: 0 Gauss-Krüger, 1 Lambert, 2 UTM
//  2 longitude of the national prime meridian, degrees
//  3 Gauss-Krüger/UTM: axial meridian of zone 1; Lambert: standard parallel, degrees
//  4 Gauss-Krüger/UTM: zone width; Lambert: central meridian, degrees
//  5 false origin along x, metres (Lambert: along the meridian)
//  6 false origin along y, metres (Lambert: across it)
//  7 scale on the axial meridian (Lambert: on the standard parallel)
//  8 longitudes count positive to the west when above 0
//  9 Gauss-Krüger/UTM: axes exchanged (x across the meridian, y along it)
//    when 1 or more; Lambert: the other way round - x along the meridian
//    when 1 or more, across it at 0 (project_point.h)
// 10 fixed zone number when 1 or more (target side), else the zone follows L

#include <array>

namespace vexilor {

enum class ProjectionKind { GaussKruger = 0, Lambert = 1, Utm = 2 };

struct ProjectionSlots {
  std::array<double, 10> values{};

  // Slots are numbered from 1, as the dialogs and the files name them.
  double& operator[](int slot) { return values[static_cast<std::size_t>(slot - 1)]; }
  double operator[](int slot) const { return values[static_cast<std::size_t>(slot - 1)]; }

  // The slots by name. Slots 3 and 4 mean one thing for the zoned
  // projections and another for Lambert; each meaning has its name.
  ProjectionKind Kind() const { return static_cast<ProjectionKind>(static_cast<int>((*this)[1])); }
  bool IsLambert() const { return (*this)[1] == 1.0; }
  double PrimeMeridian() const { return (*this)[2]; }
  double ZoneOneAxialMeridian() const { return (*this)[3]; }
  double StandardParallel() const { return (*this)[3]; }
  double ZoneWidth() const { return (*this)[4]; }
  double CentralMeridian() const { return (*this)[4]; }
  double FalseX() const { return (*this)[5]; }
  double FalseY() const { return (*this)[6]; }
  double Scale() const { return (*this)[7]; }
  bool WestPositive() const { return (*this)[8] > 0.0; }
  bool AxesExchanged() const { return (*this)[9] >= 1.0; }
  double FixedZone() const { return (*this)[10]; }
  void SetFixedZone(double zone) { (*this)[10] = zone; }
};

// Side 1 holds the source projection, side 2 the target one.
struct ProjectionParams {
  std::array<ProjectionSlots, 2> sides{};

  ProjectionSlots& Side(int side) { return sides[static_cast<std::size_t>(side - 1)]; }
  const ProjectionSlots& Side(int side) const { return sides[static_cast<std::size_t>(side - 1)]; }

  // A plane point is read with the source side and written with the target
  // side, whatever ellipsoid the conversion runs on.
  const ProjectionSlots& Source() const { return Side(1); }
  const ProjectionSlots& Target() const { return Side(2); }
  ProjectionSlots& Target() { return Side(2); }
};

}  // namespace vexilor
