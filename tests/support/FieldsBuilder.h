#pragma once
// Builds a working section list (m_fields) directly, section by section, so list view
// tests need no text file. Sections come out in the order of a typical list file.
#include <string>
#include <vector>

namespace lumoscope::test {

class FieldsBuilder {
 public:
  FieldsBuilder& SatName(const std::string& index, const std::string& name);
  FieldsBuilder& Satellite(const std::string& index, const std::string& name,
                           const std::string& degree = "0130");
  FieldsBuilder& Tp(const std::string& index, const std::string& sat, const std::string& freq,
                    const std::string& bouquet = "---");
  // A digital channel; `index` is provisional (the view renumbers).
  FieldsBuilder& Channel(const std::string& tp, const std::string& sat, const std::string& type,
                         const std::string& name, const std::string& svcId = "0101");
  FieldsBuilder& Pid(const std::string& tp, const std::string& sat, const std::string& type,
                     const std::string& name);
  FieldsBuilder& Analog(const std::string& sat, const std::string& type, const std::string& name,
                        const std::string& freq = "1000");

  std::vector<std::string> Build() const;

 private:
  std::vector<std::string> satNames_, satellites_, tps_, channels_, pids_, analogs_;
};

// True when every section's markers enclose whole records; the reason otherwise.
std::string CheckWellFormed(const std::vector<std::string>& fields);

// The Name field of every record of a section, in order ("CHANNEL", "CHANNEL_PID", "ANALOG").
std::vector<std::string> NamesOf(const std::vector<std::string>& fields, const std::string& section);

}  // namespace lumoscope::test
