#pragma once
// Upper-casing as the reference files need it: names typed by the user are
// compared with the first words of keys.dat and with system codes without
// regard to case.

#include <string>
#include <string_view>

namespace vexilor {

// `text` (UTF-8) with every lower-case letter of the files' code page,
// Windows-1251, made upper-case: Latin a-z and the Cyrillic letters (а-я,
// ё, ђ, ѓ, є, ѕ, і, ї, ј, љ, њ, ћ, ќ, ў, џ, ґ). Everything else is kept.
std::string UpperCase(std::string_view text);

}  // namespace vexilor
