#pragma once
// How the catalogue window names itself and lists the systems of sys.dat.

#include <string>
#include <string_view>
#include <vector>

#include "geodesy/side.h"
#include "refdata/reference_lines.h"

namespace vexilor {

// The window's title for the side being chosen; it is also the title of the
// window's messages.
std::string_view CatalogueTitle(Side side);

// The listed name of a sys.dat line: every word before the last ten, joined
// by single blanks. Empty for a line that is not a record (fewer than eleven
// words, or more words than the listing holds).
std::string SystemListName(std::string_view line);

// The listed names of every line of the catalogue, in its order.
std::vector<std::string> SystemListNames(const SystemLines& systems);

}  // namespace vexilor
