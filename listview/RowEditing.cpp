// The keys of the channel view: Delete, Insert (null channels), F2 (new channel), F3
// (cut), F4 (paste) and Enter (edit the channel), and the row operations behind them.
#include <algorithm>

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/ListLimits.h"
#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "database/ListFill.h"
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
  return t == kTv || t == kRadio;
}

}  // namespace

long CLumoscopeListView::RowToFieldIndex(int row, bool digital) const {
  return RowToFieldIndexIn(SectionLocator(m_fields), row, digital);
}

long CLumoscopeListView::RowToFieldIndexIn(const SectionLocator& sections, int row, bool digital) const {
  if (row < 0) return -1;
  const auto at = [](const SectionSpan& span, size_t record) { return static_cast<long>(span.At(record)); };
  if (!digital) {
    const SectionSpan& an = sections[Section::AnalogTp];
    if (!an.Found() || static_cast<size_t>(row) >= an.Records()) return -1;
    return at(an, static_cast<size_t>(row));
  }
  const SectionSpan& ch = sections[Section::DigitalChannel];
  if (!ch.Found()) return -1;
  const size_t channels = ch.Records();
  // A CHANNEL record carries its Type in field 4; the PID rows follow the channels.
  if (static_cast<size_t>(row) < channels &&
      IsTvOrRadio(m_fields[ch.At(static_cast<size_t>(row), field::kChType)]))
    return at(ch, static_cast<size_t>(row));
  const SectionSpan& pid = sections[Section::PidChannel];
  const long pidRow = row - static_cast<long>(channels);
  if (!pid.Found() || pidRow < 0 || static_cast<size_t>(pidRow) >= pid.Records()) return -1;
  return at(pid, static_cast<size_t>(pidRow));
}

// The kind of channel record that starts at `first`, from the section it lies in.
static std::optional<Section> KindAt(const SectionLocator& sections, long first) {
  for (Section kind : {Section::DigitalChannel, Section::PidChannel, Section::AnalogTp})
    if (sections[kind].Holds(static_cast<size_t>(first))) return kind;
  return std::nullopt;
}

std::vector<std::string> CLumoscopeListView::NullRecordFrom(long first, Section kind) const {
  const std::string* f = m_fields.data() + first;
  switch (kind) {
    case Section::DigitalChannel:
      return NullChannelRecord(kNullIndex, f[field::kChTp], f[field::kChSat], f[field::kChType]);
    case Section::PidChannel:
      return NullPidRecord(kNullIndex, f[field::kPidTp], f[field::kPidSat], TrimmedUpper(f[field::kPidType]));
    default:
      return NullAnalogRecord(kNullIndex, f[field::kAnSat], f[field::kAnType]);
  }
}

std::vector<int> CLumoscopeListView::SelectedRows() const {
  // Every selected row counts, also those scrolled out of view; a filtered list never
  // lets a command reach a row it hides.
  std::vector<int> rows;
  const int count = m_control->ItemCount();
  for (int r = 0; r < count; ++r) {
    if (!m_control->IsSelected(r)) continue;
    if (const int full = m_filter.FullRow(r); full >= 0) rows.push_back(full);
  }
  return rows;
}

int CLumoscopeListView::FirstSelectedShownRow() const {
  const int count = m_control->ItemCount();
  for (int r = 0; r < count; ++r)
    if (m_control->IsSelected(r)) return r;
  return -1;
}

int CLumoscopeListView::LastVisibleRow() const {
  return std::min(m_control->TopIndex() + m_control->CountPerPage(), m_control->ItemCount());
}

bool CLumoscopeListView::WouldOverflow(long addDigital, long addAnalog) const {
  const SectionLocator sections(m_fields);
  const auto digital = static_cast<long>(sections[Section::DigitalChannel].Records() +
                                         sections[Section::PidChannel].Records());
  const auto analog = static_cast<long>(sections[Section::AnalogTp].Records());
  return digital + addDigital > kMaxDigitalChannels || analog + addAnalog > kMaxAnalogChannels;
}

