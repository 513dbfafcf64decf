#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/SimulatedReceiver.h"
#include "transfer/PortSelection.h"
#include "transfer/Upload.h"

namespace lumoscope {
namespace {

constexpr const char* kList =
    "[SATELLITE_NAME_LIST]\r\n"
    "1,ASTRA 19.2E\r\n"
    "[SATELLITE]\r\n"
    "1,1,0192,E,09750,10600,11700,1,0,0,0\r\n";

class UploadTest : public test::SimulatedReceiverTest {
 protected:
  UploadTest() : uploadPath(dir.File("upload.txt")) {}
  bool Upload() { return UploadChannelListTo(db, uploadPath, dir.File("upload-files")); }
  sim::SimOptions WithList(sim::ListingEnd end = sim::ListingEnd::Marker) {
    sim::SimOptions o;
    o.channelList = kList;
    o.listingEnd = end;
    return o;
  }

  std::string uploadPath;
};

TEST_F(UploadTest, GoodUploadYieldsTheListAndLetsTheReceiverContinue) {
  StartReceiver(WithList());
  EXPECT_TRUE(Upload());
  EXPECT_EQ(reporter.boxes, std::vector<std::string>{"Uploading SUCESS"});
  // The marker arrives inside a copied line: two stored blanks and the repeated last one.
  EXPECT_EQ(test::ReadFile(uploadPath), std::string(kList) + "[END]   ");
  // Only the list is left: the upload's own files are gone from their folder.
  EXPECT_TRUE(std::filesystem::is_empty(dir.File("upload-files")));
  EXPECT_TRUE(PortReleased());
  const sim::SimResult& r = StopReceiver();
  EXPECT_TRUE(r.listingPrinted);
  EXPECT_TRUE(r.continueReceived);
}

TEST_F(UploadTest, SavedListPrintsFromItsFirstHeader) {
  // A list as the program saves it starts with two empty lines; the receiver prints
  // its list from the first section header on, so the upload still counts.
  sim::SimOptions o = WithList();
  o.channelList = "\r\n\r\n# comment\r\n" + std::string(kList);
  StartReceiver(o);
  EXPECT_TRUE(Upload());
  EXPECT_EQ(test::ReadFile(uploadPath), std::string(kList) + "[END]   ");
  StopReceiver();
}

TEST_F(UploadTest, SilentReceiverGetsThePowerMessageAndNothingIsWritten) {
  sim::SimOptions o;
  o.silent = true;
  StartReceiver(o);
  EXPECT_FALSE(Upload());
  EXPECT_EQ(reporter.boxes,
            std::vector<std::string>{"CHECK if Receiver's Power is turned ON\r\nAnd TRY AGIAN!!!"});
  EXPECT_FALSE(test::FileExists(uploadPath));
  EXPECT_TRUE(PortReleased());
  StopReceiver();
}

TEST_F(UploadTest, ListingWithoutTheHeaderIsNotComplete) {
  sim::SimOptions o = WithList();
  o.channelList = "[SATELLITE]\r\n";
  StartReceiver(o);
  EXPECT_FALSE(Upload());
  EXPECT_EQ(reporter.boxes, std::vector<std::string>{"ERROR: Uploading is not complete. try again"});
  // The receiver is let go on failure as well.
  EXPECT_TRUE(StopReceiver().continueReceived);
}

TEST_F(UploadTest, EndlessListingStopsWhenTheBufferIsFullAndIsNotComplete) {
  StartReceiver(WithList(sim::ListingEnd::Never));
  EXPECT_FALSE(Upload());
  EXPECT_EQ(reporter.boxes, std::vector<std::string>{"ERROR: Uploading is not complete. try again"});
  EXPECT_FALSE(test::FileExists(uploadPath));
  // The activity display alternates between half and full every 500 bytes.
  ASSERT_GE(reporter.progress.size(), 800u);
  EXPECT_EQ(reporter.progress[0], (std::pair<int, int>{1000, kProgressShow}));
  EXPECT_EQ(reporter.progress[1], (std::pair<int, int>{50, kProgressShow}));
  EXPECT_GE(StopReceiver().consoleBytesWritten, 409600u);
}

TEST_F(UploadTest, UnwritableOutputIsTold) {
  StartReceiver(WithList());
  uploadPath = dir.File("no-such-folder/upload.txt");
  EXPECT_FALSE(Upload());
  ASSERT_EQ(reporter.boxes.size(), 1u);
  EXPECT_THAT(reporter.boxes[0],
              testing::StartsWith(Format("Fail to open output file %s\n", uploadPath.c_str())));
  EXPECT_TRUE(PortReleased());
  StopReceiver();
}

}  // namespace
}  // namespace lumoscope
