#include "standin/component_icon.h"

#include <QPainter>
#include <QStyleOptionButton>

TComponentIcon::TComponentIcon(QWidget* parent) : QWidget(parent) {
  setFixedSize(kSize, kSize);
  setVisible(false);
}

void TComponentIcon::setDesignTime(bool designTime) {
  designTime_ = designTime;
  setVisible(designTime);
}

void TComponentIcon::setVisible(bool visible) { QWidget::setVisible(visible && designTime_); }

QSize TComponentIcon::sizeHint() const { return {kSize, kSize}; }

void TComponentIcon::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  QStyleOptionButton frame;
  frame.initFrom(this);
  frame.state |= QStyle::State_Raised;
  style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &frame, &painter, this);
  const QPixmap picture = glyph();
  const QRect place(QPoint(), picture.deviceIndependentSize().toSize());
  painter.drawPixmap(place.translated(rect().center() - place.center()), picture);
}
