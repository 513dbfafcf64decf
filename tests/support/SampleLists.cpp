#include "tests/support/SampleLists.h"

#include <random>

namespace lumoscope::test {

std::string Crlf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

namespace {

void AddNames(std::vector<std::string>& lines, int satNames) {
  lines.push_back("[SATELLITE_NAME_LIST]");
  for (int i = 1; i <= satNames; ++i)
    lines.push_back(std::to_string(i) + " \"Slot " + std::to_string(i) + "\"");
}

}  // namespace

std::string SmallValidList(int satNames) {
  std::vector<std::string> lines = {"# test list"};
  AddNames(lines, satNames);
  lines.insert(lines.end(),
               {
                   "[SATELLITE]",
                   "0 \"Astra 19E\" N 10600 09750 192 0",
                   "1 Hotbird N 10600 09750 130 65535",
                   "[DIGITAL TP]",
                   "1 0 11836 27500 H Comment",
                   "2 1 12111 27500 V \"Two words\"",
                   "[DIGITAL CHANNEL]",
                   "0 1 0 6D66 TV \"Das Erste\" 0 N",
                   "1 1 0 6D67 RADIO Radio1 0 N",
                   "2 2 1 1A2B TV Sport 1 N",
                   "[DIGITAL PID CHANNEL]",
                   "0 2 1 TV PidOne 511 512 511 0 N",
                   "[ANALOG TP]",
                   "0 0 1234 KU \"Analog One\" 27MHz H 10 20 CVBS STEREO 6.50 6.65 130 N NO_DEEMP TV N",
                   "1 1 1290 C AnaRadio 18MHz V 0 0 BASEBAND MONO_LEFT 7.02 7.20 280 Y U50 RADIO N",
                   "[END]",
               });
  return Crlf(lines);
}

std::string GeneratedList(int channels, unsigned seed) {
  std::mt19937 rng(seed);
  const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  const int sats = 4;
  const int tps = channels / 8 + 1;
  std::vector<std::string> lines;
  AddNames(lines, 32);
  lines.push_back("[SATELLITE]");
  for (int s = 0; s < sats; ++s)
    lines.push_back(std::to_string(s) + " \"Sat " + std::to_string(s) + "\" N 10600 09750 " +
                    std::to_string(pick(256)) + " " + std::to_string(pick(65536)));
  lines.push_back("[DIGITAL TP]");
  for (int t = 0; t < tps; ++t)
    lines.push_back(std::to_string(t + 1) + " " + std::to_string(t % sats) + " " +
                    std::to_string(10700 + pick(2000)) + " 27500 " + (pick(2) ? "H" : "V") + " tp" +
                    std::to_string(t));
  lines.push_back("[DIGITAL CHANNEL]");
  for (int c = 0; c < channels; ++c) {
    const int tp = pick(tps);
    char id[8];
    std::snprintf(id, sizeof id, "%X", 1 + pick(0xFFFE));
    const bool blank = pick(10) == 0;
    lines.push_back(std::to_string(c) + " " + std::to_string(tp + 1) + " " + std::to_string(tp % sats) + " " +
                    id + (pick(4) ? " TV" : " RADIO") + " \"Ch " + std::to_string(c) + "\" " +
                    std::to_string(pick(3)) + (blank ? " Y" : " N"));
  }
  lines.push_back("[DIGITAL PID CHANNEL]");
  for (int p = 0; p < channels / 10; ++p) {
    const int tp = pick(tps);
    lines.push_back(std::to_string(p) + " " + std::to_string(tp + 1) + " " + std::to_string(tp % sats) +
                    " TV Pid" + std::to_string(p) + " " + std::to_string(pick(8191)) + " " +
                    std::to_string(pick(8191)) + " " + std::to_string(pick(8191)) + " 0 N");
  }
  lines.push_back("[ANALOG TP]");
  for (int a = 0; a < channels / 10; ++a)
    lines.push_back(std::to_string(a) + " " + std::to_string(a % sats) + " " +
                    std::to_string(1000 + pick(9000)) + " KU \"An " + std::to_string(a) +
                    "\" 27MHz H 10 20 CVBS STEREO 6.50 6.65 130 N NO_DEEMP " + (pick(2) ? "TV" : "RADIO") +
                    " N");
  lines.push_back("[END]");
  return Crlf(lines);
}

}  // namespace lumoscope::test
