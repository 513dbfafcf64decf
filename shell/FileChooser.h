#pragma once
// File choice for the document's commands. The desktop shows its file dialogs; tests
// answer from a script.
#include <optional>
#include <string>

namespace lumoscope {

class IFileChooser {
 public:
  virtual ~IFileChooser() = default;
  // `filter` is the list of "description|pattern|" pairs the commands are written with,
  // e.g. "VXR Formatted Text File(*.TXT)|*.txt||". `initialFolder` may be empty.
  // Each returns the full path chosen, or nothing when the person cancelled.
  virtual std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& filter,
                                                    const std::string& initialFolder) = 0;
  virtual std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& filter,
                                                    const std::string& initialFolder) = 0;
};

}  // namespace lumoscope
