#include "geodesy/link_fit.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <limits>

#include "geodesy/angle_constants.h"
#include "geodesy/seven_parameter.h"

namespace vexilor {
namespace {

using Eigen::Matrix3d;
using Eigen::MatrixXd;
using Eigen::Vector3d;
using Eigen::VectorXd;

constexpr double kArcSecondsPerRadian = kArcSecondsPerDegree * kDegreesPerRadian;

// A residual beyond this many of its standard deviations is flagged.
constexpr double kFlagLimit = 3.0;

// A residual component whose cofactor is below this is not controlled by
// the other points (a single point holding a parameter alone) and cannot
// be judged.
constexpr double kSmallestCofactor = 1e-12;

Vector3d Vec(const Geocentric& g) { return {g.x, g.y, g.z}; }

// [d]ₓ: the matrix of u ↦ d × u.
Matrix3d Cross(const Vector3d& d) {
  Matrix3d c;
  c << 0, -d.z(), d.y(), d.z(), 0, -d.x(), -d.y(), d.x(), 0;
  return c;
}

int ParameterCount(LinkModel model) { return static_cast<int>(model); }

bool Finite(const Geocentric& g) { return std::isfinite(g.x) && std::isfinite(g.y) && std::isfinite(g.z); }

bool AllFinite(const std::vector<CommonPoint>& points, const EllipsoidAxes& e) {
  if (!std::isfinite(e.a) || !std::isfinite(e.inverseFlattening)) return false;
  return std::all_of(points.begin(), points.end(),
                     [](const CommonPoint& p) { return Finite(p.source) && Finite(p.target); });
}

int UsedCount(const std::vector<CommonPoint>& points) {
  return static_cast<int>(std::count_if(points.begin(), points.end(), [](const CommonPoint& p) { return p.used; }));
}

// The used points' centroids, and the root-mean-square distance of the
// source points from theirs (metres) that scales the design.
struct Reduction {
  Vector3d sourceCentre = Vector3d::Zero();
  Vector3d targetCentre = Vector3d::Zero();
  double scale = 1;

