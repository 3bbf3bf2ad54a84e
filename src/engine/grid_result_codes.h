#pragma once
// Result codes of a quasi-geoid grid lookup. The point pipeline translates
// them into the engine's worded codes (outside the grid, file not opened,
// bad file).

#include "engine/result_codes.h"

namespace vexilor {

inline constexpr ResultCode kGridFileNotFound = 1;
inline constexpr ResultCode kGridFileNotOpened = 2;
// The header cannot be read or carries another signature.
inline constexpr ResultCode kGridBadHeader = 3;
// The header describes no grid that can be read from this file.
inline constexpr ResultCode kGridBadFormat = 4;
inline constexpr ResultCode kGridPointOutside = 5;
inline constexpr ResultCode kGridWindowUnreadable = 6;
inline constexpr ResultCode kGridInterpolationFailed = 7;

}  // namespace vexilor
