#pragma once
// The main window frmSettinngs: where the user prepares a transformation
// (systems, coordinate types, units, heights, input and output) and runs it.
//
// The window owns its controls as plain data; the handlers keep the shared
// TransformSettings in step with them. Start-up (Form_Load), the reset of
// the settings and the Execute command live in their own files.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "form/form.h"
#include "form/platform.h"

#include "state/app_state.h"
#include "windows/main_window_hooks.h"
#include "run/run_transformation.h"
#include "windows/projection_window.h"
#include "windows/local_link_dialog.h"

namespace vexilor {

// Title of every message of the main window.
inline const std::string kMainCaption = "Преобразование координат";
// A results file is wanted but none is chosen.
inline const std::string kNoResultsFileMessage = "Не установлен файл для сохранения результатов.";

// The open dialog for a source coordinates file (.in or CSV), starting in
// `folder`.
FileDialogRequest SourceFileDialog(const std::string& folder);
// The save dialog for a results file, starting in `folder`: with
// `fileMode` every kind a file run writes (.out, CSV, GeoJSON, GPX), else
// the .out that typed points are written to.
FileDialogRequest ResultsFileDialog(const std::string& folder, bool fileMode);
// The open dialog for a quasi-geoid grid.
FileDialogRequest GridFileDialog();

// A message box of the main window: title kMainCaption.
MessageAnswer Say(Platform& platform, const std::string& text, MessageIcon icon,
                  MessageButtons buttons = MessageButtons::kOkOnly);

class FrmMain : public Form, public MainWindowHooks {
 public:
  // Reads the catalogue from the reference files when needed; false when it
  // cannot be loaded.
  using CatalogueLoader = std::function<bool(AppState&, Platform&)>;
  // Whether a file the program needs is present: a file name searched for,
  // or a full path checked as it stands; the second argument is the
  // program's folder.
  using FileFinder = std::function<bool(std::string_view, const std::filesystem::path&)>;

  FrmMain(AppState& state, Platform& platform);

  // Windows shown from this one. Until the catalogue, the projection or the
  // service windows are set their buttons and menu do nothing beyond the
  // settings.
  void SetCatalogueWindow(Form& form) { catalogue_ = &form; }
  void SetProjectionWindow(FrmProjection& form) { projection_ = &form; }
  void SetLocalLinkDialog(FrmLocalLink& form) { localLink_ = &form; }
  void SetServiceWindow(Form& form) { service_ = &form; }
  void SetCatalogueLoader(CatalogueLoader loader) { national_ = std::move(loader); }
  // Checks of the runtime library and the file-dialog component at start-up.
  void SetRuntimeFinder(FileFinder finder) { runtimeFinder_ = std::move(finder); }
  // Checks of the reference files and of the standard quasi-geoid grid.
  void SetDataFinder(FileFinder finder) { dataFinder_ = std::move(finder); }
  // Called during a file run (lines done, bytes read, bytes in all), and
  // `ended` once the run has ended, whatever its result.
  void SetRunProgress(RunProgress progress, std::function<void()> ended) {
    progress_ = std::move(progress);
    runEnded_ = std::move(ended);
  }

  AppState& State() { return state_; }
  TransformSettings& Settings() { return state_.settings; }
  Platform& Host() { return platform_; }
  const RunProgress& Progress() const { return progress_; }
  void RunEnded() const {
    if (runEnded_) runEnded_();
  }
  const FileFinder& RuntimeFinder() const { return runtimeFinder_; }
  const FileFinder& DataFinder() const { return dataFinder_; }
  const std::string& HelpFile() const { return helpFile_; }
  void SetHelpFile(std::string path) { helpFile_ = std::move(path); }

  // Whether "Выполнить" can run: both systems chosen, a projection for each
  // plane side, and a source file or a complete typed point.
  bool CanExecute() const;
  void UpdateCanExecute() { cmdOK.SetEnabled(CanExecute()); }

  // MainWindowHooks
  void ShowSystemName(Side side, const std::string& name) override;
  void ClearResults() override;
  void ResetTypeList(Side side) override { ControlsOf(side).types.SetListIndex(0); }
  void ResetToNewSettings() override { cmdNewSet_Click(); }
  TwipsRect WindowPosition() const override { return Position(); }

  // `path` shown in a read-only path box: lower case, then proper case; the
  // box fits it to its width.
  void ShowFittedPath(Control& box, const std::string& path);
  // The height options and the warning, from both coordinate types.
  void UpdateHeightOptions();
  // Names once the systems a newer catalogue added to the user's copy.
  void AnnounceCatalogueAdditions();
  // The open dialog for a grid until a file opens or the user gives up.
  // Returns the chosen path; "" when the user gave up. `refusedAfterError`
  // tells whether he gave up after a file that could not be opened.
  std::string ChooseGridFile(bool& refusedAfterError);
  // The current folder becomes CurPath (ignored when that fails).
  void EnterWorkingFolder() const;

