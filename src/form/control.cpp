#include "form/control.h"

#include <algorithm>

#include "form/form.h"
#include "form/guarded_run.h"
#include "text/utf8.h"

namespace vexilor {
namespace {

constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kDeleteCode = 127;
constexpr std::string_view kLineBreak = "\r\n";

bool IsDrawing(ControlKind kind) { return kind == ControlKind::kLine || kind == ControlKind::kShape; }

bool TakesFocus(ControlKind kind) {
  return kind != ControlKind::kFrame && kind != ControlKind::kLabel && kind != ControlKind::kMenu && !IsDrawing(kind);
}

bool IsListKind(ControlKind kind) { return kind == ControlKind::kList || kind == ControlKind::kCombo; }

// Byte offset of code point `position` in `text`.
std::size_t ByteOffset(std::string_view text, int position) {
  return FirstCodePoints(text, static_cast<std::size_t>(position)).size();
}

int Length(std::string_view text) { return static_cast<int>(CodePointCount(text)); }

}  // namespace

Control::Control(Form& owner, ControlDesign spec)
    : owner_(&owner),
      kind_(spec.kind),
      name_(std::move(spec.name)),
      index_(spec.index),
      container_(spec.container != nullptr && &spec.container->Owner() == &owner ? spec.container
                                                                                  : nullptr),
      group_(std::move(spec.group)),
      text_(std::move(spec.text)),
      toolTip_(std::move(spec.toolTip)),
      checked_(spec.checked),
      fixedPitch_(spec.fixedPitch),
      fitted_(spec.fitted),
      multiLine_(spec.multiLine) {}

std::string Control::Id() const {
  return index_ == kNoIndex ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

std::string Control::Text() const {
  if (!IsListKind(kind_)) return text_;
  return listIndex_ >= 0 ? items_[static_cast<std::size_t>(listIndex_)] : std::string();
}

bool Control::EffectivelyEnabled() const {
  for (const Control* c = this; c != nullptr; c = c->container_) {
    if (!c->enabled_) return false;
  }
  return true;
}

bool Control::EffectivelyVisible() const {
  for (const Control* c = this; c != nullptr; c = c->container_) {
    if (!c->visible_) return false;
  }
  return true;
}

std::string Control::SelectedText() const {
  const std::size_t begin = ByteOffset(text_, selection_.start);
  const std::size_t end = ByteOffset(text_, selection_.start + selection_.length);
  return text_.substr(begin, end - begin);
}

bool Control::HasFocus() const { return owner_->Focused() == this; }

int Control::TabIndex() const {
  const std::vector<Control*>& order = owner_->TabOrder();
  const auto found = std::find(order.begin(), order.end(), this);
  return found == order.end() ? -1 : static_cast<int>(found - order.begin());
}

void Control::SetTabIndex(int index) { owner_->MoveInTabOrder(*this, index); }

Control& Control::OnClick(Handler handler) {
  onClick_ = std::move(handler);
  return *this;
}

Control& Control::OnChange(Handler handler) {
  onChange_ = std::move(handler);
  return *this;
}

Control& Control::OnKeyPress(KeyHandler handler) {
  onKeyPress_ = std::move(handler);
  return *this;
}

Control& Control::OnGotFocus(Handler handler) {
  onGotFocus_ = std::move(handler);
  return *this;
}

Control& Control::OnLostFocus(Handler handler) {
  onLostFocus_ = std::move(handler);
  return *this;
}

Control& Control::OnDblClick(Handler handler) {
  onDblClick_ = std::move(handler);
  return *this;
}

void Control::SetText(std::string text) {
  if (kind_ == ControlKind::kTextBox) {
    EditText(std::move(text), {});
  } else if (IsListKind(kind_)) {
    const auto found = std::find(items_.begin(), items_.end(), text);
    if (found != items_.end()) SetListIndex(static_cast<int>(found - items_.begin()));
  } else {
    text_ = std::move(text);
  }
}

void Control::SetChecked(bool checked) {
  if (checked == checked_) return;
  if (kind_ == ControlKind::kOption && checked) owner_->ClearOtherOptions(*this);
  checked_ = checked;
  const bool clicks = kind_ == ControlKind::kCheck || (kind_ == ControlKind::kOption && checked);
  if (clicks) RunGuarded(running_[kClick], onClick_);
}

bool Control::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) return false;
  if (index == listIndex_) return true;
  listIndex_ = index;
  RunGuarded(running_[kClick], onClick_);
  return true;
}

void Control::AddItem(std::string item) { items_.push_back(std::move(item)); }

bool Control::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) return false;
  items_.erase(items_.begin() + index);
  if (index == listIndex_) {
    listIndex_ = -1;
  } else if (index < listIndex_) {
    --listIndex_;
  }
  return true;
}

void Control::ClearItems() {
  items_.clear();
  listIndex_ = -1;
}

