#include "gtx_grid.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>

namespace vexilor::mkgeoid {
namespace {

constexpr std::size_t kHeaderBytes = 40;
constexpr float kNoValue = -88888.0f;
constexpr double kTolerance = 1e-9;

std::uint64_t BigEndian(const unsigned char* p, int bytes) {
  std::uint64_t v = 0;
  for (int i = 0; i < bytes; ++i) v = v << 8 | p[i];
  return v;
}

double DoubleAt(const unsigned char* p) { return std::bit_cast<double>(BigEndian(p, 8)); }

std::int32_t Int32At(const unsigned char* p) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(BigEndian(p, 4)));
}

float FloatAt(const unsigned char* p) {
  return std::bit_cast<float>(static_cast<std::uint32_t>(BigEndian(p, 4)));
}

}  // namespace

bool GtxGrid::Read(const std::string& path, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + path;
    return false;
  }
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
  if (bytes.size() < kHeaderBytes) {
    error = path + ": shorter than the 40-byte header";
    return false;
  }
  latOrigin_ = DoubleAt(&bytes[0]);
  lonOrigin_ = DoubleAt(&bytes[8]);
  latStep_ = DoubleAt(&bytes[16]);
  lonStep_ = DoubleAt(&bytes[24]);
  rows_ = Int32At(&bytes[32]);
  columns_ = Int32At(&bytes[36]);
  const bool sphere = latStep_ > 0 && lonStep_ > 0 && rows_ > 1 && columns_ > 1 &&
                      std::fabs(latOrigin_ + 90.0) < kTolerance &&
                      std::fabs(latOrigin_ + (rows_ - 1) * latStep_ - 90.0) < kTolerance &&
                      std::fabs(columns_ * lonStep_ - 360.0) < kTolerance;
  if (!sphere) {
    error = path + ": the grid does not cover the whole sphere";
    return false;
  }
  const std::size_t count = static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_);
  if (bytes.size() != kHeaderBytes + 4 * count) {
    error = path + ": the file length does not match its rows and columns";
    return false;
  }
  values_.resize(count);
  for (std::size_t i = 0; i < count; ++i) values_[i] = FloatAt(&bytes[kHeaderBytes + 4 * i]);
  return true;
}

double GtxGrid::ValueAt(int row, int column) const {
  const int c = ((column % columns_) + columns_) % columns_;
  return values_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                 static_cast<std::size_t>(c)];
}

bool GtxGrid::Bilinear(double b, double l, double& value) const {
  const double y = std::clamp((b - latOrigin_) / latStep_, 0.0, rows_ - 1.0);
  double x = std::fmod((l - lonOrigin_) / lonStep_, columns_);
  if (x < 0) x += columns_;
  const int row = std::min(static_cast<int>(y), rows_ - 2);
  const int column = static_cast<int>(x);
  const double fy = y - row, fx = x - column;
  const double v00 = ValueAt(row, column), v01 = ValueAt(row, column + 1);
  const double v10 = ValueAt(row + 1, column), v11 = ValueAt(row + 1, column + 1);
  for (const double v : {v00, v01, v10, v11})
    if (v == kNoValue) return false;
  value = (1 - fy) * ((1 - fx) * v00 + fx * v01) + fy * ((1 - fx) * v10 + fx * v11);
  return true;
}

}  // namespace vexilor::mkgeoid
