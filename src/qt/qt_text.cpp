#include "qt/qt_text.h"

#include "text/utf8.h"

namespace vexilor {
namespace {

// Walks `text` one display character at a time, counting code points and
// UTF-16 units, until `stop` says the walk has gone far enough.
template <class Stop>
void Walk(std::string_view text, bool multiLine, int& codePoints, int& units, Stop stop) {
  codePoints = 0;
  units = 0;
  for (std::size_t pos = 0; pos < text.size() && !stop(codePoints, units);) {
    if (multiLine && text.substr(pos).starts_with("\r\n")) {
      pos += 2;
      codePoints += 2;
      units += 1;
      continue;
    }
    const char32_t c = DecodeCodePoint(text, pos);
    codePoints += 1;
    units += c >= 0x10000 ? 2 : 1;
  }
}

}  // namespace

QString ToQt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string FromQt(const QString& text) { return text.toStdString(); }

QString DisplayText(std::string_view modelText, bool multiLine) {
  QString text = ToQt(modelText);
  if (multiLine) text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

std::string ModelText(const QString& displayText, bool multiLine) {
  if (!multiLine) return FromQt(displayText);
  QString text = displayText;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return FromQt(text);
}

int DisplayPosition(std::string_view modelText, int codePoints, bool multiLine) {
  int walked = 0;
  int units = 0;
  Walk(modelText, multiLine, walked, units, [codePoints](int cp, int) { return cp >= codePoints; });
  return units;
}

int ModelPosition(std::string_view modelText, int displayUnits, bool multiLine) {
  int codePoints = 0;
  int walked = 0;
  Walk(modelText, multiLine, codePoints, walked, [displayUnits](int, int u) { return u >= displayUnits; });
  return codePoints;
}

}  // namespace vexilor
