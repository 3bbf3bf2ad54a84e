#include "form/dialog_requests.h"

#include <gtest/gtest.h>

#include <vector>

#include "form/file_filter.h"

namespace vexilor {
namespace {

using enum MessageAnswer;

struct ButtonsCase {
  MessageButtons buttons;
  std::vector<MessageAnswer> answers;
  DefaultButton defaultButton;
  MessageAnswer defaultAnswer;
};

class Buttons : public ::testing::TestWithParam<ButtonsCase> {};

TEST_P(Buttons, AnswersInOrderAndDefault) {
  const ButtonsCase& c = GetParam();
  const auto answers = ButtonAnswers(c.buttons);
  EXPECT_EQ(std::vector<MessageAnswer>(answers.begin(), answers.end()), c.answers);
  EXPECT_EQ(DefaultAnswer(c.buttons, c.defaultButton), c.defaultAnswer);
  for (MessageAnswer a : {kOkPressed, kCancel, kYes, kNo}) {
    const bool listed = std::find(c.answers.begin(), c.answers.end(), a) != c.answers.end();
    EXPECT_EQ(Offers(c.buttons, a), listed);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Buttons,
    ::testing::Values(ButtonsCase{MessageButtons::kOkOnly, {kOkPressed}, DefaultButton::kThird, kOkPressed},
                      ButtonsCase{MessageButtons::kOkCancel, {kOkPressed, kCancel}, DefaultButton::kSecond, kCancel},
                      ButtonsCase{MessageButtons::kYesNo, {kYes, kNo}, DefaultButton::kFirst, kYes},
                      ButtonsCase{MessageButtons::kYesNo, {kYes, kNo}, DefaultButton::kThird, kYes},
                      ButtonsCase{MessageButtons::kYesNoCancel, {kYes, kNo, kCancel}, DefaultButton::kThird,
                                  kCancel}));

struct FilterCase {
  const char* filter;
  std::vector<FileFilterEntry> entries;
  bool wellFormed;
};

class Filters : public ::testing::TestWithParam<FilterCase> {};

TEST_P(Filters, SplitIntoDescriptionAndPatterns) {
  const FilterCase& c = GetParam();
  bool wellFormed = !c.wellFormed;
  EXPECT_EQ(ParseFileFilter(c.filter, &wellFormed), c.entries);
  EXPECT_EQ(wellFormed, c.wellFormed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Filters,
    ::testing::Values(
        FilterCase{"Файлы исходных координат (*.in)|*.in|Все файлы (*.*)|*.*",
                   {{"Файлы исходных координат (*.in)", {"*.in"}}, {"Все файлы (*.*)", {"*.*"}}},
                   true},
        FilterCase{"Text (*.txt;*.dat)|*.txt; *.dat", {{"Text (*.txt;*.dat)", {"*.txt", "*.dat"}}}, true},
        FilterCase{"", {}, true},
        FilterCase{"Файлы (*.in)|*.in|Все файлы", {}, false},
        FilterCase{"Файлы (*.in)", {}, false}));

}  // namespace
}  // namespace vexilor
