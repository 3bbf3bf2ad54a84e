#include "form/form.h"

#include <algorithm>

#include "form/guarded_run.h"

namespace vexilor {

Form::Form(std::string name, std::string caption) : name_(std::move(name)), caption_(std::move(caption)) {}

Control& Form::Add(ControlDesign spec) {
  controls_.push_back(std::unique_ptr<Control>(new Control(*this, std::move(spec))));
  Control& control = *controls_.back();
  if (control.Kind() != ControlKind::kMenu) tabOrder_.push_back(&control);
  return control;
}

Control* Form::Find(std::string_view name, int index) const {
  for (const auto& control : controls_) {
    if (control->Name() == name && control->Index() == index) return control.get();
  }
  return nullptr;
}

std::vector<Control*> Form::Array(std::string_view name) const {
  std::vector<Control*> elements;
  for (const auto& control : controls_) {
    if (control->Name() == name && control->Index() != kNoIndex) elements.push_back(control.get());
  }
  std::sort(elements.begin(), elements.end(),
            [](const Control* a, const Control* b) { return a->Index() < b->Index(); });
  return elements;
}

Form& Form::OnLoad(Handler handler) {
  onLoad_ = std::move(handler);
  return *this;
}

Form& Form::OnActivate(Handler handler) {
  onActivate_ = std::move(handler);
  return *this;
}

Form& Form::OnQueryUnload(CancelHandler handler) {
  onQueryUnload_ = std::move(handler);
  return *this;
}

Form& Form::OnUnload(CancelHandler handler) {
  onUnload_ = std::move(handler);
  return *this;
}

void Form::Load() {
  if (loaded_) return;
  loaded_ = true;
  if (onLoad_) onLoad_();
}

bool Form::RequestClose() {
  if (closing_) return false;
  bool cancel = false;
  RunGuarded(closing_, [this, &cancel] {
    if (onQueryUnload_) onQueryUnload_(cancel);
    if (!cancel && onUnload_) onUnload_(cancel);
  });
  if (cancel) return false;
  Hide();
  return true;
}

bool Form::PressEnter() {
  if (focused_ != nullptr && focused_->Kind() == ControlKind::kButton) return focused_->Click();
  return defaultButton_ != nullptr && defaultButton_->Click();
}

bool Form::PressEscape() { return cancelButton_ != nullptr && cancelButton_->Click(); }

bool Form::PressTab(bool backwards) {
  const auto count = static_cast<int>(tabOrder_.size());
  const auto current = std::find(tabOrder_.begin(), tabOrder_.end(), focused_);
  int at = current == tabOrder_.end() ? (backwards ? count : -1) : static_cast<int>(current - tabOrder_.begin());
  for (int step = 0; step < count; ++step) {
    at = (at + (backwards ? count - 1 : 1)) % count;
    Control& next = *tabOrder_[static_cast<std::size_t>(at)];
    if (&next != focused_ && next.SetFocus()) return true;
  }
  return false;
}

void Form::MoveInTabOrder(Control& control, int index) {
  const auto current = std::find(tabOrder_.begin(), tabOrder_.end(), &control);
  if (current == tabOrder_.end()) return;
  tabOrder_.erase(current);
  const auto place = static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(tabOrder_.size())));
  tabOrder_.insert(tabOrder_.begin() + static_cast<std::ptrdiff_t>(place), &control);
}

void Form::Activate() { RunGuarded(activating_, onActivate_); }

void Form::MoveFocus(Control* target) {
  const unsigned move = ++focusMoves_;
  if (focused_ == target) return;
  if (focused_ != nullptr) focused_->RunFocusEvent(false);
  if (focusMoves_ != move) return;  // the LostFocus handler moved the focus itself
  focused_ = target;
  if (target != nullptr) target->RunFocusEvent(true);
}

void Form::ClearOtherOptions(const Control& chosen) {
  for (const auto& control : controls_) {
    if (control.get() != &chosen && control->Kind() == ControlKind::kOption &&
        control->Group() == chosen.Group()) {
      control->checked_ = false;
    }
  }
}

}  // namespace vexilor
