#pragma once
// Switches the C library's LC_NUMERIC to an installed locale whose decimal
// separator is a comma, for the lifetime of the object, and back afterwards;
// and the two separators handed to the helpers directly.

#include <clocale>
#include <string>

#include "text/number_text.h"

namespace vexilor {

inline const NumericLocale kDotLocale{"."};
inline const NumericLocale kCommaLocale{","};

class ScopedCommaLocale {
 public:
  ScopedCommaLocale() : saved_(std::setlocale(LC_NUMERIC, nullptr)) {
    for (const char* name : {"ru_RU.UTF-8", "ru_RU.utf8", "de_DE.UTF-8", "de_DE.utf8"}) {
      if (std::setlocale(LC_NUMERIC, name) != nullptr) {
        active_ = true;
        return;
      }
    }
  }
  ~ScopedCommaLocale() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
  ScopedCommaLocale(const ScopedCommaLocale&) = delete;
  ScopedCommaLocale& operator=(const ScopedCommaLocale&) = delete;

  // False when no such locale is installed; the caller then skips.
  bool active() const { return active_; }

 private:
  std::string saved_;
  bool active_ = false;
};

}  // namespace vexilor
