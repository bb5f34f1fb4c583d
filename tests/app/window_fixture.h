#pragma once

#include <QListWidget>
#include <QString>
#include <QTest>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Unit1.h"
#include "link/reglink.h"
#include "message_box.h"
#include "platform/memory_port_device_class.h"
#include "platform/port_device_class.h"
#include "scripted_register.h"

namespace apptest {

// Records the message boxes instead of showing them.
class MessageRecorder {
 public:
  struct Box {
    QString text;
    app::BoxKind kind;
  };
  MessageRecorder()
      : previous_(app::replaceMessageBox(
            [this](QWidget*, const QString& text, app::BoxKind kind) { boxes.push_back({text, kind}); })) {}
  ~MessageRecorder() { app::replaceMessageBox(previous_); }
  QStringList texts() const {
    QStringList out;
    for (const auto& box : boxes) out << box.text;
    return out;
  }
  std::vector<Box> boxes;

 private:
  app::MessageBoxFunction previous_;
};

// The register's answers by default: its identity (80h), its parameters (28h), success (27h).
void giveDefaultAnswers(ScriptedRegister& reg, const std::string& model);
inline const std::string kParamsAnswer = "9600;1;001A;02;00;10;05;";

// A window on its own link; the port listing lists `listed`, the link opens scripted registers
// and, for other names, the system's ports (the simulator's pseudo-terminals).
class Window {
 public:
  Window();

  template <typename T>
  T* child(const char* name) const {
    return form.findChild<T*>(QString::fromLatin1(name));
  }
  QListWidget* list(const char* name) const { return child<QListWidget>(name); }
  QString text(const char* editName) const;
  QStringList entries(const char* listName) const;
  QStringList marked() const;  // ListBox1's marked ports

  void click(const char* buttonName);
  void listPorts(const std::vector<std::string>& names);
  void ctrlClickPort(int row);
  void releaseOverRegister(int row, Qt::MouseButton button = Qt::LeftButton);
  void typeInto(const char* widgetName, const QString& text);  // Edit1 or ComboBox1

  ScriptedPorts ports{platform::systemSerialPorts()};
  reglink::RegisterLink link{ports};
  std::unique_ptr<platform::MemoryPortDeviceClass> portClass;
  std::unique_ptr<platform::ScopedPortDeviceClass> listing;
  MessageRecorder messages;
  TForm1 form{link};
};

}  // namespace apptest

// QtTest's main, on the tool's own application object.
#define APPTEST_MAIN(TestClass)                   \
  int main(int argc, char** argv) {               \
    TApplication application(argc, argv);         \
    TestClass test;                               \
    return QTest::qExec(&test, argc, argv);       \
  }
