#include "ui/ChannelListPrinter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace lumoscope::ui {
namespace {

constexpr int kBodyPoints = 10;
constexpr int kHeadingPoints = 11;
constexpr int kTitlePoints = 12;
// Spacing in lines of the font they follow.
constexpr double kRowSpacing = 1.25;
constexpr double kHeadingSpacing = 1.9;  // a heading keeps some room above it
constexpr double kHeaderSpacing = 1.6;

// The widest texts of the fixed columns; the name takes what is left.
const QString kWidestNumber = QStringLiteral("0000");
const QString kWidestType = QStringLiteral("Radio");
const QString kWidestTuning = QStringLiteral("12345 MHz H, 30000 kS/s");
const QString kColumnGap = QStringLiteral("    ");

QFont Font(int points, bool bold = false) {
  QFont font(QStringLiteral("Sans Serif"), points);
  font.setBold(bold);
  return font;
}

// Positions on the page, in device pixels, worked out from the device's fonts.
struct Geometry {
  explicit Geometry(const QPaintDevice& device)
      : body(Font(kBodyPoints), &device),
        heading(Font(kHeadingPoints, true), &device),
        title(Font(kTitlePoints, true), &device),
        width(device.width()),
        height(device.height()) {
    const qreal gap = body.horizontalAdvance(kColumnGap);
    numberWidth = body.horizontalAdvance(kWidestNumber);
    nameLeft = numberWidth + gap;
    tuningLeft = width - body.horizontalAdvance(kWidestTuning);
    typeLeft = tuningLeft - gap - body.horizontalAdvance(kWidestType);
    rowHeight = body.height() * kRowSpacing;
    headingHeight = heading.height() * kHeadingSpacing;
    headerHeight = (title.height() + body.height()) * kHeaderSpacing;
  }
  qreal Room() const { return height - headerHeight; }

  QFontMetricsF body, heading, title;
  qreal width, height;
  qreal numberWidth = 0, nameLeft = 0, typeLeft = 0, tuningLeft = 0;
  qreal rowHeight = 0, headingHeight = 0, headerHeight = 0;
};

}  // namespace

ChannelListPrinter::ChannelListPrinter(std::vector<PrintedSatellite> groups, QString title)
    : groups_(std::move(groups)), title_(std::move(title)) {}

std::vector<ChannelListPrinter::Page> ChannelListPrinter::Paginate(const QPaintDevice& device) const {
  const Geometry g(device);
  std::vector<Page> pages(1);
  qreal used = 0;
  auto fits = [&](qreal height) { return used + height <= g.Room() || pages.back().empty(); };
  auto newPage = [&] {
    pages.emplace_back();
    used = 0;
  };
  for (int group = 0; group < static_cast<int>(groups_.size()); ++group) {
    // A heading goes to the next page unless its first channel fits under it.
    if (!fits(g.headingHeight + g.rowHeight)) newPage();
    pages.back().push_back({group, -1, false});
    used += g.headingHeight;
    const auto& channels = groups_[static_cast<size_t>(group)].channels;
    for (int channel = 0; channel < static_cast<int>(channels.size()); ++channel) {
      if (!fits(g.rowHeight)) {
        newPage();
        pages.back().push_back({group, -1, true});
        used += g.headingHeight;
      }
      pages.back().push_back({group, channel, false});
      used += g.rowHeight;
    }
  }
  return pages;
}

int ChannelListPrinter::PageCount(QPagedPaintDevice& device) const {
  return static_cast<int>(Paginate(device).size());
}

int ChannelListPrinter::Print(QPagedPaintDevice& device) const {
  const std::vector<Page> pages = Paginate(device);
  const Geometry g(device);
  QPainter painter(&device);
  const int count = static_cast<int>(pages.size());
  for (int p = 0; p < count; ++p) {
    if (p > 0) device.newPage();
    // The page's header: the list's name and the page number, then the column titles.
    qreal y = 0;
    painter.setFont(Font(kTitlePoints, true));
    painter.drawText(QRectF(0, y, g.width, g.title.height()), Qt::AlignLeft, title_);
    painter.setFont(Font(kBodyPoints));
    painter.drawText(QRectF(0, y, g.width, g.title.height()), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Page %1 of %2").arg(p + 1).arg(count));
    y += g.title.height() * kHeaderSpacing;
    painter.drawText(QRectF(0, y, g.numberWidth, g.body.height()), Qt::AlignRight, QStringLiteral("No."));
    painter.drawText(QPointF(g.nameLeft, y + g.body.ascent()), QStringLiteral("Name"));
    painter.drawText(QPointF(g.typeLeft, y + g.body.ascent()), QStringLiteral("Type"));
    painter.drawText(QPointF(g.tuningLeft, y + g.body.ascent()), QStringLiteral("Tuning"));
    y += g.body.height() * kRowSpacing;
    painter.drawLine(QPointF(0, y), QPointF(g.width, y));
    y = g.headerHeight;

    for (const Line& line : pages[static_cast<size_t>(p)]) {
      const PrintedSatellite& group = groups_[static_cast<size_t>(line.group)];
      if (line.channel < 0) {
        painter.setFont(Font(kHeadingPoints, true));
        const QString heading = QString::fromStdString(group.title) +
                                (line.continued ? QStringLiteral(" (continued)") : QString());
        painter.drawText(QPointF(0, y + g.headingHeight - g.heading.descent() - g.heading.leading()),
                         g.heading.elidedText(heading, Qt::ElideRight, g.width));
        y += g.headingHeight;
        continue;
      }
      const PrintedChannel& c = group.channels[static_cast<size_t>(line.channel)];
      painter.setFont(Font(kBodyPoints));
      const qreal base = y + g.body.ascent();
      painter.drawText(QRectF(0, y, g.numberWidth, g.body.height()), Qt::AlignRight,
                       QString::number(c.number));
      painter.drawText(QPointF(g.nameLeft, base), g.body.elidedText(QString::fromStdString(c.name),
                                                                    Qt::ElideRight, g.typeLeft - g.nameLeft));
      painter.drawText(QPointF(g.typeLeft, base), QString::fromStdString(c.type));
      painter.drawText(QPointF(g.tuningLeft, base), QString::fromStdString(c.tuning));
      y += g.rowHeight;
    }
  }
  return count;
}

}  // namespace lumoscope::ui
