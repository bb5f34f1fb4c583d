#include "component_collection.h"

#include <QDesignerFormEditorInterface>
#include <QExtensionManager>

#include "component_task_menu.h"
#include "component_widget.h"
#include "designtime/port_control_registration.h"

namespace designerplugin {

ComponentCollection::ComponentCollection(QObject* parent) : QObject(parent) {
  designtime::Register(registry_);
  for (designtime::TComponentClass componentClass : registry_.paletteClasses()) {
    const StandIn* standIn = standInFor(componentClass);
    if (standIn == nullptr) continue;  // no widget to carry it onto a form
    widgets_.append(new ComponentWidget(
        *standIn, QString::fromStdString(registry_.palettePageOf(componentClass)),
        [this](QDesignerFormEditorInterface* core) { initializeDesigner(core); }, this));
  }
}

QList<QDesignerCustomWidgetInterface*> ComponentCollection::customWidgets() const {
  return widgets_;
}

void ComponentCollection::initializeDesigner(QDesignerFormEditorInterface* core) {
  if (core == initializedCore_) return;
  initializedCore_ = core;
  QExtensionManager* manager = core->extensionManager();
  manager->registerExtensions(new ComponentTaskMenuFactory(registry_, manager),
                              Q_TYPEID(QDesignerTaskMenuExtension));
}

}  // namespace designerplugin
