#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "base/SilentReporter.h"
#include "listview/ListDiff.h"
#include "listview/OtherList.h"
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
  // The upload's own files go to the user's cache folder, here one of the test's.
  std::string UseCacheFolder() {
    unsetenv("XDG_RUNTIME_DIR");
    setenv("XDG_CACHE_HOME", dir.File("cache").c_str(), 1);
    return dir.File("cache/lumoscope");
  }
  std::vector<std::string> Load(const std::string& path) {
    SilentReporter silent;
    return LoadOtherList(path, AppOptions{}, silent).value_or(std::vector<std::string>{});
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

TEST_F(TransferCliTest, DiffWithTheReceiverAfterADownloadAndAfterAChannelChangedOnIt) {
  const std::string cache = UseCacheFolder();
  StartReceiver();
  const std::string device = " --device " + receiver->DevicePath();
  const std::string list = dir.Write("list.txt", test::ReadFile(LUMOSCOPE_SOURCE_DIR "/examples/sample.txt"));
  ASSERT_EQ(Run("compile " + list), 0);
  ASSERT_EQ(Run("download" + device + " " + dir.File("list.bin")), 0);
  receiver->PowerCycle();
  EXPECT_EQ(Run("diff " + list + " --receiver" + device), 0) << err;
  EXPECT_EQ(out, DifferencesText(ListDifferences{}));
  EXPECT_TRUE(std::filesystem::is_empty(cache));  // the receiver's list is not kept unasked

  // A channel renamed on the receiver, as with its remote control.
  std::string edited = receiver->ChannelList();
  const size_t at = edited.find("\"ZDF HD\"");
  ASSERT_NE(at, std::string::npos);
  receiver->SetChannelList(edited.replace(at, 8, "\"ZDF 2\""));
  const std::string kept = dir.File("kept.txt");
  EXPECT_EQ(Run("diff " + list + " --receiver" + device + " -o " + kept), 1) << err;
  const ListDifferences differences = CompareLists(Load(list), Load(kept), NameCodec());
  ASSERT_EQ(differences.changes.size(), 1u);
  EXPECT_EQ(differences.changes[0].kind, ChangeKind::Renamed);
  EXPECT_EQ(out, DifferencesText(differences));
}

TEST_F(TransferCliTest, DiffWithAReceiverThatDoesNotAnswerWritesNothing) {
  const std::string cache = UseCacheFolder();
  sim::SimOptions o;
  o.silent = true;
  StartReceiver(o);
  const std::string device = " --device " + receiver->DevicePath();
  const std::string list = dir.Write("list.txt", test::ReadFile(LUMOSCOPE_SOURCE_DIR "/examples/sample.txt"));
  EXPECT_EQ(Run("diff " + list + " --receiver" + device + " -o " + dir.File("kept.txt")), 2);
  EXPECT_TRUE(out.empty());
  EXPECT_FALSE(err.empty());
  EXPECT_FALSE(test::FileExists(dir.File("kept.txt")));
  EXPECT_TRUE(!std::filesystem::exists(cache) || std::filesystem::is_empty(cache));
  // Nor is the list the receiver's list would be kept in.
  const std::string before = test::ReadFile(list);
  EXPECT_EQ(Run("diff " + list + " --receiver" + device + " -o " + list), 2);
  EXPECT_EQ(test::ReadFile(list), before);
  EXPECT_EQ(Run("diff " + list + device), 2);  // a device without --receiver
}

TEST_F(TransferCliTest, IllegalPortAndUsageErrors) {
  EXPECT_EQ(Run("upload --port 5"), 1);
  EXPECT_EQ(err, "Selected Com Port is illegal!!!, Select again at Option Menu\n");
  EXPECT_EQ(Run("download --port 1 --device /dev/null x.bin"), 2);
}

}  // namespace
}  // namespace lumoscope
