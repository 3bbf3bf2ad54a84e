#pragma once
// What window logic asks of the platform's standard dialogs: message boxes,
// the input box and the open/save file dialogs.
//
// Texts are UTF-8; a line break inside a message is "\r\n".

#include <span>
#include <string>

namespace vexilor {

enum class MessageButtons { kOkOnly, kOkCancel, kYesNo, kYesNoCancel };

enum class MessageIcon { kNone, kCritical, kQuestion, kExclamation, kInformation };

// Which of the box's buttons, counted from the left, is the default.
enum class DefaultButton { kFirst, kSecond, kThird };

enum class MessageAnswer { kOkPressed, kCancel, kYes, kNo };

struct MessageRequest {
  std::string text{};
  std::string title{};
  MessageButtons buttons = MessageButtons::kOkOnly;
  MessageIcon icon = MessageIcon::kNone;
  DefaultButton defaultButton = DefaultButton::kFirst;
};

struct InputRequest {
  std::string prompt{};
  std::string title{};
  std::string defaultText{};
};

struct FileDialogRequest {
  std::string title{};
  // Pairs of description and patterns, all joined by "|":
  // "Файлы исходных координат (*.in)|*.in|Все файлы (*.*)|*.*".
  std::string filter{};
  std::string defaultExtension{};  // without the dot: "in"
  std::string initialFolder{};
  std::string fileName{};          // proposed name, may be empty
  bool fileMustExist = false;   // open dialog only
  bool hideReadOnly = true;     // no "open as read-only" box
};

// The answers of a box's buttons, from left to right.
std::span<const MessageAnswer> ButtonAnswers(MessageButtons buttons);
// Whether the box has a button giving `answer`.
bool Offers(MessageButtons buttons, MessageAnswer answer);
// The answer of the default button; the first button when the box has fewer.
MessageAnswer DefaultAnswer(MessageButtons buttons, DefaultButton defaultButton);

}  // namespace vexilor
