// Reordering channels by dragging rows with the left mouse button: one row, or a
// contiguous block of selected rows, lands directly above the row under the pointer.
#include <algorithm>

#include "base/Reporter.h"
#include "listview/ListView.h"

namespace lumoscope {

namespace {
constexpr const char* kCrossingMessage =
    "Drag Only possible \n\nWhen drag region and drop region are same section.\r\n(channel/pid "
    "channel)!!\r\n";
}

int CLumoscopeListView::RowAt(ClientPoint point) const {
  const int last = LastVisibleRow();
  const int count = m_control->ItemCount();
  for (int r = m_control->TopIndex(); r <= last && r < count; ++r) {
    if (m_control->ItemRect(r).Contains(point)) return r;
  }
  return -1;
}

bool CLumoscopeListView::OnLButtonDown(ClientPoint point) {
  if (!IsLoaded()) return false;  // nothing to select without a list
  m_drag.Press(RowAt(point));
  return true;
}

void CLumoscopeListView::OnBeginDrag() {
  if (m_viewType != 0) return;
  // A drop lands above the row under the pointer; with rows hidden between the rows
  // shown, where that is would be a guess.
  if (Filtered()) {
    m_reporter->StatusNote(kNoDragWhileFiltered);
    return;
  }
  m_drag.Begin();
}

void CLumoscopeListView::OnMouseMove() {
  if (m_drag.Dragging()) m_control->SetPointer(PointerShape::AppStarting);
}

void CLumoscopeListView::OnLButtonUp(ClientPoint point) {
  m_control->SetPointer(PointerShape::Arrow);
  if (m_drag.Dragging() && m_groupMoveEnabled) Drop(point);
  m_drag.End();
}

std::optional<FieldsSplice> CLumoscopeListView::MoveRecordInPlace(int from, int to) {
  const SectionLocator sections(m_fields);
  const SectionSpan& ch = sections[Section::DigitalChannel];
  const auto channels = static_cast<long>(ch.Records());
  const SectionSpan* span = nullptr;
  long rowFrom = from;
  long rowTo = to;
  if (m_showDigital) {
    if ((from < channels && to >= channels) || (from >= channels && to < channels)) {
      m_reporter->MessageBox(kCrossingMessage);
      return std::nullopt;
    }
    if (from < channels) {
      span = &ch;
    } else {
      span = &sections[Section::PidChannel];
      rowFrom -= channels;
      rowTo -= channels;
    }
  } else {
    span = &sections[Section::AnalogTp];
  }
  const auto records = static_cast<long>(span->Records());
  if (rowFrom < 0 || rowTo < 0 || rowFrom >= records || rowTo >= records) return std::nullopt;
  const auto width = static_cast<long>(span->width);
  const auto a = m_fields.begin() + static_cast<long>(span->First()) + rowFrom * width;
  const auto d = m_fields.begin() + static_cast<long>(span->First()) + rowTo * width;
  const auto at = [this](auto it) { return static_cast<size_t>(it - m_fields.begin()); };
  if (a < d) {
    std::rotate(a, a + width, d);  // ends directly above the target, at row to - 1
    return FieldsSplice{at(a), at(d) - at(a), at(d) - at(a)};
  }
  if (d < a) {
    std::rotate(d, a, a + width);  // ends at row to, directly above the target
    return FieldsSplice{at(d), at(a + width) - at(d), at(a + width) - at(d)};
  }
  return std::nullopt;
}

void CLumoscopeListView::MoveRecord(int from, int to) {
  MoveRecordInPlace(from, to);
  Renumber();
  BuildChannelTables();
}

void CLumoscopeListView::Drop(ClientPoint point) {
  m_drag.Release(RowAt(point));
  if (!m_drag.Moves()) return;
  const int from = m_drag.FromRow();
  const int drop = m_drag.DropRow();
  const std::vector<int> rows = SelectedRows();
  const int lastVisible = LastVisibleRow();
  const bool down = from < drop;
  const int target = down ? drop - 1 : drop;

  // The strings the moves put in another order, all within one section.
  std::optional<FieldsSplice> moved;
  const auto note = [&moved](const std::optional<FieldsSplice>& s) {
    if (!s) return;
    if (!moved) {
      moved = s;
      return;
    }
    const size_t low = std::min(moved->at, s->at);
    const size_t high = std::max(moved->at + moved->removed, s->at + s->removed);
    moved = FieldsSplice{low, high - low, high - low};
  };
  if (rows.size() < 2) {
    PushUndo(kMoveUndoLabel);
    note(MoveRecordInPlace(from, drop));
    if (!moved) DropUndo();
  } else {
    const int k = static_cast<int>(rows.size()) - 1;
    if (rows.back() - rows.front() != k) return;  // not one block: nothing moves
    PushUndo("Group Move");
    for (int j = 0; j <= k; ++j) {
      if (down) {
        note(MoveRecordInPlace(rows[static_cast<size_t>(k - j)], drop - j));
      } else {
        note(MoveRecordInPlace(rows[static_cast<size_t>(j)], drop + j));
      }
    }
  }
  Refresh(true, moved ? FieldsChange::Splices({*moved}) : FieldsChange::Nothing());
  m_control->EnsureVisible(target);
  m_control->SelectAndFocus(target);
  if (lastVisible - 1 >= 0) m_control->EnsureVisible(lastVisible - 1);
}

}  // namespace lumoscope
