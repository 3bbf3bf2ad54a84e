// Tab order of a form and the drawn controls of a sketch.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/form.h"

namespace vexilor {
namespace {

std::vector<std::string> Ids(const std::vector<Control*>& controls) {
  std::vector<std::string> ids;
  for (const Control* c : controls) ids.push_back(c->Id());
  return ids;
}

class TabOrderTest : public ::testing::Test {
 protected:
  TabOrderTest() {
    for (Control* c : {&txtA, &txtB, &cmdOK, &cmdClose}) c->OnGotFocus([this, c] { focused.push_back(c->Id()); });
  }

  Form form{"frm"};
  Control& mnuFile = form.Add({.kind = ControlKind::kMenu, .name = "mnuFile"});
  Control& fra = form.Add({.kind = ControlKind::kFrame, .name = "fra"});
  Control& txtA = form.Add({.kind = ControlKind::kTextBox, .name = "txtA", .container = &fra});
  Control& lbl = form.Add({.kind = ControlKind::kLabel, .name = "lbl", .container = &fra});
  Control& txtB = form.Add({.kind = ControlKind::kTextBox, .name = "txtB", .container = &fra});
  Control& line = form.Add({.kind = ControlKind::kLine, .name = "Line1"});
  Control& cmdOK = form.Add({.kind = ControlKind::kButton, .name = "cmdOK"});
  Control& cmdClose = form.Add({.kind = ControlKind::kButton, .name = "cmdClose"});
  std::vector<std::string> focused;
};

TEST_F(TabOrderTest, ControlsAreInTheOrderAddedAndMenusHaveNoPlace) {
  EXPECT_EQ(Ids(form.TabOrder()), (std::vector<std::string>{"fra", "txtA", "lbl", "txtB", "Line1", "cmdOK", "cmdClose"}));
  EXPECT_EQ(txtA.TabIndex(), 1);
  EXPECT_EQ(cmdClose.TabIndex(), 6);
  EXPECT_EQ(mnuFile.TabIndex(), -1);
  mnuFile.SetTabIndex(0);
  EXPECT_EQ(mnuFile.TabIndex(), -1);
}

TEST_F(TabOrderTest, SettingAnIndexMovesTheControlAndShiftsTheOthers) {
  // The way a window puts a few controls first, in its own order.
  cmdOK.SetTabIndex(0);
  txtB.SetTabIndex(1);
  txtA.SetTabIndex(2);
  EXPECT_EQ(Ids(form.TabOrder()), (std::vector<std::string>{"cmdOK", "txtB", "txtA", "fra", "lbl", "Line1", "cmdClose"}));
  fra.SetTabIndex(100);  // past the end: last
  lbl.SetTabIndex(-3);   // before the start: first
  EXPECT_EQ(Ids(form.TabOrder()), (std::vector<std::string>{"lbl", "cmdOK", "txtB", "txtA", "Line1", "cmdClose", "fra"}));
  EXPECT_EQ(fra.TabIndex(), 6);
}

TEST_F(TabOrderTest, TabVisitsWhatTakesTheFocusRoundTheEnd) {
  txtB.SetTabIndex(0);
  ASSERT_TRUE(form.PressTab());
  EXPECT_EQ(form.Focused(), &txtB);
  ASSERT_TRUE(form.PressTab());
  EXPECT_EQ(form.Focused(), &txtA);  // the frame, the label and the line are passed over
  ASSERT_TRUE(form.PressTab());
  ASSERT_TRUE(form.PressTab());
  EXPECT_EQ(form.Focused(), &cmdClose);
  ASSERT_TRUE(form.PressTab());
  EXPECT_EQ(form.Focused(), &txtB);  // round the end
  ASSERT_TRUE(form.PressTab(true));
  EXPECT_EQ(form.Focused(), &cmdClose);
  EXPECT_EQ(focused, (std::vector<std::string>{"txtB", "txtA", "cmdOK", "cmdClose", "txtB", "cmdClose"}));
}

TEST_F(TabOrderTest, TabPassesOverWhatTheUserCannotReach) {
  cmdOK.SetEnabled(false);
  fra.SetVisible(false);  // and with it txtA and txtB
  ASSERT_TRUE(form.PressTab());
  EXPECT_EQ(form.Focused(), &cmdClose);
  EXPECT_FALSE(form.PressTab());  // nothing else to go to
  EXPECT_EQ(form.Focused(), &cmdClose);
  cmdClose.SetVisible(false);
  Form empty{"frmEmpty"};
  EXPECT_FALSE(empty.PressTab());
}

TEST_F(TabOrderTest, DrawnControlsTakeNoFocusAndNoGesture) {
  bool clicked = false;
  line.OnClick([&clicked] { clicked = true; });
  Control& box = form.Add({.kind = ControlKind::kShape, .name = "Shape1"});
  for (Control* drawn : {&line, &box}) {
    EXPECT_FALSE(drawn->SetFocus()) << drawn->Id();
    EXPECT_FALSE(drawn->Click()) << drawn->Id();
    EXPECT_FALSE(drawn->DoubleClick()) << drawn->Id();
  }
  EXPECT_FALSE(clicked);
  EXPECT_EQ(form.Focused(), nullptr);
}

}  // namespace
}  // namespace vexilor
