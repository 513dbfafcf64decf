// Flash download of the full receiver list's pre-installed image against the simulated receiver paced at
// the real line rate. The protocol is lock-step, so the line can never be busier than
// the sum of both directions; efficiency compares the elapsed time with that minimum.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "base/DerivedNames.h"
#include "base/FileContents.h"
#include "base/SilentReporter.h"
#include "database/ListDB.h"
#include "shell/CompileCommands.h"
#include "tools/listgen/ListGenerator.h"
#include "tools/receiver-sim/ReceiverSim.h"
#include "transfer/Download.h"
#include "transfer/DownloadProtocol.h"
#include "transfer/PosixLinkFactory.h"

namespace {

using namespace lumoscope;

constexpr int kBaud = 115200;
constexpr double kLineBytesPerSecond = kBaud / 10.0;  // 8N1: 10 bits per byte

uint32_t BigEndian(const std::string& b, size_t at, size_t bytes) {
  uint32_t v = 0;
  for (size_t k = 0; k < bytes; ++k) v = (v << 8) | static_cast<uint8_t>(b[at + k]);
  return v;
}

// Compiles the full receiver list into its pre-installed image (normal and basic image
// joined) at `folder`/full.bin and returns the bytes the exchange needs at the least.
size_t WriteImage(const std::filesystem::path& folder, std::string& binPath) {
  const std::string textPath = (folder / "full.txt").string();
  std::FILE* f = std::fopen(textPath.c_str(), "wb");
  const std::string list = listgen::FullReceiverList();
  std::fwrite(list.data(), 1, list.size(), f);
  std::fclose(f);
  SilentReporter reporter;
  AppOptions options;
  CListDB db(reporter, options, textPath);
  if (!PreinstalledCompile(db)) return 0;
  binPath = DerivedPath(textPath, kExtBin);
  std::string image;
  if (!ReadFileContents(binPath, image) || image.size() < kImageHeaderBytes) return 0;
  const size_t dataBytes = BigEndian(image, 4, 4);
  const size_t packets = BigEndian(image, 8, 2);
  // Ready, ACK, NXT, header, ACK; per packet NXT, announcement, ACK, NXT, frame, ACK;
  // then NXT, DIS, ACK, POK.
  const size_t m = kControlMessageBytes;
  return 3 * m + kImageHeaderBytes + m +
         packets * (4 * m + kAnnouncementBytes + kPacketHeaderBytes + kPacketCrcBytes) + dataBytes + 4 * m;
}

double ThreadCpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_THREAD, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void BM_DownloadAtLineRate(benchmark::State& state) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "lumoscope-bench-download";
  std::filesystem::create_directories(folder);
  std::string path;
  const size_t minimumBytes = WriteImage(folder, path);
  if (minimumBytes == 0) {
    state.SkipWithError("the full receiver list did not compile");
    return;
  }
  double elapsedSum = 0, cpuSum = 0;
  int runs = 0;
  bool allOk = true;
  for (auto _ : state) {
    sim::SimOptions o;
    o.baud = kBaud;
    sim::ReceiverSimulator receiver(o);
    if (!receiver.Open()) {
      state.SkipWithError("no pseudo-terminal");
      break;
    }
    receiver.Start();
    SilentReporter reporter;
    AppOptions options;
    options.devicePaths[0] = receiver.DevicePath();
    PosixLinkFactory factory;
    CListDB db(reporter, options);
    db.linkFactory = &factory;

    const double cpu0 = ThreadCpuSeconds();
    const auto t0 = std::chrono::steady_clock::now();
    allOk = DownloadImage(db, path) && allOk;
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    const double cpu = ThreadCpuSeconds() - cpu0;
    state.SetIterationTime(elapsed);
    receiver.Stop();
    elapsedSum += elapsed;
    cpuSum += cpu;
    ++runs;
  }
  std::filesystem::remove_all(folder);
  if (!allOk) state.SkipWithError("download failed");
  if (runs == 0) return;
  const double elapsed = elapsedSum / runs;
  state.counters["efficiency"] = static_cast<double>(minimumBytes) / (elapsed * kLineBytesPerSecond);
  state.counters["elapsed_s"] = elapsed;
  state.counters["pc_cpu_s"] = cpuSum / runs;
  state.counters["min_line_s"] = static_cast<double>(minimumBytes) / kLineBytesPerSecond;
}

BENCHMARK(BM_DownloadAtLineRate)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
