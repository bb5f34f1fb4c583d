#include "standin/port_control_glyph.h"

#include <QPainter>
#include <QPainterPath>

namespace standin {

QPixmap portControlGlyph(int size) {
  QPixmap picture(size, size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 24.0, size / 24.0);

  // The connector's shell: a trapezoid, wider row of five pins above four.
  QPainterPath shell;
  shell.moveTo(2, 6);
  shell.lineTo(22, 6);
  shell.lineTo(19, 18);
  shell.lineTo(5, 18);
  shell.closeSubpath();
  painter.setPen(QPen(QColor(40, 40, 40), 1.2));
  painter.setBrush(QColor(150, 170, 200));
  painter.drawPath(shell);

  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(30, 30, 30));
  for (int pin = 0; pin < 5; ++pin) painter.drawEllipse(QPointF(5.0 + 3.5 * pin, 10), 1.1, 1.1);
  for (int pin = 0; pin < 4; ++pin) painter.drawEllipse(QPointF(6.75 + 3.5 * pin, 14.5), 1.1, 1.1);
  return picture;
}

}  // namespace standin
