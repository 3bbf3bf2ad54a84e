#pragma once
// Result codes of the engine: 0 is success, every other value names the
// failure. The main window words 101 to 112; anything else is shown as an
// unexpected error with its number.

#include <cstdint>

namespace vexilor {

using ResultCode = std::int16_t;

inline constexpr ResultCode kOk = 0;
inline constexpr ResultCode kBadDirection = 1;
inline constexpr ResultCode kSemiMajorAxisOutOfRange = 2;
// A computation left the finite numbers or did not converge (absurd or
// non-finite input): the point is refused instead of hanging or printing nan.
inline constexpr ResultCode kNumericFailure = 4;
inline constexpr ResultCode kOrdinateOutsideZone = 101;
inline constexpr ResultCode kAbscissaOutsideZone = 102;
inline constexpr ResultCode kLambertFirstCoordinateNegative = 103;
inline constexpr ResultCode kLambertAbscissaNegative = 104;
inline constexpr ResultCode kNoValidZone = 105;
inline constexpr ResultCode kBadGeoidFile = 106;
inline constexpr ResultCode kOutsideGeoidGrid = 107;
inline constexpr ResultCode kResultsFileNotOpened = 108;
inline constexpr ResultCode kSourceFileNotOpened = 109;
inline constexpr ResultCode kValueOutOfRange = 110;
inline constexpr ResultCode kUnreadableLine = 111;
inline constexpr ResultCode kGeoidFileNotOpened = 112;

}  // namespace vexilor
