#pragma once
// The transformation the user is preparing in the main window: what is
// transformed, into what, in which units, with which heights, from where and
// to where. One instance lives for the whole program; every window reads and
// writes it.

#include <array>
#include <cstdint>
#include <string>

#include "geodesy/link_params.h"
#include "geodesy/system_vector.h"
#include "run/units.h"

namespace vexilor {

// The type names of the main window's lists.
inline const std::array<std::string, 3> kTypeNames = {"B L H", "X Y Z", "x y H"};
inline const std::array<std::string, 4> kAngleUnitNames = {
    "градусы, минуты, секунды", "градусы, минуты", "градусы", "радианы"};
inline const std::array<std::string, 2> kLengthUnitNames = {"метры", "километры"};

// The seven standard systems, by their full names.
inline const std::string kCk42Name = "Russia 1942 Coordinate Reference System (CK42)";
inline const std::string kCk63Name = "Russia 1963 Local Coordinate Reference System (CK63)";
inline const std::string kCk95Name = "Russia 1995 Coordinate Reference System (CK95)";
inline const std::string kMck42Name = "Russia 1942 Local User Defined System (MCK42)";
inline const std::string kMck95Name = "Russia 1995 Local User Defined System (MCK95)";

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
  UnitCodes Units{0, 0, 0, 0};
  std::array<std::int16_t, 4> RememberedUnitIndex{-1, -1, -1, -1};
  std::array<std::int16_t, 2> RememberedTypeIndex{0, 0};
  std::int16_t ResultHeaderWritten = 0;
  // Start values of the four link values of a local system: axial meridian
  // of zone 1 (°), zone width (°), false origins along x and y (km).
  std::array<double, 4> LocalLinkValues{3, 6, 0, 500};
};

// The current system of `side`: the source system for side 1, the target
// system for side 2.
inline const std::string& SideSystemName(const TransformSettings& settings, std::int16_t side) {
  return side == 1 ? settings.SourceSystemName : settings.TargetSystemName;
}

}  // namespace vexilor
