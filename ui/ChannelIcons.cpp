#include "ui/ChannelIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "listview/ListControl.h"

namespace lumoscope::ui {
namespace {

// The drawings are made on a 32-unit square and scaled down for the small list.
constexpr qreal kCanvas = 32.0;

void DrawTv(QPainter& p) {
  // A cabinet with a bright screen on a short stand.
  p.setPen(QPen(QColor(40, 40, 48), 1.5));
  p.setBrush(QColor(70, 72, 84));
  p.drawRoundedRect(QRectF(2, 4, 28, 20), 3, 3);
  QLinearGradient screen(QPointF(5, 7), QPointF(27, 21));
  screen.setColorAt(0, QColor(120, 190, 255));
  screen.setColorAt(1, QColor(30, 90, 200));
  p.setPen(Qt::NoPen);
  p.setBrush(screen);
  p.drawRoundedRect(QRectF(5, 7, 22, 14), 1.5, 1.5);
  p.setBrush(QColor(70, 72, 84));
  p.drawRect(QRectF(13, 24, 6, 3));
  p.drawRoundedRect(QRectF(8, 27, 16, 3), 1, 1);
}

void DrawRadio(QPainter& p) {
  // A portable set: aerial, body, round speaker grille and a tuning scale.
  p.setPen(QPen(QColor(60, 60, 60), 1.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(22, 10), QPointF(28, 2));
  p.setPen(QPen(QColor(90, 50, 20), 1.5));
  p.setBrush(QColor(196, 120, 50));
  p.drawRoundedRect(QRectF(2, 10, 28, 19), 3, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 40, 25));
  p.drawEllipse(QPointF(10, 19.5), 6, 6);
  p.setBrush(QColor(150, 100, 60));
  for (qreal y = 16; y <= 23; y += 3.5) {
    for (qreal x = 6.5; x <= 13.5; x += 3.5) p.drawEllipse(QPointF(x, y), 0.9, 0.9);
  }
  p.setBrush(QColor(245, 235, 200));
  p.drawRect(QRectF(18, 14, 9, 5));
  p.setPen(QPen(QColor(200, 30, 30), 1));
  p.drawLine(QPointF(22, 14), QPointF(22, 19));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 40, 25));
  p.drawEllipse(QPointF(22.5, 24), 2, 2);
}

void DrawRecord(QPainter& p) {
  // A sheet with a folded corner and lines of text.
  QPainterPath sheet;
  sheet.moveTo(6, 2);
  sheet.lineTo(20, 2);
  sheet.lineTo(27, 9);
  sheet.lineTo(27, 30);
  sheet.lineTo(6, 30);
  sheet.closeSubpath();
  p.setPen(QPen(QColor(90, 90, 100), 1.5));
  p.setBrush(Qt::white);
  p.drawPath(sheet);
  QPainterPath fold;
  fold.moveTo(20, 2);
  fold.lineTo(20, 9);
  fold.lineTo(27, 9);
  p.setBrush(QColor(215, 215, 225));
  p.drawPath(fold);
  p.setPen(QPen(QColor(60, 110, 180), 1.5));
  for (qreal y = 13; y <= 26; y += 4.0) p.drawLine(QPointF(10, y), QPointF(23, y));
}

QPixmap Draw(int image, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / kCanvas, size / kCanvas);
  switch (image) {
    case kImageTv:
      DrawTv(p);
      break;
    case kImageRadio:
      DrawRadio(p);
      break;
    default:
      DrawRecord(p);
      break;
  }
  return pixmap;
}

}  // namespace

QIcon ChannelIcon(int image) {
  if (image < kImageTv || image > kImageRecord) return {};
  QIcon icon;
  icon.addPixmap(Draw(image, kLargeIconSize));
  icon.addPixmap(Draw(image, kSmallIconSize));
  return icon;
}

}  // namespace lumoscope::ui
