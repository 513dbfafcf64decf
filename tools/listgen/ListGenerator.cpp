#include "tools/listgen/ListGenerator.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>

#include "base/Keywords.h"
#include "base/Sections.h"

namespace lumoscope::listgen {
namespace {

// A section in the program's own layout: the header and caption lines of the writer,
// each record on a line of its own, every field padded to one past its column width
// and the name in double quotes.
void RenderSection(std::string& out, Section section, const std::vector<std::vector<std::string>>& rows) {
  const SectionFormat& format = FormatOf(section);
  out += "\r\n\r\n";
  out += format.header;
  out += "\r\n";
  out += format.captions;
  for (const auto& row : rows) {
    out += "\r\n";
    for (size_t i = 0; i < row.size(); ++i) {
      std::string field = row[i];
      if (i == format.nameField) field = "\"" + field + "\"";
      const size_t width = format.columnWidths[i] + 1;
      if (field.size() < width) field.append(width - field.size(), ' ');
      out += field;
    }
  }
}

std::string Num(long v) {
  return std::to_string(v);
}

std::string Hex4(unsigned v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%04X", v & 0xFFFFu);
  return buf;
}

const char* const kWords[] = {"Astra", "Hotbird", "News",  "Sport", "Kids", "Music", "Film",
                              "Info",  "Arte",    "Radio", "Club",  "Euro", "Star",  "Prime",
                              "One",   "Two",     "Plus",  "Max",   "Live", "Nord"};

class Generator {
 public:
  explicit Generator(uint32_t seed) : rng_(seed) {}
  int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool Chance(int percent) { return Uniform(0, 99) < percent; }
  std::string Name(bool blanks) {
    std::string n = kWords[Uniform(0, 19)];
    if (blanks && Chance(50))
      n += std::string(" ") + Num(Uniform(1, 99));
    else if (Chance(50))
      n += Num(Uniform(1, 999));
    if (n.size() > 13) n.resize(13);
    return n;
  }
  std::string Frequency() { return Chance(30) ? Num(Uniform(3400, 4200)) : Num(Uniform(10700, 12750)); }
  std::string SymbolRate() { return Chance(20) ? Num(Uniform(2000, 9999)) : Num(Uniform(10000, 30000)); }
  // `count` distinct indices from 0..slots-1, in random order.
  std::vector<int> Distinct(int count, int slots) {
    std::vector<int> all(static_cast<size_t>(slots));
    std::iota(all.begin(), all.end(), 0);
    std::shuffle(all.begin(), all.end(), rng_);
    all.resize(static_cast<size_t>(count));
    return all;
  }
  template <typename T>
  const T& Pick(const std::vector<T>& v) {
    return v[static_cast<size_t>(Uniform(0, static_cast<int>(v.size()) - 1))];
  }

