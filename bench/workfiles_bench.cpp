// Speed of the working files on large lists: loading (with its validate-only check),
// saving, and converting a pre-installed image into the binary image.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "database/ListDB.h"
#include "shell/CompileCommands.h"
#include "shell/Reporter.h"
#include "shell/SilentReporter.h"
#include "transfer/HexToBin.h"

namespace lumoscope {
namespace {

// Receiver-sized stress list: every satellite slot, the largest index ranges the maps
// allow, names with blanks.
constexpr int kSatellites = 40;
constexpr int kDigitalTps = 4000;
constexpr int kChannels = 9999;
constexpr int kPidChannels = 999;
constexpr int kAnalogTps = 1000;

std::string ListText(int digitalTps, int channels, int pidChannels, int analogTps) {
  std::string t;
  t += "[SATELLITE_NAME_LIST]\r\n";
  for (int i = 1; i <= kMaxSatellitesLarge; ++i) t += Format("%d \"Slot %d\"\r\n", i, i);
  t += "[SATELLITE]\r\n";
  for (int s = 0; s < kSatellites; ++s) t += Format("%d \"Sat %d\" N 10600 09750 %d %d\r\n", s, s, s * 5, s);
  t += "[DIGITAL TP]\r\n";
  for (int d = 1; d <= digitalTps; ++d)
    t += Format("%d %d %d 27500 %c tp%d\r\n", d, d % kSatellites, 10700 + d % 2000, d % 2 ? 'H' : 'V', d);
  t += "[DIGITAL CHANNEL]\r\n";
  for (int c = 0; c < channels; ++c) {
    const int tp = 1 + c % digitalTps;
    t +=
        Format("%d %d %d %X %s \"Ch %d\" 0 N\r\n", c, tp, tp % kSatellites, 1 + c, c % 4 ? "TV" : "RADIO", c);
  }
  t += "[DIGITAL PID CHANNEL]\r\n";
  for (int p = 0; p < pidChannels; ++p) {
    const int tp = 1 + p % digitalTps;
    t += Format("%d %d %d TV Pid%d %d %d %d 0 N\r\n", p, tp, tp % kSatellites, p, p + 32, p + 33, p + 32);
  }
  t += "[ANALOG TP]\r\n";
  for (int a = 0; a < analogTps; ++a)
    t += Format("%d %d %d KU \"An %d\" 27MHz H 10 20 CVBS STEREO 6.50 6.65 130 N NO_DEEMP TV N\r\n", a,
                a % kSatellites, 1000 + a % 9000, a);
  t += "[END]\r\n";
  return t;
}

std::string StressList() {
  return ListText(kDigitalTps, kChannels, kPidChannels, kAnalogTps);
}

// A list that fills the receiver: its normal image comes close to the 64 KiB that fit
// before the basic image.
std::string FullReceiverList() {
  return ListText(200, 1600, 100, 200);
}

// Hex lines in the compiler's layout, 16 bytes each.
std::string HexImage(uint32_t address, size_t bytes) {
  std::string t;
  for (size_t at = 0; at < bytes; at += 16) {
    t += Format("%08X ", address + static_cast<uint32_t>(at));
    for (int b = 0; b < 16; ++b) t += Format(b == 8 ? "   %02X" : " %02X", static_cast<int>((at + b) & 0xFF));
    t += "\n";
  }
  return t;
}

struct Folder {
  Folder() {
    path = std::filesystem::temp_directory_path() / ("lumoscope-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
  }
  ~Folder() { std::filesystem::remove_all(path); }
  std::string Write(const std::string& name, const std::string& contents) const {
    const std::string p = (path / name).string();
    std::ofstream(p, std::ios::binary) << contents;
    return p;
  }
  std::filesystem::path path;
};

void BM_LoadStressList(benchmark::State& state) {
  Folder folder;
  SilentReporter reporter;
  AppOptions options;
  options.fortySatellites = true;
  CListDB db(reporter, options, folder.Write("stress.txt", StressList()));
  for (auto _ : state) {
    std::vector<std::string> fields;
    if (!db.LoadSectionList(fields)) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(fields.data());
  }
}
BENCHMARK(BM_LoadStressList)->Unit(benchmark::kMillisecond);

void BM_SaveStressList(benchmark::State& state) {
  Folder folder;
  SilentReporter reporter;
  AppOptions options;
  options.fortySatellites = true;
  CListDB db(reporter, options, folder.Write("stress.txt", StressList()));
  std::vector<std::string> fields;
  if (!db.LoadSectionList(fields)) state.SkipWithError("load failed");
  for (auto _ : state) {
    if (!db.SaveSectionList(fields)) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_SaveStressList)->Unit(benchmark::kMillisecond);

// The joined image of a full receiver list: 64 KiB of normal image, then the basic image.
void BM_ConvertPreinstalledImage(benchmark::State& state) {
  Folder folder;
  SilentReporter reporter;
  const std::string hex = folder.Write("full.hex", HexImage(0x7FF10000, 65536) + HexImage(0x7FF20000, 60000));
  const std::string bin = (folder.path / "full.bin").string();
  for (auto _ : state) {
    if (!ConvertHexFileToBin(reporter, hex, bin)) state.SkipWithError("conversion failed");
  }
}
BENCHMARK(BM_ConvertPreinstalledImage)->Unit(benchmark::kMillisecond);

void BM_PreinstalledCompileAndConvert(benchmark::State& state) {
  Folder folder;
  SilentReporter reporter;
  AppOptions options;
  options.fortySatellites = true;
  CListDB db(reporter, options, folder.Write("full.txt", FullReceiverList()));
  for (auto _ : state) {
    if (!PreinstalledCompile(db)) {
      state.SkipWithError("pre-installed compile failed");
      break;
    }
  }
}
BENCHMARK(BM_PreinstalledCompileAndConvert)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumoscope
