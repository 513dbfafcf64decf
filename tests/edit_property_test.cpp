// Random edits of generated lists: every value the field rules accept leaves a list that
// saves, reads back as it was edited and compiles; every value they refuse leaves the
// list and its undo steps as they were. And every writer (a field, a channel in its
// dialog, an import, ordering, tidying), given good and bad values alike and lists up to
// the receiver's limits, leaves a list that checks and compiles, or changes nothing.
#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <span>

#include "base/FieldConversions.h"
#include "base/RecordFields.h"
#include "base/SectionLocator.h"
#include "database/Compiler.h"
#include "database/ImageLayout.h"
#include "database/ListDB.h"
#include "editing/EditChannel.h"
#include "editing/FieldRules.h"
#include "editing/TransponderImport.h"
#include "listview/ListTidy.h"
#include "listview/OrderLike.h"
#include "tests/support/FieldsBuilder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"
#include "tests/support/WorkingListBuilder.h"
#include "tools/listgen/ListGenerator.h"
#include "transfer/SectionListFormatter.h"
#include "transfer/SectionListLoader.h"
#include "transfer/SectionListParser.h"
#include "transfer/SectionListWriter.h"

namespace lumoscope::test {
namespace {

constexpr Section kFieldSections[] = {Section::SatNameList, Section::Satellite, Section::DigitalTp,
                                      Section::AnalogTp};

class Random {
 public:
  explicit Random(unsigned seed) : gen_(seed) {}
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen_); }
  template <typename T>
  const T& Pick(const std::vector<T>& from) {
    return from[static_cast<size_t>(Int(0, static_cast<int>(from.size()) - 1))];
  }
  std::string Digits(int count) {
    std::string s;
    for (int i = 0; i < count; ++i) s += static_cast<char>('0' + Int(0, 9));
    return s;
  }
  // 1 to 13 characters of Latin-1 (some beyond ASCII), no blank at either end.
  std::string Name() {
    static const std::vector<std::string> kCharacters{"A", "z",        "7",        "-",
                                                      "&", "\xC3\xA9", "\xC3\xBC", "\xC3\x9F"};
    std::string name = Pick(kCharacters);
    for (int n = Int(0, 11); n > 0; --n) name += Int(0, 5) == 0 ? " " : Pick(kCharacters);
    return name + (Int(0, 1) ? Pick(kCharacters) : "");
  }

 private:
  std::mt19937 gen_;
};

std::vector<std::string> IndexesOf(const std::vector<std::string>& fields, Section section) {
  const SectionSpan span = SectionLocator(fields)[section];
  std::vector<std::string> out;
  for (size_t r = 0; r < span.Records(); ++r) out.push_back(fields[span.At(r, field::kIndex)]);
  return out;
}

std::string ValidValue(Random& rnd, const FieldRule& rule, const std::vector<std::string>& fields) {
  switch (rule.kind) {
    case FieldKind::Name:
    case FieldKind::SatelliteName:
      return rnd.Name();
    case FieldKind::TuningDigits:
      return rnd.Digits(rnd.Int(4, 5));
    case FieldKind::Keyword: {
      std::string word(
          rule.keywords[static_cast<size_t>(rnd.Int(0, static_cast<int>(rule.keywords.size()) - 1))]);
      if (rnd.Int(0, 1)) word[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(word[0])));
      return word;
    }
    case FieldKind::Byte:
      return std::to_string(rnd.Int(0, 255));
    case FieldKind::Degree:
      return (rnd.Int(0, 1) ? "E" : "W") + std::to_string(rnd.Int(0, 179)) + "." + rnd.Digits(1);
    case FieldKind::SatelliteRef:
      return rnd.Pick(IndexesOf(fields, Section::Satellite));
    case FieldKind::TransponderRef:
      return rnd.Pick(IndexesOf(fields, Section::DigitalTp));
    case FieldKind::AudioFrequency:
      return rnd.Digits(1) + "." + rnd.Digits(2);
    case FieldKind::ServiceId:
      return "1F";
    case FieldKind::Pid:
      return std::to_string(rnd.Int(0, 8191));
    case FieldKind::Index:
      break;
  }
  return {};
}

