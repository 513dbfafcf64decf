// Flash download of a pre-installed-sized image against the simulated receiver paced at
// the real line rate. The protocol is lock-step, so the line can never be busier than
// the sum of both directions; efficiency compares the elapsed time with that minimum.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "database/ListDB.h"
#include "shell/SilentReporter.h"
#include "tests/support/BinImage.h"
#include "tools/receiver-sim/ReceiverSim.h"
#include "transfer/DownloadProtocol.h"
#include "transfer/PosixLinkFactory.h"

namespace {

using namespace lumoscope;

constexpr int kBaud = 115200;
constexpr double kLineBytesPerSecond = kBaud / 10.0;  // 8N1: 10 bits per byte
// A full list's pre-installed image (normal and basic image joined) is 50 to 60 KB;
// the converter packs 4080 data bytes per packet.
constexpr size_t kImageBytes = 14 * 4080;
constexpr size_t kPacketBytes = 4080;
constexpr uint32_t kLoadAddress = 0x00100000;

// Writes the image and returns the bytes the exchange needs at the least.
size_t WriteImage(const std::string& path) {
  const auto packets = test::SplitIntoPackets(test::RandomBytes(kImageBytes, 42), kLoadAddress, kPacketBytes);
  const std::string image = test::BuildBinImage(packets);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(image.data(), 1, image.size(), f);
  std::fclose(f);
  // Ready, ACK, NXT, header, ACK; per packet NXT, announcement, ACK, NXT, frame, ACK;
  // then NXT, DIS, ACK, POK.
  const size_t m = kControlMessageBytes;
  return 3 * m + kImageHeaderBytes + m +
         packets.size() * (4 * m + kAnnouncementBytes + kPacketHeaderBytes + kPacketCrcBytes) + kImageBytes +
         4 * m;
}

double ThreadCpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_THREAD, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void BM_DownloadAtLineRate(benchmark::State& state) {
  const std::string path = (std::filesystem::temp_directory_path() / "lumoscope-bench-image.bin").string();
  const size_t minimumBytes = WriteImage(path);
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
    allOk = db.DownloadImage(path) && allOk;
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    const double cpu = ThreadCpuSeconds() - cpu0;
    state.SetIterationTime(elapsed);
    receiver.Stop();
    elapsedSum += elapsed;
    cpuSum += cpu;
    ++runs;
  }
  std::filesystem::remove(path);
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
