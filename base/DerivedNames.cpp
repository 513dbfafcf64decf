#include "base/DerivedNames.h"

#include <cctype>

namespace lumoscope {

bool HasTextExtension(std::string_view path) {
  const size_t slash = path.find_last_of('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  if (name.size() < 4) return false;
  const std::string_view ext = name.substr(name.size() - 4);
  return ext[0] == '.' && std::tolower(static_cast<unsigned char>(ext[1])) == 't' &&
         std::tolower(static_cast<unsigned char>(ext[2])) == 'x' &&
         std::tolower(static_cast<unsigned char>(ext[3])) == 't';
}

std::string FolderOf(std::string_view path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string_view::npos) return ".";
  return slash == 0 ? "/" : std::string(path.substr(0, slash));
}

std::string DerivedPath(std::string_view textPath, std::string_view ext) {
  std::string out(textPath);
  if (HasTextExtension(textPath)) out.resize(out.size() - 4);
  out += ext;
  return out;
}

}  // namespace lumoscope
