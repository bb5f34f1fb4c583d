#include "register_entry.h"

#include "text_edge.h"

namespace app {

RegisterEntry::RegisterEntry(std::unique_ptr<TForm1::FPList> record)
    : QListWidgetItem(nullptr, kType), record_(std::move(record)) {
  refreshText();
}

void RegisterEntry::refreshText() {
  const auto& texts = record_->Texts;
  setText(fromCp1251(texts[0]) + u';' + QString::number(record_->Speed) + u';' +
          fromCp1251(texts[1]) + u';');
}

TForm1::FPList* RegisterEntry::recordOf(const QListWidgetItem* item) {
  if (item == nullptr || item->type() != kType) return nullptr;
  return &static_cast<const RegisterEntry*>(item)->record();
}

}  // namespace app
