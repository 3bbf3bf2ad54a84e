#pragma once
// The link between two coordinate systems found from common points: the
// seven (or three) parameters of the similarity transformation that carries
// the marks of a source set onto the same marks of a target set with the
// least sum of squared coordinate differences, in exactly the form the
// engine applies a link (seven_parameter.h, "to the base"):
//
//   Y = (1 + m) R X + D,   R = I + Ω(W),   Ω(W) X = X × W
//
// X the source and Y the target geocentric coordinates (metres), D metres,
// W = (Wx, Wy, Wz) radians inside and arc seconds outside, m a pure number.
// The parameters found are those a sys.dat line would hold for the source
// system if the target system were its base. The three-parameter model
// holds W = 0 and m = 0 and finds D alone.
//
// Method: least squares, every coordinate of equal weight (the Gauss-Markov
// model of a three-dimensional conformal transformation, as in Ghilani,
// "Adjustment Computations", with the catalogue's small-angle matrix).
// With U = (1 + m) W the model is linear in (D, U, m):
//
//   (1 + m) R X = (1 + m) X + X × U,
//
// since R is the small-angle matrix itself, not a rotation that is
// linearised: the least-squares problem in (D, U, m) has the same minimum
// as in (D, W, m) and is solved directly, W = U / (1 + m), with no
// iteration and no approximation. For conditioning the coordinates are
// reduced to the centroids of the used points (d = X - X̄) and divided by
// their root-mean-square distance s from it, so that the seven columns of
// the design are of one size whatever the size of the set:
//
//   (Yᵢ - Ȳ) - dᵢ = t + [dᵢ/s]ₓ (s U) + (dᵢ/s)(s m),   [d]ₓ u = d × u
//
// solved by singular value decomposition (Eigen's JacobiSVD). Then
// D = Ȳ + t - (1 + m) X̄ - X̄ × U. The covariance σ₀² (AᵀA)⁻¹ of the solved
// quantities is carried to D, W, m through the derivatives of those
// equations; σ₀² = vᵀv / (3n - u) with n points and u parameters.
//
// Residuals v = Y - F(X) - the target minus the source carried by the
// fitted parameters through SevenParameterTransform, so that applying the
// reported link gives the reported residuals - in metres along the local
// north, east and up of each target point (its own latitude and longitude
// on the target ellipsoid). A residual's standard deviation is
// σ₀ √qᵢᵢ, with Q = I - A N⁻¹ Aᵀ for a used point and I + A N⁻¹ Aᵀ for a
// point left out (its difference from a prediction), turned into north,
// east and up; a point is flagged when some component exceeds three of its
// own standard deviations. The root-mean-square residuals, the worst point
// and σ₀ are those of the used points.
//
// Refused: fewer points than the model needs (seven parameters: 3 points,
// 9 equations for 7 unknowns; three: 1 point); a set whose condition
// number - the ratio of the largest to the smallest singular value of the
// centred and scaled design - exceeds kMaxLinkConditionNumber. Points that
// lie in a line leave the rotation about that line undetermined: the
// smallest singular value is about their distance from the line over s.
// Above 1000 the points stray from their line by less than about a
// thousandth of their length; that rotation is then known a thousand times
// less well than the others, and a point one length away from the line
// would be carried with about a thousand times the noise of the
// coordinates - no link of use. Sets that are long but not lines stay far
// below (link_fit_test, ConditionNumberOfCorridorsAndLines, measured): a
// city's flat spread of 5 km 1.8, a region of 600 km 1.5, a corridor ten
// times longer than wide 8.7, twenty times 17; marks within ±1.25 m of a
// 5 km line give 1900 and 5 km of one meridian at one height 12 000,
// both refused. The three-parameter design has condition number 1.
//
// Measured (link_fit_test, FindsTheParametersTheEngineApplied): the
// catalogue's СК-42 and ГСК-2011 links and a local datum of 574 m, 5″ and
// 3.5·10⁻⁶, applied by SevenParameterTransform to the marks, are found
// again from 20 marks over 5 km within 0.64 µm, 2·10⁻⁸″ and 3·10⁻¹⁴ (m),
// from 50 marks over 600 km within 3 nm, 7·10⁻¹¹″ and 2·10⁻¹⁶, from the
// least of 3 marks over 3 km within 2 µm and 6·10⁻⁸″: the shifts place the
// geocentre 6400 km beyond the marks, where the last bit of their
// coordinates, turned into rotations over a few kilometres, weighs
// micrometres. PrecisionMatchesTheNoise: over 200 draws of normal noise of
// 3 mm on every target coordinate σ₀ averages 0.99 of the noise, and each
// parameter's error over its σ has a root mean square of 0.95 to 1.10
// (slightly above 1 is expected where σ₀ itself is estimated, from 53 to
// 147 degrees of freedom), with 0.3 to 0.8 % of the errors beyond 3σ.
//
// Limits: a similarity fits systems that differ by a datum; it cannot take
// up distortions of a network (old triangulation, a local plane): they
// stay in the residuals, and σ₀ then measures them, not the noise. The
// catalogue keeps |m| ≤ 10⁻⁵ and rotations of a few arc seconds; a fit
// beyond them is reported as found.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "geodesy/common_points.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/link_params.h"
#include "geodesy/result_codes.h"

