#pragma once
// Reaching a form's controls by name in tests.

#include <stdexcept>
#include <string>
#include <string_view>

#include "form/form.h"

namespace vexilor {

// The control `name`(`index`) of `form`. A missing control throws, which
// GoogleTest reports as a failure of the running test, naming the control.
inline Control& ControlOf(const Form& form, std::string_view name, int index = kNoIndex) {
  Control* control = form.Find(name, index);
  if (control == nullptr) {
    throw std::logic_error("no control " + std::string(name) +
                           (index == kNoIndex ? "" : "(" + std::to_string(index) + ")") + " on " + form.Name());
  }
  return *control;
}

}  // namespace vexilor
