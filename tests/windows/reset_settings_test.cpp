#include "windows/reset_settings.h"

#include <gtest/gtest.h>

#include "main_window_fixture.h"

namespace vexilor {
namespace {

using ResetSettingsTest = MainWindowTest;

TEST_F(ResetSettingsTest, NewSettingsBringBackTheFreshStart) {
  Start();
  ChooseCk42Both();
  window.cboTypeIsx.Choose(1);
  window.cboTypeOut.Choose(2);
  window.cboInFl.Choose(1);
  state.projection.params.target.SetZoneWidth(6);
  state.settings.LocalLinkValues = {9, 3, 1, 1};
  state.catalogue.reloadNeeded = false;
  TypePoint("1", "2", "3");
  window.txtLat_Out.SetText("7");

  window.cmdNewSet_Click();

  const TransformSettings& s = state.settings;
  EXPECT_EQ(window.cboTypeIsx.Text(), "B L H");
  EXPECT_EQ(window.cboTypeOut.Text(), "B L H");
  EXPECT_EQ(window.cboTypeIsx.ListCount(), 3);
  EXPECT_EQ(s.Type_Isx, "B L H");
  EXPECT_EQ(s.Type_Out, "B L H");
  EXPECT_EQ(window.cboInFl.Text(), "градусы, минуты, секунды");
  EXPECT_EQ(window.cboOutFl1.Text(), "градусы, минуты, секунды");
  EXPECT_EQ(window.cboInFl2.Text(), "метры");
  EXPECT_EQ(s.Units, RunUnits{});
  EXPECT_FALSE(window.cmdParProIn.Enabled());
  EXPECT_FALSE(window.cmdParProOut.Enabled());
  EXPECT_FALSE(window.cmdOK.Enabled());
  EXPECT_FALSE(window.cmdSbros.Enabled());
  EXPECT_TRUE(s.SourceSystemName.empty());
  EXPECT_TRUE(s.TargetSystemName.empty());
  EXPECT_EQ(window.txtLat_In.Text(), "");
  EXPECT_EQ(window.txtLat_Out.Text(), "");
  EXPECT_TRUE(window.optNormal.Checked());
  EXPECT_TRUE(window.optInScreen.Checked());
  EXPECT_TRUE(window.chkScreen.Checked());
  EXPECT_FALSE(window.chkFile.Checked());
  EXPECT_FALSE(window.fraFile.Visible());
  EXPECT_EQ(s.TypeH, 0);
  EXPECT_EQ(s.LocalLinkValues, (std::array<double, 4>{3, 6, 0, 500}));
  EXPECT_TRUE(state.catalogue.reloadNeeded);
  EXPECT_FALSE(IsProjectionSet(state.projection.params.target));
  EXPECT_TRUE(window.cmdIsx.HasFocus());
  ChooseCk42Both();
  EXPECT_FALSE(window.cmdOK.Enabled()) << "no point typed yet";
}

}  // namespace
}  // namespace vexilor
