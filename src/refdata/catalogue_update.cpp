#include "refdata/catalogue_update.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "refdata/coord_system_record.h"
#include "refdata/ellipsoid_record.h"
#include "refdata/ellipsoid_references.h"
#include "refdata/file_replace.h"
#include "refdata/new_system.h"
#include "refdata/reference_path.h"
#include "refdata/system_lookup.h"
#include "text/text_edit.h"
#include "text/words.h"

namespace vexilor {
namespace {

namespace fs = std::filesystem;

constexpr int kFirstRevision = 1;

struct Addition {
  int revision = 0;
  std::string name;
};

int RevisionIn(std::string_view word) {
  int revision = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), revision);
  return error == std::errc() && end == word.data() + word.size() ? revision : 0;
}

// The additions of the program's catalogue; none when it has no such file
// (a catalogue of the first revision).
std::vector<Addition> ReadAdditions(const std::string& programFolder) {
  std::vector<std::string> lines;
  std::vector<Addition> additions;
  if (ReadReferenceLines(ReferenceFilePath(programFolder, kAdditionsFileName), lines) != ReferenceFileError::kNone)
    return additions;
  for (const std::string& line : lines) {
    const std::vector<std::string> words = SplitWords(line, kRecordWordCapacity);
    if (words.size() < 2) continue;
    if (const int revision = RevisionIn(words[0]); revision > kFirstRevision)
      additions.push_back({revision, JoinWords(words, 1, words.size() - 1)});
  }
  return additions;
}

int CopyRevision(const fs::path& userFolder) {
  std::vector<std::string> lines;
  if (ReadReferenceLines(ReferenceFilePath(userFolder.string(), kCatalogueRevisionFileName), lines) !=
          ReferenceFileError::kNone ||
      lines.empty()) {
    return kFirstRevision;
  }
  return std::max(kFirstRevision, RevisionIn(TrimBlanks(lines[0])));
}

// The user's number for the program's ellipsoid `number`: the user's own
// ellipsoid of that name and geometry, or the program's appended to the
// user's list under a number no line uses.
std::optional<std::int16_t> UserEllipsoid(std::int16_t number, const EllipsoidLines& program, EllipsoidLines& user,
                                          const SystemLines& userSystems, bool& appended) {
  Ellipsoid wanted;
  if (FindEllipsoid(program, number, wanted) != EllipsoidSearch::kFound) return std::nullopt;
  if (const std::optional<Ellipsoid> own = FindEllipsoidNamed(user, wanted.name, LetterCase::kExact);
      own && HasGeometry(*own, wanted.a, wanted.invf)) {
    return own->number;
  }
  std::int16_t fresh = 0;
  if (NextEllipsoidNumber(user, LargestEllipsoidNumberUsed(userSystems), fresh) != EllipsoidNumbering::kNumbered)
    return std::nullopt;
  user.Append(FormatEllipsoidLine({wanted.name, fresh, wanted.a, wanted.invf}));
  appended = true;
  return fresh;
}

struct Catalogue {
  SystemLines systems;
  EllipsoidLines ellipsoids;
};

ReferenceFileError Load(const std::string& folder, Catalogue& c) {
  const ReferenceFileError error = LoadSystemLines(ReferenceFilePath(folder, kSystemsFileName), c.systems);
  if (error != ReferenceFileError::kNone) return error;
  return LoadEllipsoidLines(ReferenceFilePath(folder, kEllipsoidsFileName), c.ellipsoids);
}

// Adds the program's system `name` to `user`; false when the program's
// catalogue cannot give it whole.
bool AddSystem(const std::string& name, const Catalogue& program, Catalogue& user, bool& ellipsoidsAppended) {
  CoordSystem system;
  const std::int16_t index = FindSystemLine(program.systems, name);
  if (index == 0 || ParseSystemLine(program.systems.Item(index), system) != RecordError::kNone) return false;
  const auto own = UserEllipsoid(system.ellipsoidNumber, program.ellipsoids, user.ellipsoids, user.systems,
                                 ellipsoidsAppended);
  const auto parent = UserEllipsoid(system.parentEllipsoidNumber, program.ellipsoids, user.ellipsoids,
                                    user.systems, ellipsoidsAppended);
  if (!own || !parent) return false;
  system.ellipsoidNumber = *own;
  system.parentEllipsoidNumber = *parent;
  return InsertSorted(user.systems, FormatSystemLine(system));
}

}  // namespace

CatalogueUpdate UpdateUserCatalogue(const fs::path& programFolder, const fs::path& userFolder) {
  CatalogueUpdate update;
  const std::vector<Addition> additions = ReadAdditions(programFolder.string());
  const int from = CopyRevision(userFolder);
  int latest = kFirstRevision;
  for (const Addition& a : additions) latest = std::max(latest, a.revision);
  if (from >= latest) return update;

  Catalogue program, user;
  if ((update.error = Load(programFolder.string(), program)) != ReferenceFileError::kNone ||
      (update.error = Load(userFolder.string(), user)) != ReferenceFileError::kNone) {
    return update;
  }
  bool ellipsoidsAppended = false;
  for (const Addition& a : additions) {
    if (a.revision <= from || HasSystemNamed(user.systems, a.name)) continue;
    if (AddSystem(a.name, program, user, ellipsoidsAppended)) update.addedSystems.push_back(a.name);
  }
  // ellips.dat first: sys.dat never names an ellipsoid the other lacks.
  const std::string folder = userFolder.string();
  if (ellipsoidsAppended) {
    update.error = ReplaceReferenceFile(ReferenceKind::kEllipsoids, folder, user.ellipsoids, BackupChoice::kMakeBackup);
  }
  if (update.error == ReferenceFileError::kNone && !update.addedSystems.empty()) {
    update.error = ReplaceReferenceFile(ReferenceKind::kSystems, folder, user.systems, BackupChoice::kMakeBackup);
  }
  if (update.error != ReferenceFileError::kNone) {
    update.addedSystems.clear();
    return update;
  }
  ReplaceFileBytes(userFolder / kCatalogueRevisionFileName, std::to_string(latest) + "\r\n");
  return update;
}

}  // namespace vexilor
