// Showing forms through the platform: load, activation, modal runs, closing
// and the end of the program.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/form.h"
#include "form/platform.h"
#include "support/form_access.h"
#include "support/scripted_platform.h"

namespace vexilor {
namespace {

// A form that logs its events and hides on its button.
class LoggedForm : public Form {
 public:
  LoggedForm(std::string name, std::vector<std::string>& log) : Form(name) {
    OnLoad([this, &log] { log.push_back(Name() + " load"); });
    OnActivate([this, &log] { log.push_back(Name() + " activate"); });
    Add({.kind = ControlKind::kButton, .name = "cmdClose"}).OnClick([this] { Hide(); });
  }
};

class ShowingTest : public ::testing::Test {
 protected:
  std::vector<std::string> log;
  ScriptedPlatform platform;
  LoggedForm main{"frmMain", log};
  LoggedForm dialog{"frmDialog", log};
  LoggedForm inner{"frmInner", log};
};

TEST_F(ShowingTest, ShowLoadsOnceAndActivatesEachTime) {
  platform.Show(main);
  EXPECT_TRUE(main.Visible());
  EXPECT_FALSE(main.Modal());
  main.Hide();
  platform.Show(main);
  EXPECT_EQ(log, (std::vector<std::string>{"frmMain load", "frmMain activate", "frmMain activate"}));
  EXPECT_EQ(platform.ActiveForm(), &main);
}

TEST_F(ShowingTest, ModalFormRunsTheUserAndReactivatesItsOwner) {
  platform.Show(main);
  bool modalWhileShown = false;
  const Form* activeWhileShown = nullptr;
  platform.ExpectModal(dialog, [&](Form& form) {
    modalWhileShown = form.Modal() && form.Visible();
    activeWhileShown = platform.ActiveForm();
    ControlOf(form, "cmdClose").Click();
  });
  EXPECT_TRUE(platform.ShowModal(dialog));
  EXPECT_TRUE(modalWhileShown);
  EXPECT_EQ(activeWhileShown, &dialog);
  EXPECT_FALSE(dialog.Visible());
  EXPECT_FALSE(dialog.Modal());
  EXPECT_EQ(platform.ActiveForm(), &main);
  EXPECT_EQ(log, (std::vector<std::string>{"frmMain load", "frmMain activate", "frmDialog load",
                                           "frmDialog activate", "frmMain activate"}));
  EXPECT_EQ(platform.ModalForms(), (std::vector<const Form*>{&dialog}));
}

TEST_F(ShowingTest, NestedModalFormReactivatesTheModalUnderIt) {
  platform.Show(main);
  const Form* ownerOfInner = nullptr;
  platform.ExpectModal(dialog, [&](Form& form) {
    platform.ShowModal(inner);
    form.Hide();
  });
  platform.ExpectModal(inner, [&](Form& form) {
    ownerOfInner = platform.OwnerOf(form);
    form.Hide();
  });
  EXPECT_EQ(platform.OwnerOf(main), nullptr);  // not showing yet
  platform.ShowModal(dialog);
  EXPECT_EQ(ownerOfInner, &dialog);
  EXPECT_EQ(platform.OwnerOf(main), nullptr);  // the start window has none
  EXPECT_EQ(log, (std::vector<std::string>{"frmMain load", "frmMain activate", "frmDialog load",
                                           "frmDialog activate", "frmInner load", "frmInner activate",
                                           "frmDialog activate", "frmMain activate"}));
}

TEST_F(ShowingTest, FormHiddenByItsActivationRunsNoUser) {
  dialog.OnActivate([&] { dialog.Hide(); });
  EXPECT_TRUE(platform.ShowModal(dialog));
  EXPECT_TRUE(platform.ModalForms().empty());
}

TEST_F(ShowingTest, VisibleFormIsNotShownModally) {
  platform.Show(main);
  EXPECT_FALSE(platform.ShowModal(main));
  EXPECT_TRUE(platform.ModalForms().empty());
}

TEST_F(ShowingTest, QuitDuringLoadShowsNothing) {
  main.OnLoad([&] { platform.Quit(); });
  platform.Show(main);
  EXPECT_TRUE(platform.QuitRequested());
  EXPECT_FALSE(main.Visible());
  EXPECT_FALSE(platform.ShowModal(dialog));
  EXPECT_FALSE(dialog.Loaded());
}

TEST_F(ShowingTest, QuitInsideAModalFormEndsItWithoutReactivation) {
  platform.Show(main);
  platform.ExpectModal(dialog, [&](Form&) { platform.Quit(); });
  platform.ShowModal(dialog);
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(log.back(), "frmDialog activate");
}

struct CloseCase {
  bool cancelQuery;
  bool cancelUnload;
  std::vector<std::string> log;
  bool closed;
};

class Closing : public ::testing::TestWithParam<CloseCase> {};

TEST_P(Closing, QueryUnloadThenUnloadThenHide) {
  const CloseCase& c = GetParam();
  ScriptedPlatform platform;
  Form form{"frm"};
  std::vector<std::string> log;
  form.OnQueryUnload([&](bool& cancel) {
    log.push_back("query");
    cancel = c.cancelQuery;
  });
  form.OnUnload([&](bool& cancel) {
    log.push_back("unload");
    cancel = c.cancelUnload;
  });
  platform.Show(form);
  EXPECT_EQ(form.RequestClose(), c.closed);
  EXPECT_EQ(log, c.log);
  EXPECT_EQ(form.Visible(), !c.closed);
}

INSTANTIATE_TEST_SUITE_P(Table, Closing,
                         ::testing::Values(CloseCase{false, false, {"query", "unload"}, true},
                                           CloseCase{true, false, {"query"}, false},
                                           CloseCase{false, true, {"query", "unload"}, false}));

TEST(PlatformAdapters, BeeperReachesThePlatform) {
  ScriptedPlatform platform;
  platform.Beeper()();
  EXPECT_EQ(platform.Beeps(), 1);
}

TEST(PlatformAdapters, WaitCursorIsShownForItsScope) {
  ScriptedPlatform platform;
  {
    WaitCursor wait(platform);
    EXPECT_TRUE(platform.WaitCursorOn());
  }
  EXPECT_EQ(platform.WaitCursorChanges(), (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace vexilor
