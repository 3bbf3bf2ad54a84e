#include "qt/program.h"

#include "qt/catalogue_window_view.h"
#include "qt/link_fit_window_view.h"
#include "qt/local_link_dialog_view.h"
#include "qt/main_window_view.h"
#include "qt/new_system_window_view.h"
#include "qt/projection_window_view.h"
#include "qt/service_window_view.h"
#include "qt/russian_translation.h"
#include "windows/load_catalogue.h"

namespace vexilor {

ProgramWindows::ProgramWindows(QtPlatform& platform, const DataFolders& folders)
    : platform_(platform),
      main_(state_, platform),
      catalogue_(state_, platform, main_),
      newSystem_(state_, platform, catalogue_),
      linkFit_(state_, platform),
      projection_(state_, platform, main_),
      localLink_(state_, platform, main_),
      service_(state_, platform, main_) {
  InstallRussianTranslation();
  state_.programFolder = folders.program.string();
  state_.catalogueFolder = folders.catalogue.string();
  main_.SetCatalogueLoader(LoadCatalogue);
  main_.SetCatalogueWindow(catalogue_);
  catalogue_.SetNewSystemWindow(newSystem_);
  catalogue_.SetLinkFitWindow(linkFit_);
  linkFit_.SetNewSystemWindow(newSystem_);
  main_.SetProjectionWindow(projection_);
  main_.SetLocalLinkDialog(localLink_);
  main_.SetServiceWindow(service_);
  main_.SetRunProgress(
      [this](std::int64_t lines, std::uint64_t done, std::uint64_t total) {
        return progress_.Update(lines, done, total);
      },
      [this] { progress_.End(); });
  progress_.Attach(&platform_.Bind(main_, [this](FormWindow& w) { LayOutMainWindow(w, main_); }));
  platform_.Bind(catalogue_, [this](FormWindow& w) { LayOutCatalogue(w, catalogue_); });
  // A window is bound after every window that may own it (the new-system
  // window shows over the catalogue and over the link fit): the platform
  // deletes the windows in the reverse order, each before its owner.
  platform_.Bind(linkFit_, [this](FormWindow& w) { LayOutLinkFit(w, linkFit_); });
  platform_.Bind(newSystem_, [this](FormWindow& w) { LayOutNewSystem(w, newSystem_); });
  platform_.Bind(projection_, [this](FormWindow& w) { LayOutProjection(w, projection_); });
  platform_.Bind(localLink_, [this](FormWindow& w) { LayOutLocalLink(w, localLink_); });
  platform_.Bind(service_, [this](FormWindow& w) { LayOutService(w, service_); });
}

void ProgramWindows::Start() { platform_.Show(main_); }

}  // namespace vexilor