bool CLumoscopeListView::OnKeyDown(ViewKey key) {
  if (key == ViewKey::Enter) {
    // The first selected channel opens, in the channel view or a channel section's view.
    const std::vector<int> rows = SelectedRows();
    if (m_dialogs == nullptr || rows.empty() || ChannelRecordAt(rows[0]) < 0) return false;
    EditChannelAt(FirstSelectedShownRow());
    return true;
  }
  if (m_viewType != 0 || key == ViewKey::Other) return false;
  if (key == ViewKey::F2 && m_dialogs == nullptr) return false;
  const std::vector<int> rows = SelectedRows();
  const int firstShown = FirstSelectedShownRow();
  const int last = LastVisibleRow();
  if (key != ViewKey::F2 && rows.empty()) return false;
  const bool digital = m_showDigital;
  // Null channels, a new channel and pasted channels take room in the receiver: these
  // operations keep their result, and say so when the list no longer fits it.
  const bool grows = key == ViewKey::Insert || key == ViewKey::F2 || key == ViewKey::F4;
  const std::optional<ListFill> before = grows ? std::optional(FillOfList(m_fields)) : std::nullopt;
  // The rows a new channel or a paste brought, shown selected after the refresh.
  std::vector<int> touched;

  FieldsChange change = FieldsChange::Nothing();
  switch (key) {
    case ViewKey::Delete:
      PushUndo("Delete Channel");
      change = DeleteRows(rows);
      break;
    case ViewKey::Insert: {
      const long added = static_cast<long>(rows.size());
      if (digital ? WouldOverflow(added, 0) : WouldOverflow(0, added)) {
        m_reporter->MessageBox(kListFullMessage);
        return true;
      }
      PushUndo("Insert Null Channel");
      change = InsertNullRows(rows[0], rows.size());
      break;
    }
    case ViewKey::F2: {
      // A new channel needs a free channel number.
      if (digital ? WouldOverflow(1, 0) : WouldOverflow(0, 1)) {
        m_reporter->MessageBox(kListFullMessage);
        return true;
      }
      // It becomes the last of its section (the service-ID channels, or the analog ones),
      // which may be far down the list: it is shown selected.
      const Section kind = digital ? Section::DigitalChannel : Section::AnalogTp;
      const size_t records = SectionLocator(m_fields)[kind].Records();
      CreateNewChannel(*this, *m_dialogs);
      change = FieldsChange::Whole();
      if (const size_t now = SectionLocator(m_fields)[kind].Records(); now > records)
        touched = {static_cast<int>(now) - 1};
      break;
    }
    case ViewKey::F3:
      PushUndo("Cut Channel");
      change = CutRows(rows);
      break;
    case ViewKey::F4: {
      const long added = PasteSize(rows[0], digital);
      if (digital ? WouldOverflow(added, 0) : WouldOverflow(0, added)) {
        m_reporter->MessageBox(kListFullMessage);
        return true;
      }
      PushUndo("Paste Channel");
      const std::optional<FieldsSplice> pasted = PasteAt(rows[0], digital);
      if (!pasted) return false;
      change = FieldsChange::Splices({*pasted});
      // The pasted rows take the place of the selected one, which follows them.
      for (long i = 0; i < added; ++i) touched.push_back(rows[0] + static_cast<int>(i));
      break;
    }
    case ViewKey::Enter:
    case ViewKey::Other:
      return false;
  }

  Refresh(true, change);
  if (!touched.empty()) {
    ShowRows(touched);
  } else {
    if (last - 1 >= 0) m_control->EnsureVisible(std::min(last - 1, m_control->ItemCount() - 1));
    // The selection stays where it was on screen (in a filtered list, among the rows shown).
    if (!rows.empty() && firstShown < m_control->ItemCount()) m_control->SelectAndFocus(firstShown);
  }
  if (before) WarnWhenNoLongerFits(*before, m_fields, *m_reporter);
  return true;
}

void CLumoscopeListView::DeleteRow(int row, bool digital) {
  const SectionLocator sections(m_fields);
  const long a = RowToFieldIndexIn(sections, row, digital);
  const std::optional<Section> kind = KindAt(sections, a);
  if (a < 0 || !kind) return;
  m_fields.erase(m_fields.begin() + a, m_fields.begin() + a + static_cast<long>(RecordWidth(*kind)));
}

