#pragma once
// A fresh folder under the system's temporary folder for one test, removed
// with everything in it afterwards. One class for every test binary: two
// classes of one name would break the one-definition rule.

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace vexilor::testing {

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("vexilor-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string text() const { return path_.string(); }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
  std::string PathOf(const std::string& name) const { return (path_ / name).string(); }

  // Writes `bytes` as the file `name` and returns its path.
  std::string Write(const std::string& name, const std::vector<unsigned char>& bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return file.string();
  }

 private:
  std::filesystem::path path_;
};

}  // namespace vexilor::testing
