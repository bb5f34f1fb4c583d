#include "Unit1.h"

#include <QCloseEvent>
#include <QMouseEvent>

#include "application.h"
#include "link/reglink.h"
#include "portcontrol/port_control.h"
#include "portcontrol/streaming.h"
#include "register_entry.h"
#include "text_edge.h"
#include "ui_Unit1.h"

TForm1* Form1 = nullptr;

namespace {

// PortControl1's properties as the form keeps them: those that differ from their defaults.
const StoredProperty kPortControl1Stored[] = {
    {QStringLiteral("Timeout.ReadTotalTimeoutConstant"), 1000},
    {QStringLiteral("DTR"), QStringLiteral("DTR_HANDSHAKE")},
    {QStringLiteral("RTS"), QStringLiteral("RTS_HANDSHAKE")},
    {QStringLiteral("DataBits"), QStringLiteral("Bits8")},
    {QStringLiteral("BaudRate"), QStringLiteral("S009600")},
};

}  // namespace

TForm1::TForm1(QWidget* parent) : TForm1(reglink::defaultLink(), parent) {}

TForm1::TForm1(reglink::RegisterLink& link, QWidget* parent)
    : QWidget(parent),
      PortControl1(new TPortControl()),
      ui(std::make_unique<Ui::TForm1>()),
      link_(link) {
  ui->setupUi(this);
  PortControl1->setParent(this);  // the form owns it
  PortControl1->SetName(QStringLiteral("PortControl1"));
  for (const auto& stored : kPortControl1Stored) restoreProperty(*PortControl1, stored.name, stored.value);
  // A tool window with the system menu and minimize icons; its size is fixed in the form.
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  // Qt lets tool windows close without ending the program; this one is the main window.
  setAttribute(Qt::WA_QuitOnClose, true);
  move(247, 225);

  const auto handle = [this](auto handler, QObject* sender) {
    return [this, handler, sender] { TApplication::Run([&] { (this->*handler)(sender); }); };
  };
  connect(ui->Button1, &QPushButton::clicked, this, handle(&TForm1::Button1Click, ui->Button1));
  connect(ui->Button2, &QPushButton::clicked, this, handle(&TForm1::Button2Click, ui->Button2));
  connect(ui->Button4, &QPushButton::clicked, this, handle(&TForm1::Button4Click, ui->Button4));
  connect(ui->Button3, &QPushButton::clicked, this, handle(&TForm1::Button3Click, ui->Button3));
  ui->ListBox2->viewport()->installEventFilter(this);
}

TForm1::~TForm1() = default;

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui->ListBox2->viewport() && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    TApplication::Run([&] {
      ListBox2MouseUp(ui->ListBox2, mouse->button(), mouse->modifiers(), at.x(), at.y());
    });
  }
  return QWidget::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event) {
  // The search checks this between attempts and ends; its records stay with their entries.
  if (searching_) closedDuringSearch_ = true;
  QWidget::closeEvent(event);
}

void TForm1::Button3Click(QObject*) { close(); }

void TForm1::ListBox2MouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
  // Any button shows the entry under the point; an entry without a record has nothing to show.
  const FPList* record = app::RegisterEntry::recordOf(ui->ListBox2->itemAt(X, Y));
  if (record != nullptr) showRegister(*record);
}

void TForm1::showRegister(const FPList& record) {
  QLineEdit* const edits[] = {ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4,  ui->Edit5,  ui->Edit6,
                              ui->Edit7, ui->Edit8, ui->Edit9, ui->Edit10, ui->Edit11, ui->Edit12};
  for (std::size_t i = 0; i < record.Texts.size(); ++i) {
    edits[i]->setText(app::fromCp1251(record.Texts[i]));
  }
  ui->ComboBox1->setEditText(QString::number(record.Speed));
}
