// Random valid dialog input added to random small lists: the list stays well formed,
// only the new records are added, and each of them is a record the text reader takes
// back after the writer's fixed columns. With the loader, writer and compiler present,
// the same holds through a real save, reload and compile.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <set>

#include "base/FieldConversions.h"
#include "base/SectionLocator.h"
#include "database/ListDB.h"
#include "editing/NewChannel.h"
#include "tests/support/TempDir.h"
#include "tests/support/WorkingListBuilder.h"
#include "transfer/SectionListLoader.h"
#include "transfer/SectionListWriter.h"

namespace lumoscope {
namespace {

using test::FakeListView;
using test::WorkingListBuilder;

constexpr int kRounds = 400;

class Random {
 public:
  explicit Random(unsigned seed) : gen_(seed) {}
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen_); }
  bool Coin() { return Int(0, 1) == 1; }
  std::string Digits(int count) {
    std::string s;
    for (int i = 0; i < count; ++i) s += static_cast<char>('0' + Int(0, 9));
    return s;
  }
  std::string From(const std::string& alphabet, int count) {
    std::string s;
    for (int i = 0; i < count; ++i)
      s += alphabet[static_cast<size_t>(Int(0, static_cast<int>(alphabet.size()) - 1))];
    return s;
  }
  std::string Name(int minLength = 0) { return From("ABCXYZabcxyz0189 -+.&!'~/", Int(minLength, 13)); }
  std::string Tuning() { return Digits(Int(4, 5)); }
  std::string Byte() { return std::to_string(Int(0, 255)); }
  std::string AudioFrequency() { return Digits(1) + "." + Digits(2); }

 private:
  std::mt19937 gen_;
};

WorkingListBuilder RandomList(Random& rnd) {
  WorkingListBuilder b;
  b.SatNames(32);
  std::vector<int> satIndexes;
  const int sats = rnd.Int(1, 3);
  for (int s = 0; s < sats; ++s) {
    const int index = s * 10 + rnd.Int(0, 9);
    satIndexes.push_back(index);
    b.Satellite(std::to_string(index), "SAT" + std::to_string(s), rnd.Tuning(), rnd.Tuning(),
                std::to_string(rnd.Int(0, 255)), std::to_string(rnd.Int(-1800, 1800)));
  }
  auto sat = [&] { return std::to_string(satIndexes[static_cast<size_t>(rnd.Int(0, sats - 1))]); };
  const int tps = rnd.Int(0, 4);
  for (int t = 0; t < tps; ++t) {
    // Near-equal tuning values, so that the question comes up now and then.
    b.Transponder(std::to_string(t * 3 + 1), sat(), std::to_string(11720 + rnd.Int(0, 12)),
                  std::to_string(27495 + rnd.Int(0, 10)), rnd.Coin() ? "H" : "V", rnd.Name(1));
  }
  const std::string anyTp = tps > 0 ? "1" : "0";
  for (int c = rnd.Int(0, 4); c > 0; --c) b.Channel(std::to_string(c * 2), anyTp, sat(), rnd.Name(1));
  for (int c = rnd.Int(0, 2); c > 0; --c) b.PidChannel(std::to_string(20 + c), anyTp, sat());
  for (int c = rnd.Int(0, 3); c > 0; --c) b.Analog(std::to_string(c), sat(), rnd.Name(1));
  return b;
}

