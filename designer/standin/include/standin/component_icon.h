#pragma once

#include <QPixmap>
#include <QWidget>

class QObject;

// The face of a non-visual component on a form. A form holds widgets, so the component rides
// on this one: in the designer it shows as an icon that can be placed and selected; in the
// running program it never shows.
class TComponentIcon : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSize = 28;

  explicit TComponentIcon(QWidget* parent = nullptr);

  // The component this icon stands for; it lives as long as the icon.
  virtual QObject* component() const = 0;

  // Only a designer makes its icons visible.
  void setDesignTime(bool designTime);
  bool isDesignTime() const { return designTime_; }

  void setVisible(bool visible) override;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // The picture of the component's class, drawn inside the icon's frame.
  virtual QPixmap glyph() const = 0;

 private:
  bool designTime_ = false;
};
