#include "ui/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace lumoscope::ui {
namespace {

// Sizes the desktop asks for most: menus and toolbars (16, 24), task bars (32, 48).
constexpr int kIconSizes[] = {16, 24, 32, 48, 64};

QPixmap DrawDish(int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = size;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1f, 0x4e, 0x8c));
  p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);
  // The dish: a bowl facing up and right, with its feed arm and the signal arcs.
  p.setBrush(QColor(0xf2, 0xf2, 0xf2));
  QPainterPath bowl;
  bowl.moveTo(s * 0.18, s * 0.42);
  bowl.quadTo(s * 0.22, s * 0.86, s * 0.62, s * 0.84);
  bowl.closeSubpath();
  p.drawPath(bowl);
  p.setPen(QPen(QColor(0xf2, 0xf2, 0xf2), s * 0.05, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(s * 0.40, s * 0.63), QPointF(s * 0.58, s * 0.45));
  p.setPen(QPen(QColor(0xff, 0xc8, 0x3c), s * 0.06, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 2; ++i) {
    const double r = s * (0.14 + 0.12 * i);
    p.drawArc(QRectF(s * 0.58 - r, s * 0.45 - r, 2 * r, 2 * r), 0 * 16, 90 * 16);
  }
  return pm;
}

}  // namespace

QIcon AppIcon() {
  QIcon icon;
  for (int size : kIconSizes) icon.addPixmap(DrawDish(size));
  return icon;
}

}  // namespace lumoscope::ui
