#pragma once
// Bringing a user's copy of the catalogue up to the program's.
//
// An installed program copies its catalogue into the user's folder once
// (data_folders.h); the copy is the user's from then on. When a later
// version of the program ships systems its earlier catalogue lacked, they
// are added to the user's copy, and nothing else changes: a line the user
// added or edited stays as it is, a built-in system the user removed stays
// removed.
//
// The program's folder says which systems each revision of its catalogue
// added after the first (additions.dat: one line each, the revision number
// and the system's name, as sys.dat writes it); the user's folder remembers
// the revision its copy was made from or last brought up to
// (catalogue.revision). A copy without that record was made from the first
// catalogue.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "refdata/reference_file.h"

namespace vexilor {

inline constexpr std::string_view kAdditionsFileName = "additions.dat";
inline constexpr std::string_view kCatalogueRevisionFileName = "catalogue.revision";

struct CatalogueUpdate {
  // The systems added to the user's sys.dat, in the order the program's
  // additions name them.
  std::vector<std::string> addedSystems;
  // A reference file of either folder could not be read, or the user's
  // could not be rewritten: the user's files are as they were, and the
  // next start tries again.
  ReferenceFileError error = ReferenceFileError::kNone;
};

// Adds to sys.dat of `userFolder` every system of the program's catalogue
// in `programFolder` that a revision after the copy's added and that the
// copy lacks by name. A system's ellipsoid (own or parent's) is taken by
// name and geometry from the user's ellips.dat, or appended to it under a
// number that no line of either file uses. Each file that changes is first
// copied to its backup (sys.bac, ellips.bac). Then the copy's revision is
// recorded.
CatalogueUpdate UpdateUserCatalogue(const std::filesystem::path& programFolder,
                                    const std::filesystem::path& userFolder);

}  // namespace vexilor
