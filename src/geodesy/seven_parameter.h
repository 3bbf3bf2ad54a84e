#pragma once
// The seven-parameter similarity (Helmert) transformation of geocentric
// coordinates with the small-angle rotation matrix, in the coordinate-frame
// convention: EPSG method 1032, "Coordinate Frame rotation (geocentric
// domain)" (IOGP guidance note 7-2), the form and the sign convention of
// GOST 32453-2017 and GOST R 51794-2008 for the links of СК-42, СК-95,
// ПЗ-90 and WGS-84.
//
//   to the base   X' = (1 + m) R X + D,   R = [  1   Wz  -Wy ]
//                                             [ -Wz   1   Wx ]
//                                             [  Wy  -Wx   1 ]
//   from the base X' = (1 - m) Rᵀ X - D
//
// X, D = (Dx, Dy, Dz) in metres; Wx, Wy, Wz in arc seconds, turned into
// radians as W / 3600 · π/180; m the scale correction as a pure number (not
// parts per million). Positive rotations turn the coordinate frame, not the
// point, anticlockwise about the axis seen from its positive end: a point on
// the X axis gets Y' = -Wz X. A position-vector parameter set (EPSG 1033,
// PROJ's default +convention) enters with its three rotations negated
// (InCoordinateFrame, link_params.h).
//
// With a system's link, "to the base" takes a point of the system to its
// base. "From the base" is its first-order inverse, not the exact one: it
// leaves second-order terms of order (W² + m²)·r and (W + m)·|D|. The form
// to the base with given parameters is, to the last bit, the form from the
// base with all seven negated.
//
// Measured (tests/oracle, helmert_oracle_test; 5000 points per link at
// r = 6340 to 6400 km): against PROJ's helmert in the coordinate-frame
// convention 2.3·10⁻¹⁰ m either form; the first-order inverse against PROJ's
// exact inverse 0.32 mm for the СК-42 → ПЗ-90 link (0.35″ and 0.66″ of
// rotation), 0.001 mm for ПЗ-90 → WGS-84. Published values: the GN7-2
// WGS 72 → WGS 84 example in both conventions within 5.9 mm of values given
// to 0.01 m; Jivall's ITRF2008 → ETRS89 to 0.1 µm.

#include "geodesy/ellipsoid.h"
#include "geodesy/link_params.h"
#include "geodesy/result_codes.h"

namespace vexilor {

// The two forms.
enum class LinkDirection {
  kToBase,    // a point of the system to its base, with the system's link
  kFromBase,  // a point of the base to the system: the first-order inverse
};

// `p` in the order of link_params.h. `in` and `out` may be the same point.
// Code: kLinkResultNotFinite when the result is not finite; `out` is then
// left untouched.
ResultCode SevenParameterTransform(LinkDirection direction, const Geocentric& in,
                                   const LinkParams& p, Geocentric& out);

}  // namespace vexilor
