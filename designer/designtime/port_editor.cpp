#include "designtime/port_editor.h"

#include <QCoreApplication>

#include "Unit1.h"
#include "designtime/show_modal.h"

namespace designtime {

void TPortEditor::ExecuteVerb(int /*Index*/) {
  // One about box at a time: the earlier window goes before the next is made.
  delete Form1;
  Form1 = nullptr;
  auto* window = new TForm1();
  Form1 = window;
  // Whoever destroys the window, Form1 never points at what is gone.
  QObject::connect(window, &QObject::destroyed, [window] {
    if (Form1 == window) Form1 = nullptr;
  });
  // The application owns the window: it goes when the application quits, unless a later
  // verb has replaced it before.
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, [window] { delete window; });
  showModal(*window);
}

std::string TPortEditor::GetVerb(int /*Index*/) { return "&About TPortControl ..."; }

int TPortEditor::GetVerbCount() { return 1; }

}  // namespace designtime
