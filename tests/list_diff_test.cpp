// Comparing two lists: a list against itself, against a copy with one change of every
// kind, and against copies that differ in one field of one record each: reported when
// the field reaches the image, the same when it does not.
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <tuple>

#include "base/FieldConversions.h"
#include "base/ListLimits.h"
#include "editing/FieldRules.h"
#include "listview/ListDiff.h"
#include "tests/support/UpkeepLists.h"

namespace lumoscope::test {
namespace {

TEST(ListDiffTest, AListEqualsItself) {
  TempDir dir;
  const std::vector<std::string> list = LoadContent(UpkeepList(8), dir, "a.txt");
  const ListDifferences d = CompareLists(list, list, NameCodec());
  EXPECT_TRUE(d.Equal());
  EXPECT_TRUE(nlohmann::json::parse(DifferencesJson(d, "a.txt", "a.txt"))["equal"].get<bool>());
}

TEST(ListDiffTest, EachKindOfChangeIsReportedOncePerChannel) {
  const listgen::ListContent a = UpkeepList(8);
  listgen::ListContent b = a;
  b.channels[0][5] = "Ch1 HD";              // renamed
  std::swap(b.channels[2], b.channels[3]);  // two moved
  Record tp = b.digitalTps.front();         // retuned: to another transponder
  tp[0] = "4001";
  tp[1] = b.channels[5][2];
  tp[2] = "11111";
  b.digitalTps.push_back(tp);
  b.channels[5][1] = "4001";
  b.analogTps[2][11] = "7.02";    // retuned: another audio carrier
  b.channels.back()[3] = "F00D";  // the last one removed, a new one added
  b.channels.back()[5] = "New";
  TempDir dir;
  const ListDifferences d =
      CompareLists(LoadContent(a, dir, "a.txt"), LoadContent(b, dir, "b.txt"), NameCodec());

  const std::map<ChangeKind, size_t> expected{{ChangeKind::Added, 1},
                                              {ChangeKind::Removed, 1},
                                              {ChangeKind::Renamed, 1},
                                              {ChangeKind::Moved, 2},
                                              {ChangeKind::Retuned, 2}};
  const nlohmann::json json = nlohmann::json::parse(DifferencesJson(d, "a.txt", "b.txt"));
  EXPECT_FALSE(d.Equal());
  EXPECT_FALSE(json["equal"].get<bool>());
  for (const auto& [kind, count] : expected) {
    EXPECT_EQ(d.Count(kind), count) << ChangeName(kind);
    EXPECT_EQ(json["summary"][ChangeName(kind)].get<size_t>(), count) << ChangeName(kind);
  }
  std::set<std::tuple<ChangeKind, bool, long>> seen;
  for (const ChannelChange& c : d.changes) {
    const ChannelEntry& subject = c.kind == ChangeKind::Added ? c.after : c.before;
    EXPECT_TRUE(seen.insert({c.kind, subject.Digital(), subject.number}).second) << ChangeName(c.kind);
  }
}

std::vector<Record>& RecordsOf(listgen::ListContent& c, Section section) {
  switch (section) {
    case Section::SatNameList:
      return c.satNames;
    case Section::Satellite:
      return c.satellites;
    case Section::DigitalTp:
      return c.digitalTps;
    case Section::AnalogTp:
      return c.analogTps;
    case Section::DigitalChannel:
      return c.channels;
    case Section::PidChannel:
      return c.pidChannels;
  }
  return c.channels;
}

// Another value the reader accepts for a field, one that changes the image.
std::string OtherValue(const listgen::ListContent& c, const FieldRule& rule, const Record& record) {
  const std::string& v = record[static_cast<size_t>(rule.field)];
  const auto next = [](long n, long modulo) { return std::to_string((n + 1) % modulo); };
  switch (rule.kind) {
    case FieldKind::Name:
    case FieldKind::SatelliteName:
      return v.size() < kMaxNameLength ? v + "X" : v.substr(0, kMaxNameLength - 1) + "X";
    case FieldKind::TuningDigits:
      return v == "11111" ? "11112" : "11111";
    case FieldKind::Keyword: {
      const size_t code = static_cast<size_t>(std::find(rule.keywords.begin(), rule.keywords.end(), v) -
                                              rule.keywords.begin());
      return std::string(rule.keywords[(code + 1) % rule.keywords.size()]);
    }
    case FieldKind::Byte:
      return next(DecimalValue(v), 256);
    case FieldKind::Degree:
      return next(DecimalValue(v), 1800);
    case FieldKind::SatelliteRef:
      for (const Record& s : c.satellites)
        if (s[0] != v) return s[0];
      break;
    case FieldKind::TransponderRef:
      for (const Record& t : c.digitalTps)
        if (t[0] != v && t[2] != c.digitalTps.front()[2]) return t[0];
      break;
    case FieldKind::AudioFrequency:
      return std::to_string((v[0] - '0' + 1) % 10) + v.substr(1);
    case FieldKind::ServiceId:
      return v == "F00D" ? "F00E" : "F00D";
    case FieldKind::Pid:
      return next(DecimalValue(v), 8192);
    case FieldKind::Index:
      break;
  }
  ADD_FAILURE() << rule.key;
  return v;
}

TEST(ListDiffTest, EverySingleFieldThatReachesTheImageIsReported) {
  TempDir dir;
  const listgen::ListContent a = UpkeepList(9);
  const std::vector<std::string> first = LoadContent(a, dir, "a.txt");
  for (const Section section : kSections) {
    for (const FieldRule& rule : FieldRulesOf(section)) {
      if (rule.kind == FieldKind::Index) continue;  // the list's bookkeeping: numbered, or referred to
      listgen::ListContent b = a;
      // The first channel's transponder, so that a channel shows its change.
      Record& record = section == Section::DigitalTp
                           ? *std::find_if(b.digitalTps.begin(), b.digitalTps.end(),
                                           [&](const Record& t) { return t[0] == b.channels.front()[1]; })
                           : RecordsOf(b, section).front();
      record[static_cast<size_t>(rule.field)] = OtherValue(b, rule, record);
      const ListDifferences d = CompareLists(first, LoadContent(b, dir, "b.txt"), NameCodec());
      EXPECT_FALSE(d.Equal()) << FormatOf(section).header << " " << rule.key;
    }
  }
}

TEST(ListDiffTest, WhatDoesNotReachTheImageIsTheSame) {
  TempDir dir;
  listgen::ListContent a = UpkeepList(9);
  a.satellites.front()[2] = "Y";  // what is on this satellite is left out of the image
  const std::string blank = a.satellites.front()[0];
  const std::vector<std::string> first = LoadContent(a, dir, "a.txt");
  listgen::ListContent b = a;
  for (std::vector<Record>* records : {&b.channels, &b.pidChannels, &b.analogTps}) {
    const auto on = std::find_if(records->begin(), records->end(), [&](const Record& r) {
      return r[records == &b.analogTps ? 1 : 2] == blank;
    });
    ASSERT_NE(on, records->end());
    (*on)[records == &b.channels ? 5 : 4] += "X";
  }
  // Four digits are five with a leading 0.
  for (Record& s : b.satellites)
    if (s[4].size() == 4) s[4] = "0" + s[4];
  const ListDifferences d = CompareLists(first, LoadContent(b, dir, "b.txt"), NameCodec());
  EXPECT_TRUE(d.Equal()) << DifferencesText(d);
}

}  // namespace
}  // namespace lumoscope::test
