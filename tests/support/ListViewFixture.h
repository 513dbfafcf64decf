#pragma once
// A list view wired to a recording list control, reporter and document, with a small
// standard list: satellites 1 and 2, transponders 1 and 2, four TV channels A to D on
// satellite 1, two PID channels and two analog channels.
#include <gtest/gtest.h>

#include "listview/ListView.h"
#include "tests/support/FakeListControl.h"
#include "tests/support/FakeViewDocument.h"
#include "tests/support/FieldsBuilder.h"
#include "tests/support/RecordingReporter.h"

namespace lumoscope::test {

class ListViewTest : public ::testing::Test {
 protected:
  ListViewTest() {
    view.SetDocument(&document);
    g_sortMode = 0;
  }

  static FieldsBuilder Standard() {
    FieldsBuilder b;
    b.SatName("1", "Astra").SatName("2", "Hot");
    b.Satellite("1", "Astra", "0192").Satellite("2", "Hot", "-0750");
    b.Tp("1", "1", "11000", "Sky").Tp("2", "2", "12000", "Rai");
    b.Channel("1", "1", "TV", "A")
        .Channel("1", "1", "TV", "B")
        .Channel("1", "1", "TV", "C")
        .Channel("1", "1", "TV", "D");
    b.Pid("1", "1", "TV", "P1").Pid("2", "2", "RADIO", "P2");
    b.Analog("1", "TV", "X").Analog("2", "TV", "Y");
    return b;
  }

  void Load(const FieldsBuilder& builder) {
    view.Fields() = builder.Build();
    view.RefreshWithRenumber();
  }

  std::vector<std::string> Names(const std::string& section = "CHANNEL") const {
    return NamesOf(view.Fields(), section);
  }

  RecordingReporter reporter;
  FakeListControl control;
  FakeViewDocument document;
  CLumoscopeListView view{control, reporter};
};

using Strings = std::vector<std::string>;

}  // namespace lumoscope::test
