// The filter of the list view, the counts of the status bar and the keyboard search: the
// rows shown are a subset of the display's rows, and everything the person points at
// is turned into rows of the whole display before a command acts on it.
#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/NameText.h"
#include "base/RecordFields.h"
#include "listview/ChannelColumns.h"
#include "listview/ListView.h"

namespace lumoscope {
namespace {

// Fields of a row joined for the search; the text typed never holds it, so a match never
// runs from one field into the next.
constexpr char kFieldBreak = '\n';

// The bits of a display's key below its tables' generation: the view type and the
// channel kind.
constexpr int kDisplayBits = 4;
constexpr uint64_t kAnalogDisplay = 8;

bool IsNull(const std::string& blank) {
  return TrimmedUpper(blank) == kYes;
}

}  // namespace

void CLumoscopeListView::SetFilter(const std::string& textUtf8) {
  if (textUtf8 == m_filter.Text()) return;
  // The person keeps their place: the rows selected stay selected where they are shown,
  // also when the filter is cleared.
  const std::vector<int> selected = SelectedRows();
  m_filter.SetText(textUtf8);
  FillList();
  ShowRows(selected);
}

size_t CLumoscopeListView::DisplayRows() const {
  if (m_viewType >= 1 && m_viewType <= static_cast<int>(kSectionCount))
    return SectionLocator(m_fields)[static_cast<Section>(m_viewType)].Records();
  return m_showDigital ? m_digitalRows.size() / kDigitalRowWidth : m_analogRows.size() / kAnalogRowWidth;
}

std::string CLumoscopeListView::SearchText(size_t row) const {
  std::string text;
  const auto add = [&text](const std::string& field) {
    text += field;
    text += kFieldBreak;
  };
  if (m_viewType >= 1 && m_viewType <= static_cast<int>(kSectionCount)) {
    const Section section = static_cast<Section>(m_viewType);
    const SectionSpan span = SectionLocator(m_fields)[section];
    // Each field as the view shows it: the name decoded, the degree as a number.
    const size_t nameField = FormatOf(section).nameField;
    for (size_t f = 0; f < span.width; ++f) {
      const std::string& stored = m_fields[span.At(row, static_cast<int>(f))];
      add(f == nameField ? m_names.Decode(stored) : stored);
    }
    if (section == Section::Satellite) {
      std::string stored = m_fields[span.At(row, field::kSatDegree)];
      if (const std::optional<std::string> shown = DegreeToDisplay(stored, true)) add(*shown);
    }
    return text;
  }
  if (m_showDigital) {
    const std::string* r = m_digitalRows.data() + row * kDigitalRowWidth;
    for (int c : {digitalcol::kNumber, digitalcol::kSvcId, digitalcol::kFrequency}) add(r[c]);
    for (int c : {digitalcol::kName, digitalcol::kBouquet, digitalcol::kSatName}) add(m_names.Decode(r[c]));
  } else {
    const std::string* r = m_analogRows.data() + row * kAnalogRowWidth;
    for (int c : {analogcol::kNumber, analogcol::kFrequency}) add(r[c]);
    for (int c : {analogcol::kName, analogcol::kSatName}) add(m_names.Decode(r[c]));
  }
  return text;
}

void CLumoscopeListView::ApplyFilter() {
  const uint64_t display = static_cast<uint64_t>(m_viewType) + (m_showDigital ? 0 : kAnalogDisplay);
  const uint64_t key = (m_tablesGeneration << kDisplayBits) | display;
  m_filter.Apply(DisplayRows(), key, [this](size_t row) { return SearchText(row); });
}

std::string CLumoscopeListView::RowName(size_t row) const {
  if (m_viewType >= 1 && m_viewType <= static_cast<int>(kSectionCount)) {
    const Section section = static_cast<Section>(m_viewType);
    const SectionSpan span = SectionLocator(m_fields)[section];
    return m_names.Decode(m_fields[span.At(row, static_cast<int>(FormatOf(section).nameField))]);
  }
  if (m_showDigital) return m_names.Decode(m_digitalRows[row * kDigitalRowWidth + digitalcol::kName]);
  return m_names.Decode(m_analogRows[row * kAnalogRowWidth + analogcol::kName]);
}

int CLumoscopeListView::FindName(const std::string& typedUtf8, int fromShownRow) const {
  const std::string wanted = FoldCase(typedUtf8);
  const std::vector<int>& shown = m_filter.Shown();
  if (wanted.empty() || shown.empty()) return -1;
  const size_t count = shown.size();
  const size_t from = fromShownRow < 0 ? 0 : static_cast<size_t>(fromShownRow) % count;
  for (size_t k = 0; k < count; ++k) {
    const size_t at = (from + k) % count;
    if (FoldCase(RowName(static_cast<size_t>(shown[at]))).starts_with(wanted)) return static_cast<int>(at);
  }
  return -1;
}

ListCounts CLumoscopeListView::Counts() const {
  ListCounts c;
  if (!IsLoaded()) return c;
  c.filtered = m_filter.Active();
  c.shown = m_filter.ShownCount();
  c.total = m_filter.FullCount();
  const int rows = m_control->ItemCount();
  for (int r = 0; r < rows; ++r)
    if (m_control->IsSelected(r)) ++c.selected;
  if (m_viewType != 0) {
    c.display = ListCounts::Display::Records;
    return c;
  }
  const bool digital = m_showDigital;
  c.display = digital ? ListCounts::Display::DigitalChannels : ListCounts::Display::AnalogChannels;
  const std::vector<std::string>& table = digital ? m_digitalRows : m_analogRows;
  const size_t width = digital ? kDigitalRowWidth : kAnalogRowWidth;
  for (int full : m_filter.Shown()) {
    const std::string* r = table.data() + static_cast<size_t>(full) * width;
    if (digital && IsNull(r[digitalcol::kBlank])) {
      ++c.null;
    } else if (TrimmedUpper(r[digital ? kDigitalTypeColumn : kAnalogTypeColumn]) == kTv) {
      ++c.tv;
    } else {
      ++c.radio;
    }
  }
  return c;
}

}  // namespace lumoscope
