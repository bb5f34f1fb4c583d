#include "message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace app {

namespace {

void showRealBox(QWidget* parent, const QString& text, BoxKind kind) {
  const QString title = QApplication::applicationDisplayName();
  if (kind == BoxKind::Error) {
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
  } else {
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
  }
}

MessageBoxFunction& currentBox() {
  static MessageBoxFunction box = showRealBox;
  return box;
}

}  // namespace

void showMessage(QWidget* parent, const QString& text, BoxKind kind) { currentBox()(parent, text, kind); }

MessageBoxFunction replaceMessageBox(MessageBoxFunction replacement) {
  if (!replacement) replacement = showRealBox;
  return std::exchange(currentBox(), std::move(replacement));
}

}  // namespace app
