#include "cli_catalogue.h"

#include "refdata/route_choice.h"
#include "terminal_messages.h"

namespace vexilor {

std::optional<CliFailure> LoadCatalogue(Catalogue& c) {
  if (const auto e = LoadSystemLines(c.SystemsPath(), c.systems); e != ReferenceFileError::kNone)
    return CliFailure{ReferenceFileText(e, c.SystemsPath()), kExitDataError};
  if (const auto e = LoadEllipsoidLines(c.EllipsoidsPath(), c.ellipsoids); e != ReferenceFileError::kNone)
    return CliFailure{ReferenceFileText(e, c.EllipsoidsPath()), kExitDataError};
  return std::nullopt;
}

std::optional<CliFailure> ChooseSide(const Catalogue& c, const CliSide& side, const char* option, SystemSide& out) {
  const RouteChoice choice = ChooseCatalogueSide(c.systems, c.ellipsoids, side.system, side.type, out);
  if (choice.error == RouteError::kSystemMissing)
    return CliFailure{std::string(option) + " " + side.system + ": no such system in " + c.SystemsPath(),
                      kExitUsage};
  if (choice.error == RouteError::kSystemDamaged)
    return CliFailure{ChoiceText(choice.outcome, side.system, c.SystemsPath(), c.EllipsoidsPath()), kExitDataError};
  return std::nullopt;
}

}  // namespace vexilor
