#include "text/xml_text.h"

#include "text/utf8.h"

namespace vexilor {

std::string XmlText(std::string_view text) {
  std::string xml;
  for (std::size_t at = 0; at < text.size();) {
    const char32_t c = DecodeCodePoint(text, at);
    switch (c) {
      case U'&': xml += "&amp;"; break;
      case U'<': xml += "&lt;"; break;
      case U'>': xml += "&gt;"; break;
      case U'"': xml += "&quot;"; break;
      case U'\'': xml += "&apos;"; break;
      default:
        AppendCodePoint(xml, c < 0x20 && c != U'\t' && c != U'\n' && c != U'\r' ? kReplacementCharacter : c);
    }
  }
  return xml;
}

}  // namespace vexilor
