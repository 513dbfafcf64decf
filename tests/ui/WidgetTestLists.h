#pragma once
// Working section lists for the list widget tests, built directly (no text file), and a
// list view wired to a channel list widget.
#include <QTest>
#include <string>
#include <vector>

#include "base/Sections.h"
#include "listview/ListView.h"
#include "tests/support/FakeViewDocument.h"
#include "tests/support/RecordingReporter.h"
#include "ui/ChannelListWidget.h"

namespace lumoscope::test {

// One satellite, one transponder and one digital TV channel per name (every second one a
// radio channel when asked), then one analog channel; the channel view lists the names
// in order.
inline std::vector<std::string> ChannelList(const std::vector<std::string>& names,
                                            bool alternateRadio = false) {
  std::vector<std::string> f;
  const auto open = [&f](Section s) { f.emplace_back(FormatOf(s).startMarker); };
  const auto close = [&f](Section s) { f.emplace_back(FormatOf(s).endMarker); };
  open(Section::SatNameList);
  f.insert(f.end(), {"1", "Astra"});
  close(Section::SatNameList);
  open(Section::Satellite);
  f.insert(f.end(), {"1", "Astra", "N", "10600", "9750", "1", "0192"});
  close(Section::Satellite);
  open(Section::DigitalTp);
  f.insert(f.end(), {"1", "1", "11000", "27500", "H", "Sky"});
  close(Section::DigitalTp);
  open(Section::DigitalChannel);
  for (size_t i = 0; i < names.size(); ++i) {
    const char* type = alternateRadio && i % 2 == 1 ? "RADIO" : "TV";
    f.insert(f.end(), {"1", "1", "1", "0101", type, names[i], "1", "N"});
  }
  close(Section::DigitalChannel);
  open(Section::PidChannel);
  close(Section::PidChannel);
  open(Section::AnalogTp);
  f.insert(f.end(), {"1", "1", "1000", "C", "Analog", "27MHz", "H", "1", "5", "CVBS", "STEREO", "0000",
                     "0000", "130", "Y", "U50", "TV", "N"});
  close(Section::AnalogTp);
  return f;
}

// `count` channels named "Channel 00001" and on, alternating TV and radio.
inline std::vector<std::string> LargeChannelList(int count) {
  std::vector<std::string> names;
  names.reserve(static_cast<size_t>(count));
  for (int i = 1; i <= count; ++i) names.push_back("Channel " + std::to_string(100000 + i).substr(1));
  return ChannelList(names, true);
}

// A channel list widget with a list view model on it, as the main window wires them.
struct WiredList {
  static constexpr int kWidth = 640;
  static constexpr int kHeight = 400;

  WiredList() {
    view.SetDocument(&document);
    widget.SetListView(&view);
    view.OnInitialUpdate();
  }
  // Shows the widget at a fixed size; false when the window system never exposed it.
  bool Show(int width = kWidth, int height = kHeight) {
    widget.resize(width, height);
    widget.show();
    return QTest::qWaitForWindowExposed(&widget);
  }
  void Load(std::vector<std::string> fields) {
    view.Fields() = std::move(fields);
    view.RefreshWithRenumber();
    widget.Flush();
  }
  // The Name column of the digital channel view, top to bottom.
  std::vector<std::string> ShownNames() const {
    std::vector<std::string> names;
    constexpr int kNameColumn = 5;
    for (int r = 0; r < widget.Model().Rows(); ++r) names.push_back(widget.Model().Cell(r, kNameColumn));
    return names;
  }

  RecordingReporter reporter;
  FakeViewDocument document;
  ui::ChannelListWidget widget;
  CLumoscopeListView view{widget, reporter};
};

}  // namespace lumoscope::test
