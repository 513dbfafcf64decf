#include "listview/ListCounts.h"

namespace lumoscope {
namespace {

std::string Counted(size_t n, const char* one, const char* many) {
  return GroupedNumber(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string GroupedNumber(size_t n) {
  std::string digits = std::to_string(n);
  for (size_t at = digits.size() > 3 ? digits.size() - 3 : 0; at > 0; at = at > 3 ? at - 3 : 0)
    digits.insert(at, ",");
  return digits;
}

std::string ShownText(const ListCounts& c) {
  if (c.display == ListCounts::Display::Nothing) return {};
  if (c.filtered) return "Showing " + GroupedNumber(c.shown) + " of " + GroupedNumber(c.total);
  if (c.display == ListCounts::Display::Records) return Counted(c.total, "record", "records");
  return Counted(c.total, "channel", "channels");
}

std::string KindsText(const ListCounts& c) {
  switch (c.display) {
    case ListCounts::Display::DigitalChannels:
      return GroupedNumber(c.tv) + " TV, " + GroupedNumber(c.radio) + " radio, " + GroupedNumber(c.null) +
             " null";
    case ListCounts::Display::AnalogChannels:
      return GroupedNumber(c.tv) + " TV, " + GroupedNumber(c.radio) + " radio";
    default:
      return {};
  }
}

std::string SelectionText(const ListCounts& c) {
  if (c.display == ListCounts::Display::Nothing) return {};
  if (c.selected == 0) return "No row selected";
  return Counted(c.selected, "row", "rows") + " selected";
}

}  // namespace lumoscope
