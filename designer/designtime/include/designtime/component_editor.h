#pragma once

#include <string>

class QObject;

namespace designtime {

// What a designer asks a component for beyond its properties: the verbs of its context menu.
class TComponentEditor {
 public:
  explicit TComponentEditor(QObject* component) : component_(component) {}
  virtual ~TComponentEditor() = default;
  TComponentEditor(const TComponentEditor&) = delete;
  TComponentEditor& operator=(const TComponentEditor&) = delete;

  virtual void ExecuteVerb(int Index);
  virtual std::string GetVerb(int Index);
  virtual int GetVerbCount();
  // The designer's double click: runs verb 0 whenever there is at least one verb.
  virtual void Edit();

  QObject* Component() const { return component_; }

 private:
  QObject* component_;
};

}  // namespace designtime
