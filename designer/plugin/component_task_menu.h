#pragma once

#include <QDesignerTaskMenuExtension>
#include <QExtensionFactory>
#include <QList>
#include <QMenu>
#include <QPointer>
#include <memory>
#include <vector>

#include "designtime/design_registry.h"
#include "standin/component_icon.h"

class QAction;

namespace designerplugin {

// A component's context menu in Qt Designer: its editor's verbs, a double click that does what
// the editor's Edit() does, and a submenu for each property whose editor lists values (Qt
// Designer's property editor offers no drop-down list for a text property).
class ComponentTaskMenu : public QObject, public QDesignerTaskMenuExtension {
  Q_OBJECT
  Q_INTERFACES(QDesignerTaskMenuExtension)

 public:
  ComponentTaskMenu(TComponentIcon* icon, std::unique_ptr<designtime::TComponentEditor> editor,
                    std::vector<std::unique_ptr<designtime::TPropertyEditor>> valueLists,
                    QObject* parent);
  ~ComponentTaskMenu() override;

  QAction* preferredEditAction() const override;
  QList<QAction*> taskActions() const override;

 private:
  QAction* makeValueList(designtime::TPropertyEditor& property);
  void fillValueList(QMenu& menu, designtime::TPropertyEditor& property);
  void choose(const designtime::TPropertyEditor& property, const QString& value);

  QPointer<TComponentIcon> icon_;
  std::unique_ptr<designtime::TComponentEditor> editor_;
  std::vector<std::unique_ptr<designtime::TPropertyEditor>> valueLists_;
  std::vector<std::unique_ptr<QMenu>> menus_;  // the value lists; top-level, so owned here
  QAction* edit_ = nullptr;
  QList<QAction*> actions_;
};

// Makes the context menu of every component icon whose class has a registered editor.
class ComponentTaskMenuFactory : public QExtensionFactory {
  Q_OBJECT

 public:
  ComponentTaskMenuFactory(const designtime::TDesignRegistry& registry, QExtensionManager* parent);

 protected:
  QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;

 private:
  const designtime::TDesignRegistry& registry_;
};

}  // namespace designerplugin
