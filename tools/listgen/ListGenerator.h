#pragma once
// Generated channel lists shared by the tests and the benchmarks, written in the
// program's own layout (header blocks, quoted names, column widths, CRLF line ends).
#include <cstdint>
#include <string>
#include <vector>

namespace lumoscope::listgen {

// The records of a list, section by section, as field strings in text-line order.
// Names are given without quotes; Render() quotes them as the program's writer does.
struct ListContent {
  std::vector<std::vector<std::string>> satNames;  // index, name
  std::vector<std::vector<std::string>> satellites;
  std::vector<std::vector<std::string>> digitalTps;
  std::vector<std::vector<std::string>> channels;
  std::vector<std::vector<std::string>> pidChannels;
  std::vector<std::vector<std::string>> analogTps;
};

// The text file of a list, in the section order SATELLITE_NAME_LIST, SATELLITE,
// DIGITAL TP, DIGITAL CHANNEL, DIGITAL PID CHANNEL, ANALOG TP, END.
std::string Render(const ListContent& content);

// Options of the seeded random generator of small valid lists.
struct ListShape {
  uint32_t seed = 1;
  int maxSatellites = 32;  // 32 or 40 name-list entries
  int satellites = 3;
  int digitalTps = 6;
  int channels = 12;
  int pidChannels = 3;
  int analogTps = 4;
  bool withPid = true;
  bool withAnalog = true;
  bool nullChannels = true;  // some channels and A_TPs with blank Y
  bool quotedNames = true;   // names with blanks inside
};

// A shape that varies everything with its seed: 32 or 40 satellite slots, with and without
// PID and analog channels, null channels and quoted names, 1 to 6 satellites, three
// channels per unit of the seed.
ListShape VariedShape(uint32_t seed);

ListContent GenerateContent(const ListShape& shape);
inline std::string GenerateList(const ListShape& shape) {
  return Render(GenerateContent(shape));
}

// A small valid list of the default shape.
inline std::string SmallList() {
  return GenerateList(ListShape{});
}

// The list at the format's table limits: 50 satellites, 4999 D_TPs, 9999 channels,
// 999 PID channels, 4999 A_TPs. Valid for the basic compile and the check; its normal
// compile is refused (more than 4095 services of one type).
std::string StressList();

// The largest list whose normal image fits the receiver's 64 KiB: 32 satellites,
// 300 D_TPs, 1500 channels, 200 PID channels and 221 A_TPs, within every 12-bit limit.
std::string FullReceiverList();

inline constexpr size_t kReceiverImageBytes = 64 * 1024;

}  // namespace lumoscope::listgen
