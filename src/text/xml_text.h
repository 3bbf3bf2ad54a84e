#pragma once
// Texts written into XML 1.0, as element content or attribute values.

#include <string>
#include <string_view>

namespace vexilor {

// `text` (UTF-8) with &, <, >, " and ' written as entities; the control
// characters that XML 1.0 cannot hold (below U+0020 except tab, LF and
// CR) and malformed UTF-8 are written as U+FFFD.
std::string XmlText(std::string_view text);

}  // namespace vexilor
