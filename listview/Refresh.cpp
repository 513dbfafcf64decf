// The refresh after a change: channel numbers, the joined tables and the list control
// brought up to date with the working list. An edit that says which strings it replaced
// (or which records it put in another order) has only the rows of those records rebuilt
// and refilled, and the channel numbers compared row by row; the rows shown are the same
// as after building everything anew, which any other change does.
#include <algorithm>
#include <array>
#include <iterator>

#include "base/ReadAhead.h"
#include "base/RecordFields.h"
#include "listview/ListView.h"
#include "listview/RecordMoves.h"

namespace lumoscope {
namespace {

constexpr std::array<Section, 3> kChannelSections = {Section::DigitalChannel, Section::PidChannel,
                                                     Section::AnalogTp};

// The records of one channel section a change replaced: `removed` records from `first`
// became `inserted` others; the records after them are the same, moved.
struct RowsChange {
  size_t first = 0;
  size_t removed = 0;
  size_t inserted = 0;
};
using RowsChanges = std::array<std::optional<RowsChange>, kChannelSections.size()>;

// Per channel section, the records the splices touched. Nothing when a splice touched
// anything else (a marker, a satellite, a transponder) or the sections no longer line up:
// then everything is built anew. A channel number replaced on its own is no touch: the
// numbers are compared row by row anyway.
std::optional<RowsChanges> RecordsTouched(const SectionLocator& before, const SectionLocator& after,
                                          const std::vector<FieldsSplice>& splices) {
  struct Touched {
    size_t low = SIZE_MAX;
    size_t high = 0;
    long grown = 0;
  };
  std::array<Touched, kChannelSections.size()> touched{};
  for (const FieldsSplice& s : splices) {
    size_t k = 0;
    for (; k < kChannelSections.size(); ++k) {
      const SectionSpan& span = before[kChannelSections[k]];
      if (span.Found() && s.at >= span.First() && s.at + s.removed <= span.end) break;
    }
    if (k == kChannelSections.size()) return std::nullopt;
    const SectionSpan& span = before[kChannelSections[k]];
    const bool number = s.removed == 1 && s.inserted == 1 && (s.at - span.First()) % span.width == 0;
    if (number) continue;
    touched[k].low = std::min(touched[k].low, s.at);
    touched[k].high = std::max(touched[k].high, s.at + s.removed);
    touched[k].grown += static_cast<long>(s.inserted) - static_cast<long>(s.removed);
  }
  for (size_t i = 0; i < kSectionCount; ++i) {
    const auto section = static_cast<Section>(i + 1);
    if (before[section].Found() != after[section].Found()) return std::nullopt;
  }
  RowsChanges changes;
  for (size_t k = 0; k < kChannelSections.size(); ++k) {
    const SectionSpan& was = before[kChannelSections[k]];
    const SectionSpan& is = after[kChannelSections[k]];
    const auto width = static_cast<long>(was.width);
    const Touched& t = touched[k];
    if (t.grown % width != 0) return std::nullopt;
    const long grownRecords = t.grown / width;
    if (static_cast<long>(is.Records()) != static_cast<long>(was.Records()) + grownRecords)
      return std::nullopt;
    if (t.low == SIZE_MAX) continue;
    const size_t first = (t.low - was.First()) / was.width;
    const size_t end = (t.high - was.First() + was.width - 1) / was.width;
    const long inserted = static_cast<long>(end - first) + grownRecords;
    if (inserted < 0) return std::nullopt;
    changes[k] = RowsChange{first, end - first, static_cast<size_t>(inserted)};
  }
  for (const Section s : {Section::SatNameList, Section::Satellite, Section::DigitalTp}) {
    if (before[s].Records() != after[s].Records()) return std::nullopt;
  }
  return changes;
}

// The rows of a table as rows of `width` strings: `removed` rows from `row` give way to
// `rows`.
void ReplaceRows(std::vector<std::string>& table, size_t width, size_t row, size_t removed,
                 std::vector<std::string>&& rows) {
  const auto at = table.begin() + static_cast<std::ptrdiff_t>(row * width);
  const size_t inserted = rows.size() / width;
  const size_t kept = std::min(removed, inserted);
  std::move(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(kept * width), at);
  if (removed > kept) {
    table.erase(at + static_cast<std::ptrdiff_t>(kept * width),
                at + static_cast<std::ptrdiff_t>(removed * width));
  } else if (inserted > kept) {
    table.insert(at + static_cast<std::ptrdiff_t>(kept * width),
                 std::make_move_iterator(rows.begin() + static_cast<std::ptrdiff_t>(kept * width)),
                 std::make_move_iterator(rows.end()));
  }
}

}  // namespace

void CLumoscopeListView::Refresh(bool renumber, const FieldsChange& change) {
  // One walk over a large list finds the sections for all that follows.
  Refresh(renumber, change, SectionLocator(m_fields));
}

void CLumoscopeListView::Refresh(bool renumber, const FieldsChange& change, const SectionLocator& sections) {
  m_undo.Track(change, m_fields, sections);
  RefreshRows(renumber, change, sections);
}

void CLumoscopeListView::RefreshRows(bool renumber, const FieldsChange& change,
                                     const SectionLocator& sections) {
  if (renumber) NumberChannels(sections);
  if (RefreshInPlace(change, sections)) return;
  BuildChannelTables();
  FillList();
}

bool CLumoscopeListView::ControlShowsChannelRows() const {
  return m_viewType == 0 && !m_filter.Active() &&
         m_filled == FilledDisplay{m_viewType, m_showDigital, m_filter.Active()};
}

bool CLumoscopeListView::RefreshInPlace(const FieldsChange& change, const SectionLocator& sections) {
  if (change.whole || !m_tableSections || m_tablesStale) return false;
  const std::optional<RowsChanges> touched = RecordsTouched(*m_tableSections, sections, change.splices);
  if (!touched) return false;
  for (const auto& [section, order] : change.orders)
    if (order.size() != sections[section].Records()) return false;

  // The rows shown follow the tables when the control shows the channel view whole:
  // what a table does, the control does after it.
  const bool digitalShown = m_showDigital;
  const size_t rowsShown =
      digitalShown ? m_digitalRows.size() / kDigitalRowWidth : m_analogRows.size() / kAnalogRowWidth;
  const bool control = ControlShowsChannelRows() && static_cast<size_t>(m_control->ItemCount()) == rowsShown;
  struct ShownChange {
    std::vector<int> order;  // a sort: the rows in their new order
    size_t row = 0;          // otherwise `removed` rows from `row` gave way to `inserted`
    size_t removed = 0;
    size_t inserted = 0;
  };
  std::vector<ShownChange> shownChanges;
  // The program numbers the rows shown had, kept in line with the rows; rows made anew
  // are filled whole.
  constexpr int kRowMadeAnew = -1;
  std::vector<int> numbersShown = digitalShown ? m_programNumbers.digital : m_programNumbers.analog;
  const SectionSpan& channels = sections[Section::DigitalChannel];
  ChannelJoiner joiner(m_fields, sections);

  // A sort: each table's rows in their new order, all at once.
  std::array<std::vector<int>, 2> tableOrders;  // digital, analog
  for (const auto& [section, order] : change.orders) {
    const bool digital = section != Section::AnalogTp;
    std::vector<int>& tableOrder = tableOrders[digital ? 0 : 1];
    const size_t rows =
        digital ? m_digitalRows.size() / kDigitalRowWidth : m_analogRows.size() / kAnalogRowWidth;
    if (tableOrder.empty()) {
      tableOrder.resize(rows);
      for (size_t r = 0; r < rows; ++r) tableOrder[r] = static_cast<int>(r);
    }
    const size_t firstRow = section == Section::PidChannel ? channels.Records() : 0;
    for (size_t r = 0; r < order.size(); ++r)
      tableOrder[firstRow + r] = static_cast<int>(firstRow) + order[r];
  }
  for (size_t t = 0; t < tableOrders.size(); ++t) {
    if (tableOrders[t].empty()) continue;
    const bool digital = t == 0;
    PermuteBlocks(digital ? m_digitalRows : m_analogRows, 0, digital ? kDigitalRowWidth : kAnalogRowWidth,
                  tableOrders[t]);
    if (digital != digitalShown) continue;
    std::vector<int> numbers(numbersShown.size());
    for (size_t r = 0; r < numbers.size(); ++r)
      numbers[r] = numbersShown[static_cast<size_t>(tableOrders[t][r])];
    numbersShown = std::move(numbers);
    shownChanges.push_back({std::move(tableOrders[t]), 0, 0, 0});
  }

  // The records an edit replaced: their rows made anew.
  for (size_t k = 0; k < kChannelSections.size(); ++k) {
    if (!(*touched)[k]) continue;
    const Section section = kChannelSections[k];
    const bool digital = section != Section::AnalogTp;
    std::vector<std::string>& table = digital ? m_digitalRows : m_analogRows;
    const size_t width = digital ? kDigitalRowWidth : kAnalogRowWidth;
    // The PID rows follow the channel rows, as many as there are now.
    const size_t firstRow = section == Section::PidChannel ? channels.Records() : 0;
    const SectionSpan& span = sections[section];
    const RowsChange& c = *(*touched)[k];
    std::vector<std::string> rows;
    rows.reserve(c.inserted * width);
    for (size_t r = c.first; r < c.first + c.inserted; ++r) joiner.Append(rows, section, span.At(r));
    ReplaceRows(table, width, firstRow + c.first, c.removed, std::move(rows));
    if (digital != digitalShown) continue;
    const auto at = numbersShown.begin() + static_cast<std::ptrdiff_t>(firstRow + c.first);
    numbersShown.erase(at, at + static_cast<std::ptrdiff_t>(c.removed));
    numbersShown.insert(numbersShown.begin() + static_cast<std::ptrdiff_t>(firstRow + c.first), c.inserted,
                        kRowMadeAnew);
    shownChanges.push_back({{}, firstRow + c.first, c.removed, c.inserted});
  }

  // The channel numbers, row by row.
  std::vector<int> renumbered;  // rows shown whose number changed
  for (const Section section : kChannelSections) {
    const bool digital = section != Section::AnalogTp;
    std::vector<std::string>& table = digital ? m_digitalRows : m_analogRows;
    const size_t width = digital ? kDigitalRowWidth : kAnalogRowWidth;
    const size_t firstRow = section == Section::PidChannel ? channels.Records() : 0;
    const SectionSpan& span = sections[section];
    for (size_t r = 0; r < span.Records(); ++r) {
      if (r + kReadAhead < span.Records()) {
        ReadAhead(&m_fields[span.At(r + kReadAhead, field::kIndex)]);
        ReadAhead(&table[(firstRow + r + kReadAhead) * width + digitalcol::kNumber]);
      }
      const std::string& number = m_fields[span.At(r, field::kIndex)];
      std::string& cell = table[(firstRow + r) * width + digitalcol::kNumber];
      if (cell == number) continue;
      cell = number;
      if (digital == digitalShown) renumbered.push_back(static_cast<int>(firstRow + r));
    }
  }
  // The receiver's program numbers follow every row before them.
  m_programNumbers = NumberPrograms(m_fields, sections, m_digitalRows, m_analogRows);
  m_tableSections = sections;
  ++m_tablesGeneration;
  if (!control) {
    FillList();
    return true;
  }

  m_control->ClearSelection();
  const bool digital = digitalShown;
  const std::vector<std::string>& table = digital ? m_digitalRows : m_analogRows;
  const size_t width = digital ? kDigitalRowWidth : kAnalogRowWidth;
  for (const ShownChange& c : shownChanges) {
    if (!c.order.empty()) {
      m_control->MoveItems(c.order);
      continue;
    }
    const int row = static_cast<int>(c.row);
    if (c.removed > c.inserted)
      m_control->DeleteItems(row + static_cast<int>(c.inserted), static_cast<int>(c.removed - c.inserted));
    if (c.inserted > c.removed)
      m_control->InsertItems(row + static_cast<int>(c.removed), static_cast<int>(c.inserted - c.removed));
  }
  // Rows made anew are filled whole (after every row has its place and number).
  for (size_t r = 0; r < numbersShown.size(); ++r) {
    const int item = static_cast<int>(r);
    if (numbersShown[r] == kRowMadeAnew) {
      const std::string* cells = table.data() + r * width;
      m_control->SetItemImage(item, ChannelImage(cells, digital));
      m_control->SetItemText(item, 0, cells[0]);
      FillChannelCells(item, r, digital);
    }
  }
  for (const int r : renumbered) {
    if (numbersShown[static_cast<size_t>(r)] != kRowMadeAnew)
      m_control->SetItemText(r, 0, table[static_cast<size_t>(r) * width + digitalcol::kNumber]);
  }
  const std::vector<int>& numbers = digital ? m_programNumbers.digital : m_programNumbers.analog;
  for (size_t r = 0; r < numbersShown.size(); ++r) {
    if (numbersShown[r] != kRowMadeAnew && numbersShown[r] != numbers[r])
      m_control->SetItemText(static_cast<int>(r), static_cast<int>(width), ProgramNumberText(numbers[r]));
  }
  ApplyFilter();
  if (m_shownListener) m_shownListener();
  return true;
}

}  // namespace lumoscope
