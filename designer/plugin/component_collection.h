#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include "designtime/design_registry.h"

namespace designerplugin {

// The plugin Qt Designer loads: runs the registration procedure once and offers each
// registered component class on its palette page, with its component and property editors.
class ComponentCollection : public QObject, public QDesignerCustomWidgetCollectionInterface {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
  Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

 public:
  explicit ComponentCollection(QObject* parent = nullptr);

  QList<QDesignerCustomWidgetInterface*> customWidgets() const override;

 private:
  void initializeDesigner(QDesignerFormEditorInterface* core);

  designtime::TDesignRegistry registry_;
  QList<QDesignerCustomWidgetInterface*> widgets_;
  QDesignerFormEditorInterface* initializedCore_ = nullptr;
};

}  // namespace designerplugin
