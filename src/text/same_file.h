#pragma once
// Whether two file names name one file.

#include <string>

namespace vexilor {

// True when the names are equal (a file not made yet included) or name the
// same existing file by other paths or links.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace vexilor
