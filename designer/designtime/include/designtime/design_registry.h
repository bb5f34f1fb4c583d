#pragma once

#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "designtime/component_editor.h"
#include "designtime/property_editor.h"
#include "designtime/type_info.h"

class QObject;
struct QMetaObject;

namespace designtime {

// A component class as the designer knows it: its meta-object.
using TComponentClass = const QMetaObject*;

using TPropertyEditorFactory =
    std::function<std::unique_ptr<TPropertyEditor>(QObject* component, const std::string& name)>;
using TComponentEditorFactory =
    std::function<std::unique_ptr<TComponentEditor>(QObject* component)>;

// What a designer keeps from a unit's registration procedure, in the order it was told, and
// the questions it then asks about a component on a form.
class TDesignRegistry {
 public:
  struct PropertyEditorRegistration {
    std::unique_ptr<const TTypeInfo> PropertyType;
    TComponentClass ComponentClass;
    std::string PropertyName;
    TPropertyEditorFactory Create;
  };
  struct ComponentsRegistration {
    std::string Page;
    std::vector<TComponentClass> Classes;
  };
  struct ComponentEditorRegistration {
    TComponentClass ComponentClass;
    TComponentEditorFactory Create;
  };
  using Registration =
      std::variant<PropertyEditorRegistration, ComponentsRegistration, ComponentEditorRegistration>;

  void RegisterPropertyEditor(std::unique_ptr<const TTypeInfo> PropertyType,
                              TComponentClass ComponentClass, std::string PropertyName,
                              TPropertyEditorFactory Create);
  void RegisterComponents(std::string Page, std::vector<TComponentClass> Classes);
  void RegisterComponentEditor(TComponentClass ComponentClass, TComponentEditorFactory Create);

  const std::vector<Registration>& registrations() const { return registrations_; }

  // The palette page of a component class; empty when it is on no page.
  std::string palettePageOf(TComponentClass componentClass) const;
  // Every class on the palette, in registration order.
  std::vector<TComponentClass> paletteClasses() const;
  // The editor for the component: the latest registration for its class or a base of it.
  std::unique_ptr<TComponentEditor> componentEditorFor(QObject* component) const;
  // The editor for one property of the component, or null when the default editing applies.
  // A registration applies to its class and the classes derived from it, and to a property of
  // that name whose type is of the registered kind.
  std::unique_ptr<TPropertyEditor> propertyEditorFor(QObject* component,
                                                     const std::string& propertyName) const;

 private:
  std::vector<Registration> registrations_;
};

}  // namespace designtime
