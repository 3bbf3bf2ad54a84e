// The service window driven as a user drives it: a tool chosen from the
// menus, its boxes typed into or pasted into, its Execute button, the
// opening warnings of the sheet tools, and closing.

#include "windows/service_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "service/sheet_corners.h"
#include "service/sheet_frame.h"
#include "support/raw_files.h"
#include "support/recording_main_window.h"
#include "support/scripted_platform.h"

namespace vexilor {
namespace {

const std::string kLongNumber(300, '9');

class ServiceWindowTest : public ::testing::Test {
 protected:
  ServiceWindowTest() { platform.Show(window); }

  // Opens a sheet tool and answers its СК-42 warning.
  void OpenSheetTool(Control& menu, MessageAnswer answer = MessageAnswer::kOkPressed) {
    platform.AnswerMessage(answer);
    ASSERT_TRUE(menu.Click());
  }

  const MessageRequest& LastMessage() const { return platform.Messages().back(); }

  void ExpectMessage(const std::string& text, std::string_view title, MessageIcon icon = MessageIcon::kNone) const {
    ASSERT_FALSE(platform.Messages().empty());
    EXPECT_EQ(LastMessage().text, text);
    EXPECT_EQ(LastMessage().title, title);
    EXPECT_EQ(LastMessage().icon, icon);
    EXPECT_EQ(LastMessage().buttons, MessageButtons::kOkOnly);
  }

  std::vector<int> VisiblePanels() const {
    std::vector<int> panels;
    for (int p = 0; p < FrmService::kPanels; ++p)
      if (window.fraExecute(p).Visible()) panels.push_back(p);
    return panels;
  }

  std::vector<int> VisibleExecuteButtons() const {
    std::vector<int> buttons;
    for (int k = 0; k < FrmService::kExecuteButtons; ++k)
      if (window.cmdOK(k).Visible()) buttons.push_back(k);
    return buttons;
  }

