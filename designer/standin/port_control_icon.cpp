#include "standin/port_control_icon.h"

#include "standin/port_control_glyph.h"

TPortControlIcon::TPortControlIcon(QWidget* parent)
    : TComponentIcon(parent), component_(std::make_unique<TPortControl>()) {
  // The component goes by the name the form gives its icon.
  connect(this, &QObject::objectNameChanged, component_.get(),
          [this](const QString& name) { component_->SetName(name); });
}

TPortControlIcon::~TPortControlIcon() = default;

QPixmap TPortControlIcon::glyph() const { return standin::portControlGlyph(kSize - 4); }
