#include "tests/support/TempDir.h"

#include <stdlib.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace lumoscope::test {

TempDir::TempDir() {
  std::string templ = (std::filesystem::temp_directory_path() / "lumoscope-test-XXXXXX").string();
  std::vector<char> buf(templ.begin(), templ.end());
  buf.push_back('\0');
  if (mkdtemp(buf.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = buf.data();
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Write(const std::string& name, const std::string& contents) const {
  const std::string p = File(name);
  std::ofstream out(p, std::ios::binary);
  out << contents;
  return p;
}

std::vector<std::string> TempDir::FileNamesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& path) {
  return std::filesystem::exists(path);
}

}  // namespace lumoscope::test
