#pragma once
// Reference lists as the tests write them: the lines of a sys.dat or
// ellips.dat, in order.

#include <initializer_list>

#include "refdata/reference_lines.h"

namespace vexilor::testing {

inline ReferenceLines ListOf(std::initializer_list<const char*> texts) {
  ReferenceLines lines;
  for (const char* text : texts) lines.Append(text);
  return lines;
}

}  // namespace vexilor::testing
