#include "standard_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "terminal_messages.h"

namespace vexilor {

CheckedOutput::CheckedOutput(std::ostream& stream, int descriptor)
    : stream_(stream), previous_(stream.rdbuf(this)), descriptor_(descriptor) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

CheckedOutput::~CheckedOutput() {
  Drain();
  stream_.rdbuf(previous_);
}

int CheckedOutput::Finish(int status, std::ostream& err) {
  stream_.flush();
  Drain();
  if (error_ == 0) return status;
  err << "vexilor-cli: " << kStandardOutputName << ": writing failed: " << std::strerror(error_) << "\n";
  return status != 0 ? status : ExitStatusOf(kResultsFileNotWritten);
}

CheckedOutput::int_type CheckedOutput::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int CheckedOutput::sync() { return Drain() ? 0 : -1; }

// Writes the buffer out; false once a write has failed. What a failed
// write left is dropped: it cannot arrive in order any more.
bool CheckedOutput::Drain() {
  const char* next = pbase();
  while (error_ == 0 && next < pptr()) {
    const ssize_t written = ::write(descriptor_, next, static_cast<std::size_t>(pptr() - next));
    if (written > 0)
      next += written;
    else if (written == 0 || errno != EINTR)
      error_ = written == 0 ? EIO : errno;
  }
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return error_ == 0;
}

}  // namespace vexilor
