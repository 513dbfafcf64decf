// The five keys of the channel view: Delete, Insert (null channels), F2 (new channel),
// F3 (cut) and F4 (paste), and the row operations behind them.
#include <algorithm>

#include "base/FieldConversions.h"
#include "base/Reporter.h"
#include "editing/NewChannel.h"
#include "listview/ListView.h"
#include "listview/NullChannels.h"

namespace lumoscope {

namespace {

// Null channels keep a place in the receiver's numbering; their Index is provisional
// and replaced by the renumbering that follows every operation.
constexpr const char* kNullIndex = "1";

bool IsTvOrRadio(const std::string& text) {
  const std::string t = TrimmedUpper(text);
  return t == "TV" || t == "RADIO";
}

}  // namespace

long CLumoscopeListView::RowToFieldIndex(int row, bool digital) const {
  return RowToFieldIndexIn(SectionMap::Locate(m_fields), row, digital);
}

long CLumoscopeListView::RowToFieldIndexIn(const SectionMap& layout, int row, bool digital) const {
  if (row < 0) return -1;
  if (!digital) {
    const SectionSpan& an = layout[ListSection::AnalogTp];
    if (!an.Found() || row >= an.Records(kAnalogWidth)) return -1;
    return an.First() + static_cast<long>(row) * kAnalogWidth;
  }
  const SectionSpan& ch = layout[ListSection::Channel];
  if (!ch.Found()) return -1;
  const long channels = ch.Records(kChannelWidth);
  const long candidate = ch.First() + static_cast<long>(row) * kChannelWidth;
  // A CHANNEL record carries its Type in field 4; the PID rows follow the channels.
  if (row < channels && IsTvOrRadio(m_fields[static_cast<size_t>(candidate + field::kChType)]))
    return candidate;
  const SectionSpan& pid = layout[ListSection::Pid];
  const long pidRow = row - channels;
  if (!pid.Found() || pidRow < 0 || pidRow >= pid.Records(kPidWidth)) return -1;
  return pid.First() + pidRow * kPidWidth;
}

// The width of the record that starts at `first`, from the section it lies in.
static int WidthAt(const SectionMap& layout, long first) {
  const auto inside = [first](const SectionSpan& s) { return s.Found() && first > s.start && first < s.end; };
  if (inside(layout[ListSection::Channel])) return kChannelWidth;
  if (inside(layout[ListSection::Pid])) return kPidWidth;
  if (inside(layout[ListSection::AnalogTp])) return kAnalogWidth;
  return 0;
}

std::vector<std::string> CLumoscopeListView::NullRecordFrom(long first, int width) const {
  const std::string* f = m_fields.data() + first;
  switch (width) {
    case kChannelWidth:
      return NullChannelRecord(kNullIndex, f[field::kChTp], f[field::kChSat], f[field::kChType]);
    case kPidWidth:
      return NullPidRecord(kNullIndex, f[field::kPidTp], f[field::kPidSat], TrimmedUpper(f[field::kPidType]));
    default:
      return NullAnalogRecord(kNullIndex, f[field::kAnSat], f[field::kAnType]);
  }
}

std::vector<int> CLumoscopeListView::SelectedRows() const {
  // Every selected row counts, also those scrolled out of view.
  std::vector<int> rows;
  const int count = m_control->ItemCount();
  for (int r = 0; r < count; ++r) {
    if (m_control->IsSelected(r)) rows.push_back(r);
  }
  return rows;
}

int CLumoscopeListView::LastVisibleRow() const {
  return std::min(m_control->TopIndex() + m_control->CountPerPage(), m_control->ItemCount());
}

bool CLumoscopeListView::WouldOverflow(long addDigital, long addAnalog) const {
  const SectionMap layout = SectionMap::Locate(m_fields);
  const long digital =
      layout[ListSection::Channel].Records(kChannelWidth) + layout[ListSection::Pid].Records(kPidWidth);
  const long analog = layout[ListSection::AnalogTp].Records(kAnalogWidth);
  return digital + addDigital > kMaxDigitalChannels || analog + addAnalog > kMaxAnalogChannels;
}

bool CLumoscopeListView::OnKeyDown(ViewKey key) {
  if (m_viewType != 0 || key == ViewKey::Other) return false;
  if (key == ViewKey::F2 && m_dialogs == nullptr) return false;
  const std::vector<int> rows = SelectedRows();
  const int last = LastVisibleRow();
  if (key != ViewKey::F2 && rows.empty()) return false;
  const bool digital = m_showDigital;

  switch (key) {
    case ViewKey::Delete:
      PushUndo("Delete Channel");
      DeleteRows(rows);
      break;
    case ViewKey::Insert: {
      const long added = static_cast<long>(rows.size());
      if (digital ? WouldOverflow(added, 0) : WouldOverflow(0, added)) {
        m_reporter->MessageBox(kListFullMessage);
        return true;
      }
      PushUndo("Insert Null Channel");
      InsertNullRows(rows[0], rows.size());
      break;
    }
    case ViewKey::F2:
      // A new channel needs a free channel number.
      if (digital ? WouldOverflow(1, 0) : WouldOverflow(0, 1)) {
        m_reporter->MessageBox(kListFullMessage);
        return true;
      }
      CreateNewChannel(*this, *m_dialogs);
      break;
    case ViewKey::F3:
      PushUndo("Cut Channel");
      CutRows(rows);
      break;
    case ViewKey::F4: {
      const long added = PasteSize(rows[0], digital);
      if (digital ? WouldOverflow(added, 0) : WouldOverflow(0, added)) {
        m_reporter->MessageBox(kListFullMessage);
        return true;
      }
      PushUndo("Paste Channel");
      if (!PasteRows(rows[0], digital)) return false;
      break;
    }
    case ViewKey::Other:
      return false;
  }

  Refresh(true);
  if (last - 1 >= 0) m_control->EnsureVisible(std::min(last - 1, m_control->ItemCount() - 1));
  if (!rows.empty() && rows[0] < m_control->ItemCount()) m_control->SelectAndFocus(rows[0]);
  return true;
}

void CLumoscopeListView::DeleteRow(int row, bool digital) {
  const SectionMap layout = SectionMap::Locate(m_fields);
  const long a = RowToFieldIndexIn(layout, row, digital);
  if (a < 0) return;
  const int width = WidthAt(layout, a);
  m_fields.erase(m_fields.begin() + a, m_fields.begin() + a + width);
}

void CLumoscopeListView::DeleteRows(const std::vector<int>& rows) {
  // Removing the rows one by one (each removal moving the later rows up) removes
  // exactly the selected records; doing it in one pass keeps large selections fast.
  const SectionMap layout = SectionMap::Locate(m_fields);
  std::vector<std::pair<long, int>> records;
  records.reserve(rows.size());
  for (int row : rows) {
    const long a = RowToFieldIndexIn(layout, row, m_showDigital);
    if (a >= 0) records.emplace_back(a, WidthAt(layout, a));
  }
  std::sort(records.begin(), records.end());
  size_t write = static_cast<size_t>(records.empty() ? m_fields.size() : records[0].first);
  size_t read = write;
  for (size_t k = 0; k < records.size(); ++k) {
    const size_t from = static_cast<size_t>(records[k].first);
    for (; read < from; ++read, ++write) m_fields[write] = std::move(m_fields[read]);
    read = from + static_cast<size_t>(records[k].second);
  }
  for (; read < m_fields.size(); ++read, ++write) m_fields[write] = std::move(m_fields[read]);
  m_fields.resize(write);
}

void CLumoscopeListView::InsertNullRow(int row, bool digital) {
  const SectionMap layout = SectionMap::Locate(m_fields);
  const long a = RowToFieldIndexIn(layout, row, digital);
  if (a < 0) return;
  const int width = WidthAt(layout, a);
  const std::vector<std::string> null = NullRecordFrom(a, width);
  m_fields.insert(m_fields.begin() + a + width, null.begin(), null.end());
}

bool CLumoscopeListView::InsertNullRows(int row, size_t count) {
  // Each null channel copies the one before it, so all of them equal the first one;
  // they go one after another directly after the row's record.
  const SectionMap layout = SectionMap::Locate(m_fields);
  const long a = RowToFieldIndexIn(layout, row, m_showDigital);
  if (a < 0) return false;
  const int width = WidthAt(layout, a);
  const std::vector<std::string> null = NullRecordFrom(a, width);
  std::vector<std::string> block;
  block.reserve(count * null.size());
  for (size_t i = 0; i < count; ++i) block.insert(block.end(), null.begin(), null.end());
  m_fields.insert(m_fields.begin() + a + width, std::make_move_iterator(block.begin()),
                  std::make_move_iterator(block.end()));
  return true;
}

void CLumoscopeListView::CutRow(int row, bool digital) {
  const SectionMap layout = SectionMap::Locate(m_fields);
  const long a = RowToFieldIndexIn(layout, row, digital);
  if (a < 0) return;
  const int width = WidthAt(layout, a);
  const auto first = m_fields.begin() + a;
  switch (width) {
    case kChannelWidth:
      m_cutDigital.insert(m_cutDigital.end(), first, first + width);
      ++m_cutDigitalCount;
      break;
    case kPidWidth:
      m_cutPid.insert(m_cutPid.end(), first, first + width);
      ++m_cutPidCount;
      break;
    case kAnalogWidth:
      m_cutAnalog.insert(m_cutAnalog.end(), first, first + width);
      ++m_cutAnalogCount;
      break;
    default:
      break;
  }
}

void CLumoscopeListView::CutRows(const std::vector<int>& rows) {
  m_cutDigital.clear();
  m_cutAnalog.clear();
  m_cutPid.clear();
  m_cutDigitalCount = m_cutAnalogCount = m_cutPidCount = 0;
  for (int row : rows) CutRow(row, m_showDigital);
  DeleteRows(rows);
}

long CLumoscopeListView::PasteSize(int row, bool digital) const {
  const SectionMap layout = SectionMap::Locate(m_fields);
  const long a = RowToFieldIndexIn(layout, row, digital);
  if (a < 0) return 0;
  switch (WidthAt(layout, a)) {
    case kChannelWidth:
      return m_cutDigitalCount;
    case kPidWidth:
      return m_cutPidCount;
    case kAnalogWidth:
      return m_cutAnalogCount;
    default:
      return 0;
  }
}

bool CLumoscopeListView::PasteRows(int row, bool digital) {
  const SectionMap layout = SectionMap::Locate(m_fields);
  const long a = RowToFieldIndexIn(layout, row, digital);
  if (a < 0) return false;
  std::vector<std::string>* buffer = nullptr;
  int* count = nullptr;
  switch (WidthAt(layout, a)) {
    case kChannelWidth:
      buffer = &m_cutDigital;
      count = &m_cutDigitalCount;
      break;
    case kPidWidth:
      buffer = &m_cutPid;
      count = &m_cutPidCount;
      break;
    case kAnalogWidth:
      buffer = &m_cutAnalog;
      count = &m_cutAnalogCount;
      break;
    default:
      return false;
  }
  if (*count == 0 || buffer->empty()) return false;
  std::vector<std::string> pasted = std::move(*buffer);
  buffer->clear();
  *count = 0;
  m_fields.insert(m_fields.begin() + a, std::make_move_iterator(pasted.begin()),
                  std::make_move_iterator(pasted.end()));
  return true;
}

}  // namespace lumoscope
