#include "state/transform_settings.h"

#include <gtest/gtest.h>

namespace vexilor {
namespace {

TEST(SideSystemName, SourceForSideOneTargetForSideTwo) {
  TransformSettings settings;
  settings.SourceSystemName = "S";
  settings.TargetSystemName = "T";
  EXPECT_EQ(SideSystemName(settings, 1), "S");
  EXPECT_EQ(SideSystemName(settings, 2), "T");
}

}  // namespace
}  // namespace vexilor
