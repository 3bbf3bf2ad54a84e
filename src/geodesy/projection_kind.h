#pragma once
// The kinds of projection, and what each kind is to the engine: the code
// that names it in slot 1 of a parameter set, and how it projects.
//
// Gauss-Krüger and UTM are one computation - the transverse Mercator in
// zones - with different parameter sets; Lambert is the conformal conic.
// A new kind is one more enumerator here and one more case in
// FactsOf (projection_kind.cpp); the compiler then names every other place
// that must learn it (CONTRIBUTING.md, "Where things go").

#include <array>

namespace vexilor {

enum class ProjectionKind { GaussKruger, Lambert, Utm };

// Every kind, in the order of their codes.
inline constexpr std::array<ProjectionKind, 3> kProjectionKinds = {
    ProjectionKind::GaussKruger, ProjectionKind::Lambert, ProjectionKind::Utm};

enum class ProjectionMethod {
  kZoned,  // transverse Mercator in zones of equal width (project_point.h)
  kConic,  // Lambert's conformal conic on one standard parallel (lambert.h)
};

struct ProjectionKindFacts {
  // Slot 1 of a parameter set, in the record and in the files; the kinds
  // are listed in the order of their codes wherever a list shows them.
  int code;
  ProjectionMethod method;
};

ProjectionKindFacts FactsOf(ProjectionKind kind);

// The kind a slot 1 names: 1 Lambert, 2 UTM; any other value, the 0 of a
// side not set among them, Gauss-Krüger.
ProjectionKind KindOfCode(double code);

// Whether the kind's plane coordinates carry a zone number in the millions.
inline bool IsZoned(ProjectionKind kind) { return FactsOf(kind).method == ProjectionMethod::kZoned; }

}  // namespace vexilor
