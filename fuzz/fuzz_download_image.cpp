// The flash download reading an arbitrary ".bin" file, with a receiver that acknowledges
// everything: whatever the file holds, the download ends with a message, never writes
// a frame longer than the frame buffer, and never hangs.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/SilentReporter.h"
#include "database/ListDB.h"
#include "transfer/Download.h"
#include "transfer/DownloadProtocol.h"
#include "transfer/SerialLink.h"

namespace {

using namespace lumoscope;

class CountingClock final : public IClock {
 public:
  int64_t NowUs() override { return now_ += 1; }
  void SleepUs(int64_t us) override { now_ += us; }

 private:
  int64_t now_ = 0;
};

// Ready, then NXT, then ACK to everything.
class AgreeablePort final : public ISerialPort {
 public:
  bool SetLine() override { return true; }
  void SetTimeouts(const TimeoutProfile&, int64_t) override {}
  void SetQueues(size_t, size_t) override {}
  void Purge() override {}
  size_t Write(const uint8_t*, size_t n) override {
    written_ += n;
    if (written_ > 64u * 1024 * 1024) std::abort();  // far beyond any image: a runaway
    return n;
  }
  size_t Read(uint8_t* data, size_t n) override {
    const ControlMessage& m = reads_ == 0 ? kDnOperReq : (reads_ == 1 ? kNxt : kAck);
    ++reads_;
    for (size_t i = 0; i < n; ++i) data[i] = m[i % m.size()];
    return n;
  }
  void Close() override {}

 private:
  size_t reads_ = 0;
  size_t written_ = 0;
};

class Factory final : public ISerialLinkFactory {
 public:
  std::unique_ptr<ISerialPort> Open(const std::string&, FileFailure&) override {
    return std::make_unique<AgreeablePort>();
  }
  IClock& Clock() override { return clock_; }

 private:
  CountingClock clock_;
};

class CountingReporter final : public SilentReporter {
 public:
  void MessageBox(const std::string&, const std::string&) override { ++boxes; }
  void SetFrameProgress(int pos) override {
    if (pos < 0 || pos > 100) std::abort();
  }
  int boxes = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/fuzz-download-" + std::to_string(getpid()) + ".bin";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  CountingReporter reporter;
  AppOptions options;
  Factory factory;
  CListDB db(reporter, options);
  db.linkFactory = &factory;
  DownloadImage(db, path);
  if (reporter.boxes != 1) std::abort();  // every ending is told exactly once
  return 0;
}
