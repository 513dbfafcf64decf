// The options every command that reads a list takes: the receiver's character set for
// names, and its number of satellites.
#include <string>
#include <vector>

#include "cli/Commands.h"

namespace lumoscope::cli {

namespace {

// --encoding NAME: the receiver's character set, by which the list's names are read and
// written (the name of one of kNameEncodings, in any case; ISO-8859-1 unless given).
CLI::Option* AddEncodingOption(CLI::App& command, std::string& encoding) {
  std::vector<std::string> names;
  for (const NameEncodingInfo& e : kNameEncodings) names.emplace_back(e.name);
  encoding = std::string(NameEncodingName(kDefaultNameEncoding));
  return command.add_option("--encoding", encoding, "The receiver's character set for names")
      ->check(CLI::IsMember(names, CLI::ignore_case));
}

// The encoding that an --encoding value (checked by the option) names.
NameEncoding EncodingNamed(const std::string& name) {
  return FindNameEncoding(name).value_or(kDefaultNameEncoding);
}

}  // namespace

CLI::Option* AddMaxSatOption(CLI::App& command, int& maxSatellites) {
  maxSatellites = kMaxSatellitesSmall;
  return command.add_option("--max-sat", maxSatellites, "Max Satellite Number of the receiver (32 or 40)")
      ->check(CLI::IsMember({kMaxSatellitesSmall, kMaxSatellitesLarge}));
}

AppOptions ListOptions(int maxSatellites, const std::string& encoding) {
  AppOptions options;
  options.fortySatellites = maxSatellites == kMaxSatellitesLarge;
  options.nameEncoding = EncodingNamed(encoding);
  return options;
}

void AddListReadingOptions(CLI::App& command, ListReading& reading) {
  AddEncodingOption(command, reading.encoding);
  AddMaxSatOption(command, reading.maxSatellites);
}

}  // namespace lumoscope::cli
