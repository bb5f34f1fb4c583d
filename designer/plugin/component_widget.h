#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <functional>

#include "stand_ins.h"

namespace designerplugin {

// One component class in Qt Designer's widget box, on its palette page, placed as its icon.
class ComponentWidget : public QObject, public QDesignerCustomWidgetInterface {
  Q_OBJECT
  Q_INTERFACES(QDesignerCustomWidgetInterface)

 public:
  // `initializeDesigner` runs once per designer, from the first widget it initializes.
  ComponentWidget(const StandIn& standIn, QString page,
                  std::function<void(QDesignerFormEditorInterface*)> initializeDesigner,
                  QObject* parent);

  QString name() const override;
  QString group() const override;
  QString toolTip() const override;
  QString whatsThis() const override;
  QString includeFile() const override;
  QIcon icon() const override;
  bool isContainer() const override;
  QWidget* createWidget(QWidget* parent) override;
  bool isInitialized() const override;
  void initialize(QDesignerFormEditorInterface* core) override;
  QString domXml() const override;

 private:
  QString componentName() const;

  const StandIn& standIn_;
  QString page_;
  std::function<void(QDesignerFormEditorInterface*)> initializeDesigner_;
  bool initialized_ = false;
};

}  // namespace designerplugin
