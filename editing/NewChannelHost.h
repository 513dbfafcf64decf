#pragma once
// What the new-channel logic needs of the list view: the working section list, which
// channel kind is shown, the undo steps and the refresh. CLumoscopeListView implements
// it; tests use a small fake.
#include <string>
#include <vector>

namespace lumoscope {

class IReporter;

class INewChannelHost {
 public:
  virtual ~INewChannelHost() = default;
  virtual std::vector<std::string>& Fields() = 0;  // m_fields
  virtual bool ShowDigital() const = 0;            // m_showDigital
  virtual void PushUndo(const std::string& label) = 0;
  virtual void DropUndo() = 0;
  // Renumber, BuildChannelTables, FillList.
  virtual void RefreshWithRenumber() = 0;
  virtual IReporter& Reporter() = 0;
};

}  // namespace lumoscope
