#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "base/Crc.h"
#include "database/ListDB.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempDir.h"
#include "transfer/HexToBin.h"

namespace lumoscope {
namespace {

using test::ReadFile;
using test::RecordingReporter;
using test::TempDir;

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s.push_back(static_cast<char>(v));
  return s;
}

uint32_t BigEndian(const std::string& s, size_t at, int n) {
  uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = (v << 8) | static_cast<uint8_t>(s[at + static_cast<size_t>(i)]);
  return v;
}

// One line of the compiler's own layout: 16 bytes starting at `address`, byte values
// counting up from `first`.
std::string CompilerLine(uint32_t address, int first) {
  std::string line = Format("%08X ", address);
  for (int i = 0; i < 16; ++i) line += Format(i == 8 ? "   %02X" : " %02X", (first + i) & 0xFF);
  return line + "\n";
}

std::string CompilerLines(uint32_t address, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += CompilerLine(address + 16u * static_cast<uint32_t>(i), i);
  return text;
}

struct Packet {
  uint32_t sequence, address, length;
};

// Walks the packets of an image and checks every CRC and the header's counts.
std::vector<Packet> Packets(const std::string& image) {
  std::vector<Packet> out;
  EXPECT_GE(image.size(), 14u);
  EXPECT_EQ(image.substr(0, 4), Bytes({0x55, 0xAA, 0x01, 0x01}));
  EXPECT_EQ(BigEndian(image, 10, 4), Crc32({reinterpret_cast<const uint8_t*>(image.data()), 10}));
  uint32_t total = 0;
  size_t at = 14;
  while (at + 16 <= image.size()) {
    EXPECT_EQ(image.substr(at, 2), Bytes({0x5A, 0x5A}));
    const Packet p{BigEndian(image, at + 2, 2), BigEndian(image, at + 4, 4), BigEndian(image, at + 8, 4)};
    const size_t crcAt = at + 12 + p.length;
    EXPECT_EQ(BigEndian(image, crcAt, 4),
              Crc32({reinterpret_cast<const uint8_t*>(image.data()) + at, 12 + p.length}));
    out.push_back(p);
    total += p.length;
    at = crcAt + 4;
  }
  EXPECT_EQ(at, image.size());
  EXPECT_EQ(BigEndian(image, 4, 4), total);
  EXPECT_EQ(BigEndian(image, 8, 2), out.size());
  return out;
}

class HexToBinTest : public ::testing::Test {
 protected:
  // Converts `hex` as the list "list.txt"'s hex image; the .bin's bytes, "" when none.
  bool Convert(const std::string& hex, std::string& image) {
    dir.Write("list.hex", hex);
    CListDB db(reporter, options, dir.File("list.txt"));
    const bool ok = ConvertHexToBin(db);
    image = test::FileExists(dir.File("list.bin")) ? ReadFile(dir.File("list.bin")) : "";
    return ok;
  }

