#pragma once
// Small channel lists for the compiler tests, built line by line.
#include <string>
#include <vector>

namespace lumoscope::test {

// Lines joined with CR LF, the last one ended too.
inline std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

// "[SATELLITE_NAME_LIST]" and `count` entries "i SATi".
inline std::vector<std::string> NameListLines(int count) {
  std::vector<std::string> lines{"[SATELLITE_NAME_LIST]"};
  for (int i = 1; i <= count; ++i) lines.push_back(std::to_string(i) + " SAT" + std::to_string(i));
  return lines;
}

// A small valid list with every section; `extra[s]` lines are appended to the
// section named s ("SATELLITE", "DIGITAL TP", ...). The line number of the first
// extra line is stored in `*firstExtra`.
struct SmallList {
  std::vector<std::string> satellites{"0 Astra N 10600 9750 19 0", "1 Hotbird N 10600 9750 13 0",
                                      "2 Dead Y 10600 9750 5 0"};
  std::vector<std::string> digitalTps{"0 0 11778 27500 V Comment", "1 1 12722 27500 H x"};
  std::vector<std::string> channels{"0 0 0 2EFE TV One 0 N"};
  std::vector<std::string> pidChannels{"0 1 1 RADIO Pid 512 650 8190 1 N"};
  std::vector<std::string> analogTps{
      "0 0 11214 KU Analog 27MHz H 100 128 CVBS STEREO 6.50 7.20 130 N J17 TV N"};
  int nameEntries = 32;

  // The text, and the line number of the last line of the section `section`.
  std::string Text() const { return JoinLines(Lines()); }
  std::vector<std::string> Lines() const {
    std::vector<std::string> l = NameListLines(nameEntries);
    auto add = [&](const char* header, const std::vector<std::string>& rows) {
      l.push_back(header);
      l.insert(l.end(), rows.begin(), rows.end());
    };
    add("[SATELLITE]", satellites);
    add("[DIGITAL TP]", digitalTps);
    add("[DIGITAL CHANNEL]", channels);
    add("[DIGITAL PID CHANNEL]", pidChannels);
    add("[ANALOG TP]", analogTps);
    l.push_back("[END]");
    return l;
  }
  // 1-based line number of the last line of `rows` (one of the member vectors).
  int LastLineOf(const std::vector<std::string>& rows) const {
    const auto lines = Lines();
    for (size_t i = lines.size(); i-- > 0;)
      if (!rows.empty() && lines[i] == rows.back()) return static_cast<int>(i) + 1;
    return -1;
  }
};

}  // namespace lumoscope::test
