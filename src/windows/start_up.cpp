#include "windows/start_up.h"

#include <cstdlib>
#include <vector>

#include "windows/main_window.h"
#include "text/search_path.h"
#include "refdata/reference_path.h"

namespace vexilor {
namespace {

const std::string kEndOfRun = ". Выполнение будет прекращено.";

std::vector<std::filesystem::path> LoaderFolders() {
  std::vector<std::filesystem::path> folders;
  if (const char* list = std::getenv("LD_LIBRARY_PATH"); list != nullptr) {
    std::string_view rest = list;
    while (!rest.empty()) {
      const std::size_t colon = rest.find(':');
      const std::string_view entry = rest.substr(0, colon);
      if (!entry.empty()) folders.emplace_back(entry);
      rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
  }
  for (const char* system : {"/lib", "/usr/lib", "/lib64", "/usr/lib64", "/usr/local/lib",
                             "/lib/x86_64-linux-gnu", "/usr/lib/x86_64-linux-gnu",
                             "/usr/lib/aarch64-linux-gnu"}) {
    folders.emplace_back(system);
  }
  return folders;
}

// Closing a message: no, the start failed.
bool Check(FrmMain& w, bool present, const std::string& what, const std::string& name) {
  if (!present) Say(w.Host(), what + "\r\n" + name + kEndOfRun, MessageIcon::kCritical);
  return present;
}

// The standard grid, or another one the user opens; false when normal
// heights cannot be used.
bool FindGrid(FrmMain& w) {
  TransformSettings& s = w.Settings();
  const std::filesystem::path folder = w.State().programFolder;
  s.FileGeoid = ReferenceFilePath(w.State().programFolder, kStandardGridFileName);
  if (w.DataFinder()(s.FileGeoid, folder)) return true;
  const std::string question = "Отсутствует стандартный файл - матрица высот\r\nквазигеоида " + s.FileGeoid +
                               ".\r\nОткрыть другой файл? (Иначе использование\r\nнормальных высот будет невозможно!)";
  if (Say(w.Host(), question, MessageIcon::kQuestion, MessageButtons::kYesNo) != MessageAnswer::kYes) return false;
  bool refusedAfterError = false;
  std::string path = w.ChooseGridFile(refusedAfterError);
  if (path.empty()) return false;
  s.FileGeoid = std::move(path);
  return true;
}

}  // namespace

bool IsRuntimeFilePresent(std::string_view fileName, const std::filesystem::path& programFolder) {
  if (IsOnSearchPath(fileName, programFolder)) return true;
  std::error_code ignored;
  for (const std::filesystem::path& folder : LoaderFolders()) {
    for (const std::filesystem::path& place :
         {folder / fileName, folder / "qt6" / "plugins" / "platforms" / fileName}) {
      if (std::filesystem::is_regular_file(place, ignored)) return true;
    }
  }
  return false;
}

void FrmMain::Form_Load() {
  TransformSettings& s = Settings();
  AppState& state = State();
  const TwipsSize screen = Host().ScreenSize();
  Move({(screen.width - Position().width) / 2, 0, Position().width, Position().height});

  const std::string& folder = state.programFolder;
  SetHelpFile(ReferenceFilePath(folder, kHelpFileName));
  s.SourceSystemName.clear();
  s.TargetSystemName.clear();
  cmdOK.SetEnabled(false);
  cmdSbros.SetEnabled(false);

  s.RememberedTypeIndex = {0, 0};
  s.RememberedUnitIndex = {-1, -1, -1, -1};
  state.catalogue.reloadNeeded = true;
  state.catalogue.resetOnActivation = true;
  s.CurPath = folder;

  // Every check is made, so that the user learns all that is missing at once.
  const std::filesystem::path programFolder = folder;
  const std::string systems = ReferenceFilePath(state.catalogueFolder, kSystemsFileName);
  const std::string ellipsoids = ReferenceFilePath(state.catalogueFolder, kEllipsoidsFileName);
  bool ready = Check(*this, RuntimeFinder()(kRuntimeLibrary, programFolder), "Отсутствует необходимая библиотека",
                     kRuntimeLibrary);
  ready &= Check(*this, RuntimeFinder()(kFileDialogComponent, programFolder), "Отсутствует необходимый компонент",
                 kFileDialogComponent);
  ready &= Check(*this, DataFinder()(systems, programFolder), "Отсутствует файл связей систем координат", systems);
  ready &= Check(*this, DataFinder()(ellipsoids, programFolder), "Отсутствует файл параметров эллипсоидов",
                 ellipsoids);
  if (!ready) {
    Host().Quit();
    return;
  }

  // fN first: the type handlers decide the height options from it.
  s.fN = -1;
  for (Control* types : {&cboTypeIsx, &cboTypeOut}) {
    types->SetItems({kTypeNames.begin(), kTypeNames.end()});
    types->SetListIndex(0);
  }
  s.Type_Isx = kTypeNames[0];
  s.Type_Out = kTypeNames[0];
  lblWar.SetVisible(false);
  optNormal.SetChecked(true);
  chkScreen.SetChecked(true);

  state.projection.ResetForStartUp();
  s.LocalLinkValues = {3, 6, 0, 500};
  s.Units = {0, 0, 0, 0};
  s.TypeH = 0;
  s.fGeoid = 0;

  if (FindGrid(*this)) {
    ShowFittedPath(txtFlGeoid, s.FileGeoid);
    chkGeoid.SetEnabled(true);
  } else {
    s.fN = 0;
    optGeodesy.SetChecked(true);
    chkGeoid.SetEnabled(false);
    s.FileGeoid.clear();
    txtFlGeoid.SetText("");
  }
  UpdateHeightOptions();
}

}  // namespace vexilor