void Control::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  listIndex_ = -1;
}

void Control::SetSelection(int start, int length) {
  const int size = CodePointLength();
  selection_.start = std::clamp(start, 0, size);
  selection_.length = std::clamp(length, 0, size - selection_.start);
}

bool Control::SetFocus() {
  if (!TakesFocus(kind_) || !Reachable()) return false;
  owner_->MoveFocus(this);
  return HasFocus();
}

bool Control::Click() {
  if (!Reachable() || IsDrawing(kind_)) return false;
  if (TakesFocus(kind_)) SetFocus();
  switch (kind_) {
    case ControlKind::kCheck:
      SetChecked(!checked_);
      return true;
    case ControlKind::kOption:
      SetChecked(true);
      return true;
    case ControlKind::kList:
    case ControlKind::kCombo:
      return false;  // a list is clicked by choosing an item
    default:
      RunGuarded(running_[kClick], onClick_);
      return true;
  }
}

bool Control::DoubleClick() {
  if (!Reachable() || IsDrawing(kind_)) return false;
  if (TakesFocus(kind_)) SetFocus();
  RunGuarded(running_[kDblClick], onDblClick_);
  return true;
}

bool Control::Type(std::string_view keys) {
  if (kind_ != ControlKind::kTextBox || !Reachable()) return false;
  SetFocus();
  for (std::size_t pos = 0; pos < keys.size();) PressKey(DecodeCodePoint(keys, pos));
  return true;
}

bool Control::PressDelete() {
  if (kind_ != ControlKind::kTextBox || !Reachable()) return false;
  SetFocus();
  if (readOnly_) return true;
  TextSelection removed = selection_;
  if (removed.length == 0) {
    const std::string_view after = std::string_view(text_).substr(ByteOffset(text_, removed.start));
    removed.length = multiLine_ && after.starts_with(kLineBreak) ? 2 : (after.empty() ? 0 : 1);
  }
  const std::size_t begin = ByteOffset(text_, removed.start);
  std::string text = text_;
  text.erase(begin, ByteOffset(text_, removed.start + removed.length) - begin);
  EditText(std::move(text), {removed.start, 0});
  return true;
}

bool Control::ReplaceText(std::string text) {
  if (kind_ != ControlKind::kTextBox || !Reachable()) return false;
  SetFocus();
  if (readOnly_) return true;
  if (maxLength_ > 0) text = std::string(FirstCodePoints(text, static_cast<std::size_t>(maxLength_)));
  const int caret = Length(text);
  EditText(std::move(text), {caret, 0});
  return true;
}

bool Control::Choose(int index) {
  if (!IsListKind(kind_) || !Reachable()) return false;
  SetFocus();
  return SetListIndex(index);
}

bool Control::Reachable() const { return EffectivelyEnabled() && EffectivelyVisible(); }

int Control::CodePointLength() const { return Length(text_); }

void Control::PressKey(char32_t codePoint) {
  int key = static_cast<int>(codePoint);
  RunGuarded(running_[kKeyPress], onKeyPress_, key);
  if (key <= 0 || readOnly_) return;

  const std::size_t begin = ByteOffset(text_, selection_.start);
  const std::size_t end = ByteOffset(text_, selection_.start + selection_.length);
  std::string text = text_;
  if (key == kBackspace) {
    if (selection_.length > 0) {
      text.erase(begin, end - begin);
      EditText(std::move(text), {selection_.start, 0});
    } else if (selection_.start > 0) {
      const std::string_view before = std::string_view(text_).substr(0, begin);
      const int removed = multiLine_ && before.ends_with(kLineBreak) ? 2 : 1;
      const std::size_t from = ByteOffset(text_, selection_.start - removed);
      text.erase(from, begin - from);
      EditText(std::move(text), {selection_.start - removed, 0});
    }
    return;
  }
  std::string insertion;
  if (key == kEnter) {
    if (!multiLine_) return;
    insertion = kLineBreak;
  } else if (key < 32 || key == kDeleteCode) {
    return;
  } else {
    AppendCodePoint(insertion, static_cast<char32_t>(key));
  }
  const int inserted = Length(insertion);
  if (maxLength_ > 0 && CodePointLength() - selection_.length + inserted > maxLength_) return;
  text.replace(begin, end - begin, insertion);
  EditText(std::move(text), {selection_.start + inserted, 0});
}

void Control::EditText(std::string text, TextSelection selection) {
  const bool changed = text != text_;
  text_ = std::move(text);
  SetSelection(selection.start, selection.length);
  if (changed) RunGuarded(running_[kChange], onChange_);
}

void Control::RunFocusEvent(bool gained) {
  if (gained) {
    RunGuarded(running_[kGotFocus], onGotFocus_);
  } else {
    RunGuarded(running_[kLostFocus], onLostFocus_);
  }
}

}  // namespace vexilor