FieldsChange CLumoscopeListView::DeleteRows(const std::vector<int>& rows) {
  // Removing the rows one by one (each removal moving the later rows up) removes
  // exactly the selected records; doing it in one pass keeps large selections fast.
  const SectionLocator sections(m_fields);
  std::vector<std::pair<long, size_t>> records;
  records.reserve(rows.size());
  for (int row : rows) {
    const long a = RowToFieldIndexIn(sections, row, m_showDigital);
    if (const std::optional<Section> kind = KindAt(sections, a); a >= 0 && kind)
      records.emplace_back(a, RecordWidth(*kind));
  }
  std::sort(records.begin(), records.end());
  size_t write = static_cast<size_t>(records.empty() ? m_fields.size() : records[0].first);
  size_t read = write;
  for (size_t k = 0; k < records.size(); ++k) {
    const size_t from = static_cast<size_t>(records[k].first);
    for (; read < from; ++read, ++write) m_fields[write] = std::move(m_fields[read]);
    read = from + records[k].second;
  }
  for (; read < m_fields.size(); ++read, ++write) m_fields[write] = std::move(m_fields[read]);
  m_fields.resize(write);
  std::vector<FieldsSplice> removed;
  for (const auto& [first, width] : records) {
    // A record selected twice (never by the control, but by a caller) goes once.
    if (!removed.empty() && removed.back().at == static_cast<size_t>(first)) continue;
    removed.push_back({static_cast<size_t>(first), width, 0});
  }
  return FieldsChange::Splices(std::move(removed));
}

void CLumoscopeListView::InsertNullRow(int row, bool digital) {
  const SectionLocator sections(m_fields);
  const long a = RowToFieldIndexIn(sections, row, digital);
  const std::optional<Section> kind = KindAt(sections, a);
  if (a < 0 || !kind) return;
  const std::vector<std::string> null = NullRecordFrom(a, *kind);
  m_fields.insert(m_fields.begin() + a + static_cast<long>(null.size()), null.begin(), null.end());
}

FieldsChange CLumoscopeListView::InsertNullRows(int row, size_t count) {
  // Each null channel copies the one before it, so all of them equal the first one;
  // they go one after another directly after the row's record.
  const SectionLocator sections(m_fields);
  const long a = RowToFieldIndexIn(sections, row, m_showDigital);
  const std::optional<Section> kind = KindAt(sections, a);
  if (a < 0 || !kind) return FieldsChange::Nothing();
  const std::vector<std::string> null = NullRecordFrom(a, *kind);
  std::vector<std::string> block;
  block.reserve(count * null.size());
  for (size_t i = 0; i < count; ++i) block.insert(block.end(), null.begin(), null.end());
  m_fields.insert(m_fields.begin() + a + static_cast<long>(null.size()),
                  std::make_move_iterator(block.begin()), std::make_move_iterator(block.end()));
  return FieldsChange::Splices({{static_cast<size_t>(a) + null.size(), 0, count * null.size()}});
}

void CLumoscopeListView::CutRow(int row, bool digital) {
  const SectionLocator sections(m_fields);
  const long a = RowToFieldIndexIn(sections, row, digital);
  const std::optional<Section> kind = KindAt(sections, a);
  if (a < 0 || !kind) return;
  m_cut.Add(*kind, m_fields.data() + a, RecordWidth(*kind));
}

FieldsChange CLumoscopeListView::CutRows(const std::vector<int>& rows) {
  m_cut.Clear();
  for (int row : rows) CutRow(row, m_showDigital);
  return DeleteRows(rows);
}

long CLumoscopeListView::PasteSize(int row, bool digital) const {
  const SectionLocator sections(m_fields);
  const std::optional<Section> kind = KindAt(sections, RowToFieldIndexIn(sections, row, digital));
  return kind ? m_cut.Count(*kind) : 0;
}

bool CLumoscopeListView::PasteRows(int row, bool digital) {
  return PasteAt(row, digital).has_value();
}

std::optional<FieldsSplice> CLumoscopeListView::PasteAt(int row, bool digital) {
  const SectionLocator sections(m_fields);
  const long a = RowToFieldIndexIn(sections, row, digital);
  const std::optional<Section> kind = KindAt(sections, a);
  if (a < 0 || !kind || m_cut.Count(*kind) == 0) return std::nullopt;
  std::vector<std::string> pasted = m_cut.Take(*kind);
  if (pasted.empty()) return std::nullopt;
  const size_t count = pasted.size();
  m_fields.insert(m_fields.begin() + a, std::make_move_iterator(pasted.begin()),
                  std::make_move_iterator(pasted.end()));
  return FieldsSplice{static_cast<size_t>(a), 0, count};
}

}  // namespace lumoscope
