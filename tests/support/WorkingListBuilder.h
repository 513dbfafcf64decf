#pragma once
// Builds small working section lists (the list view's m_fields) record by record, and a
// list view stand-in for the new-channel logic with an undo stack and the renumbering.
#include <string>
#include <vector>

#include "editing/NewChannelHost.h"
#include "tests/support/RecordingReporter.h"

namespace lumoscope::test {

struct WorkingListBuilder {
  std::vector<std::string> satNames, satellites, digital, channels, pidChannels, analog;
  bool withPidSection = true;

  WorkingListBuilder& Satellite(const std::string& index, const std::string& name,
                                const std::string& high = "10600", const std::string& low = "09750",
                                const std::string& position = "1", const std::string& degree = "0192") {
    satellites.insert(satellites.end(), {index, name, "N", high, low, position, degree});
    return *this;
  }
  WorkingListBuilder& Transponder(const std::string& index, const std::string& sat, const std::string& freq,
                                  const std::string& rate, const std::string& pol,
                                  const std::string& comment = "---") {
    digital.insert(digital.end(), {index, sat, freq, rate, pol, comment});
    return *this;
  }
  WorkingListBuilder& Channel(const std::string& svc, const std::string& tp, const std::string& sat,
                              const std::string& name = "CH") {
    channels.insert(channels.end(), {svc, tp, sat, "1A", "TV", name, "1", "N"});
    return *this;
  }
  WorkingListBuilder& PidChannel(const std::string& svc, const std::string& tp, const std::string& sat) {
    pidChannels.insert(pidChannels.end(), {svc, tp, sat, "TV", "PID", "100", "101", "102", "1", "N"});
    return *this;
  }
  WorkingListBuilder& Analog(const std::string& index, const std::string& sat,
                             const std::string& name = "ANA") {
    analog.insert(analog.end(), {index, sat, "3900", "C", name, "18MHz", "H", "10", "20", "CVBS", "STEREO",
                                 "6.50", "6.50", "130", "Y", "NO_DEEMP", "TV", "N"});
    return *this;
  }
  // Satellite name slots 1..count.
  WorkingListBuilder& SatNames(int count) {
    for (int i = 1; i <= count; ++i)
      satNames.insert(satNames.end(), {std::to_string(i), "S" + std::to_string(i)});
    return *this;
  }

  std::vector<std::string> Build() const {
    std::vector<std::string> f;
    auto section = [&f](const char* start, const std::vector<std::string>& body, const char* end) {
      f.push_back(start);
      f.insert(f.end(), body.begin(), body.end());
      f.push_back(end);
    };
    section("SAT_NAME START", satNames, "SAT_NAME END");
    section("SATELLITE START", satellites, "SATELLITE END");
    section("DIGITAL START", digital, "DIGITAL END");
    section("CHANNEL START", channels, "CHANNEL END");
    if (withPidSection) section("CHANNEL_PID START", pidChannels, "CHANNEL_PID END");
    section("ANALOG START", analog, "ANALOG END");
    return f;
  }
};

// The list view as the new-channel logic sees it.
class FakeListView : public INewChannelHost {
 public:
  struct UndoStep {
    std::string label;
    std::vector<std::string> fields;
    bool operator==(const UndoStep&) const = default;
  };

  explicit FakeListView(std::vector<std::string> f, bool digital = true)
      : fields(std::move(f)), showDigital(digital) {}

  std::vector<std::string>& Fields() override { return fields; }
  bool ShowDigital() const override { return showDigital; }
  void PushUndo(const std::string& label) override { undo.push_back({label, fields}); }
  void DropUndo() override {
    if (!undo.empty()) undo.pop_back();
    ++drops;
  }
  void RevertToUndoStep() override {
    if (undo.empty()) return;
    fields = std::move(undo.back().fields);
    undo.pop_back();
  }
  // Renumbers like the list view: CHANNEL then CHANNEL_PID records count 1, 2, ...;
  // ANALOG records count again from 1.
  void RefreshWithRenumber() override;
  void RefreshKeepingNumbers() override { ++refreshes; }
  IReporter& Reporter() override { return reporter; }
  const NameCodec& Names() const override { return names; }

  std::vector<std::string> fields;
  bool showDigital;
  bool renumber = false;  // off: the inserted provisional indexes stay visible
  std::vector<UndoStep> undo;
  int drops = 0;
  int refreshes = 0;
  RecordingReporter reporter;
  NameCodec names;
};

inline void FakeListView::RefreshWithRenumber() {
  ++refreshes;
  if (!renumber) return;
  auto renumberSection = [this](const char* start, const char* end, size_t length, int& counter) {
    size_t i = 0;
    while (i < fields.size() && fields[i] != start) ++i;
    for (size_t r = i + 1; r < fields.size() && fields[r] != end; r += length)
      fields[r] = std::to_string(++counter);
  };
  int digitalCount = 0;
  renumberSection("CHANNEL START", "CHANNEL END", 8, digitalCount);
  renumberSection("CHANNEL_PID START", "CHANNEL_PID END", 10, digitalCount);
  int analogCount = 0;
  renumberSection("ANALOG START", "ANALOG END", 18, analogCount);
}

}  // namespace lumoscope::test
