#include "geodesy/common_points.h"

#include <algorithm>
#include <map>
#include <set>

namespace vexilor {
namespace {

bool Contains(const std::vector<std::int32_t>& numbers, std::int32_t n) {
  return std::find(numbers.begin(), numbers.end(), n) != numbers.end();
}

// The numbers that stand more than once in `set`, each once, in the order
// of their second appearance.
void AddRepeated(const std::vector<NumberedPoint>& set, std::vector<std::int32_t>& out) {
  std::set<std::int32_t> seen;
  for (const NumberedPoint& p : set)
    if (!seen.insert(p.number).second && !Contains(out, p.number)) out.push_back(p.number);
}

std::map<std::int32_t, Geocentric> ByNumber(const std::vector<NumberedPoint>& set) {
  std::map<std::int32_t, Geocentric> places;
  for (const NumberedPoint& p : set) places[p.number] = p.xyz;
  return places;
}

// The numbers of `set` missing from `other` and not excluded.
void AddUnmatched(const std::vector<NumberedPoint>& set, const std::map<std::int32_t, Geocentric>& other,
                  const std::vector<std::int32_t>& excluded, std::vector<std::int32_t>& out) {
  for (const NumberedPoint& p : set)
    if (other.count(p.number) == 0 && !Contains(excluded, p.number)) out.push_back(p.number);
}

}  // namespace

Pairing PairByNumber(const std::vector<NumberedPoint>& source,
                     const std::vector<NumberedPoint>& target,
                     const std::vector<std::int32_t>& excluded) {
  Pairing pairing;
  AddRepeated(source, pairing.numbers);
  AddRepeated(target, pairing.numbers);
  if (!pairing.numbers.empty()) {
    pairing.code = kFitPointRepeated;
    return pairing;
  }
  const std::map<std::int32_t, Geocentric> sourceByNumber = ByNumber(source);
  const std::map<std::int32_t, Geocentric> targetByNumber = ByNumber(target);
  AddUnmatched(source, targetByNumber, excluded, pairing.numbers);
  AddUnmatched(target, sourceByNumber, excluded, pairing.numbers);
  if (!pairing.numbers.empty()) {
    pairing.code = kFitPointUnmatched;
    return pairing;
  }
  for (const NumberedPoint& p : source) {
    const auto match = targetByNumber.find(p.number);
    if (match != targetByNumber.end())
      pairing.points.push_back({p.number, p.xyz, match->second, !Contains(excluded, p.number)});
  }
  return pairing;
}

}  // namespace vexilor
