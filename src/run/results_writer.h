#pragma once
// Writing a results file so that a run killed midway, or a disk that fills
// up, never leaves a truncated file under the results name and never
// destroys the results file of an earlier run.
//
// A file run writes into a temporary file beside the results file (same
// folder, so that the final rename stays on one file system) and renames it
// over the results name when the run is done; the file it replaces keeps
// its permissions (and its owner, where the user may give it). A name that
// is a symbolic link has its final target replaced; a FIFO, a device or a
// descriptor is written straight (results_target.h). What is written comes
// as bytes in the results' own encoding (results_composer.h).

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "run/removed_on_signal.h"

namespace vexilor {

class ResultsWriter {
 public:
  ResultsWriter() = default;
  ResultsWriter(const ResultsWriter&) = delete;
  ResultsWriter& operator=(const ResultsWriter&) = delete;
  // A file neither committed nor discarded is discarded.
  ~ResultsWriter();

  // Creates the temporary file beside `resultsPath`, or opens a FIFO or a
  // device there. False when it cannot be created (a missing or read-only
  // folder) or opened. A signal that ends the program removes the
  // temporary file (RemoveHeldFilesOnSignals).
  bool Create(const std::filesystem::path& resultsPath);

  // Bytes as they are (any encoding, with their own line ends). A failed
  // write is remembered and reported by Commit.
  void WriteEncoded(std::string_view bytes);

  // Flushes and closes the temporary file and renames it over the results
  // name. False when any write, the close or the rename failed; the
  // temporary file is then removed and the results name keeps what it held.
  // Written straight, nothing is renamed; a failed write or close is false.
  bool Commit();

  // Closes and removes the temporary file; the results name keeps what it
  // held (written straight, it keeps what was written).
  void Discard();

 private:
  bool CreateBeside(const std::filesystem::path& target);

  std::FILE* file_ = nullptr;
  std::filesystem::path temporary_, target_;  // temporary_ empty: written straight
  std::optional<RemovedOnSignal> removal_;
  bool failed_ = false;
};

// Writes `bytes` as the whole file at `path`, as a ResultsWriter puts a
// file in place. False when it cannot be created or written.
bool WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);

// Appends `bytes` to the results file at `path` (created when missing), as
// typed points are added one by one to the file the first of them started.
// False when the file cannot be opened or a write fails.
bool AppendResultBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace vexilor
