// User gestures: typing, deleting, pasting, choosing and what a user can reach.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/control.h"
#include "form/form.h"
#include "text/key_filter.h"

namespace vexilor {
namespace {

class TypingTest : public ::testing::Test {
 protected:
  TypingTest() {
    txt.OnChange([this] { changes.push_back(txt.Text()); });
  }

  Form form{"frm"};
  Control& fra = form.Add({.kind = ControlKind::kFrame, .name = "fra"});
  Control& txt = form.Add({.kind = ControlKind::kTextBox, .name = "txt", .container = &fra});
  std::vector<std::string> changes;
};

struct TypingCase {
  const char* start;
  TextSelection selection;
  const char* keys;
  int maxLength;
  bool multiLine;
  const char* text;
  TextSelection after;
};

class Typing : public ::testing::TestWithParam<TypingCase> {};

TEST_P(Typing, EditsAtTheCaret) {
  const TypingCase& c = GetParam();
  Form form{"frm"};
  Control& txt = form.Add({.kind = ControlKind::kTextBox, .name = "txt", .text = c.start, .multiLine = c.multiLine});
  txt.SetMaxLength(c.maxLength);
  txt.SetSelection(c.selection.start, c.selection.length);
  EXPECT_TRUE(txt.Type(c.keys));
  EXPECT_EQ(txt.Text(), c.text) << "typing \"" << c.keys << "\" into \"" << c.start << "\"";
  EXPECT_EQ(txt.Selection(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Typing,
    ::testing::Values(TypingCase{"", {0, 0}, "55 30", 0, false, "55 30", {5, 0}},
                      TypingCase{"abc", {1, 0}, "X", 0, false, "aXbc", {2, 0}},
                      TypingCase{"abcdef", {1, 3}, "Z", 0, false, "aZef", {2, 0}},
                      TypingCase{"abc", {3, 0}, "\b\b", 0, false, "a", {1, 0}},
                      TypingCase{"abc", {0, 0}, "\b", 0, false, "abc", {0, 0}},
                      TypingCase{"abcdef", {2, 2}, "\b", 0, false, "abef", {2, 0}},
                      TypingCase{"Широта", {6, 0}, "\bы", 0, false, "Широты", {6, 0}},
                      TypingCase{"ab", {2, 0}, "cde", 3, false, "abc", {3, 0}},
                      TypingCase{"abc", {0, 3}, "x", 3, false, "x", {1, 0}},
                      TypingCase{"ab", {2, 0}, "\r\t", 0, false, "ab", {2, 0}},
                      TypingCase{"ab", {2, 0}, "\rc", 0, true, "ab\r\nc", {5, 0}},
                      TypingCase{"ab\r\n", {4, 0}, "\b", 0, true, "ab", {2, 0}}));

TEST_F(TypingTest, EachKeyRunsChange) {
  txt.Type("12");
  EXPECT_EQ(changes, (std::vector<std::string>{"1", "12"}));
}

TEST_F(TypingTest, KeyFilterCancelsKeysBeforeTheEdit) {
  int beeps = 0;
  std::vector<int> keys;
  txt.OnKeyPress([&](int& key) {
    keys.push_back(key);
    key = FilterNumericKey(key, [&] { ++beeps; });
  });
  txt.Type("1,5a");
  EXPECT_EQ(txt.Text(), "15");
  EXPECT_EQ(beeps, 2);
  EXPECT_EQ(keys, (std::vector<int>{'1', ',', '5', 'a'}));
  EXPECT_EQ(changes, (std::vector<std::string>{"1", "15"})) << "a refused key changes nothing";
}

TEST_F(TypingTest, KeyPressGetsCodePointsAndMayReplaceTheKey) {
  std::vector<int> keys;
  txt.OnKeyPress([&](int& key) {
    keys.push_back(key);
    if (key == U'ж') key = U'Ж';
  });
  txt.Type("жи");
  EXPECT_EQ(keys, (std::vector<int>{0x436, 0x438}));
  EXPECT_EQ(txt.Text(), "Жи");
}

TEST_F(TypingTest, ReadOnlyBoxRunsKeyPressButKeepsItsText) {
  int presses = 0;
  txt.OnKeyPress([&](int&) { ++presses; });
  txt.SetText("path");
  changes.clear();
  txt.SetReadOnly(true);
  EXPECT_TRUE(txt.Type("x\b"));
  EXPECT_TRUE(txt.PressDelete());
  EXPECT_TRUE(txt.ReplaceText("other"));
  EXPECT_EQ(txt.Text(), "path");
  EXPECT_EQ(presses, 2);
  EXPECT_TRUE(changes.empty());
}

TEST_F(TypingTest, DeleteRemovesSelectionOrNextCodePoint) {
  txt.SetText("Юг");
  txt.SetSelection(0, 0);
  txt.PressDelete();
  EXPECT_EQ(txt.Text(), "г");
  txt.SetSelection(1, 0);
  changes.clear();
  txt.PressDelete();
  EXPECT_EQ(txt.Text(), "г") << "nothing after the caret";
  EXPECT_TRUE(changes.empty());
}

TEST_F(TypingTest, PasteIsCutToTheMaximumAndRunsChangeOnce) {
  txt.SetMaxLength(4);
  int presses = 0;
  txt.OnKeyPress([&](int&) { ++presses; });
  EXPECT_TRUE(txt.ReplaceText("Север"));
  EXPECT_EQ(txt.Text(), "Севе");
  EXPECT_EQ(txt.Selection(), (TextSelection{4, 0}));
  EXPECT_EQ(changes.size(), 1u);
  EXPECT_EQ(presses, 0) << "pasting presses no keys";
}

TEST_F(TypingTest, ProgramMayExceedTheMaximumLength) {
  txt.SetMaxLength(2);
  txt.SetText("12345");
  EXPECT_EQ(txt.Text(), "12345");
}

TEST_F(TypingTest, UserCannotReachDisabledOrHiddenControls) {
  struct Case {
    Control* switched;
    bool enabledFlag;
  };
  for (const Case c : {Case{&txt, true}, Case{&txt, false}, Case{&fra, true}, Case{&fra, false}}) {
    c.enabledFlag ? c.switched->SetEnabled(false) : c.switched->SetVisible(false);
    EXPECT_FALSE(txt.EffectivelyEnabled() && txt.EffectivelyVisible());
    EXPECT_FALSE(txt.Type("1"));
    EXPECT_FALSE(txt.ReplaceText("1"));
    EXPECT_FALSE(txt.PressDelete());
    EXPECT_FALSE(txt.SetFocus());
    c.switched->SetEnabled(true);
    c.switched->SetVisible(true);
  }
  EXPECT_EQ(txt.Text(), "");
  EXPECT_TRUE(changes.empty());
  EXPECT_TRUE(txt.Type("1")) << "reachable again";
}

TEST(UserActions, ClickPerKind) {
  Form form{"frm"};
  Control& cmd = form.Add({.kind = ControlKind::kButton, .name = "cmd"});
  Control& chk = form.Add({.kind = ControlKind::kCheck, .name = "chk"});
  Control& opt = form.Add({.kind = ControlKind::kOption, .name = "opt", .group = "g"});
  Control& mnu = form.Add({.kind = ControlKind::kMenu, .name = "mnuHelp"});
  Control& lst = form.Add({.kind = ControlKind::kList, .name = "lst"});
  int clicks = 0;
  for (Control* c : {&cmd, &chk, &opt, &mnu, &lst}) c->OnClick([&] { ++clicks; });

  EXPECT_TRUE(cmd.Click());
  EXPECT_TRUE(mnu.Click());
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(chk.Click());
  EXPECT_TRUE(chk.Checked());
  EXPECT_TRUE(chk.Click());
  EXPECT_FALSE(chk.Checked()) << "a check box toggles";
  EXPECT_EQ(clicks, 4);
  EXPECT_TRUE(opt.Click());
  EXPECT_TRUE(opt.Click());
  EXPECT_TRUE(opt.Checked());
  EXPECT_EQ(clicks, 5) << "clicking a selected option runs nothing";
  EXPECT_FALSE(lst.Click()) << "a list is clicked by choosing an item";
  mnu.SetEnabled(false);
  EXPECT_FALSE(mnu.Click());
  EXPECT_EQ(clicks, 5);
}

TEST(UserActions, ChooseAndDoubleClickAList) {
  Form form{"frm"};
  Control& lst = form.Add({.kind = ControlKind::kList, .name = "lstSys"});
  lst.SetItems({"a", "b"});
  std::vector<std::string> log;
  lst.OnClick([&] { log.push_back("click " + lst.Text()); });
  lst.OnDblClick([&] { log.push_back("dblclick"); });
  EXPECT_TRUE(lst.Choose(1));
  EXPECT_TRUE(lst.Choose(1));
  EXPECT_FALSE(lst.Choose(2));
  EXPECT_TRUE(lst.DoubleClick());
  EXPECT_EQ(log, (std::vector<std::string>{"click b", "dblclick"}));
  EXPECT_TRUE(lst.HasFocus());
}

}  // namespace
}  // namespace vexilor
