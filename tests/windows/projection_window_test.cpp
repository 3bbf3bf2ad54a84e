// The projection dialog driven as a user drives it: opened by the main
// window for one side, typed into, switched and confirmed or cancelled.

#include "windows/projection_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "projection/confirmed_sets.h"
#include "projection/projection_record.h"
#include "support/recording_main_window.h"
#include "support/scripted_platform.h"

namespace vexilor {
namespace {

std::vector<std::string> Texts(const FrmProjection& frm, int first) {
  std::vector<std::string> texts;
  for (int i = first; i < first + kPanelBoxes; ++i) texts.push_back(frm.txt1(i).Text());
  return texts;
}

class ProjectionWindow : public ::testing::Test {
 protected:
  ProjectionWindow() {
    state.settings.SourceSystemName = "Russia 1995 Coordinate Reference System (CK95)";
    state.settings.TargetSystemName = "WGS 1984 Global Definition (WGS84)";
  }

  // Shows the dialog for `side` while `user` acts; the user must leave it hidden.
  void Open(Side side, const std::function<void(FrmProjection&)>& user) {
    state.projection.side = side;
    platform.ExpectModal(window, [&](Form&) { user(window); });
    ASSERT_TRUE(platform.ShowModal(window));
  }

  void OpenAndConfirm(Side side, const std::function<void(FrmProjection&)>& edit) {
    Open(side, [&](FrmProjection& frm) {
      edit(frm);
      ASSERT_TRUE(frm.cmdOK.Click());
      EXPECT_FALSE(frm.Visible()) << (platform.Messages().empty() ? "" : platform.Messages().back().text);
    });
  }

  const ProjectionSlots& P(Side side) const { return state.projection.params[side]; }

  void ExpectLastMessage(const std::string& text) const {
    ASSERT_FALSE(platform.Messages().empty());
    const MessageRequest& m = platform.Messages().back();
    EXPECT_EQ(m.text, text);
    EXPECT_EQ(m.title, "Установить тип проекции и ее параметры");
    EXPECT_EQ(m.icon, MessageIcon::kExclamation);
    EXPECT_EQ(m.buttons, MessageButtons::kOkOnly);
  }

