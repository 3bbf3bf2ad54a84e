#pragma once
// The frames that show a system's ellipsoid and its link to its parent, laid
// out alike in the catalogue and in the new-system window: the ellipsoid's
// name, a and 1/f in rows; the linear and the angular parameters side by
// side, the scale correction under them.

#include "qt/form_window.h"

namespace vexilor {

struct LinkFrames {
  const Control& ellipsoid;  // fraEllipso
  const Control& orient;     // fraOrient, holding the three below
  const Control& linear;     // fraLin
  const Control& angular;    // fraAngle
  const Control& scale;      // fraScale
};

void LayOutLinkFrames(FormWindow& window, const LinkFrames& frames);

}  // namespace vexilor
