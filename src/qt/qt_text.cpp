#include "qt/qt_text.h"

#include "text/utf8.h"

namespace vexilor {
namespace {

// Walks `text` one display character at a time, counting code points and
// UTF-16 units, until `stop` says the walk has gone far enough.
template <class Stop>
void Walk(std::string_view text, bool multi_line, int& code_points, int& units, Stop stop) {
  code_points = 0;
  units = 0;
  for (std::size_t pos = 0; pos < text.size() && !stop(code_points, units);) {
    if (multi_line && text.substr(pos).starts_with("\r\n")) {
      pos += 2;
      code_points += 2;
      units += 1;
      continue;
    }
    const char32_t c = DecodeCodePoint(text, pos);
    code_points += 1;
    units += c >= 0x10000 ? 2 : 1;
  }
}

}  // namespace

QString ToQt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string FromQt(const QString& text) { return text.toStdString(); }

QString DisplayText(std::string_view model_text, bool multi_line) {
  QString text = ToQt(model_text);
  if (multi_line) text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

std::string ModelText(const QString& display_text, bool multi_line) {
  if (!multi_line) return FromQt(display_text);
  QString text = display_text;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return FromQt(text);
}

int DisplayPosition(std::string_view model_text, int code_points, bool multi_line) {
  int walked = 0;
  int units = 0;
  Walk(model_text, multi_line, walked, units, [code_points](int cp, int) { return cp >= code_points; });
  return units;
}

int ModelPosition(std::string_view model_text, int display_units, bool multi_line) {
  int code_points = 0;
  int walked = 0;
  Walk(model_text, multi_line, code_points, walked, [display_units](int, int u) { return u >= display_units; });
  return code_points;
}

}  // namespace vexilor
