#include "editing/ChannelFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "base/Reporter.h"
#include "editing/ChannelFileFormats.h"

namespace lumoscope {

namespace {

constexpr const char* kUnreadable = "The channel file cannot be read.";
constexpr const char* kTooLarge =
    "The channel file %s cannot be read: it is %lld bytes long, and a channel file has at most %zu bytes.";
constexpr const char* kBadLine = "The channel file %s cannot be read: line %d %s.";
constexpr const char* kBadFile = "The channel file %s cannot be read: it %s.";
constexpr const char* kUnknownFormat =
    "The channel file %s is in none of the formats this program reads: dvbv5 (\"[NAME]\" groups with "
    "SERVICE_ID, VIDEO_PID, ...), VDR's channels.conf (\"name;provider:frequency:parameters:source:"
    "symbolrate:vpid:apid:tpid:caid:sid:nid:tid:rid\") or zap (\"name:frequency:polarisation:satellite:"
    "symbolrate:vpid:apid:sid\").";
constexpr const char* kNoServices = "The channel file %s holds no service.";

// The fields of a zap line, and of a VDR line from the oldest layout to the newest.
constexpr size_t kZapFields = 8;
constexpr size_t kMinVdrFields = 10;
constexpr size_t kMaxVdrFields = 14;

// The format of a file, told by its first line that is neither blank nor a comment: a
// "[group]" is dvbv5; a line of eight fields with a polarisation third is zap; a VDR line
// has ten to fourteen, the fourth its source ("S19.2E", "T", "C"), and VDR's group
// separators (":Name") come only in its files.
std::optional<ChannelFileFormat> FormatOf(std::string_view text) {
  std::optional<ChannelFileFormat> format;
  ForEachTextLine(text, [&](std::string_view line, int) {
    const std::string_view t = TrimBlanks(line);
    if (t.empty() || t[0] == '#') return true;
    if (t[0] == '[') {
      format = ChannelFileFormat::Dvbv5;
      return false;
    }
    const std::vector<std::string_view> fields = SplitFields(t, ':', kMaxVdrFields + 1);
    if (t[0] == ':' && fields.size() <= 2) {
      format = ChannelFileFormat::Vdr;
    } else if (fields.size() == kZapFields && PolarizationNamed(fields[2]).has_value()) {
      format = ChannelFileFormat::Zap;
    } else if (fields.size() >= kMinVdrFields && fields.size() <= kMaxVdrFields && !fields[3].empty() &&
               std::isupper(static_cast<unsigned char>(fields[3][0])) != 0) {
      format = ChannelFileFormat::Vdr;
    }
    return false;
  });
  return format;
}

}  // namespace

const char* ChannelFileFormatName(ChannelFileFormat format) {
  switch (format) {
    case ChannelFileFormat::Dvbv5:
      return "dvbv5";
    case ChannelFileFormat::Vdr:
      return "VDR channels.conf";
    case ChannelFileFormat::Zap:
      return "zap";
  }
  return "";
}

std::vector<std::string_view> SplitFields(std::string_view line, char separator, size_t maxFields) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (fields.size() + 1 < maxFields) {
    const size_t end = line.find(separator, start);
    if (end == std::string_view::npos) break;
    fields.push_back(line.substr(start, end - start));
    start = end + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

uint32_t InSmallerUnit(uint32_t value) {
  constexpr uint32_t kPerUnit = 1000;
  return value >= kSmallerUnitFrom || value > UINT32_MAX / kPerUnit ? value : value * kPerUnit;
}

bool ParseServiceLines(std::string_view text, std::vector<ScannedService>& services, KeyValueError& error,
                       const std::function<bool(std::string_view line, int number)>& parse) {
  bool ok = true;
  ForEachTextLine(text, [&](std::string_view line, int number) {
    if (line.size() > kMaxChannelLineLength) {
      error = {number, Format("is longer than %zu characters", kMaxChannelLineLength)};
      return ok = false;
    }
    if (line.find('\0') != std::string_view::npos) {
      error = {number, "holds a zero byte"};
      return ok = false;
    }
    const std::string_view t = TrimBlanks(line);
    if (t.empty() || t[0] == '#') return true;
    if (!parse(t, number)) return ok = false;
    if (services.size() > kMaxChannelFileServices) {
      error = {number, Format("is beyond the %zu services a channel file may have", kMaxChannelFileServices)};
      return ok = false;
    }
    return true;
  });
  return ok;
}

std::optional<ChannelFile> ParseChannelFile(std::string_view contents, const std::string& path,
                                            std::string& error) {
  if (contents.size() > kMaxChannelFileBytes) {
    error = Format(kTooLarge, path.c_str(), static_cast<long long>(contents.size()), kMaxChannelFileBytes);
    return std::nullopt;
  }
  const std::optional<ChannelFileFormat> format = FormatOf(contents);
  if (!format) {
    error = Format(kUnknownFormat, path.c_str());
    return std::nullopt;
  }
  ChannelFile file;
  file.format = *format;
  KeyValueError failure;
  bool ok = false;
  switch (*format) {
    case ChannelFileFormat::Dvbv5:
      ok = ParseDvbv5Channels(contents, file.services, failure);
      break;
    case ChannelFileFormat::Vdr:
      ok = ParseVdrChannels(contents, file.services, failure);
      break;
    case ChannelFileFormat::Zap:
      ok = ParseZapChannels(contents, file.services, failure);
      break;
  }
  if (!ok) {
    error = failure.line > 0 ? Format(kBadLine, path.c_str(), failure.line, failure.reason.c_str())
                             : Format(kBadFile, path.c_str(), failure.reason.c_str());
    return std::nullopt;
  }
  if (file.services.empty()) {
    error = Format(kNoServices, path.c_str());
    return std::nullopt;
  }
  return file;
}

std::optional<ChannelFile> ReadChannelFile(const std::string& path, std::string& error) {
  const std::optional<std::string> contents = ReadToolFile(
      path, kMaxChannelFileBytes,
      [&path](long long size) { return Format(kTooLarge, path.c_str(), size, kMaxChannelFileBytes); },
      kUnreadable, error);
  if (!contents) return std::nullopt;
  return ParseChannelFile(*contents, path, error);
}

}  // namespace lumoscope