class RandomDialogs : public IChannelDialogs {
 public:
  explicit RandomDialogs(Random& rnd) : rnd_(rnd) {}
  bool RunDigital(DigitalChannelForm& f, const ChannelDialogSetup& setup) override {
    const std::vector<std::string>& lines = setup.satelliteLines;
    f.name = rnd_.Name();
    f.svcId = rnd_.From("0123456789abcdefABCDEF", rnd_.Int(1, 4));
    f.activeAudio = rnd_.Byte();
    f.tv = rnd_.Coin();
    f.frequency = std::to_string(11720 + rnd_.Int(0, 12));
    f.symbolRate = rnd_.Coin() ? std::to_string(27495 + rnd_.Int(0, 10)) : rnd_.Tuning();
    f.horizontal = rnd_.Coin();
    f.bouquet = rnd_.Name();
    f.satellite.selected = rnd_.Int(0, static_cast<int>(lines.size() / 7) - 1);
    return true;
  }
  bool RunAnalog(AnalogChannelForm& f, const ChannelDialogSetup& setup) override {
    const std::vector<std::string>& lines = setup.satelliteLines;
    f.name = rnd_.Name();
    f.frequency = rnd_.Tuning();
    f.cBand = rnd_.Coin();
    f.videoBand = rnd_.Int(0, 1);
    f.horizontal = rnd_.Coin();
    f.threshold = rnd_.Byte();
    f.contrast = rnd_.Byte();
    f.decoderOutput = rnd_.Int(0, 3);
    f.audioMode = rnd_.Int(0, 2);
    f.audioLeft = rnd_.AudioFrequency();
    f.audioRight = rnd_.AudioFrequency();
    f.bandWidth = rnd_.Int(0, 4);
    f.dnrYes = rnd_.Coin();
    f.deEmphasis = rnd_.Int(0, 3);
    f.tv = rnd_.Coin();
    f.satellite.selected = rnd_.Int(0, static_cast<int>(lines.size() / 7) - 1);
    return true;
  }

 private:
  Random& rnd_;
};

