#pragma once
// What the program needs before its main window can work: the runtime
// pieces of the window toolkit and the reference files of its folder.

#include <filesystem>
#include <string>
#include <string_view>

namespace vexilor {

// The window toolkit's runtime library and the platform plugin through which
// it opens windows and file dialogs.
inline const std::string kRuntimeLibrary = "libQt6Widgets.so.6";
inline const std::string kFileDialogComponent = "libqxcb.so";

inline const std::string kHelpFileName = "vexilor.hlp";

// Whether a runtime library or plugin is present: found by the standard
// search order or in the dynamic loader's folders (LD_LIBRARY_PATH, then
// the system library folders), a plugin also in their Qt plugin folders.
bool IsRuntimeFilePresent(std::string_view fileName, const std::filesystem::path& programFolder);

}  // namespace vexilor
