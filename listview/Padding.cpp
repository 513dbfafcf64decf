// Padding: every satellite's TV and radio groups are filled with null channels up to
// the next multiple of 100, so that each group starts at a round channel number on the
// receiver. One revert step of its own; and the question on closing a modified list.
#include <map>

#include "base/ListLimits.h"
#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "database/ListDB.h"
#include "database/ListFill.h"
#include "listview/ListView.h"
#include "listview/NullChannels.h"
#include "transfer/SectionListWriter.h"

namespace lumoscope {

namespace {

constexpr long kGroupSize = 100;  // channel numbers per group after padding
constexpr const char* kSaveQuestion = "Saveing  Modified Data!!!";
constexpr const char* kSaveCaption = "Saving";
constexpr const char* kSaveFailed = "ERROR!!! Saving not Complete";

}  // namespace

void CLumoscopeListView::PadSection(Section section) {
  const SectionSpan span = SectionLocator(m_fields)[section];
  if (!span.Found()) return;
  const bool digital = section == Section::DigitalChannel;
  const int satF = digital ? field::kChSat : field::kAnSat;
  const int typeF = digital ? field::kChType : field::kAnType;
  const auto records = static_cast<long>(span.Records());
  const auto at = [&](long r, int f) -> const std::string& {
    return m_fields[span.At(static_cast<size_t>(r), f)];
  };

  // Null digital channels take the transponder of the satellite's first channel.
  std::map<std::string, std::string> firstTpOfSat;
  if (digital) {
    for (long r = 0; r < records; ++r) firstTpOfSat.emplace(at(r, satF), at(r, field::kChTp));
  }

  std::vector<std::string> added;
  long total = 0;
  for (long r = 0; r < records;) {
    const std::string& sat = at(r, satF);
    const std::string& type = at(r, typeF);
    long n = 0;
    while (r + n < records && at(r + n, satF) == sat && at(r + n, typeF) == type) ++n;
    const long pad = kGroupSize - n % kGroupSize;
    for (long k = 0; k < pad; ++k) {
      const long provisional = total + n + 1 + k;
      const std::vector<std::string> null =
          digital ? NullChannelRecord(std::to_string(provisional), firstTpOfSat[sat], sat, type)
                  : NullAnalogRecord(std::to_string(provisional), sat, type);
      added.insert(added.end(), null.begin(), null.end());
    }
    total += n + pad;
    r += n;
  }
  m_fields.insert(m_fields.begin() + static_cast<long>(span.end), std::make_move_iterator(added.begin()),
                  std::make_move_iterator(added.end()));
}

bool CLumoscopeListView::PadToHundreds() {
  std::vector<std::string> previousSnapshot = std::move(m_padSnapshot);
  const bool previousAvailable = m_padUndoAvailable;
  m_padSnapshot = m_fields;
  if (!IsLoaded()) return true;
  const ListFill before = FillOfList(m_fields);
  // Besides its own revert, a padding is an undo step like any other change.
  PushUndo("Pad Channel");

  WaitGuard wait(*m_reporter);
  const int savedMode = g_sortMode;
  g_sortMode = 1;
  SortInPlace(g_sortMode, SectionLocator(m_fields));
  PadSection(Section::DigitalChannel);
  PadSection(Section::AnalogTp);
  SortInPlace(g_sortMode, SectionLocator(m_fields));
  // Always renumber, whatever the option says: the provisional numbers of the null
  // channels repeat existing ones and such a list could not be opened again.
  Renumber();
  g_sortMode = savedMode;
  wait.End();

  if (ExceedsLimits()) {
    m_fields = std::move(m_padSnapshot);
    m_padSnapshot = std::move(previousSnapshot);
    m_padUndoAvailable = previousAvailable;
    DropUndo();
    m_reporter->MessageBox(kListFullMessage);
    return false;
  }
  m_padUndoAvailable = true;
  BuildChannelTables();
  FillList();
  // The padding keeps its result; a list past the receiver's limits is said at once.
  WarnWhenNoLongerFits(before, m_fields, *m_reporter);
  return true;
}

void CLumoscopeListView::RevertPadding() {
  if (!m_padUndoAvailable) return;
  PushUndo("Revert Padding");
  m_fields = std::move(m_padSnapshot);
  m_padSnapshot.clear();
  m_padUndoAvailable = false;
  BuildChannelTables();
  FillList();
}

void CLumoscopeListView::SaveOnClose() {
  if (!m_modified) return;
  if (m_reporter->AskYesNo(kSaveQuestion, kSaveCaption) != Answer::Yes) return;
  CListDB* db = m_document != nullptr ? m_document->Database() : nullptr;
  if (db == nullptr || !SaveSectionList(*db, m_fields)) m_reporter->MessageBox(kSaveFailed);
}

}  // namespace lumoscope
