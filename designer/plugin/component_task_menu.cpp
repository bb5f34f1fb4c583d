#include "component_task_menu.h"

#include <QAction>
#include <QDesignerFormWindowCursorInterface>
#include <QDesignerFormWindowInterface>
#include <QMetaProperty>

#include "platform/cp1251.h"

namespace designerplugin {
namespace {

QString fromCp1251(const std::string& text) {
  return QString::fromStdString(platform::cp1251::toUtf8(text));
}

}  // namespace

ComponentTaskMenu::ComponentTaskMenu(
    TComponentIcon* icon, std::unique_ptr<designtime::TComponentEditor> editor,
    std::vector<std::unique_ptr<designtime::TPropertyEditor>> valueLists, QObject* parent)
    : QObject(parent), icon_(icon), editor_(std::move(editor)), valueLists_(std::move(valueLists)) {
  if (editor_ != nullptr) {
    for (int index = 0; index < editor_->GetVerbCount(); ++index) {
      auto* verb = new QAction(fromCp1251(editor_->GetVerb(index)), this);
      connect(verb, &QAction::triggered, this, [this, index] { editor_->ExecuteVerb(index); });
      actions_.append(verb);
    }
    if (editor_->GetVerbCount() > 0) {
      edit_ = new QAction(this);
      connect(edit_, &QAction::triggered, this, [this] { editor_->Edit(); });
    }
  }
  for (const auto& property : valueLists_) actions_.append(makeValueList(*property));
}

ComponentTaskMenu::~ComponentTaskMenu() {
  // An entry goes before the menu it opens.
  qDeleteAll(actions_);
}

QAction* ComponentTaskMenu::preferredEditAction() const { return edit_; }

QList<QAction*> ComponentTaskMenu::taskActions() const { return actions_; }

QAction* ComponentTaskMenu::makeValueList(designtime::TPropertyEditor& property) {
  auto* entry = new QAction(QString::fromStdString(property.PropertyName()), this);
  auto* menu = menus_.emplace_back(std::make_unique<QMenu>()).get();
  entry->setMenu(menu);
  // The list is read when the menu opens, so it shows the ports present at that moment.
  connect(menu, &QMenu::aboutToShow, this,
          [this, menu, &property] { fillValueList(*menu, property); });
  return entry;
}

void ComponentTaskMenu::fillValueList(QMenu& menu, designtime::TPropertyEditor& property) {
  menu.clear();
  QStringList values;
  property.GetValues([&values](const std::string& value) { values.append(fromCp1251(value)); });
  if ((property.GetAttributes() & designtime::paSortList) != 0) values.sort();
  const QString current = fromCp1251(property.GetValue());
  for (const QString& value : values) {
    QAction* choice = menu.addAction(value);
    choice->setCheckable(true);
    choice->setChecked(value == current);
    connect(choice, &QAction::triggered, this,
            [this, &property, value] { choose(property, value); });
  }
  if (values.isEmpty()) menu.addAction(tr("(none)"))->setEnabled(false);
}

void ComponentTaskMenu::choose(const designtime::TPropertyEditor& property, const QString& value) {
  if (icon_ == nullptr) return;
  // Through the form's cursor, so that the change can be undone and marks the form modified.
  QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(icon_);
  const QString name = QString::fromStdString(property.PropertyName());
  if (form != nullptr) {
    form->cursor()->setWidgetProperty(icon_, name, value);
  } else {
    icon_->setProperty(name.toLatin1().constData(), value);
  }
}

ComponentTaskMenuFactory::ComponentTaskMenuFactory(const designtime::TDesignRegistry& registry,
                                                   QExtensionManager* parent)
    : QExtensionFactory(parent), registry_(registry) {}

QObject* ComponentTaskMenuFactory::createExtension(QObject* object, const QString& iid,
                                                   QObject* parent) const {
  auto* icon = qobject_cast<TComponentIcon*>(object);
  if (icon == nullptr || iid != Q_TYPEID(QDesignerTaskMenuExtension)) return nullptr;
  QObject* component = icon->component();
  std::vector<std::unique_ptr<designtime::TPropertyEditor>> valueLists;
  const QMetaObject* meta = component->metaObject();
  for (int index = 0; index < meta->propertyCount(); ++index) {
    auto property = registry_.propertyEditorFor(component, meta->property(index).name());
    if (property != nullptr && (property->GetAttributes() & designtime::paValueList) != 0) {
      valueLists.push_back(std::move(property));
    }
  }
  auto editor = registry_.componentEditorFor(component);
  if (editor == nullptr && valueLists.empty()) return nullptr;
  return new ComponentTaskMenu(icon, std::move(editor), std::move(valueLists), parent);
}

}  // namespace designerplugin