std::string InvalidValue(Random& rnd, const FieldRule& rule) {
  switch (rule.kind) {
    case FieldKind::Name:
      return rnd.Pick(
          std::vector<std::string>{"Fourteen chars", "A\"B", "\xC5\x99", "CHANNEL END", "", "A~B"});
    case FieldKind::SatelliteName:
      return rnd.Pick(std::vector<std::string>{"A#B", "A~B", "", "Fourteen chars"});
    case FieldKind::TuningDigits:
      return rnd.Pick(std::vector<std::string>{"123", "123456", "12a45", ""});
    case FieldKind::Keyword:
      return "NOWORD";
    case FieldKind::Byte:
      return rnd.Pick(std::vector<std::string>{"256", "-1", "x"});
    case FieldKind::Degree:
      return rnd.Pick(std::vector<std::string>{"E180.1", "N19.2", "E19.25"});
    case FieldKind::SatelliteRef:
    case FieldKind::TransponderRef:
      return "x9";
    case FieldKind::AudioFrequency:
      return rnd.Pick(std::vector<std::string>{"6.5", "65.00", "6,50"});
    case FieldKind::ServiceId:
      return "12345";
    case FieldKind::Pid:
      return "8192";
    case FieldKind::Index:
      break;
  }
  return "1";
}

// One field of a random record of a section edited in place, or a random channel edited in
// its dialog (a new name, another tuning: the transponder search runs).
void RandomEdit(Random& rnd, FakeListView& host) {
  if (rnd.Int(0, 4) == 0) {
    const SectionSpan channels = SectionLocator(host.fields)[Section::DigitalChannel];
    if (channels.Records() == 0) return;
    ScriptedDialogs dialogs;
    dialogs.digital = [&rnd](DigitalChannelForm& f) {
      f.name = rnd.Name();
      if (rnd.Int(0, 1)) f.frequency = rnd.Digits(5);
      f.horizontal = rnd.Int(0, 1) == 1;
      return true;
    };
    host.reporter.answers = {static_cast<Answer>(rnd.Int(0, 2))};
    EditChannel(host, dialogs,
                channels.At(static_cast<size_t>(rnd.Int(0, static_cast<int>(channels.Records()) - 1))));
    return;
  }
  const Section section = kFieldSections[rnd.Int(0, 3)];
  const size_t records = SectionLocator(host.fields)[section].Records();
  const std::span<const FieldRule> rules = FieldRulesOf(section);
  const FieldRule& rule = rules[static_cast<size_t>(rnd.Int(1, static_cast<int>(rules.size()) - 1))];
  if (records == 0) return;
  const auto record = static_cast<size_t>(rnd.Int(0, static_cast<int>(records) - 1));
  EXPECT_TRUE(SetRecordField(host, section, record, rule, ValidValue(rnd, rule, host.fields)))
      << (host.reporter.boxes.empty() ? "" : host.reporter.boxes.back());
}

// The reader keeps every text but writes numbers its own way ("0045" reads back as 45).
void ExpectReadBackAsEdited(const std::vector<std::string>& reloaded,
                            const std::vector<std::string>& edited) {
  ASSERT_EQ(reloaded.size(), edited.size());
  const auto number = [](const std::string& s) {
    return !s.empty() && s.find_first_not_of("-0123456789") == std::string::npos;
  };
  for (size_t i = 0; i < edited.size(); ++i) {
    if (reloaded[i] == edited[i]) continue;
    EXPECT_TRUE(number(edited[i]) && DecimalValue(reloaded[i]) == DecimalValue(edited[i]))
        << i << ": " << edited[i] << " read back as " << reloaded[i];
  }
}

