#include "text/key_filter.h"

#include <gtest/gtest.h>

namespace vexilor {
namespace {

struct KeyCase {
  int key;
  bool passes;
};

TEST(KeyFilterTest, PassesNumericKeysAndRefusesOthersWithABeep) {
  const KeyCase cases[] = {
      {'0', true},  {'5', true},  {'9', true},  {' ', true},  {'+', true},  {'-', true},
      {'.', true},  {kBackspaceKey, true},      {',', false}, {'e', false}, {'E', false},
      {'a', false}, {'/', false}, {':', false}, {0x42F, false} /* Я */,   {13, false},
  };
  for (const KeyCase& c : cases) {
    int beeps = 0;
    const int typed = FilterNumericKey(c.key, [&beeps] { ++beeps; });
    EXPECT_EQ(typed, c.passes ? c.key : 0) << c.key;
    EXPECT_EQ(beeps, c.passes ? 0 : 1) << c.key;
  }
}

TEST(KeyFilterTest, AnAlreadyRefusedKeyStaysSilent) {
  int beeps = 0;
  EXPECT_EQ(FilterNumericKey(0, [&beeps] { ++beeps; }), 0);
  EXPECT_EQ(beeps, 0);
}

TEST(KeyFilterTest, WorksWithoutABeep) { EXPECT_EQ(FilterNumericKey(',', BeepFn{}), 0); }

TEST(BeepTest, BeepsThreeTimes) {
  int beeps = 0;
  BeepThrice([&beeps] { ++beeps; });
  EXPECT_EQ(beeps, 3);
  BeepThrice(BeepFn{});
}

}  // namespace
}  // namespace vexilor
