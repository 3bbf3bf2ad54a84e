// The projection panel's texts, the validate-and-store rules of both tables
// and the keeping of confirmed sets, driven without the dialog.

#include "projection/projection_validation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "projection/confirmed_sets.h"
#include "projection/projection_kinds.h"
#include "projection/projection_panel.h"
#include "projection/projection_record.h"

namespace vexilor {
namespace {

constexpr auto kGk = ProjectionKind::GaussKruger;
constexpr auto kLambert = ProjectionKind::Lambert;
constexpr auto kUtm = ProjectionKind::Utm;

// --- Panel texts ---

struct PanelCase {
  ProjectionKind kind;
  Side side;
  PanelFill fill;
  std::vector<std::string> texts;
  bool west;
  bool yVertical;
};

class PanelFromDefaults : public ::testing::TestWithParam<PanelCase> {};

TEST_P(PanelFromDefaults, ShowsAnglesAsDmsAndTheScaleByItsMask) {
  const PanelCase& c = GetParam();
  const PanelEntry entry = PanelEntryFromSet(DescriptionOf(c.kind).builtInSet, c.kind, c.side, c.fill);
  EXPECT_EQ(std::vector<std::string>(entry.texts.begin(), entry.texts.end()), c.texts);
  EXPECT_EQ(entry.westPositive, c.west);
  EXPECT_EQ(entry.yAxisVertical, c.yVertical);
}

INSTANTIATE_TEST_SUITE_P(
    SourceOpening, PanelFromDefaults,
    ::testing::Values(PanelCase{kLambert,
                                Side::Source,
                                PanelFill::kOpening,
                                {"0 00 00.0", "10 00 00.0", "0 00 00.0", "500.0", "0.0", "1.0000000000"},
                                false,
                                true},
                      PanelCase{kUtm,
                                Side::Source,
                                PanelFill::kOpening,
                                {"0 00 00.0", "183 00 00.0", "6 00 00.0", "500.0", "0.0", "0.999600"},
                                false,
                                true}));

TEST(PanelEntryFromSet, ShowsMinutesSecondsWestAndKilometreFractions) {
  ProjectionSlots set = DescriptionOf(kGk).builtInSet;
  set.SetPrimeMeridian(30.5);                       // 30°30'
  set.SetZoneOneAxialMeridian(37.0 + 1.0 / 120.0);  // 37°00'30"
  set.SetFalseX(-12.35);
  set.SetWestPositive(true);
  const PanelEntry entry = PanelEntryFromSet(set, kGk, Side::Target, PanelFill::kOpening);
  EXPECT_EQ(entry.texts[0], "30 30 00.0");
  EXPECT_EQ(entry.texts[1], "37 00 30.0");
  EXPECT_EQ(entry.texts[3], "-12.4");
  EXPECT_TRUE(entry.westPositive);
}

TEST(ScaleMask, SourceOpeningShowsMoreDigitsOtherwiseFour) {
  struct Case {
    ProjectionKind kind;
    Side side;
    PanelFill fill;
    std::string mask;
  };
  const std::vector<Case> cases = {
      {kGk, Side::Source, PanelFill::kOpening, "0.000000"},
      {kLambert, Side::Source, PanelFill::kOpening, "0.0000000000"},
      {kUtm, Side::Source, PanelFill::kOpening, "0.000000"},
      {kGk, Side::Target, PanelFill::kOpening, "0.0000"},
      {kLambert, Side::Target, PanelFill::kOpening, "0.0000"},
      {kUtm, Side::Target, PanelFill::kOpening, "0.0000"},
      {kGk, Side::Source, PanelFill::kTypeSwitch, "0.0000"},
      {kLambert, Side::Source, PanelFill::kTypeSwitch, "0.0000"},
      {kUtm, Side::Target, PanelFill::kTypeSwitch, "0.0000"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ScaleMask(c.kind, c.side, c.fill), c.mask) << static_cast<int>(c.kind) << " " << static_cast<int>(c.side);
}

// --- Validate and store ---

// A valid entry of each table; the false easting goes with the horizontal axis.
PanelEntry ValidEntry(ProjectionKind kind, bool yVertical = true) {
  if (kind == kLambert) return {{"0", "45", "30", "500", "0", "1"}, false, yVertical};
  if (yVertical) return {{"0", "3", "6", "500", "0", "1"}, false, true};
  return {{"0", "3", "6", "0", "500", "1"}, false, false};
}

// Slot values no rule produces, to see what a failure leaves untouched.
ProjectionSlots Sentinels() {
  ProjectionSlots p;
  for (std::size_t k = 0; k < p.values.size(); ++k) p.values[k] = 701.0 + k;
  return p;
}

constexpr int kNone = -1;
// The slot value of a refused entry: every slot keeps its value from before.
constexpr double kAsBefore = -1.0;

struct StepCase {
  const char* name;
  ProjectionKind kind;
  bool yVertical;
  int box;  // the box given `text`
  const char* text;
  int failingBox;    // kNone when the entry passes
  double slotValue;  // the box's slot afterwards (slot = box + 2); kAsBefore when refused
};

class ValidateStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(ValidateStep, StoresTheBoxSlotOrNothing) {
  const StepCase& c = GetParam();
  PanelEntry entry = ValidEntry(c.kind, c.yVertical);
  entry.texts[static_cast<std::size_t>(c.box)] = c.text;
  ProjectionSlots p = Sentinels();
  const std::optional<EntryFailure> failure = ValidateAndStore(c.kind, entry, p);
  EXPECT_EQ(failure ? failure->box : kNone, c.failingBox);
  if (c.slotValue != kAsBefore) {
    EXPECT_DOUBLE_EQ(p.values[static_cast<std::size_t>(c.box) + 1], c.slotValue);  // slot box + 2
    return;
  }
  EXPECT_EQ(p.values, Sentinels().values);
}

std::string StepCaseName(const ::testing::TestParamInfo<StepCase>& param) { return param.param.name; }

INSTANTIATE_TEST_SUITE_P(
    ZonedTable, ValidateStep,
    ::testing::Values(StepCase{"PrimeMinus30Wraps", kGk, false, 0, "-30", kNone, 330},
                      StepCase{"Prime359Passes", kGk, false, 0, "359 59", kNone, 359.0 + 59.0 / 60.0},
                      StepCase{"Prime360Refused", kGk, false, 0, "360", 0, kAsBefore},
                      StepCase{"PrimeBadTextRefused", kGk, false, 0, "3O", 0, kAsBefore},
                      StepCase{"AxialMinus3Wraps", kGk, false, 1, "-3", kNone, 357},
                      StepCase{"AxialMinus360Refused", kGk, false, 1, "-360", 1, kAsBefore},
                      StepCase{"WidthHalfDegreePasses", kGk, false, 2, "0 30", kNone, 0.5},
                      StepCase{"WidthBelowHalfRefused", kGk, false, 2, "0 29 59", 2, kAsBefore},
                      StepCase{"Width7_30FitsThe500KmEasting", kGk, false, 2, "7 30", kNone, 7.5},
                      StepCase{"WidthAbove15Refused", kGk, false, 2, "15 00 01", 2, kAsBefore},
                      StepCase{"VerticalXMinus10000Passes", kGk, false, 3, "-10000", kNone, -10000000},
                      StepCase{"VerticalXBeyond10000Refused", kGk, false, 3, "-10000.001", 3, kAsBefore},
                      StepCase{"VerticalXNotANumberRefused", kGk, false, 3, "12a", 3, kAsBefore},
                      StepCase{"HorizontalY389_999Refused", kGk, false, 4, "389.999", 4, kAsBefore},
                      StepCase{"HorizontalY390Passes", kGk, false, 4, "390", kNone, 390000},
                      StepCase{"HorizontalY999_999Passes", kGk, false, 4, "999.999", kNone, 999999},
                      StepCase{"HorizontalY1000Refused", kGk, false, 4, "1000", 4, kAsBefore},
                      StepCase{"HorizontalYEmptyRefused", kGk, false, 4, "", 4, kAsBefore},
                      StepCase{"YVerticalHorizontalX389_999Refused", kGk, true, 3, "389.999", 3, kAsBefore},
                      StepCase{"YVerticalHorizontalX390Passes", kGk, true, 3, "390", kNone, 390000},
                      StepCase{"YVerticalVerticalYMinus10000Passes", kGk, true, 4, "-10000", kNone, -10000000},
                      StepCase{"YVerticalVerticalYBeyondRefused", kGk, true, 4, "10000.001", 4, kAsBefore},
                      StepCase{"UtmScale0_9Passes", kUtm, true, 5, "0.9", kNone, 0.9},
                      StepCase{"Scale1_1Passes", kGk, false, 5, "1.1", kNone, 1.1},
                      StepCase{"ScaleAbove1_1Refused", kGk, false, 5, "1.1001", 5, kAsBefore},
                      StepCase{"ScaleNotANumberRefused", kGk, false, 5, "1..0", 5, kAsBefore}),
    StepCaseName);

INSTANTIATE_TEST_SUITE_P(
    LambertTable, ValidateStep,
    ::testing::Values(StepCase{"PrimeMinus30StaysNegative", kLambert, true, 0, "-30", kNone, -30},
                      StepCase{"Prime360Passes", kLambert, true, 0, "360", kNone, 360},
                      StepCase{"PrimeAbove360Refused", kLambert, true, 0, "360 00 01", 0, kAsBefore},
                      StepCase{"Latitude0_05Refused", kLambert, true, 1, "0 05", 1, kAsBefore},
                      StepCase{"LatitudeMinus0_10Passes", kLambert, true, 1, "-0 10", kNone, -10.0 / 60.0},
                      StepCase{"Latitude90Refused", kLambert, true, 1, "90", 1, kAsBefore},
                      StepCase{"Latitude89_59_59Passes", kLambert, true, 1, "89 59 59", kNone,
                               89.0 + 59.0 / 60.0 + 59.0 / 3600.0},
                      StepCase{"LongitudeMinus10Wraps", kLambert, true, 2, "-10", kNone, 350},
                      StepCase{"LongitudeMinus360WrapsToZero", kLambert, true, 2, "-360", kNone, 0},
                      StepCase{"LongitudeAbove360Refused", kLambert, true, 2, "360 00 01", 2, kAsBefore},
                      StepCase{"XMinus10000Passes", kLambert, true, 3, "-10000", kNone, -10000000},
                      StepCase{"XBeyond10000Refused", kLambert, true, 3, "10000.001", 3, kAsBefore},
                      StepCase{"XNotANumberRefused", kLambert, true, 3, "-", 3, kAsBefore},
                      StepCase{"YBeyond10000Refused", kLambert, false, 4, "-10000.001", 4, kAsBefore},
                      StepCase{"Scale0_7Passes", kLambert, true, 5, "0.7", kNone, 0.7},
                      StepCase{"Scale1_3Passes", kLambert, true, 5, "1.3", kNone, 1.3},
                      StepCase{"ScaleBelow0_7Refused", kLambert, true, 5, "0.6999", 5, kAsBefore},
                      StepCase{"ScaleEmptyRefused", kLambert, true, 5, "", 5, kAsBefore}),
    StepCaseName);

TEST(ValidateAndStore, AValidEntryFillsAllTenSlots) {
  struct Case {
    ProjectionKind kind;
    PanelEntry entry;
    std::array<double, 10> slots;
  };
  const std::vector<Case> cases = {
      {kGk, {{"30", "3", "6", "0", "500", "1"}, true, false}, {0, 30, 3, 6, 0, 500000, 1, 1, 0, 0}},
      {kUtm, {{"0", "183", "6", "500", "0", "0.9996"}, false, true}, {2, 0, 183, 6, 500000, 0, 0.9996, 0, 1, 0}},
      {kLambert,
       {{"0", "45 30", "30", "500", "-20.5", "0.999"}, false, false},
       {1, 0, 45.5, 30, 500000, -20500, 0.999, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    ProjectionSlots p = Sentinels();
    EXPECT_FALSE(ValidateAndStore(c.kind, c.entry, p).has_value());
    for (std::size_t k = 0; k < c.slots.size(); ++k)
      EXPECT_DOUBLE_EQ(p.values[k], c.slots[k]) << static_cast<int>(c.kind) << " slot " << k + 1;
  }
}

TEST(ValidateAndStore, AFailureAfterValidBoxesWritesNoSlot) {
  PanelEntry entry = ValidEntry(kGk, false);
  entry.texts = {"-30", "-3", "6 30", "7", "1000", "1"};
  ProjectionSlots p = Sentinels();
  const std::optional<EntryFailure> failure = ValidateAndStore(kGk, entry, p);
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->box, 4);
  EXPECT_EQ(p.values, Sentinels().values);
  // A side that was not set stays not set, whatever passed before the refusal.
  ProjectionSlots unset;
  entry.texts = {"0", "3", "6", "0", "500", "0"};  // scale 0 is refused last
  ASSERT_TRUE(ValidateAndStore(kGk, entry, unset).has_value());
  EXPECT_FALSE(IsProjectionSet(unset));
}

TEST(ValidateAndStore, TheHorizontalBoundFollowsTheStoredZoneWidth) {
  PanelEntry entry = ValidEntry(kGk, false);
  entry.texts[2] = "3";  // 65 km per degree: 195 km
  entry.texts[4] = "195";
  ProjectionSlots p = Sentinels();
  EXPECT_FALSE(ValidateAndStore(kGk, entry, p).has_value());
  entry.texts[4] = "194.999";
  EXPECT_TRUE(ValidateAndStore(kGk, entry, p).has_value());
  entry.texts[2] = "15";  // the widest zone
  entry.texts[4] = "975";
  EXPECT_FALSE(ValidateAndStore(kGk, entry, p).has_value());
  entry.texts[4] = "974.999";
  EXPECT_TRUE(ValidateAndStore(kGk, entry, p).has_value());
}

struct MessageCase {
  ProjectionKind kind;
  int box;
  const char* message;
};

TEST(ValidateAndStore, NamesTheRefusedValueLineByLine) {
  const std::vector<MessageCase> cases = {
      {kGk, 0,
       "Недопустимое значение долготы начального\r\nмеридиана национальной системы отсчета\r\n"
       "долгот относительно Гринвича"},
      {kGk, 1, "Недопустимое значение долготы\r\nосевого меридиана первой зоны"},
      {kGk, 2, "Недопустимое значение ширины\r\nкоординатных зон"},
      {kGk, 3, "Недопустимое значение условного\r\nначала по оси \"X\""},
      {kGk, 4, "Недопустимое значение условного\r\nначала по оси \"Y\""},
      {kUtm, 5, "Недопустимое значение масштаба\r\nна осевом меридиане"},
      {kLambert, 0,
       "Недопустимое значение долготы начального\r\nмеридиана национальной системы отсчета\r\n"
       "долгот относительно Гринвича"},
      {kLambert, 1, "Недопустимое значение широты условного\r\nначала в данной зоне проекции Ламберта"},
      {kLambert, 2, "Недопустимое значение долготы условного\r\nначала в данной зоне проекции Ламберта"},
      {kLambert, 3, "Недопустимое значение условного начала\r\nв данной зоне проекции Ламберта по оси \"X\""},
      {kLambert, 4, "Недопустимое значение условного начала\r\nв данной зоне проекции Ламберта по оси \"Y\""},
      {kLambert, 5, "Недопустимое значение наименьшего масштаба\r\nв  данной  зоне  проекции  Ламберта"},
  };
  for (const MessageCase& c : cases) {
    PanelEntry entry = ValidEntry(c.kind);
    entry.texts[static_cast<std::size_t>(c.box)] = "99999";
    ProjectionSlots p;
    const std::optional<EntryFailure> failure = ValidateAndStore(c.kind, entry, p);
    ASSERT_TRUE(failure.has_value()) << static_cast<int>(c.kind) << " box " << c.box;
    EXPECT_EQ(failure->box, c.box);
    EXPECT_EQ(failure->message, c.message);
  }
}

// --- Confirmed sets ---

TEST(ConfirmedSets, ConfirmingKeepsSlotsOneToNineInKilometresAndMarksTheSystem) {
  ProjectionRecord record;
  record.params.target = Sentinels();
  record.params.target.SetKind(kUtm);
  ConfirmSet(record, kUtm, Side::Target, "Target");
  const ProjectionSlots& set = ConfirmedSet(record, kUtm, Side::Target);
  for (std::size_t k : {0, 1, 2, 3, 6, 7, 8}) EXPECT_EQ(set.values[k], record.params.target.values[k]) << k + 1;
  EXPECT_DOUBLE_EQ(set.FalseX(), 0.705);
  EXPECT_DOUBLE_EQ(set.FalseY(), 0.706);
  EXPECT_EQ(set.FixedZone(), 0.0);
  EXPECT_EQ(record.systemMark.target, "Target");
  EXPECT_EQ(record.systemMark.source, "");
  // The other side keeps its set.
  EXPECT_EQ(ConfirmedSet(record, kUtm, Side::Source).ZoneOneAxialMeridian(), 183.0);
}

TEST(ConfirmedSets, AnotherSystemBringsBackTheDefaultsOfThatSideOnly) {
  ProjectionRecord record;
  for (auto& sets : record.confirmed)
    for (Side side : kSides) sets[side].SetPrimeMeridian(77);
  record.systemMark = {"Source", "Target"};

  ForgetSetsOfOtherSystem(record, Side::Target, "Target");
  EXPECT_EQ(ConfirmedSet(record, kLambert, Side::Target).PrimeMeridian(), 77.0);

  ForgetSetsOfOtherSystem(record, Side::Target, "Other");
  for (ProjectionKind kind : kProjectionKinds) {
    EXPECT_EQ(ConfirmedSet(record, kind, Side::Target).values, DescriptionOf(kind).builtInSet.values);
    EXPECT_EQ(ConfirmedSet(record, kind, Side::Source).PrimeMeridian(), 77.0);
  }
}

}  // namespace
}  // namespace vexilor
