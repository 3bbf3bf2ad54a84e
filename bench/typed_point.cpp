// How long a typed point with normal heights takes, as the main window's
// «Выполнить» runs it: СК-42 B L H to WGS-84 B L H through ПЗ-90, the
// quasi-geoid heights of both sides from the standard grid. Every run is a
// run of its own, so each one finds and opens the grid and reads its windows
// again - the cost a user meets at every press. The catalogue is loaded once
// beforehand, as the window has it loaded when a point is typed.
//
//   typed_point PROGRAM_FOLDER [RUNS]     (default 200 runs)
//
// Prints the first run of the process and the median and worst of the rest,
// in milliseconds.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "geodesy/angle_constants.h"
#include "run/run_transformation.h"
#include "refdata/reference_file.h"
#include "refdata/reference_path.h"
#include "refdata/route_choice.h"

namespace vexilor {
namespace {

bool BuildRequest(const std::string& folder, RunRequest& r) {
  SystemLines systems;
  EllipsoidLines ellipsoids;
  if (LoadSystemLines(ReferenceFilePath(folder, kSystemsFileName), systems) != ReferenceFileError::kNone ||
      LoadEllipsoidLines(ReferenceFilePath(folder, kEllipsoidsFileName), ellipsoids) !=
          ReferenceFileError::kNone) {
    std::fprintf(stderr, "typed_point: no catalogue in %s\n", folder.c_str());
    return false;
  }
  if (ChooseGeodeticRoute(systems, ellipsoids, "CK42", "WGS84", r.route).error != RouteError::kNone) {
    std::fprintf(stderr, "typed_point: no route from CK42 to WGS84 in %s\n", folder.c_str());
    return false;
  }
  r.route.heights = HeightType::Normal;
  r.route.gridFile = ReferenceFilePath(folder, kStandardGridFileName);
  r.typedPoint = {55.75 * kRadiansPerDegree, 37.62 * kRadiansPerDegree, 150.0};
  return true;
}

double RunOnceMs(const RunRequest& request) {
  RunCounters counters;
  std::int16_t headerWritten = 0;
  RunResult result;
  const auto start = std::chrono::steady_clock::now();
  const ResultCode code = RunTransformation(request, counters, headerWritten, result);
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  if (code != kOk) {
    std::fprintf(stderr, "typed_point: the run failed with code %d\n", static_cast<int>(code));
    std::exit(1);
  }
  return took.count();
}

}  // namespace
}  // namespace vexilor

int main(int argc, char** argv) {
  using namespace vexilor;
  if (argc < 2) {
    std::fprintf(stderr, "usage: typed_point PROGRAM_FOLDER [RUNS]\n");
    return 64;
  }
  const int runs = argc > 2 ? std::max(2, std::atoi(argv[2])) : 200;
  RunRequest request;
  if (!BuildRequest(argv[1], request)) return 1;
  const double first = RunOnceMs(request);
  std::vector<double> rest;
  for (int i = 1; i < runs; ++i) rest.push_back(RunOnceMs(request));
  std::sort(rest.begin(), rest.end());
  std::printf("%.2f %.2f %.2f\n", first, rest[rest.size() / 2], rest.back());
  return 0;
}
