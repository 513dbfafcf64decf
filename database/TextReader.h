#pragma once
// The reader of the sectioned text file: walks the lines, follows the section headers,
// runs every check of a record line in its fixed order and hands each accepted record to
// the image builder. It owns the tables of one compile (satellite, D_TP, channel and
// A_TP maps) and its counters and program numbers; a new reader is used per compile.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Reporter.h"
#include "base/Sections.h"
#include "base/TextLines.h"
#include "database/ImageEncoder.h"
#include "database/LineScanner.h"
#include "database/Records.h"

namespace lumoscope {

struct ReaderSettings {
  bool normal = false;     // normal image (program numbers, 12-bit limits) or basic
  bool splitList = false;  // program numbers restart at [ANALOG TP]
  int maxSatellites = 32;  // entries the satellite name list must have
};

// The counters of one compile; at the end of a successful compile each equals the
// number of records of its kind in the image. They are 16 bits wide in the image.
struct CompileCounters {
  uint16_t satellites = 0;
  uint16_t digitalTps = 0;
  uint16_t digitalServices = 0;  // digital channels, and in the normal image PID channels
  uint16_t analogTps = 0;
  uint16_t tv = 0;  // normal compile: TV services of all three service sections
  uint16_t radio = 0;
};

class TextReader {
 public:
  // `image` is null for a validate-only check: everything is read and checked, nothing
  // is emitted.
  TextReader(IReporter& reporter, const ReaderSettings& settings, ImageBuilder* image);

  // Reads and checks the whole text. False at the first failed check, after its
  // message box (a duplicate A_TP index used to fail silently; it has its own message).
  bool Read(std::string_view text);
  // The same on lines already split and prepared.
  bool Read(const PreparedLines& lines);

  const CompileCounters& Counters() const { return counters_; }
  int LineNumber() const { return lineNumber_; }

 private:
  enum class Step { Continue, Stop, Fail };

  bool Fail(const char* fmt);
  bool FailNameLength(const char* fmt);
  // Follows a section header: its markers into the image, the counters it resets.
  Step Header(std::string_view line);
  bool Record(std::string_view line);
  bool NameListLine(std::string_view line);
  bool SatelliteLine(std::string_view line);
  bool DigitalTpLine(std::string_view line);
  bool AnalogTpLine(std::string_view line);
  bool ChannelLine(std::string_view line);
  bool PidChannelLine(std::string_view line);
  // The checks the two digital service lines share, in their order, and the record's
  // type, blank flag, transponder position and name from them.
  struct ServiceRules;
  bool MapService(const ServiceRules& rules, int64_t index);
  template <typename ServiceRecord>
  bool ServiceChecks(ServiceRecord& r, int64_t index, int type, int blank, std::string_view name,
                     const ServiceRules& rules);

  bool Usable(int satIndex) const;
  // Program number for a service of the given type (normal compile: false past 4095).
  bool TakeProgramNumber(ServiceType type, int& program);
  // The normal-image D_TP reference of a channel whose blank is N.
  bool TpMapped(int tpIndex) const;
  int TpPosition(int tpIndex) const { return tpMap_[static_cast<size_t>(tpIndex)]; }

  IReporter& reporter_;
  ReaderSettings settings_;
  ImageBuilder* image_;

  // None before the first header (a record line there is refused).
  std::optional<Section> section_;
  int lineNumber_ = 0;
  int nameCount_ = 0;
  CompileCounters counters_;
  int tvProgram_ = 0;
  int radioProgram_ = 0;

  std::vector<uint8_t> nameTable_;  // kNameFieldBytes per satellite slot
  std::array<uint16_t, kSatelliteSlots> satMap_{};
  std::array<bool, kSatelliteSlots> satUnusable_{};
  std::vector<uint16_t> tpMap_;
  std::vector<uint16_t> channelMap_;
  std::vector<uint16_t> pidMap_;
  std::vector<uint16_t> analogMap_;

  // Record scratch, reused from line to line.
  SatelliteRecord satellite_;
  DigitalTpRecord digitalTp_;
  AnalogTpRecord analogTp_;
  DigitalChannelRecord channel_;
  PidChannelRecord pidChannel_;
};

}  // namespace lumoscope
