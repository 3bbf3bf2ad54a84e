#include "windows/reset_settings.h"

#include "windows/main_window.h"

namespace vexilor {
namespace {

void RefillTypes(Control& types) {
  types.SetItems({kTypeNames.begin(), kTypeNames.end()});
  types.SetListIndex(0);
}

}  // namespace

void ResetSettings(FrmMain& w) {
  AppState& state = w.State();
  TransformSettings& s = state.settings;

  s.SourceSystemName.clear();
  s.TargetSystemName.clear();
  state.projection.systemMark = {};
  for (Side side : kSides) w.ShowSystemName(side, "");

  w.cmdSbros.SetEnabled(false);
  w.cmdOK.SetEnabled(false);
  w.fraSet.SetEnabled(true);

  s.ResultHeaderWritten = 0;
  s.RememberedTypeIndex = {};
  s.RememberedUnitIndex = {};

  RefillTypes(w.cboTypeIsx);
  RefillTypes(w.cboTypeOut);
  s.Type_Isx = kTypeNames[0];
  s.Type_Out = kTypeNames[0];

  // Normal heights only where a grid is available.
  (s.fN != 0 ? w.optNormal : w.optGeodesy).SetChecked(true);
  w.optInScreen.SetChecked(true);
  w.chkScreen.SetChecked(true);
  w.chkFile.SetChecked(false);
  w.chkGeoid.SetChecked(false);
  w.chkKeepGoing.SetChecked(false);
  w.lblWar.SetVisible(false);
  w.optNormal.SetVisible(true);
  w.optGeodesy.SetVisible(true);

  s.FileResult.clear();
  s.FileInput.clear();
  w.fraFile.SetVisible(false);
  w.fraOutFl.SetVisible(false);

  for (Control* box : {&w.txtLat_In, &w.txtLon_In, &w.txtHei_In, &w.txtLat_Out, &w.txtLon_Out, &w.txtHei_Out,
                       &w.txtGeoid}) {
    box->SetText("");
  }

  s.TypeH = w.optGeodesy.Checked() ? 1 : 0;
  s.fGeoid = 0;
  s.fOutFile = 0;

  w.cmdIsx.SetFocus();
  w.cmdParProIn.SetEnabled(false);
  w.cmdParProOut.SetEnabled(false);
  w.txtToolIn.SetVisible(false);
  w.txtToolOut.SetVisible(false);

  state.catalogue.reloadNeeded = true;
  state.catalogue.resetOnActivation = true;

  state.projection.confirmed = DefaultProjectionSets();
  state.projection.params = {};

  s.LocalLinkValues = {3, 6, 0, 500};
  s.Units = {};
}

}  // namespace vexilor
