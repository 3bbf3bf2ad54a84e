#pragma once
// Model texts (UTF-8, lines broken by "\r\n", positions in code points) and
// Qt texts (UTF-16, lines broken by "\n", positions in UTF-16 units).

#include <QString>
#include <string>
#include <string_view>

namespace vexilor {

QString ToQt(std::string_view text);
std::string FromQt(const QString& text);

// The text a widget shows: a multi-line text's "\r\n" becomes "\n".
QString DisplayText(std::string_view modelText, bool multiLine);
// The reverse: a multi-line widget's "\n" becomes "\r\n".
std::string ModelText(const QString& displayText, bool multiLine);

// A position in `model_text` (code points) as a position in its display text
// (UTF-16 units), and back. Positions past the end stop at the end.
int DisplayPosition(std::string_view modelText, int codePoints, bool multiLine);
int ModelPosition(std::string_view modelText, int displayUnits, bool multiLine);

}  // namespace vexilor
