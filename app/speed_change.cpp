#include "Unit1.h"

#include "link/reglink.h"
#include "message_box.h"
#include "number_text.h"
#include "register_entry.h"
#include "register_verdict.h"
#include "text_edge.h"
#include "ui_Unit1.h"

namespace {

// The seven numbers of the 27h request: the new speed, then the register's own parameters as
// the 28h answer carries them in its fields 1 to 6.
struct RegisterParams {
  int speed, p2, p3, p4, p5, p6, p7;
};

RegisterParams readParams(const QString& newSpeed, const reglink::TCommandResult& answer) {
  const auto field = [&](int index) { return app::answerField(answer, index); };
  return {app::strictDecimal(app::toCp1251(newSpeed)),
          app::strictDecimal(field(1)),
          app::lenientHex(field(2)),
          app::lenientHex(field(3)),
          app::lenientHex(field(4)),
          app::lenientHex(field(5)),
          app::strictDecimal(field(6))};
}

// Closes the link on every way out, the conversion error included.
struct LinkCloser {
  reglink::RegisterLink& link;
  ~LinkCloser() { link.CloseLink(); }
};

}  // namespace

void TForm1::Button4Click(QObject*) {
  // A register that answered incorrectly has no record, and then there is nothing to reprogram.
  auto* entry = ui->ListBox2->selectedItems().value(0);
  FPList* record = app::RegisterEntry::recordOf(entry);
  if (record == nullptr) return;
  CurrentRegister = record;

  const std::string port = app::toCp1251(ui->Edit1->text());
  if (link_.OpenLink(port.c_str(), record->Speed) == -1) {
    app::showMessage(this, QStringLiteral("Ошибка программы"));
    return;
  }
  const LinkCloser closer{link_};
  int status = 0;

  LastResult = link_.GetRegisterParams(reglink::kRegisterPassword, &status);
  if ((LastResult->Flags & reglink::CR_NO_ANSWER) != 0) {
    app::showMessage(this,
                     QStringLiteral("Таймаут устройства! Ошибка чтения параметров регистратора!"));
    return;
  }
  if (!app::answeredWell(*LastResult)) {
    app::showMessage(this, QStringLiteral("Ошибка чтения параметров регистратора!"));
    return;
  }

  const RegisterParams params = readParams(ui->ComboBox1->currentText(), *LastResult);
  LastResult = link_.SetRegisterParams(reglink::kRegisterPassword, params.speed, params.p2,
                                       params.p3, params.p4, params.p5, params.p6, params.p7,
                                       &status);
  if ((LastResult->Flags & reglink::CR_NO_ANSWER) != 0) {
    app::showMessage(
        this, QStringLiteral("Таймаут устройства! Ошибка установки параментров регистратора!"));
    return;
  }
  if (!app::answeredWell(*LastResult)) {
    app::showMessage(this, QStringLiteral("Ошибка установки параментров регистратора"));
    return;
  }

  record->Speed = params.speed;
  static_cast<app::RegisterEntry*>(entry)->refreshText();
}
