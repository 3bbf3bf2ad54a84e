#include "engine/results_writer.h"

#include <random>
#include <system_error>

#include "text/codepage.h"

namespace vexilor {
namespace {

constexpr int kNameAttempts = 100;

// "<results name>.<random>.tmp": a name no other run picks at the same time.
std::filesystem::path TemporaryName(const std::filesystem::path& target, std::mt19937_64& random) {
  std::filesystem::path name = target;
  name += "." + std::to_string(random() % 1000000000) + ".tmp";
  return name;
}

bool Put(std::FILE* file, const std::string& line) {
  const std::string bytes = Utf8ToCp1251(line) + "\r\n";
  return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

}  // namespace

ResultsWriter::~ResultsWriter() { Discard(); }

bool ResultsWriter::Create(const std::filesystem::path& resultsPath) {
  Discard();
  std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0; attempt < kNameAttempts && file_ == nullptr; ++attempt) {
    temporary_ = TemporaryName(resultsPath, random);
    // "x": create only, never open a file that is already there.
    file_ = std::fopen(temporary_.c_str(), "wbx");
  }
  target_ = resultsPath;
  failed_ = false;
  return file_ != nullptr;
}

void ResultsWriter::WriteLine(const std::string& line) {
  if (file_ != nullptr && !failed_ && !Put(file_, line)) failed_ = true;
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
  std::error_code error;
  if (!failed_ && flushed && closed) {
    std::filesystem::rename(temporary_, target_, error);
    if (!error) return true;
  }
  std::filesystem::remove(temporary_, error);
  return false;
}

void ResultsWriter::Discard() {
  if (file_ == nullptr) return;
  std::fclose(file_);
  file_ = nullptr;
  std::error_code ignored;
  std::filesystem::remove(temporary_, ignored);
}

bool AppendResultLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return false;
  bool written = true;
  for (const std::string& line : lines) written = written && Put(file, line);
  written = std::fflush(file) == 0 && written;
  return std::fclose(file) == 0 && written;
}

}  // namespace vexilor
