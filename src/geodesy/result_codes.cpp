#include "geodesy/result_codes.h"

#include <ostream>

namespace vexilor {

std::ostream& operator<<(std::ostream& out, ResultCode code) {
  return out << static_cast<int>(code);
}

}  // namespace vexilor