bool IsDecimal(const std::string& s, size_t minLen, size_t maxLen) {
  return s.size() >= minLen && s.size() <= maxLen &&
         std::all_of(s.begin(), s.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

bool IsNameToken(const std::string& s) {
  return s.size() <= 13 && s.find('"') == std::string::npos &&
         std::none_of(s.begin(), s.end(), [](char c) { return std::iscntrl(static_cast<unsigned char>(c)); });
}

// A plain field must stay one token that fits its column, so the writer leaves a blank
// after it and the reader splits the line back into the same fields.
void ExpectPlainFields(const std::vector<std::string>& record, const std::vector<size_t>& widths,
                       size_t nameField) {
  for (size_t i = 0; i < record.size(); ++i) {
    if (i == nameField) continue;
    EXPECT_FALSE(record[i].empty()) << "field " << i;
    EXPECT_EQ(record[i].find_first_of(" \t\""), std::string::npos) << "field " << i << ": " << record[i];
    EXPECT_LE(record[i].size(), widths[i]) << "field " << i << ": " << record[i];
  }
  EXPECT_TRUE(IsNameToken(record[nameField])) << record[nameField];
}

std::vector<std::string> LastRecord(const std::vector<std::string>& f, const SectionSpan& span) {
  const auto first = f.begin() + static_cast<std::ptrdiff_t>(span.end - span.width);
  return {first, f.begin() + static_cast<std::ptrdiff_t>(span.end)};
}

std::set<std::string> IndexesOf(const std::vector<std::string>& f, const SectionSpan& span) {
  std::set<std::string> s;
  for (size_t r = 0; r < span.Records(); ++r) s.insert(f[span.At(r)]);
  return s;
}

void ExpectTransponderAccepted(const std::vector<std::string>& tp, const std::set<std::string>& satellites) {
  ExpectPlainFields(tp, {6, 6, 8, 8, 3, 16}, 5);
  EXPECT_TRUE(IsDecimal(tp[0], 1, 4) && std::stol(tp[0]) <= 4999) << tp[0];
  EXPECT_TRUE(satellites.count(tp[1])) << tp[1];
  EXPECT_TRUE(IsDecimal(tp[2], 4, 5) && IsDecimal(tp[3], 4, 5));
  EXPECT_TRUE(tp[4] == "H" || tp[4] == "V");
}

void ExpectChannelAccepted(const std::vector<std::string>& ch, const std::set<std::string>& satellites,
                           const std::set<std::string>& transponders) {
  ExpectPlainFields(ch, {6, 6, 6, 8, 8, 16, 6, 3}, 5);
  EXPECT_TRUE(IsDecimal(ch[0], 1, 4));
  EXPECT_TRUE(transponders.count(ch[1])) << ch[1];
  EXPECT_TRUE(satellites.count(ch[2])) << ch[2];
  EXPECT_TRUE(ch[3].size() <= 4 && std::all_of(ch[3].begin(), ch[3].end(), [](char c) {
                return std::isxdigit(static_cast<unsigned char>(c));
              }));
  EXPECT_TRUE(ch[4] == "TV" || ch[4] == "RADIO");
  EXPECT_TRUE(IsDecimal(ch[6], 1, 3) && std::stol(ch[6]) <= 255);
  EXPECT_EQ(ch[7], "N");
}

void ExpectAnalogAccepted(const std::vector<std::string>& a, const std::set<std::string>& satellites) {
  ExpectPlainFields(a, {6, 6, 8, 8, 16, 8, 3, 6, 6, 10, 12, 8, 8, 8, 3, 8, 8, 3}, 4);
  EXPECT_TRUE(satellites.count(a[1]));
  EXPECT_TRUE(IsDecimal(a[2], 4, 5));
  EXPECT_TRUE(a[3] == "C" || a[3] == "KU");
  EXPECT_EQ(a[4], TrimmedUpper(a[4]));
  EXPECT_TRUE(a[5] == "18MHz" || a[5] == "27MHz");
  EXPECT_TRUE(a[6] == "H" || a[6] == "V");
  EXPECT_TRUE(IsDecimal(a[7], 1, 3) && std::stol(a[7]) <= 255);
  EXPECT_TRUE(IsDecimal(a[8], 1, 3) && std::stol(a[8]) <= 255);
  EXPECT_TRUE(a[9] == "CVBS" || a[9] == "DEEMP_CVBS" || a[9] == "BASEBAND" || a[9] == "CANAL");
  EXPECT_TRUE(a[10] == "STEREO" || a[10] == "MONO_LEFT" || a[10] == "MONO_RIGHT");
  for (const std::string& audio : {a[11], a[12]}) {
    EXPECT_TRUE(audio.size() == 4 && audio[1] == '.' &&
                IsDecimal(audio.substr(0, 1) + audio.substr(2), 3, 3));
  }
  EXPECT_TRUE(a[13] == "130" || a[13] == "180" || a[13] == "280" || a[13] == "300" || a[13] == "400");
  EXPECT_TRUE(a[14] == "Y" || a[14] == "N");
  EXPECT_TRUE(a[15] == "NO_DEEMP" || a[15] == "U50" || a[15] == "U75" || a[15] == "J17");
  EXPECT_TRUE(a[16] == "TV" || a[16] == "RADIO");
  EXPECT_EQ(a[17], "N");
}

// Every element belongs to exactly one section, start to end.
void ExpectWellFormed(const std::vector<std::string>& f) {
  const SectionLocator sections(f);
  size_t covered = 0;
  for (Section id : {Section::SatNameList, Section::Satellite, Section::DigitalTp, Section::DigitalChannel,
                     Section::PidChannel, Section::AnalogTp}) {
    ASSERT_TRUE(sections[id].Found());
    covered += sections[id].end - sections[id].start + 1;
  }
  EXPECT_EQ(covered, f.size());
}

// Removes the last record of a section.
void DropLastRecord(std::vector<std::string>& f, Section id) {
  const SectionSpan span = SectionLocator(f)[id];
  f.erase(f.begin() + static_cast<std::ptrdiff_t>(span.end - span.width),
          f.begin() + static_cast<std::ptrdiff_t>(span.end));
}

TEST(NewChannelProperty, RandomInputKeepsTheListWellFormedAndReadable) {
  Random rnd(20261208);
  int added = 0;
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE(round);
    const std::vector<std::string> before = RandomList(rnd).Build();
    FakeListView view(before, rnd.Coin());
    view.reporter.answers = {static_cast<Answer>(rnd.Int(0, 2))};
    RandomDialogs dialogs(rnd);
    CreateNewChannel(view, dialogs);

    ExpectWellFormed(view.fields);
    if (view.refreshes == 0) {
      // Refused or cancelled: nothing changed and the undo step is gone again.
      EXPECT_EQ(view.fields, before);
      EXPECT_TRUE(view.undo.empty());
      continue;
    }
    ++added;
    const SectionLocator after(view.fields);
    const std::set<std::string> satellites = IndexesOf(view.fields, after[Section::Satellite]);
    std::vector<std::string> rest = view.fields;
    if (view.showDigital) {
      ExpectChannelAccepted(LastRecord(view.fields, after[Section::DigitalChannel]), satellites,
                            IndexesOf(view.fields, after[Section::DigitalTp]));
      DropLastRecord(rest, Section::DigitalChannel);
      if (view.fields.size() == before.size() + 14) {
        ExpectTransponderAccepted(LastRecord(view.fields, after[Section::DigitalTp]), satellites);
        DropLastRecord(rest, Section::DigitalTp);
      }
    } else {
      ExpectAnalogAccepted(LastRecord(view.fields, after[Section::AnalogTp]), satellites);
      DropLastRecord(rest, Section::AnalogTp);
    }
    EXPECT_EQ(rest, before) << "only the new records may be added";
  }
  EXPECT_GT(added, kRounds / 2);
}

// The tiny list the round trip starts from, in the text file's own form.
std::string TinyListText() {
  std::string t = "[SATELLITE_NAME_LIST]\r\n";
  for (int i = 1; i <= 32; ++i) t += std::to_string(i) + " S" + std::to_string(i) + "\r\n";
  t += "[SATELLITE]\r\n"
       "0 \"ASTRA 1\" N 10600 09750 1 0192\r\n"
       "1 HOTBIRD N 10700 09750 2 -130\r\n"
       "[DIGITAL TP]\r\n"
       "1 0 11727 27500 H \"BQ ONE\"\r\n"
       "[DIGITAL CHANNEL]\r\n"
       "1 1 0 1A TV \"ONE\" 1 N\r\n"
       "[DIGITAL PID CHANNEL]\r\n"
       "2 1 0 TV PIDONE 100 101 102 1 N\r\n"
       "[ANALOG TP]\r\n"
       "1 1 3880 C \"ANA\" 18MHz H 10 20 CVBS STEREO 6.50 6.50 130 Y NO_DEEMP TV N\r\n"
       "[END]\r\n";
  return t;
}

TEST(NewChannelProperty, NewChannelsSaveReloadAndCompile) {
  test::TempDir dir;
  const std::string path = dir.Write("tiny.txt", TinyListText());
  test::RecordingReporter reporter;
  AppOptions options;
  CListDB db(reporter, options, path);
  std::vector<std::string> fields;
  ASSERT_TRUE(LoadSectionList(db, fields));

  Random rnd(4242);
  constexpr int kRoundTrips = 40;
  for (int round = 0; round < kRoundTrips; ++round) {
    SCOPED_TRACE(round);
    FakeListView view(fields, rnd.Coin());
    view.renumber = true;
    view.reporter.answers = {rnd.Coin() ? Answer::Yes : Answer::No};
    RandomDialogs dialogs(rnd);
    CreateNewChannel(view, dialogs);
    if (view.refreshes == 0) continue;

    ASSERT_TRUE(SaveSectionList(db, view.fields));
    std::vector<std::string> reloaded;
    ASSERT_TRUE(LoadSectionList(db, reloaded)) << (reporter.boxes.empty() ? "" : reporter.boxes.back());
    // Names read back with "~" as blanks and an empty name as "--", as the reader does.
    std::vector<std::string> expected = view.fields;
    for (size_t i = 0; i < expected.size(); ++i) {
      if (expected[i].empty()) expected[i] = "--";
      std::replace(expected[i].begin(), expected[i].end(), '~', ' ');
    }
    EXPECT_EQ(reloaded, expected);
    db.validateOnly = false;
    EXPECT_EQ(db.Compile(kCompileNormal), 1) << (reporter.boxes.empty() ? "" : reporter.boxes.back());
    EXPECT_EQ(db.Compile(kCompileBasic), 1) << (reporter.boxes.empty() ? "" : reporter.boxes.back());
    fields = std::move(reloaded);  // the next channel goes into the list as it now reads
  }
}

}  // namespace
}  // namespace lumoscope
