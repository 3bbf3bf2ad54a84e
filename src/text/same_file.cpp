#include "text/same_file.h"

#include <filesystem>

namespace vexilor {

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ignored;
  return a == b || std::filesystem::equivalent(a, b, ignored);
}

}  // namespace vexilor
