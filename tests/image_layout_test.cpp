// Golden bytes of every record, worked out by hand from the receiver's record layouts,
// compiled end to end from text lines.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "database/Compiler.h"
#include "database/ImageEncoder.h"
#include "tests/support/ListText.h"
#include "tests/support/RecordingReporter.h"

namespace lumoscope {
namespace {

using Bytes = std::vector<uint8_t>;

// Bitwise CRC-16/ARC, independent of the table the compiler uses.
uint16_t SlowCrc16(const Bytes& data, int zeros) {
  uint16_t crc = 0;
  auto feed = [&](uint8_t b) {
    crc ^= b;
    for (int k = 0; k < 8; ++k) crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : (crc >> 1);
  };
  for (uint8_t b : data) feed(b);
  for (int i = 0; i < zeros; ++i) feed(0);
  return crc;
}

// The record's data bytes followed by its CRC (and the trailing zeros of some records).
Bytes WithCrc(Bytes data, int zeros, int trailing = 0) {
  const uint16_t crc = SlowCrc16(data, zeros);
  data.push_back(static_cast<uint8_t>(crc & 0xFF));
  data.push_back(static_cast<uint8_t>(crc >> 8));
  data.insert(data.end(), static_cast<size_t>(trailing), 0);
  return data;
}

Bytes Name(const std::string& s, size_t width) {
  Bytes b(s.begin(), s.end());
  b.resize(width, 0);
  return b;
}

Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

Bytes Slice(const Bytes& b, size_t offset, size_t size) {
  if (offset + size > b.size()) return {};
  return Bytes(b.begin() + static_cast<long>(offset), b.begin() + static_cast<long>(offset + size));
}

std::string GoldenList() {
  std::vector<std::string> l = test::NameListLines(32);
  l.insert(l.end(),
           {
               "[SATELLITE]",
               R"(1 "Hotbird 13E" N 10600 9750 13 -120)",
               "2 Astra N 10600 9750 19 65535",
               "3 Intelsat Y 5150 5150 255 0",
               "[DIGITAL TP]",
               R"(300 2 11778 27500 V "ASTRA 1KR")",
               "[DIGITAL CHANNEL]",
               R"(10 300 2 2EFE TV "ZDF HD" 2 N)",
               "11 4097 2 0x1234 RADIO _ 0 Y",
               "[DIGITAL PID CHANNEL]",
               "999 300 2 TV Feed 512 650 8190 1 N",
               "[ANALOG TP]",
               R"(7 1 11214 KU "RAI Analog" 27MHz V 90 128 BASEBAND MONO_LEFT 6.50 7.20 280 N U50 TV N)",
               "[END]",
           });
  return test::JoinLines(l);
}

CompileResult CompileGolden(bool normal) {
  test::RecordingReporter reporter;
  CompileRequest request;
  request.normal = normal;
  CompileResult r = CompileText(GoldenList(), request, reporter);
  EXPECT_TRUE(r.ok) << (reporter.boxes.empty() ? "" : reporter.boxes[0]);
  return r;
}

const Bytes kStart{0xDD, 0xCC, 0xBB, 0xAA};
const Bytes kEnd{0xCD, 0xAB, 0x34, 0x12};

const Bytes kHotbird = Cat({{0x01, 0x0B},
                            Name("Hotbird 13E", 14),
                            {0x01, 0x06, 0x00, 0x00, 0x97, 0x50},
                            {0x0D, 0x01, 0x00, 0x00, 0x88, 0xFF}});
const Bytes kAstra = Cat({{0x02, 0x05},
                          Name("Astra", 14),
                          {0x01, 0x06, 0x00, 0x00, 0x97, 0x50},
                          {0x13, 0x01, 0x00, 0x00, 0xFF, 0xFF}});
const Bytes kIntelsat = Cat({{0x03, 0x08},
                             Name("Intelsat", 14),
                             {0x00, 0x51, 0x50, 0x00, 0x51, 0x50},
                             {0xFF, 0x01, 0x01, 0x00, 0x00, 0x00}});

TEST(PackedDecimal, FourAndFiveDigitNumbers) {
  uint8_t out[3];
  PackDecimal("11778", out);
  EXPECT_EQ(Bytes(out, out + 3), (Bytes{0x01, 0x17, 0x78}));
  PackDecimal("9750", out);
  EXPECT_EQ(Bytes(out, out + 3), (Bytes{0x00, 0x97, 0x50}));
  PackDecimal("3840", out);
  EXPECT_EQ(Bytes(out, out + 3), (Bytes{0x00, 0x38, 0x40}));
  PackDecimal("12722", out);
  EXPECT_EQ(Bytes(out, out + 3), (Bytes{0x01, 0x27, 0x22}));
  PackAudioFrequencies("6.50", "7.20", out);
  EXPECT_EQ(Bytes(out, out + 3), (Bytes{0x65, 0x07, 0x20}));
}

TEST(RecordCrc, IsCrc16ArcOverDataAndZeros) {
  const Bytes check{'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  EXPECT_EQ(RecordCrc(check, 0), 0xBB3D);  // the published check value of CRC-16/ARC
  // Every length around the eight bytes the checksum takes at a time, and every byte.
  std::mt19937 random(3);
  for (size_t size = 0; size < 40; ++size) {
    Bytes data(size);
    for (uint8_t& b : data) b = static_cast<uint8_t>(random());
    for (int zeros = 0; zeros <= 4; ++zeros)
      ASSERT_EQ(RecordCrc(data, zeros), SlowCrc16(data, zeros)) << size;
  }
}

TEST(NormalImage, HeaderMarkersAndEveryRecord) {
  const Bytes img = CompileGolden(true).image;
  // 3 satellites, 1 D_TP, 3 digital services (2 channels + 1 PID), 1 A_TP, 3 TV, 1 radio.
  EXPECT_EQ(Slice(img, 0, 12), (Bytes{3, 0, 1, 0, 3, 0, 1, 0, 3, 0, 1, 0}));
  EXPECT_EQ(Slice(img, 12, 4), kStart);
  EXPECT_EQ(Slice(img, 16, 84), Cat({kHotbird, kAstra, kIntelsat}));
  EXPECT_EQ(Slice(img, 100, 8), Cat({kEnd, kStart}));
  const Bytes tp = WithCrc(Cat({{0x02, 0x00, 0x01, 0x01, 0x17, 0x78, 0x02, 0x75, 0x00, 0x09},
                                Name("ASTRA 1KR", 14),
                                {0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00}}),
                           2);
  EXPECT_EQ(Slice(img, 108, 36), tp);
  EXPECT_EQ(Slice(img, 144, 8), Cat({kEnd, kStart}));
  // TV program 1 on D_TP position 1.
  const Bytes channel = WithCrc(Cat({{0xFE, 0x2E, 0x01, 0x00, 0x54, 0x02},
                                     Name("ZDF HD", 13),
                                     {0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}),
                                2);
  EXPECT_EQ(Slice(img, 152, 28), channel);
  // Null radio channel: D_TP index 4097 as written keeps its low 12 bits (1), its
  // satellite stands in byte 5, bit 3 of byte 4 is set; radio program 1.
  const Bytes null = WithCrc(
      Cat({{0x34, 0x12, 0x01, 0x00, 0x5D, 0x02}, Name("_", 13), {0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}),
      2);
  EXPECT_EQ(Slice(img, 180, 28), null);
  // The PID channel continues the channel block without markers; TV program 2.
  const Bytes pid = WithCrc(Cat({{0x00, 0x00, 0x01, 0x00, 0x54, 0x01},
                                 Name("Feed", 13),
                                 {0x02, 0x00, 0x02, 0x8A, 0x02, 0xFE, 0x1F}}),
                            2);
  EXPECT_EQ(Slice(img, 208, 28), pid);
  EXPECT_EQ(Slice(img, 236, 8), Cat({kEnd, kStart}));
  // A_TP, TV program 3.
  const Bytes atp = WithCrc(Cat({{0x01, 0x12, 0x14, 0x65, 0x07, 0x20},
                                 Name("RAI Analog", 13),
                                 {0x03, 0x80, 0x5A, 0x56, 0xA2, 0x04, 0x01}}),
                            2);
  EXPECT_EQ(Slice(img, 244, 28), atp);
  EXPECT_EQ(Slice(img, 272, 4), kEnd);
  EXPECT_EQ(img.size(), 276u);
}

TEST(BasicImage, NameTableMarkersAndEveryRecord) {
  const Bytes img = CompileGolden(false).image;
  Bytes names;
  for (int i = 1; i <= 32; ++i) {
    const Bytes n = Name("SAT" + std::to_string(i), 14);
    names.insert(names.end(), n.begin(), n.end());
  }
  EXPECT_EQ(Slice(img, 0, 452), WithCrc(names, 4, 2));
  EXPECT_EQ(Slice(img, 452, 4), kStart);
  EXPECT_EQ(Slice(img, 456, 84), Cat({kHotbird, kAstra, kIntelsat}));
  EXPECT_EQ(Slice(img, 540, 8), Cat({kEnd, kStart}));
  // D_TP index as written (300), satellite 2 with V in bit 7.
  const Bytes tp =
      WithCrc(Cat({{0x2C, 0x01, 0x82}, Name("ASTRA 1KR", 13), {0x01, 0x17, 0x78, 0x02, 0x75, 0x00}}), 4);
  EXPECT_EQ(Slice(img, 548, 24), tp);
  EXPECT_EQ(Slice(img, 572, 8), Cat({kEnd, kStart}));
  const Bytes channel = WithCrc(
      Cat({{0xFE, 0x2E, 0x0A, 0x00, 0x2C, 0x01, 0x02, 0x01, 0x06}, Name("ZDF HD", 14), {0x02}}), 4, 2);
  EXPECT_EQ(Slice(img, 580, 28), channel);
  const Bytes null =
      WithCrc(Cat({{0x34, 0x12, 0x0B, 0x00, 0x01, 0x10, 0x02, 0x02, 0x01}, Name("_", 14), {0x80}}), 4, 2);
  EXPECT_EQ(Slice(img, 608, 28), null);
  EXPECT_EQ(Slice(img, 636, 8), Cat({kEnd, kStart}));
  const Bytes pid =
      WithCrc(Cat({{0xE7, 0x03, 0x2C, 0x01, 0x02, 0x01, 0x00, 0x02, 0x8A, 0x02, 0xFE, 0x1F, 0x04},
                   Name("Feed", 14),
                   {0x01}}),
              4, 2);
  EXPECT_EQ(Slice(img, 644, 32), pid);
  EXPECT_EQ(Slice(img, 676, 8), Cat({kEnd, kStart}));
  const Bytes atp = WithCrc(Cat({{0x01, 0x12, 0x14, 0x65, 0x07, 0x20},
                                 Name("RAI Analog", 13),
                                 {0x00, 0x80, 0x5A, 0x56, 0xA2, 0x00, 0x01}}),
                            2);
  EXPECT_EQ(Slice(img, 684, 28), atp);
  EXPECT_EQ(Slice(img, 712, 4), kEnd);
  EXPECT_EQ(img.size(), 716u);
}

TEST(NormalImage, ProgramNumber300IsSplitIntoHighNibbleAndLowByte) {
  test::SmallList list;
  list.channels.clear();
  for (int i = 0; i < 300; ++i)
    list.channels.push_back(std::to_string(i) + " 0 0 1 TV C" + std::to_string(i) + " 0 N");
  list.pidChannels.clear();
  list.analogTps.clear();
  test::RecordingReporter reporter;
  CompileRequest request;
  request.normal = true;
  const CompileResult r = CompileText(list.Text(), request, reporter);
  ASSERT_TRUE(r.ok);
  // header, start, 3 satellites, end+start, 2 D_TPs, end+start, then the channels.
  const size_t last = 12 + 4 + 3 * 28 + 8 + 2 * 36 + 8 + 299 * 28;
  EXPECT_EQ(Slice(r.image, last + 2, 2), (Bytes{0x01, 0x10}));  // D_TP position 1, program bits 8..11 = 1
  EXPECT_EQ(r.image[last + 19], 0x2C);
  EXPECT_EQ(r.counters.tv, 300);
}

TEST(NormalImage, ThirteenCharacterAnalogNameLeavesTheLastByteToTheProgramNumber) {
  test::SmallList list;
  list.analogTps = {"0 0 11214 KU ABCDEFGHIJKLM 27MHz H 1 2 CVBS STEREO 6.50 7.20 130 N J17 RADIO N"};
  list.pidChannels.clear();
  test::RecordingReporter reporter;
  CompileRequest request;
  request.normal = true;
  const CompileResult r = CompileText(list.Text(), request, reporter);
  ASSERT_TRUE(r.ok);
  const size_t atp = r.image.size() - 4 - 28;
  EXPECT_EQ(Slice(r.image, atp + 6, 13), Name("ABCDEFGHIJKLM", 13));
  EXPECT_EQ(r.image[atp + 19], 0x01);  // radio program 1
  EXPECT_EQ(r.image[atp + 24], 0x05);  // radio, normal image
}

TEST(NormalImage, EmptySatelliteSectionStillHasItsStartMarker) {
  const std::string text = test::JoinLines(test::NameListLines(32)) + "[SATELLITE]\r\n[END]\r\n";
  test::RecordingReporter reporter;
  CompileRequest request;
  request.normal = true;
  const CompileResult r = CompileText(text, request, reporter);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.image, Cat({Bytes(12, 0), kStart, kEnd}));
}

}  // namespace
}  // namespace lumoscope
