#pragma once
// The tables of published test values under tests/geodesy/published/: CSV
// files with a header line, one case per line, each naming its source and
// the tolerance the source gives.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace vexilor::testing {

// One case: its fields by the names of the header line.
class PublishedCase {
 public:
  explicit PublishedCase(std::map<std::string, std::string> fields) : fields_(std::move(fields)) {}

  const std::string& Text(const std::string& column) const {
    const auto it = fields_.find(column);
    if (it == fields_.end()) ADD_FAILURE() << "no column " << column;
    static const std::string kEmpty;
    return it == fields_.end() ? kEmpty : it->second;
  }

  double Number(const std::string& column) const {
    const std::string& text = Text(column);
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0') ADD_FAILURE() << Id() << ": " << column << " = '" << text << "'";
    return v;
  }

  bool Has(const std::string& column) const { return !Text(column).empty(); }
  const std::string& Id() const { return Text("case_id"); }
  bool Inverse() const { return Text("directions_tested").find("inverse") != std::string::npos; }

  // The tolerance the source states, in metres: the first length in the
  // tolerance column ("0.03 m", "1 mm", "1 um", "published to 0.01 m").
  // A case that states none was published to the last digit of `column`.
  double ToleranceMetres(const std::string& column) const {
    static const std::regex kLength(R"(([0-9.]+(?:e-?[0-9]+)?)\s*(mm|um|m)\b)");
    std::smatch m;
    const std::string& text = Text("tolerance");
    if (std::regex_search(text, m, kLength)) {
      const double unit = m[2] == "mm" ? 1e-3 : m[2] == "um" ? 1e-6 : 1.0;
      return std::stod(m[1]) * unit;
    }
    const std::string& value = Text(column);
    const auto point = value.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(value.size() - point - 1);
    return std::pow(10.0, -decimals);
  }

 private:
  std::map<std::string, std::string> fields_;
};

// Splits one CSV line; quoted fields may hold commas and doubled quotes.
inline std::vector<std::string> CsvFields(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      fields.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else if (c != '\r') {
      fields.back() += c;
    }
  }
  return fields;
}

// The cases of tests/geodesy/published/`name`.
inline std::vector<PublishedCase> PublishedCases(const std::string& name) {
  const auto path = std::filesystem::path(VEXILOR_SOURCE_DIR) / "tests" / "geodesy" / "published" / name;
  std::ifstream in(path);
  EXPECT_TRUE(in.is_open()) << path;
  std::string line;
  std::getline(in, line);
  const std::vector<std::string> header = CsvFields(line);
  std::vector<PublishedCase> cases;
  while (std::getline(in, line)) {
    if (line.empty() || line == "\r") continue;
    const std::vector<std::string> values = CsvFields(line);
    EXPECT_EQ(values.size(), header.size()) << name << ": " << line;
    std::map<std::string, std::string> fields;
    for (std::size_t k = 0; k < header.size() && k < values.size(); ++k) fields[header[k]] = values[k];
    cases.emplace_back(std::move(fields));
  }
  return cases;
}

}  // namespace vexilor::testing
