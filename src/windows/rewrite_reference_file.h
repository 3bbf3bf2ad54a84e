#pragma once
// Rewriting sys.dat or ellips.dat from its in-memory list once the user
// agrees, with an optional backup copy first.

#include <string_view>

#include "form/platform.h"
#include "refdata/reference_file.h"

namespace vexilor {

// Asks whether to change the file of `kind` in `catalogueFolder` (No is the
// default answer), then whether to keep a backup copy (.bac) first, and
// replaces the file safely with `lines`. Questions and a failure message are
// titled `title`. True when the file was written; false when the user
// declined or writing failed (the file is then as it was). sys.dat is
// written without the lines whose ellipsoids ellips.dat on disk lacks; they
// are named to the user afterwards, and nothing is written when ellips.dat
// cannot be read.
bool RewriteReferenceFile(ReferenceKind kind, const ReferenceLines& lines, std::string_view title,
                          std::string_view catalogueFolder, Platform& platform);

}  // namespace vexilor
