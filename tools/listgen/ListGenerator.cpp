#include "tools/listgen/ListGenerator.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>

namespace lumoscope::listgen {
namespace {

struct SectionLayout {
  const char* header;
  std::vector<int> widths;
  int nameField;  // 0-based
};

const SectionLayout kSatNameLayout{
    "\r\n\r\n[SATELLITE_NAME_LIST]\r\n#"
    "#-------------------------+\r\n"
    "# Index  Satellite_Name   |\r\n"
    "#-------------------------+\r\n",
    {6, 16},
    1};
const SectionLayout kSatelliteLayout{
    "\r\n\r\n[SATELLITE]\r\n"
    "#----------------------------------------------------------------------+\r\n"
    "#  Index    Name          Blank  LNB_LO   LNB_LO Position Posotioner   |\r\n"
    "#                                 HIGH     LOW                         |\r\n"
    "#----------------------------------------------------------------------+\r\n",
    {6, 16, 3, 8, 8, 5, 10},
    1};
const SectionLayout kDigitalTpLayout{
    "\r\n\r\n[DIGITAL TP]\r\n"
    "#---------------------------------------------------------+\r\n"
    "# D_TP   SAT   Frequency  Symbol    Polari-    Comment    |\r\n"
    "# Index  Index   (MHz)    R. (KHz)   zation               |\r\n"
    "#---------------------------------------------------------+\r\n",
    {6, 6, 8, 8, 3, 16},
    5};
const SectionLayout kChannelLayout{
    "\r\n\r\n[DIGITAL CHANNEL]\r\n"
    "#-----------------------------------------------------------------+\r\n"
    "# SVC   D_TP  SAT   SVC     SVC       SVC         Active  Blank   |\r\n"
    "# Index Index Index ID(hex) Type      Name        Audio           |\r\n"
    "#-----------------------------------------------------------------+\r\n",
    {6, 6, 6, 8, 8, 16, 6, 3},
    5};
const SectionLayout kPidLayout{
    "\r\n\r\n[DIGITAL PID CHANNEL]\r\n"
    "#----------------------------------------------------------------------------+\r\n"
    "# SVC   D_TP  SAT   SVC       SVC           Video Audio  PCR  Active  Blank  |\r\n"
    "# Index Index Index Type      Name          PID   PID    PID  Audio          |\r\n"
    "#----------------------------------------------------------------------------+\r\n",
    {6, 6, 6, 8, 16, 8, 8, 8, 6, 3},
    4};
const SectionLayout kAnalogLayout{
    "\r\n\r\n[ANALOG TP]\r\n"
    "#-------------------------------------------------------------------------------------------------------"
    "----"
    "---------------+\r\n"
    "# A_TP  SAT   Freq.  Name          Video Pol Thr Con-  Decoder  Audio  A_Freq  A_Freq  Band   Panda  "
    "De-    "
    "   TV/   Blank |\r\n"
    "# Index Index (MHz)                Band          trast Output   Mode   L (MHz) R (MHz) W.(KHz)       "
    "emphasis"
    "  RADIO       |\r\n"
    "#-------------------------------------------------------------------------------------------------------"
    "----"
    "---------------+\r\n",
    {6, 6, 8, 8, 16, 8, 3, 6, 6, 10, 12, 8, 8, 8, 3, 8, 8, 3},
    4};

void RenderSection(std::string& out, const SectionLayout& layout,
                   const std::vector<std::vector<std::string>>& rows) {
  out += layout.header;
  for (const auto& row : rows) {
    out += "\r\n";
    for (size_t i = 0; i < row.size(); ++i) {
      std::string field = row[i];
      if (static_cast<int>(i) == layout.nameField) field = "\"" + field + "\"";
      const size_t width = static_cast<size_t>(layout.widths[i]) + 1;
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

std::vector<std::string> Satellite(int index, const std::string& name, bool blank, int position) {
  return {Num(index),    name, blank ? "Y" : "N", index % 2 ? "10600" : "9750", index % 2 ? "9750" : "5150",
          Num(position), "0"};
}

std::vector<std::string> DigitalTp(int index, int sat, const std::string& freq, const std::string& sr, bool v,
                                   const std::string& comment) {
  return {Num(index), Num(sat), freq, sr, v ? "V" : "H", comment};
}

std::vector<std::string> Channel(int svc, int tp, int sat, unsigned svcId, bool radio,
                                 const std::string& name, int audio, bool blank) {
  return {Num(svc), Num(tp),    Num(sat),         Hex4(svcId), radio ? "RADIO" : "TV",
          name,     Num(audio), blank ? "Y" : "N"};
}

std::vector<std::string> PidChannel(int svc, int tp, int sat, bool radio, const std::string& name, int video,
                                    int audio, int pcr, int active, bool blank) {
  return {Num(svc),   Num(tp),  Num(sat),    radio ? "RADIO" : "TV", name, Num(video),
          Num(audio), Num(pcr), Num(active), blank ? "Y" : "N"};
}

const char* const kVideoBands[] = {"18MHz", "27MHz"};
const char* const kDecoders[] = {"CVBS", "DEEMP_CVBS", "BASEBAND", "CANAL"};
const char* const kAudioModes[] = {"STEREO", "MONO_LEFT", "MONO_RIGHT"};
const char* const kAudioBands[] = {"130", "180", "280", "300", "400"};
const char* const kDeEmphases[] = {"NO_DEEMP", "U50", "U75", "J17"};
const char* const kCarriers[] = {"6.50", "6.60", "7.02", "7.20", "7.38", "7.56", "5.80"};

std::vector<std::string> AnalogTp(Generator& g, int index, int sat, bool radio, const std::string& name,
                                  bool blank) {
  return {Num(index),
          Num(sat),
          g.Frequency(),
          g.Chance(30) ? "C" : "KU",
          name,
          kVideoBands[g.Uniform(0, 1)],
          g.Chance(50) ? "H" : "V",
          Num(g.Uniform(0, 255)),
          Num(g.Uniform(0, 255)),
          kDecoders[g.Uniform(0, 3)],
          kAudioModes[g.Uniform(0, 2)],
          kCarriers[g.Uniform(0, 6)],
          kCarriers[g.Uniform(0, 6)],
          kAudioBands[g.Uniform(0, 4)],
          g.Chance(50) ? "Y" : "N",
          kDeEmphases[g.Uniform(0, 3)],
          radio ? "RADIO" : "TV",
          blank ? "Y" : "N"};
}

}  // namespace

std::string Render(const ListContent& c) {
  std::string out;
  out.reserve(64 * (c.satNames.size() + c.satellites.size() + c.digitalTps.size() + c.channels.size() +
                    c.pidChannels.size() + 2 * c.analogTps.size()) +
              4096);
  RenderSection(out, kSatNameLayout, c.satNames);
  RenderSection(out, kSatelliteLayout, c.satellites);
  RenderSection(out, kDigitalTpLayout, c.digitalTps);
  RenderSection(out, kChannelLayout, c.channels);
  RenderSection(out, kPidLayout, c.pidChannels);
  RenderSection(out, kAnalogLayout, c.analogTps);
  out += "\r\n\r\n[END]\r\n";
  return out;
}

ListContent GenerateContent(const ListSpec& shape) {
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
