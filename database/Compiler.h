#pragma once
// One compile of a channel list's text, in memory: the reader with its checks, the
// image of the chosen mode and its hex text. CListDB::Compile adds the files around it;
// tests, benchmarks and the fuzzer call this directly.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/Reporter.h"
#include "database/TextReader.h"

namespace lumoscope {

struct CompileRequest {
  bool normal = false;        // normal image, or basic
  bool validateOnly = false;  // read and check only (basic rules), no image
  bool splitList = false;
  int maxSatellites = 32;
};

struct CompileResult {
  bool ok = false;
  CompileCounters counters;
  // The image's bytes: for the normal image the 12-byte header, then the blocks; no
  // padding. Empty for validate-only.
  std::vector<uint8_t> image;
};

CompileResult CompileText(std::string_view text, const CompileRequest& request, IReporter& reporter);
// The same on lines already split and prepared (the loader checks the lines it then reads).
CompileResult CompileLines(const PreparedLines& lines, const CompileRequest& request, IReporter& reporter);

// The normal image's header: the six counters, 16 bits each, little-endian.
std::vector<uint8_t> NormalHeader(const CompileCounters& counters);

// The hex file's text of an image: normal from 0x7FF10000 padded to a 32-byte unit,
// basic from 0x7FF20000 padded to a 16-byte line.
std::string ImageToHex(const std::vector<uint8_t>& image, bool normal);

}  // namespace lumoscope
