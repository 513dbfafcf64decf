#include "listview/OrderReference.h"

#include <algorithm>

#include "base/FieldConversions.h"
#include "base/FileContents.h"
#include "base/Reporter.h"
#include "base/Sections.h"
#include "listview/OtherList.h"

namespace lumoscope {

namespace {

// The lines of a text, without their line ends (LF or CR LF).
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace

bool LooksLikeChannelList(const std::string& text) {
  const std::vector<std::string_view> lines = Lines(text);
  return std::any_of(lines.begin(), lines.end(),
                     [](std::string_view line) { return SectionOfHeader(line).has_value(); });
}

std::optional<OrderReference> ReadOrderReference(const std::string& path, const AppOptions& options,
                                                 IReporter& reporter) {
  std::string text;
  FileFailure failure;
  if (!ReadInputFile(path, text, failure)) {
    reporter.MessageBox(WithFailure(kReferenceUnreadable, failure));
    return std::nullopt;
  }
  OrderReference reference;
  if (LooksLikeChannelList(text)) {
    const std::optional<std::vector<std::string>> fields = LoadOtherList(path, options, reporter);
    if (!fields) return std::nullopt;
    reference.isList = true;
    // The other list is from the same receiver: its names have the same encoding.
    for (ChannelEntry& c : ReadChannels(*fields, NameCodec(options.nameEncoding)).channels)
      if (!c.null) reference.channels.push_back(std::move(c));
    return reference;
  }
  // Editors that write UTF-8 may start the file with a byte order mark; it is no name.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  std::string_view names = text;
  if (names.starts_with(kByteOrderMark)) names.remove_prefix(kByteOrderMark.size());
  for (const std::string_view line : Lines(names)) {
    std::string name = Trimmed(std::string(line));
    if (!name.empty()) reference.names.push_back(std::move(name));
  }
  return reference;
}

}  // namespace lumoscope
