#pragma once
// What the projection record and its dialog know of each kind of
// projection: the caption of its type button, the panel that shows its
// parameters and the rules its boxes follow, the digits of its scale, and
// its built-in parameter set. What the engine knows of a kind is in
// geodesy/projection_kind.h.

#include <string_view>

#include "geodesy/projection_slots.h"
#include "projection/panel_rules.h"

namespace vexilor {

struct ProjectionKindDescription {
  std::string_view caption;          // of the kind's type button
  int panel;                         // kGaussKrugerPanel or kLambertPanel
  const PanelRules& rules;           // the panel's boxes, as this kind reads them
  std::string_view sourceScaleMask;  // the scale when the dialog opens for the source side
  ProjectionSlots builtInSet;        // slots 1 to 9, false origins in km
};

const ProjectionKindDescription& DescriptionOf(ProjectionKind kind);

// The kind plane coordinates of `system` start with: UTM for WGS-84,
// Gauss-Krüger for every other system.
ProjectionKind PresetKindOf(std::string_view system);

}  // namespace vexilor
