#include "qt/row_images.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPainterPath PlayTriangle(double size) {
  QPainterPath path;
  path.moveTo(size * 0.25, size * 0.15);
  path.lineTo(size * 0.85, size * 0.5);
  path.lineTo(size * 0.25, size * 0.85);
  path.closeSubpath();
  return path;
}

QIcon Draw(int size, int image) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  switch (image) {
    case 0:
      painter.setBrush(QColor(0x2e, 0x9d, 0x3a));
      painter.drawPath(PlayTriangle(size));
      break;
    case 1:
      painter.setBrush(QColor(0xe0, 0x9a, 0x1a));
      painter.drawRect(QRectF(size * 0.25, size * 0.2, size * 0.18, size * 0.6));
      painter.drawRect(QRectF(size * 0.57, size * 0.2, size * 0.18, size * 0.6));
      break;
    default:
      painter.setBrush(QColor(0xa0, 0xa0, 0xa0));
      painter.drawPath(PlayTriangle(size));
      painter.setPen(QPen(QColor(0xc0, 0x30, 0x30), size / 8.0));
      painter.drawLine(QPointF(size * 0.15, size * 0.85), QPointF(size * 0.85, size * 0.15));
      break;
  }
  return QIcon(pixmap);
}

}  // namespace

std::vector<QIcon> RowImages(const CListImages& images) {
  if (images.imageWidth <= 0) return {};
  return {Draw(images.imageWidth, 0), Draw(images.imageWidth, 1), Draw(images.imageWidth, 2)};
}
