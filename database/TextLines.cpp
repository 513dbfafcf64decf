#include "database/TextLines.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

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

bool PrepareQuotes(std::string& line) {
  size_t quotes = 0;
  for (char c : line) quotes += (c == '"');
  if (quotes == 0) return true;

  enum class State { BeforeName, InName, AfterName } state = State::BeforeName;
  const bool single = (quotes == 1);
  for (size_t i = 0; i < line.size(); ++i) {
    char& c = line[i];
    switch (state) {
      case State::BeforeName:
        if (c != '"') break;
        if (i + 1 < line.size() && line[i + 1] == '"') {
          // An empty pair becomes the ordinary two-character token "--".
          line[i] = '-';
          line[i + 1] = '-';
          ++i;
          state = State::AfterName;
        } else {
          state = State::InName;
        }
        break;
      case State::InName:
        if (c == '"') {
          state = State::AfterName;
        } else if (c == ' ') {
          c = '~';
          if (single) {
            // A lone quote: the name ends after its first word and one more character.
            if (i + 1 >= line.size()) return false;
            line[i + 1] = '"';
            ++i;
            state = State::AfterName;
          }
        }
        break;
      case State::AfterName:
        if (c == '"') c = ' ';
        break;
    }
  }
  if (state == State::InName) return false;

  line.erase(std::remove(line.begin(), line.end(), '"'), line.end());
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
