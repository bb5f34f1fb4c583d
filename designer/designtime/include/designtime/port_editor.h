#pragma once

#include "designtime/component_editor.h"

namespace designtime {

// The component editor of TPortControl: one verb, which opens the tool's main window as the
// component's about box.
class TPortEditor : public TComponentEditor {
 public:
  using TComponentEditor::TComponentEditor;

  void ExecuteVerb(int Index) override;
  std::string GetVerb(int Index) override;
  int GetVerbCount() override;
};

}  // namespace designtime