  // A source point reduced and scaled.
  Vector3d Scaled(const Geocentric& x) const { return (Vec(x) - sourceCentre) / scale; }
};

Reduction ReductionOf(const std::vector<CommonPoint>& points) {
  Reduction r;
  const double n = UsedCount(points);
  for (const CommonPoint& p : points) {
    if (!p.used) continue;
    r.sourceCentre += Vec(p.source) / n;
    r.targetCentre += Vec(p.target) / n;
  }
  double squares = 0;
  for (const CommonPoint& p : points)
    if (p.used) squares += (Vec(p.source) - r.sourceCentre).squaredNorm();
  // Points all at one place leave the seven-parameter design singular.
  if (squares > 0) r.scale = std::sqrt(squares / n);
  return r;
}

// A point's three equations, by t, s·U and s·m (header), for `d` reduced
// and scaled.
MatrixXd DesignRows(const Vector3d& d, int columns) {
  MatrixXd a(3, columns);
  a.leftCols<3>() = Matrix3d::Identity();
  if (columns == ParameterCount(LinkModel::kSevenParameters)) {
    a.block<3, 3>(0, 3) = Cross(d);
    a.col(6) = d;
  }
  return a;
}

struct Solution {
  VectorXd x;          // t (metres), s·U, s·m
  MatrixXd spread;     // V Σ⁻¹: (AᵀA)⁻¹ = spread spreadᵀ
  double condition;    // largest over smallest singular value
};

Solution Solve(const std::vector<CommonPoint>& points, const Reduction& r, int columns) {
  const Eigen::Index rows = 3 * UsedCount(points);
  MatrixXd a(rows, columns);
  VectorXd l(rows);
  Eigen::Index row = 0;
  for (const CommonPoint& p : points) {
    if (!p.used) continue;
    const Vector3d d = Vec(p.source) - r.sourceCentre;
    a.middleRows<3>(row) = DesignRows(r.Scaled(p.source), columns);
    l.segment<3>(row) = (Vec(p.target) - r.targetCentre) - d;
    row += 3;
  }
  const Eigen::JacobiSVD<MatrixXd> svd(a, Eigen::ComputeThinU | Eigen::ComputeThinV);
  const VectorXd& sv = svd.singularValues();
  const double smallest = sv(sv.size() - 1);
  Solution s;
  s.condition = smallest > 0 ? sv(0) / smallest : std::numeric_limits<double>::infinity();
  if (smallest > 0) {
    s.x = svd.solve(l);
    s.spread = svd.matrixV() * sv.cwiseInverse().asDiagonal();
  }
  return s;
}

// The link in catalogue form, and the derivatives of its seven values by
// the solved quantities (7 × columns).
struct CatalogueForm {
  LinkParams params{};
  MatrixXd jacobian;
};

CatalogueForm ToCatalogue(const Solution& solution, const Reduction& r, int columns) {
  const double s = r.scale;
  const Vector3d t = solution.x.head<3>();
  CatalogueForm c;
  c.jacobian = MatrixXd::Zero(7, columns);
  c.jacobian.topLeftCorner<3, 3>() = Matrix3d::Identity();
  Vector3d d = r.targetCentre + t - r.sourceCentre;
  if (columns == ParameterCount(LinkModel::kSevenParameters)) {
    const Vector3d u = solution.x.segment<3>(3) / s;
    const double m = solution.x(6) / s;
    const Vector3d w = u / (1 + m);
    d = r.targetCentre + t - (1 + m) * r.sourceCentre - r.sourceCentre.cross(u);
    c.jacobian.block<3, 3>(0, 3) = -Cross(r.sourceCentre) / s;
    c.jacobian.block<3, 1>(0, 6) = -r.sourceCentre / s;
    c.jacobian.block<3, 3>(3, 3) = Matrix3d::Identity() * (kArcSecondsPerRadian / (s * (1 + m)));
    c.jacobian.block<3, 1>(3, 6) = -w * (kArcSecondsPerRadian / (s * (1 + m)));
    c.jacobian(6, 6) = 1 / s;
    c.params[kLinkWx] = w.x() * kArcSecondsPerRadian;
    c.params[kLinkWy] = w.y() * kArcSecondsPerRadian;
    c.params[kLinkWz] = w.z() * kArcSecondsPerRadian;
    c.params[kLinkScale] = m;
  }
  c.params[kLinkDx] = d.x();
  c.params[kLinkDy] = d.y();
  c.params[kLinkDz] = d.z();
  return c;
}

// A residual in X, Y, Z and the local frame it is given in: rows north,
// east and up at the target point.
struct Residual {
  Vector3d xyz;
  Matrix3d frame;
  Vector3d Local() const { return frame * xyz; }
};

ResultCode ResidualOf(const CommonPoint& p, const LinkParams& link, const EllipsoidAxes& e, Residual& out) {
  Geocentric fitted;
  ResultCode code = SevenParameterTransform(LinkDirection::kToBase, p.source, link, fitted);
  if (code != kOk) return code;
  Geodetic g;
  code = GeocentricToGeodetic(e.a, e.inverseFlattening, p.target.x, p.target.y, p.target.z, g);
  if (code != kOk) return code;
  const double sb = std::sin(g.b), cb = std::cos(g.b), sl = std::sin(g.l), cl = std::cos(g.l);
  out.frame << -sb * cl, -sb * sl, cb,  //
      -sl, cl, 0,                       //
      cb * cl, cb * sl, sb;
  out.xyz = Vec(p.target) - Vec(fitted);
  return kOk;
}

// The largest component of a residual over its own standard deviation.
double Standardized(const CommonPoint& p, const Residual& v, const Solution& s, const Reduction& r, int columns,
                    double sigma0) {
  const MatrixXd h = DesignRows(r.Scaled(p.source), columns) * s.spread;
  const Matrix3d q = (Matrix3d::Identity() + (p.used ? -1.0 : 1.0) * (h * h.transpose()));
  const Matrix3d local = v.frame * q * v.frame.transpose();
  const Vector3d neu = v.Local();
  double largest = 0;
  for (int c = 0; c < 3; ++c)
    if (local(c, c) > kSmallestCofactor)
      largest = std::max(largest, std::fabs(neu(c)) / (sigma0 * std::sqrt(local(c, c))));
  return largest;
}

double Sigma0(const std::vector<CommonPoint>& points, const std::vector<Residual>& v, int redundancy) {
  if (redundancy <= 0) return 0;
  double squares = 0;
  for (std::size_t i = 0; i < points.size(); ++i)
    if (points[i].used) squares += v[i].xyz.squaredNorm();
  return std::sqrt(squares / redundancy);
}

// The root-mean-square residuals and the worst point, over the used points.
void Summarize(LinkFit& fit) {
  double horizontal = 0, vertical = 0, worst = -1;
  for (std::size_t i = 0; i < fit.residuals.size(); ++i) {
    const PointResidual& p = fit.residuals[i];
    if (!p.used) continue;
    const double h2 = p.north * p.north + p.east * p.east;
    horizontal += h2;
    vertical += p.up * p.up;
    if (h2 + p.up * p.up > worst) {
      worst = h2 + p.up * p.up;
      fit.worst = i;
    }
  }
  fit.rmsHorizontal = std::sqrt(horizontal / fit.pointsUsed);
  fit.rmsVertical = std::sqrt(vertical / fit.pointsUsed);
}

// Everything that follows from the solution: the link, its precision, the
// residuals.
ResultCode Report(const std::vector<CommonPoint>& points, const EllipsoidAxes& e, const Solution& s,
                  const Reduction& r, int columns, LinkFit& fit) {
  const CatalogueForm c = ToCatalogue(s, r, columns);
  fit.params = c.params;
  std::vector<Residual> v(points.size());
  for (std::size_t i = 0; i < points.size(); ++i)
    if (const ResultCode code = ResidualOf(points[i], fit.params, e, v[i]); code != kOk) return code;
  fit.sigma0 = Sigma0(points, v, fit.redundancy);
  const MatrixXd spread = c.jacobian * s.spread;
  for (std::size_t k = 0; k < fit.sigma.size(); ++k)
    fit.sigma[k] = fit.sigma0 * spread.row(static_cast<Eigen::Index>(k)).norm();
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Vector3d neu = v[i].Local();
    PointResidual p{points[i].number, neu.x(), neu.y(), neu.z(), points[i].used};
    if (fit.sigma0 > 0) p.standardized = Standardized(points[i], v[i], s, r, columns, fit.sigma0);
    p.flagged = p.standardized > kFlagLimit;
    fit.residuals.push_back(p);
  }
  Summarize(fit);
  return kOk;
}

}  // namespace

