#include "application.h"

#include <QFont>

#include "message_box.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("speedconf"));
  setApplicationDisplayName(QStringLiteral("speedconf"));
  // The form's font is the classic 8-point dialog font; where a system lacks it, a condensed
  // sans keeps the captions inside their places.
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  Run([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}

void TApplication::ShowException(const std::exception& error) {
  app::showMessage(activeWindow(), QString::fromUtf8(error.what()), app::BoxKind::Error);
}
