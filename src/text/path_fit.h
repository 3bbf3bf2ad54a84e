#pragma once
// Fitting a file path into a read-only text box: centred when it is narrow
// enough, shortened with "..." in the middle when it is too wide.

#include <functional>
#include <string>

namespace vexilor {

// Width of a text in the box's current font, in the unit of the box's width.
using TextWidthFn = std::function<int(const std::string&)>;

// `text` fitted to a box `width` units wide, measured by `measure`:
// - when it leaves room for at least two blank widths on each side, blanks
//   are prepended to centre it;
// - when it leaves room for one on each side, it comes back unchanged;
// - otherwise it is shortened to its first three characters, "..." and its
//   last characters, cut to start at a folder separator ("\" or "/") when the
//   kept tail holds one, and fitted again. So "C:\Program Files\Vexilor\Data
//   \Wgeoid.mat" becomes "C:\...\Data\Wgeoid.mat" in a narrow box.
// In a box too narrow to keep any tail the result is the head and "..."
// alone. Every pass removes at least one character, so the fitting always
// ends, whatever the measurements (a measure of 0 or a negative one is safe).
// Callers pass the path already in proper case. An empty `measure` leaves the
// text unchanged.
[[nodiscard]] std::string FitPathToWidth(const TextWidthFn& measure, int width, std::string text);

}  // namespace vexilor
