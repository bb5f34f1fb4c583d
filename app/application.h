#pragma once

#include <QApplication>
#include <exception>
#include <utility>

// The application object: an exception that escapes an event handler is shown in the standard
// exception box and the message loop goes on.
class TApplication : public QApplication {
  Q_OBJECT
 public:
  TApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  static void ShowException(const std::exception& error);

  // Runs a handler the way the message loop does: what escapes it is shown, not propagated.
  // Handlers are connected through this, because an exception must not unwind through Qt's
  // own frames between the handler and notify().
  template <typename Handler>
  static void Run(Handler&& handler) {
    try {
      std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
      ShowException(error);
    }
  }
};
