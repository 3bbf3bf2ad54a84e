#pragma once
// Everything the route between systems needs to know about one side of a
// transformation, as eleven numbers numbered from 1:
//   [1] semi-major axis (m) and [2] inverse flattening of the system's own ellipsoid
//   [3] semi-major axis (m) and [4] inverse flattening of its base's ellipsoid
//   [5]..[11] the system's link to its base: Dx, Dy, Dz, Wx, Wy, Wz, m

#include <array>
#include <cstddef>

#include "geodesy/ellipsoid.h"
#include "geodesy/link_params.h"

namespace vexilor {

struct SystemVector {
  std::array<double, 11> values{};

  // Places numbered from 1, as the catalogue names them.
  double& operator[](int i) { return values[static_cast<std::size_t>(i - 1)]; }
  double operator[](int i) const { return values[static_cast<std::size_t>(i - 1)]; }

  // The system's own ellipsoid, places [1] and [2].
  EllipsoidAxes Own() const { return {values[0], values[1]}; }
  void SetOwn(const EllipsoidAxes& e) {
    values[0] = e.a;
    values[1] = e.inverseFlattening;
  }

  // The ellipsoid of the system's base, places [3] and [4].
  EllipsoidAxes Base() const { return {values[2], values[3]}; }
  void SetBase(const EllipsoidAxes& e) {
    values[2] = e.a;
    values[3] = e.inverseFlattening;
  }

  // The link to the base, places [5] to [11].
  LinkParams Link() const {
    LinkParams link{};
    for (std::size_t k = 0; k < link.size(); ++k) link[k] = values[k + 4];
    return link;
  }
  void SetLink(const LinkParams& link) {
    for (std::size_t k = 0; k < link.size(); ++k) values[k + 4] = link[k];
  }
};

}  // namespace vexilor
