#include "text/key_filter.h"

namespace vexilor {
namespace {

bool IsNumericKey(int key) {
  return (key >= '0' && key <= '9') || key == ' ' || key == '+' || key == '-' || key == '.' ||
         key == kBackspaceKey;
}

}  // namespace

int FilterNumericKey(int key, const BeepFn& beep) {
  if (key == 0 || IsNumericKey(key)) return key;
  if (beep) beep();
  return 0;
}

}  // namespace vexilor