TEST(EditProperty, ValidEditsSaveReopenAndCompile) {
  constexpr int kLists = 4;
  constexpr int kEditsPerSave = 6;
  constexpr int kSaves = 8;
  Random rnd(20261208);
  size_t applied = 0;
  for (int list = 0; list < kLists; ++list) {
    SCOPED_TRACE(list);
    TempDir dir;
    listgen::ListShape shape;
    shape.seed = static_cast<uint32_t>(list + 1);
    const std::string path = dir.Write("list.txt", listgen::GenerateList(shape));
    RecordingReporter reporter;
    AppOptions options;
    CListDB db(reporter, options, path);
    std::vector<std::string> fields;
    ASSERT_TRUE(LoadSectionList(db, fields));
    for (int save = 0; save < kSaves; ++save) {
      FakeListView host(fields);
      for (int e = 0; e < kEditsPerSave; ++e) RandomEdit(rnd, host);
      applied += host.undo.size();
      ASSERT_TRUE(SaveSectionList(db, host.fields));
      std::vector<std::string> reloaded;
      ASSERT_TRUE(LoadSectionList(db, reloaded)) << (reporter.boxes.empty() ? "" : reporter.boxes.back());
      ExpectReadBackAsEdited(reloaded, host.fields);

      db.validateOnly = false;
      EXPECT_EQ(db.Compile(kCompileBasic), 1) << (reporter.boxes.empty() ? "" : reporter.boxes.back());
      fields = std::move(reloaded);
    }
  }
  EXPECT_GT(applied, static_cast<size_t>(kLists * kSaves * kEditsPerSave) / 2);
}

TEST(EditProperty, InvalidValuesNeverChangeTheList) {
  TempDir dir;
  RecordingReporter reporter;
  AppOptions options;
  std::vector<std::vector<std::string>> lists;
  for (uint32_t seed = 1; seed <= 5; ++seed) {
    listgen::ListShape shape;
    shape.seed = seed;
    CListDB db(reporter, options, dir.Write("list.txt", listgen::GenerateList(shape)));
    ASSERT_TRUE(LoadSectionList(db, lists.emplace_back()));
  }
  Random rnd(7);
  for (int round = 0; round < 300; ++round) {
    const std::vector<std::string>& fields = rnd.Pick(lists);
    FakeListView host(fields);
    const Section section = kFieldSections[rnd.Int(0, 3)];
    const std::span<const FieldRule> rules = FieldRulesOf(section);
    const FieldRule& rule = rules[static_cast<size_t>(rnd.Int(0, static_cast<int>(rules.size()) - 1))];
    const std::string value = InvalidValue(rnd, rule);
    SCOPED_TRACE(std::string(rule.key) + "=" + value);
    EXPECT_FALSE(SetRecordField(host, section, 0, rule, value));
    EXPECT_EQ(host.fields, fields);
    EXPECT_TRUE(host.undo.empty());
    EXPECT_EQ(host.reporter.boxes.size(), 1u);
  }
}

// A name a person might type: mostly one the list can hold, else one it cannot.
std::string AnyName(Random& rnd) {
  if (rnd.Int(0, 2) > 0) return rnd.Name();
  return rnd.Pick(std::vector<std::string>{"", "A~B", "A#B", "Fourteen chars", "A\"B", "\xC5\x99"});
}

// A scan table whose name may hold what a satellite's name cannot, with up to 40 entries.
ScanTable AnyTable(Random& rnd) {
  ScanTable table;
  table.name = rnd.Pick(std::vector<std::string>{"Foo#Bar-19.2E", "A~B-13.0E", "\xC3\x84stra-19.2E",
                                                 "\xC5\x81\xC3\xB3"
                                                 "d\xC5\xBA-1.0W",
                                                 "no-position"});
  for (int n = rnd.Int(1, 40); n > 0; --n)
    table.entries.push_back({ScanDelivery::DvbS, static_cast<uint32_t>(rnd.Int(10700, 12750)) * 1000u,
                             27500000u,
                             rnd.Int(0, 1) ? ScanPolarization::Horizontal : ScanPolarization::Vertical});
  return table;
}

size_t AnyRecord(Random& rnd, const std::vector<std::string>& fields, Section section) {
  const size_t records = SectionLocator(fields)[section].Records();
  return static_cast<size_t>(rnd.Int(0, static_cast<int>(records) - 1));
}

