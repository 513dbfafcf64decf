#pragma once
// The document as the list view sees it: a loaded flag, the database, and a record of
// saves and window titles.
#include <memory>
#include <string>
#include <vector>

#include "database/ListDB.h"
#include "listview/DocumentView.h"

namespace lumoscope::test {

class FakeViewDocument : public IViewDocument {
 public:
  bool IsLoaded() const override { return loaded; }
  CListDB* Database() override { return database; }
  void Save() override { ++saves; }
  void SetWindowTitle(const std::string& title) override { titles.push_back(title); }

  bool loaded = true;
  CListDB* database = nullptr;
  int saves = 0;
  std::vector<std::string> titles;
};

}  // namespace lumoscope::test
