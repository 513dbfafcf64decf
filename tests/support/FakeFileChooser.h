#pragma once
// A file chooser that answers from a script and records what it was asked.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "shell/FileChooser.h"

namespace lumoscope::test {

class FakeFileChooser : public IFileChooser {
 public:
  struct Request {
    bool save;
    std::string title;
    std::string filter;
    std::string initialFolder;
  };

  std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& filter,
                                            const std::string& initialFolder) override {
    requests.push_back({false, title, filter, initialFolder});
    return Next();
  }
  std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& filter,
                                            const std::string& initialFolder) override {
    requests.push_back({true, title, filter, initialFolder});
    return Next();
  }

  // Paths chosen by the next dialogs, in order; a dialog with nothing queued is cancelled.
  std::deque<std::optional<std::string>> answers;
  std::vector<Request> requests;

 private:
  std::optional<std::string> Next() {
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace lumoscope::test