int MinimumCommonPoints(LinkModel model) { return model == LinkModel::kShifts ? 1 : 3; }

LinkFitOutcome FitLink(const LinkFitRequest& request) {
  LinkFitOutcome out;
  Pairing pairing = PairByNumber(request.source, request.target, request.excluded);
  if (pairing.code != kOk) {
    out.code = pairing.code;
    out.numbers = std::move(pairing.numbers);
    return out;
  }
  const std::vector<CommonPoint>& points = pairing.points;
  if (!AllFinite(points, request.targetEllipsoid)) {
    out.code = kFitValueNotFinite;
    return out;
  }
  const int columns = ParameterCount(request.model);
  out.fit.pointsUsed = UsedCount(points);
  out.fit.redundancy = 3 * out.fit.pointsUsed - columns;
  if (out.fit.pointsUsed < MinimumCommonPoints(request.model)) {
    out.code = kFitTooFewPoints;
    return out;
  }
  const Reduction r = ReductionOf(points);
  const Solution s = Solve(points, r, columns);
  out.fit.conditionNumber = s.condition;
  if (!(s.condition <= kMaxLinkConditionNumber)) {
    out.code = kFitPointsInLine;
    return out;
  }
  out.code = Report(points, request.targetEllipsoid, s, r, columns, out.fit);
  return out;
}

}  // namespace vexilor
