#include "refdata/system_choice.h"

#include <gtest/gtest.h>

#include <string>

#include "geodesy/datum.h"
#include "support/raw_files.h"
#include "support/reference_lists.h"

namespace vexilor {
namespace {

using testing::ListOf;

// A small catalogue in the file's own layout (m fourth among the values).
struct Catalogue : ::testing::Test {
  EllipsoidLines ellipsoids = ListOf({"Krassovsky 1940 1 6378245 298.3", "WGS 84 2 6378137 298.257223563",
                                      "ПЗ-90 3 6378136 298.25784"});
  SystemLines systems = ListOf({
      "Local  (L1) 1 10 20 30 1e-6 1 2 3 PZ90 3",                                         // 1
      "Russia 1990 Global Coordinate System (ПЗ-90) 3 -1.08 -0.27 -0.9 -1.2e-07 0 0 -0.16 WGS84 2",  // 2
      "Unknown parent 1 0 0 0 0 0 0 0 GRS80 2",                                           // 3
      "Missing ellipsoid 9 0 0 0 0 0 0 0 PZ90 3",                                         // 4
      "Missing parent ellipsoid 1 0 0 0 0 0 0 0 PZ90 8",                                  // 5
      "too few words",                                                                    // 6
      "WGS 1984 Global Definition (WGS84) 2 1.08 0.27 0.9 1.2e-07 0 0 0.16 PZ90 3",       // 7
  });
};

TEST_F(Catalogue, ChoosingALocalSystemFillsTheVectorInEngineOrder) {
  SystemChoice choice;
  ASSERT_EQ(ChooseSystem(systems, ellipsoids, 1, choice).error, ChoiceError::kNone);
  EXPECT_EQ(choice.name, "Local (L1)");
  EXPECT_EQ(choice.baseName, kPz90Name);
  const double expected[11] = {6378245, 298.3, 6378136, 298.25784, 10, 20, 30, 1, 2, 3, 1e-6};
  for (int i = 1; i <= 11; ++i) EXPECT_EQ(choice.vector[i], expected[i - 1]) << "place " << i;
}

TEST_F(Catalogue, AGlobalSystemRestsOnTheOtherOne) {
  SystemChoice choice;
  ASSERT_EQ(ChooseSystem(systems, ellipsoids, 2, choice).error, ChoiceError::kNone);
  EXPECT_EQ(choice.name, kPz90Name);
  EXPECT_EQ(choice.baseName, kWgs84Name);
  EXPECT_EQ(choice.vector[1], 6378136);
  EXPECT_EQ(choice.vector[3], 6378137);
  EXPECT_EQ(choice.vector[4], 298.257223563);
  EXPECT_EQ(choice.vector[10], -0.16);
  EXPECT_EQ(choice.vector[11], -1.2e-7);
}

struct FailureCase {
  const char* label;
  std::int16_t index;
  ChoiceError error;
  std::int16_t missing;
  const char* parent;
};

class CatalogueFailure : public Catalogue, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(CatalogueFailure, HandsNothingOver) {
  const FailureCase& c = GetParam();
  SystemChoice choice;
  choice.name = "previous";
  choice.baseName = kWgs84Name;
  choice.vector[1] = 42;
  const ChoiceOutcome outcome = ChooseSystem(systems, ellipsoids, c.index, choice);
  EXPECT_EQ(outcome.error, c.error);
  EXPECT_EQ(outcome.missingEllipsoid, c.missing);
  EXPECT_EQ(outcome.parentCode, c.parent);
  EXPECT_EQ(choice.name, "previous");
  EXPECT_EQ(choice.baseName, kWgs84Name);
  EXPECT_EQ(choice.vector[1], 42);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CatalogueFailure,
    ::testing::Values(FailureCase{"unknown_parent", 3, ChoiceError::kUnknownParent, 0, "GRS80"},
                      FailureCase{"missing_ellipsoid", 4, ChoiceError::kEllipsoidNotFound, 9, ""},
                      FailureCase{"missing_parent_ellipsoid", 5, ChoiceError::kEllipsoidNotFound, 8, ""},
                      FailureCase{"bad_line", 6, ChoiceError::kBadSystemLine, 0, ""},
                      FailureCase{"index_outside", 8, ChoiceError::kBadSystemLine, 0, ""},
                      FailureCase{"index_zero", 0, ChoiceError::kBadSystemLine, 0, ""}),
    testing::CaseLabel());

TEST_F(Catalogue, ADamagedEllipsoidLineBeforeTheWantedOneIsReported) {
  ellipsoids = ListOf({"Krassovsky 1940 1 6378245 298.3", "damaged", "ПЗ-90 3 6378136 298.25784"});
  SystemChoice choice;
  EXPECT_EQ(ChooseSystem(systems, ellipsoids, 1, choice).error, ChoiceError::kBadEllipsoidFile);
  EXPECT_EQ(choice.name, "");
}

TEST(BaseNameOfParentCode, KnowsExactlyTheTwoCodes) {
  EXPECT_EQ(BaseNameOfParentCode("PZ90"), kPz90Name);
  EXPECT_EQ(BaseNameOfParentCode("WGS84"), kWgs84Name);
  for (const char* other : {"pz90", "WGS-84", "ПЗ-90", "", "PZ90 "}) EXPECT_EQ(BaseNameOfParentCode(other), "") << other;
}

TEST_F(Catalogue, TheGlobalLinkComesFromTheSourceBasesEntry) {
  GlobalLinkParams link{};
  ASSERT_EQ(FindGlobalLink(systems, kPz90Name, kWgs84Name, link), GlobalLinkSearch::kLinked);
  EXPECT_EQ(link, (GlobalLinkParams{-1.08, -0.27, -0.9, 0, 0, -0.16, -1.2e-7}));
  ASSERT_EQ(FindGlobalLink(systems, kWgs84Name, kPz90Name, link), GlobalLinkSearch::kLinked);
  EXPECT_EQ(link, (GlobalLinkParams{1.08, 0.27, 0.9, 0, 0, 0.16, 1.2e-7}));
}

TEST_F(Catalogue, TheSameBaseNeedsNoLink) {
  GlobalLinkParams link{7, 7, 7, 7, 7, 7, 7};
  EXPECT_EQ(FindGlobalLink(systems, kPz90Name, kPz90Name, link), GlobalLinkSearch::kSameBase);
  EXPECT_EQ(link, (GlobalLinkParams{7, 7, 7, 7, 7, 7, 7}));
}

TEST(GlobalLink, OnlyTheFirstEntryOfTheSourceBaseCounts) {
  // The first line named after ПЗ-90 links it to ПЗ-90 itself; a later,
  // correct line is not looked at.
  const SystemLines systems = ListOf({"Russia 1990 Global Coordinate System (ПЗ-90) 3 1 1 1 0 0 0 0 PZ90 3",
                                      "Russia 1990 Global Coordinate System (ПЗ-90) 3 2 2 2 0 0 0 0 WGS84 2"});
  GlobalLinkParams link{7, 7, 7, 7, 7, 7, 7};
  EXPECT_EQ(FindGlobalLink(systems, kPz90Name, kWgs84Name, link), GlobalLinkSearch::kNotLinked);
  EXPECT_EQ(FindGlobalLink(systems, kWgs84Name, kPz90Name, link), GlobalLinkSearch::kNoEntry);
  EXPECT_EQ(link, (GlobalLinkParams{7, 7, 7, 7, 7, 7, 7}));
}

TEST(GlobalLink, NamesCompareWithTheirBlanksCollapsed) {
  const SystemLines systems = ListOf({"WGS  1984 Global   Definition (WGS84) 2 1 2 3 4 5 6 7 PZ90 3"});
  GlobalLinkParams link{};
  ASSERT_EQ(FindGlobalLink(systems, kWgs84Name, kPz90Name, link), GlobalLinkSearch::kLinked);
  EXPECT_EQ(link, (GlobalLinkParams{1, 2, 3, 5, 6, 7, 4}));
}

}  // namespace
}  // namespace vexilor
