#pragma once
// A C file that is closed on every path out of the scope that opened it.
#include <cstdio>
#include <memory>
#include <string>

namespace lumoscope {

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

inline FileHandle OpenFile(const std::string& path, const char* mode) {
  return FileHandle(std::fopen(path.c_str(), mode));
}

}  // namespace lumoscope
