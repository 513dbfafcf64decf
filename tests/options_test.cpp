// Colours, port choice and the option dialog's state, over an in-memory store.
#include <gtest/gtest.h>

#include <filesystem>

#include "shell/FileFilter.h"
#include "shell/ListColours.h"
#include "shell/OptionDialogState.h"
#include "shell/PortSettings.h"
#include "shell/SerialDevices.h"
#include "shell/SettingsKeys.h"
#include "tests/support/TempDir.h"

namespace lumoscope {
namespace {

using namespace settings;

TEST(ListColoursTest, FreshInstallShowsBlackOnWhiteButOffersBlueOnSilver) {
  MemorySettingsStore store;
  ListColours c = LoadListColours(store);
  EXPECT_FALSE(c.saved);
  EXPECT_EQ(c.text, kBlack);
  EXPECT_EQ(c.background, kWhite);
  EXPECT_EQ(c.textBackground, kWhite);

  OptionDialogState state(AppOptions{}, store);
  EXPECT_EQ(state.textColour, MakeColour(0, 0, 255));
  EXPECT_EQ(state.backgroundColour, MakeColour(192, 192, 192));
  EXPECT_FALSE(state.coloursTouched);
}

TEST(ListColoursTest, ColourPartsAreRedGreenBlueFromTheLowByte) {
  constexpr Colour c = MakeColour(1, 2, 3);
  static_assert(c == 0x030201);
  EXPECT_EQ(RedOf(c), 1);
  EXPECT_EQ(GreenOf(c), 2);
  EXPECT_EQ(BlueOf(c), 3);
}

TEST(ListColoursTest, SavedColoursNeedBothMarks) {
  MemorySettingsStore store;
  SaveColours(store, 10, "system", MakeColour(10, 20, 30), MakeColour(40, 50, 60));
  EXPECT_EQ(store.GetInt(kListSection, "Text Color.G", -1), 20);
  EXPECT_EQ(store.GetInt(kListSection, "Background Color.B", -1), 60);
  ListColours c = LoadListColours(store);
  EXPECT_TRUE(c.saved);
  EXPECT_EQ(c.text, MakeColour(10, 20, 30));
  EXPECT_EQ(c.background, MakeColour(40, 50, 60));
  EXPECT_EQ(c.textBackground, MakeColour(40, 50, 60));

  store.SetString(kListSection, "Font Name", "");
  EXPECT_FALSE(LoadListColours(store).saved);
  store.SetString(kListSection, "Font Name", "system");
  store.SetInt(kListSection, "Font Size", 0);
  EXPECT_FALSE(LoadListColours(store).saved);
}

TEST(OptionDialogStateTest, CancelledChooserStillCountsAsTouchingTheColours) {
  MemorySettingsStore store;
  AppOptions options;
  OptionDialogState state(options, store);
  state.ChooseTextColour(std::nullopt);
  EXPECT_TRUE(state.coloursTouched);
  auto result = state.Accept(options, store);
  EXPECT_TRUE(result.coloursChanged);
  EXPECT_EQ(store.GetInt(kListSection, "Font Size", 0), 10);
  EXPECT_EQ(store.GetString(kListSection, "Font Name", ""), "system");
  // From now on the list starts in the saved (default) colours.
  ListColours c = LoadListColours(store);
  EXPECT_TRUE(c.saved);
  EXPECT_EQ(c.text, kDefaultTextColour);
  EXPECT_EQ(c.background, kDefaultBackgroundColour);
}

TEST(OptionDialogStateTest, UntouchedColoursAreNotSaved) {
  MemorySettingsStore store;
  AppOptions options;
  OptionDialogState state(options, store);
  state.portNumber = 3;
  state.fortySatellites = true;
  auto result = state.Accept(options, store);
  EXPECT_FALSE(result.coloursChanged);
  EXPECT_EQ(store.GetInt(kListSection, "Font Size", 0), 0);
  EXPECT_EQ(store.GetInt("CommPort Num", "Number", 0), 3);
  EXPECT_EQ(options.portNumber, 3);
  EXPECT_TRUE(options.fortySatellites);
  EXPECT_EQ(options.MaxSatellites(), 40);
}

TEST(OptionDialogStateTest, ChosenColoursAndDefaultsReachTheStore) {
  MemorySettingsStore store;
  AppOptions options;
  OptionDialogState state(options, store);
  state.ChooseBackgroundColour(MakeColour(1, 1, 1));
  state.ChooseTextColour(MakeColour(2, 2, 2));
  auto result = state.Accept(options, store);
  EXPECT_EQ(result.textColour, MakeColour(2, 2, 2));
  EXPECT_EQ(result.backgroundColour, MakeColour(1, 1, 1));

  // The next dialog starts from the saved colours; Load Default Color puts blue on silver.
  OptionDialogState next(options, store);
  EXPECT_EQ(next.textColour, MakeColour(2, 2, 2));
  next.LoadDefaultColours();
  EXPECT_EQ(next.textColour, kDefaultTextColour);
  EXPECT_EQ(next.backgroundColour, kDefaultBackgroundColour);
  EXPECT_TRUE(next.coloursTouched);
}

TEST(PortSettingsTest, PortAndDevicesSurviveARestartButNotTheSatelliteSwitch) {
  MemorySettingsStore store;
  AppOptions before;
  LoadPortOptions(store, before);
  EXPECT_EQ(before.portNumber, 1);
  EXPECT_EQ(before.devicePaths[3], "/dev/ttyS3");

  OptionDialogState state(before, store);
  state.portNumber = 2;
  state.fortySatellites = true;
  state.devicePaths[1] = "/dev/pts/5";
  state.Accept(before, store);

  AppOptions after;
  LoadPortOptions(store, after);
  EXPECT_EQ(after.portNumber, 2);
  EXPECT_EQ(after.devicePaths[1], "/dev/pts/5");
  EXPECT_EQ(store.GetString("CommPort Devices", "COM2", ""), "/dev/pts/5");
  EXPECT_FALSE(after.fortySatellites);
}

TEST(PortSettingsTest, OutOfRangePortReadsAsPortOne) {
  MemorySettingsStore store;
  store.SetInt("CommPort Num", "Number", 7);
  EXPECT_EQ(LoadPortNumber(store), 1);
  store.SetInt("CommPort Num", "Number", 4);
  EXPECT_EQ(LoadPortNumber(store), 4);
  store.SetString("CommPort Devices", "COM1", "");
  AppOptions o;
  LoadPortOptions(store, o);
  EXPECT_EQ(o.devicePaths[0], "/dev/ttyS0");  // an empty path is no choice
}

TEST(SerialDevicesTest, ListsAdaptersByTheirStableNameThenOnBoardPorts) {
  test::TempDir dev;
  namespace fs = std::filesystem;
  for (const char* n : {"ttyUSB0", "ttyUSB1", "ttyACM0", "ttyS0", "ttyS1", "ttyS9", "null", "tty1"})
    dev.Write(n, "");
  fs::create_directories(dev.Path() / "serial" / "by-id");
  fs::create_symlink("../../ttyUSB1", dev.Path() / "serial" / "by-id" / "usb-Maker_Cable_42-if00-port0");

  auto devices = FindSerialDevices(dev.Path());
  std::vector<std::string> paths;
  for (auto& d : devices) paths.push_back(fs::path(d.path).filename().string());
  EXPECT_EQ(paths, (std::vector<std::string>{"ttyUSB1", "ttyACM0", "ttyUSB0", "ttyS0", "ttyS1"}));
  EXPECT_EQ(devices[0].description, "usb-Maker_Cable_42-if00-port0");
  EXPECT_TRUE(FindSerialDevices(dev.Path() / "missing").empty());
}

TEST(FileFilterTest, PairsEndAtTheEmptyEntry) {
  auto text = ParseFileFilter("VXR Formatted Text File(*.TXT)|*.txt||");
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0].description, "VXR Formatted Text File(*.TXT)");
  EXPECT_EQ(text[0].pattern, "*.txt");

  auto images = ParseFileFilter("Program Binary File(*.bin)|*.bin|Hex file(*.HEX)|*.hex|");
  ASSERT_EQ(images.size(), 2u);
  EXPECT_EQ(images[1].description, "Hex file(*.HEX)");
  EXPECT_EQ(images[1].pattern, "*.hex");
  EXPECT_TRUE(ParseFileFilter("").empty());
}

}  // namespace
}  // namespace lumoscope
