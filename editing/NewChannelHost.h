#pragma once
// What the channel logic (new channels, edited channels, imported transponders, edited
// fields) needs of the list view: the working section list, which channel kind is shown,
// the undo steps, the refresh and the name encoding. CLumoscopeListView implements it;
// tests use a small fake.
#include <string>
#include <vector>

#include "base/NameText.h"

namespace lumoscope {

class IReporter;

class INewChannelHost {
 public:
  virtual ~INewChannelHost() = default;
  virtual std::vector<std::string>& Fields() = 0;  // m_fields
  virtual bool ShowDigital() const = 0;            // m_showDigital
  virtual void PushUndo(const std::string& label) = 0;
  virtual void DropUndo() = 0;
  // The list as the last PushUndo recorded it, and that step taken back: an edit refused
  // after it had changed the list leaves it, and its undo steps, as they were.
  virtual void RevertToUndoStep() = 0;
  // Renumber, BuildChannelTables, FillList.
  virtual void RefreshWithRenumber() = 0;
  // BuildChannelTables, FillList: an edit in place keeps every number.
  virtual void RefreshKeepingNumbers() = 0;
  virtual IReporter& Reporter() = 0;
  // How names are decoded for the person and encoded from what the person types.
  virtual const NameCodec& Names() const = 0;
};

}  // namespace lumoscope