  ScriptedPlatform platform;
  testing::RecordingMainWindow main;
  AppState state;
  FrmService window{state, platform, main};
};

TEST_F(ServiceWindowTest, OpensUnderTheMainWindowWithNoToolChosen) {
  EXPECT_EQ(window.Caption(), "Сервис (преобразование углов, расстояний, номенклатуры топокарт)");
  EXPECT_EQ(window.Position().left, main.position.left);
  EXPECT_EQ(window.Position().top, main.position.top + 640);
  EXPECT_EQ(window.ShownPanel(), -1);
  EXPECT_TRUE(VisibleExecuteButtons().empty());
  for (int k = 0; k < FrmService::kExecuteButtons; ++k) EXPECT_FALSE(window.cmdOK(k).Enabled()) << k;
  EXPECT_EQ(window.cmdClose.Text(), "Закрыть");
  const std::vector<std::pair<Control*, const char*>> menus = {
      {&window.mnuAngle, "&Углы"},
      {&window.mnuGradGradus, "Грады --> градусы"},
      {&window.mnuGradusGrad, "Градусы --> грады"},
      {&window.mnuLines, "&Расстояния"},
      {&window.mnuAnglMetric, "Из английской меры длин в метрическую"},
      {&window.mnuMetricAngl, "Из метрической меры длин в английскую"},
      {&window.mnuNomencl, "&Номенклатуры"},
      {&window.mnuNameNom, "Определить номенклатуру"},
      {&window.mnuRamka, "Определить координаты рамки"}};
  for (const auto& [menu, caption] : menus) EXPECT_EQ(menu->Text(), caption);
}

struct ConversionPanelCase {
  Control& (*menu)(FrmService&);
  int panel;
  int source;
  int output;
  int list;
  int execute;
  const char* caption;
  const char* firstUnit;
  const char* sourceTip;
  bool listFirst;  // the unit list takes the focus and comes first in tab order
  const char* typed;
};

const ConversionPanelCase kConversionPanels[] = {
    {[](FrmService& w) -> Control& { return w.mnuGradusGrad; }, 2, 0, 1, 1, 3, " Перевод углов из градусов в грады ",
     "грады, сграды, ссграды", "Значния градусов, минут и секунд должны разделяться пробелами", false, "1"},
    {[](FrmService& w) -> Control& { return w.mnuGradGradus; }, 3, 2, 3, 0, 4, " Перевод углов из град в градусы ",
     "градусы, минуты, секунды", "Значния град, сантиград и сантисантиград должны разделяться пробелами", false, "1"},
    {[](FrmService& w) -> Control& { return w.mnuAnglMetric; }, 4, 4, 5, 2, 5,
     " Перевод расстояний из английской меры длин в метрическую ", "ярды, футы, дюймы",
     "Значния ярдов, футов и дюймов должны разделяться пробелами", true, "1 2 6"},
    {[](FrmService& w) -> Control& { return w.mnuMetricAngl; }, 5, 7, 6, 3, 6,
     " Перевод расстояний из метрической меры длин в английскую ", "ярды, футы, дюймы", "", false, "1"},
};

TEST_F(ServiceWindowTest, AConversionToolOpensItsPanelEmptyWithItsFirstUnit) {
  for (const ConversionPanelCase& c : kConversionPanels) {
    ASSERT_TRUE(c.menu(window).Click()) << c.caption;
    EXPECT_EQ(VisiblePanels(), std::vector<int>{c.panel}) << c.caption;
    EXPECT_EQ(window.fraExecute(c.panel).Text(), c.caption);
    EXPECT_EQ(VisibleExecuteButtons(), std::vector<int>{c.execute}) << c.caption;
    EXPECT_EQ(window.cmdOK(c.execute).Text(), "Выполнить");
    EXPECT_FALSE(window.cmdOK(c.execute).Enabled()) << c.caption;
    EXPECT_EQ(window.cboRazmAngle(c.list).Text(), c.firstUnit) << c.caption;
    EXPECT_EQ(window.txtAngle(c.source).ToolTip(), c.sourceTip) << c.caption;
    Control& first = c.listFirst ? window.cboRazmAngle(c.list) : window.txtAngle(c.source);
    EXPECT_TRUE(first.HasFocus()) << c.caption;

    // Typed into, the Execute button wakes; opened again, all is as new.
    ASSERT_TRUE(window.txtAngle(c.source).Type(c.typed));
    EXPECT_TRUE(window.cmdOK(c.execute).Enabled()) << c.caption;
    ASSERT_TRUE(window.cmdOK(c.execute).Click());
    EXPECT_FALSE(window.txtAngle(c.output).Text().empty()) << c.caption;
    ASSERT_TRUE(c.menu(window).Click());
    EXPECT_EQ(window.txtAngle(c.source).Text(), "") << c.caption;
    EXPECT_EQ(window.txtAngle(c.output).Text(), "") << c.caption;
    EXPECT_FALSE(window.cmdOK(c.execute).Enabled()) << c.caption;
  }
  EXPECT_TRUE(platform.Messages().empty());
  EXPECT_FALSE(window.cmdOK(2).Visible());
}

struct ConversionCase {
  Control& (*menu)(FrmService&);
  int source;
  int list;
  int unit;
  std::string typed;
  int execute;
  int output;
  const char* result;
};

TEST_F(ServiceWindowTest, ConversionsShowTheirResults) {
  const auto degrees = [](FrmService& w) -> Control& { return w.mnuGradusGrad; };
  const auto grads = [](FrmService& w) -> Control& { return w.mnuGradGradus; };
  const auto english = [](FrmService& w) -> Control& { return w.mnuAnglMetric; };
  const auto metric = [](FrmService& w) -> Control& { return w.mnuMetricAngl; };
  const ConversionCase cases[] = {
      {degrees, 0, 1, 0, "90", 3, 1, "  100 00 00.0000"},
      {degrees, 0, 1, 3, "90", 3, 1, "1.57079632679"},
      // Blank-separated degrees, minutes and seconds, as the tool tip asks.
      {degrees, 0, 1, 2, "55 30 00", 3, 1, "61.66666667"},
      {grads, 2, 0, 2, "100", 4, 3, "90.000000000"},
      {grads, 2, 0, 0, "-0 50", 4, 3, "  -0 27 00.00000"},
      {english, 4, 2, 0, "1 2 6", 5, 5, "1.6764"},
      {english, 4, 2, 4, "-5", 5, 5, "-1.5240"},
      {metric, 7, 3, 0, "1", 6, 6, " 1    0   3.37"},
      {metric, 7, 3, 1, "0.9143", 6, 6, " 1   0.000"},
  };
  for (const ConversionCase& c : cases) {
    ASSERT_TRUE(c.menu(window).Click());
    ASSERT_TRUE(window.cboRazmAngle(c.list).Choose(c.unit));
    ASSERT_TRUE(window.txtAngle(c.source).Type(c.typed));
    ASSERT_TRUE(window.cmdOK(c.execute).Click()) << c.typed;
    EXPECT_EQ(window.txtAngle(c.output).Text(), c.result) << c.typed;
  }
  EXPECT_TRUE(platform.Messages().empty());
}

struct RefusalCase {
  Control& (*menu)(FrmService&);
  int source;
  int execute;
  std::string pasted;
  const char* title;
  const char* message;
  MessageIcon icon;
  bool sourceEmptied;
};

// Pasted text skips the key filter: every tool copes with whatever it gets.
TEST_F(ServiceWindowTest, ConversionsRefuseWhatIsNoAngleOrLength) {
  const auto degrees = [](FrmService& w) -> Control& { return w.mnuGradusGrad; };
  const auto grads = [](FrmService& w) -> Control& { return w.mnuGradGradus; };
  const auto english = [](FrmService& w) -> Control& { return w.mnuAnglMetric; };
  const auto metric = [](FrmService& w) -> Control& { return w.mnuMetricAngl; };
  const char* kAngle = "Неверное значение угла. Повторите ввод!";
  const char* kLength = "Ошибка ввода исходного расстояния. Повторите ввод!";
  const char* kToGrads = "Преобразование углов из градусов в грады";
  const char* kToDegrees = "Преобразование углов из град в градусы";
  const char* kToMetres = "Преобразование расстояний из английской меры длин в метрическую";
  const char* kToEnglish = "Преобразование расстояний из метрической меры длин в английскую";
  const std::vector<std::string> junk = {"abc", "-", "1e999", kLongNumber, "1,5", " "};
  std::vector<RefusalCase> cases;
  for (const std::string& text : junk) {
    cases.push_back({degrees, 0, 3, text, kToGrads, kAngle, MessageIcon::kNone, false});
    cases.push_back({grads, 2, 4, text, kToDegrees, kAngle, MessageIcon::kNone, false});
    cases.push_back({english, 4, 5, text, kToMetres, kLength, MessageIcon::kExclamation, true});
    cases.push_back({metric, 7, 6, text, kToEnglish, kLength, MessageIcon::kExclamation, true});
  }
  cases.push_back({degrees, 0, 3, "1000", kToGrads, kAngle, MessageIcon::kNone, false});
  cases.push_back({grads, 2, 4, "61 100 00", kToDegrees, kAngle, MessageIcon::kNone, false});
  cases.push_back({english, 4, 5, "1 2 12", kToMetres, kLength, MessageIcon::kExclamation, true});
  for (const RefusalCase& c : cases) {
    ASSERT_TRUE(c.menu(window).Click());
    ASSERT_TRUE(window.txtAngle(c.source).ReplaceText(c.pasted));
    const std::size_t before = platform.Messages().size();
    ASSERT_TRUE(window.cmdOK(c.execute).Click()) << c.pasted;
    ASSERT_EQ(platform.Messages().size(), before + 1) << c.pasted;
    ExpectMessage(c.message, c.title, c.icon);
    EXPECT_TRUE(window.txtAngle(c.source).HasFocus()) << c.pasted;
    EXPECT_EQ(window.txtAngle(c.source).Text(), c.sourceEmptied ? "" : c.pasted) << c.pasted;
  }
}

TEST_F(ServiceWindowTest, TheUnitListsEmptyTheResultsAndSetTheLengthTips) {
  ASSERT_TRUE(window.mnuAnglMetric.Click());
  ASSERT_TRUE(window.txtAngle(4).Type("1 2 6"));
  ASSERT_TRUE(window.cmdOK(5).Click());
  ASSERT_EQ(window.txtAngle(5).Text(), "1.6764");
  const std::vector<std::pair<int, const char*>> sourceTips = {
      {1, "Значния ярдов и футов должны разделяться пробелами"},
      {2, ""},
      {3, "Значния футов и дюймов должны разделяться пробелами"},
      {4, ""},
      {0, "Значния ярдов, футов и дюймов должны разделяться пробелами"}};
  for (const auto& [index, tip] : sourceTips) {
    ASSERT_TRUE(window.cboRazmAngle(2).Choose(index));
    EXPECT_EQ(window.txtAngle(4).ToolTip(), tip) << index;
  }
  // The source of panel 4 and the result went with the first choice.
  EXPECT_EQ(window.txtAngle(4).Text(), "");
  EXPECT_EQ(window.txtAngle(5).Text(), "");
  EXPECT_FALSE(window.cmdOK(5).Enabled());

  ASSERT_TRUE(window.mnuMetricAngl.Click());
  const std::vector<std::pair<int, const char*>> resultTips = {
      {1, "Значния ярдов и футов разделены пробелами"},
      {3, "Значния футов и дюймов разделены пробелами"},
      {4, ""},
      {0, "Значния ярдов, футов и дюймов разделены пробелами"}};
  for (const auto& [index, tip] : resultTips) {
    ASSERT_TRUE(window.cboRazmAngle(3).Choose(index));
    EXPECT_EQ(window.txtAngle(6).ToolTip(), tip) << index;
  }
  EXPECT_EQ(window.txtAngle(7).ToolTip(), "");
}

TEST_F(ServiceWindowTest, NumericBoxesFilterKeysAndSelectTheirTextOnFocus) {
  ASSERT_TRUE(window.mnuGradusGrad.Click());
  ASSERT_TRUE(window.txtAngle(0).Type("5a5,"));
  EXPECT_EQ(window.txtAngle(0).Text(), "55");
  EXPECT_EQ(platform.Beeps(), 2);
  ASSERT_TRUE(window.cboRazmAngle(1).Choose(2));
  ASSERT_TRUE(window.txtAngle(0).SetFocus());
  EXPECT_EQ(window.txtAngle(0).SelectedText(), "55");
}

// Enter runs the tool shown, once it may run; Escape closes as «Закрыть» does.
TEST_F(ServiceWindowTest, EnterRunsTheToolShownAndEscapeCloses) {
  ASSERT_TRUE(window.mnuGradGradus.Click());
  EXPECT_FALSE(window.PressEnter());  // nothing typed: «Выполнить» asleep
  ASSERT_TRUE(window.txtAngle(2).Type("100"));
  ASSERT_TRUE(window.PressEnter());
  EXPECT_EQ(window.txtAngle(3).Text(), "   90 00 00.00000");
  OpenSheetTool(window.mnuNameNom);
  ASSERT_TRUE(window.txtCoord(0).Type("55"));
  ASSERT_TRUE(window.txtCoord(1).Type("37"));
  ASSERT_TRUE(window.PressEnter());
  EXPECT_EQ(window.txtNom().Text(), "(N) N-37");
  ASSERT_TRUE(window.PressEscape());
  EXPECT_FALSE(window.Visible());
  EXPECT_EQ(window.txtCoord(0).Text(), "");
}

// After Enter a length tool is ready for the next value: the focus back in
// its source box with the text selected, so that typing replaces it.
TEST_F(ServiceWindowTest, EnterInALengthToolSelectsTheSourceForTheNextValue) {
  ASSERT_TRUE(window.mnuAnglMetric.Click());
  ASSERT_TRUE(window.txtAngle(4).Type("1 2 6"));
  ASSERT_TRUE(window.PressEnter());
  EXPECT_TRUE(window.txtAngle(4).HasFocus());
  EXPECT_EQ(window.txtAngle(4).SelectedText(), "1 2 6");
  ASSERT_TRUE(window.txtAngle(4).Type("2 0 0"));
  ASSERT_TRUE(window.PressEnter());
  EXPECT_EQ(window.txtAngle(5).Text(), "1.8288");
}

// --- The sheet tools ---

TEST_F(ServiceWindowTest, TheNomenclatureToolWarnsOfSk42AndStartsAtTheFirstScale) {
  OpenSheetTool(window.mnuNameNom);
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(LastMessage().text,
            "Внимание! При определении номенклатуры полагается,\r\nчто координаты точки задаются в СК-42.");
  EXPECT_EQ(LastMessage().title, "Определение номенклатуры");
  EXPECT_EQ(LastMessage().buttons, MessageButtons::kOkCancel);
  EXPECT_EQ(LastMessage().icon, MessageIcon::kNone);
  EXPECT_TRUE(window.Visible());
  EXPECT_EQ(VisiblePanels(), std::vector<int>{0});
  EXPECT_EQ(VisibleExecuteButtons(), std::vector<int>{0});
  EXPECT_TRUE(window.optScale(0).Checked());
  EXPECT_EQ(window.optScale(0).Text(), "1 : 1 000 000");
  EXPECT_EQ(window.optScale(6).Text(), "1 : 10 000");
  // Digits typed go into the first box, not to a scale button.
  EXPECT_TRUE(window.txtCoord(0).HasFocus());
  EXPECT_EQ(window.lblCoord(0).Text(), "Широта  B,\u00B0...'...\"");
  EXPECT_EQ(window.lblCoord(1).Text(), "Долгота L,\u00B0...'...\"");
  EXPECT_EQ(window.txtCoord(0).ToolTip(), "Градусы, минуты и секунды должны разделяться пробелами");
}

TEST_F(ServiceWindowTest, CancelOnASheetWarningHidesTheWindow) {
  for (Control* menu : {&window.mnuNameNom, &window.mnuRamka}) {
    platform.Show(window);
    OpenSheetTool(*menu, MessageAnswer::kCancel);
    EXPECT_FALSE(window.Visible()) << menu->Id();
    EXPECT_TRUE(VisiblePanels().empty()) << menu->Id();
  }
  EXPECT_EQ(platform.Messages().back().text,
            "Внимание! Определение координат рамки номенклатурного\r\nлиста выполняется в СК-42.");
  EXPECT_EQ(platform.Messages().back().title, "Определение координат рамки номенклатурного листа");
}

struct NameCase {
  bool plane;
  const char* first;
  const char* second;
  int scale;  // optScale index
  const char* name;
};

TEST_F(ServiceWindowTest, TheNomenclatureOfATypedPoint) {
  const NameCase cases[] = {
      {false, "55 45 00", "37 37 12", 0, "(N) N-37"},
      {false, "55 45 00", "37 37 12", 1, "(N) N-37-А"},
      {false, "55 45 00", "37 37 12", 2, "(N) N-37-II"},
      {false, "55 45 00", "37 37 12", 3, "(N) N-37-4"},
      {false, "55 45 00", "37 37 12", 4, "(N) N-37-4-В"},
      {false, "55 45 00", "37 37 12", 5, "(N) N-37-4-В-в"},
      {false, "55 45 00", "37 37 12", 6, "(N) N-37-4-В-в-2"},
      {false, "-22 54", "-43 12", 3, "(S) F-23-46"},
      {true, "6200000", "7500000", 0, "(N) N-37"},
      // Just past 360° in the overlap of zone 60: taken back by 360°.
      {true, "6200000", "60700000", 0, "(N) N-31"},
  };
  OpenSheetTool(window.mnuNameNom);
  for (const NameCase& c : cases) {
    ASSERT_TRUE(window.optCoord(c.plane ? 1 : 0).Click());
    ASSERT_TRUE(window.optScale(c.scale).Click());
    ASSERT_TRUE(window.txtCoord(0).ReplaceText(c.first));
    ASSERT_TRUE(window.txtCoord(1).ReplaceText(c.second));
    ASSERT_TRUE(window.cmdOK(0).Click()) << c.first << " " << c.second;
    EXPECT_EQ(window.txtNom().Text(), c.name) << c.first << " " << c.second;
  }
  EXPECT_EQ(platform.Messages().size(), 1u);  // the warning only
}

// Another kind of point sets the labels and tips and empties the boxes and
// the name: the texts of the other kind mean nothing now.
TEST_F(ServiceWindowTest, TheCoordinateButtonsSetTheLabelsAndEmptyThePoint) {
  OpenSheetTool(window.mnuNameNom);
  const std::string latitude = window.lblCoord(0).Text();
  const std::string longitude = window.lblCoord(1).Text();
  ASSERT_TRUE(window.txtCoord(0).Type("55"));
  ASSERT_TRUE(window.txtCoord(1).Type("37"));
  ASSERT_TRUE(window.cmdOK(0).Click());
  ASSERT_EQ(window.txtNom().Text(), "(N) N-37");
  ASSERT_TRUE(window.optCoord(1).Click());
  EXPECT_EQ(window.lblCoord(0).Text(), "Абсцисса x, м");
  EXPECT_EQ(window.lblCoord(1).Text(), "Ордината y, м");
  EXPECT_EQ(window.txtCoord(0).ToolTip(), "");
  EXPECT_EQ(window.txtCoord(1).ToolTip(), "");
  for (Control* box : {&window.txtCoord(0), &window.txtCoord(1), &window.txtNom()}) EXPECT_EQ(box->Text(), "");
  EXPECT_FALSE(window.cmdOK(0).Enabled());
  ASSERT_TRUE(window.txtCoord(0).Type("6200000"));
  ASSERT_TRUE(window.optCoord(0).Click());
  EXPECT_EQ(window.txtCoord(0).Text(), "");
  // Back as at the first opening.
  EXPECT_EQ(window.lblCoord(0).Text(), latitude);
  EXPECT_EQ(window.lblCoord(1).Text(), longitude);
  EXPECT_EQ(window.txtCoord(1).ToolTip(), "Градусы, минуты и секунды должны разделяться пробелами");
}

TEST_F(ServiceWindowTest, ExecuteWaitsForBothCoordinatesAndANewScaleEmptiesTheName) {
  OpenSheetTool(window.mnuNameNom);
  ASSERT_TRUE(window.txtCoord(0).Type("55"));
  EXPECT_FALSE(window.cmdOK(0).Enabled());
  ASSERT_TRUE(window.txtCoord(1).Type("37"));
  EXPECT_TRUE(window.cmdOK(0).Enabled());
  ASSERT_TRUE(window.cmdOK(0).Click());
  EXPECT_EQ(window.txtNom().Text(), "(N) N-37");
  ASSERT_TRUE(window.optScale(3).Click());
  EXPECT_EQ(window.txtNom().Text(), "");
}

struct PointRefusal {
  bool plane;
  std::string first;
  std::string second;
  const char* message;
  int focused;  // txtCoord index
};

TEST_F(ServiceWindowTest, TheNomenclatureToolRefusesABadPointAndFocusesItsBox) {
  const PointRefusal cases[] = {
      {false, "91", "37", "Неверное значение широты", 0},
      {false, "abc", "37", "Неверное значение широты", 0},
      {false, "-", "37", "Неверное значение широты", 0},
      {false, kLongNumber, "37", "Неверное значение широты", 0},
      {false, "55", "361", "Неверное значение долготы", 1},
      {false, "55", "1e999", "Неверное значение долготы", 1},
      // Within what the boxes accept but beyond the sheets.
      {false, "85", "37", "Недопустимое значение широты.", 0},
      {false, "55", "-181", "Недопустимое значение долготы.", 1},
      // The projection's refusal of zone 61 is the ordinate's fault.
      {true, "6200000", "61500000", "Неверное значение ординаты", 1},
      {true, "6200000", "999999", "Неверное значение ординаты", 1},
      {true, "6200000", "-", "Неверное значение ординаты", 1},
      {true, "6200000", kLongNumber, "Неверное значение ординаты", 1},
      {true, "abc", "7500000", "Неверное значение абсциссы", 0},
      {true, "9500000", "7500000", "Неверное значение абсциссы", 0},
      {true, "1e999", "7500000", "Неверное значение абсциссы", 0},
  };
  OpenSheetTool(window.mnuNameNom);
  for (const PointRefusal& c : cases) {
    ASSERT_TRUE(window.optCoord(c.plane ? 1 : 0).Click());
    // A good point first, so that nothing of it may stay on show.
    ASSERT_TRUE(window.txtCoord(0).ReplaceText(c.plane ? "6200000" : "55"));
    ASSERT_TRUE(window.txtCoord(1).ReplaceText(c.plane ? "7500000" : "37"));
    ASSERT_TRUE(window.cmdOK(0).Click());
    ASSERT_EQ(window.txtNom().Text(), "(N) N-37");
    ASSERT_TRUE(window.txtCoord(0).ReplaceText(c.first));
    ASSERT_TRUE(window.txtCoord(1).ReplaceText(c.second));
    ASSERT_TRUE(window.cmdOK(0).Click());
    ExpectMessage(c.message, "Определение номенклатуры");
    EXPECT_EQ(window.txtNom().Text(), "") << c.first << " " << c.second;
    EXPECT_TRUE(window.txtCoord(c.focused).HasFocus()) << c.first << " " << c.second;
  }
}

// --- The sheet frame ---

struct EdgeCase {
  int scale;  // optScale index, 7 to 13
  const char* name;
  std::vector<std::string> edges;
};

TEST_F(ServiceWindowTest, TheFrameOfANamedSheetInDegreesAndMinutes) {
  const EdgeCase cases[] = {
      {7, "(N) N-37", {"56\u00B0 00.00'", "52\u00B0 00.00'", "36\u00B0 00.00'", "42\u00B0 00.00'"}},
      {10, "(N) N-37-4", {"56\u00B0 00.00'", "55\u00B0 40.00'", "37\u00B0 30.00'", "38\u00B0 00.00'"}},
      {12, "(N) N-37-144-Г-г", {"52\u00B0 05.00'", "52\u00B0 00.00'", "41\u00B0 52.50'", "42\u00B0 00.00'"}},
      {13, "(N) N-37-144-Г-г-4", {"52\u00B0 02.50'", "52\u00B0 00.00'", "41\u00B0 56.25'", "42\u00B0 00.00'"}},
      {10, "(S) F-23-46", {"-22\u00B0 40.00'", "-23\u00B0 00.00'", "316\u00B0 30.00'", "317\u00B0 00.00'"}},
  };
  OpenSheetTool(window.mnuRamka);
  EXPECT_EQ(VisiblePanels(), std::vector<int>{1});
  EXPECT_TRUE(window.optScale(7).Checked());
  EXPECT_EQ(window.optScale(13).Text(), "1 : 10 000");
  EXPECT_TRUE(window.txtNom1().HasFocus());
  EXPECT_EQ(window.txtNom1().ToolTip(), "Номенклатура должна содержать признак полушария (N) или (S)");
  EXPECT_FALSE(window.txtRmkXY().Visible());
  for (const EdgeCase& c : cases) {
    ASSERT_TRUE(window.optScale(c.scale).Click());
    ASSERT_TRUE(window.txtNom1().ReplaceText(c.name));
    ASSERT_TRUE(window.cmdOK(1).Click());
    for (int k = 0; k < 4; ++k) EXPECT_EQ(window.txtCoord(2 + k).Text(), c.edges[static_cast<std::size_t>(k)]) << c.name;
  }
  EXPECT_EQ(platform.Messages().size(), 1u);  // the warning only
}

TEST_F(ServiceWindowTest, TheFrameInPlaneCoordinatesListsTheCornersInOneZone) {
  OpenSheetTool(window.mnuRamka);
  ASSERT_TRUE(window.optCoord(3).Click());
  EXPECT_TRUE(window.txtRmkXY().Visible());
  for (Control* c : {&window.shpRamka(), &window.linAxis(0), &window.linAxis(1), &window.lblX(), &window.lblY(),
                     &window.lblName()})
    EXPECT_TRUE(c->EffectivelyVisible()) << c->Id();
  EXPECT_FALSE(window.txtCoord(2).Visible());
  ASSERT_TRUE(window.optScale(10).Click());
  ASSERT_TRUE(window.txtNom1().Type("(N) N-37-12"));
  ASSERT_TRUE(window.cmdOK(1).Click());
  const SheetFrame frame = ComputeSheetFrame(100000, "(N) N-37-12").frame;
  EXPECT_EQ(window.txtRmkXY().Text(), Sk42SheetCornerText(frame, "\r\n"));
  EXPECT_EQ(window.txtRmkXY().Text().rfind("Северо-запад ", 0), 0u);
  // All four y in zone 7, although the east edge is the boundary of zone 8.
  std::size_t corners = 0;
  for (std::size_t at = window.txtRmkXY().Text().find("  7"); at != std::string::npos;
       at = window.txtRmkXY().Text().find("  7", at + 1))
    ++corners;
  EXPECT_EQ(corners, 4u);

  ASSERT_TRUE(window.optCoord(2).Click());
  EXPECT_FALSE(window.txtRmkXY().Visible());
  EXPECT_FALSE(window.shpRamka().EffectivelyVisible());
  EXPECT_TRUE(window.txtCoord(2).Visible());
}

struct FrameRefusal {
  int scale;
  std::string name;
  std::string message;
};

TEST_F(ServiceWindowTest, AFrameRefusedLeavesNothingOfTheLastSheet) {
  const FrameRefusal cases[] = {
      {10, "N-37-4", "В номенклатуре не указано полушарие: (N) или (S)."},
      {10, "(N) N-37", "Номенклатура (N) N-37 не соответствует\r\nмасштабу 1 : 100 000."},
      {7, "(N) N-37-4", "Номенклатура (N) N-37-4 не соответствует\r\nмасштабу 1 : 1000 000."},
      {10, "(N) N-37-145", "Неверная номенклатура (N) N-37-145."},
      {7, "(N) N-61", "Неверная номенклатура (N) N-61."},
      {10, "(N) N-37-" + kLongNumber, "Неверная номенклатура (N) N-37-" + kLongNumber + "."},
      {8, "(N) N-37-", "Неверная номенклатура (N) N-37-."},
      {8, "(N) N-37-A", "Неверная номенклатура (N) N-37-A.\r\nБуква A латинская, а здесь нужна русская: А, Б, В или Г."},
  };
  OpenSheetTool(window.mnuRamka);
  for (const bool plane : {false, true}) {
    ASSERT_TRUE(window.optCoord(plane ? 3 : 2).Click());
    for (const FrameRefusal& c : cases) {
      ASSERT_TRUE(window.optScale(7).Click());
      ASSERT_TRUE(window.txtNom1().ReplaceText("(N) N-37"));
      ASSERT_TRUE(window.cmdOK(1).Click());
      ASSERT_FALSE((plane ? window.txtRmkXY() : window.txtCoord(2)).Text().empty());
      ASSERT_TRUE(window.optScale(c.scale).Click());
      ASSERT_TRUE(window.txtNom1().ReplaceText(c.name));
      ASSERT_TRUE(window.cmdOK(1).Click());
      ExpectMessage(c.message, "Определение координат рамки номенклатурного листа");
      for (int k = 2; k < 6; ++k) EXPECT_EQ(window.txtCoord(k).Text(), "") << c.name;
      EXPECT_EQ(window.txtRmkXY().Text(), "") << c.name;
      EXPECT_TRUE(window.txtNom1().HasFocus()) << c.name;
    }
  }
}

TEST_F(ServiceWindowTest, AnotherNameOrScaleEmptiesTheFrame) {
  OpenSheetTool(window.mnuRamka);
  EXPECT_FALSE(window.cmdOK(1).Enabled());
  ASSERT_TRUE(window.txtNom1().Type("(N) N-37"));
  EXPECT_TRUE(window.cmdOK(1).Enabled());
  ASSERT_TRUE(window.cmdOK(1).Click());
  ASSERT_FALSE(window.txtCoord(2).Text().empty());
  ASSERT_TRUE(window.optScale(8).Click());
  EXPECT_EQ(window.txtCoord(2).Text(), "");
  ASSERT_TRUE(window.optScale(7).Click());
  ASSERT_TRUE(window.cmdOK(1).Click());
  ASSERT_TRUE(window.txtNom1().Type("\b"));
  EXPECT_EQ(window.txtCoord(5).Text(), "");
}

// «Контур для карты...» writes the sheet's outline in WGS-84 into a GeoJSON
// file the user names, with the catalogue's route; a name that is no sheet
// is refused before any dialog, a file already there is replaced only when
// the user says so.
TEST_F(ServiceWindowTest, TheOutlineOfASheetGoesIntoAGeoJsonFile) {
  testing::TempFolder folder;
  state.catalogueFolder = std::string(VEXILOR_SOURCE_DIR) + "/data";
  const std::string path = folder.PathOf("N-37-4.geojson");
  OpenSheetTool(window.mnuRamka);
  EXPECT_FALSE(window.cmdOutline().Enabled());
  ASSERT_TRUE(window.optScale(10).Click());
  ASSERT_TRUE(window.txtNom1().Type("(N) N-37-4"));
  EXPECT_TRUE(window.cmdOutline().Enabled());
  platform.AnswerSaveFile(path);
  ASSERT_TRUE(window.cmdOutline().Click());
  const FileDialogRequest& dialog = platform.FileDialogs().back().request;
  EXPECT_EQ(dialog.fileName, "N-37-4.geojson");
  EXPECT_EQ(dialog.defaultExtension, "geojson");
  ExpectMessage("Контур листа записан в файл\r\n" + path + ".", kOutlineTitle, MessageIcon::kInformation);
  const std::string json = testing::ReadBytes(path);
  EXPECT_TRUE(json.starts_with("{\"type\":\"FeatureCollection\",\"features\":[\n{\"type\":\"Feature\","
                               "\"geometry\":{\"type\":\"Polygon\",\"coordinates\":[[[37.49"))
      << json.substr(0, 200);
  EXPECT_TRUE(json.ends_with("]]},\"properties\":{\"name\":\"(N) N-37-4\",\"scale\":100000}}\n]}\n"));

  testing::WriteBytes(path, "earlier");
  platform.AnswerSaveFile(path);
  platform.AnswerMessage(MessageAnswer::kNo);
  ASSERT_TRUE(window.cmdOutline().Click());
  EXPECT_EQ(LastMessage().text, "Файл " + path + "\r\nуже существует. Заменить его?");
  EXPECT_EQ(testing::ReadBytes(path), "earlier");

  const std::size_t dialogs = platform.FileDialogs().size();
  ASSERT_TRUE(window.txtNom1().ReplaceText("(N) N-37"));
  ASSERT_TRUE(window.cmdOutline().Click());
  ExpectMessage("Номенклатура (N) N-37 не соответствует\r\nмасштабу 1 : 100 000.", kFrameTitle);
  EXPECT_EQ(platform.FileDialogs().size(), dialogs);
}

// --- Closing ---

TEST_F(ServiceWindowTest, CloseHidesTheWindowAndEmptiesTheBoxes) {
  ASSERT_TRUE(window.mnuGradusGrad.Click());
  ASSERT_TRUE(window.txtAngle(0).Type("90"));
  ASSERT_TRUE(window.cmdOK(3).Click());
  ASSERT_TRUE(window.cmdClose.Click());
  EXPECT_FALSE(window.Visible());
  EXPECT_TRUE(VisiblePanels().empty());
  EXPECT_TRUE(VisibleExecuteButtons().empty());
  for (int k = 0; k < FrmService::kAngleBoxes; ++k) EXPECT_EQ(window.txtAngle(k).Text(), "") << k;

  // Shown again: no tool, every Execute button asleep; the close box closes as well.
  platform.Show(window);
  EXPECT_EQ(window.ShownPanel(), -1);
  OpenSheetTool(window.mnuNameNom);
  ASSERT_TRUE(window.txtCoord(0).Type("55"));
  window.RequestClose();
  EXPECT_FALSE(window.Visible());
  EXPECT_EQ(window.txtCoord(0).Text(), "");
}

}  // namespace
}  // namespace vexilor
