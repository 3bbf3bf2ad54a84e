#pragma once
// Angle texts as the program shows them (with the marks ° ' ", blanks in
// front for the columns) read back as a user types them, so that a result
// copied from a result box or a results file can be pasted into a new run.

#include <string>
#include <string_view>

namespace vexilor {

// `shown` with the degree, minute and second marks (°, ′, ″, ' and ") taken
// as blanks, runs of blanks made one and none at the ends: the form
// ParseAngle reads. "  55°45'20.12345\"" gives "55 45 20.12345".
std::string TypedAngleText(std::string_view shown);

}  // namespace vexilor
