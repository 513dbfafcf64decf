#include "listview/SatelliteChoices.h"

#include "base/RecordFields.h"
#include "base/SectionLocator.h"

namespace lumoscope {

namespace {

constexpr int kSatellitesView = static_cast<int>(Section::Satellite);  // the satellites' section view
constexpr int kChannelView = 0;

std::optional<int> FirstSelectedRow(const IListControl& control) {
  for (int r = 0; r < control.ItemCount(); ++r)
    if (control.IsSelected(r)) return r;
  return std::nullopt;
}

}  // namespace

std::vector<SatelliteChoice> SatelliteChoices(const std::vector<std::string>& fields) {
  const SectionSpan sats = SectionLocator(fields)[Section::Satellite];
  std::vector<SatelliteChoice> out;
  for (size_t r = 0; r < sats.Records(); ++r) {
    const std::string* s = fields.data() + sats.At(r);
    out.push_back({s[field::kIndex], s[field::kSatName], s[field::kSatDegree]});
  }
  return out;
}

std::optional<std::string> SelectedSatelliteIndex(CLumoscopeListView& view, const IListControl& control) {
  const std::optional<int> row = FirstSelectedRow(control);
  if (!row) return std::nullopt;
  const size_t r = static_cast<size_t>(*row);
  if (view.ViewType() == kSatellitesView) {
    const std::vector<SatelliteChoice> sats = SatelliteChoices(view.Fields());
    return r < sats.size() ? std::optional(sats[r].index) : std::nullopt;
  }
  if (view.ViewType() != kChannelView) return std::nullopt;
  const std::vector<std::string>& rows = view.ShowDigital() ? view.DigitalRows() : view.AnalogRows();
  const size_t width = view.ShowDigital() ? kDigitalRowWidth : kAnalogRowWidth;
  const auto column = static_cast<size_t>(view.ShowDigital() ? digitalcol::kSatIndex : analogcol::kSatIndex);
  if ((r + 1) * width > rows.size()) return std::nullopt;
  return rows[r * width + column];
}

}  // namespace lumoscope
