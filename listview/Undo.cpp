// Undo and redo: the view records a step on the UndoRing before each edit, and gives
// back the newest (Undo) or the newest undone one (Redo). The modified state is kept
// apart: each step gives back the state its list had, and a save makes the list
// unmodified while its steps remain. Each step also keeps the rows that were selected,
// and selects them again when it gives its list back: after undoing a move, a deletion
// or a cut, the rows it brought back are the ones selected.
#include <future>
#include <system_error>

#include "base/SectionLocator.h"
#include "listview/ListView.h"

namespace lumoscope {

void CLumoscopeListView::PushUndo(const std::string& label) {
  m_undo.Push(label, m_fields, m_modified, CurrentPlace());
  m_modified = true;
}

void CLumoscopeListView::PushUndoWhile(const std::string& label, const std::function<void()>& readOnly) {
  // A step costs a copy of the ids the ring keeps, unless an untold change made it
  // forget them: then it looks up some hundred thousand strings, as long as a sort
  // takes to work out its order.
  //
  // The place is read on this thread, which the list control belongs to. It is declared
  // before the step's future, which waits for the step, so that it outlives the step
  // also when `readOnly` throws.
  UndoRing::Place place;
  std::future<void> step;
  if (!m_undo.KnowsCurrent()) {
    place = CurrentPlace();
    try {
      step =
          std::async(std::launch::async, [&] { m_undo.Push(label, m_fields, m_modified, std::move(place)); });
    } catch (const std::system_error&) {
      // No thread to be had: the step is taken here, as for any edit.
    }
  }
  if (!step.valid()) {
    PushUndo(label);
    readOnly();
    return;
  }
  readOnly();
  step.get();
  m_modified = true;
}

void CLumoscopeListView::Restore(const std::optional<UndoRing::Restored>& restored) {
  if (!restored) return;
  m_modified = restored->modified;
  // The restored list keeps the numbers it had when the step was recorded. The ring
  // changed only the strings that differ, and says which.
  RefreshRows(false, FieldsChange::Splices(restored->splices), SectionLocator(m_fields));
  if (restored->place.display == DisplayCode()) ShowRows(restored->place.rows);
}

void CLumoscopeListView::Undo() {
  Restore(m_undo.Undo(m_fields, m_modified, CurrentPlace()));
}

void CLumoscopeListView::Redo() {
  Restore(m_undo.Redo(m_fields, m_modified, CurrentPlace()));
}

void CLumoscopeListView::DropUndo() {
  if (const std::optional<bool> modified = m_undo.Drop()) m_modified = *modified;
}

void CLumoscopeListView::RevertToUndoStep() {
  // The display was not refreshed since the step: it still shows this list.
  if (const std::optional<bool> modified = m_undo.TakeBack(m_fields)) m_modified = *modified;
}

void CLumoscopeListView::ResetUndo() {
  m_undo.Clear();
  m_modified = m_loadedModified;
}

void CLumoscopeListView::MarkClean() {
  m_modified = m_loadedModified = false;
  // Every remembered step now differs from what is stored.
  m_undo.MarkAllModified();
}

void CLumoscopeListView::NotifySaved() {
  MarkClean();
}

}  // namespace lumoscope
