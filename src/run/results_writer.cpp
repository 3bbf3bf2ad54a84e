#include "run/results_writer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <system_error>

#include "run/results_target.h"

namespace vexilor {
namespace {

constexpr int kNameAttempts = 100;

// "<results name>.<random>.tmp": a name no other run picks at the same time.
std::filesystem::path TemporaryName(const std::filesystem::path& target, std::mt19937_64& random) {
  std::filesystem::path name = target;
  name += "." + std::to_string(random() % 1000000000) + ".tmp";
  return name;
}

// Gives the new file the permissions of the file it replaces, and its owner
// and group where the user may (root may; an ordinary user's new file stays
// theirs). A file not there yet keeps those of its creation.
bool KeepOwnerAndMode(std::FILE* file, const std::filesystem::path& replaced) {
  struct stat old {};
  if (::stat(replaced.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return true;
  const int descriptor = ::fileno(file);
  if (::fchown(descriptor, old.st_uid, old.st_gid) != 0) {
    // Not permitted: the owner is the user who runs the program.
  }
  // After the owner: a change of owner clears the set-user-ID bits.
  return ::fchmod(descriptor, old.st_mode & 07777) == 0;
}

}  // namespace

ResultsWriter::~ResultsWriter() { Discard(); }

bool ResultsWriter::Create(const std::filesystem::path& resultsPath) {
  Discard();
  failed_ = false;
  const ResultsTarget target = ResultsTargetOf(resultsPath);
  target_ = target.path;
  temporary_.clear();
  if (!target.direct) return CreateBeside(target.path);
  file_ = std::fopen(target.path.c_str(), "wb");
  return file_ != nullptr;
}

bool ResultsWriter::CreateBeside(const std::filesystem::path& target) {
  std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0; attempt < kNameAttempts && file_ == nullptr; ++attempt) {
    temporary_ = TemporaryName(target, random);
    // Held before it exists, so that no signal finds the file unheld.
    removal_.emplace(temporary_);
    // "x": create only, never open a file that is already there.
    file_ = std::fopen(temporary_.c_str(), "wbx");
  }
  if (file_ == nullptr) {
    removal_.reset();
    return false;
  }
  if (KeepOwnerAndMode(file_, target)) return true;
  Discard();
  return false;
}

void ResultsWriter::WriteEncoded(std::string_view bytes) {
  if (file_ != nullptr && !failed_ &&
      std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
    failed_ = true;
}

bool ResultsWriter::Commit() {
  if (file_ == nullptr) return false;
  const bool flushed = std::fflush(file_) == 0 && std::ferror(file_) == 0;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  const bool written = !failed_ && flushed && closed;
  if (temporary_.empty()) return written;
  std::error_code error;
  if (written) std::filesystem::rename(temporary_, target_, error);
  const bool renamed = written && !error;
  if (!renamed) std::filesystem::remove(temporary_, error);
  removal_.reset();
  return renamed;
}

void ResultsWriter::Discard() {
  if (file_ == nullptr) return;
  std::fclose(file_);
  file_ = nullptr;
  std::error_code ignored;
  if (!temporary_.empty()) std::filesystem::remove(temporary_, ignored);
  removal_.reset();
}

bool WriteWholeFile(const std::filesystem::path& path, std::string_view bytes) {
  ResultsWriter writer;
  if (!writer.Create(path)) return false;
  writer.WriteEncoded(bytes);
  return writer.Commit();
}

bool AppendResultBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = std::fflush(file) == 0 && written;
  return std::fclose(file) == 0 && written;
}

}  // namespace vexilor
