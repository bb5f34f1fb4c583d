#include "standin/port_control_icon.h"

#include "standin/port_control_glyph.h"

TPortControlIcon::TPortControlIcon(QWidget* parent)
    : TComponentIcon(parent), component_(std::make_unique<TPortControl>()) {}

TPortControlIcon::~TPortControlIcon() = default;

QString TPortControlIcon::port() const { return component_->port(); }

void TPortControlIcon::setPort(const QString& port) { component_->setPort(port); }

QPixmap TPortControlIcon::glyph() const { return standin::portControlGlyph(kSize - 4); }
