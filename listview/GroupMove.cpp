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
  const int row = RowAt(point);
  if (row >= 0) m_dragFromRow = row;
  return true;
}

void CLumoscopeListView::OnBeginDrag() {
  if (m_viewType != 0) return;
  m_dragging = true;
  // A release outside every visible row must not reuse the drop row of an earlier drag:
  // that would move rows to a place the user never pointed at. Starting from the drag's
  // own row makes such a release move nothing.
  m_dropRow = m_dragFromRow;
}

void CLumoscopeListView::OnMouseMove() {
  if (m_dragging) m_control->SetPointer(PointerShape::AppStarting);
}

void CLumoscopeListView::OnLButtonUp(ClientPoint point) {
  m_control->SetPointer(PointerShape::Arrow);
  if (m_dragging && m_groupMoveEnabled) Drop(point);
  m_dragging = false;
}

bool CLumoscopeListView::MoveRecordInPlace(int from, int to) {
  const SectionMap layout = SectionMap::Locate(m_fields);
  const SectionSpan& ch = layout[ListSection::Channel];
  const long channels = ch.Records(kChannelWidth);
  const SectionSpan* span = nullptr;
  int width = 0;
  long rowFrom = from;
  long rowTo = to;
  if (m_showDigital) {
    if ((from < channels && to >= channels) || (from >= channels && to < channels)) {
      m_reporter->MessageBox(kCrossingMessage);
      return false;
    }
    if (from < channels) {
      span = &ch;
      width = kChannelWidth;
    } else {
      span = &layout[ListSection::Pid];
      width = kPidWidth;
      rowFrom -= channels;
      rowTo -= channels;
    }
  } else {
    span = &layout[ListSection::AnalogTp];
    width = kAnalogWidth;
  }
  const long records = span->Records(width);
  if (rowFrom < 0 || rowTo < 0 || rowFrom >= records || rowTo >= records) return false;
  const auto a = m_fields.begin() + span->First() + rowFrom * width;
  const auto d = m_fields.begin() + span->First() + rowTo * width;
  if (a < d) {
    std::rotate(a, a + width, d);  // ends directly above the target, at row to - 1
  } else if (d < a) {
    std::rotate(d, a, a + width);  // ends at row to, directly above the target
  } else {
    return false;
  }
  return true;
}

void CLumoscopeListView::MoveRecord(int from, int to) {
  MoveRecordInPlace(from, to);
  Renumber();
  BuildChannelTables();
}

void CLumoscopeListView::Drop(ClientPoint point) {
  const int row = RowAt(point);
  if (row >= 0) m_dropRow = row;
  if (m_dropRow == m_dragFromRow) return;
  const std::vector<int> rows = SelectedRows();
  const int lastVisible = LastVisibleRow();
  const bool down = m_dragFromRow < m_dropRow;
  const int target = down ? m_dropRow - 1 : m_dropRow;

  if (rows.size() < 2) {
    MoveRecordInPlace(m_dragFromRow, m_dropRow);
    // A single-row move records no undo step but still changes the list.
    m_modified = true;
  } else {
    const int k = static_cast<int>(rows.size()) - 1;
    if (rows.back() - rows.front() != k) return;  // not one block: nothing moves
    PushUndo("Group Move");
    for (int j = 0; j <= k; ++j) {
      if (down) {
        MoveRecordInPlace(rows[static_cast<size_t>(k - j)], m_dropRow - j);
      } else {
        MoveRecordInPlace(rows[static_cast<size_t>(j)], m_dropRow + j);
      }
    }
  }
  Refresh(true);
  m_control->EnsureVisible(target);
  m_control->SelectAndFocus(target);
  if (lastVisible - 1 >= 0) m_control->EnsureVisible(lastVisible - 1);
}

}  // namespace lumoscope
