#pragma once
// A link fitted to common points offered to a new catalogue entry: the
// fitted link carries the points of the new system onto those of a system
// of the catalogue, the target; the entry needs the link of the new system
// to its parent, one of the global systems a new system may hang on
// (kParentChoices, new_system.h).
//
// Onto a parent P:
//   the target is P                    the fitted link as it stands
//   the target rests on P              fitted, then the target's own link
//   the target rests on the other base fitted, the target's link, then the
//                                      catalogue's link between the bases
// each step chained to first order, the parameters summed
// (geodesy/link_chain.h, where the neglected terms are measured: 0.13 mm
// for the links between global systems). Their largest part is the later
// link's rotation turning the fitted shift, |W₂| |D₁|: onto a target with a
// datum's rotations, СК-42's 0.75″ (3.6·10⁻⁶) turning 180 m of fitted
// shift, 0.65 mm.

#include <array>
#include <cstddef>
#include <optional>

#include "geodesy/link_params.h"
#include "refdata/new_system.h"
#include "refdata/reference_lines.h"
#include "refdata/system_choice.h"

namespace vexilor {

// The link onto each parent of kParentChoices, in its order; empty for a
// parent the catalogue does not reach from the target's base.
using ParentLinks = std::array<std::optional<LinkParams>, kParentChoices.size()>;

ParentLinks LinksOntoParents(const LinkParams& fitted, const SystemChoice& target, const SystemLines& systems);

// The parent of kParentChoices the entry takes first: the target itself
// when it is one, else the target's base (the fewest steps chained).
std::size_t NearestParent(const SystemChoice& target);

}  // namespace vexilor
