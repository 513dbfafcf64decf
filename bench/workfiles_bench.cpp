// Speed of the working files on large lists: loading the stress list (with its
// validate-only check; target under 10 ms), saving it (under 4 ms), and converting a
// pre-installed image into the binary image.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/Reporter.h"
#include "base/SilentReporter.h"
#include "bench/BenchTargets.h"
#include "database/ListDB.h"
#include "shell/CompileCommands.h"
#include "tools/listgen/ListGenerator.h"
#include "transfer/HexToBin.h"
#include "transfer/SectionListLoader.h"
#include "transfer/SectionListWriter.h"

namespace lumoscope {
namespace {

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
  bench::TimeTarget(state, 10);
  Folder folder;
  SilentReporter reporter;
  AppOptions options;
  CListDB db(reporter, options, folder.Write("stress.txt", listgen::StressList()));
  for (auto _ : state) {
    std::vector<std::string> fields;
    if (!LoadSectionList(db, fields)) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(fields.data());
  }
}
BENCHMARK(BM_LoadStressList)->Unit(benchmark::kMillisecond);

void BM_SaveStressList(benchmark::State& state) {
  bench::TimeTarget(state, 4);
  Folder folder;
  SilentReporter reporter;
  AppOptions options;
  CListDB db(reporter, options, folder.Write("stress.txt", listgen::StressList()));
  std::vector<std::string> fields;
  if (!LoadSectionList(db, fields)) state.SkipWithError("load failed");
  for (auto _ : state) {
    if (!SaveSectionList(db, fields)) state.SkipWithError("save failed");
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
  CListDB db(reporter, options, folder.Write("full.txt", listgen::FullReceiverList()));
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
