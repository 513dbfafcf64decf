#pragma once
// A list view that records what the document asks of it, in order.
#include <string>
#include <vector>

#include "listview/DocumentView.h"

namespace lumoscope::test {

class FakeDocumentView : public IDocumentView {
 public:
  void NotifyChangesStored() override { calls.push_back("stored"); }
  bool ReloadFields() override {
    calls.push_back("reload");
    return reloads;
  }
  void ResetUndo() override {
    calls.push_back("reset-undo");
    modified = false;
  }
  std::vector<std::string>& Fields() override { return fields; }
  bool IsModified() const override { return modified; }
  void NotifySaved() override {
    calls.push_back("saved");
    modified = false;
  }

  std::vector<std::string> fields;
  std::vector<std::string> calls;
  bool modified = false;
  bool reloads = true;  // false: the view refuses the file
};

}  // namespace lumoscope::test
