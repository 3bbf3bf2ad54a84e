#include "form/platform.h"
#include "windows/load_catalogue.h"

#include <algorithm>
#include <string>

#include "refdata/catalogue_listing.h"
#include "refdata/ellipsoid_references.h"
#include "refdata/reference_file.h"
#include "refdata/reference_messages.h"
#include "refdata/reference_path.h"

namespace vexilor {
namespace {

void ShowFailure(Platform& platform, Side side, std::string text) {
  platform.ShowMessage({.text = std::move(text),
                        .title = std::string(CatalogueTitle(side)),
                        .buttons = MessageButtons::kOkOnly,
                        .icon = MessageIcon::kExclamation});
}

// Whether every line of `systems` is a record the window can list.
bool EveryLineListable(const SystemLines& systems) {
  return std::all_of(systems.begin(), systems.end(),
                     [](const std::string& line) { return !SystemListName(line).empty(); });
}

}  // namespace

bool LoadCatalogue(AppState& state, Platform& platform) {
  CatalogueState& catalogue = state.catalogue;
  if (!catalogue.reloadNeeded) return true;
  WaitCursor wait(platform);

  const std::string systemsPath = ReferenceFilePath(state.catalogueFolder, kSystemsFileName);
  ReferenceFileError error = LoadSystemLines(systemsPath, catalogue.systems);
  if (error != ReferenceFileError::kNone) {
    ShowFailure(platform, catalogue.side, ReferenceFileErrorMessage(error, systemsPath));
    return false;
  }
  if (!EveryLineListable(catalogue.systems)) {
    ShowFailure(platform, catalogue.side, BadSystemFileMessage(systemsPath));
    return false;
  }

  const std::string ellipsoidsPath = ReferenceFilePath(state.catalogueFolder, kEllipsoidsFileName);
  error = LoadEllipsoidLines(ellipsoidsPath, catalogue.ellipsoids);
  if (error != ReferenceFileError::kNone) {
    ShowFailure(platform, catalogue.side, ReferenceFileErrorMessage(error, ellipsoidsPath));
    return false;
  }
  catalogue.resetOnActivation = true;
  catalogue.reloadNeeded = false;
  if (const auto orphans = FindOrphanedSystems(catalogue.systems, catalogue.ellipsoids); !orphans.empty()) {
    ShowFailure(platform, catalogue.side, OrphanedSystemsMessage(orphans, ellipsoidsPath));
  }
  return true;
}

}  // namespace vexilor
