#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace Ui {
class TForm1;
}
class TPortControl;
namespace reglink {
class RegisterLink;
struct TCommandResult;
}  // namespace reglink

// The tool's one window: lists the ports, searches them for registers, shows a register and
// changes its line speed. Every change of state after the start is made by the five handlers.
class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // One register found by the search. Owned by its entry in ListBox2.
  struct FPList {
    std::array<std::string, 12> Texts;  // port name, then the first eleven 80h fields (cp1251)
    std::int32_t Speed = 0;             // the speed it answered at, or was last set to
  };

  // All traffic with registers goes through `link`.
  explicit TForm1(reglink::RegisterLink& link, QWidget* parent = nullptr);
  explicit TForm1(QWidget* parent = nullptr);  // on the module-wide link
  ~TForm1() override;

  void Button1Click(QObject* Sender);
  void Button2Click(QObject* Sender);
  void ListBox2MouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                       int Y);
  void Button4Click(QObject* Sender);
  void Button3Click(QObject* Sender);

  TPortControl* PortControl1;  // the form uses only its class-wide port listing
  reglink::TCommandResult* LastResult = nullptr;  // owned by the link
  FPList* CurrentRegister = nullptr;              // owned by its ListBox2 entry

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  enum class PortOutcome { Decided, Silent, WindowClosed };

  PortOutcome searchPort(int row);
  void highlightPort(int row);
  void addFoundRegister(const std::string& port, int speed);
  void showRegister(const FPList& record);

  std::unique_ptr<Ui::TForm1> ui;
  reglink::RegisterLink& link_;
  bool searching_ = false;
  bool closedDuringSearch_ = false;
};

// The main window, once the application has created it.
extern TForm1* Form1;
