#include "designtime/show_modal.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace designtime {
namespace {

// Ends a modal loop when the window it runs for is hidden; closing a window hides it.
class HideWatcher : public QObject {
 public:
  explicit HideWatcher(QEventLoop& loop) : loop_(loop) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide) loop_.quit();
    return QObject::eventFilter(watched, event);
  }

 private:
  QEventLoop& loop_;
};

}  // namespace

void showModal(QWidget& window) {
  QEventLoop loop;
  HideWatcher watcher(loop);
  QPointer<QWidget> alive(&window);
  window.installEventFilter(&watcher);
  QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
  window.setWindowModality(Qt::ApplicationModal);
  window.show();
  if (window.isVisible()) loop.exec(QEventLoop::DialogExec);
  if (alive) alive->removeEventFilter(&watcher);
}

}  // namespace designtime
