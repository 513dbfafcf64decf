// Every check of the reader: its exact message, its line number and its place in the
// order of a section's checks, in the normal and in the basic compile.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/Reporter.h"
#include "base/TextLines.h"
#include "database/Compiler.h"
#include "database/ReaderMessages.h"
#include "tests/support/ListText.h"
#include "tests/support/RecordingReporter.h"

namespace lumoscope {
namespace {

enum Mode { kNormal, kBasic, kCheck };

struct Outcome {
  bool ok;
  std::string message;  // the first message box, empty when none
  CompileCounters counters;
};

Outcome Compile(const std::string& text, Mode mode, int maxSatellites = 32, bool split = false) {
  test::RecordingReporter reporter;
  CompileRequest request;
  request.normal = mode == kNormal;
  request.validateOnly = mode == kCheck;
  request.maxSatellites = maxSatellites;
  request.splitList = split;
  const CompileResult r = CompileText(text, request, reporter);
  EXPECT_LE(reporter.boxes.size(), 1u);
  return {r.ok, reporter.boxes.empty() ? std::string() : reporter.boxes[0], r.counters};
}

std::string At(const char* fmt, int line) {
  return Format(fmt, line);
}
std::string NameAt(const char* fmt, int line) {
  return Format(fmt, 13, line);
}

// Appends `line` to one section of the small list and returns the message of the
// compile in `mode`, expected to fail at that line.
struct Case {
  std::vector<std::string> test::SmallList::*section;
  std::string line;
};

std::string FailureOf(const Case& c, Mode mode, int* lineNumber) {
  test::SmallList list;
  (list.*c.section).push_back(c.line);
  *lineNumber = list.LastLineOf(list.*c.section);
  const Outcome o = Compile(list.Text(), mode);
  EXPECT_FALSE(o.ok) << c.line;
  return o.message;
}

void ExpectFailure(const Case& c, Mode mode, const std::string& fmt, bool withNameLength = false) {
  int line = 0;
  const std::string got = FailureOf(c, mode, &line);
  EXPECT_EQ(got, withNameLength ? NameAt(fmt.c_str(), line) : At(fmt.c_str(), line)) << c.line;
}

using L = test::SmallList;

TEST(ReaderChecks, ValidSmallListPassesInEveryMode) {
  const std::string text = test::SmallList().Text();
  for (Mode m : {kNormal, kBasic, kCheck}) EXPECT_TRUE(Compile(text, m).ok);
}

TEST(ReaderChecks, SatelliteNameList) {
  test::SmallList list;
  std::vector<std::string> lines = list.Lines();
  lines[5] = "5 ABCDEFGHIJKLMN";  // 14 characters, line 6
  EXPECT_EQ(Compile(test::JoinLines(lines), kBasic).message, NameAt(msg::kSatNameExceeds, 6));
  lines[5] = "6 Five";
  EXPECT_EQ(Compile(test::JoinLines(lines), kNormal).message, At(msg::kSatNameIndex, 6));
  lines[5] = "5";
  EXPECT_EQ(Compile(test::JoinLines(lines), kNormal).message, At(msg::kFieldMissing, 6));
}

TEST(ReaderChecks, NameListMustHaveTheMaximumSatelliteNumberOfEntries) {
  test::SmallList list;
  list.nameEntries = 33;
  const std::string msg33 = Format(msg::kSatNameCount, 32, 35);  // [SATELLITE] is line 35
  EXPECT_EQ(Compile(list.Text(), kBasic, 32).message, msg33);
  EXPECT_FALSE(Compile(list.Text(), kBasic, 40).ok);
  list.nameEntries = 40;
  EXPECT_TRUE(Compile(list.Text(), kBasic, 40).ok);
  EXPECT_TRUE(Compile(list.Text(), kNormal, 40).ok);
  EXPECT_EQ(Compile(list.Text(), kNormal, 32).message, Format(msg::kSatNameCount, 32, 42));
}

TEST(ReaderChecks, Satellite) {
  ExpectFailure({&L::satellites, "5 Five N 10600 9750"}, kNormal, msg::kSatelliteIllegal);
  ExpectFailure({&L::satellites, "5 Five 10600 9750"}, kBasic, msg::kSatelliteIllegal);
  ExpectFailure({&L::satellites, "5 ABCDEFGHIJKLMN N 10600 9750 19 0"}, kBasic, msg::kSatNameExceeds, true);
  ExpectFailure({&L::satellites, "1 Again N 10600 9750 19 0"}, kNormal, msg::kSameSatIndex);
  ExpectFailure({&L::satellites, "5 Five N 106 9750 19 0"}, kNormal, msg::kLnbHigh);
  ExpectFailure({&L::satellites, "5 Five N 10600 97a0 19 0"}, kNormal, msg::kLnbLow);
  ExpectFailure({&L::satellites, "50 Five N 10600 9750 19 0"}, kNormal, msg::kIndexOutOfRange);
  ExpectFailure({&L::satellites, "-1 Five N 10600 9750 19 0"}, kCheck, msg::kIndexOutOfRange);
  // The index check runs before the duplicate check, the LNB checks after it.
  ExpectFailure({&L::satellites, "1 Five N 106 9750 19 0"}, kNormal, msg::kSameSatIndex);
}

TEST(ReaderChecks, SatelliteForms) {
  test::SmallList list;
  // Older form without the blank field; a trailing comment is never the positioner.
  list.satellites = {"0 Astra 10600 9750 19", "1 Hot N 10600 9750 13 # 77", "2 Thor N 10600 9750 1 -7"};
  test::RecordingReporter reporter;
  CompileRequest request;
  request.normal = true;
  const CompileResult r = CompileText(list.Text(), request, reporter);
  ASSERT_TRUE(r.ok) << reporter.boxes[0];
  const size_t first = 16;
  EXPECT_EQ(r.image[first + 24], 0);  // blank N
  EXPECT_EQ(r.image[first + 28 + 26], 0);
  EXPECT_EQ(r.image[first + 56 + 26], 0xF9);  // -7
  EXPECT_EQ(r.image[first + 56 + 27], 0xFF);
}

TEST(ReaderChecks, DigitalTpNormalOrder) {
  ExpectFailure({&L::digitalTps, "2 0 11778 27500 X c"}, kNormal, msg::kTpPolarization);
  ExpectFailure({&L::digitalTps, "2 0 117 27500 H c"}, kNormal, msg::kTpFrequency);
  ExpectFailure({&L::digitalTps, "2 0 11778 275000 H c"}, kNormal, msg::kTpSymbolRate);
  ExpectFailure({&L::digitalTps, "1 0 11778 27500 H c"}, kNormal, msg::kSameTpIndex);
  ExpectFailure({&L::digitalTps, "5000 0 11778 27500 H c"}, kNormal, msg::kIndexOutOfRange);
  // Normal checks the fields before the index; basic the index first.
  ExpectFailure({&L::digitalTps, "1 0 117 27500 H c"}, kNormal, msg::kTpFrequency);
  ExpectFailure({&L::digitalTps, "1 0 117 27500 H c"}, kBasic, msg::kSameTpIndex);
}

TEST(ReaderChecks, DigitalTpBasicMessages) {
  ExpectFailure({&L::digitalTps, "2 0 11x78 27500 H c"}, kBasic, msg::kBasicTpFrequency);
  ExpectFailure({&L::digitalTps, "2 0 11778 275 H c"}, kBasic, msg::kBasicTpSymbolRate);
  ExpectFailure({&L::digitalTps, "2 0 11778 27500 X c"}, kCheck, msg::kBasicTpPolarization);
  ExpectFailure({&L::digitalTps, "2 0 11778 27500 H"}, kBasic, msg::kFieldMissing);
}

TEST(ReaderChecks, AnalogTpInOrder) {
  const std::string ok = "5 0 11214 KU Name 27MHz H 100 128 CVBS STEREO 6.50 7.20 130 N J17 TV N";
  auto with = [&](int field, const std::string& value) {
    std::vector<std::string> f;
    size_t p = 0, q;
    while ((q = ok.find(' ', p)) != std::string::npos) f.push_back(ok.substr(p, q - p)), p = q + 1;
    f.push_back(ok.substr(p));
    f[static_cast<size_t>(field)] = value;
    std::string line;
    for (const auto& x : f) line += (line.empty() ? "" : " ") + x;
    return Case{&L::analogTps, line};
  };
  for (Mode m : {kNormal, kBasic}) {
    ExpectFailure(with(16, "TELE"), m, msg::kTvRadio);
    ExpectFailure(with(17, "X"), m, msg::kBlank);
    ExpectFailure(with(0, "0"), m, msg::kSameAtpIndex);
    ExpectFailure(with(0, "5000"), m, msg::kIndexOutOfRange);
    ExpectFailure(with(4, "ABCDEFGHIJKLMN"), m, msg::kNameExceeds, true);
    ExpectFailure(with(2, "112"), m, msg::kAtpFrequency);
    ExpectFailure(with(5, "20MHz"), m, msg::kAtpVideoBand);
    ExpectFailure(with(6, "L"), m, msg::kAtpPolarization);
    ExpectFailure(with(10, "MONO"), m, msg::kAtpAudioMode);
    ExpectFailure(with(9, "RGB"), m, msg::kAtpDecoderOutput);
    ExpectFailure(with(13, "200"), m, msg::kAtpAudioBand);
    ExpectFailure(with(15, "U60"), m, msg::kAtpDeEmphasis);
    ExpectFailure(with(14, "X"), m, msg::kAtpPanda);
    ExpectFailure(with(3, "S"), m, msg::kAtpTpBand);
    ExpectFailure(with(7, "hundred"), m, msg::kFieldMissing);
  }
  // The service type is checked before the blank, the blank before the index.
  ExpectFailure(with(17, "X"), kNormal, msg::kBlank);
  Case both = with(16, "TELE");
  both.line.back() = 'X';
  ExpectFailure(both, kNormal, msg::kTvRadio);
}

TEST(ReaderChecks, DigitalChannelNormalAndBasicMessagesAndOrder) {
  ExpectFailure({&L::channels, "1 0 0 1 TELE A 0 N"}, kNormal, msg::kSvcType);
  ExpectFailure({&L::channels, "1 0 0 1 TELE A 0 N"}, kBasic, msg::kBasicSvcType);
  ExpectFailure({&L::channels, "1 0 0 1 TV A 0 X"}, kNormal, msg::kBlank);
  ExpectFailure({&L::channels, "0 0 0 1 TV A 0 N"}, kBasic, msg::kSameSvcIndex);
  ExpectFailure({&L::channels, "1 9 0 1 TV A 0 N"}, kNormal, msg::kTpReference);
  ExpectFailure({&L::channels, "1 9999999 0 1 TV A 0 N"}, kBasic, msg::kTpReference);
  ExpectFailure({&L::channels, "1 0 0 1 TV ABCDEFGHIJKLMN 0 N"}, kNormal, msg::kNameExceeds, true);
  ExpectFailure({&L::channels, "10000 0 0 1 TV A 0 N"}, kNormal, msg::kIndexOutOfRange);
  ExpectFailure({&L::channels, "-1 0 0 1 TV A 0 N"}, kBasic, msg::kIndexOutOfRange);
  // Normal: type before the duplicate index; basic: the duplicate index first.
  ExpectFailure({&L::channels, "0 0 0 1 TELE A 0 N"}, kNormal, msg::kSvcType);
  ExpectFailure({&L::channels, "0 0 0 1 TELE A 0 N"}, kBasic, msg::kSameSvcIndex);
  ExpectFailure({&L::channels, "1 9 0 1 TELE A 0 N"}, kBasic, msg::kTpReference);
}

TEST(ReaderChecks, PidChannelNormalAndBasicMessagesAndOrder) {
  ExpectFailure({&L::pidChannels, "1 0 0 TELE A 1 2 3 0 N"}, kNormal, msg::kSvcType);
  ExpectFailure({&L::pidChannels, "1 0 0 TELE A 1 2 3 0 N"}, kBasic, msg::kBasicSvcType);
  ExpectFailure({&L::pidChannels, "1 0 0 TV A 1 2 3 0 X"}, kNormal, msg::kPidBlank);
  ExpectFailure({&L::pidChannels, "1 0 0 TV A 1 2 3 0 X"}, kBasic, msg::kBasicPidBlank);
  ExpectFailure({&L::pidChannels, "1 7 0 TV A 1 2 3 0 N"}, kNormal, msg::kPidTpReference);
  ExpectFailure({&L::pidChannels, "1 7 0 TV A 1 2 3 0 N"}, kBasic, msg::kTpReference);
  ExpectFailure({&L::pidChannels, "0 0 0 TV A 1 2 3 0 N"}, kNormal, msg::kSameSvcIndex);
  ExpectFailure({&L::pidChannels, "1 0 0 TV ABCDEFGHIJKLMN 1 2 3 0 N"}, kNormal, msg::kNameExceeds, true);
  ExpectFailure({&L::pidChannels, "1 0 0 TV ABCDEFGHIJKLMN 1 2 3 0 N"}, kBasic, msg::kBasicPidNameExceeds,
                true);
  ExpectFailure({&L::pidChannels, "65536 0 0 TV A 1 2 3 0 N"}, kBasic, msg::kIndexOutOfRange);
  ExpectFailure({&L::pidChannels, "1 0 0 TV A 1 2 x 0 N"}, kNormal, msg::kFieldMissing);
  // PID SVC indices past the old 1000-entry table are taken.
  test::SmallList list;
  list.pidChannels.push_back("65535 0 0 TV A 1 2 3 0 N");
  EXPECT_TRUE(Compile(list.Text(), kBasic).ok);
  // Normal: the D_TP reference is checked before the duplicate index.
  ExpectFailure({&L::pidChannels, "0 7 0 TV A 1 2 3 0 N"}, kNormal, msg::kPidTpReference);
}

TEST(ReaderChecks, UnusableSatelliteSkipsTheLineBeforeAnyCheck) {
  test::SmallList list;
  // Satellite 2 has blank Y, 7 is not defined, 60 is outside the table.
  list.digitalTps.push_back("1 2 x y Z");
  list.channels.push_back("0 0 7 zz TELE");
  list.channels.push_back("0 0 60");
  list.pidChannels.push_back("0 0 2 X");
  list.analogTps.push_back("0 2");
  for (Mode m : {kNormal, kBasic, kCheck}) {
    const Outcome o = Compile(list.Text(), m);
    EXPECT_TRUE(o.ok) << o.message;
    EXPECT_EQ(o.counters.digitalTps, 2);
    EXPECT_EQ(o.counters.analogTps, 1);
  }
  EXPECT_EQ(Compile(list.Text(), kNormal).counters.tv, 2);
  // ...but a line whose SAT index cannot be read at all is refused.
  ExpectFailure({&L::channels, "1 0"}, kNormal, msg::kFieldMissing);
}

TEST(ReaderChecks, NullChannelsNeedNoTransponderAndTakeAProgramNumber) {
  test::SmallList list;
  list.channels.push_back("1 4321 0 1 TV _ 0 Y");
  list.pidChannels.push_back("1 4321 0 TV _ 0 0 0 0 Y");
  list.analogTps.push_back("1 0 11214 KU _ 27MHz H 1 2 CVBS STEREO 6.50 7.20 130 N J17 TV Y");
  for (Mode m : {kNormal, kBasic}) EXPECT_TRUE(Compile(list.Text(), m).ok);
  EXPECT_EQ(Compile(list.Text(), kNormal).counters.tv, 5);
}

TEST(ReaderChecks, KeywordsMatchByTheirFirstCharacters) {
  test::SmallList list;
  list.channels.push_back("1 0 0 1 TVX A 0 Yes");
  list.analogTps.push_back("1 0 11214 KUX B 27MHzz Hor 1 2 CVBSX STEREOX 6.50 7.20 1300 No J17x RADIOX No");
  const Outcome o = Compile(list.Text(), kNormal);
  EXPECT_TRUE(o.ok) << o.message;
  EXPECT_EQ(o.counters.radio, 2);
}

TEST(ReaderChecks, RecordBeforeAnyHeaderAndLinesAfterEnd) {
  EXPECT_EQ(Compile("\r\n# list\r\n1 SAT1\r\n", kBasic).message, At(msg::kInvalidState, 3));
  const std::string after = test::SmallList().Text() + "garbage \" line\r\n[FOO]\r\n1 2 3\r\n";
  EXPECT_TRUE(Compile(after, kNormal).ok);
}

TEST(ReaderChecks, HeadersMatchOnlyWithTheirClosingBracket) {
  test::SmallList list;
  std::vector<std::string> lines = list.Lines();
  lines[0] = "[SATELLITE_NAME_LIST]   # 32 slots";
  lines[33] = "[SATELLITE] # the dish";
  EXPECT_TRUE(Compile(test::JoinLines(lines), kBasic).ok);
  // A header preceded by a blank is a record line of the current section.
  lines[33] = " [SATELLITE]";
  EXPECT_EQ(Compile(test::JoinLines(lines), kBasic).message, At(msg::kFieldMissing, 34));
  // A bracketed line naming no section is refused.
  lines[33] = "[SATELLITES]";
  EXPECT_EQ(Compile(test::JoinLines(lines), kBasic).message, At(msg::kUnknownSection, 34));
  lines[33] = "[SATELLITE";
  EXPECT_EQ(Compile(test::JoinLines(lines), kNormal).message, At(msg::kUnknownSection, 34));
}

TEST(ReaderChecks, SkippedLinesCountForLineNumbers) {
  test::SmallList list;
  std::vector<std::string> lines = list.Lines();
  lines.insert(lines.begin() + 34, {"", "# 12 comment with digits", "----+----", "   \t"});
  lines[38] = "0 Astra N 106 9750 19 0";
  EXPECT_EQ(Compile(test::JoinLines(lines), kBasic).message, At(msg::kLnbHigh, 39));
  // A digit before the "#" makes a record line.
  lines.insert(lines.begin() + 35, "7 # comment");
  EXPECT_EQ(Compile(test::JoinLines(lines), kBasic).message, msg::kSatelliteIllegal);
}

TEST(ReaderChecks, QuotePreparationInContext) {
  test::SmallList list;
  list.satellites.push_back(R"(5 "Astra 1 KR" N 10600 9750 19 0)");
  list.digitalTps.push_back(R"(7 5 11778 27500 V "a comment longer than 13")");
  list.channels.push_back(R"(5 7 5 1 TV "" 0 N)");
  const Outcome o = Compile(list.Text(), kNormal);
  EXPECT_TRUE(o.ok) << o.message;
  // A quote left open fails before the skipped-line test.
  std::vector<std::string> lines = list.Lines();
  lines.insert(lines.begin() + 3, "# it\"s");
  EXPECT_EQ(Compile(test::JoinLines(lines), kBasic).message, At(kCheckLineMessage, 4));
  // A quoted name with blanks still counts its characters.
  list.channels.push_back(R"(6 7 5 1 TV "Astra 1 KR HD 1" 0 N)");
  EXPECT_EQ(Compile(list.Text(), kBasic).message, NameAt(msg::kNameExceeds, list.LastLineOf(list.channels)));
}

TEST(ReaderChecks, LineEndsAndOverlongLines) {
  const std::string crlf = test::SmallList().Text();
  std::string lf;
  for (char c : crlf)
    if (c != '\r') lf += c;
  EXPECT_TRUE(Compile(lf, kNormal).ok);
  // The last line may lack its line end.
  EXPECT_TRUE(Compile(crlf.substr(0, crlf.size() - 2), kNormal).ok);
  std::string noEnd = lf.substr(0, lf.rfind("[END]"));
  EXPECT_TRUE(Compile(noEnd + "9 0 11214 KU X 27MHz H 1 2 CVBS STEREO 6.50 7.20 130 N J17 TV N", kBasic).ok);
  // 498 characters are taken, 499 are refused with the line's number.
  std::vector<std::string> lines = test::SmallList().Lines();
  lines[35] += std::string(498 - lines[35].size(), ' ');
  EXPECT_TRUE(Compile(test::JoinLines(lines), kNormal).ok);
  lines[35] += " ";
  EXPECT_EQ(Compile(test::JoinLines(lines), kNormal).message, At(kCheckLineMessage, 36));
}

TEST(ReaderChecks, PidHeaderMustFollowDigitalChannelsInTheNormalCompile) {
  std::vector<std::string> lines = test::SmallList().Lines();
  // Move the PID section in front of the channel section.
  const auto pid = std::find(lines.begin(), lines.end(), "[DIGITAL PID CHANNEL]");
  std::vector<std::string> block(pid, pid + 2);
  lines.erase(pid, pid + 2);
  const auto ch = std::find(lines.begin(), lines.end(), "[DIGITAL CHANNEL]");
  const int headerLine = static_cast<int>(ch - lines.begin()) + 1;
  lines.insert(ch, block.begin(), block.end());
  EXPECT_EQ(Compile(test::JoinLines(lines), kNormal).message, At(msg::kPidMustFollowChannel, headerLine));
  EXPECT_TRUE(Compile(test::JoinLines(lines), kBasic).ok);
}

TEST(ReaderChecks, TwelveBitLimitsOfTheNormalImage) {
  test::SmallList list;
  list.channels.clear();
  for (int i = 0; i < 4096; ++i) list.channels.push_back(std::to_string(i) + " 0 0 1 TV C 0 N");
  EXPECT_EQ(Compile(list.Text(), kNormal).message, At(msg::kTooManyServices, list.LastLineOf(list.channels)));
  EXPECT_TRUE(Compile(list.Text(), kBasic).ok);
  // The 4095th TV service is taken; an analog one after it is not.
  list.channels.pop_back();
  EXPECT_EQ(Compile(list.Text(), kNormal).message,
            At(msg::kTooManyServices, list.LastLineOf(list.analogTps)));
  list.analogTps[0].replace(list.analogTps[0].find(" TV "), 4, " RADIO ");
  EXPECT_TRUE(Compile(list.Text(), kNormal).ok);

  test::SmallList tps;
  tps.digitalTps.clear();
  for (int i = 0; i < 4096; ++i) tps.digitalTps.push_back(std::to_string(i) + " 0 11778 27500 H c");
  tps.channels = {"0 4094 0 1 TV A 0 N", "1 4095 0 1 TV B 0 N", "2 4095 0 1 TV C 0 Y"};
  tps.pidChannels = {"0 4095 0 TV P 1 2 3 0 N"};
  const int second = tps.LastLineOf(tps.channels) - 1;
  EXPECT_EQ(Compile(tps.Text(), kNormal).message, At(msg::kTpPositionTooHigh, second));
  EXPECT_TRUE(Compile(tps.Text(), kBasic).ok);
  tps.channels.erase(tps.channels.begin() + 1);
  EXPECT_EQ(Compile(tps.Text(), kNormal).message,
            At(msg::kTpPositionTooHigh, tps.LastLineOf(tps.pidChannels)));
}

TEST(ReaderChecks, SplitListRestartsProgramNumbersAtTheAnalogSection) {
  test::SmallList list;
  list.analogTps = {"0 0 11214 KU A 27MHz H 1 2 CVBS STEREO 6.50 7.20 130 N J17 TV N"};
  for (bool split : {false, true}) {
    test::RecordingReporter reporter;
    CompileRequest request;
    request.normal = true;
    request.splitList = split;
    const CompileResult r = CompileText(list.Text(), request, reporter);
    ASSERT_TRUE(r.ok);
    const size_t atp = r.image.size() - 4 - 28;
    EXPECT_EQ(r.image[atp + 19], split ? 1 : 2);  // one digital TV service precedes it
    EXPECT_EQ(r.counters.tv, 2);
  }
}

}  // namespace
}  // namespace lumoscope
