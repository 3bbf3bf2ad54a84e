#pragma once
// Finding a catalogue system by what a user writes for it: its full name or
// the short code in its closing brackets ("CK42", "CK95", "WGS84", "ПЗ-90").

#include <cstdint>
#include <string_view>

#include "refdata/reference_lines.h"

namespace vexilor {

// The code of a system name: the text between the last "(" and the ")" that
// ends the name ("CK42" for "Russia 1942 Coordinate Reference System
// (CK42)"); empty when the name does not end in brackets.
std::string_view SystemCode(std::string_view name);

// 1-based index of the system that `query` names, 0 when none: first the
// first line whose name equals the query (runs of blanks count as one, case
// counts), else the first line whose code equals it without regard to case,
// or spelt in Latin letters without hyphens: "PZ90" also stands for the code
// "ПЗ-90", "GSK2011" for "ГСК-2011". Lines that are not records are passed
// over.
std::int16_t FindSystemLine(const SystemLines& systems, std::string_view query);

}  // namespace vexilor
