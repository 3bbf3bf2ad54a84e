#include "geodesy/project_point.h"

#include <cmath>
#include <optional>

#include "text/numeric.h"
#include "geodesy/angle_constants.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/lambert.h"

namespace vexilor {
namespace {

constexpr double kZoneMillions = 1000000.0;

bool Finite(const PlanePoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }
bool Finite(const LatLonDegrees& g) { return std::isfinite(g.b) && std::isfinite(g.l); }

// Brings a longitude (degrees) into [0, 360) and turns west-positive
// longitudes round. Empty when the longitude is too large to reduce.
std::optional<double> NormaliseLongitude(double l, const ProjectionSlots& p) {
  const auto turns = ToInt16(Fix(l / kDegreesPerCircle));
  if (!turns) return std::nullopt;
  l -= kDegreesPerCircle * *turns;
  if (l < 0.0) l += kDegreesPerCircle;
  if (p.WestPositive()) l = kDegreesPerCircle - l;
  return l;
}

// Zone of a longitude already reduced by the prime meridian, or the set's
// fixed zone. Empty when the number does not fit a zone count.
std::optional<std::int16_t> ZoneOf(double l, const ProjectionSlots& p) {
  if (p.FixedZone() >= 1.0) return ToInt16(p.FixedZone());
  double d = l - (p.ZoneOneAxialMeridian() - p.ZoneWidth() * 0.5);
  if (d < 0.0) d += kDegreesPerCircle;
  return ToInt16(Int(d / p.ZoneWidth() + 1.0));
}

double AxialMeridian(double zone, const ProjectionSlots& p) {
  const double l0 = p.ZoneWidth() * (zone - 1.0) + p.ZoneOneAxialMeridian();
  return l0 > kDegreesPerCircle ? l0 - kDegreesPerCircle : l0;
}

bool InZone(double v) { return v >= 0.0 && v < kZoneMillions; }

// Zones of no width hold no point: the zone arithmetic would divide by zero.
bool HasZones(const ProjectionSlots& p) { return p.ZoneWidth() > 0.0; }

ResultCode ZonedForward(double a, double invF, PlanePoint& plane, const LatLonDegrees& geo,
                        const ProjectionSlots& p) {
  if (!HasZones(p)) return kNoValidZone;
  const auto normalised = NormaliseLongitude(geo.l, p);
  if (!normalised) return kProjectionNotFinite;
  const double l = *normalised - p.PrimeMeridian();
  const auto zone = ZoneOf(l, p);
  if (!zone) return kNoValidZone;
  // The arc sine folds the difference into [-90°, 90°], so a fixed zone far
  // from the point still projects.
  const double dl = SafeArcSin(std::sin((l - AxialMeridian(*zone, p)) * kRadiansPerDegree)) *
                    kDegreesPerRadian;
  PlanePoint inZone;
  LatLonDegrees offAxis{geo.b, dl};
  const ResultCode code =
      GaussKrugerSeries(a, invF, ProjectionDirection::kForward, p.Scale(), inZone, offAxis);
  if (code != kOk) return code;
  PlanePoint r;
  if (!p.AxesExchanged()) {
    const double v = p.FalseY() + inZone.y;
    if (!InZone(v)) return kOrdinateOutsideZone;
    r = {p.FalseX() + inZone.x, *zone * kZoneMillions + v};
  } else {
    const double v = p.FalseX() + inZone.y;
    if (!InZone(v)) return kAbscissaOutsideZone;
    r = {*zone * kZoneMillions + v, p.FalseY() + inZone.x};
  }
  if (!Finite(r)) return kProjectionNotFinite;
  plane = r;
  return kOk;
}

ResultCode ZonedInverse(double a, double invF, const PlanePoint& plane, LatLonDegrees& geo,
                        const ProjectionSlots& p) {
  if (!HasZones(p)) return kNoValidZone;
  const double zoned = p.AxesExchanged() ? plane.x : plane.y;
  const double zone = Int(zoned * 1e-6);
  if (!(zone >= 1.0 && zone <= kDegreesPerCircle / p.ZoneWidth())) return kNoValidZone;
  PlanePoint inZone =
      p.AxesExchanged()
          ? PlanePoint{plane.y - p.FalseY(), plane.x - zone * kZoneMillions - p.FalseX()}
          : PlanePoint{plane.x - p.FalseX(), plane.y - zone * kZoneMillions - p.FalseY()};
  LatLonDegrees r;
  const ResultCode code =
      GaussKrugerSeries(a, invF, ProjectionDirection::kInverse, p.Scale(), inZone, r);
  if (code != kOk) return code;
  r.l += AxialMeridian(zone, p) + p.PrimeMeridian();
  if (p.WestPositive()) r.l = kDegreesPerCircle - r.l;
  if (!Finite(r)) return kProjectionNotFinite;
  geo = r;
  return kOk;
}

LambertZone LambertZoneOf(const ProjectionSlots& p) {
  return {p.PrimeMeridian() * kRadiansPerDegree, p.StandardParallel() * kRadiansPerDegree,
          p.CentralMeridian() * kRadiansPerDegree, p.FalseX(), p.FalseY(), p.Scale()};
}

ResultCode LambertProjectForward(double a, double invF, PlanePoint& plane,
                                 const LatLonDegrees& geo, const ProjectionSlots& p) {
  const auto l = NormaliseLongitude(geo.l, p);
  if (!l) return kProjectionNotFinite;
  const PlanePoint r = LambertForward({geo.b * kRadiansPerDegree, *l * kRadiansPerDegree}, a, invF,
                                      LambertZoneOf(p));
  if (!Finite(r)) return kProjectionNotFinite;
  if (p.AxesExchanged()) {
    plane = r;
    return plane.x < 0.0 ? kLambertAbscissaNegative : kOk;
  }
  plane = {r.y, r.x};
  return plane.x < 0.0 ? kLambertFirstCoordinateNegative : kOk;
}

// The inverse reads the axes as the forward writes them: with the axes not
// exchanged the point comes as (y, x), across the meridian first.
ResultCode LambertProjectInverse(double a, double invF, const PlanePoint& plane,
                                 LatLonDegrees& geo, const ProjectionSlots& p) {
  const PlanePoint meridian = p.AxesExchanged() ? plane : PlanePoint{plane.y, plane.x};
  const LatLonRadians rad = LambertInverse(meridian, a, invF, LambertZoneOf(p));
  LatLonDegrees r{rad.b * kDegreesPerRadian, rad.l * kDegreesPerRadian};
  if (r.l < 0.0) r.l += kDegreesPerCircle;
  if (r.l > kDegreesPerCircle) r.l -= kDegreesPerCircle;
  if (p.WestPositive()) r.l = kDegreesPerCircle - r.l;
  if (!Finite(r)) return kProjectionNotFinite;
  geo = r;
  return kOk;
}

}  // namespace

ResultCode ProjectPoint(double a, double inverseFlattening, ProjectionDirection direction,
                        PlanePoint& plane, LatLonDegrees& geo, const ProjectionSlots& p) {
  if (!SemiMajorAxisInRange(a)) return kSemiMajorAxisOutOfRange;
  const bool forward = direction == ProjectionDirection::kForward;
  if (forward ? !Finite(geo) : !Finite(plane)) return kProjectionNotFinite;
  if (IsZoned(p.Kind())) {
    return forward ? ZonedForward(a, inverseFlattening, plane, geo, p)
                   : ZonedInverse(a, inverseFlattening, plane, geo, p);
  }
  return forward ? LambertProjectForward(a, inverseFlattening, plane, geo, p)
                 : LambertProjectInverse(a, inverseFlattening, plane, geo, p);
}

}  // namespace vexilor
