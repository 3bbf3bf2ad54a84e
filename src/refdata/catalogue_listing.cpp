#include "refdata/catalogue_listing.h"

#include <vector>

#include "text/words.h"
#include "refdata/record_fields.h"

namespace vexilor {
namespace {

// Words after the name: ellipsoid number, seven link values, parent code and
// the parent's ellipsoid number.
constexpr std::size_t kFieldWords = 10;

}  // namespace

std::string_view CatalogueTitle(Side side) {
  return side == Side::Source ? "Выбор системы для исходных координат" : "Выбор системы для преобразованных координат";
}

std::string SystemListName(std::string_view line) {
  const std::vector<std::string> words = SplitWords(line, kListingWordCapacity);
  if (words.size() <= kFieldWords) return {};
  return JoinWords(words, 0, words.size() - kFieldWords);
}

std::vector<std::string> SystemListNames(const SystemLines& systems) {
  std::vector<std::string> names;
  for (const std::string& line : systems) names.push_back(SystemListName(line));
  return names;
}

}  // namespace vexilor
