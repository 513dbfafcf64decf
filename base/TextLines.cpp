#include "base/TextLines.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <utility>

namespace lumoscope {

TextLineSplitter::Status TextLineSplitter::Next(std::string& line) {
  if (pos_ >= data_.size()) return Status::End;
  const size_t lf = data_.find('\n', pos_);
  const size_t stop = lf == std::string_view::npos ? data_.size() : lf;
  size_t end = stop;
  if (lf != std::string_view::npos && end > pos_ && data_[end - 1] == '\r') --end;
  if (end - pos_ > kMaxLineLength) return Status::TooLong;
  std::string_view text = data_.substr(pos_, end - pos_);
  const size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  line.assign(text);
  pos_ = lf == std::string_view::npos ? data_.size() : lf + 1;
  return Status::Line;
}

PreparedLines::PreparedLines(std::string_view data) {
  text_.reserve(data.size());
  TextLineSplitter splitter(data);
  std::string line;
  std::vector<std::pair<size_t, size_t>> places;  // offset and length in text_
  for (int number = 1;; ++number) {
    const TextLineSplitter::Status status = splitter.Next(line);
    if (status == TextLineSplitter::Status::End) break;
    if (status == TextLineSplitter::Status::TooLong || !PrepareQuotes(line)) {
      refused_ = number;
      break;
    }
    places.emplace_back(text_.size(), line.size());
    text_ += line;
    lines_.push_back({number, {}, IsSkippedLine(line)});
  }
  // Only now does the text stay where it is.
  for (size_t i = 0; i < lines_.size(); ++i)
    lines_[i].text = std::string_view(text_).substr(places[i].first, places[i].second);
}

bool PrepareQuotes(std::string& line) {
  const size_t first = line.find('"');
  if (first == std::string::npos) return true;
  const auto quotes = std::count(line.begin() + static_cast<std::ptrdiff_t>(first), line.end(), '"');
  const bool single = (quotes == 1);

  // The name opens at the first quote.
  size_t i = first;
  if (i + 1 < line.size() && line[i + 1] == '"') {
    // An empty pair becomes the ordinary two-character token "--".
    line[i] = '-';
    line[i + 1] = '-';
    i += 2;
  } else {
    size_t close = std::string::npos;
    for (++i; i < line.size(); ++i) {
      char& c = line[i];
      if (c == '"') {
        close = i;
        break;
      }
      if (c != ' ') continue;
      c = '~';
      if (single) {
        // A lone quote: the name ends after its first word and one more character.
        if (i + 1 >= line.size()) return false;
        close = i + 1;
        break;
      }
    }
    if (close == std::string::npos) return false;  // the name is still open at the line end
    i = close + 1;
    // Every later quote becomes a blank; then the name loses its own two quotes.
    std::replace(line.begin() + static_cast<std::ptrdiff_t>(i), line.end(), '"', ' ');
    line.erase(close, 1);
    line.erase(first, 1);
    return true;
  }
  std::replace(line.begin() + static_cast<std::ptrdiff_t>(i), line.end(), '"', ' ');
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
