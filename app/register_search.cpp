#include "Unit1.h"

#include <QCoreApplication>

#include "link/reglink.h"
#include "message_box.h"
#include "register_entry.h"
#include "register_verdict.h"
#include "text_edge.h"
#include "ui_Unit1.h"

void TForm1::Button2Click(QObject*) {
  // The search processes pending events between attempts; a second click there would empty
  // ListBox2 under the running search, so it is ignored.
  if (searching_) return;
  searching_ = true;
  closedDuringSearch_ = false;
  struct SearchEnd {
    bool& searching;
    ~SearchEnd() { searching = false; }
  } searchEnd{searching_};

  CurrentRegister = nullptr;  // its entry goes now
  ui->ListBox2->clear();
  ui->ListBox3->clear();
  ui->Button4->setEnabled(false);
  ui->ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  if (!ui->CheckBox1->isChecked()) ui->ListBox1->clearSelection();

  QListWidget& ports = *ui->ListBox1;
  for (int row = 0; row < ports.count(); ++row) {
    for (int before = 0; before < row; ++before) ports.item(before)->setSelected(false);
    ui->Label14->setText(ports.item(row)->text());
    repaint();
    // Read anew for every port: the user may change it while the search runs.
    if (ui->CheckBox1->isChecked()) {
      if (!ports.item(row)->isSelected()) continue;
      ports.item(row)->setSelected(false);
    }
    if (searchPort(row) == PortOutcome::WindowClosed) return;
  }

  if (ports.count() > 0) ports.item(ports.count() - 1)->setSelected(false);
  ui->ProgressBar3->setValue(0);
  ui->Label14->clear();
  if (ui->ListBox2->count() > 0) {
    app::showMessage(this, QStringLiteral("Успешно!"));
    ui->Button4->setEnabled(true);
  } else {
    app::showMessage(this, QStringLiteral("Регистраторы не обнаружены!"));
  }
}

TForm1::PortOutcome TForm1::searchPort(int row) {
  const QString portText = ui->ListBox1->item(row)->text();
  const std::string port = app::toCp1251(portText);
  int attempt = 0;
  for (const int speed : reglink::kSearchSpeeds) {
    ui->ProgressBar3->setValue(++attempt);
    ui->ProgressBar3->repaint();
    QCoreApplication::processEvents();  // no link is open here
    if (closedDuringSearch_) return PortOutcome::WindowClosed;

    if (link_.OpenLink(port.c_str(), speed) == -1) {
      ui->ListBox3->addItem(portText);
      highlightPort(row);
      repaint();
      return PortOutcome::Decided;
    }
    highlightPort(row);
    repaint();
    int status = 0;
    LastResult = link_.GetDiagnosticInfo(reglink::kRegisterPassword, &status);
    if ((LastResult->Flags & reglink::CR_NO_ANSWER) != 0) {
      link_.CloseLink();
      continue;
    }
    if (app::answeredWell(*LastResult)) {
      addFoundRegister(port, speed);
    } else {
      ui->ListBox2->addItem(portText + QStringLiteral("; Устройство отвечаеn некорректно"));
    }
    link_.CloseLink();
    return PortOutcome::Decided;
  }
  return PortOutcome::Silent;
}

void TForm1::highlightPort(int row) {
  ui->ListBox1->item(row)->setSelected(true);
  if (row > 0) ui->ListBox1->item(row - 1)->setSelected(false);
}

void TForm1::addFoundRegister(const std::string& port, int speed) {
  auto record = std::make_unique<FPList>();
  record->Texts[0] = port;
  for (int i = 0; i + 1 < static_cast<int>(record->Texts.size()); ++i) {
    record->Texts[i + 1] = app::answerField(*LastResult, i);
  }
  record->Speed = speed;
  CurrentRegister = record.get();

  auto* entry = new app::RegisterEntry(std::move(record));
  ui->ListBox2->addItem(entry);  // the list owns the entry, the entry owns the record
  ui->ListBox2->setCurrentItem(entry);
  ui->ListBox2->repaint();
  showRegister(*CurrentRegister);
  repaint();
}