  TempDir dir;
  RecordingReporter reporter;
  AppOptions options;
};

TEST_F(HexToBinTest, SmallImageIsByteExact) {
  std::string image;
  ASSERT_TRUE(Convert("7FF10000 01 02 03\n", image));
  // Header CRC and packet CRC computed independently (zlib's crc32).
  const std::string expected = Bytes({0x55, 0xAA, 0x01, 0x01, 0x00, 0x00, 0x00, 0x03, 0x00, 0x01, 0xD2,
                                      0xA1, 0xA8, 0xED, 0x5A, 0x5A, 0x00, 0x00, 0x7F, 0xF1, 0x00, 0x00,
                                      0x00, 0x00, 0x00, 0x03, 0x01, 0x02, 0x03, 0xE1, 0x65, 0x3C, 0xB6});
  EXPECT_EQ(image, expected);
  EXPECT_EQ(reporter.boxes, std::vector<std::string>{"Conversion is terminated successfully.\n"});
}

TEST_F(HexToBinTest, PacketClosesOnlyAbove4064Bytes) {
  std::string image;
  // 254 lines of 16 bytes: exactly 4064, still one open packet.
  ASSERT_TRUE(Convert(CompilerLines(0x7FF10000, 254), image));
  auto packets = Packets(image);
  ASSERT_EQ(packets.size(), 1u);
  EXPECT_EQ(packets[0].length, 4064u);

  // 255 lines: closed at 4080 by the last line, and no empty packet after it.
  ASSERT_TRUE(Convert(CompilerLines(0x7FF10000, 255), image));
  packets = Packets(image);
  ASSERT_EQ(packets.size(), 1u);
  EXPECT_EQ(packets[0].length, 4080u);

  ASSERT_TRUE(Convert(CompilerLines(0x7FF10000, 256), image));
  packets = Packets(image);
  ASSERT_EQ(packets.size(), 2u);
  EXPECT_EQ(packets[1].sequence, 1u);
  EXPECT_EQ(packets[1].address, 0x7FF10000u + 4080u);
  EXPECT_EQ(packets[1].length, 16u);
}

TEST_F(HexToBinTest, GapStartsANewPacket) {
  std::string image;
  ASSERT_TRUE(Convert(CompilerLines(0x7FF10000, 2) + CompilerLines(0x7FF20000, 3), image));
  const auto packets = Packets(image);
  ASSERT_EQ(packets.size(), 2u);
  EXPECT_EQ(packets[0].sequence, 0u);
  EXPECT_EQ(packets[0].length, 32u);
  EXPECT_EQ(packets[1].sequence, 1u);
  EXPECT_EQ(packets[1].address, 0x7FF20000u);
  EXPECT_EQ(packets[1].length, 48u);
}

TEST_F(HexToBinTest, DigitCaseBlanksAndAddressWithoutSeparator) {
  std::string upper, lower, packed;
  ASSERT_TRUE(Convert("7FF1ABCD AB CD EF\r\n", upper));
  ASSERT_TRUE(Convert("  7ff1abcd ab\tcd  ef  \r\n", lower));
  ASSERT_TRUE(Convert("7FF1ABCDABCDEF\n", packed));
  EXPECT_EQ(upper, lower);
  EXPECT_EQ(upper, packed);
}

TEST_F(HexToBinTest, UnknownDigitIsReportedAndTakenByItsLowBits) {
  std::string image;
  ASSERT_TRUE(Convert("7FF1000G 0z\n", image));
  EXPECT_EQ(reporter.boxes[0], "DNCONV: Unknown character on buffer:0x47\n");
  EXPECT_EQ(reporter.boxes[1], "DNCONV: Unknown character on buffer:0x7a\n");
  const auto packets = Packets(image);
  ASSERT_EQ(packets.size(), 1u);
  EXPECT_EQ(packets[0].address, 0x7FF10007u);
  EXPECT_EQ(static_cast<uint8_t>(image[14 + 12]), 0x0A);
}

TEST_F(HexToBinTest, BlankLinesAreSkippedAndByteFFEndsTheInput) {
  std::string image;
  ASSERT_TRUE(Convert("\n   \r\n7FF10000 01\n\n7FF10001 02\n\xFF garbage\n", image));
  const auto packets = Packets(image);
  ASSERT_EQ(packets.size(), 1u);
  EXPECT_EQ(packets[0].length, 2u);
}

TEST_F(HexToBinTest, FileWithoutDataFailsAndLeavesNoBin) {
  std::string image;
  EXPECT_FALSE(Convert("\n\n", image));
  EXPECT_EQ(reporter.boxes, std::vector<std::string>{"DNCONV: Error on packet build. -- EOF\n"});
  EXPECT_EQ(image, "");
  EXPECT_EQ(dir.FileCount(), 1u);  // only the .hex
}

TEST_F(HexToBinTest, RefusedLinesFailWithTheirLineAndLeaveNoBin) {
  const std::string good = "7FF10000 01 02\n";
  std::string many = "7FF10010";
  for (int i = 0; i < 129; ++i) many += " 00";
  struct Case {
    std::string line, message;
  } cases[] = {
      {"7FF100\n", "DNCONV: Line 2 has no load address of 8 hex digits.\n"},
      {"7FF10010 01 0\n", "DNCONV: Line 2 ends in the middle of a data byte.\n"},
      {"7FF10010 01 0", "DNCONV: Line 2 ends in the middle of a data byte.\n"},
      {many + "\n", "DNCONV: Line 2 holds more than 128 data bytes.\n"},
      {"7FF10010" + std::string(504, ' ') + "\n", "DNCONV: Line 2 is longer than 512 bytes.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    // A .bin of an earlier run no longer belongs to this .hex.
    dir.Write("list.bin", "stale");
    reporter.Clear();
    std::string image;
    EXPECT_FALSE(Convert(good + c.line, image));
    EXPECT_EQ(reporter.boxes, std::vector<std::string>{c.message});
    EXPECT_EQ(image, "");
    EXPECT_EQ(dir.FileCount(), 1u);
  }
  // A line of exactly 512 bytes and 128 data bytes is taken.
  std::string full = "7FF10010";
  for (int i = 0; i < 128; ++i) full += " 00";
  std::string image;
  EXPECT_TRUE(Convert(good + full + "\n", image));
  EXPECT_TRUE(Convert(good + "7FF10010 01" + std::string(512 - 12, ' ') + "\n", image));
}

TEST_F(HexToBinTest, WriteErrorLeavesNoBin) {
  std::string image;
  ASSERT_TRUE(Convert(CompilerLines(0x7FF10000, 4), image));
  dir.Write("list.hex", CompilerLines(0x7FF10000, 200));
  CListDB db(reporter, options, dir.File("list.txt"));
  // A file size limit makes the write fail the way a full disk does.
  signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 1024;
  setrlimit(RLIMIT_FSIZE, &small);
  reporter.Clear();
  const bool ok = ConvertHexToBin(db);
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_FALSE(ok);
  ASSERT_EQ(reporter.boxes.size(), 1u);
  EXPECT_TRUE(reporter.boxes[0].starts_with("DNCONV: Writing " + dir.File("list.bin") + " failed: "));
  // The .bin of the earlier conversion is gone with the image it belonged to.
  EXPECT_FALSE(test::FileExists(dir.File("list.bin")));
  EXPECT_EQ(dir.FileCount(), 1u);
}

TEST_F(HexToBinTest, MissingHexNamesTheFile) {
  CListDB db(reporter, options, dir.File("list.txt"));
  EXPECT_FALSE(ConvertHexToBin(db));
  ASSERT_EQ(reporter.boxes.size(), 1u);
  EXPECT_THAT(reporter.boxes[0],
              testing::StartsWith(Format("Can't open  %s file \n", dir.File("list.hex").c_str())));
}

TEST_F(HexToBinTest, NamesComeFromAnyCaseTxtAndNeverTheListItself) {
  // Upper-case extension on a case-sensitive file system.
  dir.Write("LIST.TXT", "the list");
  dir.Write("LIST.hex", "7FF10000 01\n");
  CListDB upper(reporter, options, dir.File("LIST.TXT"));
  EXPECT_TRUE(ConvertHexToBin(upper));
  EXPECT_TRUE(test::FileExists(dir.File("LIST.bin")));
  EXPECT_EQ(ReadFile(dir.File("LIST.TXT")), "the list");
  EXPECT_EQ(upper.FilePath(), dir.File("LIST.TXT"));

  // A ".bin" that is a link to the list would be written through to the list.
  dir.Write("linked.txt", "precious");
  dir.Write("linked.hex", "7FF10000 01\n");
  std::filesystem::create_symlink(dir.File("linked.txt"), dir.File("linked.bin"));
  reporter.Clear();
  CListDB linked(reporter, options, dir.File("linked.txt"));
  EXPECT_FALSE(ConvertHexToBin(linked));
  ASSERT_EQ(reporter.boxes.size(), 1u);
  EXPECT_NE(reporter.boxes[0].find("is the channel list itself"), std::string::npos);
  EXPECT_EQ(ReadFile(dir.File("linked.txt")), "precious");
}

TEST_F(HexToBinTest, ChosenHexFileConvertsBesideItselfButNeverOverItself) {
  const std::string hex = dir.Write("image.HEX", "7FF10000 01\n");
  EXPECT_EQ(BinPathForHexFile(hex), dir.File("image.bin"));
  EXPECT_EQ(BinPathForHexFile("/a.hex/image"), "/a.hex/image.bin");
  EXPECT_TRUE(ConvertHexFileToBin(reporter, hex, BinPathForHexFile(hex)));
  EXPECT_TRUE(test::FileExists(dir.File("image.bin")));

  reporter.Clear();
  EXPECT_FALSE(ConvertHexFileToBin(reporter, hex, hex));
  EXPECT_EQ(ReadFile(hex), "7FF10000 01\n");
}

}  // namespace
}  // namespace lumoscope
