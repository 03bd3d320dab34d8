#include "shell/qt/envelope_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ombrel {

namespace {

QPixmap DrawEnvelope(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  const QRectF body(s * 0.06, s * 0.2, s * 0.88, s * 0.6);

  painter.setPen(QPen(QColor(70, 70, 90), s / 24.0));
  painter.setBrush(QColor(250, 244, 220));
  painter.drawRoundedRect(body, s * 0.04, s * 0.04);

  // The flap, folded down to the middle.
  QPainterPath flap;
  flap.moveTo(body.topLeft());
  flap.lineTo(body.center().x(), body.top() + body.height() * 0.55);
  flap.lineTo(body.topRight());
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(flap);

  // The seal.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(180, 40, 40));
  painter.drawEllipse(QPointF(body.center().x(), body.top() + body.height() * 0.55), s * 0.09,
                      s * 0.09);
  return pixmap;
}

}  // namespace

QIcon EnvelopeIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) icon.addPixmap(DrawEnvelope(size));
  return icon;
}

}  // namespace ombrel
