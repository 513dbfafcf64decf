#pragma once
// The two directions between the document and its one list view. The view owns the
// working section list while it is edited; the document owns the open list's CListDB
// and the path of its text file.
#include <string>
#include <vector>

namespace lumoscope {

class CListDB;

// What the document asks of the list view.
class IDocumentView {
 public:
  virtual ~IDocumentView() = default;
  // The changes-stored notification: ends the one-step revert of a padding.
  virtual void NotifyChangesStored() = 0;
  // Command 32778: reload the working list from the database's text file. False when
  // the file was refused: the list, its undo steps and the database are left as they were.
  virtual bool ReloadFields() = 0;
  // Clears the undo steps and the modified mark; a list opened as modified (its re-save
  // was left to the person) keeps the mark.
  virtual void ResetUndo() = 0;
  // m_fields
  virtual std::vector<std::string>& Fields() = 0;
  // True while the list differs from what was last loaded or saved (the modified flag).
  virtual bool IsModified() const = 0;
  // The list as shown has just been written to the text file.
  virtual void NotifySaved() = 0;
};

// What the list view asks of its document.
class IViewDocument {
 public:
  virtual ~IViewDocument() = default;
  virtual bool IsLoaded() const = 0;
  virtual CListDB* Database() = 0;
  // The document's Save (used at once when a load asks for a re-save).
  virtual void Save() = 0;
  virtual void SetWindowTitle(const std::string& title) = 0;
};

}  // namespace lumoscope
