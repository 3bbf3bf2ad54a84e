#pragma once
// The service window frmService, opened modally from the main window's menu
// «Сервис»: six tools, one panel at a time, chosen from its menus — the
// sheet nomenclature of a point, the frame of a sheet, degrees to grads,
// grads to degrees, English lengths to metres and metres to English lengths.
// The window keeps nothing between uses beyond what its boxes show; the
// computations live in src/service.
//
// The control arrays keep the indices the window has always had: the
// Execute buttons cmdOK(0), (1), (3) to (6) belong to panels 0 to 5 and
// cmdOK(2) is never shown; the boxes of panels 2 to 5 are txtAngle(0)/(1),
// (2)/(3), (4)/(5) and (7)/(6), with the unit lists cboRazmAngle(1), (0),
// (2) and (3).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/form.h"
#include "form/platform.h"
#include "geodesy/lat_lon.h"
#include "service/sheet_frame.h"
#include "state/app_state.h"
#include "windows/main_window_hooks.h"

namespace vexilor {

inline constexpr std::string_view kServiceCaption = "Сервис (преобразование углов, расстояний, номенклатуры топокарт)";

// Titles of the messages of each tool.
inline constexpr std::string_view kNomenclatureTitle = "Определение номенклатуры";
inline constexpr std::string_view kFrameTitle = "Определение координат рамки номенклатурного листа";
inline constexpr std::string_view kOutlineTitle = "Контур номенклатурного листа для карты";
inline constexpr std::string_view kDegreesToGradsTitle = "Преобразование углов из градусов в грады";
inline constexpr std::string_view kGradsToDegreesTitle = "Преобразование углов из град в градусы";
inline constexpr std::string_view kEnglishToMetricTitle = "Преобразование расстояний из английской меры длин в метрическую";
inline constexpr std::string_view kMetricToEnglishTitle = "Преобразование расстояний из метрической меры длин в английскую";

class FrmService : public Form {
 public:
  // The panels, fraExecute(index).
  enum Panel : int {
    kNomenclaturePanel = 0,
    kFramePanel = 1,
    kDegreesToGradsPanel = 2,
    kGradsToDegreesPanel = 3,
    kEnglishToMetricPanel = 4,
    kMetricToEnglishPanel = 5,
  };
  static constexpr int kPanels = 6;
  static constexpr int kExecuteButtons = 7;  // cmdOK(0..6)
  static constexpr int kCoordOptions = 4;    // optCoord(0, 1) nomenclature, (2, 3) frame
  static constexpr int kScalesPerPanel = 7;  // 1:1 000 000 to 1:10 000
  static constexpr int kFirstFrameScale = kScalesPerPanel;
  static constexpr int kScaleButtons = 2 * kScalesPerPanel;  // optScale(0..6) nomenclature, (7..13) frame
  static constexpr int kCoordBoxes = 6;      // txtCoord(0, 1) the point, (2..5) the edges
  static constexpr int kAngleBoxes = 8;      // txtAngle(0..7)
  static constexpr int kUnitLists = 4;       // cboRazmAngle(0..3)
  static constexpr int kSketchLines = 2;     // linAxis(0) x, (1) y

  // The catalogue of `state` gives the route of a sheet's outline from
  // СК-42 to WGS-84.
  FrmService(AppState& state, Platform& platform, MainWindowHooks& mainWindow);

  // --- Controls ---
  Control& mnuAngle;
  Control& mnuGradGradus;
  Control& mnuGradusGrad;
  Control& mnuLines;
  Control& mnuAnglMetric;
  Control& mnuMetricAngl;
  Control& mnuNomencl;
  Control& mnuNameNom;
  Control& mnuRamka;
  Control& cmdClose;
  Control& fraExecute(int index) const { return At(fraExecute_, index); }
  Control& cmdOK(int index) const { return At(cmdOK_, index); }
  // Panel 0.
  Control& fraCoord() const { return *fraCoord_; }
  Control& fraScale() const { return *fraScale_; }
  Control& fraRes() const { return *fraRes_; }
  Control& txtNom() const { return *txtNom_; }
  // Panel 1.
  Control& Frame2() const { return *frame2_; }
  Control& txtNom1() const { return *txtNom1_; }
  Control& Frame1() const { return *frame1_; }
  Control& fraBound() const { return *fraBound_; }
  Control& txtRmkXY() const { return *txtRmkXY_; }
  Control& shpRamka() const { return *shpRamka_; }
  Control& cmdOutline() const { return *cmdOutline_; }
  Control& linAxis(int index) const { return At(linAxis_, index); }
  Control& lblX() const { return *lblX_; }
  Control& lblY() const { return *lblY_; }
  Control& lblName() const { return *lblName_; }
  // Panels 0 and 1.
  Control& optCoord(int index) const { return At(optCoord_, index); }
  Control& optScale(int index) const { return At(optScale_, index); }
  Control& lblCoord(int index) const { return At(lblCoord_, index); }
  Control& txtCoord(int index) const { return At(txtCoord_, index); }
  // Panels 2 to 5: their two frames (by panel), boxes, lists and labels.
  Control& fraIsx(int panel) const { return At(fraIsx_, panel); }
  Control& fraPreob(int panel) const { return At(fraPreob_, panel); }
  Control& txtAngle(int index) const { return At(txtAngle_, index); }
  Control& lblAngle(int index) const { return At(lblAngle_, index); }
  Control& cboRazmAngle(int index) const { return At(cboRazmAngle_, index); }
  Control& lblRazm(int index) const { return At(lblRazm_, index); }