  // --- Controls, by frame ---
  Control& Frame1;
  Control& cmdIsx;
  Control& cmdParProIn;
  Control& lbl2;
  Control& cboTypeIsx;
  Control& lblIn;
  Control& Frame2;
  Control& cmdOut;
  Control& cmdParProOut;
  Control& lbl4;
  Control& cboTypeOut;
  Control& lblOut;
  Control& fraSet;
  Control& fraInput;
  Control& optInScreen;
  Control& optInFile;
  Control& fraHei;
  Control& optNormal;
  Control& optGeodesy;
  Control& lblWar;
  Control& fraRes;
  Control& chkScreen;
  Control& chkFile;
  Control& fraGeoid;
  Control& txtFlGeoid;
  Control& cmdNewGeoid;
  Control& chkGeoid;
  Control& fr03;
  Control& lbl5;
  Control& txtLat_In;
  Control& lbl6;
  Control& txtLon_In;
  Control& lbl7;
  Control& txtHei_In;
  Control& cmdSbros;
  Control& fraResult;
  Control& lbl9;
  Control& txtLat_Out;
  Control& lbl10;
  Control& txtLon_Out;
  Control& lbl11;
  Control& txtHei_Out;
  Control& lbl12;
  Control& txtGeoid;
  Control& fraFile;
  Control& txtFile;
  Control& lblRazm1;
  Control& cboInFl;
  Control& lblRazm2;
  Control& cboInFl2;
  Control& chkKeepGoing;
  Control& fraOutFl;
  Control& txtOutFl;
  Control& lblRazm3;
  Control& cboOutFl1;
  Control& lblRazm4;
  Control& cboOutFl2;
  Control& cmdNewSet;
  Control& cmdOK;
  Control& cmdCancel;
  Control& txtToolIn;
  Control& txtToolOut;
  Control& mnuServis;
  Control& mnuHelp;

  // --- Handlers ---
  // Start-up: placement, checks, start values, the quasi-geoid grid.
  void Form_Load();
  void cmdIsx_Click() { ChooseSystem(Side::Source); }
  void cmdOut_Click() { ChooseSystem(Side::Target); }
  void cboTypeIsx_Click() { TypeChosen(Side::Source); }
  void cboTypeOut_Click() { TypeChosen(Side::Target); }
  void cmdParProIn_Click() { SetProjection(Side::Source); }
  void cmdParProOut_Click() { SetProjection(Side::Target); }
  void cboInFl_Click() { CoordinateUnitChosen(Side::Source); }
  void cboInFl2_Click() { HeightUnitChosen(Side::Source); }
  void cboOutFl1_Click() { CoordinateUnitChosen(Side::Target); }
  void cboOutFl2_Click() { HeightUnitChosen(Side::Target); }
  void optInScreen_Click();
  void optInFile_Click();
  void chkScreen_Click();
  void chkFile_Click();
  void optNormal_Click() { HeightTypeChosen(0); }
  void optGeodesy_Click() { HeightTypeChosen(1); }
  void chkGeoid_Click();
  void cmdNewGeoid_Click();
  void TypedPoint_Change();
  void TypedPoint_KeyPress(int& key);
  void cmdSbros_Click();
  void cmdOK_Click();
  void cmdNewSet_Click();
  void cmdCancel_Click() { platform_.Quit(); }
  void mnuServis_Click();
  void mnuHelp_Click() { platform_.StartHelp(helpFile_); }

 private:
  Control& Make(ControlKind kind, std::string name, std::string text, Control* container,
                std::string toolTip = {});
  Control& MakePathBox(std::string name, Control& frame);
  void BindHandlers();

  // The controls of one side of the window.
  struct SideControls {
    Control& types;              // cboTypeIsx, cboTypeOut
    Control& projection;         // "Проекция"
    Control& name;               // the chosen system
    Control& coordinateUnits;    // angles of B L H, lengths of X Y Z and x y H
    Control& heightUnits;        // heights of B L H
    Control& coordinateCaption;  // the captions of the two unit lists
    Control& heightCaption;
  };
  SideControls ControlsOf(Side side);

  void ChooseSystem(Side side);
  void TypeChosen(Side side);
  void SetSideLabels(Side side);
  void SetUnitLists(Side side);
  void CoordinateUnitChosen(Side side);
  void HeightUnitChosen(Side side);
  void RememberUnitChoice(Side side, std::int16_t& remembered, int index);
  void SetProjection(Side side);
  void PresetProjection(Side side);
  void HeightTypeChosen(std::int16_t typeH);

  AppState& state_;
  Platform& platform_;
  Form* catalogue_ = nullptr;
  FrmProjection* projection_ = nullptr;
  FrmLocalLink* localLink_ = nullptr;
  Form* service_ = nullptr;
  CatalogueLoader national_;
  FileFinder runtimeFinder_;
  FileFinder dataFinder_;
  RunProgress progress_;
  std::function<void()> runEnded_;
  std::string helpFile_;
};

// Whether `path` names a file that can be opened for reading.
bool CanOpenForReading(const std::string& path);

}  // namespace vexilor
