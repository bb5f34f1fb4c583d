#pragma once

#include <cstdint>
#include <functional>
#include <string>

class QObject;

namespace designtime {

// How a designer offers a property for editing; a set of these flags.
enum TPropertyAttribute : std::uint32_t {
  paValueList = 1u << 0,  // the editor lists the values to choose from
  paSortList = 1u << 1,   // the designer sorts that list
};
using TPropertyAttributes = std::uint32_t;

// Receives one value of a property's value list (8-bit text).
using TGetStrProc = std::function<void(const std::string& Value)>;

// What a designer asks about one property of one component.
class TPropertyEditor {
 public:
  TPropertyEditor(QObject* component, std::string propertyName)
      : component_(component), propertyName_(std::move(propertyName)) {}
  virtual ~TPropertyEditor() = default;
  TPropertyEditor(const TPropertyEditor&) = delete;
  TPropertyEditor& operator=(const TPropertyEditor&) = delete;

  virtual TPropertyAttributes GetAttributes() { return 0; }
  virtual void GetValues(const TGetStrProc& /*Proc*/) {}
  // The property's current value as 8-bit text.
  virtual std::string GetValue() { return {}; }

  QObject* Component() const { return component_; }
  const std::string& PropertyName() const { return propertyName_; }

 private:
  QObject* component_;
  std::string propertyName_;
};

// A property edited as text.
class TStringProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  std::string GetValue() override;
};

}  // namespace designtime
