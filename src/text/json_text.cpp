#include "text/json_text.h"

#include <cstdio>

#include "text/utf8.h"

namespace vexilor {

std::string JsonString(std::string_view text) {
  std::string json = "\"";
  for (std::size_t at = 0; at < text.size();) {
    const char32_t c = DecodeCodePoint(text, at);
    switch (c) {
      case U'"': json += "\\\""; break;
      case U'\\': json += "\\\\"; break;
      case U'\n': json += "\\n"; break;
      case U'\r': json += "\\r"; break;
      case U'\t': json += "\\t"; break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          json += escaped;
        } else {
          AppendCodePoint(json, c);
        }
    }
  }
  return json + "\"";
}

}  // namespace vexilor
