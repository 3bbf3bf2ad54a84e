#include "text/shown_angle.h"

#include <array>

namespace vexilor {
namespace {

// UTF-8 of the marks an angle may carry.
constexpr std::array<std::string_view, 5> kMarks = {"\u00B0", "\u2032", "\u2033", "'", "\""};

// The length of the mark at the start of `text`; 0 when none starts there.
std::size_t MarkAt(std::string_view text) {
  for (std::string_view mark : kMarks) {
    if (text.starts_with(mark)) return mark.size();
  }
  return 0;
}

}  // namespace

std::string TypedAngleText(std::string_view shown) {
  std::string typed;
  bool blankPending = false;
  for (std::size_t pos = 0; pos < shown.size();) {
    const std::size_t mark = MarkAt(shown.substr(pos));
    if (mark > 0 || shown[pos] == ' ') {
      blankPending = !typed.empty();
      pos += mark > 0 ? mark : 1;
      continue;
    }
    if (blankPending) typed += ' ';
    blankPending = false;
    typed += shown[pos++];
  }
  return typed;
}

}  // namespace vexilor
