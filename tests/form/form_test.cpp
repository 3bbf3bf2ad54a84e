// Forms: control arrays, focus, loading and closing.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/form.h"

namespace vexilor {
namespace {

TEST(ControlArrays, ElementsAreFoundByNameAndIndex) {
  Form form{"frmNational"};
  Control& fraLin = form.Add({.kind = ControlKind::kFrame, .name = "fraLin"});
  for (int i : {3, 0, 6}) form.Add({.kind = ControlKind::kTextBox, .name = "txt1", .index = i, .container = &fraLin});
  Control& single = form.Add({.kind = ControlKind::kTextBox, .name = "txtSystem"});

  ASSERT_NE(form.Find("txt1", 3), nullptr);
  EXPECT_EQ(form.Find("txt1", 3)->Index(), 3);
  EXPECT_EQ(form.Find("txt1", 3)->Id(), "txt1(3)");
  EXPECT_EQ(form.Find("txt1"), nullptr) << "an array element is not the plain name";
  EXPECT_EQ(form.Find("txt1", 1), nullptr);
  EXPECT_EQ(form.Find("txtSystem"), &single);
  EXPECT_EQ(single.Id(), "txtSystem");

  std::vector<int> indices;
  for (const Control* c : form.Array("txt1")) indices.push_back(c->Index());
  EXPECT_EQ(indices, (std::vector<int>{0, 3, 6}));
  EXPECT_EQ(form.ControlCount(), 5u);
  EXPECT_EQ(&form.ControlAt(0), &fraLin);
}

TEST(ControlArrays, SharedHandlerKnowsTheIndex) {
  Form form{"frm"};
  std::vector<int> changed;
  for (int i = 0; i < 3; ++i) {
    form.Add({.kind = ControlKind::kTextBox, .name = "txt1", .index = i}).OnChange([&changed, i] {
      changed.push_back(i);
    });
  }
  form.Find("txt1", 2)->SetText("5");
  form.Find("txt1", 0)->SetText("7");
  EXPECT_EQ(changed, (std::vector<int>{2, 0}));
}

TEST(Containers, ForeignContainerIsIgnored) {
  Form other{"other"};
  Control& foreign = other.Add({.kind = ControlKind::kFrame, .name = "fra"});
  Form form{"frm"};
  Control& txt = form.Add({.kind = ControlKind::kTextBox, .name = "txt", .container = &foreign});
  EXPECT_EQ(txt.Container(), nullptr);
  foreign.SetVisible(false);
  EXPECT_TRUE(txt.EffectivelyVisible());
}

class FocusTest : public ::testing::Test {
 protected:
  FocusTest() {
    for (Control* c : {&a, &b, &cmd}) {
      c->OnGotFocus([this, c] { log.push_back("got " + c->Name()); });
      c->OnLostFocus([this, c] { log.push_back("lost " + c->Name()); });
    }
    cmd.OnClick([this] { log.push_back("click"); });
  }

  Form form{"frm"};
  Control& a = form.Add({.kind = ControlKind::kTextBox, .name = "a"});
  Control& b = form.Add({.kind = ControlKind::kTextBox, .name = "b"});
  Control& cmd = form.Add({.kind = ControlKind::kButton, .name = "cmd"});
  Control& lbl = form.Add({.kind = ControlKind::kLabel, .name = "lbl"});
  std::vector<std::string> log;
};

TEST_F(FocusTest, MovingRunsLostThenGot) {
  EXPECT_TRUE(a.SetFocus());
  EXPECT_TRUE(a.SetFocus());
  EXPECT_TRUE(b.SetFocus());
  EXPECT_EQ(log, (std::vector<std::string>{"got a", "lost a", "got b"}));
  EXPECT_EQ(form.Focused(), &b);
}

TEST_F(FocusTest, LabelsAndDisabledControlsRefuseFocus) {
  a.SetFocus();
  EXPECT_FALSE(lbl.SetFocus());
  b.SetEnabled(false);
  EXPECT_FALSE(b.SetFocus());
  EXPECT_EQ(form.Focused(), &a);
}

TEST_F(FocusTest, ClickingAButtonTakesTheFocusBeforeTheClick) {
  a.Type("x");
  cmd.Click();
  EXPECT_EQ(log, (std::vector<std::string>{"got a", "lost a", "got cmd", "click"}));
}

TEST_F(FocusTest, LostFocusHandlerMovingTheFocusWins) {
  a.SetFocus();
  a.OnLostFocus([this] { b.SetFocus(); });  // as a name box that fills the next boxes
  cmd.SetFocus();
  EXPECT_EQ(form.Focused(), &b);
  EXPECT_EQ(log, (std::vector<std::string>{"got a", "got b"}));
}

TEST_F(FocusTest, LostFocusHandlerKeepingTheFocusWins) {
  a.SetFocus();
  a.OnLostFocus([this] { a.SetFocus(); });  // an invalid entry keeps the focus
  EXPECT_FALSE(b.SetFocus());
  EXPECT_EQ(form.Focused(), &a);
  EXPECT_EQ(log, (std::vector<std::string>{"got a"}));
}

TEST(FormEvents, LoadRunsOnce) {
  Form form{"frm"};
  int loads = 0;
  form.OnLoad([&] { ++loads; });
  form.Load();
  form.Load();
  EXPECT_EQ(loads, 1);
  EXPECT_TRUE(form.Loaded());
  EXPECT_FALSE(form.Visible()) << "loading does not show";
}

// Enter and Escape in a dialog with a text box, OK (default) and Отмена
// (cancel).
struct KeyCase {
  const char* name;
  const char* focus;  // control focused before the key
  bool okEnabled;
  bool withCancelButton;
  bool escape;        // Escape, else Enter
  const char* clicked;  // "" when no button ran
};

class DialogKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(DialogKeys, PressTheDefaultOrTheCancelButton) {
  const KeyCase& c = GetParam();
  Form form{"frmDlg"};
  Control& box = form.Add({.kind = ControlKind::kTextBox, .name = "txtValue"});
  Control& ok = form.Add({.kind = ControlKind::kButton, .name = "cmdOK"});
  Control& cancel = form.Add({.kind = ControlKind::kButton, .name = "cmdCancel"});
  std::string clicked;
  ok.OnClick([&] { clicked = "cmdOK"; });
  cancel.OnClick([&] { clicked = "cmdCancel"; });
  form.SetDefaultButton(ok);
  if (c.withCancelButton) form.SetCancelButton(cancel);
  form.Find(c.focus)->SetFocus();
  ok.SetEnabled(c.okEnabled);
  const bool taken = c.escape ? form.PressEscape() : form.PressEnter();
  EXPECT_EQ(clicked, c.clicked);
  EXPECT_EQ(taken, !clicked.empty());
  EXPECT_EQ(box.Text(), "");  // Enter types nothing into a one-line box
}

INSTANTIATE_TEST_SUITE_P(
    Table, DialogKeys,
    ::testing::Values(KeyCase{"enter_in_a_box_presses_the_default", "txtValue", true, true, false, "cmdOK"},
                      KeyCase{"enter_on_a_button_presses_it", "cmdCancel", true, true, false, "cmdCancel"},
                      KeyCase{"enter_with_the_default_disabled", "txtValue", false, true, false, ""},
                      KeyCase{"escape_presses_the_cancel_button", "txtValue", true, true, true, "cmdCancel"},
                      KeyCase{"escape_without_a_cancel_button", "txtValue", true, false, true, ""}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace vexilor
