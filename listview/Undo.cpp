// Undo: the view records a step on the UndoRing before each edit that has one, and
// gives back the newest. The modified state is kept apart: sorting, padding and
// single-row moves change the list without an undo step, and a save makes the list
// unmodified while its steps remain.
#include "listview/ListView.h"

namespace lumoscope {

void CLumoscopeListView::PushUndo(const std::string& label) {
  m_undo.Push(label, m_fields, m_modified);
  m_modified = true;
}

void CLumoscopeListView::Undo() {
  std::optional<UndoRing::Step> step = m_undo.Pop();
  if (!step) return;
  m_fields = std::move(step->fields);
  m_modified = step->modified;
  // The restored list keeps the numbers it had when the step was recorded.
  Refresh(false);
}

void CLumoscopeListView::DropUndo() {
  if (std::optional<UndoRing::Step> step = m_undo.Pop()) m_modified = step->modified;
}

void CLumoscopeListView::ResetUndo() {
  m_undo.Clear();
  m_modified = false;
}

void CLumoscopeListView::MarkClean() {
  m_modified = false;
  // Every remembered step now differs from what is stored.
  m_undo.MarkAllModified();
}

void CLumoscopeListView::NotifySaved() {
  MarkClean();
}

}  // namespace lumoscope
