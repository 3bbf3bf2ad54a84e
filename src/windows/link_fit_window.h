#pragma once
// The link fit window frmLinkFit, opened from the catalogue by «По общим
// точкам…»: the link between two coordinate systems found from the points
// two files share (geodesy/link_fit.h). Set 0 holds the points of the
// system being linked, set 1 the same points in a system of the catalogue.
// For each set the user chooses the file, and as the main window chooses a
// side the system, the coordinate type and its units, the projection of
// plane points (a built-in parameter set) and the kind of heights; then the
// model, seven parameters or three shifts.
//
// «Вычислить» reads both files (run/point_file_marks.h) and fits the link:
// the parameters with their standard deviations, σ₀ and the residuals of
// every common point, the points beyond three standard deviations marked.
// A point is left out («Учитывать пункт» cleared, or a double click on its
// row) and the link fitted again. «Добавить в каталог» opens the
// new-system window filled with the link onto the parent the user picks
// there (refdata/links_onto_parents.h).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/form.h"
#include "form/platform.h"
#include "geodesy/coord_type.h"
#include "geodesy/link_fit.h"
#include "refdata/ellipsoid_record.h"
#include "refdata/system_choice.h"
#include "run/geocentric_points.h"
#include "run/units.h"
#include "state/app_state.h"
#include "windows/new_system_window.h"

namespace vexilor {

// The window's caption, also the title of every message of the window.
inline constexpr std::string_view kLinkFitCaption = "Параметры связи по общим точкам";

class FrmLinkFit : public Form {
 public:
  static constexpr int kSets = 2;

  // The controls of one set of points, in its frame fraSet(set); each is
  // the element `set` of its control array.
  struct PointSet {
    Control& fraSet;
    Control& cmdFile;  // «Файл…»
    Control& txtFile;  // the chosen file, fitted
    Control& lblSystem;
    Control& cboSystem;  // the catalogue's systems
    Control& lblType;
    Control& cboType;  // kTypeNames
    Control& lblUnits;
    Control& cboUnits;  // angles of B L H, lengths of X Y Z and x y H
    Control& lblHeightUnits;
    Control& cboHeightUnits;  // heights of B L H
    Control& lblProjection;
    Control& cboProjection;  // the kinds, each with its built-in set
    Control& optNormal;      // heights of B L H and x y H
    Control& optGeodesy;
  };

  FrmLinkFit(AppState& state, Platform& platform);

  // The window that «Добавить в каталог» fills and shows.
  void SetNewSystemWindow(FrmNewSystem& form) { newSystem_ = &form; }

  const PointSet& Set(int set) const { return sets_.at(static_cast<std::size_t>(set)); }

 private:
  // Before the controls below: members are made in the order they are
  // declared, and Tab follows the order controls are made in.
  std::array<PointSet, kSets> sets_;

 public:
  // --- Controls, after the two sets ---
  Control& fraModel;
  Control& optSeven;   // seven parameters
  Control& optShifts;  // three shifts
  Control& cmdFit;
  Control& fraResult;
  Control& txtReport;  // the parameters, σ₀ and the summary
  Control& lblPoints;  // the heading of lstPoints
  Control& lstPoints;  // a row a common point
  Control& chkUse;     // the selected point takes part in the fit
  Control& lblRefit;   // shown while the ticks differ from those of the fit
  Control& cmdAdd;
  Control& cmdClose;

  // --- Handlers ---
  void Form_Activate();
  void cmdFile_Click(int set);
  void cboType_Click(int set);
  void cboSystem_Click(int set);
  void Setting_Change() { ClearResults(); }
  void cmdFit_Click();
  void lstPoints_Click();
  void lstPoints_DblClick();
  void chkUse_Click();
  void cmdAdd_Click();
  void cmdClose_Click() { Hide(); }

 private:
  // The last link fitted and what it was fitted from.
  struct Fitted {
    LinkFit fit;
    LinkModel model = LinkModel::kSevenParameters;
    std::vector<std::int32_t> excluded;         // the points left out, ascending
    std::array<std::string, kSets> systems;     // the sets' systems, as listed
    Ellipsoid ellipsoid;                        // of set 0's system
    SystemChoice target;                        // set 1's system
  };

  Control& Make(ControlKind kind, std::string name, std::string text, Control* container, int index = kNoIndex);
  Control& MakeOption(std::string name, std::string text, Control& frame, int index = kNoIndex);
  PointSet MakeSet(int set);
  void BindHandlers();

  CoordType TypeOf(int set) const;
  std::int32_t NumberAt(int row) const;
  bool Excluded(std::int32_t number) const;
  void ShowSystems();
  void ShowTypeSettings(int set);
  void ShowHeightChoice(int set);
  void UpdateCommands();
  void ClearResults();

  // Set `set` read and placed in its system (marks_); false after a message.
  bool ReadSet(int set, SystemChoice& choice);
  PointSetFrame FrameOf(int set, const SystemChoice& choice) const;
  SideUnits UnitsOf(int set) const;
  std::optional<Ellipsoid> SourceEllipsoid();
  // After the message of a fit refused; true when the user leaves the
  // unmatched points out, to fit again.
  bool ReportFitFailure(const LinkFitOutcome& outcome);
  std::string NumbersInFiles(const std::vector<std::int32_t>& numbers, std::size_t fewest) const;
  void ShowFit();
  void ShowPoints();
  void Warn(const std::string& text);

  AppState& state_;
  Platform& platform_;
  FrmNewSystem* newSystem_ = nullptr;
  std::array<std::string, kSets> files_;
  std::array<std::vector<NumberedPoint>, kSets> marks_;
  std::vector<std::int32_t> excluded_;  // ascending
  std::optional<Fitted> fitted_;
};

}  // namespace vexilor
