#pragma once
// What the new-system window may do to the catalogue window besides changing
// the shared catalogue lists: show the entry it added, selected.

#include <cstdint>

namespace vexilor {

class CatalogueHooks {
 public:
  virtual ~CatalogueHooks() = default;
  // lstSys lists the system lines again and selects line `position`
  // (1-based), whose selection handler shows the entry; once the catalogue
  // is active again its OK takes the focus.
  virtual void ShowAddedEntry(std::int16_t position) = 0;
};

}  // namespace vexilor
