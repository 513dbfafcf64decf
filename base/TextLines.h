#pragma once
// Line handling shared by the reader of the compile and the working-list loader:
// splitting the text file into lines, the quote preparation that turns a quoted name
// into one token, and the skipped-line test.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumoscope {

// The reader's line buffer holds 500 bytes: 498 characters, CR and LF.
inline constexpr size_t kMaxLineLength = 498;

// Message for a line that cannot be prepared (a quoted name left open) or is too long.
inline constexpr const char* kCheckLineMessage =
    "\n  ERROR : check the following line!!   \n ==> line number %d ";

// Walks a whole file's bytes line by line. A line ends at CR LF or at a bare LF; the
// last line may lack a line end. A NUL byte ends the text of its line (the reader
// works on C strings), the rest of that line is ignored.
class TextLineSplitter {
 public:
  enum class Status { Line, End, TooLong };

  explicit TextLineSplitter(std::string_view data) : data_(data), firstNul_(data.find('\0')) {}

  // Gives the next line's text without its line end. TooLong for a line with more than
  // kMaxLineLength characters before its line end (the splitter then stays where it is).
  Status Next(std::string& line);
  // The same as a view into the data.
  Status Next(std::string_view& line);

  // Byte offset of the next line.
  size_t Position() const { return pos_; }

 private:
  std::string_view data_;
  // A line ends at a NUL byte as the receiver's C reader reads it. Most files have
  // none: looking for it once spares a search in every line.
  size_t firstNul_;
  size_t pos_ = 0;
};

// A text file's lines as the reader of the compile and the working-list loader take them,
// split and prepared once for both: each line with its number, its text after the quote
// preparation, and whether it is skipped. Preparing stops at the first line that cannot
// be prepared (longer than kMaxLineLength, or a quoted name left open); its number is
// kept, and the lines before it are all the lines there are. Whoever reads them stops at
// "[END]" and tells of the refused line only when it reaches it.
class PreparedLines {
 public:
  struct Line {
    int number = 0;         // counting every line of the file from 1
    std::string_view text;  // without its line end
    bool skipped = false;   // IsSkippedLine
    std::string_view raw;   // the line as it stands in the file, without its line end
    size_t next = 0;        // where the next line starts in the file
  };

  // `data` must outlive the object: the raw lines point into it.
  explicit PreparedLines(std::string_view data);
  // The lines point into the object's own text.
  PreparedLines(const PreparedLines&) = delete;
  PreparedLines& operator=(const PreparedLines&) = delete;

  const std::vector<Line>& Lines() const { return lines_; }
  // The number of the line that could not be prepared; 0 when every line was.
  int RefusedLine() const { return refused_; }
  // The file's bytes after a line.
  std::string_view After(const Line& line) const { return data_.substr(line.next); }

 private:
  std::string_view data_;
  std::string text_;  // the prepared lines, one after another
  std::vector<Line> lines_;
  int refused_ = 0;
};

// Quote preparation of one line (without its line end). A quoted name loses its quotes
// and its blanks become '~'; an empty pair "" becomes "--"; with a single quote in the
// line, the first blank after it becomes '~' and the character after that blank closes
// the name. Returns false when a quoted name is still open at the end of the line.
bool PrepareQuotes(std::string& line);
// The same for the line that makes up the end of `text` from `from` on.
bool PrepareQuotes(std::string& text, size_t from);

// True for a line with no ASCII letter or digit before its first '#' (blank lines,
// comments, separator lines of '-' and '+').
bool IsSkippedLine(std::string_view line);

// Turns every '~' of a name back into a blank.
std::string RestoreBlanks(std::string_view name);

}  // namespace lumoscope
