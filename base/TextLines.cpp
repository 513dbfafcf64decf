#include "base/TextLines.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <utility>

namespace lumoscope {

TextLineSplitter::Status TextLineSplitter::Next(std::string& line) {
  std::string_view text;
  const Status status = Next(text);
  if (status == Status::Line) line.assign(text);
  return status;
}

TextLineSplitter::Status TextLineSplitter::Next(std::string_view& line) {
  if (pos_ >= data_.size()) return Status::End;
  const size_t lf = data_.find('\n', pos_);
  const size_t stop = lf == std::string_view::npos ? data_.size() : lf;
  size_t end = stop;
  if (lf != std::string_view::npos && end > pos_ && data_[end - 1] == '\r') --end;
  if (end - pos_ > kMaxLineLength) return Status::TooLong;
  std::string_view text = data_.substr(pos_, end - pos_);
  if (firstNul_ != std::string_view::npos && firstNul_ < end) {
    const size_t nul = text.find('\0');
    if (nul != std::string_view::npos) text = text.substr(0, nul);
  }
  line = text;
  pos_ = lf == std::string_view::npos ? data_.size() : lf + 1;
  return Status::Line;
}

PreparedLines::PreparedLines(std::string_view data) : data_(data) {
  text_.reserve(data.size());
  TextLineSplitter splitter(data);
  std::string_view line;
  std::vector<std::pair<size_t, size_t>> places;  // offset and length in text_
  // Counting the lines first spares growing both lists line by line.
  size_t lineEnds = 0;
  for (size_t at = data.find('\n'); at != std::string_view::npos; at = data.find('\n', at + 1)) ++lineEnds;
  places.reserve(lineEnds + 1);
  lines_.reserve(lineEnds + 1);
  for (int number = 1;; ++number) {
    const size_t from = splitter.Position();
    const TextLineSplitter::Status status = splitter.Next(line);
    if (status == TextLineSplitter::Status::End) break;
    // Each line is prepared where it lands, at the end of the text.
    const size_t start = text_.size();
    if (status == TextLineSplitter::Status::Line) text_ += line;
    if (status == TextLineSplitter::Status::TooLong || !PrepareQuotes(text_, start)) {
      text_.resize(start);
      refused_ = number;
      break;
    }
    const std::string_view prepared = std::string_view(text_).substr(start);
    places.emplace_back(start, prepared.size());
    const size_t next = splitter.Position();
    std::string_view raw = data.substr(from, next - from);
    if (raw.ends_with('\n')) raw.remove_suffix(raw.ends_with("\r\n") ? 2 : 1);
    lines_.push_back({number, {}, IsSkippedLine(prepared), raw, next});
  }
  // Only now does the text stay where it is.
  for (size_t i = 0; i < lines_.size(); ++i)
    lines_[i].text = std::string_view(text_).substr(places[i].first, places[i].second);
}

bool PrepareQuotes(std::string& line) {
  return PrepareQuotes(line, 0);
}

bool PrepareQuotes(std::string& line, size_t from) {
  const size_t first = line.find('"', from);
  if (first == std::string::npos) return true;
  if (first + 1 < line.size() && line[first + 1] == '"') {
    // An empty pair becomes the ordinary two-character token "--".
    line[first] = '-';
    line[first + 1] = '-';
    std::replace(line.begin() + static_cast<std::ptrdiff_t>(first) + 2, line.end(), '"', ' ');
    return true;
  }
  // The name opens at the first quote and closes at the next one, its blanks becoming '~'.
  size_t close = line.find('"', first + 1);
  if (close != std::string::npos) {
    std::replace(line.begin() + static_cast<std::ptrdiff_t>(first) + 1,
                 line.begin() + static_cast<std::ptrdiff_t>(close), ' ', '~');
  } else {
    // A lone quote: the name ends after its first word and one more character.
    const size_t blank = line.find(' ', first + 1);
    if (blank == std::string::npos) return false;  // the name is still open at the line end
    line[blank] = '~';
    if (blank + 1 >= line.size()) return false;
    close = blank + 1;
  }
  // Every later quote becomes a blank; then the name loses its opening quote and its
  // closing character, both in one move of the bytes after them.
  if (line.find('"', close + 1) != std::string::npos)
    std::replace(line.begin() + static_cast<std::ptrdiff_t>(close) + 1, line.end(), '"', ' ');
  char* const p = line.data();
  std::memmove(p + first, p + first + 1, close - first - 1);
  std::memmove(p + close - 1, p + close + 1, line.size() - close - 1);
  line.resize(line.size() - 2);
  return true;
}

bool IsSkippedLine(std::string_view line) {
  for (char c : line) {
    if (c == '#' || c == '\n') return true;
    if (std::isalnum(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

std::string RestoreBlanks(std::string_view name) {
  std::string out(name);
  for (char& c : out)
    if (c == '~') c = ' ';
  return out;
}

}  // namespace lumoscope
