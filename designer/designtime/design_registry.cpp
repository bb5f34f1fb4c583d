#include "designtime/design_registry.h"

#include <QMetaProperty>
#include <QObject>

namespace designtime {
namespace {

bool isOfClass(const QObject* component, TComponentClass componentClass) {
  return component != nullptr && component->metaObject()->inherits(componentClass);
}

// The kind of type information a property's Qt type stands for; text of either kind is the
// long 8-bit string of the component model.
bool propertyHasKind(const QObject* component, const std::string& name, TTypeKind kind) {
  const QMetaObject* meta = component->metaObject();
  const int index = meta->indexOfProperty(name.c_str());
  if (index < 0) return false;
  const int type = meta->property(index).metaType().id();
  switch (kind) {
    case TTypeKind::tkLString:
      return type == QMetaType::QString || type == QMetaType::QByteArray;
  }
  return false;
}

}  // namespace

void TDesignRegistry::RegisterPropertyEditor(std::unique_ptr<const TTypeInfo> PropertyType,
                                             TComponentClass ComponentClass,
                                             std::string PropertyName,
                                             TPropertyEditorFactory Create) {
  registrations_.emplace_back(PropertyEditorRegistration{
      std::move(PropertyType), ComponentClass, std::move(PropertyName), std::move(Create)});
}

void TDesignRegistry::RegisterComponents(std::string Page, std::vector<TComponentClass> Classes) {
  registrations_.emplace_back(ComponentsRegistration{std::move(Page), std::move(Classes)});
}

void TDesignRegistry::RegisterComponentEditor(TComponentClass ComponentClass,
                                              TComponentEditorFactory Create) {
  registrations_.emplace_back(ComponentEditorRegistration{ComponentClass, std::move(Create)});
}

std::string TDesignRegistry::palettePageOf(TComponentClass componentClass) const {
  for (const Registration& entry : registrations_) {
    if (const auto* components = std::get_if<ComponentsRegistration>(&entry)) {
      for (TComponentClass registered : components->Classes) {
        if (registered == componentClass) return components->Page;
      }
    }
  }
  return {};
}

std::vector<TComponentClass> TDesignRegistry::paletteClasses() const {
  std::vector<TComponentClass> classes;
  for (const Registration& entry : registrations_) {
    if (const auto* components = std::get_if<ComponentsRegistration>(&entry)) {
      classes.insert(classes.end(), components->Classes.begin(), components->Classes.end());
    }
  }
  return classes;
}

std::unique_ptr<TComponentEditor> TDesignRegistry::componentEditorFor(QObject* component) const {
  for (auto entry = registrations_.rbegin(); entry != registrations_.rend(); ++entry) {
    const auto* editor = std::get_if<ComponentEditorRegistration>(&*entry);
    if (editor != nullptr && isOfClass(component, editor->ComponentClass)) {
      return editor->Create(component);
    }
  }
  return nullptr;
}

std::unique_ptr<TPropertyEditor> TDesignRegistry::propertyEditorFor(
    QObject* component, const std::string& propertyName) const {
  for (auto entry = registrations_.rbegin(); entry != registrations_.rend(); ++entry) {
    const auto* editor = std::get_if<PropertyEditorRegistration>(&*entry);
    if (editor != nullptr && editor->PropertyName == propertyName &&
        isOfClass(component, editor->ComponentClass) &&
        propertyHasKind(component, propertyName, editor->PropertyType->Kind)) {
      return editor->Create(component, propertyName);
    }
  }
  return nullptr;
}

}  // namespace designtime