// One write through one of the writers, with good or bad values.
void AnyWrite(Random& rnd, FakeListView& host) {
  const std::vector<std::string>& fields = host.fields;
  switch (rnd.Int(0, 5)) {
    case 0: {
      const Section section = kFieldSections[rnd.Int(0, 3)];
      const std::span<const FieldRule> rules = FieldRulesOf(section);
      const FieldRule& rule = rules[static_cast<size_t>(rnd.Int(1, static_cast<int>(rules.size()) - 1))];
      const std::string value = rnd.Int(0, 1) ? ValidValue(rnd, rule, fields) : InvalidValue(rnd, rule);
      SetRecordField(host, section, AnyRecord(rnd, fields, section), rule, value);
      return;
    }
    case 1:
    case 2: {
      const Section section = rnd.Int(0, 1) ? Section::DigitalChannel : Section::AnalogTp;
      ScriptedDialogs dialogs;
      dialogs.digital = [&rnd](DigitalChannelForm& f) {
        f.name = AnyName(rnd);
        if (rnd.Int(0, 1)) f.frequency = rnd.Digits(rnd.Int(3, 5));
        f.tv = rnd.Int(0, 1) == 1;
        f.bouquet = AnyName(rnd);
        return true;
      };
      dialogs.analog = [&rnd](AnalogChannelForm& f) {
        f.name = AnyName(rnd);
        f.threshold = std::to_string(rnd.Int(0, 300));
        f.tv = rnd.Int(0, 1) == 1;
        return true;
      };
      host.reporter.answers = {static_cast<Answer>(rnd.Int(0, 2))};
      EditChannel(host, dialogs, SectionLocator(fields)[section].At(AnyRecord(rnd, fields, section)));
      return;
    }
    case 3: {
      ImportTarget target;
      if (rnd.Int(0, 1))
        target.satelliteIndex = fields[SectionLocator(fields)[Section::Satellite].At(
            AnyRecord(rnd, fields, Section::Satellite), field::kIndex)];
      ImportTransponders(host, AnyTable(rnd), target);
      return;
    }
    case 4: {
      OrderReference names;
      names.names = NamesOf(fields, "CHANNEL");
      std::reverse(names.names.begin(), names.names.end());
      OrderLike(host, names);
      return;
    }
    default:
      TidyUp(host,
             PlanTidy(fields, {rnd.Int(0, 1) == 1, rnd.Int(0, 1) == 1, rnd.Int(0, 1) == 1}, host.names));
      return;
  }
}

// The list as saved passes the reader's checks and the loader, and compiles into both
// images, each within the receiver's memory.
void ExpectChecksAndCompiles(const std::vector<std::string>& fields) {
  const std::string text = FormatSectionList(fields);
  RecordingReporter reporter;
  CompileRequest request;
  request.validateOnly = true;
  EXPECT_TRUE(CompileText(text, request, reporter).ok);
  std::vector<std::string> reread;
  bool resave = false;
  EXPECT_TRUE(ParseSectionList(text, reporter, reread, resave));
  request.validateOnly = false;
  for (const bool normal : {true, false}) {
    request.normal = normal;
    const CompileResult image = CompileText(text, request, reporter);
    EXPECT_TRUE(image.ok);
    EXPECT_LE(PaddedImageBytes(image.image.size(), normal),
              normal ? kMaxNormalImageBytes : kMaxBasicImageBytes);
  }
  EXPECT_TRUE(reporter.boxes.empty()) << reporter.boxes.front();
}

TEST(EditProperty, EveryWriterLeavesAListThatChecksAndCompilesOrChangesNothing) {
  std::vector<std::vector<std::string>> lists;
  const auto parse = [&lists](const std::string& text) {
    RecordingReporter reporter;
    bool resave = false;
    ASSERT_TRUE(ParseSectionList(text, reporter, lists.emplace_back(), resave));
  };
  for (uint32_t seed = 1; seed <= 3; ++seed) {
    listgen::ListShape shape;
    shape.seed = seed;
    parse(listgen::GenerateList(shape));
  }
  parse(listgen::FullReceiverList());  // the receiver full to its last byte
  Random rnd(19);
  size_t changed = 0;
  size_t refused = 0;
  for (int round = 0; round < 200; ++round) {
    std::vector<std::string>& fields =
        lists[static_cast<size_t>(rnd.Int(0, static_cast<int>(lists.size()) - 1))];
    FakeListView host(fields);
    host.renumber = true;
    AnyWrite(rnd, host);
    if (host.fields == fields) {
      EXPECT_TRUE(host.undo.empty()) << round;
      ++refused;
      continue;
    }
    ++changed;
    SCOPED_TRACE(round);
    ExpectChecksAndCompiles(host.fields);
    fields = host.fields;  // the next write goes on from here
  }
  EXPECT_GT(changed, 40u);
  EXPECT_GT(refused, 40u);
}

}  // namespace
}  // namespace lumoscope::test
