#include "editing/ScanValues.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "base/FileContents.h"

namespace lumoscope {

namespace {

constexpr size_t kMaxNumberDigits = 10;
constexpr size_t kMaxHexDigits = 8;

constexpr std::array<std::pair<std::string_view, ScanPolarization>, 9> kPolarizationNames{{
    {"H", ScanPolarization::Horizontal},
    {"V", ScanPolarization::Vertical},
    {"L", ScanPolarization::CircularLeft},
    {"R", ScanPolarization::CircularRight},
    {"HORIZONTAL", ScanPolarization::Horizontal},
    {"VERTICAL", ScanPolarization::Vertical},
    {"LEFT", ScanPolarization::CircularLeft},
    {"RIGHT", ScanPolarization::CircularRight},
    {"OFF", ScanPolarization::None},
}};

}  // namespace

std::string UpperWord(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

std::optional<uint32_t> DecimalField(std::string_view text, uint32_t max) {
  if (text.empty() || text.size() > kMaxNumberDigits ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  uint64_t value = 0;
  for (const char c : text) value = value * 10 + static_cast<uint64_t>(c - '0');
  if (value > max) return std::nullopt;
  return static_cast<uint32_t>(value);
}

std::optional<uint32_t> HexField(std::string_view text) {
  if (text.starts_with("0x") || text.starts_with("0X")) text.remove_prefix(2);
  if (text.empty() || text.size() > kMaxHexDigits || !std::all_of(text.begin(), text.end(), [](char c) {
        return std::isxdigit(static_cast<unsigned char>(c));
      }))
    return std::nullopt;
  uint32_t value = 0;
  for (const char c : text) {
    const int digit = std::isdigit(static_cast<unsigned char>(c)) != 0
                          ? c - '0'
                          : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
    value = value << 4 | static_cast<uint32_t>(digit);
  }
  return value;
}

std::optional<ScanPolarization> PolarizationNamed(std::string_view text) {
  const std::string upper = UpperWord(text);
  for (const auto& [name, p] : kPolarizationNames)
    if (upper == name) return p;
  return std::nullopt;
}

std::optional<ScanDelivery> DeliveryNamed(std::string_view text) {
  if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '/' || c == '_' || c == '-';
      }))
    return std::nullopt;
  const std::string upper = UpperWord(text);
  if (upper == "DVBS") return ScanDelivery::DvbS;
  if (upper == "DVBS2") return ScanDelivery::DvbS2;
  return ScanDelivery::Other;
}

std::optional<std::string> ReadToolFile(const std::string& path, size_t maxBytes,
                                        const std::function<std::string(long long size)>& tooLarge,
                                        const char* unreadable, std::string& error) {
  const FileIdentity file = IdentityOf(path);
  if (file.exists && file.size > static_cast<int64_t>(maxBytes)) {
    error = tooLarge(static_cast<long long>(file.size));
    return std::nullopt;
  }
  std::string contents;
  FileFailure failure;
  if (!ReadInputFile(path, contents, failure, nullptr, maxBytes)) {
    error = WithFailure(unreadable, failure);
    return std::nullopt;
  }
  return contents;
}

}  // namespace lumoscope
