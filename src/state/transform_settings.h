#pragma once
// The transformation the user is preparing in the main window: what is
// transformed, into what, in which units, with which heights, from where and
// to where. One instance lives for the whole program; every window reads and
// writes it.

#include <array>
#include <cstdint>
#include <string>

#include "geodesy/link_params.h"
#include "geodesy/side.h"
#include "geodesy/system_vector.h"
#include "run/units.h"

namespace vexilor {

// The type names of the main window's lists.
inline const std::array<std::string, 3> kTypeNames = {"B L H", "X Y Z", "x y H"};

// The seven standard systems, by their full names.
inline const std::string kCk42Name = "Russia 1942 Coordinate Reference System (CK42)";
inline const std::string kCk63Name = "Russia 1963 Local Coordinate Reference System (CK63)";
inline const std::string kCk95Name = "Russia 1995 Coordinate Reference System (CK95)";
inline const std::string kMck42Name = "Russia 1942 Local User Defined System (MCK42)";
inline const std::string kMck95Name = "Russia 1995 Local User Defined System (MCK95)";

// The positions last chosen in a side's two unit lists, -1 while nothing
// has been chosen: they tell when a list must be filled anew.
struct RememberedUnitLists {
  std::int16_t coordinates = -1;
  std::int16_t heights = -1;
};

struct TransformSettings {
  // Kept on the main window.
  std::string Type_Isx = "B L H";  // source type, one of kTypeNames
  std::string Type_Out = "B L H";  // target type
  std::string FileResult;          // results file; empty = none
  std::string FileInput;           // source file; empty = a typed point
  std::string CurPath;             // the program's folder
  std::string FileGeoid;           // quasi-geoid grid (.mat)
  std::int16_t TypeH = 0;          // 0 normal heights, 1 geodetic
  std::int16_t fGeoid = 0;         // 1: quasi-geoid heights are computed and shown
  std::int16_t fOutFile = 0;       // 1: results go to a file
  std::int16_t fN = 0;             // -1: a grid is available, normal heights possible

  // Kept with the computation.
  std::string SourceSystemName, TargetSystemName;
  std::string SourceBaseName, TargetBaseName;
  SystemVector SourceVector, TargetVector;
  GlobalLinkParams GlobalLink{};
  RunUnits Units;  // as chosen in each side's unit lists
  PerSide<RememberedUnitLists> RememberedUnitIndex;
  PerSide<std::int16_t> RememberedTypeIndex;  // the type's list position at the last unit choice
  std::int16_t ResultHeaderWritten = 0;
  // Start values of the four link values of a local system: axial meridian
  // of zone 1 (°), zone width (°), false origins along x and y (km).
  std::array<double, 4> LocalLinkValues{3, 6, 0, 500};
};

// The current system of `side`.
inline const std::string& SideSystemName(const TransformSettings& settings, Side side) {
  return side == Side::Source ? settings.SourceSystemName : settings.TargetSystemName;
}

// The coordinate type of `side`, one of kTypeNames.
inline std::string& SideType(TransformSettings& settings, Side side) {
  return side == Side::Source ? settings.Type_Isx : settings.Type_Out;
}
inline const std::string& SideType(const TransformSettings& settings, Side side) {
  return side == Side::Source ? settings.Type_Isx : settings.Type_Out;
}

}  // namespace vexilor
