#include "run/source_line.h"

#include <array>
#include <cmath>
#include <optional>

#include "text/number_text.h"
#include "text/numeric.h"
#include "text/words.h"
#include "geodesy/angle_constants.h"

namespace vexilor {
namespace {

int WordCount(CoordType type, AngleUnit angles) {
  if (type != CoordType::BLH) return 4;
  switch (angles) {
    case AngleUnit::DegMinSec: return 8;
    case AngleUnit::DegMin: return 6;
    case AngleUnit::Degrees:
    case AngleUnit::Radians: break;
  }
  return 4;
}

constexpr int kMostWords = 8;

// A line split into words, each read as a number where it stands.
struct NumberWords {
  std::array<double, kMostWords> value;
  int count = 0;
};

std::optional<NumberWords> ReadWords(std::string_view line, int count, const NumericLocale& locale) {
  NumberWords w;
  std::size_t at = 0;
  for (std::string_view word = NextWord(line, at); !word.empty(); word = NextWord(line, at)) {
    if (w.count == count) return std::nullopt;
    const std::optional<double> v = NumberOfText(word, locale);
    if (!v) return std::nullopt;
    w.value[w.count++] = *v;
  }
  if (w.count != count) return std::nullopt;
  return w;
}

// Degree words and the minute words beside seconds are whole numbers.
std::optional<double> Whole(double v) {
  const auto n = ToInt16(v);
  return n ? std::optional<double>(*n) : std::nullopt;
}

bool Within(double v, double low, double high) { return v >= low && v <= high; }

// The latitude takes the sign of its degrees word as read, before the word
// is rounded to a whole number: "-0 30 0" (read as minus zero) stays south
// of the equator, while the "-" of an exponent ("5e-0") is no sign.
double SignOf(double degreesWord) { return std::signbit(degreesWord) ? -1.0 : 1.0; }


struct Angles {
  double b;  // degrees
  double l;
};

// A longitude of [0, 360] degrees, checked after its minutes and seconds are
// added: "360 30 0" lies beyond the circle.
std::optional<Angles> WithinCircle(const Angles& a) {
  if (!Within(a.l, 0, 360)) return std::nullopt;
  return a;
}

std::optional<Angles> DegMinSec(const NumberWords& w) {
  const auto bd = Whole(w.value[1]), bm = Whole(w.value[2]);
  const auto ld = Whole(w.value[4]), lm = Whole(w.value[5]);
  if (!bd || !bm || !ld || !lm) return std::nullopt;
  const double bs = w.value[3], ls = w.value[6];
  if (!Within(std::fabs(*bd), 0, 90) || !Within(*bm, 0, 59) || !Within(*lm, 0, 59) ||
      !Within(bs, 0, 60) || !Within(ls, 0, 60) || !Within(*ld, 0, 360))
    return std::nullopt;
  return WithinCircle({SignOf(w.value[1]) * (std::fabs(*bd) + *bm / kArcMinutesPerDegree + bs / kArcSecondsPerDegree),
                       *ld + *lm / kArcMinutesPerDegree + ls / kArcSecondsPerDegree});
}

std::optional<Angles> DegMin(const NumberWords& w) {
  const auto bd = Whole(w.value[1]), ld = Whole(w.value[3]);
  if (!bd || !ld) return std::nullopt;
  const double bm = w.value[2], lm = w.value[4];
  if (!Within(std::fabs(*bd), 0, 90) || !Within(bm, 0, 60) || !Within(lm, 0, 60) ||
      !Within(*ld, 0, 360))
    return std::nullopt;
  return WithinCircle({SignOf(w.value[1]) * (std::fabs(*bd) + bm / kArcMinutesPerDegree), *ld + lm / kArcMinutesPerDegree});
}

// Decimal degrees or radians: both values are checked as they stand.
std::optional<Angles> Decimal(const NumberWords& w, double toDegrees) {
  return WithinCircle({w.value[1] * toDegrees, w.value[2] * toDegrees});
}

std::optional<Angles> GeodeticAngles(const NumberWords& w, AngleUnit unit) {
  std::optional<Angles> a;
  switch (unit) {
    case AngleUnit::DegMinSec: a = DegMinSec(w); break;
    case AngleUnit::DegMin: a = DegMin(w); break;
    case AngleUnit::Degrees: a = Decimal(w, 1.0); break;
    case AngleUnit::Radians: a = Decimal(w, kDegreesPerRadian); break;
  }
  // Minutes and seconds may carry a degrees word of 90 beyond the pole.
  if (a && Within(std::fabs(a->b), 0, 90)) return a;
  return std::nullopt;
}

}  // namespace

std::optional<Coords> InEngineUnits(CoordType type, const SideUnits& units, const std::array<double, 3>& values) {
  Coords c{};
  if (type != CoordType::BLH) {
    const double k = units.lengths == LengthUnit::Kilometres ? kMetresPerKilometre : 1.0;
    c = {values[0] * k, values[1] * k, values[2] * k};
  } else {
    c = {values[0] * kRadiansPerDegree, values[1] * kRadiansPerDegree,
         units.heights == LengthUnit::Kilometres ? values[2] * kMetresPerKilometre : values[2]};
  }
  for (double v : c)
    if (!std::isfinite(v)) return std::nullopt;
  return c;
}

ResultCode ParseSourceLine(std::string_view line, CoordType type, const SideUnits& units,
                           const NumericLocale& locale, Coords& out) {
  SourcePoint point;
  const ResultCode code = ParseSourcePoint(line, type, units, locale, point);
  if (code == kOk) out = point.coords;
  return code;
}

ResultCode ParseSourcePoint(std::string_view line, CoordType type, const SideUnits& units,
                            const NumericLocale& locale, SourcePoint& out) {
  const std::optional<NumberWords> w = ReadWords(line, WordCount(type, units.angles), locale);
  if (!w) return kUnreadableLine;
  const std::optional<std::int32_t> number = ToInt32(w->value[0]);
  if (!number) return kValueOutOfRange;
  const double height = w->value[w->count - 1];
  std::optional<Coords> coords;
  if (type != CoordType::BLH) {
    coords = InEngineUnits(type, units, {w->value[1], w->value[2], height});
  } else if (const std::optional<Angles> a = GeodeticAngles(*w, units.angles)) {
    coords = InEngineUnits(type, units, {a->b, a->l, height});
  }
  if (!coords) return kValueOutOfRange;
  out = {*number, *coords};
  return kOk;
}

}  // namespace vexilor
