// Moving channels from the keyboard: the selected block of rows one place up or down
// (Ctrl+Up, Ctrl+Down), or to before the row of a channel number ("Move to Number..."),
// each one undo step. Where rows may go is decided as for dragging: service-ID channels
// move among themselves, PID channels among themselves, analog channels among the analog
// ones. The moved rows end selected and in view.
#include <algorithm>

#include "base/FieldConversions.h"
#include "base/Reporter.h"
#include "listview/ListView.h"

namespace lumoscope {

bool CLumoscopeListView::CanMoveRows() const {
  return IsLoaded() && m_viewType == 0 && !Filtered();
}

std::optional<CLumoscopeListView::MoveBlock> CLumoscopeListView::SelectedBlock() const {
  if (!IsLoaded() || m_viewType != 0) return std::nullopt;
  // Among rows hidden by the filter, "one place up" would be a guess.
  if (Filtered()) {
    m_reporter->StatusNote(kNoMoveWhileFiltered);
    return std::nullopt;
  }
  const std::vector<int> rows = SelectedRows();
  if (rows.empty()) return std::nullopt;
  const int count = static_cast<int>(rows.size());
  if (rows.back() - rows.front() + 1 != count) {
    m_reporter->StatusNote(kMoveOneBlock);
    return std::nullopt;
  }
  MoveBlock block{rows.front(), count, 0, static_cast<int>(DisplayRows())};
  if (m_showDigital) {
    const auto channels = static_cast<int>(SectionLocator(m_fields)[Section::DigitalChannel].Records());
    if (rows.front() < channels && rows.back() >= channels) {
      m_reporter->StatusNote(kMoveWithinSection);
      return std::nullopt;
    }
    if (rows.front() < channels) {
      block.end = channels;
    } else {
      block.begin = channels;
    }
  }
  return block;
}

bool CLumoscopeListView::MoveBlockBefore(const MoveBlock& block, int before) {
  if (before >= block.first && before <= block.first + block.count) return false;  // there already
  const SectionLocator sections(m_fields);
  const Section section = !m_showDigital     ? Section::AnalogTp
                          : block.begin == 0 ? Section::DigitalChannel
                                             : Section::PidChannel;
  const SectionSpan& span = sections[section];
  // Rows of the display to strings of the section; the end of the section is its marker.
  const auto at = [&](int row) {
    return m_fields.begin() + static_cast<std::ptrdiff_t>(span.At(static_cast<size_t>(row - block.begin)));
  };
  PushUndo(kMoveUndoLabel);
  int first = before;
  // The strings between the block and its new place change places, nothing else.
  const auto low = before < block.first ? at(before) : at(block.first);
  const auto high = before < block.first ? at(block.first + block.count) : at(before);
  const auto moved = FieldsSplice{static_cast<size_t>(low - m_fields.begin()),
                                  static_cast<size_t>(high - low), static_cast<size_t>(high - low)};
  if (before < block.first) {
    std::rotate(at(before), at(block.first), at(block.first + block.count));
  } else {
    std::rotate(at(block.first), at(block.first + block.count), at(before));
    first = before - block.count;
  }
  Refresh(true, FieldsChange::Splices({moved}));
  std::vector<int> rows(static_cast<size_t>(block.count));
  for (int i = 0; i < block.count; ++i) rows[static_cast<size_t>(i)] = first + i;
  ShowRows(rows);
  return true;
}

bool CLumoscopeListView::MoveSelectedBy(int places) {
  const std::optional<MoveBlock> block = SelectedBlock();
  if (!block || places == 0) return false;
  const int before = places < 0 ? block->first + places : block->first + block->count + places;
  if (before < block->begin || before > block->end) {
    // The ends of the list move nothing; the border between the two kinds of digital
    // channel is said.
    if (before >= 0 && before <= static_cast<int>(DisplayRows())) m_reporter->StatusNote(kMoveWithinSection);
    return false;
  }
  return MoveBlockBefore(*block, before);
}

long CLumoscopeListView::LargestNumber() const {
  const bool digital = m_showDigital;
  const std::vector<std::string>& rows = digital ? m_digitalRows : m_analogRows;
  const size_t width = digital ? kDigitalRowWidth : kAnalogRowWidth;
  long largest = 0;
  for (size_t i = 0; i < rows.size(); i += width) largest = std::max(largest, DecimalValue(rows[i]));
  return largest;
}

bool CLumoscopeListView::MoveSelectedToNumber(long number) {
  const std::optional<MoveBlock> block = SelectedBlock();
  if (!block) return false;
  const bool digital = m_showDigital;
  const std::vector<std::string>& rows = digital ? m_digitalRows : m_analogRows;
  const size_t width = digital ? kDigitalRowWidth : kAnalogRowWidth;
  // The row that has the number now; the number after the largest stands for the end.
  int before = -1;
  for (size_t r = 0; r * width < rows.size() && before < 0; ++r)
    if (DecimalValue(rows[r * width]) == number) before = static_cast<int>(r);
  if (before < 0 && number == LargestNumber() + 1) before = static_cast<int>(DisplayRows());
  if (before < 0) {
    m_reporter->MessageBox(Format(kNoSuchNumber, number));
    return false;
  }
  if (before < block->begin || before > block->end) {
    m_reporter->MessageBox(kMoveWithinSection);
    return false;
  }
  return MoveBlockBefore(*block, before);
}

}  // namespace lumoscope
