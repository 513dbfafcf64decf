#pragma once
// The stress list (the format's table limits, past the receiver's memory) split into the
// working fields, as the program holds a list once it is loaded.
#include <string>
#include <vector>

#include "base/SilentReporter.h"
#include "tools/listgen/ListGenerator.h"
#include "transfer/SectionListParser.h"

namespace lumoscope {

inline std::vector<std::string> StressFields() {
  SilentReporter reporter;
  std::vector<std::string> fields;
  bool resave = false;
  ParseSectionList(listgen::StressList(), reporter, fields, resave);
  return fields;
}

}  // namespace lumoscope
