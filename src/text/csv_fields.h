#pragma once
// The fields of one line of delimited text, as spreadsheets write it (CSV):
// fields separated by one delimiter character; a field that begins with a
// double quote runs to its closing quote, a doubled quote inside it standing
// for one ("a;""b"" c;d" holds the field "b" c within its quotes). A line is
// one record: a quoted field cannot hold a line break.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vexilor {

// Splits off the first fields of `line` into `fields` (as many as it
// holds, up to its size), each as the line writes it, quotes included.
// Returns how many were found; `rest` is where the rest of the line begins:
// at the delimiter after the last field split off, or line.size(). A
// quote left open runs to the end of the line.
std::size_t SplitCsvFields(std::string_view line, char delimiter, std::span<std::string_view> fields,
                           std::size_t& rest);

// Every field of `line`, as SplitCsvFields gives them. An empty line holds
// one empty field.
std::vector<std::string_view> CsvFields(std::string_view line, char delimiter);

// What a field says: blanks around it dropped, then its enclosing quotes,
// a doubled quote inside made one.
std::string CsvFieldText(std::string_view field);

}  // namespace vexilor