  AppState state;
  ScriptedPlatform platform;
  testing::RecordingMainWindow mainWindow;
  FrmProjection window{state, platform, mainWindow};
};

TEST_F(ProjectionWindow, CarriesTheDesignCaptions) {
  EXPECT_EQ(window.Caption(), "Установка типа проекциии и ее параметров");
  EXPECT_EQ(window.optPro(0).Text(), "Гаусса - Крюгера");
  EXPECT_EQ(window.optPro(1).Text(), "Ламберта");
  EXPECT_EQ(window.optPro(2).Text(), "UTM");
  EXPECT_EQ(window.fraAxis(0).Text(), " Ориентировка осей  CK");
  EXPECT_EQ(window.fraAxis(1).Text(), " Ориентировка осей  CK ");
  EXPECT_EQ(window.optAxis(3).Text(), "ось \"y\" вертикально");
  EXPECT_EQ(window.optLong(2).Text(), "к востоку");
  EXPECT_EQ(window.cmdCancel.Text(), "Отмена");
  // Each label in its box's panel.
  EXPECT_EQ(window.lbl1(5).Container(), &window.fraPro(1));
  EXPECT_EQ(window.lbl1(11).Text(),
            "Широта условного начала  в дан-           ной зоне проекции Ламберта, °...'...\" ");
  EXPECT_EQ(window.lbl1(7).Container(), &window.fraPro(2));
}

TEST_F(ProjectionWindow, FirstOpeningShowsTheDefaultGaussKrugerSetWithTheSideScaleMask) {
  struct Case {
    Side side;
    std::string scale;
  };
  for (const Case& c : {Case{Side::Source, "1.000000"}, Case{Side::Target, "1.0000"}}) {
    Open(c.side, [&](FrmProjection& frm) {
      EXPECT_TRUE(frm.optPro(0).Checked());
      EXPECT_EQ(Texts(frm, 0),
                (std::vector<std::string>{"0 00 00.0", "3 00 00.0", "6 00 00.0", "0.0", "500.0", c.scale}));
      EXPECT_TRUE(frm.optLong(0).Checked());
      EXPECT_TRUE(frm.optAxis(0).Checked());
      EXPECT_TRUE(frm.fraPro(1).Visible());
      EXPECT_FALSE(frm.fraPro(2).Visible());
      EXPECT_TRUE(frm.optPro(1).Visible() && frm.optPro(2).Visible());
      EXPECT_EQ(frm.Position().left, mainWindow.position.left);
      EXPECT_EQ(frm.Position().top, mainWindow.position.top);
      EXPECT_TRUE(frm.txt1(0).HasFocus());
      EXPECT_EQ(frm.txt1(0).SelectedText(), "0 00 00.0");
      ASSERT_TRUE(frm.cmdCancel.Click());
    });
  }
  EXPECT_EQ(mainWindow.typeListResets, (std::vector<Side>{Side::Source, Side::Target}));
  EXPECT_FALSE(IsProjectionSet(P(Side::Source)) || IsProjectionSet(P(Side::Target)));
}

TEST_F(ProjectionWindow, TypeSwitchShowsTheLambertPanelAndFillsWithShortScale) {
  Open(Side::Source, [&](FrmProjection& frm) {
    ASSERT_TRUE(frm.optPro(1).Click());
    EXPECT_FALSE(frm.fraPro(1).Visible());
    EXPECT_TRUE(frm.fraPro(2).Visible());
    EXPECT_EQ(Texts(frm, 6),
              (std::vector<std::string>{"0 00 00.0", "10 00 00.0", "0 00 00.0", "500.0", "0.0", "1.0000"}));
    EXPECT_TRUE(frm.optAxis(3).Checked());
    EXPECT_TRUE(frm.txt1(6).HasFocus());

    ASSERT_TRUE(frm.optPro(2).Click());
    EXPECT_TRUE(frm.fraPro(1).Visible());
    EXPECT_FALSE(frm.fraPro(2).Visible());
    EXPECT_EQ(Texts(frm, 0),
              (std::vector<std::string>{"0 00 00.0", "183 00 00.0", "6 00 00.0", "500.0", "0.0", "0.9996"}));
    EXPECT_TRUE(frm.optAxis(1).Checked());
    ASSERT_TRUE(frm.cmdCancel.Click());
  });
}

TEST_F(ProjectionWindow, NegativePrimeMeridianWrapsOnlyOnTheZonedPanel) {
  struct Case {
    int type;
    int box;
    double stored;
  };
  for (const Case& c : {Case{0, 0, 330.0}, Case{1, 6, -30.0}}) {
    OpenAndConfirm(Side::Source, [&](FrmProjection& frm) {
      ASSERT_TRUE(frm.optPro(c.type).Click());
      ASSERT_TRUE(frm.txt1(c.box).ReplaceText("-30"));
    });
    EXPECT_EQ(P(Side::Source).Kind(), kProjectionKinds[static_cast<std::size_t>(c.type)]);
    EXPECT_EQ(P(Side::Source).PrimeMeridian(), c.stored);
  }
}

TEST_F(ProjectionWindow, HorizontalFalseOriginNeedsSixtyFiveKilometresPerDegreeBelowAThousand) {
  struct Case {
    int box;
    const char* text;
    bool accepted;
  };
  const std::string yMessage = "Недопустимое значение условного\r\nначала по оси \"Y\"";
  const std::string xMessage = "Недопустимое значение условного\r\nначала по оси \"X\"";
  const std::vector<Case> cases = {
      {4, "389.999", false}, {4, "390", true}, {4, "1000", false}, {3, "-10000", true}, {3, "-10000.001", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::size_t messagesBefore = platform.Messages().size();
    const ProjectionSlots before = P(Side::Target);
    Open(Side::Target, [&](FrmProjection& frm) {
      ASSERT_TRUE(frm.txt1(c.box).ReplaceText(c.text));
      ASSERT_TRUE(frm.cmdOK.Click());
      EXPECT_EQ(frm.Visible(), !c.accepted);
      if (frm.Visible()) {
        ASSERT_TRUE(frm.cmdCancel.Click());
      }
    });
    if (c.accepted) {
      EXPECT_EQ(platform.Messages().size(), messagesBefore);
      continue;
    }
    ExpectLastMessage(c.box == 4 ? yMessage : xMessage);
    // A refusal leaves the side as the last accepted entry set it.
    EXPECT_EQ(P(Side::Target).values, before.values);
  }
}

TEST_F(ProjectionWindow, RefusalFocusesTheBoxAndSelectsItsText) {
  Open(Side::Source, [&](FrmProjection& frm) {
    ASSERT_TRUE(frm.txt1(4).ReplaceText("1000"));
    ASSERT_TRUE(frm.cmdOK.Click());
    EXPECT_TRUE(frm.Visible());
    EXPECT_TRUE(frm.txt1(4).HasFocus());
    EXPECT_EQ(frm.txt1(4).SelectedText(), "1000");
    ASSERT_TRUE(frm.cmdCancel.Click());
  });
  EXPECT_EQ(mainWindow.clears, 0);
  EXPECT_EQ(state.projection.systemMark.source, "");
}

TEST_F(ProjectionWindow, AxisSwitchExchangesTheFalseOriginsAndBack) {
  struct Case {
    int type;
    int firstAxis;  // the panel's "x" vertical button; the next one is "y" vertical
    int xBox;
  };
  for (const Case& c : {Case{0, 0, 3}, Case{1, 2, 9}}) {
    Open(Side::Target, [&](FrmProjection& frm) {
      ASSERT_TRUE(frm.optPro(c.type).Click());
      ASSERT_TRUE(frm.txt1(c.xBox).ReplaceText("12.5"));
      ASSERT_TRUE(frm.txt1(c.xBox + 1).ReplaceText("480"));
      const int selected = frm.optAxis(c.firstAxis).Checked() ? c.firstAxis : c.firstAxis + 1;
      const int other = selected == c.firstAxis ? c.firstAxis + 1 : c.firstAxis;
      ASSERT_TRUE(frm.optAxis(selected).Click());  // already selected: nothing moves
      EXPECT_EQ(frm.txt1(c.xBox).Text(), "12.5");
      ASSERT_TRUE(frm.optAxis(other).Click());
      EXPECT_EQ(frm.txt1(c.xBox).Text(), "480");
      EXPECT_EQ(frm.txt1(c.xBox + 1).Text(), "12.5");
      ASSERT_TRUE(frm.optAxis(selected).Click());
      EXPECT_EQ(frm.txt1(c.xBox).Text(), "12.5");
      EXPECT_EQ(frm.txt1(c.xBox + 1).Text(), "480");
      ASSERT_TRUE(frm.cmdCancel.Click());
    });
  }
}

TEST_F(ProjectionWindow, AxisSwitchKeepsTheDefaultsValidWithYVertical) {
  OpenAndConfirm(Side::Source, [](FrmProjection& frm) { ASSERT_TRUE(frm.optAxis(1).Click()); });
  EXPECT_EQ(P(Side::Source).FalseX(), 500000.0);
  EXPECT_EQ(P(Side::Source).FalseY(), 0.0);
  EXPECT_TRUE(P(Side::Source).AxesExchanged());
}

TEST_F(ProjectionWindow, OkStoresTheSideEmptiesResultsConfirmsAndMarksTheSystem) {
  state.projection.params.target.SetFixedZone(42);  // a zone fixed by an earlier run
  OpenAndConfirm(Side::Target, [](FrmProjection& frm) {
    ASSERT_TRUE(frm.txt1(2).ReplaceText("3"));
    ASSERT_TRUE(frm.txt1(4).ReplaceText("250"));
    ASSERT_TRUE(frm.optLong(1).Click());
  });
  const std::array<double, 10> expected = {0, 0, 3, 3, 0, 250000, 1, 1, 0, 0};
  EXPECT_EQ(P(Side::Target).values, expected);
  EXPECT_EQ(mainWindow.clears, 1);
  EXPECT_TRUE(mainWindow.typeListResets.empty());
  EXPECT_EQ(state.projection.systemMark.target, state.settings.TargetSystemName);
  EXPECT_EQ(state.projection.systemMark.source, "");
  EXPECT_EQ(ConfirmedSet(state.projection, ProjectionKind::GaussKruger, Side::Target).FalseY(), 250.0);
  EXPECT_FALSE(IsProjectionSet(P(Side::Source)));  // the other side is untouched
}

TEST_F(ProjectionWindow, ConfirmedUtmReopensUntilTheTargetSystemChanges) {
  OpenAndConfirm(Side::Target, [](FrmProjection& frm) {
    ASSERT_TRUE(frm.optPro(2).Click());
    ASSERT_TRUE(frm.txt1(1).ReplaceText("-177 30"));
    ASSERT_TRUE(frm.txt1(5).ReplaceText("0.9999"));
  });
  EXPECT_EQ(P(Side::Target).Kind(), ProjectionKind::Utm);
  EXPECT_EQ(P(Side::Target).ZoneOneAxialMeridian(), 182.5);

  Open(Side::Target, [](FrmProjection& frm) {
    EXPECT_TRUE(frm.optPro(2).Checked());
    EXPECT_EQ(Texts(frm, 0),
              (std::vector<std::string>{"0 00 00.0", "182 30 00.0", "6 00 00.0", "500.0", "0.0", "0.9999"}));
    EXPECT_TRUE(frm.optAxis(1).Checked());
    ASSERT_TRUE(frm.cmdCancel.Click());
  });

  state.settings.TargetSystemName = "Pulkovo 1942 / Other";
  Open(Side::Target, [](FrmProjection& frm) {
    EXPECT_TRUE(frm.optPro(2).Checked());  // the side's stored type still decides
    EXPECT_EQ(Texts(frm, 0),
              (std::vector<std::string>{"0 00 00.0", "183 00 00.0", "6 00 00.0", "500.0", "0.0", "0.9996"}));
    ASSERT_TRUE(frm.cmdCancel.Click());
  });
  // Cancel does not touch the record.
  EXPECT_EQ(P(Side::Target).ZoneOneAxialMeridian(), 182.5);
}

TEST_F(ProjectionWindow, ReopeningALambertSourceShowsTheLongScaleOnPanelTwo) {
  OpenAndConfirm(Side::Source, [](FrmProjection& frm) {
    ASSERT_TRUE(frm.optPro(1).Click());
    ASSERT_TRUE(frm.txt1(11).ReplaceText("0.9999123456"));
  });
  Open(Side::Source, [](FrmProjection& frm) {
    EXPECT_TRUE(frm.optPro(1).Checked());
    EXPECT_TRUE(frm.fraPro(2).Visible());
    EXPECT_FALSE(frm.fraPro(1).Visible());
    EXPECT_EQ(frm.txt1(11).Text(), "0.9999123456");
    EXPECT_TRUE(frm.txt1(6).HasFocus());
    ASSERT_TRUE(frm.cmdCancel.Click());
  });
}

// A refused OK writes nothing: after "Отмена" the side is still not set, so
// "Выполнить" stays off instead of running with half the parameters (and a
// zero scale).
TEST_F(ProjectionWindow, CancelAfterARefusedOkLeavesTheSideAsItWas) {
  Open(Side::Source, [](FrmProjection& frm) {
    ASSERT_TRUE(frm.txt1(0).ReplaceText("-30"));
    ASSERT_TRUE(frm.txt1(1).ReplaceText("9"));
    ASSERT_TRUE(frm.txt1(2).ReplaceText("20"));
    ASSERT_TRUE(frm.cmdOK.Click());
    EXPECT_TRUE(frm.txt1(2).HasFocus());
    ASSERT_TRUE(frm.cmdCancel.Click());
    EXPECT_FALSE(frm.Visible());
  });
  ExpectLastMessage("Недопустимое значение ширины\r\nкоординатных зон");
  EXPECT_EQ(P(Side::Source).values, ProjectionSlots{}.values);
  EXPECT_EQ(mainWindow.typeListResets, (std::vector<Side>{Side::Source}));
  EXPECT_EQ(mainWindow.clears, 0);
  EXPECT_EQ(ConfirmedSet(state.projection, ProjectionKind::GaussKruger, Side::Source).ZoneOneAxialMeridian(), 3.0);
}

TEST_F(ProjectionWindow, ARefusedLatitudeOfOriginKeepsTheSideItsValues) {
  state.projection.params.target.SetStandardParallel(45);
  Open(Side::Target, [](FrmProjection& frm) {
    ASSERT_TRUE(frm.optPro(1).Click());
    ASSERT_TRUE(frm.txt1(7).ReplaceText("0 05"));
    ASSERT_TRUE(frm.cmdOK.Click());
    EXPECT_TRUE(frm.Visible());
    EXPECT_TRUE(frm.txt1(7).HasFocus());
    ASSERT_TRUE(frm.cmdCancel.Click());
  });
  ExpectLastMessage("Недопустимое значение широты условного\r\nначала в данной зоне проекции Ламберта");
  EXPECT_EQ(P(Side::Target).Kind(), ProjectionKind::GaussKruger);
  EXPECT_EQ(P(Side::Target).StandardParallel(), 45.0);
}

TEST_F(ProjectionWindow, BoxesTakeOnlyNumericKeys) {
  Open(Side::Source, [this](FrmProjection& frm) {
    ASSERT_TRUE(frm.txt1(5).Type("1,5"));
    EXPECT_EQ(frm.txt1(5).Text(), "15");
    EXPECT_EQ(platform.Beeps(), 1);
    ASSERT_TRUE(frm.cmdCancel.Click());
  });
}

TEST_F(ProjectionWindow, PresetSelectsTheTypeButTheSideStoredTypeDecidesOnOpening) {
  window.Preset(ProjectionKind::Utm);
  EXPECT_TRUE(window.optPro(2).Checked());
  EXPECT_EQ(window.txt1(1).Text(), "183 00 00.0");
  Open(Side::Target, [](FrmProjection& frm) {
    EXPECT_TRUE(frm.optPro(0).Checked());  // the side is not set yet
    EXPECT_EQ(frm.txt1(1).Text(), "3 00 00.0");
    ASSERT_TRUE(frm.cmdCancel.Click());
  });
}

TEST_F(ProjectionWindow, CloseBoxCancels) {
  Open(Side::Target, [](FrmProjection& frm) { EXPECT_FALSE(frm.RequestClose()); });
  EXPECT_FALSE(window.Visible());
  EXPECT_EQ(mainWindow.typeListResets, (std::vector<Side>{Side::Target}));
}

}  // namespace
}  // namespace vexilor