namespace vexilor {

enum class LinkModel {
  kShifts = 3,           // Dx, Dy, Dz
  kSevenParameters = 7,  // Dx, Dy, Dz, Wx, Wy, Wz, m
};

// The number of common points each model needs at the least.
int MinimumCommonPoints(LinkModel model);

// Above it the common points are taken to lie in a line (header).
inline constexpr double kMaxLinkConditionNumber = 1000.0;

// What to fit: two sets of marks paired by number (common_points.h).
struct LinkFitRequest {
  LinkModel model = LinkModel::kSevenParameters;
  std::vector<NumberedPoint> source;
  std::vector<NumberedPoint> target;
  std::vector<std::int32_t> excluded;  // left out of the fit, still given residuals
  EllipsoidAxes targetEllipsoid;       // the local north, east, up of the residuals
};

struct PointResidual {
  std::int32_t number = 0;
  double north = 0, east = 0, up = 0;  // metres, target minus the fitted source
  bool used = true;                    // false: left out, a check point
  double standardized = 0;  // largest |component| / its standard deviation; 0 without redundancy
  bool flagged = false;     // standardized above 3
};

struct LinkFit {
  LinkParams params{};  // link_params.h order and units
  LinkParams sigma{};   // their standard deviations; 0 where the model holds a
                        // parameter at 0 and everywhere without redundancy
  int pointsUsed = 0;
  int redundancy = 0;          // 3 · pointsUsed - parameters
  double sigma0 = 0;           // metres, a coordinate's; 0 without redundancy
  double conditionNumber = 1;  // of the centred and scaled design
  std::vector<PointResidual> residuals;  // every common point, in the source set's order
  double rmsHorizontal = 0;  // metres, √(mean of north² + east²) over the used points
  double rmsVertical = 0;    // metres, √(mean of up²)
  std::size_t worst = 0;     // the used point of the longest residual, an index of `residuals`
};

struct LinkFitOutcome {
  ResultCode code = kOk;
  LinkFit fit;  // whole on kOk; on kFitTooFewPoints its pointsUsed, on
                // kFitPointsInLine its conditionNumber too
  std::vector<std::int32_t> numbers;  // kFitPointUnmatched, kFitPointRepeated
};

// Codes: those of PairByNumber, then kFitValueNotFinite for a coordinate
// of a common point or an axis of the target ellipsoid that is not finite,
// kFitTooFewPoints, kFitPointsInLine, and a code of the residuals'
// conversions unchanged.
LinkFitOutcome FitLink(const LinkFitRequest& request);

}  // namespace vexilor
