#pragma once

#include <memory>

#include "portcontrol/port_control.h"
#include "standin/component_icon.h"

// TPortControl on a form: holds the component and passes its published properties through,
// so that the form stores them and a generated form sets them.
class TPortControlIcon : public TComponentIcon {
  Q_OBJECT
  Q_PROPERTY(QString Port READ port WRITE setPort)

 public:
  explicit TPortControlIcon(QWidget* parent = nullptr);
  ~TPortControlIcon() override;

  TPortControl* component() const override { return component_.get(); }

  QString port() const;
  void setPort(const QString& port);

 protected:
  QPixmap glyph() const override;

 private:
  std::unique_ptr<TPortControl> component_;
};
