#pragma once
// The program's shared state: one object, created at start-up and passed by
// reference to every window.

#include <cstdint>
#include <string>
#include <vector>

#include "state/transform_settings.h"
#include "run/run_transformation.h"
#include "projection/projection_record.h"
#include "refdata/reference_lines.h"
#include "geodesy/side.h"

namespace vexilor {

// The catalogue of systems as read from sys.dat and ellips.dat.
struct CatalogueState {
  SystemLines systems;
  EllipsoidLines ellipsoids;
  bool reloadNeeded = true;       // read the files again at the next choice
  bool resetOnActivation = true;  // the window selects its first entry again
  Side side = Side::Source;       // the side being chosen
};

struct AppState {
  // The files that came with the program: the help, the standard grid.
  std::string programFolder;
  // sys.dat, ellips.dat, keys.dat and the backups: the program's folder, or
  // the user's own copy of the catalogue (refdata/data_folders.h).
  std::string catalogueFolder;
  TransformSettings settings;
  ProjectionRecord projection;
  CatalogueState catalogue;
  RunCounters runCounters;
  // Systems that a newer catalogue of the program has just added to the
  // user's copy (refdata/catalogue_update.h): named once at start-up.
  std::vector<std::string> catalogueAdditions;
};

}  // namespace vexilor
