#include "listview/ListView.h"

#include <algorithm>
#include <utility>

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/RecordFields.h"
#include "base/ReplacingFile.h"
#include "base/Reporter.h"
#include "database/ListDB.h"
#include "listview/ChannelColumns.h"
#include "listview/SectionColumns.h"
#include "transfer/SectionListLoader.h"

namespace lumoscope {

int g_sortMode = 0;

namespace {

constexpr const char* kTitlePrefix = "Lumoscope Lite : ";
constexpr const char* kUntitled = "Lumoscope Lite : Untitled";
constexpr const char* kMissingMarker = "Can't find \" %s \" ";

}  // namespace

CLumoscopeListView::CLumoscopeListView(IListControl& control, IReporter& reporter)
    : m_control(&control), m_reporter(&reporter) {
  std::copy(kDigitalInitialWidths.begin(), kDigitalInitialWidths.end(), m_digitalWidths.begin());
  std::copy(kAnalogInitialWidths.begin(), kAnalogInitialWidths.end(), m_analogWidths.begin());
  ResetUndo();
}

void CLumoscopeListView::OnInitialUpdate() {
  m_control->SetUpReport();
}

void CLumoscopeListView::SetNameEncoding(NameEncoding encoding) {
  if (encoding == m_names.Encoding()) return;
  m_names = NameCodec(encoding);
  ++m_tablesGeneration;  // the filter searches the names as decoded
  if (!IsLoaded()) return;
  // The names read otherwise, and take another room.
  m_control->FitColumns(false);
  FillList();
}

bool CLumoscopeListView::IsLoaded() const {
  return m_document != nullptr && m_document->IsLoaded();
}

void CLumoscopeListView::NotifyChangesStored() {
  m_padSnapshot.clear();
  m_padUndoAvailable = false;
}

bool CLumoscopeListView::Reload() {
  if (m_document == nullptr || m_document->Database() == nullptr) return false;
  CListDB& db = *m_document->Database();
  // Loaded aside: a refused file must not cost the list on screen (the loader has told
  // the person why); the document puts back its own state.
  std::vector<std::string> loaded;
  if (!LoadSectionList(db, loaded)) return false;
  m_fields = std::move(loaded);
  MarkClean();
  // A list that may not be written is only being looked at: no automatic save, and no
  // error boxes for it. An explicit Save still tells why it fails. Nor is a list saved at
  // once when the save would drop what the person wrote in it (comments among the
  // records): it is opened as modified, so the first save is the person's decision and
  // the backup keeps the file as it was.
  if (db.resaveFlag && IsWritableFile(db.FilePath())) {
    if (db.saveLosesText) {
      m_modified = m_loadedModified = true;
    } else {
      m_document->Save();
    }
  }
  db.resaveFlag = false;
  const bool isUpload = TrimmedUpper(db.FilePath()) == TrimmedUpper(m_uploadFilePath);
  m_document->SetWindowTitle(isUpload ? std::string(kUntitled) : kTitlePrefix + db.FilePath());
  m_control->FitColumns(true);
  Refresh(true);
  return true;
}

void CLumoscopeListView::FillColumns(const char* const* titles, const int* widths, int count) {
  m_control->DeleteAllItems();
  for (int c = m_control->ColumnCount() - 1; c >= 0; --c) m_control->DeleteColumn(c);
  for (int c = 0; c < count; ++c) m_control->InsertColumn(c, titles[c], widths[c]);
}

void CLumoscopeListView::FillList() {
  ApplyFilter();
  if (m_viewType >= 1 && m_viewType <= static_cast<int>(kSectionCount)) {
    FillSectionView(static_cast<Section>(m_viewType));
  } else {
    FillChannelView();
  }
  m_filled = FilledDisplay{m_viewType, m_showDigital, m_filter.Active()};
  if (m_shownListener) m_shownListener();
}

void CLumoscopeListView::FillSectionView(Section section) {
  const SectionColumns& columns = ColumnsOf(section);
  const SectionFormat& format = FormatOf(section);
  const int width = static_cast<int>(format.fieldCount);
  FillColumns(columns.titles.data(), columns.widths.data(), width);
  const SectionSpan span = SectionLocator(m_fields)[section];
  if (span.start == SectionSpan::kMissing || span.end == SectionSpan::kMissing) {
    const std::string marker(span.start == SectionSpan::kMissing ? format.startMarker : format.endMarker);
    m_reporter->MessageBox(Format(kMissingMarker, marker.c_str()));
    return;
  }
  // The records the filter lets through, each as one row of its fields.
  const std::vector<int>& records = m_filter.Shown();
  for (size_t k = 0; k < records.size() * format.fieldCount; ++k) {
    const int row = static_cast<int>(k / format.fieldCount);
    const int column = static_cast<int>(k % format.fieldCount);
    const std::string& cell = m_fields[span.At(static_cast<size_t>(records[static_cast<size_t>(row)])) +
                                       static_cast<size_t>(column)];
    if (column == 0) {
      m_control->InsertItem(row, cell, kImageRecord);
    } else if (column == static_cast<int>(format.nameField)) {
      m_control->SetItemText(row, column, m_names.Decode(cell));
    } else if (section == Section::Satellite && column == field::kSatDegree) {
      std::string stored = cell;
      const std::optional<std::string> shown = DegreeToDisplay(stored, true);
      if (!shown) m_reporter->MessageBox(kDegreeConversionMessage);
      m_control->SetItemText(row, column, shown.value_or(cell));
    } else {
      m_control->SetItemText(row, column, cell);
    }
  }
}

void CLumoscopeListView::FillChannelView() {
  const bool digital = m_showDigital;
  const int width = digital ? kDigitalRowWidth : kAnalogRowWidth;
  if (digital) {
    FillColumns(kDigitalTitles.data(), m_digitalWidths.data(), kDigitalViewColumns);
  } else {
    FillColumns(kAnalogTitles.data(), m_analogWidths.data(), kAnalogViewColumns);
  }
  const std::vector<std::string>& rows = digital ? m_digitalRows : m_analogRows;
  const std::vector<int>& shown = m_filter.Shown();
  for (size_t r = 0; r < shown.size(); ++r) {
    const int item = static_cast<int>(r);
    const std::string* row = rows.data() + static_cast<size_t>(shown[r]) * static_cast<size_t>(width);
    m_control->InsertItem(item, row[0], ChannelImage(row, digital));
    FillChannelCells(item, static_cast<size_t>(shown[r]), digital);
  }
}

int CLumoscopeListView::ChannelImage(const std::string* row, bool digital) {
  return row[digital ? kDigitalTypeColumn : kAnalogTypeColumn] == kTv ? kImageTv : kImageRadio;
}

void CLumoscopeListView::FillChannelCells(int item, size_t fullRow, bool digital) {
  const int width = digital ? kDigitalRowWidth : kAnalogRowWidth;
  const std::string* row =
      (digital ? m_digitalRows : m_analogRows).data() + fullRow * static_cast<size_t>(width);
  // The columns that hold names: the channel's, its bouquet and its satellite's.
  const auto isName = [digital](int c) {
    return digital ? c == digitalcol::kName || c == digitalcol::kBouquet || c == digitalcol::kSatName
                   : c == analogcol::kName || c == analogcol::kSatName;
  };
  for (int c = 1; c < width; ++c)
    m_control->SetItemText(item, c, isName(c) ? m_names.Decode(row[c]) : row[c]);
  const std::vector<int>& numbers = digital ? m_programNumbers.digital : m_programNumbers.analog;
  m_control->SetItemText(item, width, ProgramNumberText(numbers[fullRow]));
}

// ---------------------------------------------------------------------------
// Commands

bool CLumoscopeListView::IsCommandEnabled(int id) const {
  const ViewCommand* c = FindViewCommand(id);
  if (c == nullptr) return false;
  switch (c->enable) {
    case EnableRule::Always:
      return true;
    case EnableRule::Loaded:
      return IsLoaded();
    case EnableRule::LoadedChannelView:
      return IsLoaded() && m_viewType == 0;
    case EnableRule::PadUndoAvailable:
      return m_padUndoAvailable;
    case EnableRule::UndoAvailable:
      return UndoAvailable();
    case EnableRule::RedoAvailable:
      return RedoAvailable();
    case EnableRule::ChannelRows:
      return IsLoaded() && m_dialogs != nullptr &&
             (m_viewType == 0 || m_viewType == static_cast<int>(Section::DigitalChannel) ||
              m_viewType == static_cast<int>(Section::PidChannel));
    case EnableRule::PasteAvailable:
      return IsLoaded() && m_viewType == 0 &&
             (m_showDigital
                  ? (m_cut.Count(Section::DigitalChannel) > 0 || m_cut.Count(Section::PidChannel) > 0)
                  : m_cut.Count(Section::AnalogTp) > 0);
  }
  return false;
}

bool CLumoscopeListView::IsCommandChecked(int id) const {
  const ViewCommand* c = FindViewCommand(id);
  if (c == nullptr) return false;
  switch (c->check) {
    case CheckRule::None:
      return false;
    case CheckRule::ViewType:
      return m_viewType == c->viewType &&
             (c->viewType != 0 || static_cast<int>(m_showDigital) == c->showDigital);
    case CheckRule::GroupMove:
      return m_groupMoveEnabled;
    case CheckRule::RenumberAfterSort:
      return m_renumberAfterSort;
    case CheckRule::SortAscending:
      return m_sortAscending;
    case CheckRule::DetailColumns:
      return m_detailColumns == 1;
  }
  return false;
}

std::string CLumoscopeListView::CommandText(int id) const {
  if (id == cmd::kUndo) {
    if (!UndoAvailable()) return "Undo Disable";
    return Format("Undo (%d - %s)", UndoCount(), m_undo.NewestLabel().c_str());
  }
  if (id == cmd::kRedo) {
    if (!RedoAvailable()) return "Redo Disable";
    return Format("Redo (%d - %s)", RedoCount(), m_undo.NewestRedoLabel().c_str());
  }
  if (id == cmd::kToggleDigitalAnalog) return m_showDigital ? "View Analog Channel" : "View Digital Channel";
  return {};
}

bool CLumoscopeListView::ExecuteCommand(int id) {
  const ViewCommand* c = FindViewCommand(id);
  if (c == nullptr || !IsCommandEnabled(id)) return false;
  switch (c->action) {
    case ViewAction::Reload:
      Reload();
      break;
    case ViewAction::ShowView:
      m_viewType = c->viewType;
      if (c->viewType == 0) m_showDigital = c->showDigital != 0;
      m_control->FitColumns(false);
      FillList();
      break;
    case ViewAction::FlipDigital:
      m_viewType = 0;
      m_showDigital = !m_showDigital;
      m_control->FitColumns(false);
      FillList();
      break;
    case ViewAction::FlipGroupMove:
      m_groupMoveEnabled = !m_groupMoveEnabled;
      break;
    case ViewAction::Sort:
      g_sortMode = c->sortMode;
      SortChannels();
      break;
    case ViewAction::FlipRenumber:
      m_renumberAfterSort = IsLoaded() ? !m_renumberAfterSort : true;
      break;
    case ViewAction::FlipAscending:
      m_sortAscending = IsLoaded() ? !m_sortAscending : true;
      break;
    case ViewAction::PostKey:
      OnKeyDown(c->key);
      break;
    case ViewAction::ToggleDetail:
      m_detailColumns = m_detailColumns == 1 ? 0 : 1;
      if (m_detailColumns == 1) {
        std::copy(kDigitalDetailOn.begin(), kDigitalDetailOn.end(), m_digitalWidths.begin());
        std::copy(kAnalogDetailOn.begin(), kAnalogDetailOn.end(), m_analogWidths.begin());
      } else {
        std::copy(kDigitalDetailOff.begin(), kDigitalDetailOff.end(), m_digitalWidths.begin());
        std::copy(kAnalogDetailOff.begin(), kAnalogDetailOff.end(), m_analogWidths.begin());
      }
      FillList();
      break;
    case ViewAction::Pad:
      PadToHundreds();
      break;
    case ViewAction::RevertPad:
      RevertPadding();
      break;
    case ViewAction::Undo:
      Undo();
      break;
    case ViewAction::Redo:
      Redo();
      break;
  }
  return true;
}

}  // namespace lumoscope
