#pragma once
// Texts written into JSON (RFC 8259).

#include <string>
#include <string_view>

namespace vexilor {

// `text` (UTF-8) as a JSON string, in its quotes: the quote, the backslash
// and the control characters below U+0020 escaped, everything else as it
// is. Malformed UTF-8 is written as U+FFFD, so that the result is always
// well-formed.
std::string JsonString(std::string_view text);

}  // namespace vexilor
