#include "designtime/component_editor.h"

namespace designtime {

void TComponentEditor::ExecuteVerb(int /*Index*/) {}

std::string TComponentEditor::GetVerb(int /*Index*/) { return {}; }

int TComponentEditor::GetVerbCount() { return 0; }

void TComponentEditor::Edit() {
  if (GetVerbCount() > 0) ExecuteVerb(0);
}

}  // namespace designtime
