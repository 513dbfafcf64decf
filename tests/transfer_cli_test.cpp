#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/BinImage.h"
#include "tests/support/CliRun.h"
#include "tests/support/SimulatedReceiver.h"

namespace lumoscope {
namespace {

class TransferCliTest : public test::SimulatedReceiverTest {
 protected:
  int Run(const std::string& args) {
    const test::CliResult result = test::RunCli(args, dir);
    out = result.out;
    err = result.err;
    return result.exitCode;
  }
  std::string out, err;
};

TEST_F(TransferCliTest, DownloadAndUploadOnADevicePath) {
  sim::SimOptions o;
  o.channelList = "[SATELLITE_NAME_LIST]\r\n";
  StartReceiver(o);
  const auto packets = test::SplitIntoPackets(test::RandomBytes(5000, 3), 0x1000, 4080);
  const std::string bin = dir.Write("image.bin", test::BuildBinImage(packets));
  EXPECT_EQ(Run("download --device " + receiver->DevicePath() + " " + bin), 0);
  EXPECT_NE(out.find("\r\nConnetion established...\r\n"), std::string::npos);
  EXPECT_EQ(err, "Flash download is terminated successfully.\n\n");

  // The upload's own files go to the user's cache folder, here one of the test's.
  unsetenv("XDG_RUNTIME_DIR");
  setenv("XDG_CACHE_HOME", dir.File("cache").c_str(), 1);
  const std::string list = dir.File("uploaded.txt");
  EXPECT_EQ(Run("upload --device " + receiver->DevicePath() + " -o " + list), 0);
  EXPECT_EQ(err, "Uploading SUCESS\n");
  EXPECT_EQ(test::ReadFile(list), "[SATELLITE_NAME_LIST]\r\n[END]   ");
  EXPECT_TRUE(std::filesystem::is_empty(dir.File("cache/lumoscope")));
  // After the upload the simulated receiver takes the next download, as after switching it
  // off and on.
  EXPECT_EQ(Run("download --device " + receiver->DevicePath() + " " + bin), 0);
  EXPECT_EQ(StopReceiver().packetsStored, packets.size());
}

TEST_F(TransferCliTest, IllegalPortAndUsageErrors) {
  EXPECT_EQ(Run("upload --port 5"), 1);
  EXPECT_EQ(err, "Selected Com Port is illegal!!!, Select again at Option Menu\n");
  EXPECT_EQ(Run("download --port 1 --device /dev/null x.bin"), 2);
}

}  // namespace
}  // namespace lumoscope
