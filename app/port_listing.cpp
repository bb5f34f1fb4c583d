#include "Unit1.h"

#include "message_box.h"
#include "portcontrol/port_control.h"
#include "text_edge.h"
#include "ui_Unit1.h"

void TForm1::Button1Click(QObject*) {
  ui->ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ui->ListBox1->clear();
  // The listing goes on whatever the start reports: a listing that cannot start yields nothing.
  TPortControl::BeginEnumeratePorts();
  for (;;) {
    const std::string name = TPortControl::EnumeratePorts();
    if (name.empty() || name == "0") break;  // "0": a device could not be read
    ui->ListBox1->addItem(app::fromCp1251(name));
  }
  TPortControl::EndEnumeratePorts();

  // The ports are listed once per run.
  ui->Button1->setEnabled(false);
  if (ui->ListBox1->count() > 0) {
    ui->Button2->setEnabled(true);
  } else {
    app::showMessage(this, QStringLiteral("Последовательные порты не найдены!"));
  }
}