  // The panel shown, or -1 before the first menu choice and after closing.
  int ShownPanel() const;

  // --- Handlers ---
  void Form_Load();
  void Form_Activate();
  void mnuNameNom_Click() { OpenPanel(kNomenclaturePanel); }
  void mnuRamka_Click() { OpenPanel(kFramePanel); }
  void mnuGradusGrad_Click() { OpenPanel(kDegreesToGradsPanel); }
  void mnuGradGradus_Click() { OpenPanel(kGradsToDegreesPanel); }
  void mnuAnglMetric_Click() { OpenPanel(kEnglishToMetricPanel); }
  void mnuMetricAngl_Click() { OpenPanel(kMetricToEnglishPanel); }
  void cmdOK_Click(int index);
  void cmdClose_Click();
  // The sheet's outline in WGS-84, into a GeoJSON file the user names.
  void cmdOutline_Click();
  void optCoord_Click(int index);
  void optScale_Click(int index);
  void cboRazmAngle_Click(int index);
  void txtAngle_Change(int index);
  void txtAngle_GotFocus(int index) { SelectAllOf(txtAngle(index)); }
  void txtAngle_KeyPress(int& key);
  void txtCoord_Change(int index);
  void txtCoord_GotFocus(int index) { SelectAllOf(txtCoord(index)); }
  void txtCoord_KeyPress(int& key);
  void txtNom1_Change();
  void txtNom1_GotFocus() { SelectAllOf(txtNom1()); }

 private:
  template <std::size_t N>
  static Control& At(const std::array<Control*, N>& controls, int index) {
    return *controls.at(static_cast<std::size_t>(index));
  }

  // Construction (service_window_controls.cpp).
  Control& Make(ControlKind kind, std::string name, std::string_view text, Control* container, int index = kNoIndex,
                std::string group = {});
  Control& MakeMenu(std::string name, std::string_view caption, Control* parent);
  void AddPanels();
  void AddNomenclaturePanel();
  void AddFramePanel();
  void AddSketch(Control& frame);
  void AddConversionPanel(int panel);
  void AddScaleButtons(Control& frame, int first);
  // A labelled row of a conversion frame, one under another as they are added.
  void AddUnitRow(Control& frame, int list);
  void AddAngleRow(Control& frame, int box, bool output);
  void BindHandlers();

  // Behaviour (service_window.cpp).
  void OpenPanel(int panel);
  void ShowPanel(int panel);
  bool WarnSk42(int panel);
  void EmptyPanel(int panel);
  void ShowFrame(const SheetFrame& frame);
  void RunNomenclature();
  void RunFrame();
  // The frame of the sheet named in txtNom1 at the scale chosen; a refusal
  // is said, and nothing of an earlier sheet stays on show.
  std::optional<SheetFrame> ReadFrame();
  // The outline of `frame` carried to WGS-84 through the catalogue's route;
  // a failure is said.
  std::optional<std::vector<LatLonDegrees>> OutlineRing(const SheetFrame& frame);
  void WriteOutline(const std::string& path, const std::string& json);
  void RunConversion(int panel);
  std::int32_t SelectedScale(int first) const;
  void Say(std::string_view text, std::string_view title, MessageIcon icon = MessageIcon::kNone);
  void SelectAllOf(Control& box);
  // The labels and tool tips of the point's boxes for the kind of point chosen.
  void ShowPointKind();

  AppState& state_;
  Platform& platform_;
  MainWindowHooks& mainWindow_;
  std::array<Control*, kPanels> fraExecute_{};
  std::array<Control*, kExecuteButtons> cmdOK_{};
  Control* fraCoord_ = nullptr;
  Control* fraScale_ = nullptr;
  Control* fraRes_ = nullptr;
  Control* txtNom_ = nullptr;
  Control* frame2_ = nullptr;
  Control* txtNom1_ = nullptr;
  Control* frame1_ = nullptr;
  Control* fraBound_ = nullptr;
  Control* txtRmkXY_ = nullptr;
  Control* shpRamka_ = nullptr;
  Control* cmdOutline_ = nullptr;
  std::array<Control*, kSketchLines> linAxis_{};
  Control* lblX_ = nullptr;
  Control* lblY_ = nullptr;
  Control* lblName_ = nullptr;
  std::array<Control*, kCoordOptions> optCoord_{};
  std::array<Control*, kScaleButtons> optScale_{};
  std::array<Control*, kCoordBoxes> lblCoord_{};
  std::array<Control*, kCoordBoxes> txtCoord_{};
  std::array<Control*, kPanels> fraIsx_{};
  std::array<Control*, kPanels> fraPreob_{};
  std::array<Control*, kAngleBoxes> txtAngle_{};
  std::array<Control*, kAngleBoxes> lblAngle_{};
  std::array<Control*, kUnitLists> cboRazmAngle_{};
  std::array<Control*, kUnitLists> lblRazm_{};
};

}  // namespace vexilor
