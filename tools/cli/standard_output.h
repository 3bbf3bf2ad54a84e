#pragma once
// Standard output that knows whether everything written to it arrived. A
// full disk (> /dev/full) or a reader gone while SIGPIPE is ignored fails a
// write; the first failure is kept, later output is refused, and the
// program's exit status says so instead of success.

#include <array>
#include <ostream>
#include <streambuf>
#include <string>

namespace vexilor {

// Standard output as messages name it.
inline const std::string kStandardOutputName = "(standard output)";

class CheckedOutput : public std::streambuf {
 public:
  // Takes the place of `stream`'s buffer, writing to `descriptor`.
  CheckedOutput(std::ostream& stream, int descriptor);
  // Gives `stream` its buffer back, writing out what is left first.
  ~CheckedOutput() override;
  CheckedOutput(const CheckedOutput&) = delete;
  CheckedOutput& operator=(const CheckedOutput&) = delete;

  // Writes out what is buffered and returns `status`; when some output was
  // lost, says so on `err` and returns the results-file status for a
  // `status` of 0 (a run that failed keeps its own).
  int Finish(int status, std::ostream& err);

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool Drain();

  std::ostream& stream_;
  std::streambuf* previous_;
  int descriptor_;
  int error_ = 0;  // errno of the first failed write
  std::array<char, 1 << 16> buffer_{};
};

}  // namespace vexilor
