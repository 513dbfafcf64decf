#pragma once
// A receiver simulator on its own thread and a CListDB whose port 1 is the simulator's
// pseudo-terminal, with short bounds on silent waits so fault tests end quickly.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>

#include "database/ListDB.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestLinkBounds.h"
#include "tools/receiver-sim/ReceiverSim.h"
#include "transfer/CComm.h"
#include "transfer/PosixLinkFactory.h"
#include "transfer/SystemClock.h"

namespace lumoscope::test {

class SimulatedReceiverTest : public ::testing::Test {
 protected:
  void StartReceiver(sim::SimOptions simOptions = {}) {
    receiver = std::make_unique<sim::ReceiverSimulator>(std::move(simOptions));
    ASSERT_TRUE(receiver->Open());
    options.portNumber = 2;
    options.devicePaths[1] = receiver->DevicePath();
    db.linkFactory = &factory;
    receiver->Start();
  }
  // Stops the receiver; its result is then readable.
  const sim::SimResult& StopReceiver() {
    receiver->Stop();
    return receiver->Result();
  }
  // The transfer let go of the device: it can be opened again at once.
  bool PortReleased() {
    SystemClock clock;
    FileFailure failure;
    return CComm::Open(receiver->DevicePath(), clock, failure) != nullptr;
  }
  // Descriptors of this process open on `path` (0 once a transfer closed its files).
  static int OpenDescriptorsOn(const std::string& path) {
    int count = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", ec)) {
      std::error_code linkError;
      if (std::filesystem::read_symlink(entry.path(), linkError) == path) ++count;
    }
    return count;
  }
  double Seconds(std::chrono::steady_clock::time_point since) const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
  }

  TempDir dir;
  RecordingReporter reporter;
  AppOptions options;
  PosixLinkFactory factory{kTestLinkBounds};
  CListDB db{reporter, options};
  std::unique_ptr<sim::ReceiverSimulator> receiver;
};

}  // namespace lumoscope::test
