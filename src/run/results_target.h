#pragma once
// Where the results under a name are written. A plain file (or a name not
// yet taken) is replaced as a whole: the results go into a temporary file
// beside the file the name finally stands for, through every symbolic link,
// and are renamed over it, so that the link stays a link and a run killed
// midway leaves the earlier file whole. What cannot be replaced is written
// straight: a FIFO (a reader waits on it), a character device (/dev/null, a
// terminal) and a descriptor of the process (/dev/stdout, /proc/self/fd/N).

#include <filesystem>

namespace vexilor {

struct ResultsTarget {
  std::filesystem::path path;  // the file to replace, or the name to write
  bool direct = false;         // written straight, no temporary file
};

ResultsTarget ResultsTargetOf(const std::filesystem::path& resultsName);

}  // namespace vexilor
