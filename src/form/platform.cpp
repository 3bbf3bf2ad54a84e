#include "form/platform.h"

#include <algorithm>
#include <iterator>

#include "form/form.h"

namespace vexilor {

void Platform::Show(Form& form) {
  if (!Present(form)) return;
  if (std::find(shown_.begin(), shown_.end(), &form) == shown_.end()) shown_.push_back(&form);
  if (form.Visible()) OnShown(form);
}

bool Platform::ShowModal(Form& form) {
  if (form.Visible() || quitRequested_) return false;
  shown_.push_back(&form);
  form.SetModal(true);
  if (Present(form) && form.Visible()) {
    OnShown(form);
    RunModal(form);
  }
  form.SetModal(false);
  if (quitRequested_) form.Hide();
  shown_.erase(std::prev(std::find(shown_.rbegin(), shown_.rend(), &form).base()));
  if (Form* previous = ActiveForm(); previous != nullptr && !quitRequested_) previous->Activate();
  return true;
}

Form* Platform::ActiveForm() const {
  const auto showing = std::find_if(shown_.rbegin(), shown_.rend(), [](const Form* f) { return f->Visible(); });
  return showing == shown_.rend() ? nullptr : *showing;
}

Form* Platform::OwnerOf(const Form& form) const {
  const auto shown = std::find(shown_.rbegin(), shown_.rend(), &form);
  if (shown == shown_.rend()) return nullptr;
  const auto owner = std::find_if(std::next(shown), shown_.rend(), [](const Form* f) { return f->Visible(); });
  return owner == shown_.rend() ? nullptr : *owner;
}

void Platform::Quit() {
  if (quitRequested_) return;
  quitRequested_ = true;
  EndProgram();
}

BeepFn Platform::Beeper() {
  return [this] { Beep(); };
}

bool Platform::Present(Form& form) {
  if (quitRequested_) return false;
  form.Load();
  if (quitRequested_) return false;
  form.MakeVisible();
  form.Activate();
  return true;
}

}  // namespace vexilor
