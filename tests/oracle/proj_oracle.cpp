#include "proj_oracle.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace vexilor::oracle {

std::string NumberArg(double value) {
  std::array<char, 32> buffer{};
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return ec == std::errc{} ? std::string(buffer.data(), end) : std::string("nan");
}

std::string EllipsoidArgs(const OracleEllipsoid& ellipsoid) {
  return "+a=" + NumberArg(ellipsoid.a) + " +rf=" + NumberArg(ellipsoid.inverseFlattening);
}

ProjOperation::ProjOperation(const std::string& definition) : context_(proj_context_create()) {
  if (!context_) {
    error_ = "no PROJ context";
    return;
  }
  // The oracle reports its own failures; PROJ's log would only repeat them.
  proj_log_level(context_.get(), PJ_LOG_NONE);
  pj_.reset(proj_create(context_.get(), definition.c_str()));
  if (!pj_) {
    error_ =
        std::string(proj_context_errno_string(context_.get(), proj_context_errno(context_.get()))) +
        ": " + definition;
  }
}

std::array<double, 3> ProjOperation::Forward(double c1, double c2, double c3) const {
  return Transform(PJ_FWD, c1, c2, c3);
}

std::array<double, 3> ProjOperation::Inverse(double c1, double c2, double c3) const {
  return Transform(PJ_INV, c1, c2, c3);
}

std::array<double, 3> ProjOperation::Transform(PJ_DIRECTION direction, double c1, double c2,
                                               double c3) const {
  if (!pj_) return {HUGE_VAL, HUGE_VAL, HUGE_VAL};
  const PJ_COORD out = proj_trans(pj_.get(), direction, proj_coord(c1, c2, c3, 0.0));
  return {out.v[0], out.v[1], out.v[2]};
}

double Uniform(std::mt19937& rng, double lo, double hi) {
  return std::uniform_real_distribution<double>(lo, hi)(rng);
}

void WorstCase::Offer(double difference, const std::array<double, 3>& sample) {
  // A NaN difference must count as the worst case, not slip past the test.
  if (!(std::fabs(difference) <= value_)) {
    value_ = std::isnan(difference) ? HUGE_VAL : std::fabs(difference);
    sample_ = sample;
  }
}

std::string WorstCase::Where() const {
  std::ostringstream text;
  text << std::setprecision(15) << "at (" << sample_[0] << ", " << sample_[1] << ", " << sample_[2]
       << ")";
  return text.str();
}

void ReportMeasured(const std::string& key, const std::string& line) {
  std::cout << "[ measured ] " << line << '\n';
  ::testing::Test::RecordProperty(key, line);
}

std::string Fixed(double value, int decimals) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(decimals) << value;
  return text.str();
}

std::string Scientific(double value) {
  std::ostringstream text;
  text << std::scientific << std::setprecision(2) << value;
  return text.str();
}

}  // namespace vexilor::oracle
