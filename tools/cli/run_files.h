#pragma once
// The INPUT and OUTPUT of a vexilor-cli run as files the engine opens.
//
// "-" stands for standard input or output. Standard input is read to its
// end into a temporary file before the run, so that the type line can be
// checked and the progress bar knows the size; the results are written to
// a temporary file and go to standard output when the run ends, also when
// it fails (the lines written before the failure, as a results file keeps
// them). On a terminal they are shown in UTF-8 with LF line ends; anywhere
// else they are the results file's own bytes (Windows-1251, CR LF), so that
// `vexilor-cli ... IN - > OUT` writes what OUTPUT would hold.

#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "temporary_file.h"

namespace vexilor {

// A failure to report: one line of text and the exit status.
struct CliFailure {
  std::string text;
  int status = 0;
};

inline const std::string kStandardStream = "-";

class RunFiles {
 public:
  // Takes INPUT and OUTPUT as given on the command line, reading standard
  // input from `in` when INPUT is "-". Fails plainly for an input that is
  // missing, a folder or unreadable (exit status 109); for an output that is
  // the input (64); for an output whose folder does not exist, that is a
  // folder or cannot be written (108).
  std::optional<CliFailure> Prepare(const std::string& input, const std::string& output, std::istream& in);

  // The files the engine opens.
  std::string SourcePath() const { return source_.path; }
  std::string ResultsPath() const { return results_.path; }
  // The files as messages name them.
  const std::string& SourceName() const { return source_.name; }
  const std::string& ResultsName() const { return results_.name; }

  // With OUTPUT "-": the results written so far, to `out`; with
  // `forTerminal`, results in Windows-1251 are shown in UTF-8 with LF. Stops
  // at the first failed write, which `out` keeps (CheckedOutput reports it).
  void Deliver(std::ostream& out, bool forTerminal) const;

 private:
  struct File {
    std::string path, name;
    std::optional<TemporaryFile> temporary;  // standing for "-"
  };

  std::optional<CliFailure> TakeSource(const std::string& input, std::istream& in);
  std::optional<CliFailure> TakeResults(const std::string& output);

  File source_, results_;
};

}  // namespace vexilor
