#pragma once
// A fresh folder per test, removed afterwards.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace lumoscope::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  std::string Write(const std::string& name, const std::string& contents) const;
  // The names of the files in the folder, sorted, and how many there are: tests check
  // that no temporary or partial file was left behind.
  std::vector<std::string> FileNames() const { return FileNamesIn(path_); }
  static std::vector<std::string> FileNamesIn(const std::filesystem::path& folder);
  size_t FileCount() const { return FileNames().size(); }

 private:
  std::filesystem::path path_;
};

std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);

}  // namespace lumoscope::test
