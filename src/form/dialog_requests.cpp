#include "form/dialog_requests.h"

#include <algorithm>
#include <array>

namespace vexilor {

std::span<const MessageAnswer> ButtonAnswers(MessageButtons buttons) {
  using enum MessageAnswer;
  static constexpr std::array<MessageAnswer, 1> kOkAlone{kOkPressed};
  static constexpr std::array<MessageAnswer, 2> kOkCancelPair{kOkPressed, kCancel};
  static constexpr std::array<MessageAnswer, 2> kYesNoPair{kYes, kNo};
  static constexpr std::array<MessageAnswer, 3> kYesNoCancelTriple{kYes, kNo, kCancel};
  switch (buttons) {
    case MessageButtons::kOkCancel:
      return kOkCancelPair;
    case MessageButtons::kYesNo:
      return kYesNoPair;
    case MessageButtons::kYesNoCancel:
      return kYesNoCancelTriple;
    case MessageButtons::kOkOnly:
      break;
  }
  return kOkAlone;
}

bool Offers(MessageButtons buttons, MessageAnswer answer) {
  const auto answers = ButtonAnswers(buttons);
  return std::find(answers.begin(), answers.end(), answer) != answers.end();
}

MessageAnswer DefaultAnswer(MessageButtons buttons, DefaultButton defaultButton) {
  const auto answers = ButtonAnswers(buttons);
  const auto position = static_cast<std::size_t>(defaultButton);
  return position < answers.size() ? answers[position] : answers.front();
}

}  // namespace vexilor
