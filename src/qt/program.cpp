#include "qt/program.h"

#include "qt/main_window_view.h"
#include "qt/russian_translation.h"
#include "windows/load_catalogue.h"

namespace vexilor {

ProgramWindows::ProgramWindows(QtPlatform& platform, const DataFolders& folders)
    : platform_(platform),
      main_(state_, platform),
      catalogue_(state_, platform, main_),
      newSystem_(state_, platform, catalogue_),
      projection_(state_, platform, main_),
      localLink_(state_, platform, main_),
      service_(platform, main_) {
  InstallRussianTranslation();
  state_.programFolder = folders.program.string();
  state_.catalogueFolder = folders.catalogue.string();
  main_.SetCatalogueLoader(LoadCatalogue);
  main_.SetCatalogueWindow(catalogue_);
  catalogue_.SetNewSystemWindow(newSystem_);
  main_.SetProjectionWindow(projection_);
  main_.SetLocalLinkDialog(localLink_);
  main_.SetServiceWindow(service_);
  main_.SetRunProgress(
      [this](std::int64_t lines, std::uint64_t done, std::uint64_t total) {
        return progress_.Update(lines, done, total);
      },
      [this] { progress_.End(); });
  progress_.Attach(&platform_.Bind(main_, LayOutMainWindow));
  // The other windows carry their controls' positions in their models.
}

void ProgramWindows::Start() { platform_.Show(main_); }

}  // namespace vexilor
