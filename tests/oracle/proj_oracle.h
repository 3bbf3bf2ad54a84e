#pragma once
// PROJ as an independent oracle for the engine's geodesy: one coordinate
// operation built from a PROJ string, owned together with its context, plus
// the small pieces every comparison shares (ellipsoids, seeded sampling, the
// largest difference seen and its report).
//
// Operations made from a PROJ string take and give geodetic angles in
// radians; plane and geocentric coordinates are in metres.

#include <proj.h>

#include <array>
#include <memory>
#include <ostream>
#include <random>
#include <string>
#include <string_view>

namespace vexilor::oracle {

// An ellipsoid by its semi-major axis (metres) and inverse flattening.
struct OracleEllipsoid {
  std::string_view name;
  double a;
  double inverseFlattening;
};

inline constexpr OracleEllipsoid kKrassovsky{"krass", 6378245.0, 298.3};
inline constexpr OracleEllipsoid kPz90{"pz90", 6378136.0, 298.25784};
inline constexpr OracleEllipsoid kWgs84{"wgs84", 6378137.0, 298.257223563};

// Names an ellipsoid in test failure messages.
inline void PrintTo(const OracleEllipsoid& ellipsoid, std::ostream* out) { *out << ellipsoid.name; }

// "+a=<a> +rf=<1/f>" with the shortest exact text of each number, so that
// PROJ works on bit-for-bit the same ellipsoid as the engine.
std::string EllipsoidArgs(const OracleEllipsoid& ellipsoid);

// Shortest exact decimal text of a double, for PROJ strings.
std::string NumberArg(double value);

class ProjOperation {
 public:
  // `definition` is a PROJ string such as "+proj=cart +a=6378245 +rf=298.3".
  // A definition PROJ refuses leaves the operation invalid; the reason is in
  // Error().
  explicit ProjOperation(const std::string& definition);

  bool Valid() const { return pj_ != nullptr; }
  const std::string& Error() const { return error_; }

  // One point through the operation, forward or inverse. A point PROJ cannot
  // transform comes back as HUGE_VAL in every coordinate.
  std::array<double, 3> Forward(double c1, double c2, double c3) const;
  std::array<double, 3> Inverse(double c1, double c2, double c3) const;

 private:
  struct ContextDeleter {
    void operator()(PJ_CONTEXT* context) const { proj_context_destroy(context); }
  };
  struct OperationDeleter {
    void operator()(PJ* pj) const { proj_destroy(pj); }
  };

  std::array<double, 3> Transform(PJ_DIRECTION direction, double c1, double c2, double c3) const;

  // Declared before pj_ so that the operation goes before its context.
  std::unique_ptr<PJ_CONTEXT, ContextDeleter> context_;
  std::unique_ptr<PJ, OperationDeleter> pj_;
  std::string error_;
};

// A uniform sample in [lo, hi) from the test's seeded generator.
double Uniform(std::mt19937& rng, double lo, double hi);

// The largest absolute difference seen, with the sample that produced it so
// that a failing bound names its worst point.
class WorstCase {
 public:
  void Offer(double difference, const std::array<double, 3>& sample);
  double Value() const { return value_; }
  std::string Where() const;

 private:
  double value_ = 0.0;
  std::array<double, 3> sample_{};
};

// Prints one measured maximum ("GK krass |dx|max=0.12 mm over 24000 pts
// |l|<=3.5 |B|<80") and records it as a property of the running test.
void ReportMeasured(const std::string& key, const std::string& line);

// Fixed-point text of a value with `decimals` digits after the point.
std::string Fixed(double value, int decimals);

// Scientific text of a value with three significant digits.
std::string Scientific(double value);

}  // namespace vexilor::oracle
