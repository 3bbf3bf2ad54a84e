#include "cli_catalogue.h"

#include "refdata/system_choice.h"
#include "refdata/system_lookup.h"
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
  const std::int16_t index = FindSystemLine(c.systems, side.system);
  if (index == 0)
    return CliFailure{std::string(option) + " " + side.system + ": no such system in " + c.SystemsPath(),
                      kExitUsage};
  SystemChoice choice;
  const ChoiceOutcome outcome = ChooseSystem(c.systems, c.ellipsoids, index, choice);
  if (outcome.error != ChoiceError::kNone)
    return CliFailure{ChoiceText(outcome, side.system, c.SystemsPath(), c.EllipsoidsPath()), kExitDataError};
  out = {choice.name, choice.baseName, side.type, choice.vector};
  return std::nullopt;
}

}  // namespace vexilor
