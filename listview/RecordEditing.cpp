// Editing what is already in the list: a channel in its dialog (Enter, or a double click
// on its row), and a field of the satellite names, satellites and transponders in its cell.
#include "base/SectionLocator.h"
#include "editing/EditChannel.h"
#include "editing/FieldRules.h"
#include "listview/ListView.h"

namespace lumoscope {

long CLumoscopeListView::ChannelRecordAt(int row) const {
  if (row < 0) return -1;
  if (m_viewType == 0) return RowToFieldIndex(row, m_showDigital);
  if (m_viewType != static_cast<int>(Section::DigitalChannel) &&
      m_viewType != static_cast<int>(Section::PidChannel))
    return -1;
  const SectionSpan span = SectionLocator(m_fields)[static_cast<Section>(m_viewType)];
  if (static_cast<size_t>(row) >= span.Records()) return -1;
  return static_cast<long>(span.At(static_cast<size_t>(row)));
}

void CLumoscopeListView::ShowRows(const std::vector<int>& fullRows) {
  std::vector<int> shown;
  for (const int full : fullRows)
    if (const int row = ShownRow(full); row >= 0 && row < m_control->ItemCount()) shown.push_back(row);
  m_control->ClearSelection();
  if (shown.empty()) return;
  // The last first, so the first ends focused; the block's end, then its start, in view.
  for (auto row = shown.rbegin(); row != shown.rend(); ++row) m_control->SelectAndFocus(*row);
  m_control->EnsureVisible(shown.back());
  m_control->EnsureVisible(shown.front());
}

bool CLumoscopeListView::EditChannelAt(int row) {
  if (!IsLoaded() || m_dialogs == nullptr) return false;
  const int full = FullRow(row);
  const long first = ChannelRecordAt(full);
  if (first < 0) return false;
  const bool changed = EditChannel(*this, *m_dialogs, static_cast<size_t>(first)) == EditOutcome::Changed;
  ShowRows({full});
  return changed;
}

bool CLumoscopeListView::IsCellEditable(int row, int column) const {
  if (!IsLoaded() || m_viewType < 1 || m_viewType > static_cast<int>(kSectionCount)) return false;
  const auto section = static_cast<Section>(m_viewType);
  const std::span<const FieldRule> rules = FieldRulesOf(section);
  if (!EditedByField(section) || column < 0 || static_cast<size_t>(column) >= rules.size()) return false;
  const int full = FullRow(row);
  if (full < 0 || static_cast<size_t>(full) >= SectionLocator(m_fields)[section].Records()) return false;
  return IsEditable(rules[static_cast<size_t>(column)]);
}

bool CLumoscopeListView::EditCell(int row, int column, const std::string& text) {
  if (!IsCellEditable(row, column)) return false;
  const auto section = static_cast<Section>(m_viewType);
  const FieldRule& rule = FieldRulesOf(section)[static_cast<size_t>(column)];
  const int full = FullRow(row);
  if (!SetRecordField(*this, section, static_cast<size_t>(full), rule, text)) return false;
  ShowRows({full});
  return true;
}

}  // namespace lumoscope
