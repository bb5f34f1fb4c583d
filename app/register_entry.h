#pragma once

#include <QListWidgetItem>
#include <memory>

#include "Unit1.h"

namespace app {

// An entry of the found-registers list that owns its register's record, so the record dies
// with the entry. Entries of registers that answered incorrectly are plain items.
class RegisterEntry : public QListWidgetItem {
 public:
  static constexpr int kType = QListWidgetItem::UserType + 1;

  explicit RegisterEntry(std::unique_ptr<TForm1::FPList> record);

  TForm1::FPList& record() const { return *record_; }
  // Rebuilds the text from the record: port, speed and model, each followed by ';'.
  void refreshText();

  // The record of `item`, or null when it has none (or there is no item).
  static TForm1::FPList* recordOf(const QListWidgetItem* item);

 private:
  std::unique_ptr<TForm1::FPList> record_;
};

}  // namespace app
