// Which setters run which handlers: the event rules of the form model.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "form/control.h"
#include "form/form.h"

namespace vexilor {
namespace {

struct Counts {
  int click = 0;
  int change = 0;
  friend bool operator==(const Counts&, const Counts&) = default;
};

// One control of each kind that has handlers, counting their runs.
class EventsTest : public ::testing::Test {
 public:
  EventsTest() {
    for (Control* c : {&txt, &chk, &opt0, &opt1, &lst, &cbo, &lbl, &cmd}) {
      c->OnClick([this, c] { ++counts[c->Name()].click; });
      c->OnChange([this, c] { ++counts[c->Name()].change; });
    }
    lst.SetItems({"a", "b", "c"});
    cbo.SetItems({"метры", "километры"});
  }

  Form form{"frmTest"};
  Control& txt = form.Add({.kind = ControlKind::kTextBox, .name = "txt", .text = "old"});
  Control& chk = form.Add({.kind = ControlKind::kCheck, .name = "chk"});
  Control& opt0 = form.Add({.kind = ControlKind::kOption, .name = "opt0", .group = "g", .checked = true});
  Control& opt1 = form.Add({.kind = ControlKind::kOption, .name = "opt1", .group = "g"});
  Control& lst = form.Add({.kind = ControlKind::kList, .name = "lst"});
  Control& cbo = form.Add({.kind = ControlKind::kCombo, .name = "cbo"});
  Control& lbl = form.Add({.kind = ControlKind::kLabel, .name = "lbl", .text = "caption"});
  Control& cmd = form.Add({.kind = ControlKind::kButton, .name = "cmd"});
  std::map<std::string, Counts> counts;
};

struct SetterCase {
  const char* what;
  std::function<void(EventsTest&)> act;
  const char* control;
  Counts expected;
};

class SetterEvents : public EventsTest, public ::testing::WithParamInterface<SetterCase> {};

TEST_P(SetterEvents, RunHandlersOnlyWhenTheValueChanges) {
  const SetterCase& c = GetParam();
  c.act(*this);
  EXPECT_EQ(counts[c.control], c.expected) << c.what;
  int others = 0;
  for (const auto& [name, count] : counts) {
    if (name != c.control) others += count.click + count.change;
  }
  EXPECT_EQ(others, 0) << c.what << ": no other control's handler runs";
}

INSTANTIATE_TEST_SUITE_P(
    Table, SetterEvents,
    ::testing::Values(
        SetterCase{"text set to a new value", [](EventsTest& fx) { fx.txt.SetText("new"); }, "txt", {0, 1}},
        SetterCase{"text set to the same value", [](EventsTest& fx) { fx.txt.SetText("old"); }, "txt", {0, 0}},
        SetterCase{"check ticked", [](EventsTest& fx) { fx.chk.SetChecked(true); }, "chk", {1, 0}},
        SetterCase{"check unticked while unticked", [](EventsTest& fx) { fx.chk.SetChecked(false); }, "chk", {0, 0}},
        SetterCase{"check ticked then unticked",
                   [](EventsTest& fx) {
                     fx.chk.SetChecked(true);
                     fx.chk.SetChecked(false);
                   },
                   "chk", {2, 0}},
        SetterCase{"option selected", [](EventsTest& fx) { fx.opt1.SetChecked(true); }, "opt1", {1, 0}},
        SetterCase{"option selected again", [](EventsTest& fx) { fx.opt0.SetChecked(true); }, "opt0", {0, 0}},
        SetterCase{"option cleared", [](EventsTest& fx) { fx.opt0.SetChecked(false); }, "opt0", {0, 0}},
        SetterCase{"list index set", [](EventsTest& fx) { EXPECT_TRUE(fx.lst.SetListIndex(1)); }, "lst", {1, 0}},
        SetterCase{"list index set twice",
                   [](EventsTest& fx) {
                     fx.lst.SetListIndex(2);
                     fx.lst.SetListIndex(2);
                   },
                   "lst", {1, 0}},
        SetterCase{"list index out of range", [](EventsTest& fx) { EXPECT_FALSE(fx.lst.SetListIndex(3)); }, "lst",
                   {0, 0}},
        SetterCase{"list index below -1", [](EventsTest& fx) { EXPECT_FALSE(fx.lst.SetListIndex(-2)); }, "lst",
                   {0, 0}},
        SetterCase{"list refilled", [](EventsTest& fx) { fx.lst.SetItems({"x"}); }, "lst", {0, 0}},
        SetterCase{"combo text selects its item", [](EventsTest& fx) { fx.cbo.SetText("километры"); }, "cbo",
                   {1, 0}},
        SetterCase{"combo text that is no item", [](EventsTest& fx) { fx.cbo.SetText("мили"); }, "cbo", {0, 0}},
        SetterCase{"label caption", [](EventsTest& fx) { fx.lbl.SetText("other"); }, "lbl", {0, 0}},
        SetterCase{"button caption, state and tip",
                   [](EventsTest& fx) {
                     fx.cmd.SetText("Выполнить");
                     fx.cmd.SetEnabled(false);
                     fx.cmd.SetVisible(false);
                     fx.cmd.SetToolTip("tip");
                   },
                   "cmd", {0, 0}}),
    [](const ::testing::TestParamInfo<SetterCase>& param) { return "Case" + std::to_string(param.index); });

TEST_F(EventsTest, SelectingAnOptionClearsOnlyItsGroupWithoutTheirEvents) {
  Control& other = form.Add({.kind = ControlKind::kOption, .name = "optOther", .group = "h", .checked = true});
  other.OnClick([this] { ++counts["optOther"].click; });
  opt1.SetChecked(true);
  EXPECT_TRUE(opt1.Checked());
  EXPECT_FALSE(opt0.Checked());
  EXPECT_TRUE(other.Checked()) << "another group is untouched";
  EXPECT_EQ(counts["opt0"].click, 0);
  EXPECT_EQ(counts["optOther"].click, 0);
}

TEST_F(EventsTest, SameArrayNameInTwoGroupsIsTwoGroups) {
  Control& scale0 = form.Add({.kind = ControlKind::kOption, .name = "optScale", .index = 0, .group = "fraScale"});
  Control& scale6 = form.Add({.kind = ControlKind::kOption, .name = "optScale", .index = 6, .group = "Frame1"});
  scale0.SetChecked(true);
  scale6.SetChecked(true);
  EXPECT_TRUE(scale0.Checked());
  EXPECT_TRUE(scale6.Checked());
}

TEST_F(EventsTest, ListTextFollowsTheIndex) {
  EXPECT_EQ(lst.Text(), "");
  lst.SetListIndex(1);
  EXPECT_EQ(lst.Text(), "b");
  lst.RemoveItem(0);
  EXPECT_EQ(lst.ListIndex(), 0) << "the same item stays selected";
  EXPECT_EQ(lst.Text(), "b");
  lst.RemoveItem(0);
  EXPECT_EQ(lst.ListIndex(), -1) << "removing the selected item leaves no selection";
  EXPECT_FALSE(lst.RemoveItem(5));
  EXPECT_EQ(counts["lst"].click, 1);
}

TEST_F(EventsTest, SettingTextPutsTheCaretAtTheStart) {
  txt.SetText("abcdef");
  txt.SetSelection(2, 10);
  EXPECT_EQ(txt.Selection(), (TextSelection{2, 4})) << "clamped into the text";
  EXPECT_EQ(txt.SelectedText(), "cdef");
  txt.SetText("xy");
  EXPECT_EQ(txt.Selection(), (TextSelection{0, 0}));
}

// --- Re-entrancy ---

TEST(Reentrancy, CheckBoxForcedBackByItsOwnHandlerRunsItOnce) {
  Form form{"frm"};
  Control& chk = form.Add({.kind = ControlKind::kCheck, .name = "chkScreen", .checked = true});
  int clicks = 0;
  chk.OnClick([&] {
    ++clicks;
    chk.SetChecked(true);  // screen output is forced with keyboard input
  });
  EXPECT_TRUE(chk.Click());
  EXPECT_TRUE(chk.Checked());
  EXPECT_EQ(clicks, 1);
}

TEST(Reentrancy, ChangeHandlerEditingItsOwnBoxEnds) {
  Form form{"frm"};
  Control& txt = form.Add({.kind = ControlKind::kTextBox, .name = "txt"});
  int changes = 0;
  txt.OnChange([&] {
    ++changes;
    txt.SetText(txt.Text() + "x");
  });
  txt.SetText("a");
  EXPECT_EQ(txt.Text(), "ax");
  EXPECT_EQ(changes, 1);
  txt.SetText("b");
  EXPECT_EQ(changes, 2) << "the guard is released after the handler";
}

TEST(Reentrancy, HandlersSettingEachOtherEnd) {
  Form form{"frm"};
  Control& a = form.Add({.kind = ControlKind::kTextBox, .name = "a"});
  Control& b = form.Add({.kind = ControlKind::kTextBox, .name = "b"});
  std::vector<std::string> log;
  a.OnChange([&] {
    log.push_back("a");
    b.SetText(a.Text() + "1");
  });
  b.OnChange([&] {
    log.push_back("b");
    a.SetText(b.Text() + "2");
  });
  a.SetText("x");
  EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(a.Text(), "x12");
  EXPECT_EQ(b.Text(), "x1");
}

TEST(Reentrancy, OptionHandlerSelectingAnotherOptionRunsThatOne) {
  Form form{"frm"};
  Control& screen = form.Add({.kind = ControlKind::kOption, .name = "optInScreen", .group = "fraInput"});
  Control& file = form.Add({.kind = ControlKind::kOption, .name = "optInFile", .group = "fraInput"});
  std::vector<std::string> log;
  screen.OnClick([&] { log.push_back("screen"); });
  file.OnClick([&] {
    log.push_back("file");
    screen.SetChecked(true);  // no file chosen: back to keyboard input
  });
  file.Click();
  EXPECT_EQ(log, (std::vector<std::string>{"file", "screen"}));
  EXPECT_TRUE(screen.Checked());
  EXPECT_FALSE(file.Checked());
}

}  // namespace
}  // namespace vexilor
