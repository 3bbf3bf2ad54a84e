#pragma once
// Two links one after the other as one link, to first order: the sum of
// their parameters. A system X linked to Y by `first`, and Y linked to Z by
// `then`, is linked to Z by
//
//   first + then = (D₁ + D₂, W₁ + W₂, m₁ + m₂)
//
// in the form and units of link_params.h (coordinate frame, arc seconds, a
// pure number). The exact chain, applied as seven_parameter.h applies a
// link "to the base", is
//
//   Z = (1 + m₂) R₂ ((1 + m₁) R₁ X + D₁) + D₂,   Rᵢ = I + Ω(Wᵢ)
//
// and the summed link gives (1 + m₁ + m₂)(I + Ω(W₁ + W₂)) X + D₁ + D₂.
// Neglected, the second-order terms
//
//   Ω(W₂) D₁ + m₂ D₁           the second link turns and scales the
//                              first shift: |W₂| |D₁| and |m₂| |D₁|
//   Ω(W₂) Ω(W₁) X + m₁ m₂ X    products of the two rotations and of the
//                              two scales over the radius, |W₁| |W₂| r
//                              and |m₁ m₂| r
//
// and their products with m, smaller still. Measured (link_chain_test,
// SummedLinkStaysNearTheChain, points over the globe at r = 6357 to
// 6400 km): a datum link onto a link between global systems - СК-42 → ПЗ-90
// (25, −141, −80 m, 0.35″ and 0.66″) followed by ПЗ-90 → WGS-84, or a
// link fitted onto ПЗ-90.11 followed by ПЗ-90.11 → ПЗ-90 - stays within
// 0.06 mm of the chain; two links at the catalogue's bounds (3000 m, 10″,
// 10⁻⁵ each) part by up to 0.26 m, almost all of it Ω(W₂) D₁.

#include "geodesy/link_params.h"

namespace vexilor {

LinkParams ChainLinks(const LinkParams& first, const LinkParams& then);

}  // namespace vexilor