 private:
  std::mt19937 rng_;
};

void AddSatNames(ListContent& c, int maxSatellites) {
  for (int i = 1; i <= maxSatellites; ++i) c.satNames.push_back({Num(i), "SAT " + Num(i)});
}

std::string YesNo(bool yes) {
  return std::string(yes ? kYes : kNo);
}

std::string Type(bool radio) {
  return std::string(radio ? kRadio : kTv);
}

template <size_t N>
std::string Word(Generator& g, const KeywordList<N>& words) {
  return std::string(words[static_cast<size_t>(g.Uniform(0, static_cast<int>(N) - 1))]);
}

std::vector<std::string> Satellite(int index, const std::string& name, bool blank, int position) {
  return {Num(index),    name, YesNo(blank), index % 2 ? "10600" : "9750", index % 2 ? "9750" : "5150",
          Num(position), "0"};
}

std::vector<std::string> DigitalTp(int index, int sat, const std::string& freq, const std::string& sr, bool v,
                                   const std::string& comment) {
  return {Num(index), Num(sat), freq, sr, std::string(v ? kVertical : kHorizontal), comment};
}

std::vector<std::string> Channel(int svc, int tp, int sat, unsigned svcId, bool radio,
                                 const std::string& name, int audio, bool blank) {
  return {Num(svc), Num(tp), Num(sat), Hex4(svcId), Type(radio), name, Num(audio), YesNo(blank)};
}

std::vector<std::string> PidChannel(int svc, int tp, int sat, bool radio, const std::string& name, int video,
                                    int audio, int pcr, int active, bool blank) {
  return {Num(svc),   Num(tp),    Num(sat), Type(radio), name,
          Num(video), Num(audio), Num(pcr), Num(active), YesNo(blank)};
}

const char* const kCarriers[] = {"6.50", "6.60", "7.02", "7.20", "7.38", "7.56", "5.80"};

std::vector<std::string> AnalogTp(Generator& g, int index, int sat, bool radio, const std::string& name,
                                  bool blank) {
  return {Num(index),
          Num(sat),
          g.Frequency(),
          std::string(kTpBands[g.Chance(30) ? 0 : 1]),
          name,
          Word(g, kVideoBands),
          std::string(g.Chance(50) ? kHorizontal : kVertical),
          Num(g.Uniform(0, 255)),
          Num(g.Uniform(0, 255)),
          Word(g, kDecoderOutputs),
          Word(g, kAudioModes),
          kCarriers[g.Uniform(0, 6)],
          kCarriers[g.Uniform(0, 6)],
          Word(g, kAudioBands),
          YesNo(g.Chance(50)),
          Word(g, kDeEmphases),
          Type(radio),
          YesNo(blank)};
}

}  // namespace

std::string Render(const ListContent& c) {
  std::string out;
  out.reserve(64 * (c.satNames.size() + c.satellites.size() + c.digitalTps.size() + c.channels.size() +
                    c.pidChannels.size() + 2 * c.analogTps.size()) +
              4096);
  RenderSection(out, Section::SatNameList, c.satNames);
  RenderSection(out, Section::Satellite, c.satellites);
  RenderSection(out, Section::DigitalTp, c.digitalTps);
  RenderSection(out, Section::DigitalChannel, c.channels);
  RenderSection(out, Section::PidChannel, c.pidChannels);
  RenderSection(out, Section::AnalogTp, c.analogTps);
  out += "\r\n\r\n";
  out += kEndHeader;
  out += "\r\n";
  return out;
}

ListShape VariedShape(uint32_t seed) {
  ListShape shape;
  shape.seed = seed;
  shape.maxSatellites = seed % 2 ? 32 : 40;
  shape.withPid = seed % 3 != 0;
  shape.withAnalog = seed % 4 != 0;
  shape.nullChannels = seed % 5 != 0;
  shape.quotedNames = seed % 7 != 0;
  shape.satellites = 1 + static_cast<int>(seed % 6);
  shape.channels = static_cast<int>(seed * 3);
  return shape;
}

ListContent GenerateContent(const ListShape& shape) {
  Generator g(shape.seed);
  ListContent c;
  AddSatNames(c, shape.maxSatellites);
  const std::vector<int> sats = g.Distinct(std::clamp(shape.satellites, 1, 50), 50);
  for (int s : sats)
    c.satellites.push_back(Satellite(s, g.Name(shape.quotedNames), false, g.Uniform(0, 255)));

  struct Tp {
    int index, sat;
  };
  std::vector<Tp> tps;
  for (int i : g.Distinct(std::clamp(shape.digitalTps, 1, 5000), 5000)) {
    const int sat = g.Pick(sats);
    tps.push_back({i, sat});
    c.digitalTps.push_back(
        DigitalTp(i, sat, g.Frequency(), g.SymbolRate(), g.Chance(50), g.Name(shape.quotedNames)));
  }
  for (int svc : g.Distinct(std::clamp(shape.channels, 0, 10000), 10000)) {
    const Tp& tp = g.Pick(tps);
    const bool blank = shape.nullChannels && g.Chance(15);
    // A null channel need not name an existing D_TP.
    const int tpIndex = blank && g.Chance(50) ? g.Uniform(0, 4999) : tp.index;
    c.channels.push_back(Channel(svc, tpIndex, tp.sat, static_cast<unsigned>(g.Uniform(1, 0xFFFF)),
                                 g.Chance(25), blank ? "_" : g.Name(shape.quotedNames), g.Uniform(0, 3),
                                 blank));
  }
  if (shape.withPid) {
    for (int svc : g.Distinct(std::clamp(shape.pidChannels, 0, 1000), 1000)) {
      const Tp& tp = g.Pick(tps);
      const bool blank = shape.nullChannels && g.Chance(15);
      c.pidChannels.push_back(PidChannel(svc, tp.index, tp.sat, g.Chance(25),
                                         blank ? "_" : g.Name(shape.quotedNames), g.Uniform(32, 8190),
                                         g.Uniform(32, 8190), g.Uniform(32, 8190), g.Uniform(0, 3), blank));
    }
  }
  if (shape.withAnalog) {
    for (int i : g.Distinct(std::clamp(shape.analogTps, 0, 5000), 5000)) {
      const bool blank = shape.nullChannels && g.Chance(15);
      c.analogTps.push_back(
          AnalogTp(g, i, g.Pick(sats), g.Chance(25), blank ? "_" : g.Name(shape.quotedNames), blank));
    }
  }
  return c;
}

namespace {

// A regular list with `satellites` satellites on indices 0.., the transponders spread
// over them and the services spread over the transponders; every fourth service is a
// radio service.
std::string RegularList(int maxSatellites, int satellites, int tps, int channels, int pids, int analogs) {
  Generator g(12345);
  ListContent c;
  AddSatNames(c, maxSatellites);
  for (int s = 0; s < satellites; ++s) c.satellites.push_back(Satellite(s, "Sat " + Num(s), false, s * 5));
  for (int t = 0; t < tps; ++t)
    c.digitalTps.push_back(
        DigitalTp(t, t % satellites, g.Frequency(), g.SymbolRate(), t % 2 == 1, "TP " + Num(t)));
  for (int i = 0; i < channels; ++i) {
    const int tp = i % tps;
    c.channels.push_back(Channel(i, tp, tp % satellites, static_cast<unsigned>(i + 1), i % 4 == 3,
                                 "Chan " + Num(i), i % 3, false));
  }
  for (int i = 0; i < pids; ++i) {
    const int tp = i % tps;
    c.pidChannels.push_back(
        PidChannel(i, tp, tp % satellites, i % 4 == 3, "Pid " + Num(i), 100 + i, 200 + i, 100 + i, 0, false));
  }
  for (int i = 0; i < analogs; ++i)
    c.analogTps.push_back(AnalogTp(g, i, i % satellites, i % 4 == 3, "Analog " + Num(i), false));
  return Render(c);
}

}  // namespace

std::string StressList() {
  return RegularList(32, 50, 4999, 9999, 999, 4999);
}

std::string FullReceiverList() {
  return RegularList(32, 32, 300, 1500, 200, 221);
}

}  // namespace lumoscope::listgen
