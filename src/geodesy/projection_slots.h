#pragma once
// The projection parameters of the two sides of a transformation: ten
// numbered slots per side, as the record and the files lay them out.
//
//  1 kind: its code (projection_kind.h)
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
//
// Everything but the places that read or write the layout itself (a
// parameter text, the test whether a side is set) goes by the names below.

#include <array>

#include "geodesy/projection_kind.h"
#include "geodesy/side.h"

namespace vexilor {

struct ProjectionSlots {
  // Slots 1 to 10 at places 0 to 9.
  std::array<double, 10> values{};

  // Slots 3 and 4 mean one thing for the zoned projections and another for
  // Lambert; each meaning has its name.
  ProjectionKind Kind() const { return KindOfCode(values[0]); }
  double PrimeMeridian() const { return values[1]; }
  double ZoneOneAxialMeridian() const { return values[2]; }
  double StandardParallel() const { return values[2]; }
  double ZoneWidth() const { return values[3]; }
  double CentralMeridian() const { return values[3]; }
  double FalseX() const { return values[4]; }
  double FalseY() const { return values[5]; }
  double Scale() const { return values[6]; }
  bool WestPositive() const { return values[7] > 0.0; }
  bool AxesExchanged() const { return values[8] >= 1.0; }
  double FixedZone() const { return values[9]; }

  void SetKind(ProjectionKind kind) { values[0] = FactsOf(kind).code; }
  void SetPrimeMeridian(double degrees) { values[1] = degrees; }
  void SetZoneOneAxialMeridian(double degrees) { values[2] = degrees; }
  void SetStandardParallel(double degrees) { values[2] = degrees; }
  void SetZoneWidth(double degrees) { values[3] = degrees; }
  void SetCentralMeridian(double degrees) { values[3] = degrees; }
  void SetFalseX(double x0) { values[4] = x0; }
  void SetFalseY(double y0) { values[5] = y0; }
  void SetScale(double k0) { values[6] = k0; }
  void SetWestPositive(bool west) { values[7] = west ? 1.0 : 0.0; }
  void SetAxesExchanged(bool exchanged) { values[8] = exchanged ? 1.0 : 0.0; }
  void SetFixedZone(double zone) { values[9] = zone; }
};

// A plane point is read with the source side and written with the target
// side, whatever ellipsoid the conversion runs on.
using ProjectionParams = PerSide<ProjectionSlots>;

}  // namespace vexilor
