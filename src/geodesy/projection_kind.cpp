#include "geodesy/projection_kind.h"

namespace vexilor {

// One case for every kind, without a default: a kind added without its
// facts does not compile (-Wswitch).
ProjectionKindFacts FactsOf(ProjectionKind kind) {
  switch (kind) {
    case ProjectionKind::GaussKruger: return {0, ProjectionMethod::kZoned};
    case ProjectionKind::Lambert: return {1, ProjectionMethod::kConic};
    case ProjectionKind::Utm: return {2, ProjectionMethod::kZoned};
  }
  return {0, ProjectionMethod::kZoned};  // a value no enumerator names
}

ProjectionKind KindOfCode(double code) {
  for (ProjectionKind kind : kProjectionKinds)
    if (FactsOf(kind).code == code) return kind;
  return ProjectionKind::GaussKruger;
}

}  // namespace vexilor
