// Undo: up to five full copies of the working list, each with a short label. The
// modified state is kept apart: sorting, padding and single-row moves change the list
// without an undo step, and a save makes the list unmodified while its steps remain.
#include <algorithm>

#include "listview/ListView.h"

namespace lumoscope {

namespace {
constexpr const char* kLabelPlaceholder = "  ";
}

void CLumoscopeListView::PushUndo(const std::string& label) {
  m_undoAvailable = true;
  if (m_undoLabels.size() < kUndoSteps + 1) m_undoLabels.resize(kUndoSteps + 1);
  const int k = m_undoCount;
  if (k < kUndoSteps) {
    m_undoSnapshots[static_cast<size_t>(k + 1)] = {m_fields, m_modified};
    m_undoLabels[static_cast<size_t>(k + 1)] = label;
    m_undoCount = k + 1;
  } else {
    // The oldest step is dropped.
    for (size_t s = 1; s < kUndoSteps; ++s) {
      m_undoSnapshots[s] = std::move(m_undoSnapshots[s + 1]);
      m_undoLabels[s] = std::move(m_undoLabels[s + 1]);
    }
    m_undoSnapshots[kUndoSteps] = {m_fields, m_modified};
    m_undoLabels[kUndoSteps] = label;
  }
  m_modified = true;
}

void CLumoscopeListView::Undo() {
  if (m_undoCount <= 0) {
    m_undoAvailable = false;
    m_undoCount = 0;
    return;
  }
  const size_t k = static_cast<size_t>(std::min(m_undoCount, kUndoSteps));
  m_fields = std::move(m_undoSnapshots[k].fields);
  m_modified = m_undoSnapshots[k].modified;
  m_undoSnapshots[k] = {};
  if (k == 1) m_undoAvailable = false;
  m_undoLabels.resize(k);
  m_undoCount = static_cast<int>(k) - 1;
  // The restored list keeps the numbers it had when the step was recorded.
  Refresh(false);
}

void CLumoscopeListView::DropUndo() {
  const int k = std::min(m_undoCount, kUndoSteps);
  if (k <= 0) {
    m_undoLabels.assign(1, kLabelPlaceholder);
    return;
  }
  const size_t slot = static_cast<size_t>(k);
  m_modified = m_undoSnapshots[slot].modified;
  m_undoSnapshots[slot] = {};
  m_undoLabels.resize(slot);
  m_undoCount = k - 1;
  if (k == 1) m_undoAvailable = false;
}

void CLumoscopeListView::ResetUndo() {
  m_undoAvailable = false;
  for (UndoStep& step : m_undoSnapshots) step = {};
  m_undoLabels.assign(1, kLabelPlaceholder);
  m_undoCount = 0;
  m_modified = false;
}

void CLumoscopeListView::MarkClean() {
  m_modified = false;
  // Every remembered step now differs from what is stored.
  for (int k = 1; k <= m_undoCount && k <= kUndoSteps; ++k)
    m_undoSnapshots[static_cast<size_t>(k)].modified = true;
}

void CLumoscopeListView::NotifySaved() {
  MarkClean();
}

}  // namespace lumoscope
