#pragma once
// The printed channel list: the satellites' groups of listview/PrintedList.h laid out on
// pages, each page headed by the list's name, its number ("Page 2 of 3") and the column
// titles. A group that goes on over a page break has its heading again, marked
// "(continued)", and a heading never ends a page.
#include <QPagedPaintDevice>
#include <QString>
#include <vector>

#include "listview/PrintedList.h"

namespace lumoscope::ui {

class ChannelListPrinter {
 public:
  ChannelListPrinter(std::vector<PrintedSatellite> groups, QString title);

  // Paints every page on `device` (a printer or a PDF writer); returns how many.
  int Print(QPagedPaintDevice& device) const;

  // How many pages the list takes on `device`, without painting.
  int PageCount(QPagedPaintDevice& device) const;

  bool IsEmpty() const { return groups_.empty(); }

 private:
  struct Line {
    int group;
    int channel;  // -1: the group's heading
    bool continued;
  };
  using Page = std::vector<Line>;
  std::vector<Page> Paginate(const QPaintDevice& device) const;

  std::vector<PrintedSatellite> groups_;
  QString title_;
};

}  // namespace lumoscope::ui
