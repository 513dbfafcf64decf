#include "transfer/HexImageReader.h"

#include "base/Reporter.h"

namespace lumoscope {

namespace {

constexpr char kEndOfInput = '\xFF';

// The converter compares bytes as signed characters: the control characters, the
// space and every byte from 0x80 up count as blanks.
bool IsBlank(char c) {
  return static_cast<signed char>(c) <= 0x20;
}
bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

}  // namespace

HexImageReader::HexImageReader(std::string_view text, IReporter& reporter)
    : text_(text), reporter_(reporter) {
  const size_t stop = text_.find(kEndOfInput);
  if (stop != std::string_view::npos) text_ = text_.substr(0, stop);
}

uint8_t HexImageReader::Digit(char c) {
  if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<uint8_t>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<uint8_t>(c - 'A' + 10);
  // Reported, and taken by its low four bits as the receiver's own tools do.
  reporter_.MessageBox(Format(kHexUnknownCharMessage, static_cast<unsigned char>(c)));
  return static_cast<uint8_t>(c & 0x0F);
}

HexImageReader::Status HexImageReader::Next(HexRecord& record) {
  while (pos_ < text_.size()) {
    const size_t lf = text_.find('\n', pos_);
    const size_t end = lf == std::string_view::npos ? text_.size() : lf + 1;
    const std::string_view line = text_.substr(pos_, end - pos_);
    pos_ = end;
    ++lineNumber_;
    if (line.size() > kHexMaxLineBytes) {
      reporter_.MessageBox(
          Format("DNCONV: Line %d is longer than %zu bytes.\n", lineNumber_, kHexMaxLineBytes));
      return Status::Error;
    }
    bool blank = false;
    if (!ParseLine(line, record, blank)) return Status::Error;
    if (!blank) return Status::Record;
  }
  return Status::End;
}

bool HexImageReader::ParseLine(std::string_view line, HexRecord& record, bool& blank) {
  size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i == line.size()) {
    blank = true;
    return true;
  }
  blank = false;

  size_t digits = 0;
  while (digits < kHexAddressDigits && i + digits < line.size() && !IsLineEnd(line[i + digits])) ++digits;
  if (digits < kHexAddressDigits) {
    reporter_.MessageBox(
        Format("DNCONV: Line %d has no load address of %zu hex digits.\n", lineNumber_, kHexAddressDigits));
    return false;
  }
  uint32_t address = 0;
  for (size_t k = 0; k < kHexAddressDigits; ++k) address = (address << 4) | Digit(line[i + k]);
  i += kHexAddressDigits;

  record.address = address;
  record.data.clear();
  while (i < line.size() && !IsLineEnd(line[i])) {
    if (IsBlank(line[i])) {
      ++i;
      continue;
    }
    if (i + 1 >= line.size() || IsLineEnd(line[i + 1])) {
      reporter_.MessageBox(Format("DNCONV: Line %d ends in the middle of a data byte.\n", lineNumber_));
      return false;
    }
    if (record.data.size() == kHexMaxDataBytes) {
      reporter_.MessageBox(
          Format("DNCONV: Line %d holds more than %zu data bytes.\n", lineNumber_, kHexMaxDataBytes));
      return false;
    }
    const uint8_t high = Digit(line[i]);
    const uint8_t low = Digit(line[i + 1]);
    record.data.push_back(static_cast<uint8_t>((high << 4) | low));
    i += 2;
  }
  return true;
}

}  // namespace lumoscope
