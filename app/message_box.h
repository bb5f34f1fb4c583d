#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace app {

enum class BoxKind { Information, Error };

// Every message box of the tool goes through here, so that tests can record them instead of
// blocking on a modal dialog.
using MessageBoxFunction = std::function<void(QWidget* parent, const QString& text, BoxKind kind)>;

// Shows a plain box with an OK button (or records it, when replaced).
void showMessage(QWidget* parent, const QString& text, BoxKind kind = BoxKind::Information);

// Installs `replacement` (an empty function restores the real boxes); returns the previous one.
MessageBoxFunction replaceMessageBox(MessageBoxFunction replacement);

}  // namespace app
